#include "frame/commands.h"

namespace vd {

namespace {
using K = CommandKind;
using A = After;
constexpr const char* kFile = "&File";
constexpr const char* kEdit = "&Edit";
constexpr const char* kBase = "&Base Materials";
constexpr const char* kAnalysis = "&Analysis";
constexpr const char* kDesign = "&Design";
constexpr const char* kConversion = "&Conversion";
constexpr const char* kSetting = "&Setting";
constexpr const char* kHelp = "&Help";
constexpr const char* kGlulam = "Glulam";
}  // namespace

const std::vector<Command>& commandTable() {
  static const std::vector<Command> table = {
      {cmd::Print, kFile, nullptr, "&Print...\tCtrl+P", K::Pad, nullptr, A::None, false},
      // Added beside printing: the pad's report as a PDF file.
      {cmd::SavePdf, kFile, nullptr, "Save report as PDF...", K::Pad, nullptr, A::None, false},
      // Jobs: every calculation accepted while one is open is kept in it; its package is the deliverable.
      {cmd::NewJob, kFile, nullptr, "New Job...", K::Job, nullptr, A::None, false, true},
      {cmd::OpenJob, kFile, nullptr, "Open Job...", K::Job, nullptr, A::None, false},
      {cmd::JobSummary, kFile, nullptr, "Job Summary", K::Job, nullptr, A::None, false},
      {cmd::SavePackage, kFile, nullptr, "Save Package as PDF...", K::Job, nullptr, A::None, false},
      {cmd::WorkFolder, kFile, nullptr, "&Working folder...", K::Pad, nullptr, A::None, false, true},
      {cmd::Exit, kFile, nullptr, "E&xit", K::Exit, nullptr, A::None, false, true},

      // A pad replaced by a report can be had back.
      {cmd::Undo, kEdit, nullptr, "&Undo\tCtrl+Z", K::Pad, nullptr, A::None, false},
      {cmd::Redo, kEdit, nullptr, "&Redo\tCtrl+Y", K::Pad, nullptr, A::None, false},
      {cmd::Cut, kEdit, nullptr, "Cu&t\tCtrl+X", K::Pad, nullptr, A::None, false, true},
      {cmd::Copy, kEdit, nullptr, "&Copy\tCtrl+C", K::Pad, nullptr, A::None, false},
      {cmd::Paste, kEdit, nullptr, "Paste\tCtrl+V", K::Pad, nullptr, A::None, false},
      {cmd::Delete, kEdit, nullptr, "Delete\tDel", K::Pad, nullptr, A::None, false},
      {cmd::SelectAll, kEdit, nullptr, "Select all\tCtrl+A", K::Pad, nullptr, A::None, false, true},
      {cmd::ChangeFont, kEdit, nullptr, "Change Font", K::Pad, nullptr, A::None, false},

      {2570, kBase, nullptr, "Load Factors, ASCE 7-02", K::Sheet, nullptr, A::None, false},
      {2571, kBase, nullptr, "Load Factors, Allowable", K::Sheet, nullptr, A::None, false},
      {2572, kBase, nullptr, "Load Factors, UBC 1612.3.1", K::Sheet, nullptr, A::None, false},
      {2573, kBase, nullptr, "Load Factors, UBC 1612.3.2", K::Sheet, nullptr, A::None, false},
      {2574, kBase, nullptr, "Load Factors, ACI 318-02", K::Sheet, nullptr, A::None, false},
      {3920, kBase, nullptr, "ACI Strength Reduction Factors", K::Sheet, nullptr, A::None, false},
      {cmd::Sawn2xSizes, kBase, nullptr, "2x, 3x, 4x", K::Form, "L2X_Box", A::Refresh, false, true},
      {cmd::Sawn5xSizes, kBase, nullptr, "5x, 6x, ... 24x", K::Form, "L6X_Box", A::Refresh, false},
      {cmd::Glulam2HalfSizes, kBase, kGlulam, "2-1/2 in", K::Form, "GL2X_Box", A::Refresh, false},
      {cmd::Glulam3EighthSizes, kBase, kGlulam, "3-1/8 in", K::Form, "GL3X_Box", A::Refresh, false},
      {cmd::Glulam5EighthSizes, kBase, kGlulam, "5-1/8 in", K::Form, "GL5X_Box", A::Refresh, false},
      {cmd::Glulam6ThreeQuarterSizes, kBase, kGlulam, "6-3/4 in", K::Form, "GL6X_Box", A::Refresh, false},
      {cmd::Glulam8ThreeQuarterSizes, kBase, kGlulam, "8-3/4 in", K::Form, "GL8X_Box", A::Refresh, false},
      {cmd::Glulam10ThreeQuarterSizes, kBase, kGlulam, "10-3/4 in", K::Form, "GL10X_Box", A::Refresh, false},
      {cmd::WmsTable, kBase, nullptr, "&W, M, or S", K::Form, "WMS_Box", A::Refresh, false, true},
      {cmd::ChannelTable, kBase, nullptr, "&C and MC", K::Form, "CMC_Box", A::Refresh, false},
      {cmd::TeeTable, kBase, nullptr, "WT, MT, or ST", K::Form, "WT_Box", A::Refresh, false},
      {cmd::AngleTable, kBase, nullptr, "L, 2L", K::Form, "ANGLE_Box", A::Refresh, false},
      {cmd::TubeTable, kBase, nullptr, "HSS -- old TS", K::Form, "TUBE_Box", A::Refresh, false},
      {cmd::PipeTable, kBase, nullptr, "P, PX, or PXX", K::Form, "PIPE_Box", A::Refresh, false},
      {cmd::Rebars, kBase, nullptr, "Std. Re-bars", K::Form, "REBAR_Box", A::None, false, true},
      {cmd::WeldedWireFabric, kBase, nullptr, "Welded Wire Fabric", K::Form, "WWF_Box", A::None, false},
      {cmd::WireGages, kBase, nullptr, "Wire/Sheet Gages", K::Form, "METAL_GAGE_Box", A::None, false, true},
      {2569, kBase, nullptr, "Common Wire Nails", K::Sheet, nullptr, A::None, false},
      {cmd::TekScrews, kBase, nullptr, "Self Tapping Screws", K::Form, "TEK_SCREW_Box", A::None, false},
      {cmd::KwikBolt, kBase, nullptr, "Kwick Bolt-II", K::Form, "KWIK_BOLT_II_Box", A::None, false},

      {cmd::Lateral, kAnalysis, nullptr, "94 UBC Lateral Forces", K::Form, "94UBC_Sheet", A::Refresh, false},
      {cmd::SimpleBeam, kAnalysis, nullptr, "Simp. Beam Design", K::Form, "DBM_Box", A::BeamReport, false, true},
      {cmd::OverhangLeft, kAnalysis, nullptr, "Bm. Overhang Left", K::Form, "CBM_Box", A::BeamReport, false},
      {cmd::OverhangRight, kAnalysis, nullptr, "Bm. Overhang Right", K::Form, "EBM_Box", A::BeamReport, false},
      {cmd::Cantilever, kAnalysis, nullptr, "Bm. Cantilever Left", K::Form, "GBM_Box", A::BeamReport, false},
      {cmd::MomentDiagram, kAnalysis, nullptr, "Moment diagram", K::Form, "PLOT_Box", A::None, true, true},
      {cmd::ShearDiagram, kAnalysis, nullptr, "Shear diagram", K::Form, "SHEAR_Box", A::None, true},
      {cmd::ConcInteraction, kAnalysis, nullptr, "Conc. Interaction", K::Form, "TIECOLPLOT_Box", A::None, true},
      {cmd::ColumnLoads, kAnalysis, nullptr, "Quick column loads", K::Form, "PRECOLUMN_Box", A::Refresh, false, true},

      {cmd::Sawn2xBeam, kDesign, nullptr, "2x, 3x, 4x Beam", K::Form, "D2XBM_Box", A::Refresh, true},
      {cmd::Sawn6xBeam, kDesign, nullptr, "5x, 6x, ... 24x Bm", K::Form, "D6XBM_Box", A::Refresh, true},
      {cmd::GlulamBeam, kDesign, nullptr, "Glulam Beam", K::Form, "DGLBM_Box", A::Refresh, true},
      {cmd::ShearWall, kDesign, nullptr, "Plywood Shear Wall Defl.", K::Form, "PlyDefl_Box", A::Refresh, false, true},
      {cmd::WBeamAsd, kDesign, nullptr, "Stl Wide Flange Bm/ASD", K::Form, "WBM_Box", A::Refresh, false, true},
      {cmd::WBeamLrfd, kDesign, nullptr, "Stl Wide Flange Bm/LRFD", K::Form, "WBM_LRFD", A::Refresh, false},
      {cmd::ChannelBeam, kDesign, nullptr, "Stl C && MC Beam", K::Form, "CHBM_Box", A::Refresh, false},
      {cmd::TubeBeam, kDesign, nullptr, "Stl Tube Beam", K::Form, "TUBEBM_Box", A::Refresh, false},
      {cmd::Sawn2xPost, kDesign, nullptr, "2x, 3x, 4x Post", K::Form, "SAWNCOL_Box", A::Refresh, true, true},
      {cmd::Sawn5xPost, kDesign, nullptr, "5x, 6x, ...  Post", K::Form, "SAWNCOL5_Box", A::Refresh, true},
      {cmd::WColumn, kDesign, nullptr, "Stl Wide Flange Col", K::Form, "WFCOL_Box", A::Refresh, false, true},
      {cmd::TubeColumn, kDesign, nullptr, "Stl Tube Column", K::Form, "TSCOL_Box", A::Refresh, false},
      {cmd::PipeColumn, kDesign, nullptr, "Stl Pipe Column", K::Form, "PCOL_Box", A::Refresh, false},
      {cmd::DoubleAngleStrut, kDesign, nullptr, "Double-angles Strut", K::Form, "DBLLCOL_Box", A::Refresh, false},
      {cmd::CombinedStress, kDesign, nullptr, "Stl Combined Stresses", K::Form, "StCombined_Box", A::Refresh, false, true},
      {cmd::BasePlate, kDesign, nullptr, "Base Plate for WF", K::Form, "BASEPL_Box", A::Refresh, false},
      {cmd::DevelopmentLength, kDesign, nullptr, "Reinf. Bar Tens/Comp Dev.", K::Form, "DEV_LEN_Box", A::Refresh, false, true},
      {cmd::ConcreteBeamAsToM, kDesign, nullptr, "Concrete Beam, As->M", K::Form, "CONCBM_As_Box", A::Refresh, false},
      {cmd::ConcreteBeamMToAs, kDesign, nullptr, "Concrete Beam, M->As", K::Form, "CONCBM_M_Box", A::Refresh, false},
      {cmd::TiedColumn, kDesign, nullptr, "Rect. Conc Column", K::Form, "TIECOL_Box", A::Refresh, false},
      // The current steel code (AISC 360-22), beside the 1989 ASD and 1999 LRFD forms above.
      {cmd::Aisc360Flexure, kDesign, nullptr, "Steel Flexure AISC 360-22", K::Form, "AISC360_FLEX_Box", A::Refresh, false, true},
      {cmd::Aisc360Compression, kDesign, nullptr, "Steel Compression AISC 360-22", K::Form, "AISC360_COMP_Box", A::Refresh, false},
      {cmd::Aisc360Combined, kDesign, nullptr, "Steel Combined AISC 360-22", K::Form, "AISC360_COMB_Box", A::Refresh, false},

      {cmd::FtInToMm, kConversion, nullptr, "ft in 1/16 -> mm", K::Form, "FT_MM_Box", A::Refresh, false},
      {cmd::MmToFtIn, kConversion, nullptr, "mm -> ft in 1/16", K::Form, "MM_FT_Box", A::Refresh, false},
      {2437, kConversion, nullptr, "1.0 sq ft = 0.0929 sq metre", K::Sheet, nullptr, A::None, false, true},
      {2431, kConversion, nullptr, "1.0 lb   = 4.448 newton N", K::Sheet, nullptr, A::None, false},
      {2432, kConversion, nullptr, "1.0 ft-lb = 1.356 N-m", K::Sheet, nullptr, A::None, false},
      {2433, kConversion, nullptr, "1.0 psi  = 6.895 kPa", K::Sheet, nullptr, A::None, false},
      {2434, kConversion, nullptr, "1.0 cu.ft. = 0.02832 m^3", K::Sheet, nullptr, A::None, false},
      {2435, kConversion, nullptr, "1.0 gallon  = 3.785 liter", K::Sheet, nullptr, A::None, false},
      {2436, kConversion, nullptr, "1.0 slug  = 14.594 kg", K::Sheet, nullptr, A::None, false},

      {cmd::Species, kSetting, nullptr, "Sawn Lumber Species", K::Form, "SAWN_SPECIES_Box", A::None, false},
      {cmd::JobNumber, kSetting, nullptr, "Project I.D. or J.O.", K::Form, "JO_Box", A::None, false},
      {cmd::Update, kSetting, nullptr, "How to Update?", K::Form, "UpdateBox", A::None, false, true},
      {cmd::HelpContents, kHelp, nullptr, "&Contents\tF1", K::Pad, nullptr, A::None, false},
      {cmd::HelpScript, kHelp, nullptr, "&Script language", K::Pad, nullptr, A::None, false},
      {cmd::About, kHelp, nullptr, "&About", K::Form, "AboutBox", A::None, false, true},
  };
  return table;
}

const Command* findCommand(int id) {
  for (const Command& c : commandTable())
    if (c.id == id) return &c;
  return nullptr;
}

std::string plainItemText(std::string_view itemText) {
  std::string out;
  std::size_t tab = itemText.find('\t');
  if (tab != std::string_view::npos) itemText = itemText.substr(0, tab);
  for (std::size_t i = 0; i < itemText.size(); ++i) {
    if (itemText[i] == '&') {
      if (i + 1 < itemText.size() && itemText[i + 1] == '&') {
        out += '&';
        ++i;
      }
      continue;
    }
    out += itemText[i];
  }
  return out;
}

const Command* findCommandByText(std::string_view plainText) {
  for (const Command& c : commandTable())
    if (plainItemText(c.text) == plainText) return &c;
  return nullptr;
}

namespace {
struct Tip {
  int id;
  const char* text;
};
// The full name of every item whose text is abbreviated or names a table by its code.
constexpr Tip kTips[] = {
    {cmd::Print, "Print the report pad"},
    {cmd::SavePdf, "Save the report pad as a PDF file"},
    {cmd::WorkFolder, "Choose the folder the program writes its report, data and picture files into"},
    {cmd::Exit, "Close Vardelin"},
    {cmd::ChangeFont, "Change the report pad's font (the pad starts in a fixed-width font so tables line up)"},
    {2570, "Load factors and combinations, ASCE 7-02 strength design"},
    {2571, "Load combinations, allowable stress design"},
    {2572, "Load combinations, 97 UBC 1612.3.1 basic allowable stress design"},
    {2573, "Load combinations, 97 UBC 1612.3.2 alternate allowable stress design"},
    {2574, "Load factors, ACI 318-02 section 9.2"},
    {3920, "Strength reduction factors phi, ACI 318-02 section 9.3"},
    {cmd::Sawn2xSizes, "Sawn lumber sizes 2x, 3x and 4x (dimension lumber): section properties, NDS 1991 Supplement"},
    {cmd::Sawn5xSizes, "Sawn lumber sizes 5x and larger (timbers): section properties, NDS 1991 Supplement"},
    {cmd::Glulam2HalfSizes, "Glued-laminated timber 2-1/2 in wide: section properties"},
    {cmd::Glulam3EighthSizes, "Glued-laminated timber 3-1/8 in wide: section properties"},
    {cmd::Glulam5EighthSizes, "Glued-laminated timber 5-1/8 in wide: section properties"},
    {cmd::Glulam6ThreeQuarterSizes, "Glued-laminated timber 6-3/4 in wide: section properties"},
    {cmd::Glulam8ThreeQuarterSizes, "Glued-laminated timber 8-3/4 in wide: section properties"},
    {cmd::Glulam10ThreeQuarterSizes, "Glued-laminated timber 10-3/4 in wide: section properties"},
    {cmd::WmsTable, "Steel W, M and S shapes: section properties"},
    {cmd::ChannelTable, "Steel channels C and MC: section properties"},
    {cmd::TeeTable, "Steel structural tees WT, MT and ST: section properties"},
    {cmd::AngleTable, "Steel single and double angles L, 2L: section properties"},
    {cmd::TubeTable, "Steel hollow structural sections (HSS, formerly TS): section properties"},
    {cmd::PipeTable, "Steel pipe, standard, extra strong and double extra strong: section properties"},
    {cmd::Rebars, "Standard reinforcing bars: sizes, areas and weights"},
    {cmd::WeldedWireFabric, "Welded wire fabric: wire sizes and areas"},
    {cmd::WireGages, "Wire and sheet metal gages: thicknesses"},
    {2569, "Common wire nails: sizes and allowable loads"},
    {cmd::TekScrews, "Self-tapping sheet metal screws: allowable loads"},
    {cmd::KwikBolt, "Expansion anchors (Kwick Bolt-II): allowable loads"},
    {cmd::Lateral, "Static lateral force, 94 UBC 1628: period by Method A, base shear and its vertical distribution"},
    {cmd::SimpleBeam, "Simple beam analysis: reactions, shear, moment, slope and deflection"},
    {cmd::OverhangLeft, "Beam with an overhang at the left end: analysis"},
    {cmd::OverhangRight, "Beam with an overhang at the right end: analysis"},
    {cmd::Cantilever, "Cantilever fixed at the right end, free at the left: analysis"},
    {cmd::MomentDiagram, "Bending moment diagram of the last beam analysis"},
    {cmd::ShearDiagram, "Shear diagram of the last beam analysis"},
    {cmd::ConcInteraction, "Axial load-moment interaction diagram of the last rectangular tied concrete column"},
    {cmd::ColumnLoads, "Column load take-down with live-load reduction, UBC"},
    {cmd::Sawn2xBeam, "Sawn lumber beam 2x, 3x or 4x, NDS 1991"},
    {cmd::Sawn6xBeam, "Sawn lumber beam 5x and larger (timbers), NDS 1991"},
    {cmd::GlulamBeam, "Glued-laminated timber beam, NDS 1991"},
    {cmd::ShearWall, "Plywood shear wall deflection, 97 UBC Standard 23"},
    {cmd::WBeamAsd, "Steel wide-flange beam, AISC ASD 9th edition"},
    {cmd::WBeamLrfd, "Steel wide-flange beam, AISC LRFD 3rd edition"},
    {cmd::ChannelBeam, "Steel channel (C and MC) beam, AISC ASD 9th edition"},
    {cmd::TubeBeam, "Steel tube (HSS) beam, AISC ASD 9th edition"},
    {cmd::Sawn2xPost, "Sawn lumber post 2x, 3x or 4x, NDS 1991"},
    {cmd::Sawn5xPost, "Sawn lumber post 5x and larger (timbers), NDS 1991"},
    {cmd::WColumn, "Steel wide-flange column or brace, AISC ASD 9th edition"},
    {cmd::TubeColumn, "Steel tube (HSS) column or brace, AISC ASD 9th edition"},
    {cmd::PipeColumn, "Steel pipe column or brace, AISC ASD 9th edition"},
    {cmd::DoubleAngleStrut, "Steel double-angle strut with flexural-torsional buckling, AISC ASD 9th edition"},
    {cmd::CombinedStress, "Steel member under combined axial force and bending, AISC ASD 9th edition H1-1 to H1-3"},
    {cmd::BasePlate, "Column base plate for a wide-flange column, AISC ASD 9th edition"},
    {cmd::DevelopmentLength, "Reinforcing bar development length in tension and compression, ACI 318"},
    {cmd::ConcreteBeamAsToM, "Rectangular concrete beam: moment capacity from the steel area, ACI 318"},
    {cmd::ConcreteBeamMToAs, "Rectangular concrete beam: steel area from the moment, ACI 318"},
    {cmd::TiedColumn, "Rectangular tied concrete column with its interaction diagram, ACI 318"},
    {cmd::FtInToMm, "Convert feet, inches and sixteenths to millimetres"},
    {cmd::MmToFtIn, "Convert millimetres to feet, inches and sixteenths"},
    {cmd::Species, "Choose the sawn lumber species and grade the wood forms use"},
    {cmd::JobNumber, "Set the project identification or job number printed on reports"},
    {cmd::Update, "How to install a newer version of Vardelin"},
    {cmd::HelpContents, "How to use Vardelin (the user's part of the README)"},
    {cmd::HelpScript, "The script language of vardelin-cli, the headless front end"},
    {cmd::About, "Version, code editions and licence of Vardelin"},
};

constexpr Tip kGrayedReasons[] = {
    {cmd::MomentDiagram, "Available after a beam analysis (Analysis > Simp. Beam Design or another beam) is closed with OK"},
    {cmd::ShearDiagram, "Available after a beam analysis (Analysis > Simp. Beam Design or another beam) is closed with OK"},
    {cmd::ConcInteraction, "Available after a Design > Rect. Conc Column calculation"},
    {cmd::Sawn2xBeam, "Available after choosing a size in Base Materials > 2x, 3x, 4x"},
    {cmd::Sawn2xPost, "Available after choosing a size in Base Materials > 2x, 3x, 4x"},
    {cmd::Sawn6xBeam, "Available after choosing a size in Base Materials > 5x, 6x, ... 24x"},
    {cmd::Sawn5xPost, "Available after choosing a size in Base Materials > 5x, 6x, ... 24x"},
    {cmd::GlulamBeam, "Available after choosing a size in Base Materials > Glulam"},
};
}  // namespace

std::string commandTip(int id) {
  for (const Tip& t : kTips)
    if (t.id == id) return t.text;
  const Command* c = findCommand(id);
  return c ? plainItemText(c->text) : std::string();
}

std::string grayedReason(int id) {
  for (const Tip& t : kGrayedReasons)
    if (t.id == id) return t.text;
  return {};
}

std::vector<std::string> menuPopups() {
  return {kFile, kEdit, kBase, kAnalysis, kDesign, kConversion, kSetting, kHelp};
}

}  // namespace vd
