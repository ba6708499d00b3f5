#pragma once
// A small RAII layer over the SQLite C API: a database connection, a prepared statement and a
// transaction that rolls back unless committed. Errors throw SqlError with SQLite's own message.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace vd::sql {

class SqlError : public std::runtime_error {
 public:
  SqlError(int code, const std::string& what) : std::runtime_error(what), code_(code) {}
  int code() const { return code_; }

 private:
  int code_;
};

enum class OpenMode { ReadOnly, ReadWrite, Create };

class Database {
 public:
  // Opens the file; ReadOnly never writes to it (nor creates journal files), Create makes it when missing.
  Database(const std::filesystem::path& file, OpenMode mode);
  ~Database();
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  // Runs one or more statements without results.
  void exec(std::string_view sql);
  // The first column of the first row of a query, as an integer (0 when there is no row).
  std::int64_t scalar(std::string_view sql);
  std::int64_t lastInsertId() const;
  bool readOnly() const;
  sqlite3* handle() const { return db_; }

 private:
  sqlite3* db_ = nullptr;
};

class Statement {
 public:
  Statement(Database& db, std::string_view sql);
  ~Statement();
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  // Parameters from 1, as SQLite counts them. Text and blobs are copied.
  Statement& bind(int index, std::int64_t value);
  Statement& bind(int index, int value) { return bind(index, static_cast<std::int64_t>(value)); }
  Statement& bind(int index, double value);
  Statement& bind(int index, std::string_view text);
  Statement& bind(int index, const char* text) { return bind(index, std::string_view(text)); }
  Statement& bind(int index, const std::string& text) { return bind(index, std::string_view(text)); }
  Statement& bindBlob(int index, std::string_view bytes);

  // Steps once: true while a row is available.
  bool step();
  // Steps to completion, for statements without results.
  void run();
  void reset();

  // Columns from 0.
  std::int64_t integer(int column) const;
  double real(int column) const;
  std::string text(int column) const;
  std::string blob(int column) const;
  bool isNull(int column) const;

 private:
  Database& db_;
  sqlite3_stmt* stmt_ = nullptr;
};

// BEGIN IMMEDIATE on construction; ROLLBACK on destruction unless commit() ran.
class Transaction {
 public:
  explicit Transaction(Database& db);
  ~Transaction();
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;
  void commit();

 private:
  Database& db_;
  bool done_ = false;
};

}  // namespace vd::sql
