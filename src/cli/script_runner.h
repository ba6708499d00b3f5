#pragma once
// Runs a script of user actions against the program's forms without a screen.
#include <deque>
#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "frame/frame.h"
#include "jobs/job_session.h"
#include "platform/headless_host.h"

namespace vd {

// A script line that names something that does not exist.
class ScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class ScriptRunner : public Shell {
 public:
  ScriptRunner(Settings& settings, std::ostream& out, const FormRegistry& registry);
  ~ScriptRunner() override;

  // Runs one line; throws ScriptError when a command, control or item does not exist.
  void runLine(const std::string& line);
  // Runs a whole script. Returns 0 when every line ran and every file was written; 1 when every line
  // ran but a file (report, picture, settings) could not be written; 2 after printing the failing line
  // to err. Message boxes the script did not print with "show messages" go to err at the end.
  int runScript(std::istream& in, std::ostream& err);
  // True once the program was closed (Exit answered Yes).
  bool finished() const { return finished_; }

  // Runs a user action on the open form directly (tests), then lets a closed form finish.
  void act(const std::function<void(HeadlessHost&)>& action) {
    if (!host_) return;
    action(*host_);
    afterAction();
  }

  AppState& state() { return state_; }
  HeadlessHost* currentHost() { return host_.get(); }

  // The job the script's accepted calculations go to ("job" lines need one).
  void setJob(std::unique_ptr<JobSession> session);
  JobSession* job() { return job_.get(); }
  // Writes a job's calculation package (PDF); the desktop's drawing code, given by the program.
  using PackageExporter = std::function<bool(const Job&, const std::filesystem::path&, std::string& error)>;
  void setPackageExporter(PackageExporter exporter) { exporter_ = std::move(exporter); }

  // Shell
  // Every replacement can be undone (Edit > Undo), as on the desktop.
  void setPadText(const std::string& text) override {
    if (text == pad_) return;
    undo_.push_back(std::move(pad_));
    redo_.clear();
    pad_ = text;
  }
  std::string padText() const override { return pad_; }
  void openForm(std::unique_ptr<Form> form, std::function<void(bool)> onClosed) override;
  bool runPadCommand(int commandId) override;
  bool runJobCommand(int commandId) override;
  void requestClose() override;
  void message(std::string_view caption, std::string_view text, MessageIcon icon = MessageIcon::None) override;
  bool askYesNo(std::string_view caption, std::string_view text) override;

 private:
  const Control& findControl(const std::string& name, const std::vector<ControlKind>& kinds,
                             std::optional<int> row, std::optional<int> col) const;
  void requireForm(const char* what) const;
  void afterAction();
  void print(const std::string& text);
  // The script verbs, one handler each (runLine's table).
  struct Verb;
  static const Verb kVerbTable[];
  void menuLine(const std::string& rest);
  void answerLine(const std::string& rest);
  void showLine(const std::string& rest);
  void setLine(const std::string& rest);
  void pickLine(const std::string& rest);
  void checkLine(const std::string& rest);
  void chooseLine(const std::string& rest);
  void pressLine(const std::string& rest);
  void runJobLine(const std::string& rest);

  AppState state_;
  Frame frame_;
  std::ostream& out_;
  std::string pad_;
  std::vector<std::string> undo_, redo_;  // earlier and undone pad texts
  std::unique_ptr<Form> form_;
  std::unique_ptr<HeadlessHost> host_;
  std::function<void(bool)> onClosed_;
  std::vector<RecordedMessage> messages_;
  std::deque<bool> answers_;
  bool finished_ = false;
  std::size_t messagesOnErr_ = 0;  // messages_ already copied to the error stream
  const FormRegistry& registry_;
  std::unique_ptr<JobSession> job_;
  PackageExporter exporter_;

 public:
  // For the batch runner, which drives a form over the rows of a table with the script's own operations.
  // The control a script line names, by the lookup "set", "check", "press"... use; throws ScriptError.
  const Control& namedControl(const std::string& name, const std::vector<ControlKind>& kinds,
                              std::optional<int> row = std::nullopt, std::optional<int> col = std::nullopt) const;
  // The message boxes and questions shown since the last take (or "show messages"), oldest first.
  std::vector<RecordedMessage> takeMessages();
};

// Text as an error line shows it: at most maxChars characters ("..." after a cut), control bytes,
// backslashes and bytes that are not UTF-8 escaped ("\x01").
std::string printable(std::string_view text, std::size_t maxChars);

// Label comparison of the script language: trimmed, blank runs folded, case ignored, a trailing
// "=" or ":" ignored.
std::string normalizeLabel(std::string_view label);
// The normalized name a script means: an old name of a renamed item, label or button gives today's.
std::string currentName(std::string_view name);

}  // namespace vd
