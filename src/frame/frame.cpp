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
    case CommandKind::Exit:
      shell_.requestClose();
      return true;
    case CommandKind::Form: break;
  }
  const FormFactory* factory = registry_.find(commandId);
  if (!factory) return true;  // a form not built into this program: nothing happens
  auto before = std::make_shared<PublishedState>(state_.published());
  state_.result = DesignResult{};  // a form that publishes a design sets it again
  if (c->after == After::BeamReport) {
    state_.pictureBitmap = beamPicture(commandId);
    shell_.pictureChanged(state_.pictureBitmap);
  }
  std::unique_ptr<Form> form = (*factory)(state_);
  Form* raw = form.get();
  shell_.openForm(std::move(form), [this, c, raw, before](bool accepted) { afterForm(*c, *raw, accepted, *before); });
  return true;
}

void Frame::afterForm(const Command& c, Form& form, bool accepted, const PublishedState& before) {
  form.finished(accepted, shell_);
  if (!accepted) {
    // Cancel and Escape leave the pad, the published beam result and the diagram items as they were.
    state_.restore(before);
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
  shell_.menuStateChanged();
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
