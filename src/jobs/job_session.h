#pragma once
// The open job of a running program: the frame hands it every accepted calculation; both front ends
// open, list, reopen, rerun and export jobs through it.
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "frame/frame.h"
#include "jobs/job.h"

namespace vd {

// Builds the job's record of an accepted calculation: the frame's data, the program's job number and
// species, and the diagrams a beam analysis drew (its moment and shear diagrams, from its stations).
Calculation makeCalculation(const AcceptedCalculation& accepted, const AppState& state);

class JobSession : public CalculationSink {
 public:
  explicit JobSession(std::unique_ptr<Job> job) : job_(std::move(job)) {}
  Job& job() { return *job_; }
  const Job& job() const { return *job_; }

  // Appends (or replaces the reopened one); a failed save is told, the pad keeps its report.
  void accepted(const AcceptedCalculation& calc, const AppState& state, Messenger& messenger) override;

  // Opens calculation `number` in its form with its stored inputs; OK there replaces it.
  bool reopen(Frame& frame, int number);
  // The number the last accepted calculation got, 0 before any.
  int lastNumber() const { return lastNumber_; }

 private:
  std::unique_ptr<Job> job_;
  int lastNumber_ = 0;
};

// The summary table as text, one calculation a line under a heading (CLI "job summary").
std::string summaryText(const std::vector<CalculationRow>& rows);

// One stored calculation whose recalculation differs.
struct RerunChange {
  int number = 0;
  std::string commandText, mark;
  std::string oldVerdict, newVerdict;
  double oldRatio = 0.0, newRatio = 0.0;
  bool reportChanged = false;
  bool refused = false;  // the form did not accept the stored inputs any more
  std::string message;   // what it said then
  std::string newReport;
};

struct RerunResult {
  int calculations = 0;
  std::vector<RerunChange> changes;
};

// Recalculates every stored calculation from its inputs with this program, in order, without a
// screen, on a scratch settings store and in a scratch folder (the user's settings and files are not
// touched), and lists those whose report or verdict changed.
RerunResult rerunAll(const Job& job, const FormRegistry& registry);
std::string rerunText(const RerunResult& result);

// The last jobs opened, newest first (at most 8), kept in the settings store under "Jobs".
std::vector<std::filesystem::path> recentJobs(const Settings& settings);
void rememberJob(Settings& settings, const std::filesystem::path& file);

}  // namespace vd
