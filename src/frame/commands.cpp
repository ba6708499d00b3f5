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
      {522, kFile, nullptr, "&Print...\tCtrl+P", K::Pad, nullptr, A::None, false},
      // Added beside printing: the pad's report as a PDF file.
      {524, kFile, nullptr, "Save report as PDF...", K::Pad, nullptr, A::None, false},
      // Jobs: every calculation accepted while one is open is kept in it; its package is the deliverable.
      {525, kFile, nullptr, "New Job...", K::Job, nullptr, A::None, false, true},
      {526, kFile, nullptr, "Open Job...", K::Job, nullptr, A::None, false},
      {527, kFile, nullptr, "Job Summary", K::Job, nullptr, A::None, false},
      {528, kFile, nullptr, "Save Package as PDF...", K::Job, nullptr, A::None, false},
      {cmd::WorkFolder, kFile, nullptr, "&Working folder...", K::Pad, nullptr, A::None, false, true},
      {523, kFile, nullptr, "E&xit", K::Exit, nullptr, A::None, false, true},

      // A pad replaced by a report can be had back.
      {529, kEdit, nullptr, "&Undo\tCtrl+Z", K::Pad, nullptr, A::None, false},
      {530, kEdit, nullptr, "&Redo\tCtrl+Y", K::Pad, nullptr, A::None, false},
      {531, kEdit, nullptr, "Cu&t\tCtrl+X", K::Pad, nullptr, A::None, false, true},
      {532, kEdit, nullptr, "&Copy\tCtrl+C", K::Pad, nullptr, A::None, false},
      {533, kEdit, nullptr, "Paste\tCtrl+V", K::Pad, nullptr, A::None, false},
      {535, kEdit, nullptr, "Delete\tDel", K::Pad, nullptr, A::None, false},
      {536, kEdit, nullptr, "Select all\tCtrl+A", K::Pad, nullptr, A::None, false, true},
      {538, kEdit, nullptr, "Change Font", K::Pad, nullptr, A::None, false},

      {2570, kBase, nullptr, "Load Factors, ASCE 7-02", K::Sheet, nullptr, A::None, false},
      {2571, kBase, nullptr, "Load Factors, Allowable", K::Sheet, nullptr, A::None, false},
      {2572, kBase, nullptr, "Load Factors, UBC 1612.3.1", K::Sheet, nullptr, A::None, false},
      {2573, kBase, nullptr, "Load Factors, UBC 1612.3.2", K::Sheet, nullptr, A::None, false},
      {2574, kBase, nullptr, "Load Factors, ACI 318-02", K::Sheet, nullptr, A::None, false},
      {3920, kBase, nullptr, "ACI Strength Reduction Factors", K::Sheet, nullptr, A::None, false},
      {477, kBase, nullptr, "2x, 3x, 4x", K::Form, "L2X_Box", A::Refresh, false, true},
      {478, kBase, nullptr, "5x, 6x, ... 24x", K::Form, "L6X_Box", A::Refresh, false},
      {481, kBase, kGlulam, "2-1/2 in", K::Form, "GL2X_Box", A::Refresh, false},
      {482, kBase, kGlulam, "3-1/8 in", K::Form, "GL3X_Box", A::Refresh, false},
      {483, kBase, kGlulam, "5-1/8 in", K::Form, "GL5X_Box", A::Refresh, false},
      {484, kBase, kGlulam, "6-3/4 in", K::Form, "GL6X_Box", A::Refresh, false},
      {485, kBase, kGlulam, "8-3/4 in", K::Form, "GL8X_Box", A::Refresh, false},
      {486, kBase, kGlulam, "10-3/4 in", K::Form, "GL10X_Box", A::Refresh, false},
      {505, kBase, nullptr, "&W, M, or S", K::Form, "WMS_Box", A::Refresh, false, true},
      {506, kBase, nullptr, "&C and MC", K::Form, "CMC_Box", A::Refresh, false},
      {572, kBase, nullptr, "WT, MT, or ST", K::Form, "WT_Box", A::Refresh, false},
      {573, kBase, nullptr, "L, 2L", K::Form, "ANGLE_Box", A::Refresh, false},
      {574, kBase, nullptr, "HSS -- old TS", K::Form, "TUBE_Box", A::Refresh, false},
      {575, kBase, nullptr, "P, PX, or PXX", K::Form, "PIPE_Box", A::Refresh, false},
      {546, kBase, nullptr, "Std. Re-bars", K::Form, "REBAR_Box", A::None, false, true},
      {547, kBase, nullptr, "Welded Wire Fabric", K::Form, "WWF_Box", A::None, false},
      {2429, kBase, nullptr, "Wire/Sheet Gages", K::Form, "METAL_GAGE_Box", A::None, false, true},
      {2569, kBase, nullptr, "Common Wire Nails", K::Sheet, nullptr, A::None, false},
      {25551, kBase, nullptr, "Self Tapping Screws", K::Form, "TEK_SCREW_Box", A::None, false},
      {507, kBase, nullptr, "Kwick Bolt-II", K::Form, "KWIK_BOLT_II_Box", A::None, false},

      {548, kAnalysis, nullptr, "94 UBC Lateral Forces", K::Form, "94UBC_Sheet", A::Refresh, false},
      {600, kAnalysis, nullptr, "Simp. Beam Design", K::Form, "DBM_Box", A::BeamReport, false, true},
      {599, kAnalysis, nullptr, "Bm. Overhang Left", K::Form, "CBM_Box", A::BeamReport, false},
      {601, kAnalysis, nullptr, "Bm. Overhang Right", K::Form, "EBM_Box", A::BeamReport, false},
      {602, kAnalysis, nullptr, "Bm. Cantilever Left", K::Form, "GBM_Box", A::BeamReport, false},
      {550, kAnalysis, nullptr, "Moment diagram", K::Form, "PLOT_Box", A::None, true, true},
      {5501, kAnalysis, nullptr, "Shear diagram", K::Form, "SHEAR_Box", A::None, true},
      {633, kAnalysis, nullptr, "Conc. Interaction", K::Form, "TIECOLPLOT_Box", A::None, true},
      {929, kAnalysis, nullptr, "Quick column loads", K::Form, "PRECOLUMN_Box", A::Refresh, false, true},

      {479, kDesign, nullptr, "2x, 3x, 4x Beam", K::Form, "D2XBM_Box", A::Refresh, true},
      {480, kDesign, nullptr, "5x, 6x, ... 24x Bm", K::Form, "D6XBM_Box", A::Refresh, true},
      {578, kDesign, nullptr, "Glulam Beam", K::Form, "DGLBM_Box", A::Refresh, true},
      {2440, kDesign, nullptr, "Plywood Shear Wall Defl.", K::Form, "PlyDefl_Box", A::Refresh, false, true},
      {603, kDesign, nullptr, "Stl Wide Flange Bm/ASD", K::Form, "WBM_Box", A::Refresh, false, true},
      {3001, kDesign, nullptr, "Stl Wide Flange Bm/LRFD", K::Form, "WBM_LRFD", A::Refresh, false},
      {604, kDesign, nullptr, "Stl C && MC Beam", K::Form, "CHBM_Box", A::Refresh, false},
      {553, kDesign, nullptr, "Stl Tube Beam", K::Form, "TUBEBM_Box", A::Refresh, false},
      {2450, kDesign, nullptr, "2x, 3x, 4x Post", K::Form, "SAWNCOL_Box", A::Refresh, true, true},
      {2550, kDesign, nullptr, "5x, 6x, ...  Post", K::Form, "SAWNCOL5_Box", A::Refresh, true},
      {605, kDesign, nullptr, "Stl Wide Flange Col", K::Form, "WFCOL_Box", A::Refresh, false, true},
      {559, kDesign, nullptr, "Stl Tube Column", K::Form, "TSCOL_Box", A::Refresh, false},
      {606, kDesign, nullptr, "Stl Pipe Column", K::Form, "PCOL_Box", A::Refresh, false},
      {544, kDesign, nullptr, "Double-angles Strut", K::Form, "DBLLCOL_Box", A::Refresh, false},
      {561, kDesign, nullptr, "Stl Combined Stresses", K::Form, "StCombined_Box", A::Refresh, false, true},
      {552, kDesign, nullptr, "Base Plate for WF", K::Form, "BASEPL_Box", A::Refresh, false},
      {2460, kDesign, nullptr, "Reinf. Bar Tens/Comp Dev.", K::Form, "DEV_LEN_Box", A::Refresh, false, true},
      {617, kDesign, nullptr, "Concrete Beam, As->M", K::Form, "CONCBM_As_Box", A::Refresh, false},
      {618, kDesign, nullptr, "Concrete Beam, M->As", K::Form, "CONCBM_M_Box", A::Refresh, false},
      {608, kDesign, nullptr, "Rect. Conc Column", K::Form, "TIECOL_Box", A::Refresh, false},
      // The current steel code (AISC 360-22), beside the 1989 ASD and 1999 LRFD forms above.
      {3601, kDesign, nullptr, "Steel Flexure AISC 360-22", K::Form, "AISC360_FLEX_Box", A::Refresh, false, true},
      {3602, kDesign, nullptr, "Steel Compression AISC 360-22", K::Form, "AISC360_COMP_Box", A::Refresh, false},
      {3603, kDesign, nullptr, "Steel Combined AISC 360-22", K::Form, "AISC360_COMB_Box", A::Refresh, false},

      {2421, kConversion, nullptr, "ft in 1/16 -> mm", K::Form, "FT_MM_Box", A::Refresh, false},
      {2425, kConversion, nullptr, "mm -> ft in 1/16", K::Form, "MM_FT_Box", A::Refresh, false},
      {2437, kConversion, nullptr, "1.0 sq ft = 0.0929 sq metre", K::Sheet, nullptr, A::None, false, true},
      {2431, kConversion, nullptr, "1.0 lb   = 4.448 newton N", K::Sheet, nullptr, A::None, false},
      {2432, kConversion, nullptr, "1.0 ft-lb = 1.356 N-m", K::Sheet, nullptr, A::None, false},
      {2433, kConversion, nullptr, "1.0 psi  = 6.895 kPa", K::Sheet, nullptr, A::None, false},
      {2434, kConversion, nullptr, "1.0 cu.ft. = 0.02832 m^3", K::Sheet, nullptr, A::None, false},
      {2435, kConversion, nullptr, "1.0 gallon  = 3.785 liter", K::Sheet, nullptr, A::None, false},
      {2436, kConversion, nullptr, "1.0 slug  = 14.594 kg", K::Sheet, nullptr, A::None, false},

      {511, kSetting, nullptr, "Sawn Lumber Species", K::Form, "SAWN_SPECIES_Box", A::None, false},
      {510, kSetting, nullptr, "Project I.D. or J.O.", K::Form, "JO_Box", A::None, false},
      {539, kSetting, nullptr, "How to Update?", K::Form, "UpdateBox", A::None, false, true},
      {cmd::HelpContents, kHelp, nullptr, "&Contents\tF1", K::Pad, nullptr, A::None, false},
      {cmd::HelpScript, kHelp, nullptr, "&Script language", K::Pad, nullptr, A::None, false},
      {537, kHelp, nullptr, "&About", K::Form, "AboutBox", A::None, false, true},
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
    {522, "Print the report pad"},
    {524, "Save the report pad as a PDF file"},
    {cmd::WorkFolder, "Choose the folder the program writes its report, data and picture files into"},
    {523, "Close Vardelin"},
    {538, "Change the report pad's font (the pad starts in a fixed-width font so tables line up)"},
    {2570, "Load factors and combinations, ASCE 7-02 strength design"},
    {2571, "Load combinations, allowable stress design"},
    {2572, "Load combinations, 97 UBC 1612.3.1 basic allowable stress design"},
    {2573, "Load combinations, 97 UBC 1612.3.2 alternate allowable stress design"},
    {2574, "Load factors, ACI 318-02 section 9.2"},
    {3920, "Strength reduction factors phi, ACI 318-02 section 9.3"},
    {477, "Sawn lumber sizes 2x, 3x and 4x (dimension lumber): section properties, NDS 1991 Supplement"},
    {478, "Sawn lumber sizes 5x and larger (timbers): section properties, NDS 1991 Supplement"},
    {481, "Glued-laminated timber 2-1/2 in wide: section properties"},
    {482, "Glued-laminated timber 3-1/8 in wide: section properties"},
    {483, "Glued-laminated timber 5-1/8 in wide: section properties"},
    {484, "Glued-laminated timber 6-3/4 in wide: section properties"},
    {485, "Glued-laminated timber 8-3/4 in wide: section properties"},
    {486, "Glued-laminated timber 10-3/4 in wide: section properties"},
    {505, "Steel W, M and S shapes: section properties"},
    {506, "Steel channels C and MC: section properties"},
    {572, "Steel structural tees WT, MT and ST: section properties"},
    {573, "Steel single and double angles L, 2L: section properties"},
    {574, "Steel hollow structural sections (HSS, formerly TS): section properties"},
    {575, "Steel pipe, standard, extra strong and double extra strong: section properties"},
    {546, "Standard reinforcing bars: sizes, areas and weights"},
    {547, "Welded wire fabric: wire sizes and areas"},
    {2429, "Wire and sheet metal gages: thicknesses"},
    {2569, "Common wire nails: sizes and allowable loads"},
    {25551, "Self-tapping sheet metal screws: allowable loads"},
    {507, "Expansion anchors (Kwick Bolt-II): allowable loads"},
    {548, "Static lateral force, 94 UBC 1628: period by Method A, base shear and its vertical distribution"},
    {600, "Simple beam analysis: reactions, shear, moment, slope and deflection"},
    {599, "Beam with an overhang at the left end: analysis"},
    {601, "Beam with an overhang at the right end: analysis"},
    {602, "Cantilever fixed at the right end, free at the left: analysis"},
    {550, "Bending moment diagram of the last beam analysis"},
    {5501, "Shear diagram of the last beam analysis"},
    {633, "Axial load-moment interaction diagram of the last rectangular tied concrete column"},
    {929, "Column load take-down with live-load reduction, UBC"},
    {479, "Sawn lumber beam 2x, 3x or 4x, NDS 1991"},
    {480, "Sawn lumber beam 5x and larger (timbers), NDS 1991"},
    {578, "Glued-laminated timber beam, NDS 1991"},
    {2440, "Plywood shear wall deflection, 97 UBC Standard 23"},
    {603, "Steel wide-flange beam, AISC ASD 9th edition"},
    {3001, "Steel wide-flange beam, AISC LRFD 3rd edition"},
    {604, "Steel channel (C and MC) beam, AISC ASD 9th edition"},
    {553, "Steel tube (HSS) beam, AISC ASD 9th edition"},
    {2450, "Sawn lumber post 2x, 3x or 4x, NDS 1991"},
    {2550, "Sawn lumber post 5x and larger (timbers), NDS 1991"},
    {605, "Steel wide-flange column or brace, AISC ASD 9th edition"},
    {559, "Steel tube (HSS) column or brace, AISC ASD 9th edition"},
    {606, "Steel pipe column or brace, AISC ASD 9th edition"},
    {544, "Steel double-angle strut with flexural-torsional buckling, AISC ASD 9th edition"},
    {561, "Steel member under combined axial force and bending, AISC ASD 9th edition H1-1 to H1-3"},
    {552, "Column base plate for a wide-flange column, AISC ASD 9th edition"},
    {2460, "Reinforcing bar development length in tension and compression, ACI 318"},
    {617, "Rectangular concrete beam: moment capacity from the steel area, ACI 318"},
    {618, "Rectangular concrete beam: steel area from the moment, ACI 318"},
    {608, "Rectangular tied concrete column with its interaction diagram, ACI 318"},
    {2421, "Convert feet, inches and sixteenths to millimetres"},
    {2425, "Convert millimetres to feet, inches and sixteenths"},
    {511, "Choose the sawn lumber species and grade the wood forms use"},
    {510, "Set the project identification or job number printed on reports"},
    {539, "How to install a newer version of Vardelin"},
    {cmd::HelpContents, "How to use Vardelin (the user's part of the README)"},
    {cmd::HelpScript, "The script language of vardelin-cli, the headless front end"},
    {537, "Version, code editions and licence of Vardelin"},
};

constexpr Tip kGrayedReasons[] = {
    {550, "Available after a beam analysis (Analysis > Simp. Beam Design or another beam) is closed with OK"},
    {5501, "Available after a beam analysis (Analysis > Simp. Beam Design or another beam) is closed with OK"},
    {633, "Available after a Design > Rect. Conc Column calculation"},
    {479, "Available after choosing a size in Base Materials > 2x, 3x, 4x"},
    {2450, "Available after choosing a size in Base Materials > 2x, 3x, 4x"},
    {480, "Available after choosing a size in Base Materials > 5x, 6x, ... 24x"},
    {2550, "Available after choosing a size in Base Materials > 5x, 6x, ... 24x"},
    {578, "Available after choosing a size in Base Materials > Glulam"},
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
