#pragma once
// The frame: runs menu commands against the application state through a shell (the main window).
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

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
  // Job commands (new, open, summary, package). Return false when not supported.
  virtual bool runJobCommand(int /*commandId*/) { return false; }
  // The picture bitmap above the pad changed; enabled items may have changed.
  virtual void pictureChanged(int /*bitmapId*/) {}
  virtual void menuStateChanged() {}
  // The close request (Exit): ask, and on Yes shut down.
  virtual void requestClose() = 0;
};

// One calculation the user accepted with OK, as the frame hands it on once its report reached the pad.
struct AcceptedCalculation {
  int commandId = 0;
  std::string menuText;            // the command's item text as a user names it
  std::vector<InputValue> inputs;  // the form's inputs at OK
  std::string mark;                // the form's location text (its first multi-line field), "" without one
  std::string section;             // the selected row of the form's first list at OK, "" without one
  std::string report;              // the report the pad shows
  DesignResult result;
  int replaces = 0;                // the job calculation this one replaces (reopened), 0 to append
};

// Where accepted calculations go when a job is open. The frame owns the interface; the job library
// implements it, so the frame knows nothing of files.
class CalculationSink {
 public:
  virtual ~CalculationSink() = default;
  // Called after the report reached the pad; problems are told through the messenger, never thrown.
  virtual void accepted(const AcceptedCalculation& calc, const AppState& state, Messenger& messenger) = 0;
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
  // Opens a form command's form with stored inputs put back as the user would type them; OK hands the
  // calculation on as replacing job calculation `replaces` (0: appended as a new one).
  bool reopen(int commandId, const std::vector<InputValue>& inputs, int replaces);

  // The open job's sink, or nullptr (no job: nothing is handed on).
  void setCalculationSink(CalculationSink* sink) { sink_ = sink; }
  CalculationSink* calculationSink() const { return sink_; }

  // Replace the pad text with the report buffer.
  void refresh();
  // The beam report: header lines and the beam form's report file, into the report buffer, then refresh.
  void assembleBeamReport(const char* reportFile);
  // The shut-down step after the close question was answered Yes.
  void shutDown();

  AppState& state() { return state_; }

 private:
  bool open(const Command& c, const std::function<std::unique_ptr<Form>()>& make, int replaces);
  void afterForm(const Command& c, Form& form, bool accepted, const PublishedState& before, int replaces);
  void handOn(const Command& c, const Form& form, int replaces);
  void openHandoffDesign();

  AppState& state_;
  Shell& shell_;
  const FormRegistry& registry_;
  CalculationSink* sink_ = nullptr;
};

// The beam report file of a beam command ("cbm.wri"...), or nullptr.
const char* beamReportFile(int commandId);
// The picture bitmap a beam command shows.
int beamPicture(int commandId);

// Registers the forms of the frame itself: job number, about, update, the two conversions.
void registerFrameForms(FormRegistry& registry);

// Control ids of the about and information forms.
namespace info_form {
enum Id : int { Icon = 101, Text = 102 };
}  // namespace info_form

}  // namespace vd
