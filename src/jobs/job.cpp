#include "jobs/job.h"

#include <unistd.h>

#include <ctime>
#include <system_error>

#include "platform/sqlite.h"

namespace vd {

namespace {

constexpr const char* kSchema = R"(
CREATE TABLE header(field TEXT PRIMARY KEY, value TEXT NOT NULL);
CREATE TABLE calculation(
  id INTEGER PRIMARY KEY,
  position INTEGER NOT NULL,
  command INTEGER NOT NULL,
  command_text TEXT NOT NULL,
  mark TEXT NOT NULL,
  section TEXT NOT NULL,
  report TEXT NOT NULL,
  verdict TEXT NOT NULL,
  ratio REAL NOT NULL,
  governing TEXT NOT NULL,
  app_job_number TEXT NOT NULL,
  species INTEGER NOT NULL,
  created TEXT NOT NULL,
  modified TEXT NOT NULL);
CREATE INDEX calculation_position ON calculation(position);
CREATE TABLE input(
  calculation INTEGER NOT NULL REFERENCES calculation(id) ON DELETE CASCADE,
  seq INTEGER NOT NULL,
  control INTEGER NOT NULL,
  value TEXT NOT NULL,
  PRIMARY KEY(calculation, seq));
CREATE TABLE picture(
  calculation INTEGER NOT NULL REFERENCES calculation(id) ON DELETE CASCADE,
  seq INTEGER NOT NULL,
  name TEXT NOT NULL,
  emf BLOB NOT NULL,
  PRIMARY KEY(calculation, seq));
)";

const std::vector<std::string> kTables = {"header", "calculation", "input", "picture"};

std::string nowUtc() {
  std::time_t t = std::time(nullptr);
  std::tm tm{};
  gmtime_r(&t, &tm);
  char buf[32];
  std::strftime(buf, sizeof buf, "%Y-%m-%d %H:%M:%S", &tm);
  return buf;
}

// SQLite's primary result codes the messages tell apart.
constexpr int kCorrupt = 11, kNotADb = 26, kReadOnly = 8;

std::string name(const std::filesystem::path& f) { return f.string(); }

[[noreturn]] void refuse(const std::filesystem::path& file, const std::string& why) {
  throw JobError(name(file) + " " + why + " The file was not changed.");
}

// A file nobody may write to, or whose folder takes no journal, is not opened for writing. The mode
// bits are checked as well as access(): a superuser may write anything, but a file marked read-only
// was meant to stay as it is.
bool canWrite(const std::filesystem::path& file) {
  std::error_code ec;
  const auto perms = std::filesystem::status(file, ec).permissions();
  using P = std::filesystem::perms;
  if (ec || (perms & (P::owner_write | P::group_write | P::others_write)) == P::none) return false;
  const std::filesystem::path dir = file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
  return ::access(file.c_str(), W_OK) == 0 && ::access(dir.c_str(), W_OK) == 0;
}

// Checks that the open database is a job this program can read; throws JobError otherwise.
// `hotJournal` is set instead of throwing when the file holds an interrupted save.
void validate(sql::Database& db, const std::filesystem::path& file, bool* hotJournal) {
  try {
    const auto appId = db.scalar("PRAGMA application_id");
    if (appId != Job::kApplicationId) refuse(file, "is not a Vardelin job.");
    const auto version = db.scalar("PRAGMA user_version");
    if (version > Job::kSchemaVersion)
      refuse(file, "was made by a newer Vardelin (job format " + std::to_string(version) +
                       "; this program reads format " + std::to_string(Job::kSchemaVersion) + " and older).");
    if (version < 1) refuse(file, "is not a Vardelin job (no job format).");
    sql::Statement check(db, "PRAGMA quick_check");
    if (!check.step() || check.text(0) != "ok") refuse(file, "is damaged (" + check.text(0) + ").");
    for (const std::string& t : kTables) {
      sql::Statement st(db, "SELECT count(*) FROM sqlite_master WHERE type='table' AND name=?");
      st.bind(1, t);
      if (!st.step() || st.integer(0) != 1) refuse(file, "is damaged (the table " + t + " is missing).");
    }
  } catch (const sql::SqlError& e) {
    const int primary = e.code() & 0xff;
    if (hotJournal && primary == kReadOnly) {
      *hotJournal = true;
      return;
    }
    if (primary == kNotADb) refuse(file, "is not a Vardelin job (not a database file).");
    if (primary == kCorrupt) refuse(file, "is damaged (" + std::string(e.what()) + ").");
    refuse(file, std::string("cannot be read: ") + e.what() + ".");
  }
}

void configure(sql::Database& db) {
  // FULL: a committed calculation is on the disk before the program goes on.
  db.exec("PRAGMA foreign_keys=ON; PRAGMA synchronous=FULL;");
}

std::string verdictOf(const std::string& v) { return v; }

}  // namespace

const std::vector<std::string>& jobHeaderFields() {
  static const std::vector<std::string> f = {"project", "number", "client", "engineer", "address", "notes", "units"};
  return f;
}

std::string* jobHeaderField(JobHeader& h, const std::string& n) {
  if (n == "project") return &h.project;
  if (n == "number") return &h.number;
  if (n == "client") return &h.client;
  if (n == "engineer") return &h.engineer;
  if (n == "address") return &h.address;
  if (n == "notes") return &h.notes;
  if (n == "units") return &h.units;
  return nullptr;
}

Job::Job(std::filesystem::path file, std::unique_ptr<sql::Database> db, bool writable)
    : file_(std::move(file)), db_(std::move(db)), writable_(writable) {}

Job::~Job() = default;

std::unique_ptr<Job> Job::create(const std::filesystem::path& file, const JobHeader& header) {
  std::error_code ec;
  if (std::filesystem::exists(file, ec)) throw JobError(name(file) + " already exists.");
  std::unique_ptr<sql::Database> db;
  try {
    db = std::make_unique<sql::Database>(file, sql::OpenMode::Create);
    configure(*db);
    sql::Transaction t(*db);
    db->exec(kSchema);
    db->exec("PRAGMA application_id=" + std::to_string(kApplicationId) + "; PRAGMA user_version=" +
             std::to_string(kSchemaVersion) + ";");
    t.commit();
  } catch (const sql::SqlError& e) {
    db.reset();
    std::filesystem::remove(file, ec);
    throw JobError("Could not create " + name(file) + ": " + e.what());
  }
  std::unique_ptr<Job> job(new Job(file, std::move(db), true));
  JobHeader h = header;
  if (h.units.empty()) h.units = "US customary (kip, ft, in.)";
  job->setHeader(h);
  return job;
}

std::unique_ptr<Job> Job::open(const std::filesystem::path& file, bool forWriting) {
  std::error_code ec;
  if (!std::filesystem::exists(file, ec)) throw JobError(name(file) + " does not exist.");
  if (!std::filesystem::is_regular_file(file, ec)) refuse(file, "is not a file.");
  if (forWriting && !canWrite(file)) refuse(file, "is read-only: calculations cannot be saved in it.");
  bool hotJournal = false;
  try {
    // Looked at read-only first: nothing is written to a file before it is known to be a job.
    sql::Database probe(file, sql::OpenMode::ReadOnly);
    validate(probe, file, &hotJournal);
  } catch (const sql::SqlError& e) {
    refuse(file, std::string("cannot be read: ") + e.what() + ".");
  }
  if (hotJournal && !forWriting)
    refuse(file, "holds a save that was interrupted; open it for writing once so it can be recovered.");
  if (!forWriting) {
    auto db = std::make_unique<sql::Database>(file, sql::OpenMode::ReadOnly);
    return std::unique_ptr<Job>(new Job(file, std::move(db), false));
  }
  try {
    // A read-write connection rolls an interrupted save back to the last committed state first.
    auto db = std::make_unique<sql::Database>(file, sql::OpenMode::ReadWrite);
    if (hotJournal) validate(*db, file, nullptr);
    configure(*db);
    return std::unique_ptr<Job>(new Job(file, std::move(db), true));
  } catch (const sql::SqlError& e) {
    refuse(file, std::string("cannot be opened: ") + e.what() + ".");
  }
}

std::unique_ptr<Job> Job::openOrCreate(const std::filesystem::path& file) {
  std::error_code ec;
  if (!std::filesystem::exists(file, ec)) return create(file, {});
  return open(file, true);
}

void Job::requireWritable() const {
  if (!writable_) throw JobError(name(file_) + " is open for reading only.");
}

JobHeader Job::header() const {
  JobHeader h;
  sql::Statement st(*db_, "SELECT field, value FROM header");
  while (st.step())
    if (std::string* f = jobHeaderField(h, st.text(0))) *f = st.text(1);
  return h;
}

void Job::setHeader(const JobHeader& header) {
  requireWritable();
  JobHeader h = header;
  try {
    sql::Transaction t(*db_);
    sql::Statement st(*db_, "INSERT OR REPLACE INTO header(field, value) VALUES(?, ?)");
    for (const std::string& f : jobHeaderFields()) {
      st.reset();
      st.bind(1, f).bind(2, *jobHeaderField(h, f)).run();
    }
    t.commit();
  } catch (const sql::SqlError& e) {
    throw JobError("Could not save the job header in " + name(file_) + ": " + e.what());
  }
}

long long Job::idOf(int number) const {
  sql::Statement st(*db_, "SELECT id FROM calculation ORDER BY position LIMIT 1 OFFSET ?");
  st.bind(1, number - 1);
  if (number < 1 || !st.step()) throw JobError("The job has no calculation " + std::to_string(number) + ".");
  return st.integer(0);
}

void Job::writeDetails(long long id, const Calculation& calc) {
  sql::Statement in(*db_, "INSERT INTO input(calculation, seq, control, value) VALUES(?, ?, ?, ?)");
  int seq = 0;
  for (const InputValue& v : calc.inputs) {
    in.reset();
    in.bind(1, static_cast<std::int64_t>(id)).bind(2, seq++).bind(3, v.id).bind(4, v.value).run();
  }
  sql::Statement pic(*db_, "INSERT INTO picture(calculation, seq, name, emf) VALUES(?, ?, ?, ?)");
  seq = 0;
  for (const JobPicture& p : calc.pictures) {
    pic.reset();
    pic.bind(1, static_cast<std::int64_t>(id)).bind(2, seq++).bind(3, p.name).bindBlob(4, p.emf).run();
  }
}

int Job::append(Calculation calc) {
  requireWritable();
  try {
    sql::Transaction t(*db_);
    const auto position = db_->scalar("SELECT coalesce(max(position), 0) + 1 FROM calculation");
    calc.created = calc.modified = nowUtc();
    sql::Statement st(*db_,
                      "INSERT INTO calculation(position, command, command_text, mark, section, report, verdict, ratio,"
                      " governing, app_job_number, species, created, modified) VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?)");
    st.bind(1, position).bind(2, calc.command).bind(3, calc.commandText).bind(4, calc.mark).bind(5, calc.section);
    st.bind(6, calc.report).bind(7, verdictOf(calc.verdict)).bind(8, calc.ratio).bind(9, calc.governing);
    st.bind(10, calc.appJobNumber).bind(11, calc.species).bind(12, calc.created).bind(13, calc.modified);
    st.run();
    writeDetails(db_->lastInsertId(), calc);
    t.commit();
    return static_cast<int>(db_->scalar("SELECT count(*) FROM calculation"));
  } catch (const sql::SqlError& e) {
    throw JobError("Could not save the calculation in " + name(file_) + ": " + e.what());
  }
}

void Job::replace(int number, Calculation calc) {
  requireWritable();
  try {
    sql::Transaction t(*db_);
    const long long id = idOf(number);
    sql::Statement st(*db_,
                      "UPDATE calculation SET command=?, command_text=?, mark=?, section=?, report=?, verdict=?, ratio=?,"
                      " governing=?, app_job_number=?, species=?, modified=? WHERE id=?");
    st.bind(1, calc.command).bind(2, calc.commandText).bind(3, calc.mark).bind(4, calc.section).bind(5, calc.report);
    st.bind(6, calc.verdict).bind(7, calc.ratio).bind(8, calc.governing).bind(9, calc.appJobNumber);
    st.bind(10, calc.species).bind(11, nowUtc()).bind(12, static_cast<std::int64_t>(id));
    st.run();
    sql::Statement delIn(*db_, "DELETE FROM input WHERE calculation=?");
    delIn.bind(1, static_cast<std::int64_t>(id)).run();
    sql::Statement delPic(*db_, "DELETE FROM picture WHERE calculation=?");
    delPic.bind(1, static_cast<std::int64_t>(id)).run();
    writeDetails(id, calc);
    t.commit();
  } catch (const sql::SqlError& e) {
    throw JobError("Could not save the calculation in " + name(file_) + ": " + e.what());
  }
}

void Job::remove(int number) {
  requireWritable();
  try {
    sql::Transaction t(*db_);
    const long long id = idOf(number);
    sql::Statement st(*db_, "DELETE FROM calculation WHERE id=?");
    st.bind(1, static_cast<std::int64_t>(id)).run();
    t.commit();
  } catch (const sql::SqlError& e) {
    throw JobError("Could not delete the calculation from " + name(file_) + ": " + e.what());
  }
}

bool Job::moveUp(int number) { return number > 1 && number <= count() ? moveDown(number - 1) : false; }

bool Job::moveDown(int number) {
  requireWritable();
  if (number < 1 || number >= count()) return false;
  try {
    sql::Transaction t(*db_);
    const long long a = idOf(number), b = idOf(number + 1);
    sql::Statement pos(*db_, "SELECT position FROM calculation WHERE id=?");
    pos.bind(1, static_cast<std::int64_t>(a));
    pos.step();
    const auto pa = pos.integer(0);
    pos.reset();
    pos.bind(1, static_cast<std::int64_t>(b));
    pos.step();
    const auto pb = pos.integer(0);
    sql::Statement set(*db_, "UPDATE calculation SET position=? WHERE id=?");
    set.bind(1, pb).bind(2, static_cast<std::int64_t>(a)).run();
    set.reset();
    set.bind(1, pa).bind(2, static_cast<std::int64_t>(b)).run();
    t.commit();
    return true;
  } catch (const sql::SqlError& e) {
    throw JobError("Could not move the calculation in " + name(file_) + ": " + e.what());
  }
}

int Job::count() const { return static_cast<int>(db_->scalar("SELECT count(*) FROM calculation")); }

std::vector<CalculationRow> Job::list() const {
  std::vector<CalculationRow> rows;
  sql::Statement st(*db_,
                    "SELECT command, command_text, mark, section, verdict, ratio, governing, modified FROM calculation"
                    " ORDER BY position");
  int n = 0;
  while (st.step()) {
    CalculationRow r;
    r.number = ++n;
    r.command = static_cast<int>(st.integer(0));
    r.commandText = st.text(1);
    r.mark = st.text(2);
    r.section = st.text(3);
    r.verdict = st.text(4);
    r.ratio = st.real(5);
    r.governing = st.text(6);
    r.modified = st.text(7);
    rows.push_back(std::move(r));
  }
  return rows;
}

Calculation Job::get(int number) const {
  const long long id = idOf(number);
  Calculation c;
  c.number = number;
  sql::Statement st(*db_,
                    "SELECT command, command_text, mark, section, report, verdict, ratio, governing, app_job_number,"
                    " species, created, modified FROM calculation WHERE id=?");
  st.bind(1, static_cast<std::int64_t>(id));
  st.step();
  c.command = static_cast<int>(st.integer(0));
  c.commandText = st.text(1);
  c.mark = st.text(2);
  c.section = st.text(3);
  c.report = st.text(4);
  c.verdict = st.text(5);
  c.ratio = st.real(6);
  c.governing = st.text(7);
  c.appJobNumber = st.text(8);
  c.species = static_cast<int>(st.integer(9));
  c.created = st.text(10);
  c.modified = st.text(11);
  sql::Statement in(*db_, "SELECT control, value FROM input WHERE calculation=? ORDER BY seq");
  in.bind(1, static_cast<std::int64_t>(id));
  while (in.step()) c.inputs.push_back({static_cast<int>(in.integer(0)), in.text(1)});
  sql::Statement pic(*db_, "SELECT name, emf FROM picture WHERE calculation=? ORDER BY seq");
  pic.bind(1, static_cast<std::int64_t>(id));
  while (pic.step()) c.pictures.push_back({pic.text(0), pic.blob(1)});
  return c;
}

std::vector<Calculation> Job::all() const {
  std::vector<Calculation> v;
  const int n = count();
  v.reserve(static_cast<std::size_t>(n));
  for (int i = 1; i <= n; ++i) v.push_back(get(i));
  return v;
}

}  // namespace vd
