#pragma once
// Runs a piece of a test as an ordinary user, so that file permissions really apply: the suite runs
// as root in CI, and root may write a read-only file. As root the child takes the "nobody" ids
// (65534); as any other user it keeps its own, which permissions already bind.
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

namespace vdtest {

inline constexpr uid_t kOtherUid = 65534;
inline constexpr gid_t kOtherGid = 65534;

// The body's return value as the child's exit status; -1 when the child could not drop root (the
// caller skips the test), -2 when it died.
inline int runAsOtherUser(const std::function<int()>& body) {
  const pid_t child = ::fork();
  if (child < 0) return -2;
  if (child == 0) {
    if (::geteuid() == 0) {
      if (::setgroups(0, nullptr) != 0 || ::setgid(kOtherGid) != 0 || ::setuid(kOtherUid) != 0) ::_exit(255);
    }
    ::_exit(body());
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  if (!WIFEXITED(status)) return -2;
  return WEXITSTATUS(status) == 255 ? -1 : WEXITSTATUS(status);
}

// A folder the other user owns (as root), so that only the permissions of the files in it decide.
inline void handToOtherUser(const std::filesystem::path& dir) {
  if (::geteuid() == 0) (void)!::chown(dir.c_str(), kOtherUid, kOtherGid);
}

}  // namespace vdtest
