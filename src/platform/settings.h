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

  // While a Hold lives, writes go to memory only (reads see them) and are dropped when it ends. A
  // lightest-section search runs a form's own calculation, which stores its inputs, on every row of a
  // table; the row it finally chooses is calculated and stored again without a hold.
  class Hold {
   public:
    explicit Hold(Settings& s) : s_(s) { ++s_.holds_; }
    ~Hold() {
      if (--s_.holds_ == 0) s_.held_.clear();
    }
    Hold(const Hold&) = delete;
    Hold& operator=(const Hold&) = delete;

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
  // Values whose write failed, by lower-case section and key: read back for the rest of the session.
  std::map<std::pair<std::string, std::string>, std::string> session_;
  // Values written under a Hold.
  std::map<std::pair<std::string, std::string>, std::string> held_;
  int holds_ = 0;
};

}  // namespace vd
