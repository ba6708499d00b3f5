#include "platform/settings.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <system_error>
#include <vector>

#include "platform/file_write.h"

namespace vd {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

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

std::string lower(std::string_view s) {
  std::string out(trim(s));
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

bool parsable(const std::string& line) { return line.size() <= Settings::kMaxLineBytes; }

// Holds an advisory lock on "FILE.lock" for a read-modify-write; without one (a folder we may not
// write) the write goes on and fails or succeeds on its own.
class WriteLock {
 public:
  explicit WriteLock(const std::filesystem::path& file) {
    const std::string name = file.string() + ".lock";
    fd_ = ::open(name.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd_ < 0) fd_ = ::open(name.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd_ >= 0) {
      while (::flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
      }
    }
  }
  ~WriteLock() {
    if (fd_ >= 0) ::close(fd_);  // closing releases the lock
  }
  WriteLock(const WriteLock&) = delete;
  WriteLock& operator=(const WriteLock&) = delete;

 private:
  int fd_ = -1;
};

}  // namespace

struct Settings::Contents {
  bool usable = true;        // false: the file exists but cannot be read; it must not be written
  std::string problem;       // why not
  bool bom = false;          // the file starts with a UTF-8 byte-order mark (kept on write)
  std::vector<std::string> lines;
};

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

// The file a symbolic link finally names (it may not exist yet); the path itself otherwise.
std::filesystem::path Settings::target() const {
  std::filesystem::path p = file_;
  std::error_code ec;
  for (int hops = 0; hops < 40 && std::filesystem::is_symlink(p, ec); ++hops) {
    const std::filesystem::path to = std::filesystem::read_symlink(p, ec);
    if (ec) break;
    p = to.is_absolute() ? to : p.parent_path() / to;
  }
  return p;
}

Settings::Contents Settings::load() const {
  Contents c;
  // Non-blocking, so that a FIFO in the file's place cannot stop the program at open.
  const int fd = ::open(file_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    // No file (or no folder for it): nothing to keep; a write creates it or reports why it cannot.
    if (errno != ENOENT && errno != ENOTDIR) c.usable = false, c.problem = std::strerror(errno);
    return c;
  }
  struct stat st {};
  std::string bytes;
  if (::fstat(fd, &st) != 0) {
    c.usable = false, c.problem = std::strerror(errno);
  } else if (!S_ISREG(st.st_mode)) {
    c.usable = false, c.problem = "it is not a regular file";
  } else if (static_cast<unsigned long long>(st.st_size) > kMaxSettingsBytes) {
    c.usable = false, c.problem = "it is larger than " + std::to_string(kMaxSettingsBytes >> 20) + " MB";
  } else {
    char buf[65536];
    for (;;) {
      const ssize_t n = ::read(fd, buf, sizeof buf);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) {
        c.usable = false, c.problem = std::strerror(errno);
        break;
      }
      if (n == 0) break;
      bytes.append(buf, static_cast<std::size_t>(n));
      if (bytes.size() > kMaxSettingsBytes) {  // grew while we read
        c.usable = false, c.problem = "it is larger than " + std::to_string(kMaxSettingsBytes >> 20) + " MB";
        break;
      }
    }
  }
  ::close(fd);
  if (!c.usable) return c;
  std::string_view rest = bytes;
  if (rest.substr(0, kBom.size()) == kBom) {
    c.bom = true;
    rest.remove_prefix(kBom.size());
  }
  while (!rest.empty()) {
    const std::size_t nl = rest.find('\n');
    std::string_view line = rest.substr(0, nl);
    rest.remove_prefix(nl == std::string_view::npos ? rest.size() : nl + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    c.lines.emplace_back(line);
  }
  return c;
}

void Settings::problem(const std::string& text) const {
  if (failureReported_) return;
  if (!failureHandler_) {
    if (pending_.empty()) pending_ = text;
    return;
  }
  failureReported_ = true;
  failureHandler_(text);
}

void Settings::onWriteFailure(std::function<void(const std::string&)> handler) {
  failureHandler_ = std::move(handler);
  if (failureHandler_ && !pending_.empty() && !failureReported_) {
    failureReported_ = true;
    failureHandler_(pending_);
  }
}

std::string Settings::read(std::string_view section, std::string_view key, std::string_view def,
                           std::size_t capacity) const {
  if (auto kept = session_.find({lower(section), lower(key)}); kept != session_.end())
    return cutToCapacity(kept->second, capacity);
  const Contents c = load();
  if (!c.usable) {
    problem("The settings file " + file_.string() + " cannot be read (" + c.problem +
            "). It is left as it is; inputs are kept for this session only.");
    return cutToCapacity(def, capacity);
  }
  bool inSection = false;
  for (const std::string& line : c.lines) {
    if (!parsable(line)) continue;
    std::string_view name, k, v;
    if (sectionName(line, name)) {
      inSection = sameName(name, section);
    } else if (inSection && keyLine(line, k, v) && sameName(k, key)) {
      return cutToCapacity(v, capacity);
    }
  }
  return cutToCapacity(def, capacity);
}

int Settings::readInt(std::string_view section, std::string_view key, int def) const {
  const std::string text = read(section, key, "\n", 64);  // a value never holds a line end
  if (text == "\n") return def;
  const int v = parseInt(text);
  return v < -kMaxStoredInt || v > kMaxStoredInt ? def : v;
}

bool Settings::write(std::string_view section, std::string_view key, std::string_view value) {
  if (holdWrites_ || batchDepth_ > 0) {
    session_[{lower(section), lower(key)}] = singleLine(trim(value));
    if (!holdWrites_) batched_.push_back({std::string(section), std::string(key), std::string(value)});
    return true;
  }
  return writeEntries({{std::string(section), std::string(key), std::string(value)}});
}

void Settings::endBatch() {
  if (--batchDepth_ > 0 || batched_.empty()) return;
  std::vector<Entry> entries = std::move(batched_);
  batched_.clear();
  writeEntries(entries);
}

bool Settings::writeEntries(const std::vector<Entry>& entries) {
  auto keep = [&] {
    for (const Entry& e : entries) session_[{lower(e.section), lower(e.key)}] = singleLine(trim(e.value));
    return false;
  };
  const std::filesystem::path file = target();
  std::error_code ec;
  if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), ec);
  WriteLock lock(file);
  // Read again under the lock: another program may have written since we last looked.
  Contents c = load();
  if (!c.usable) {
    countFailedWrite();
    problem("The settings file " + file_.string() + " cannot be read (" + c.problem +
            "). It is left as it is; inputs are kept for this session only.");
    return keep();
  }
  std::vector<std::string>& lines = c.lines;
  for (const Entry& e : entries) setLine(lines, e.section, e.key, std::string(trim(e.key)) + "=" + singleLine(e.value));

  std::string body = c.bom ? std::string(kBom) : std::string();
  for (const std::string& l : lines) body += l + "\r\n";

  const WriteResult written = writeFileAtomically(file, body);
  if (!written) {
    problem("Could not write the settings file " + file_.string() + " (" + written.message +
            "). Inputs are kept for this session only.");
    return keep();
  }
  for (const Entry& e : entries) session_.erase({lower(e.section), lower(e.key)});
  return true;
}

// Replaces the key's line in its section, or adds the key at the section's end, or the section at the end.
void Settings::setLine(std::vector<std::string>& lines, std::string_view section, std::string_view key,
                       const std::string& entry) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string_view name;
    if (!parsable(lines[i]) || !sectionName(lines[i], name) || !sameName(name, section)) continue;
    std::size_t insertAt = i + 1;
    for (std::size_t j = i + 1; j < lines.size(); ++j) {
      std::string_view k, v, other;
      if (!parsable(lines[j])) {
        insertAt = j + 1;
        continue;
      }
      if (sectionName(lines[j], other)) break;
      if (keyLine(lines[j], k, v) && sameName(k, key)) {
        lines[j] = entry;
        return;
      }
      if (!trim(lines[j]).empty()) insertAt = j + 1;
    }
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), entry);
    return;
  }
  lines.push_back("[" + std::string(trim(section)) + "]");
  lines.push_back(entry);
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
