#include "platform/file_write.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <mutex>
#include <set>

namespace vd {

namespace {

std::atomic<unsigned long> failures{0};

constexpr std::string_view kTempMark = ".vdtmp-";
constexpr std::time_t kStaleSeconds = 24 * 60 * 60;

mode_t processUmask() {
  // Read once; umask() can only be read by setting it.
  static const mode_t mask = [] {
    const mode_t m = ::umask(022);
    ::umask(m);
    return m;
  }();
  return mask;
}

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// Earlier versions left "NAME.tmp" (pictures) and "NAME.tmp<pid>" (settings) behind when killed.
bool isOldTemporaryName(std::string_view name, std::string_view target) {
  if (name.size() < target.size() + 4 || name.substr(0, target.size()) != target) return false;
  std::string_view rest = name.substr(target.size());
  if (rest.substr(0, 4) != ".tmp") return false;
  for (char c : rest.substr(4))
    if (c < '0' || c > '9') return false;
  return true;
}

// Removes our own temporaries for this target older than a day: regular files of this user only.
// Done once per target and process, so a run of many writes scans the folder once.
void removeStaleTemporaries(const std::string& dir, const std::string& target) {
  static std::mutex mutex;
  static std::set<std::string> done;
  {
    std::lock_guard<std::mutex> lock(mutex);
    if (!done.insert(dir + "/" + target).second) return;
  }
  DIR* d = ::opendir(dir.c_str());
  if (!d) return;
  const std::time_t now = std::time(nullptr);
  while (const dirent* e = ::readdir(d)) {
    const std::string_view name = e->d_name;
    if (!isOurTemporaryName(name, target) && !isOldTemporaryName(name, target)) continue;
    struct stat st {};
    if (::fstatat(::dirfd(d), e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
    if (!S_ISREG(st.st_mode) || st.st_uid != ::geteuid() || now - st.st_mtime < kStaleSeconds) continue;
    ::unlinkat(::dirfd(d), e->d_name, 0);
  }
  ::closedir(d);
}

// Why an existing target may not be replaced, or empty when it may.
std::string refusal(const struct stat& st, const std::string& path) {
  if (S_ISLNK(st.st_mode)) return "is a symbolic link; it was left as it is";
  if (S_ISDIR(st.st_mode)) return "is a folder";
  if (!S_ISREG(st.st_mode)) return "is not a regular file; it was left as it is";
  // No write permission bit at all is the user's "keep this", even for a process that could override it.
  if ((st.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0) return "is read-only; it was kept as it is";
  return {};
}

}  // namespace

bool isOurTemporaryName(std::string_view name, std::string_view target) {
  const std::size_t want = 1 + target.size() + kTempMark.size() + 6;
  return name.size() == want && name[0] == '.' && name.substr(1, target.size()) == target &&
         name.substr(1 + target.size(), kTempMark.size()) == kTempMark;
}

std::filesystem::path privateTempDir() {
  static const std::filesystem::path dir = [] {
    const char* base = std::getenv("TMPDIR");
    std::string tmpl = std::string(base && *base ? base : "/tmp") + "/vardelin-XXXXXX";
    if (!::mkdtemp(tmpl.data())) return std::filesystem::path();
    static std::string made;
    made = tmpl;
    std::atexit([] {
      std::error_code ec;
      std::filesystem::remove_all(made, ec);
    });
    return std::filesystem::path(tmpl);
  }();
  return dir;
}

unsigned long failedWriteCount() { return failures.load(); }
void countFailedWrite() { ++failures; }

WriteResult writeFileAtomically(const std::filesystem::path& target, std::string_view bytes, unsigned newMode) {
  const std::string path = target.string();
  auto fail = [&](const std::string& why) {
    countFailedWrite();
    return WriteResult{false, path + " " + why};
  };
  const std::string name = target.filename().string();
  if (name.empty() || name == "." || name == "..") return fail("is not a file name");
  const std::string dir = target.has_parent_path() ? target.parent_path().string() : std::string(".");

  struct stat old {};
  bool exists = false;
  if (::lstat(path.c_str(), &old) == 0) {
    if (std::string why = refusal(old, path); !why.empty()) return fail(why);
    exists = true;
  } else if (errno != ENOENT) {
    return fail(std::string("could not be examined: ") + std::strerror(errno));
  }

  removeStaleTemporaries(dir, name);

  // mkostemp creates the file with O_CREAT|O_EXCL: a planted file or link of that name makes it pick
  // another name rather than write through it.
  std::string tmp = dir + "/." + name + std::string(kTempMark) + "XXXXXX";
  const int fd = ::mkostemp(tmp.data(), O_CLOEXEC);
  if (fd < 0) return fail(std::string("could not be written: ") + std::strerror(errno) + " in " + dir);

  bool ok = writeAll(fd, bytes);
  int err = ok ? 0 : errno;
  const mode_t mode = exists ? (old.st_mode & 0777) : (static_cast<mode_t>(newMode) & 0777 & ~processUmask());
  if (ok && ::fchmod(fd, mode) != 0) ok = false, err = errno;
  // Keep owner and group where we may; where we may not, the new file is ours, as any new file would be.
  if (ok && exists && (old.st_uid != ::geteuid() || old.st_gid != ::getegid())) {
    if (::fchown(fd, old.st_uid, old.st_gid) != 0) (void)!::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
  }
  if (ok && ::fsync(fd) != 0) ok = false, err = errno;
  if (::close(fd) != 0 && ok) ok = false, err = errno;

  // The target may have changed while we wrote: check again right before replacing it. rename() would
  // replace a link itself, never its target, so this is about keeping what the user meant to keep.
  struct stat now {};
  if (ok && ::lstat(path.c_str(), &now) == 0) {
    if (std::string why = refusal(now, path); !why.empty()) {
      ::unlink(tmp.c_str());
      return fail(why);
    }
  }
  if (ok && ::rename(tmp.c_str(), path.c_str()) != 0) ok = false, err = errno;
  if (!ok) {
    ::unlink(tmp.c_str());
    return fail(std::string("could not be written: ") + std::strerror(err));
  }
  // The rename itself reaches the disk with the folder.
  if (const int dfd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dfd >= 0) {
    ::fsync(dfd);
    ::close(dfd);
  }
  return {true, {}};
}

}  // namespace vd
