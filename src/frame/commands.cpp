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
constexpr const char* kGlulam = "Glulaminated";
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
      {523, kFile, nullptr, "E&xit", K::Exit, nullptr, A::None, false, true},
      {487, kFile, nullptr, "Rename EnhMetafile", K::Pad, nullptr, A::None, true},

      // A pad replaced by a report can be had back.
      {529, kEdit, nullptr, "&Undo\tCtrl+Z", K::Pad, nullptr, A::None, false},
      {530, kEdit, nullptr, "&Redo\tCtrl+Y", K::Pad, nullptr, A::None, false},
      {531, kEdit, nullptr, "Cu&t\tCtrl+X", K::Pad, nullptr, A::None, false, true},
      {532, kEdit, nullptr, "&Copy\tCtrl+C", K::Pad, nullptr, A::None, false},
      {533, kEdit, nullptr, "Paste\tCtrl+V", K::Pad, nullptr, A::None, false},
      {535, kEdit, nullptr, "Delete\tDel", K::Pad, nullptr, A::None, false},
      {536, kEdit, nullptr, "Select all\tCtrl+A", K::Pad, nullptr, A::None, false},
      {538, kEdit, nullptr, "Change Font", K::Pad, nullptr, A::None, false},

      {2570, kBase, nullptr, "Load Factors, ASCE 7-02", K::Sheet, nullptr, A::None, false},
      {2571, kBase, nullptr, "Load Factors, Allowable", K::Sheet, nullptr, A::None, false},
      {2572, kBase, nullptr, "Load Factors, UBC 1612.3.1", K::Sheet, nullptr, A::None, false},
      {2573, kBase, nullptr, "Load Factors, UBC 1612.3.2", K::Sheet, nullptr, A::None, false},
      {2574, kBase, nullptr, "Load Factors, ACI 318-02", K::Sheet, nullptr, A::None, false},
      {3920, kBase, nullptr, "ACI Strength Reduction Factors", K::Sheet, nullptr, A::None, false},
      {477, kBase, nullptr, "2x, 3x, 4x", K::Form, "L2X_Box", A::Refresh, false},
      {478, kBase, nullptr, "5x, 6x, ... 24x", K::Form, "L6X_Box", A::Refresh, false},
      {481, kBase, kGlulam, "2-1/2", K::Form, "GL2X_Box", A::Refresh, false},
      {482, kBase, kGlulam, "3-1/8", K::Form, "GL3X_Box", A::Refresh, false},
      {483, kBase, kGlulam, "5-1/8", K::Form, "GL5X_Box", A::Refresh, false},
      {484, kBase, kGlulam, "6-3/4", K::Form, "GL6X_Box", A::Refresh, false},
      {485, kBase, kGlulam, "8-3/4", K::Form, "GL8X_Box", A::Refresh, false},
      {486, kBase, kGlulam, "10-3/4", K::Form, "GL10X_Box", A::Refresh, false},
      {505, kBase, nullptr, "&W, M, or S", K::Form, "WMS_Box", A::Refresh, false},
      {506, kBase, nullptr, "&C and MC", K::Form, "CMC_Box", A::Refresh, false},
      {572, kBase, nullptr, "WT, MT, or ST", K::Form, "WT_Box", A::Refresh, false},
      {573, kBase, nullptr, "L, 2L", K::Form, "ANGLE_Box", A::Refresh, false},
      {574, kBase, nullptr, "HSS -- old TS", K::Form, "TUBE_Box", A::Refresh, false},
      {575, kBase, nullptr, "P, PX, or PXX", K::Form, "PIPE_Box", A::Refresh, false},
      {546, kBase, nullptr, "Std. Re-bars", K::Form, "REBAR_Box", A::None, false},
      {547, kBase, nullptr, "Welded Wire Fabric", K::Form, "WWF_Box", A::None, false},
      {2429, kBase, nullptr, "Wire/Sheet Gages", K::Form, "METAL_GAGE_Box", A::None, false},
      {2569, kBase, nullptr, "Common Wire Nails", K::Sheet, nullptr, A::None, false},
      {25551, kBase, nullptr, "Self Tapping Screws", K::Form, "TEK_SCREW_Box", A::None, false},
      {507, kBase, nullptr, "Kwick Bolt-II", K::Form, "KWIK_BOLT_II_Box", A::None, false},

      {548, kAnalysis, nullptr, "94 UBC Lateral Forces", K::Form, "94UBC_Sheet", A::Refresh, false},
      {600, kAnalysis, nullptr, "Simp. Beam Design", K::Form, "DBM_Box", A::BeamReport, false},
      {599, kAnalysis, nullptr, "Bm. Overhang Left", K::Form, "CBM_Box", A::BeamReport, false},
      {601, kAnalysis, nullptr, "Bm. Overhang Right", K::Form, "EBM_Box", A::BeamReport, false},
      {602, kAnalysis, nullptr, "Bm. Cantilever Left", K::Form, "GBM_Box", A::BeamReport, false},
      {550, kAnalysis, nullptr, "Moment diagram", K::Form, "PLOT_Box", A::None, true},
      {5501, kAnalysis, nullptr, "Shear diagram", K::Form, "SHEAR_Box", A::None, true},
      {633, kAnalysis, nullptr, "Conc. Interaction", K::Form, "TIECOLPLOT_Box", A::None, true},
      {929, kAnalysis, nullptr, "Quik column loads", K::Form, "PRECOLUMN_Box", A::Refresh, false},

      {479, kDesign, nullptr, "2x, 3x, 4x Beam", K::Form, "D2XBM_Box", A::Refresh, true},
      {480, kDesign, nullptr, "5x, 6x, ... 24x Bm", K::Form, "D6XBM_Box", A::Refresh, true},
      {578, kDesign, nullptr, "Glulaminated Beam", K::Form, "DGLBM_Box", A::Refresh, true},
      {2440, kDesign, nullptr, "Plywood Shear Wall Defl.", K::Form, "PlyDefl_Box", A::Refresh, false},
      {603, kDesign, nullptr, "Stl Wide Flange Bm/ASD", K::Form, "WBM_Box", A::Refresh, false},
      {3001, kDesign, nullptr, "Stl Wide Flange Bm/LRFD", K::Form, "WBM_LRFD", A::Refresh, false},
      {604, kDesign, nullptr, "Stl C && MC Beam", K::Form, "CHBM_Box", A::Refresh, false},
      {553, kDesign, nullptr, "Stl Tube Beam", K::Form, "TUBEBM_Box", A::Refresh, false},
      {2450, kDesign, nullptr, "2x, 3x, 4x Post", K::Form, "SAWNCOL_Box", A::Refresh, true},
      {2550, kDesign, nullptr, "5x, 6x, ...  Post", K::Form, "SAWNCOL5_Box", A::Refresh, true},
      {605, kDesign, nullptr, "Stl Wide Flange Col", K::Form, "WFCOL_Box", A::Refresh, false},
      {559, kDesign, nullptr, "Stl Tube Column", K::Form, "TSCOL_Box", A::Refresh, false},
      {606, kDesign, nullptr, "Stl Pipe Column", K::Form, "PCOL_Box", A::Refresh, false},
      {544, kDesign, nullptr, "Double-angles Strut", K::Form, "DBLLCOL_Box", A::Refresh, false},
      {561, kDesign, nullptr, "Stl Combined Stresses", K::Form, "StCombined_Box", A::Refresh, false},
      {552, kDesign, nullptr, "Base Plate for WF", K::Form, "BASEPL_Box", A::Refresh, false},
      {2460, kDesign, nullptr, "Reinf. Bar Tens/Comp Dev.", K::Form, "DEV_LEN_Box", A::Refresh, false},
      {617, kDesign, nullptr, "Concrete Beam, As->M", K::Form, "CONCBM_As_Box", A::Refresh, false},
      {618, kDesign, nullptr, "Concrete Beam, M->As", K::Form, "CONCBM_M_Box", A::Refresh, false},
      {608, kDesign, nullptr, "Rect. Conc Column", K::Form, "TIECOL_Box", A::Refresh, false},
      // The current steel code (AISC 360-22), beside the 1989 ASD and 1999 LRFD forms above.
      {3601, kDesign, nullptr, "Steel Flexure AISC 360-22", K::Form, "AISC360_FLEX_Box", A::Refresh, false, true},
      {3602, kDesign, nullptr, "Steel Compression AISC 360-22", K::Form, "AISC360_COMP_Box", A::Refresh, false},
      {3603, kDesign, nullptr, "Steel Combined AISC 360-22", K::Form, "AISC360_COMB_Box", A::Refresh, false},

      {2421, kConversion, nullptr, "ft in 1/16 -> mm", K::Form, "FT_MM_Box", A::Refresh, false},
      {2425, kConversion, nullptr, "mm -> ft in 1/16", K::Form, "MM_FT_Box", A::Refresh, false},
      {2437, kConversion, nullptr, "1.0 sq ft = 0.0929 sq metre", K::Sheet, nullptr, A::None, false},
      {2431, kConversion, nullptr, "1.0 lb   = 4.448 newton N", K::Sheet, nullptr, A::None, false},
      {2432, kConversion, nullptr, "1.0 ft-lb = 1.356 N-m", K::Sheet, nullptr, A::None, false},
      {2433, kConversion, nullptr, "1.0 psi  = 6.895 kPa", K::Sheet, nullptr, A::None, false},
      {2434, kConversion, nullptr, "1.0 cu.ft. = 0.02832 m^3", K::Sheet, nullptr, A::None, false},
      {2435, kConversion, nullptr, "1.0 gallon  = 3.785 liter", K::Sheet, nullptr, A::None, false},
      {2436, kConversion, nullptr, "1.0 slug  = 14.594 kg", K::Sheet, nullptr, A::None, false},

      {511, kSetting, nullptr, "Sawn Lumber Species", K::Form, "SAWN_SPECIES_Box", A::None, false},
      {510, kSetting, nullptr, "Project I.D. or J.O.", K::Form, "JO_Box", A::None, false},
      {539, kSetting, nullptr, "How to Update?", K::Form, "UpdateBox", A::None, false},
      {537, kSetting, nullptr, "&About", K::Form, "AboutBox", A::None, false},
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

std::vector<std::string> menuPopups() {
  return {kFile, kEdit, kBase, kAnalysis, kDesign, kConversion, kSetting};
}

}  // namespace vd
