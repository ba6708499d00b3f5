// The one file writer: what it refuses to overwrite, the temporaries it leaves, and a kill mid-write.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <utime.h>

#include "platform/file_write.h"
#include "support/other_user.h"
#include "support/scratch_dir.h"

namespace fs = std::filesystem;
using vd::writeFileAtomically;

namespace {

using FileWrite = vdtest::ScratchDir;

TEST_F(FileWrite, LinksFoldersDevicesAndReadOnlyFilesAreKeptAndNamed) {
  put(dir_ / "victim", "precious");
  fs::create_symlink(dir_ / "victim", dir_ / "cbm.wri");
  fs::create_symlink(dir_ / "would-be-created", dir_ / "cbm.dat");
  fs::create_directory(dir_ / "ebm.wri");
  ASSERT_EQ(::mkfifo((dir_ / "gbm.wri").c_str(), 0644), 0);
  put(dir_ / "tieCol.wri", "kept");
  fs::permissions(dir_ / "tieCol.wri", fs::perms::owner_read | fs::perms::group_read);

  const unsigned long failuresBefore = vd::failedWriteCount();
  const struct {
    const char* name;
    const char* why;
  } cases[] = {{"cbm.wri", "symbolic link"}, {"cbm.dat", "symbolic link"}, {"ebm.wri", "folder"},
               {"gbm.wri", "not a regular file"}, {"tieCol.wri", "read-only"}};
  for (const auto& c : cases) {
    const vd::WriteResult r = writeFileAtomically(dir_ / c.name, "new report");
    EXPECT_FALSE(r.ok) << c.name;
    EXPECT_NE(r.message.find(c.name), std::string::npos) << r.message;
    EXPECT_NE(r.message.find(c.why), std::string::npos) << r.message;
  }
  EXPECT_EQ(vd::failedWriteCount() - failuresBefore, 5u);
  EXPECT_EQ(slurp(dir_ / "victim"), "precious");
  EXPECT_TRUE(fs::is_symlink(dir_ / "cbm.wri"));
  EXPECT_FALSE(fs::exists(dir_ / "would-be-created"));
  EXPECT_TRUE(fs::is_fifo(dir_ / "gbm.wri"));
  EXPECT_EQ(slurp(dir_ / "tieCol.wri"), "kept");
  // Nothing but what was there: no temporary is left by a refused write.
  EXPECT_EQ(entries(), 6u);
}

TEST_F(FileWrite, ReplacesWholeKeepsModeAndLeavesNoTemporary) {
  put(dir_ / "Moment.emf", std::string(100000, 'o'));
  fs::permissions(dir_ / "Moment.emf", fs::perms::owner_read | fs::perms::owner_write);
  ASSERT_TRUE(writeFileAtomically(dir_ / "Moment.emf", "new").ok);
  EXPECT_EQ(slurp(dir_ / "Moment.emf"), "new");
  EXPECT_EQ(fs::status(dir_ / "Moment.emf").permissions(), fs::perms::owner_read | fs::perms::owner_write);
  // A new file gets what the umask allows.
  const mode_t mask = ::umask(022);
  ::umask(mask);
  ASSERT_TRUE(writeFileAtomically(dir_ / "cbm.wri", "r").ok);
  EXPECT_EQ(static_cast<mode_t>(fs::status(dir_ / "cbm.wri").permissions()), 0666 & ~mask);
  EXPECT_EQ(entries(), 2u);
  EXPECT_FALSE(writeFileAtomically(dir_ / "no such folder" / "x", "r").ok);
}

TEST_F(FileWrite, PlantedLinksAtTemporaryNamesAreNeverWrittenThrough) {
  // The names earlier versions used, and a guess at ours: each a link to a file the attacker wants.
  put(dir_ / "victim", "precious");
  for (const char* name : {"Moment.emf.tmp", "Vardelin.ini.tmp1234", ".Moment.emf.vdtmp-AAAAAA"})
    fs::create_symlink(dir_ / "victim", dir_ / name);
  for (int i = 0; i < 20; ++i) ASSERT_TRUE(writeFileAtomically(dir_ / "Moment.emf", std::to_string(i)).ok);
  EXPECT_EQ(slurp(dir_ / "victim"), "precious");
  EXPECT_EQ(slurp(dir_ / "Moment.emf"), "19");
}

TEST_F(FileWrite, StaleTemporariesOfOursOlderThanADayAreRemoved) {
  const fs::path old1 = dir_ / ".cbm.dat.vdtmp-Xy12Zq", old2 = dir_ / "cbm.dat.tmp4242", fresh = dir_ / ".cbm.dat.vdtmp-new123",
                 other = dir_ / ".other.vdtmp-Xy12Zq", user = dir_ / "cbm.dat.tmpnotes";
  for (const fs::path& p : {old1, old2, fresh, other, user}) put(p, "x");
  const time_t twoDaysAgo = ::time(nullptr) - 2 * 24 * 3600;
  const struct utimbuf t{twoDaysAgo, twoDaysAgo};
  for (const fs::path& p : {old1, old2, other, user}) ::utime(p.c_str(), &t);
  EXPECT_TRUE(vd::isOurTemporaryName(old1.filename().string(), "cbm.dat"));
  EXPECT_FALSE(vd::isOurTemporaryName(other.filename().string(), "cbm.dat"));

  ASSERT_TRUE(writeFileAtomically(dir_ / "cbm.dat", "stations").ok);
  EXPECT_FALSE(fs::exists(old1));
  EXPECT_FALSE(fs::exists(old2));
  EXPECT_TRUE(fs::exists(fresh));  // may belong to a write in progress
  EXPECT_TRUE(fs::exists(other));  // another target's, cleaned when that one is written
  EXPECT_TRUE(fs::exists(user));   // not our pattern
}

TEST_F(FileWrite, AFileTheUserMayNotWriteIsKeptEvenInAFolderTheUserOwns) {
  // As root: a root-owned 0644 file in a folder nobody owns. Renaming over it would succeed, which is
  // exactly what must not happen.
  put(dir_ / "cbm.wri", "root's");
  vdtest::handToOtherUser(dir_);
  const int rc = vdtest::runAsOtherUser([&] {
    if (::geteuid() != 0 && ::access((dir_ / "cbm.wri").c_str(), W_OK) == 0) return 3;  // not a useful case
    const vd::WriteResult r = writeFileAtomically(dir_ / "cbm.wri", "overwritten");
    if (r.ok) return 1;
    if (r.message.find("read-only") == std::string::npos) return 2;
    // A folder the user may not write: refused with the reason, nothing created.
    if (writeFileAtomically("/proc/vd_cannot_write_here", "x").ok) return 4;
    return 0;
  });
  if (rc == -1) GTEST_SKIP() << "cannot run as another user";
  if (rc == 3) GTEST_SKIP() << "this user owns the file";
  EXPECT_EQ(rc, 0);
  EXPECT_EQ(slurp(dir_ / "cbm.wri"), "root's");
  EXPECT_EQ(entries(), 1u);
}

TEST_F(FileWrite, AKillDuringAWriteLeavesTheOldOrTheNewFileWhole) {
  const std::string a(300000, 'a'), b(150000, 'b');
  ASSERT_TRUE(writeFileAtomically(dir_ / "cbm.wri", a).ok);
  for (int round = 0; round < 40; ++round) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      for (int i = 0;; ++i) (void)writeFileAtomically(dir_ / "cbm.wri", i % 2 ? a : b);
    }
    ::usleep(static_cast<useconds_t>(500 + round * 300));
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    const std::string now = slurp(dir_ / "cbm.wri");
    ASSERT_TRUE(now == a || now == b) << "round " << round << ": " << now.size() << " bytes";
  }
  // What the kills left are our own temporaries only, cleaned once they are a day old.
  for (auto& e : fs::directory_iterator(dir_)) {
    const std::string name = e.path().filename().string();
    EXPECT_TRUE(name == "cbm.wri" || vd::isOurTemporaryName(name, "cbm.wri")) << name;
  }
}

}  // namespace
