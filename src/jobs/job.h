#pragma once
// A job: one SQLite file (*.vardelin) holding a header and the calculations accepted while it was
// open, in order. Every change is one transaction, so a crash loses at most the change under way.
// A file that is not a job of ours, is damaged, cannot be written or comes from a newer program is
// refused with a message and never modified.
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/form.h"

namespace vd {

namespace sql {
class Database;
}

class JobError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The job's title block.
struct JobHeader {
  std::string project, number, client, engineer, address, notes, units;
};
// The header's fields by the names scripts use: project, number, client, engineer, address, notes, units.
const std::vector<std::string>& jobHeaderFields();
std::string* jobHeaderField(JobHeader& h, const std::string& name);

struct JobPicture {
  std::string name;  // "Moment.emf"
  std::string emf;   // the metafile's bytes
};

struct Calculation {
  int number = 0;  // 1..N in the job's order
  int command = 0;
  std::string commandText;  // the menu item ("Stl Wide Flange Bm/ASD")
  std::string mark;         // the member's location text
  std::string section;      // the form's selected section or size, when it has one
  std::vector<InputValue> inputs;
  std::string report;
  std::string verdict;  // "OK", "NO GOOD", or "" for a report that judges nothing
  double ratio = 0.0;
  std::string governing;
  // What else the report was made from: the program's job number and lumber species at the time.
  std::string appJobNumber;
  int species = 0;
  std::vector<JobPicture> pictures;
  std::string created, modified;  // UTC, "2024-05-01 14:03:22"
};

// One row of the summary (no inputs, report or pictures).
struct CalculationRow {
  int number = 0;
  int command = 0;
  std::string commandText, mark, section, verdict, governing, modified;
  double ratio = 0.0;
};

class Job {
 public:
  // The schema this program writes; files with a larger user_version are refused.
  static constexpr int kSchemaVersion = 1;
  // PRAGMA application_id of a job file ("VDJB").
  static constexpr int kApplicationId = 0x56444A42;

  // Makes a new job file; refuses an existing file.
  static std::unique_ptr<Job> create(const std::filesystem::path& file, const JobHeader& header);
  // Opens an existing job, validated before anything is written. `forWriting` false opens it for
  // reading only (listing, export) and accepts a read-only file.
  static std::unique_ptr<Job> open(const std::filesystem::path& file, bool forWriting = true);
  // Opens the file, or creates it with an empty header when it does not exist.
  static std::unique_ptr<Job> openOrCreate(const std::filesystem::path& file);

  ~Job();
  const std::filesystem::path& file() const { return file_; }
  bool writable() const { return writable_; }

  JobHeader header() const;
  void setHeader(const JobHeader& header);

  // Appends a calculation; returns its number. Its number and timestamps are set here.
  int append(Calculation calc);
  // Replaces calculation `number` (same number, creation time kept).
  void replace(int number, Calculation calc);
  void remove(int number);
  // Swaps a calculation with the one before (up) or after (down); false at the ends.
  bool moveUp(int number);
  bool moveDown(int number);

  int count() const;
  std::vector<CalculationRow> list() const;
  // One calculation with its inputs and pictures; throws JobError for a number not in the job.
  Calculation get(int number) const;
  std::vector<Calculation> all() const;

 private:
  Job(std::filesystem::path file, std::unique_ptr<sql::Database> db, bool writable);
  void requireWritable() const;
  long long idOf(int number) const;
  void writeDetails(long long id, const Calculation& calc);

  std::filesystem::path file_;
  std::unique_ptr<sql::Database> db_;
  bool writable_;
};

}  // namespace vd
