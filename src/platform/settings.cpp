#include "platform/settings.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <system_error>
#include <vector>

namespace vd {

namespace {

bool sameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  return true;
}

std::string_view trim(std::string_view s) {
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
  return s;
}

std::vector<std::string> readLines(const std::filesystem::path& file) {
  std::vector<std::string> lines;
  std::ifstream in(file, std::ios::binary);
  if (!in) return lines;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
  }
  return lines;
}

// "[name]" gives name; anything else is not a section line.
bool sectionName(std::string_view line, std::string_view& name) {
  line = trim(line);
  if (line.size() < 2 || line.front() != '[') return false;
  std::size_t close = line.find(']');
  if (close == std::string_view::npos) return false;
  name = trim(line.substr(1, close - 1));
  return true;
}

bool keyLine(std::string_view line, std::string_view& key, std::string_view& value) {
  std::size_t eq = line.find('=');
  if (eq == std::string_view::npos) return false;
  key = trim(line.substr(0, eq));
  value = trim(line.substr(eq + 1));
  return !key.empty();
}

// Keeps one line a line: a value may not break the file's layout.
std::string singleLine(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c == '\r' || c == '\n' || c == '\0') c = ' ';
  return out;
}

}  // namespace

Settings::Settings(std::filesystem::path file) : file_(std::move(file)) {}

std::filesystem::path Settings::defaultPath() {
  std::filesystem::path dir;
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) {
    dir = xdg;
  } else if (const char* home = std::getenv("HOME"); home && *home) {
    dir = std::filesystem::path(home) / ".config";
  } else {
    dir = ".";
  }
  return dir / "Vardelin" / "Vardelin.ini";
}

std::string Settings::read(std::string_view section, std::string_view key, std::string_view def,
                           std::size_t capacity) const {
  std::ifstream in(file_, std::ios::binary);
  if (in) {
    std::string line;
    bool inSection = false;
    while (std::getline(in, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      std::string_view name, k, v;
      if (sectionName(line, name)) {
        inSection = sameName(name, section);
      } else if (inSection && keyLine(line, k, v) && sameName(k, key)) {
        return cutToCapacity(v, capacity);
      }
    }
  }
  return cutToCapacity(def, capacity);
}

int Settings::readInt(std::string_view section, std::string_view key) const {
  return parseInt(read(section, key, "", 64));
}

bool Settings::write(std::string_view section, std::string_view key, std::string_view value) {
  std::vector<std::string> lines = readLines(file_);
  const std::string entry = std::string(trim(key)) + "=" + singleLine(value);

  // Find the section; within it, the key or the end of the section.
  std::size_t sectionStart = lines.size(), insertAt = lines.size();
  bool found = false;
  for (std::size_t i = 0; i < lines.size() && !found; ++i) {
    std::string_view name;
    if (!sectionName(lines[i], name) || !sameName(name, section)) continue;
    sectionStart = i;
    insertAt = i + 1;
    for (std::size_t j = i + 1; j < lines.size(); ++j) {
      std::string_view k, v, other;
      if (sectionName(lines[j], other)) break;
      if (keyLine(lines[j], k, v) && sameName(k, key)) {
        lines[j] = entry;
        found = true;
        break;
      }
      if (!trim(lines[j]).empty()) insertAt = j + 1;
    }
    if (!found) {
      lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), entry);
      found = true;
    }
  }
  if (sectionStart == lines.size() && !found) {
    lines.push_back("[" + std::string(trim(section)) + "]");
    lines.push_back(entry);
  }

  std::ostringstream text;
  for (const std::string& l : lines) text << l << "\r\n";
  const std::string body = text.str();

  // Write a temporary file beside the real one, then rename it over: a crash mid-write leaves the
  // old file whole.
  std::error_code ec;
  if (file_.has_parent_path()) std::filesystem::create_directories(file_.parent_path(), ec);
  std::filesystem::path tmp = file_;
  tmp += ".tmp" + std::to_string(::getpid());
  bool ok = false;
  if (std::FILE* f = std::fopen(tmp.c_str(), "wb")) {
    ok = std::fwrite(body.data(), 1, body.size(), f) == body.size();
    ok = (std::fflush(f) == 0) && ok;
    ok = (::fsync(::fileno(f)) == 0) && ok;
    ok = (std::fclose(f) == 0) && ok;
    if (ok) {
      // A read-only file stays read-only: the user meant it not to change.
      struct stat st {};
      if (::stat(file_.c_str(), &st) == 0 && (st.st_mode & S_IWUSR) == 0) ok = false;
    }
    if (ok) ok = std::rename(tmp.c_str(), file_.c_str()) == 0;
    if (!ok) std::remove(tmp.c_str());
  }
  if (!ok && failureHandler_ && !failureReported_) {
    failureReported_ = true;
    failureHandler_("Could not write the settings file " + file_.string() +
                    ". Inputs are kept for this session only.");
  }
  return ok;
}

}  // namespace vd

namespace vd {

std::string settingsFileProblem(const std::filesystem::path& file) {
  if (file.empty()) return "--settings needs a file name (--settings FILE)";
  std::error_code ec;
  if (std::filesystem::is_directory(file, ec))
    return "--settings " + file.string() + ": that is a folder; give the settings file's name";
  const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
  if (!std::filesystem::is_directory(folder, ec))
    return "--settings " + file.string() + ": the folder " + folder.string() + " does not exist";
  return {};
}

}  // namespace vd
