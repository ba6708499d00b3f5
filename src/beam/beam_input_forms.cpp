#include "beam/beam_input_forms.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <optional>
#include <filesystem>
#include <iostream>
#include <utility>

#include "beam/beam_analysis.h"
#include "beam/cantilever_analysis.h"
#include "beam/overhang_right_analysis.h"
#include "frame/commands.h"
#include "platform/file_write.h"

namespace vd {

namespace {

using namespace beam_form;

// What each form keeps between its openings: the result of its last calculation, which it
// publishes whenever it closes.
struct BeamPendingResults {
  std::array<LastBeamResult, 4> byCase{};
};

struct BeamFormInfo {
  const char* templateName;
  const char* title;
  const char* section;  // settings section
  const char* caption;  // message boxes
  const char* reportFile;
  const char* dataFile;
  const char* momentHeading;
  const char* pointHeading;
  const char* uniformHeading;
  const char* formats[3];  // load fields on opening, by column
};

const BeamFormInfo& infoFor(BeamCase c) {
  static const BeamFormInfo overhangLeft{
      "CBM_Box", "Input Dialog, beam overhang at the left hand side", "CBM", "cbm app", "cbm.wri", "cbm.dat",
      "moment loads, kip-ft    at, ft", "point loads, kip    at, ft", "uniform loads, klf    start, ft    end, ft",
      {"%8.3f", "%9.3f", "%8.3f"}};
  static const BeamFormInfo simple{
      "DBM_Box", "Input Dialog, simple beam no overhang:", "DBM", "cbm app", "cbm.wri", "cbm.dat",
      "moment loads, kip-ft    at, ft", "point loads, kip    at, ft", "uniform loads, klf    start, ft    end, ft",
      {"%.3f", "%.3f", "%.3f"}};
  static const BeamFormInfo overhangRight{
      "EBM_Box", "Input Dialog, beam overhang at right hand side:", "EBM", "ebm", "ebm.wri", "ebm.dat",
      "moment loads, kip-ft    at, ft", "point loads, kip    at, ft", "uniform loads, klf    start, ft    end, ft",
      {"%.3f", "%.3f", "%.3f"}};
  static const BeamFormInfo cantilever{
      "GBM_Box", "Input Dialog", "GBM", "gbm app", "gbm.wri", "gbm.dat",
      "moment loads, kip-ft    at, ft", "point loads, kip    at, ft", "uniform loads, klf    start, ft    end, ft",
      {"%.3f", "%.3f", "%.3f"}};
  switch (c) {
    case BeamCase::OverhangLeft: return overhangLeft;
    case BeamCase::Simple: return simple;
    case BeamCase::OverhangRight: return overhangRight;
    case BeamCase::Cantilever: break;
  }
  return cantilever;
}

struct LoadKind {
  const char* name;  // the grid's label: how scripts address its cells
  int firstRow, rows, columns;
};
constexpr LoadKind kLoadKinds[] = {
    {"moment loads", kMomentRow, kMomentRows, 2},          {"point loads", kPointRow, kPointRows, 2},
    {"uniform loads", kUniformRow, kUniformRows, 3},       {"ascending loads", kAscendingRow, kAscendingRows, 3},
    {"descending loads", kDescendingRow, kDescendingRows, 3},
};

int columnsOfRow(int row) { return row >= kUniformRow ? 3 : 2; }

constexpr const char* kLengthsMessage = "At least one of the lengths is in error!";
constexpr const char* kStiffnessMessage = "I and E must be greater than zero!";
constexpr const char* kTooLargeMessage = "The loads or lengths are too large: the results overflow!";

class BeamInputForm : public Form {
 public:
  BeamInputForm(AppState& state, BeamCase beamCase)
      : state_(state), case_(beamCase), info_(infoFor(beamCase)), layout_(info_.templateName, info_.title) {
    const bool cantilever = case_ == BeamCase::Cantilever;
    Control& location = layout_.add(ControlKind::MultiEdit, Location, "Location of this beam:");
    location.height = 2;
    location.width = 40;
    location.isText = true;
    layout_.newLine();
    Control& job = layout_.readOnly(JobNum, "Job Num:");
    job.width = 24;  // the whole job number (kJobNumberLength)
    job.isText = true;
    layout_.newLine();
    if (cantilever) layout_.text(Sketch, "  ------------------||");
    else if (case_ == BeamCase::Simple) layout_.readOnly(Length, "Length: ft").width = 10;
    else layout_.edit(Length, "Overall length: ft").width = 10;
    layout_.edit(Span, "Span: ft").width = 10;
    layout_.newLine();
    layout_.edit(Inertia, "I: in^4").width = 10;
    layout_.edit(Modulus, "E: ksi").width = 10;

    const char* headings[] = {info_.momentHeading, info_.pointHeading, info_.uniformHeading,
                              "ascending loads, klf at apex    start, ft    end, ft",
                              "descending loads, klf at apex    start, ft    end, ft"};
    // Each kind's heading spaces its words over the columns below it.
    for (int k = 0; k < 5; ++k) {
      const LoadKind& kind = kLoadKinds[k];
      layout_.newLine();
      layout_.label(headings[k]);
      for (int r = 0; r < kind.rows; ++r) {
        layout_.newLine();
        for (int c = 0; c < kind.columns; ++c) {
          Control& cell = layout_.cell(beam_form::cell(kind.firstRow + r, c), kind.name, r, c);
          cell.width = 9;
          // The cantilever takes no moment loads.
          if (cantilever && k == 0) cell.enabled = false;
        }
      }
    }
    layout_.newLine();
    // The overhang-right analysis has no use for a point of interest.
    Control& interest = layout_.edit(Interest, "Dist to a point of interest:");
    interest.enabled = case_ != BeamCase::OverhangRight;
    interest.optional = true;  // no point of interest
    layout_.newLine();
    layout_.pane(Results, "Results:", 6).width = 60;
    layout_.newLine();
    addDesignChoice();
    layout_.newLine();
    // A line of buttons alone: the dialog keeps it below the scrolling fields, always in sight.
    layout_.button(CleanSlate, "Clean Slate");
    layout_.button(Calculate, "Calculate the results").isDefault = true;
    layout_.newLine();
    layout_.button(kCancel, "Cancel");
    layout_.button(kOk, "OK");
  }

  const FormLayout& layout() const override { return layout_; }

  void opened(FormHost& host) override {
    openDesignChoice(host);
    host.setText(JobNum, state_.jobNumber);
    const BeamLoadTable& t = state_.module<BeamLoadTables>()[case_];
    for (int r = 0; r < 18; ++r)
      for (int c = 0; c < columnsOfRow(r); ++c) host.setText(cell(r, c), format(info_.formats[c], t[r][c]));
    const std::string note = state_.settings.read("Project", "Note", "", 250);
    host.setText(Location, note);
    state_.beamLocation = note;

    Settings& s = state_.settings;
    const std::string span = s.read(info_.section, "span", "", 40);
    host.setText(Span, span);
    if (case_ == BeamCase::Simple) host.setText(Length, span);
    else if (case_ != BeamCase::Cantilever) host.setText(Length, s.read(info_.section, "length", "", 40));
    host.setText(Inertia, s.read(info_.section, "I", "", 40));
    host.setText(Modulus, s.read(info_.section, "E", "", 40));
    host.setText(Interest, "");
  }

  void changed(FormHost& host, int id) override {
    // The simple beam's length is its span.
    if (id == Span && case_ == BeamCase::Simple) host.setText(Length, host.text(Span, 11));
  }

  void pressed(FormHost& host, int id) override {
    if (id == CleanSlate) {
      for (int r = 0; r < 18; ++r)
        for (int c = 0; c < columnsOfRow(r); ++c) host.setText(cell(r, c), "0.0");
    } else if (id == Calculate) {
      calculate(host);
    } else if (id == DesignThis) {
      designThis(host);
    } else if (id == kOk) {
      designOnClose_ = designRequest_;
      Form::pressed(host, id);
    } else {
      Form::pressed(host, id);
    }
  }

  // OK and Cancel alike: publish this form's last result and let the diagrams draw it.
  void finished(bool accepted, Messenger&) override {
    state_.lastBeam = state_.module<BeamPendingResults>().byCase[static_cast<int>(case_)];
    state_.enable(cmd::MomentDiagram);
    state_.enable(cmd::ShearDiagram);
    if (accepted && designOnClose_ != 0 && handoff_) {
      state_.beamHandoff = *handoff_;
      state_.beamHandoff->designCommand = designOnClose_;
    }
    designOnClose_ = 0;
  }

 private:
  void calculate(FormHost& host) {
    BeamLoadTable& t = state_.module<BeamLoadTables>()[case_];
    const bool lengthField = case_ == BeamCase::OverhangLeft || case_ == BeamCase::OverhangRight;
    const double span = host.number(Span, 11);
    const double length = lengthField ? host.number(Length, 11) : span;
    const double inertia = host.number(Inertia, 11);
    const double modulus = host.number(Modulus, 11);
    t[kLengthRow][2] = length;
    t[kSpanRow][2] = span;
    t[kInertiaRow][2] = inertia / 12 / 12 / 12 / 12;
    t[kModulusRow][2] = modulus * 144;
    t[kInterestRow][2] = host.number(Interest, 11);
    for (int r = 0; r < 18; ++r) {
      t[r][0] = host.number(cell(r, 0), 11);
      t[r][1] = host.number(cell(r, 1), 11);
      if (r >= kUniformRow) t[r][2] = host.number(cell(r, 2), 11);
    }

    state_.beamLocation = host.text(Location, 255);
    state_.settings.write("Project", "NOTE", state_.beamLocation);

    handoff_.reset();
    std::unique_ptr<BeamAnalysisBase> analysis;
    switch (case_) {
      case BeamCase::OverhangRight: analysis = std::make_unique<OverhangRightAnalysis>(t); break;
      case BeamCase::Cantilever: analysis = std::make_unique<CantileverAnalysis>(t); break;
      default: analysis = std::make_unique<BeamAnalysis>(t); break;
    }
    if (!analysis->lengthsValid()) host.message(info_.caption, kLengthsMessage, MessageIcon::Exclamation);
    const BeamRunStatus status = analysis->run();
    if (status == BeamRunStatus::Complete) handoff_ = makeHandoff(*analysis, inertia, modulus);

    // The report file always gets what the run wrote (at least the header and the load list), so
    // the pad never shows an earlier calculation's report for this one.
    // The pad takes this text from memory: a report file kept read-only holds an older run's report.
    state_.beamReports[info_.reportFile] = analysis->report();
    writeReportFile(host, info_.reportFile, analysis->report());
    switch (status) {
      case BeamRunStatus::Complete: {
        publish(host, *analysis);
        const std::string key = analysis->keyResultsText();
        host.setText(Results, toCrLf(key.substr(key.find_first_not_of('\n'))));
        break;
      }
      case BeamRunStatus::BadLengths: break;  // already said
      case BeamRunStatus::BadStiffness: host.message(info_.caption, kStiffnessMessage, MessageIcon::Exclamation); break;
      case BeamRunStatus::TooLarge: host.message(info_.caption, kTooLargeMessage, MessageIcon::Exclamation); break;
      case BeamRunStatus::AscendingLoad: ascendingMessage(host, analysis->ascendingError()); break;
    }

    t[kInertiaRow][2] = inertia;
    t[kModulusRow][2] = modulus;
    Settings& s = state_.settings;
    if (case_ == BeamCase::Cantilever) {
      s.formatAndWrite(info_.section, "length", "%.3f", span);
      s.formatAndWrite(info_.section, "span", "%.3f", span);
      s.formatAndWrite(info_.section, "I", "%.3f", inertia);
    } else {
      s.formatAndWrite(info_.section, "length", "%.2f", length);
      s.formatAndWrite(info_.section, "span", "%.2f", span);
      s.formatAndWrite(info_.section, "I", "%.2f", inertia);
    }
    s.formatAndWrite(info_.section, "E", "%.0f", modulus);
  }

  // A complete run: the station data file, the station table, the support marks and this form's
  // pending result.
  void publish(FormHost& host, const BeamAnalysisBase& analysis) {
    writeReportFile(host, info_.dataFile, analysis.stationFileText());
    state_.stations = analysis.stations();
    LastBeamResult& pending = state_.module<BeamPendingResults>().byCase[static_cast<int>(case_)];
    pending = analysis.lastResult();
    const double L = analysis.length(), s = analysis.span();
    state_.supportLeft = case_ == BeamCase::OverhangLeft ? 1 - s / L : 0.0;
    state_.supportRight = case_ == BeamCase::OverhangRight ? s / L : 1.0;
  }

  void writeReportFile(FormHost& host, const char* file, const std::string& text) {
    const WriteResult written = writeFileAtomically(file, text);
    if (written) return;
    // The analysis stands whatever becomes of its file: the failed write is told, not a refusal.
    std::error_code ec;
    const std::filesystem::path where = std::filesystem::absolute(file, ec);
    host.message(info_.caption,
                 format("Could not write the file %s", (ec ? std::string(file) : where.string()).c_str()) + "\r\n(" +
                     written.message + ")",
                 MessageIcon::Information);
  }

  // The texts also go to the error output, as they always have.
  void ascendingMessage(FormHost& host, int error) {
    const std::pair<int, const char*> causes[] = {{kAscendingStartAfterEnd, kAscendingStartAfterEndText},
                                                  {kAscendingEndBeyondLength, kAscendingEndBeyondLengthText}};
    std::string text;
    for (const auto& [bit, message] : causes) {
      if (!(error & bit)) continue;
      std::cerr << message;
      if (!text.empty()) text += "\r\n";
      text += std::string_view(message).substr(2);  // without the leading "\n "
    }
    std::cerr << "\n";
    host.message(info_.caption, text, MessageIcon::Exclamation);
  }

  // "Design this beam...": the design forms the analysis can hand its results to.
  struct DesignChoice {
    const char* name;
    int command;
  };
  static constexpr DesignChoice kDesignChoices[] = {{"W beam ASD", cmd::WBeamAsd},
                                                    {"W beam LRFD", cmd::WBeamLrfd},
                                                    {"sawn beam", cmd::Sawn2xBeam},
                                                    {"timber beam", cmd::Sawn6xBeam},
                                                    {"glulam beam", cmd::GlulamBeam}};

  void addDesignChoice() {
    layout_.dropDown(DesignAs, "Design as:").width = 14;
    layout_.button(DesignThis, "Design this beam...");
  }

  void openDesignChoice(FormHost& host) {
    std::vector<std::string> names;
    for (const DesignChoice& c : kDesignChoices) names.emplace_back(c.name);
    host.setItems(DesignAs, names);
    host.select(DesignAs, 0);
  }

  // Closes the form as OK does (recalculating changed inputs first, staying open when they are
  // refused) and has the frame open the chosen design form with this analysis's results.
  void designThis(FormHost& host) {
    const int choice = host.selection(DesignAs);
    if (choice < 0 || choice >= static_cast<int>(std::size(kDesignChoices))) {
      host.message(info_.caption, "Choose the design the results go to.", MessageIcon::Exclamation);
      return;
    }
    const int command = kDesignChoices[choice].command;
    if (!state_.isEnabled(command)) {
      host.message(info_.caption, grayedReason(command) + ".", MessageIcon::Exclamation);
      return;
    }
    designRequest_ = command;
    press(host, kOk);
    designRequest_ = 0;
  }

  // The design values of a complete run. The limit lengths of the deflection follow common practice
  // (IBC Table 1604.3, note h): a cantilever, or an overhang, is judged on twice its length.
  BeamHandoff makeHandoff(const BeamAnalysisBase& a, double inertia, double modulus) const {
    BeamHandoff h;
    const Command* c = findCommand(commandOf(case_));
    h.analysis = c ? plainItemText(c->text) : std::string();
    h.mark = state_.beamLocation;
    const LastBeamResult r = a.lastResult();
    h.positiveMoment = r.maxPositiveMoment;
    h.negativeMoment = r.maxNegativeMoment;
    const bool negative = std::fabs(r.maxNegativeMoment) > std::fabs(r.maxPositiveMoment);
    h.moment = negative ? r.maxNegativeMoment : r.maxPositiveMoment;
    h.momentAt = negative ? a.negativeMomentAt() : a.positiveMomentAt();
    h.shear = a.maxShear();
    h.shearAt = a.maxShearAt();
    h.reaction = std::max(std::fabs(r.leftReaction), std::fabs(r.rightReaction));
    if (const auto* two = dynamic_cast<const BeamAnalysis*>(&a); two && two->cb() > 0.0) {
      h.hasCb = true;
      h.cb = two->cb();
    }
    const double L = a.length(), s = a.span();
    h.span = s;
    h.unbracedLength = std::max(s, L - s);
    double between = 0.0, xBetween = 0.0, outside = 0.0, xOutside = 0.0;
    a.stretchDeflections(between, xBetween, outside, xOutside);
    DeflectionCheck& d = h.deflection;
    d.analysedE = modulus;
    d.analysedI = inertia;
    if (case_ == BeamCase::Cantilever) {
      d.stretches.push_back({"of the cantilever", "2 x length", outside, 2.0 * L});
    } else {
      d.stretches.push_back({"between the supports", "span", between, s});
      if (L > s) d.stretches.push_back({"on the overhang", "2 x overhang", outside, 2.0 * (L - s)});
    }
    return h;
  }

  static int commandOf(BeamCase c) {
    switch (c) {
      case BeamCase::OverhangLeft: return cmd::OverhangLeft;
      case BeamCase::Simple: return cmd::SimpleBeam;
      case BeamCase::OverhangRight: return cmd::OverhangRight;
      case BeamCase::Cantilever: break;
    }
    return cmd::Cantilever;
  }

  std::optional<BeamHandoff> handoff_;  // of the last complete run
  int designRequest_ = 0;               // the design form "Design this beam..." is closing for
  int designOnClose_ = 0;               // the same, once OK was accepted

  AppState& state_;
  BeamCase case_;
  const BeamFormInfo& info_;
  FormLayout layout_;
};

}  // namespace

std::unique_ptr<Form> makeBeamForm(AppState& state, BeamCase beamCase) {
  return std::make_unique<BeamInputForm>(state, beamCase);
}

}  // namespace vd
