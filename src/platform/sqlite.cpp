#include "platform/sqlite.h"

#include <sqlite3.h>

namespace vd::sql {

namespace {
[[noreturn]] void fail(sqlite3* db, int code, std::string_view what) {
  std::string msg(what);
  msg += ": ";
  msg += db ? sqlite3_errmsg(db) : sqlite3_errstr(code);
  throw SqlError(code, msg);
}
}  // namespace

Database::Database(const std::filesystem::path& file, OpenMode mode) {
  int flags = SQLITE_OPEN_NOMUTEX;
  switch (mode) {
    case OpenMode::ReadOnly: flags |= SQLITE_OPEN_READONLY; break;
    case OpenMode::ReadWrite: flags |= SQLITE_OPEN_READWRITE; break;
    case OpenMode::Create: flags |= SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE; break;
  }
  const int rc = sqlite3_open_v2(file.string().c_str(), &db_, flags, nullptr);
  if (rc != SQLITE_OK) {
    std::string msg = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc);
    sqlite3_close_v2(db_);
    db_ = nullptr;
    throw SqlError(rc, "cannot open " + file.string() + ": " + msg);
  }
  sqlite3_extended_result_codes(db_, 1);
  // Another program holding the file briefly (a backup, a second window) is waited for, not an error.
  sqlite3_busy_timeout(db_, 2000);
}

Database::~Database() {
  if (db_) sqlite3_close_v2(db_);
}

void Database::exec(std::string_view sql) {
  char* err = nullptr;
  const std::string s(sql);
  const int rc = sqlite3_exec(db_, s.c_str(), nullptr, nullptr, &err);
  if (rc != SQLITE_OK) {
    std::string msg = err ? err : sqlite3_errstr(rc);
    sqlite3_free(err);
    throw SqlError(rc, msg);
  }
}

std::int64_t Database::scalar(std::string_view sql) {
  Statement st(*this, sql);
  return st.step() ? st.integer(0) : 0;
}

std::int64_t Database::lastInsertId() const { return sqlite3_last_insert_rowid(db_); }

bool Database::readOnly() const { return sqlite3_db_readonly(db_, "main") == 1; }

Statement::Statement(Database& db, std::string_view sql) : db_(db) {
  const int rc = sqlite3_prepare_v2(db.handle(), sql.data(), static_cast<int>(sql.size()), &stmt_, nullptr);
  if (rc != SQLITE_OK) fail(db.handle(), rc, "SQL");
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

Statement& Statement::bind(int index, std::int64_t value) {
  const int rc = sqlite3_bind_int64(stmt_, index, value);
  if (rc != SQLITE_OK) fail(db_.handle(), rc, "bind");
  return *this;
}

Statement& Statement::bind(int index, double value) {
  const int rc = sqlite3_bind_double(stmt_, index, value);
  if (rc != SQLITE_OK) fail(db_.handle(), rc, "bind");
  return *this;
}

Statement& Statement::bind(int index, std::string_view text) {
  const int rc = sqlite3_bind_text64(stmt_, index, text.data(), text.size(), SQLITE_TRANSIENT, SQLITE_UTF8);
  if (rc != SQLITE_OK) fail(db_.handle(), rc, "bind");
  return *this;
}

Statement& Statement::bindBlob(int index, std::string_view bytes) {
  const int rc = sqlite3_bind_blob64(stmt_, index, bytes.data(), bytes.size(), SQLITE_TRANSIENT);
  if (rc != SQLITE_OK) fail(db_.handle(), rc, "bind");
  return *this;
}

bool Statement::step() {
  const int rc = sqlite3_step(stmt_);
  if (rc == SQLITE_ROW) return true;
  if (rc == SQLITE_DONE) return false;
  fail(db_.handle(), rc, "SQL");
}

void Statement::run() {
  while (step()) {
  }
}

void Statement::reset() {
  sqlite3_reset(stmt_);
  sqlite3_clear_bindings(stmt_);
}

std::int64_t Statement::integer(int column) const { return sqlite3_column_int64(stmt_, column); }
double Statement::real(int column) const { return sqlite3_column_double(stmt_, column); }

std::string Statement::text(int column) const {
  const unsigned char* t = sqlite3_column_text(stmt_, column);
  return t ? std::string(reinterpret_cast<const char*>(t), static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column)))
           : std::string();
}

std::string Statement::blob(int column) const {
  const void* b = sqlite3_column_blob(stmt_, column);
  return b ? std::string(static_cast<const char*>(b), static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column)))
           : std::string();
}

bool Statement::isNull(int column) const { return sqlite3_column_type(stmt_, column) == SQLITE_NULL; }

Transaction::Transaction(Database& db) : db_(db) { db_.exec("BEGIN IMMEDIATE"); }

Transaction::~Transaction() {
  if (!done_) {
    try {
      db_.exec("ROLLBACK");
    } catch (const SqlError&) {
      // The transaction is already gone (SQLite rolled it back after an I/O error).
    }
  }
}

void Transaction::commit() {
  db_.exec("COMMIT");
  done_ = true;
}

}  // namespace vd::sql
