#include "frame/frame.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "frame/reference_sheets.h"

namespace vd {

const FormFactory* FormRegistry::find(int commandId) const {
  auto it = factories_.find(commandId);
  return it == factories_.end() ? nullptr : &it->second;
}

Frame::Frame(AppState& state, Shell& shell, const FormRegistry& registry)
    : state_(state), shell_(shell), registry_(registry) {}

const char* beamReportFile(int commandId) {
  switch (commandId) {
    case cmd::OverhangLeft:
    case cmd::SimpleBeam: return "cbm.wri";
    case cmd::OverhangRight: return "ebm.wri";
    case cmd::Cantilever: return "gbm.wri";
    default: return nullptr;
  }
}

int beamPicture(int commandId) {
  switch (commandId) {
    case cmd::OverhangLeft: return 5771;
    case cmd::OverhangRight: return 5772;
    case cmd::Cantilever: return 5773;
    default: return 577;
  }
}

bool Frame::run(int commandId) {
  const Command* c = findCommand(commandId);
  if (!c || !state_.isEnabled(commandId)) return false;
  switch (c->kind) {
    case CommandKind::Sheet:
      if (const char* sheet = referenceSheet(commandId)) shell_.setPadText(sheet);
      return true;
    case CommandKind::Pad:
      return shell_.runPadCommand(commandId);
    case CommandKind::Job:
      return shell_.runJobCommand(commandId);
    case CommandKind::Exit:
      shell_.requestClose();
      return true;
    case CommandKind::Form: break;
  }
  const FormFactory* factory = registry_.find(commandId);
  if (!factory) return true;  // a form not built into this program: nothing happens
  return open(*c, [&] { return (*factory)(state_); }, 0);
}

namespace {
// A form opened again with stored inputs: the form itself, which fills its fields from the settings
// store on opening as always, and then gets the stored inputs as if the user typed them.
class ReopenedForm : public Form {
 public:
  ReopenedForm(std::unique_ptr<Form> inner, std::vector<InputValue> inputs)
      : inner_(std::move(inner)), inputs_(std::move(inputs)) {}
  const FormLayout& layout() const override { return inner_->layout(); }
  void opened(FormHost& host) override {
    inner_->opened(host);
    inner_->restoreInputs(host, inputs_);
  }
  void changed(FormHost& host, int id) override { inner_->changed(host, id); }
  void pressed(FormHost& host, int id) override { inner_->pressed(host, id); }
  void finished(bool accepted, Messenger& m) override { inner_->finished(accepted, m); }

 private:
  std::unique_ptr<Form> inner_;
  std::vector<InputValue> inputs_;
};
}  // namespace

bool Frame::reopen(int commandId, const std::vector<InputValue>& inputs, int replaces) {
  const Command* c = findCommand(commandId);
  if (!c || c->kind != CommandKind::Form) return false;
  const FormFactory* factory = registry_.find(commandId);
  if (!factory) return false;
  return open(*c, [&] { return std::make_unique<ReopenedForm>((*factory)(state_), inputs); }, replaces);
}

bool Frame::open(const Command& cmd, const std::function<std::unique_ptr<Form>()>& make, int replaces) {
  const Command* c = &cmd;
  auto before = std::make_shared<PublishedState>(state_.published());
  state_.result = DesignResult{};  // a form that publishes a design sets it again
  if (c->after == After::BeamReport) {
    state_.pictureBitmap = beamPicture(c->id);
    shell_.pictureChanged(state_.pictureBitmap);
  }
  std::unique_ptr<Form> form = make();
  Form* raw = form.get();
  shell_.openForm(std::move(form), [this, c, raw, before, replaces](bool accepted) {
    afterForm(*c, *raw, accepted, *before, replaces);
  });
  return true;
}

void Frame::handOn(const Command& c, const Form& form, int replaces) {
  AcceptedCalculation calc;
  calc.commandId = c.id;
  calc.menuText = plainItemText(c.text);
  calc.inputs = form.acceptedInputs();
  calc.section = form.acceptedSelectionText();
  for (const Control& ctl : form.layout().controls) {
    if (ctl.kind != ControlKind::MultiEdit) continue;
    for (const InputValue& v : calc.inputs)
      if (v.id == ctl.id) calc.mark = v.value;
    break;
  }
  // The beam report names its location itself, from the calculation the form last ran.
  if (c.after == After::BeamReport) calc.mark = state_.beamLocation;
  calc.report = state_.report;
  calc.result = state_.result;
  calc.replaces = replaces;
  sink_->accepted(calc, state_, shell_);
}

void Frame::afterForm(const Command& c, Form& form, bool accepted, const PublishedState& before, int replaces) {
  form.finished(accepted, shell_);
  if (!accepted) {
    // Cancel and Escape leave the pad, the published beam result and the diagram items as they were.
    state_.restore(before);
    state_.beamHandoff.reset();
    shell_.pictureChanged(state_.pictureBitmap);
    shell_.menuStateChanged();
    return;
  }
  switch (c.after) {
    case After::None: break;
    case After::Refresh: refresh(); break;
    case After::Clear:
      state_.report.clear();
      refresh();
      break;
    case After::BeamReport: assembleBeamReport(beamReportFile(c.id)); break;
  }
  // Only a form that put a report into the pad makes a calculation of the job. A conversion log lists
  // every conversion of one opening, which its last inputs cannot reproduce: it is no calculation.
  if (sink_ && (c.after == After::Refresh || c.after == After::BeamReport) && std::string_view(c.popup) != "&Conversion")
    handOn(c, form, replaces);
  shell_.menuStateChanged();
  openHandoffDesign();
}

void Frame::openHandoffDesign() {
  if (!state_.beamHandoff) return;
  // The design form takes the hand-off when it opens; whatever happens, no later opening gets it.
  run(state_.beamHandoff->designCommand);
  state_.beamHandoff.reset();
}

void Frame::refresh() { shell_.setPadText(state_.report); }

void Frame::assembleBeamReport(const char* reportFile) {
  std::string& r = state_.report;
  r = " Job No: " + state_.jobNumber + "\r\n This beam is at: " + state_.beamLocation + "\r\n";
  if (!reportFile) return refresh();
  std::string text;
  if (auto run = state_.beamReports.find(reportFile); run != state_.beamReports.end()) {
    text = run->second;
  } else {
    // No run in this session: an earlier session's file, if it is a regular file (never a link's
    // target, a folder or a device).
    std::error_code ec;
    if (std::filesystem::symlink_status(reportFile, ec).type() == std::filesystem::file_type::regular) {
      std::ifstream in(reportFile, std::ios::binary);
      text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
  }
  // Read as text: whatever its line ends, the pad gets "\r\n".
  r += toCrLf(fromCrLf(text));
  refresh();
}

void Frame::shutDown() { state_.saveConcreteBeam(); }

}  // namespace vd
