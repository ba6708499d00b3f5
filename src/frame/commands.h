#pragma once
// The command table: every menu item, what it runs and what the frame does after a form closes.
#include <string>
#include <string_view>
#include <vector>

namespace vd {

enum class CommandKind {
  Form,   // opens an input form (or the property sheet) modally
  Sheet,  // puts a fixed reference sheet into the report pad
  Pad,    // an operation of the report pad itself (edit, font, print), run by the shell
  Exit,   // close request to the main window
  Job,    // a job command (new, open, summary, package), run by the shell
};

enum class After {
  None,        // leave the pad alone
  Refresh,     // replace the pad's text with the report buffer
  Clear,       // empty the report buffer, then refresh
  BeamReport,  // assemble the beam report from its file, then refresh
};

struct Command {
  int id;
  const char* popup;    // top-level popup
  const char* submenu;  // nested popup ("Glulaminated"), or nullptr
  const char* text;     // item text with "&" mnemonics and "\t" accelerator part
  CommandKind kind;
  const char* templateName;  // form template, or nullptr
  After after;
  bool initiallyGrayed;
  bool separatorBefore = false;
};

// Command ids the frame refers to by name.
namespace cmd {
inline constexpr int Print = 522, Exit = 523;
inline constexpr int Undo = 529, Redo = 530;
inline constexpr int Cut = 531, Copy = 532, Paste = 533, Delete = 535, SelectAll = 536, ChangeFont = 538;
inline constexpr int SavePdf = 524;
inline constexpr int NewJob = 525, OpenJob = 526, JobSummary = 527, SavePackage = 528;
inline constexpr int Lateral = 548, SimpleBeam = 600, OverhangLeft = 599, OverhangRight = 601, Cantilever = 602;
inline constexpr int MomentDiagram = 550, ShearDiagram = 5501, ConcInteraction = 633, ColumnLoads = 929;
inline constexpr int Sawn2xBeam = 479, Sawn6xBeam = 480, GlulamBeam = 578, Sawn2xPost = 2450, Sawn5xPost = 2550;
inline constexpr int Aisc360Flexure = 3601, Aisc360Compression = 3602, Aisc360Combined = 3603;
inline constexpr int Species = 511, JobNumber = 510, Update = 539, About = 537;
inline constexpr int WorkFolder = 5200, HelpContents = 5201, HelpScript = 5202;
// Reference forms of Base Materials.
inline constexpr int WmsTable = 505, TeeTable = 572, ChannelTable = 506, AngleTable = 573, TubeTable = 574,
                     PipeTable = 575;
inline constexpr int Sawn2xSizes = 477, Sawn5xSizes = 478;
// The six glulam widths, 2-1/2 in to 10-3/4 in, are consecutive.
inline constexpr int Glulam2HalfSizes = 481, Glulam3EighthSizes = 482, Glulam5EighthSizes = 483,
                     Glulam6ThreeQuarterSizes = 484, Glulam8ThreeQuarterSizes = 485, Glulam10ThreeQuarterSizes = 486;
inline constexpr int Rebars = 546, WeldedWireFabric = 547, WireGages = 2429, TekScrews = 25551, KwikBolt = 507;
// Design forms.
inline constexpr int WBeamAsd = 603, WBeamLrfd = 3001, ChannelBeam = 604, TubeBeam = 553;
inline constexpr int WColumn = 605, TubeColumn = 559, PipeColumn = 606, DoubleAngleStrut = 544;
inline constexpr int CombinedStress = 561, BasePlate = 552, ShearWall = 2440;
inline constexpr int DevelopmentLength = 2460, ConcreteBeamAsToM = 617, ConcreteBeamMToAs = 618, TiedColumn = 608;
// Conversions.
inline constexpr int FtInToMm = 2421, MmToFtIn = 2425;
}  // namespace cmd

const std::vector<Command>& commandTable();
const Command* findCommand(int id);
// The item text as a user names it: "&" dropped ("&&" kept as "&") and the "\t..." accelerator part dropped.
std::string plainItemText(std::string_view itemText);
// The command whose plain item text matches, or nullptr.
const Command* findCommandByText(std::string_view plainText);
// What an item does, in full words ("Steel wide-flange beam, AISC ASD 9th edition"): the status tip.
std::string commandTip(int id);
// Why a grayed item is grayed and what makes it available, or "" for items that are never grayed.
std::string grayedReason(int id);
// The top-level popups in menu order.
std::vector<std::string> menuPopups();

}  // namespace vd
