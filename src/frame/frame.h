#pragma once
// The frame: runs menu commands against the application state through a shell (the main window).
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "frame/app_state.h"
#include "frame/commands.h"
#include "platform/form.h"

namespace vd {

// What the frame needs from the main window; the GUI and the CLI each provide one.
class Shell : public Messenger {
 public:
  virtual void setPadText(const std::string& text) = 0;
  virtual std::string padText() const = 0;
  // Shows a form modally. The shell calls onClosed(accepted) once the form has closed; a GUI shell
  // does so before openForm returns, a scripted shell when the script closes the form.
  virtual void openForm(std::unique_ptr<Form> form, std::function<void(bool accepted)> onClosed) = 0;
  // Commands the pad itself runs (edit, font, print). Return false when not supported.
  virtual bool runPadCommand(int commandId) = 0;
  // The picture bitmap above the pad changed; enabled items may have changed.
  virtual void pictureChanged(int /*bitmapId*/) {}
  virtual void menuStateChanged() {}
  // The close request (Exit): ask, and on Yes shut down.
  virtual void requestClose() = 0;
};

using FormFactory = std::function<std::unique_ptr<Form>(AppState&)>;

// Which form each form command opens; filled by each subsystem's register function.
class FormRegistry {
 public:
  void add(int commandId, FormFactory factory) { factories_[commandId] = std::move(factory); }
  const FormFactory* find(int commandId) const;

 private:
  std::map<int, FormFactory> factories_;
};

class Frame {
 public:
  Frame(AppState& state, Shell& shell, const FormRegistry& registry);

  // Runs a menu command. Grayed commands do nothing and return false.
  bool run(int commandId);

  // Replace the pad text with the report buffer.
  void refresh();
  // The beam report: header lines and the beam form's report file, into the report buffer, then refresh.
  void assembleBeamReport(const char* reportFile);
  // The shut-down step after the close question was answered Yes.
  void shutDown();

  AppState& state() { return state_; }

 private:
  void afterForm(const Command& c, Form& form, bool accepted, const PublishedState& before);

  AppState& state_;
  Shell& shell_;
  const FormRegistry& registry_;
};

// The beam report file of a beam command ("cbm.wri"...), or nullptr.
const char* beamReportFile(int commandId);
// The picture bitmap a beam command shows.
int beamPicture(int commandId);

// Registers the forms of the frame itself: job number, about, update, the two conversions.
void registerFrameForms(FormRegistry& registry);

}  // namespace vd
