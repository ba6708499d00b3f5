#include "jobs/job_session.h"

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>

#include "beam/diagram.h"
#include "platform/emf_writer.h"
#include "platform/headless_host.h"
#include "platform/text_format.h"

namespace vd {

namespace {

// A folder of our own under the system's temporary folder, removed with everything in it.
struct ScratchFolder {
  std::filesystem::path path;
  ScratchFolder() {
    std::random_device rd;
    for (int i = 0; i < 100 && path.empty(); ++i) {
      std::filesystem::path p = std::filesystem::temp_directory_path() / format("vardelin-%08x", rd());
      std::error_code ec;
      if (std::filesystem::create_directory(p, ec)) path = p;
    }
    if (path.empty()) throw JobError("Could not make a scratch folder under " + std::filesystem::temp_directory_path().string());
  }
  ~ScratchFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path, ec);
  }
};

std::string emfBytes(const Picture& picture, const char* description) {
  ScratchFolder dir;
  const std::filesystem::path file = dir.path / "picture.emf";
  if (!writeEmf(picture, file, description)) return {};
  std::ifstream in(file, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

bool isBeamAnalysis(int command) { return beamReportFile(command) != nullptr; }

// The shell of a recalculation without a screen: forms run in a headless host, messages are kept.
class ScratchShell : public Shell {
 public:
  void setPadText(const std::string& text) override { pad = text; }
  std::string padText() const override { return pad; }
  void openForm(std::unique_ptr<Form> f, std::function<void(bool)> closed) override {
    form = std::move(f);
    onClosed = std::move(closed);
    host = std::make_unique<HeadlessHost>(*form);
    host->open();
  }
  bool runPadCommand(int) override { return true; }
  void requestClose() override {}
  void message(std::string_view, std::string_view text, MessageIcon) override { messages += std::string(text) + " "; }
  bool askYesNo(std::string_view, std::string_view) override { return false; }

  // Presses OK as the user would; true when the form accepted and closed.
  bool accept() {
    if (!host) return false;
    host->press(kOk);
    for (const RecordedMessage& m : host->takeMessages()) messages += m.text + " ";
    const bool ok = host->isClosed() && host->accepted();
    if (!host->isClosed()) host->press(kCancel);
    auto done = std::move(onClosed);
    if (done) done(ok);
    host.reset();
    form.reset();
    return ok;
  }

  std::string pad, messages;
  std::unique_ptr<Form> form;
  std::unique_ptr<HeadlessHost> host;
  std::function<void(bool)> onClosed;
};

// Collects what the frame hands on during a recalculation.
class Capture : public CalculationSink {
 public:
  void accepted(const AcceptedCalculation& calc, const AppState&, Messenger&) override { last = calc; }
  AcceptedCalculation last;
};

// The working folder for the recalculation's report and picture files; put back afterwards.
struct InFolder {
  std::filesystem::path previous;
  explicit InFolder(const std::filesystem::path& p) : previous(std::filesystem::current_path()) {
    std::filesystem::current_path(p);
  }
  ~InFolder() {
    std::error_code ec;
    std::filesystem::current_path(previous, ec);
  }
};

std::string verdictText(const DesignResult& r) { return r.checked ? (r.ok ? "OK" : "NO GOOD") : ""; }

}  // namespace

Calculation makeCalculation(const AcceptedCalculation& a, const AppState& state) {
  Calculation c;
  c.command = a.commandId;
  c.commandText = a.menuText;
  c.mark = a.mark;
  c.section = a.section;
  c.inputs = a.inputs;
  c.report = a.report;
  c.verdict = verdictText(a.result);
  c.ratio = a.result.checked ? a.result.ratio : 0.0;
  c.governing = a.result.governing;
  c.appJobNumber = state.jobNumber;
  c.species = state.sawnSpecies;
  if (isBeamAnalysis(a.commandId)) {
    for (DiagramKind kind : {DiagramKind::Moment, DiagramKind::Shear}) {
      const Picture pic = drawDiagram(kind, state.stations, state.supportLeft, state.supportRight, state.lastBeam);
      std::string bytes = emfBytes(pic, diagramDescription(kind));
      if (!bytes.empty()) c.pictures.push_back({diagramFile(kind), std::move(bytes)});
    }
  }
  return c;
}

void JobSession::accepted(const AcceptedCalculation& calc, const AppState& state, Messenger& messenger) {
  try {
    Calculation c = makeCalculation(calc, state);
    if (calc.replaces > 0) {
      job_->replace(calc.replaces, std::move(c));
      lastNumber_ = calc.replaces;
    } else {
      lastNumber_ = job_->append(std::move(c));
    }
  } catch (const std::exception& e) {
    messenger.message("Vardelin", std::string(e.what()) + " The report is in the pad; the job is as it was.",
                      MessageIcon::Exclamation);
  }
}

bool JobSession::reopen(Frame& frame, int number) {
  const Calculation c = job_->get(number);
  return frame.reopen(c.command, c.inputs, number);
}

std::string summaryText(const std::vector<CalculationRow>& rows) {
  std::string out = format("%4s  %-24s  %-26s  %-12s  %6s  %-7s  %s\r\n", "No.", "Mark", "Form", "Section", "Ratio",
                           "Verdict", "Date");
  for (const CalculationRow& r : rows) {
    const std::string ratio = r.verdict.empty() ? "" : format("%.2f", r.ratio);
    out += format("%4d  %-24s  %-26s  %-12s  %6s  %-7s  %s\r\n", r.number, r.mark.c_str(), r.commandText.c_str(),
                  r.section.c_str(), ratio.c_str(), r.verdict.c_str(), r.modified.c_str());
  }
  return out;
}

RerunResult rerunAll(const Job& job, const FormRegistry& registry) {
  RerunResult result;
  ScratchFolder dir;
  InFolder in(dir.path);
  Settings settings(dir.path / "Vardelin.ini");
  AppState state(settings);
  ScratchShell shell;
  Frame frame(state, shell, registry);
  Capture capture;
  frame.setCalculationSink(&capture);
  const std::vector<Calculation> calcs = job.all();
  result.calculations = static_cast<int>(calcs.size());
  for (const Calculation& c : calcs) {
    // What the report was made from beside its inputs: the program's job number and lumber species.
    settings.write("Project", "ID", c.appJobNumber);
    state.jobNumber = c.appJobNumber;
    settings.write("Wood", "sawnSpecieNum", std::to_string(c.species));
    state.sawnSpecies = c.species;
    capture.last = {};
    shell.messages.clear();
    RerunChange change;
    change.number = c.number;
    change.commandText = c.commandText;
    change.mark = c.mark;
    change.oldVerdict = c.verdict;
    change.oldRatio = c.ratio;
    if (!frame.reopen(c.command, c.inputs, 0) || !shell.accept() || capture.last.commandId == 0) {
      change.refused = true;
      change.message = shell.messages;
      result.changes.push_back(std::move(change));
      continue;
    }
    const Calculation now = makeCalculation(capture.last, state);
    change.newVerdict = now.verdict;
    change.newRatio = now.ratio;
    change.newReport = now.report;
    change.reportChanged = now.report != c.report;
    if (change.reportChanged || now.verdict != c.verdict || format("%.2f", now.ratio) != format("%.2f", c.ratio))
      result.changes.push_back(std::move(change));
  }
  return result;
}

std::string rerunText(const RerunResult& r) {
  std::string out = format("Rerun of %d calculations: %d changed.\r\n", r.calculations, static_cast<int>(r.changes.size()));
  for (const RerunChange& c : r.changes) {
    if (c.refused) {
      out += format("%4d  %s  %s: the form refused the stored inputs. %s\r\n", c.number, c.commandText.c_str(),
                    c.mark.c_str(), c.message.c_str());
      continue;
    }
    auto v = [](const std::string& verdict, double ratio) {
      return verdict.empty() ? std::string("no verdict") : format("%s, ratio %.2f", verdict.c_str(), ratio);
    };
    out += format("%4d  %s  %s: was %s, now %s%s\r\n", c.number, c.commandText.c_str(), c.mark.c_str(),
                  v(c.oldVerdict, c.oldRatio).c_str(), v(c.newVerdict, c.newRatio).c_str(),
                  c.reportChanged ? " (report changed)" : "");
  }
  return out;
}

std::vector<std::filesystem::path> recentJobs(const Settings& settings) {
  std::vector<std::filesystem::path> v;
  for (int i = 1; i <= 8; ++i) {
    const std::string f = settings.read("Jobs", "Recent" + std::to_string(i), "", 4096);
    if (!f.empty()) v.emplace_back(f);
  }
  return v;
}

void rememberJob(Settings& settings, const std::filesystem::path& file) {
  std::error_code ec;
  std::filesystem::path abs = std::filesystem::absolute(file, ec);
  if (ec) abs = file;
  std::vector<std::filesystem::path> v{abs};
  for (const auto& p : recentJobs(settings))
    if (p != abs && v.size() < 8) v.push_back(p);
  for (std::size_t i = 0; i < 8; ++i)
    settings.write("Jobs", "Recent" + std::to_string(i + 1), i < v.size() ? v[i].string() : "");
}

}  // namespace vd
