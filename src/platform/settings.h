#pragma once
// The settings store: one INI file, read on every request and replaced atomically on every write.
#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

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
  // The stored decimal integer, 0 when missing or not a number.
  int readInt(std::string_view section, std::string_view key) const;
  // Stores the text, creating file, section or key as needed. Returns false when the file could not
  // be written; the file then keeps its previous contents.
  bool write(std::string_view section, std::string_view key, std::string_view value);
  // Formats one value and writes it ("%.2lf", "%d"...).
  template <class T>
  bool formatAndWrite(std::string_view section, std::string_view key, const char* fmt, T value) {
    return write(section, key, format(fmt, value));
  }

  const std::filesystem::path& file() const { return file_; }

  // Called once, on the first failed write, with a message naming the file. The program goes on.
  void onWriteFailure(std::function<void(const std::string&)> handler) { failureHandler_ = std::move(handler); }

 private:
  std::filesystem::path file_;
  std::function<void(const std::string&)> failureHandler_;
  bool failureReported_ = false;
};

}  // namespace vd
