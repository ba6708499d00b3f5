#pragma once
// The settings store: one INI file, read on every request and replaced atomically on every write.
// A write is a read-modify-write under an advisory lock (flock on "FILE.lock" beside the file), so two
// programs writing at once never lose each other's keys. A symbolic link is written through: its
// target is replaced, the link stays. An existing file that cannot be read (no permission, not a
// regular file, larger than kMaxSettingsBytes) is never written: the program says so once and keeps
// the session's values in memory.
#include <cstddef>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/text_format.h"

namespace vd {

// Why FILE cannot be the settings file given on the command line ("" when it can): no name given, a
// folder that does not exist (never created silently), or a folder where the file should be.
std::string settingsFileProblem(const std::filesystem::path& file);

class Settings {
 public:
  explicit Settings(std::filesystem::path file);

  // Vardelin.ini in $XDG_CONFIG_HOME/Vardelin/, else ~/.config/Vardelin/.
  static std::filesystem::path defaultPath();

  // The stored text, or the default when the file, section or key is missing; cut to capacity - 1
  // characters, as a read into a buffer of that size. Section and key match without regard to case.
  std::string read(std::string_view section, std::string_view key, std::string_view def = "",
                   std::size_t capacity = 10) const;
  // A stored index or flag: the leading decimal integer (0 when the text has none), or def when the
  // key is missing or the number lies outside +-kMaxStoredInt, so that no stored value can overflow the
  // row arithmetic it feeds.
  int readInt(std::string_view section, std::string_view key, int def = 0) const;
  // Stores the text, creating file, section or key as needed. Returns false when the file could not
  // be written; the file then keeps its previous contents.
  bool write(std::string_view section, std::string_view key, std::string_view value);
  // Formats one value and writes it ("%.2lf", "%d"...).
  template <class T>
  bool formatAndWrite(std::string_view section, std::string_view key, const char* fmt, T value) {
    return write(section, key, format(fmt, value));
  }

  const std::filesystem::path& file() const { return file_; }

  // From now on writes are held in memory and the file is left as it is; reads see the held values.
  // A batch run calculates every row on the user's settings without storing a thousand rows' inputs
  // (nor waiting on the disk for each of them).
  void holdWritesInMemory() { holdWrites_ = true; }
  // Forgets the held values: the next read sees the file again.
  void discardHeldWrites() { session_.clear(); }
  // While a Hold lives, writes are held in memory as above; when it ends they are forgotten and the
  // settings read as before it (a batch run's held values included). A lightest-section search runs a
  // form's own calculation, which stores its inputs, on every row of a table; the row it finally chooses
  // is calculated and stored again after the hold.
  class Hold {
   public:
    explicit Hold(Settings& s) : s_(s), saved_(s.session_), wasHolding_(s.holdWrites_) { s.holdWrites_ = true; }
    ~Hold() {
      s_.session_ = std::move(saved_);
      s_.holdWrites_ = wasHolding_;
    }
    Hold(const Hold&) = delete;
    Hold& operator=(const Hold&) = delete;

   private:
    Settings& s_;
    std::map<std::pair<std::string, std::string>, std::string> saved_;
    bool wasHolding_;
  };

  // While a Batch lives, writes are kept in order and reads see them; when it ends they are written as
  // one replacement of the file (one lock, one read, one fsync), as one write each would have left it.
  class Batch {
   public:
    explicit Batch(Settings& s) : s_(s) { ++s.batchDepth_; }
    ~Batch() { s_.endBatch(); }
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;

   private:
    Settings& s_;
  };

  // Called once, on the first failed write or the first sight of a file that cannot be read (at once
  // when that happened before a handler was installed), with a message naming the file. The program
  // goes on with the values in memory.
  void onWriteFailure(std::function<void(const std::string&)> handler);

  static constexpr int kMaxStoredInt = 1000000;
  static constexpr std::size_t kMaxSettingsBytes = 4u << 20;
  // Longer lines are kept in the file as they are but never read as a section or key.
  static constexpr std::size_t kMaxLineBytes = 64u << 10;

 private:
  struct Contents;
  Contents load() const;
  std::filesystem::path target() const;
  void problem(const std::string& text) const;

  std::filesystem::path file_;
  std::function<void(const std::string&)> failureHandler_;
  mutable std::string pending_;  // a problem seen before a handler was installed
  mutable bool failureReported_ = false;
  bool holdWrites_ = false;
  struct Entry {
    std::string section, key, value;
  };
  bool writeEntries(const std::vector<Entry>& entries);
  static void setLine(std::vector<std::string>& lines, std::string_view section, std::string_view key,
                      const std::string& entry);
  void endBatch();
  int batchDepth_ = 0;
  std::vector<Entry> batched_;  // writes of the open batch, in order
  // Values whose write failed or was held, by lower-case section and key: read back for the rest of the
  // session.
  std::map<std::pair<std::string, std::string>, std::string> session_;
};

}  // namespace vd
