#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <filesystem>
#include <optional>

#include "platform/settings.h"
#include "support/other_user.h"
#include "support/scratch_dir.h"

namespace fs = std::filesystem;
using vd::Settings;

namespace {

class SettingsTest : public vdtest::ScratchDir {
 protected:
  void SetUp() override {
    ScratchDir::SetUp();
    file = dir_ / "Vardelin.ini";
  }
  std::string contents() const { return slurp(file); }
  void writeFile(const std::string& text) const { put(file, text); }
  fs::path file;
};

TEST_F(SettingsTest, MissingFileGivesDefaultsAndFirstWriteCreatesIt) {
  Settings s(file);
  EXPECT_EQ(s.read("Project", "ID", "", 10), "");
  EXPECT_EQ(s.read("Wood", "sawnSpecieNum", "0", 20), "0");
  EXPECT_EQ(s.readInt("AISC", "wfNum"), 0);
  EXPECT_FALSE(fs::exists(file));
  ASSERT_TRUE(s.write("Project", "ID", "J-1234"));
  EXPECT_TRUE(fs::exists(file));
  EXPECT_EQ(s.read("Project", "ID", "", 10), "J-1234");
}

// A search runs a form's calculation, which stores its inputs, on hundreds of rows: held writes are seen
// by reads but never reach the file, and are gone when the hold ends (or on request).
TEST_F(SettingsTest, HeldWritesLeaveTheFileAndAreForgotten) {
  writeFile("[WF_BM]\r\nFy=36.00\r\n");
  Settings s(file);
  for (bool scoped : {true, false}) {
    {
      std::optional<Settings::Hold> hold;
      if (scoped) hold.emplace(s);
      else s.holdWritesInMemory();
      EXPECT_TRUE(s.write("WF_BM", "Fy", "50.00"));
      EXPECT_TRUE(s.write("Project", "Note", "B-101"));
      EXPECT_EQ(s.read("wf_bm", "FY", "", 10), "50.00");
      EXPECT_EQ(s.read("Project", "Note", "", 32), "B-101");
      EXPECT_EQ(contents(), "[WF_BM]\r\nFy=36.00\r\n");
      if (!scoped) s.discardHeldWrites();
    }
    EXPECT_EQ(s.read("WF_BM", "Fy", "", 10), "36.00") << scoped;
    EXPECT_EQ(s.read("Project", "Note", "none", 32), "none") << scoped;
  }
}

// A batch of writes reaches the file once, at its end, as the same writes one by one would have left it.
TEST_F(SettingsTest, BatchedWritesReachTheFileTogetherAsSingleWritesWould) {
  writeFile("[WF_BM]\r\nmoment=120\r\n");
  {
    Settings s(file);
    const Settings::Batch batch(s);
    EXPECT_TRUE(s.write("WF_BM", "moment", "150"));
    EXPECT_TRUE(s.write("WF_BM", "Fy", "36"));
    EXPECT_TRUE(s.write("AISC", "wideFlangeNum", "7"));
    EXPECT_TRUE(s.write("wf_bm", "MOMENT", "175"));
    EXPECT_EQ(s.read("WF_BM", "moment", "", 32), "175");
    EXPECT_EQ(contents(), "[WF_BM]\r\nmoment=120\r\n");
  }
  EXPECT_EQ(contents(), "[WF_BM]\r\nMOMENT=175\r\nFy=36\r\n[AISC]\r\nwideFlangeNum=7\r\n");
}

TEST_F(SettingsTest, SectionsAndKeysMatchWithoutCase) {
  Settings s(file);
  s.write("Project", "Note", "grid line A");
  EXPECT_EQ(s.read("PROJECT", "NOTE", "", 250), "grid line A");
  s.write("project", "NOTE", "grid line B");
  EXPECT_EQ(s.read("Project", "Note", "", 250), "grid line B");
  // One key, not two.
  std::string text = contents();
  EXPECT_EQ(text.find("grid line A"), std::string::npos);
  EXPECT_EQ(text.find("[project]"), std::string::npos) << text;
}

TEST_F(SettingsTest, ReadsAreCutToCapacityAndIntegersTakeLeadingDigitsWithinRange) {
  Settings s(file);
  s.write("Project", "ID", "0123456789ABC");
  EXPECT_EQ(s.read("Project", "ID", "", 10), "012345678");
  EXPECT_EQ(s.read("Project", "missing", "defaultlong", 4), "def");
  EXPECT_EQ(s.read("Project", "ID", "", 1), "");
  // Stored text -> readInt with default -1 (what does not fit in the stored range reads as the default).
  const struct {
    const char* text;
    int value;
  } cases[] = {{"42", 42}, {"-7xyz", -7}, {"abc", 0}, {"  12 ", 12}, {"1000000", 1000000}, {"-1000001", -1},
               {"-2147483648", -1}, {"2147483647", -1}, {"123456789012345678901234567890", -1},
               {"-123456789012345678901234567890", -1}};
  for (const auto& c : cases) {
    s.write("AISC", "DBLLNUM", c.text);
    EXPECT_EQ(s.readInt("aisc", "dbllnum", -1), c.value) << c.text;
  }
  EXPECT_EQ(s.readInt("AISC", "missing", 10), 10);
  EXPECT_TRUE(s.formatAndWrite("WF_BM", "Fy", "%.2lf", 50.0));
  EXPECT_EQ(s.read("wf_bm", "fy"), "50.00");
}

TEST_F(SettingsTest, OddLinesAndOtherSectionsSurviveWrites) {
  writeFile("; a comment\r\n[Project]\r\nID=77\r\njunk line without equals\r\n\r\n[Other]\nkey = spaced value \n"
            "[Broken\nx=1\n");
  Settings s(file);
  EXPECT_EQ(s.read("Other", "key", "", 64), "spaced value");
  s.write("Project", "Note", "bay 3");
  s.write("NewSection", "k", "v");
  const std::string text = contents();
  EXPECT_NE(text.find("; a comment"), std::string::npos);
  EXPECT_NE(text.find("junk line without equals"), std::string::npos);
  EXPECT_NE(text.find("[Broken"), std::string::npos);
  EXPECT_EQ(s.read("Project", "ID"), "77");
  EXPECT_EQ(s.read("Project", "Note"), "bay 3");
  EXPECT_EQ(s.read("Other", "key", "", 64), "spaced value");
  EXPECT_EQ(s.read("NewSection", "k"), "v");
  // The new key joins its own section, before the next one.
  EXPECT_LT(text.find("Note=bay 3"), text.find("[Other]"));
  // A value cannot break the layout.
  s.write("Project", "Remark", "line one\r\n[Evil]\r\nID=1");
  EXPECT_EQ(s.read("Evil", "ID"), "");
  EXPECT_EQ(s.read("Project", "Remark", "", 250), "line one  [Evil]  ID=1");
}

TEST_F(SettingsTest, WriteReplacesTheFileAtomically) {
  Settings s(file);
  for (int i = 0; i < 50; ++i) s.write("S" + std::to_string(i % 5), "k" + std::to_string(i), std::to_string(i));
  for (int i = 0; i < 50; ++i) EXPECT_EQ(s.readInt("S" + std::to_string(i % 5), "k" + std::to_string(i)), i);
  // No temporary files are left behind: the file and its lock file only.
  EXPECT_EQ(entries(), 2u);
  EXPECT_TRUE(fs::exists(dir_ / "Vardelin.ini.lock"));
}

TEST_F(SettingsTest, FailedWritesKeepTheFileAndReportOnce) {
  writeFile("[Project]\r\nID=keep\r\n");
  fs::permissions(file, fs::perms::owner_read | fs::perms::group_read, fs::perm_options::replace);
  Settings s(file);
  int reports = 0;
  std::string text;
  s.onWriteFailure([&](const std::string& m) { ++reports, text = m; });
  EXPECT_FALSE(s.write("Project", "ID", "lost"));
  EXPECT_FALSE(s.write("Project", "Note", "lost too"));
  EXPECT_EQ(reports, 1);
  EXPECT_NE(text.find("Vardelin.ini"), std::string::npos);
  EXPECT_NE(text.find("read-only"), std::string::npos) << text;
  // This session goes on with what was typed; the file and the next session keep the old value.
  EXPECT_EQ(s.read("project", "id"), "lost");
  EXPECT_EQ(Settings(file).read("Project", "ID"), "keep");
  EXPECT_EQ(Settings(file).read("Project", "Note"), "");

  // A directory where the file should be: reads give defaults, writes fail.
  Settings d(dir_);
  EXPECT_EQ(d.read("Project", "ID", "dflt"), "dflt");
  EXPECT_FALSE(d.write("Project", "ID", "x"));
}

TEST(SettingsPath, DefaultFollowsXdgConfigHome) {
  const char* old = std::getenv("XDG_CONFIG_HOME");
  std::string saved = old ? old : "";
  ::setenv("XDG_CONFIG_HOME", "/tmp/xdgtest", 1);
  EXPECT_EQ(Settings::defaultPath(), fs::path("/tmp/xdgtest/Vardelin/Vardelin.ini"));
  ::unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(Settings::defaultPath().filename(), "Vardelin.ini");
  EXPECT_EQ(Settings::defaultPath().parent_path().filename(), "Vardelin");
  if (old) ::setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
}

TEST_F(SettingsTest, GarbageAndHugeLinesReadAsDefaults) {
  std::string garbage;
  for (int i = 0; i < 5000; ++i) garbage += static_cast<char>((i * 7919) % 256);
  writeFile(garbage + "\n" + std::string(100000, 'k') + "=v\n[Project\nID=x\n");
  Settings s(file);
  EXPECT_EQ(s.read("Project", "ID", "dflt"), "dflt");
  EXPECT_EQ(s.readInt("AISC", "wfNum"), 0);
  ASSERT_TRUE(s.write("Project", "ID", "J1"));
  EXPECT_EQ(s.read("Project", "ID"), "J1");
  // The odd content stays in the file.
  EXPECT_NE(contents().find(std::string(100000, 'k') + "=v"), std::string::npos);
  // A line as long as the longest kept is kept but never read.
  writeFile("[Project]\r\nID=" + std::string(Settings::kMaxLineBytes, '7') + "\r\n");
  Settings o(file);
  EXPECT_EQ(o.read("Project", "ID", "none"), "none");
  ASSERT_TRUE(o.write("Project", "ID", "8"));
  EXPECT_EQ(o.read("Project", "ID"), "8");
  EXPECT_NE(contents().find(std::string(Settings::kMaxLineBytes, '7')), std::string::npos);
}

TEST_F(SettingsTest, KilledWriterNeverLosesOtherKeys) {
  {
    Settings s(file);
    for (int i = 0; i < 100; ++i) s.write("Keep", "k" + std::to_string(i), std::to_string(i * 3));
  }
  for (int round = 0; round < 20; ++round) {
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      Settings s(file);
      for (int i = 0;; ++i) s.write("Busy", "counter", std::to_string(i));
    }
    ::usleep(static_cast<useconds_t>(2000 + round * 1500));
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    Settings s(file);
    for (int i = 0; i < 100; i += 9) ASSERT_EQ(s.readInt("Keep", "k" + std::to_string(i)), i * 3) << "round " << round;
  }
}

TEST_F(SettingsTest, AFileThatCannotBeReadIsNeverWritten) {
  const std::string text = "[Project]\r\nID=mine\r\n[AISC]\r\nwfNum=12\r\n";
  writeFile(text);
  ::chmod(file.c_str(), 0200);  // the owner may write but not read
  vdtest::handToOtherUser(dir_);
  (void)!::chown(file.c_str(), vdtest::kOtherUid, vdtest::kOtherGid);
  const int rc = vdtest::runAsOtherUser([&] {
    Settings s(file);
    int reports = 0;
    std::string said;
    if (s.read("Project", "ID", "dflt") != "dflt") return 1;  // before any handler: reported later
    s.onWriteFailure([&](const std::string& m) { ++reports, said = m; });
    if (reports != 1 || said.find("cannot be read") == std::string::npos) return 2;
    if (s.write("Project", "ID", "J-9") || s.write("AISC", "wfNum", "3")) return 3;
    if (reports != 1) return 4;
    // The session keeps what was typed.
    if (s.read("Project", "ID") != "J-9" || s.readInt("AISC", "wfNum") != 3) return 5;
    return 0;
  });
  if (rc == -1) GTEST_SKIP() << "cannot run as another user";
  EXPECT_EQ(rc, 0);
  EXPECT_EQ(contents(), text);
  EXPECT_EQ(fs::status(file).permissions(), fs::perms::owner_write);
}

TEST_F(SettingsTest, FifosDevicesAndHugeFilesAreRefusedWithoutHanging) {
  const fs::path fifo = dir_ / "fifo.ini";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
  std::ofstream(dir_ / "big.ini", std::ios::binary) << "[Project]\nID=big\n" << std::string(5u << 20, ';');
  for (const fs::path& p : {fifo, fs::path("/dev/zero"), dir_ / "big.ini"}) {
    Settings s(p);
    std::string said;
    s.onWriteFailure([&](const std::string& m) { said = m; });
    EXPECT_EQ(s.read("Project", "ID", "dflt"), "dflt") << p;
    EXPECT_FALSE(s.write("Project", "ID", "x")) << p;
    EXPECT_NE(said.find("cannot be read"), std::string::npos) << said;
  }
  EXPECT_TRUE(fs::is_fifo(fifo));
  EXPECT_EQ(fs::file_size(dir_ / "big.ini"), 17u + (5u << 20));
}

TEST_F(SettingsTest, ModeLinksAndByteOrderMarkSurviveAWrite) {
  // A UTF-8 byte-order mark does not hide the first section, and stays single.
  const fs::path real = dir_ / "real" / "Vardelin.ini";
  fs::create_directories(real.parent_path());
  std::ofstream(real, std::ios::binary) << "\xEF\xBB\xBF[Project]\r\nID=77\r\n";
  ::chmod(real.c_str(), 0600);
  fs::create_symlink(real, file);
  Settings s(file);
  EXPECT_EQ(s.read("Project", "ID"), "77");
  ASSERT_TRUE(s.write("Project", "Note", "bay 3"));
  EXPECT_TRUE(fs::is_symlink(file));
  EXPECT_EQ(fs::status(real).permissions(), fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(slurp(real), "\xEF\xBB\xBF[Project]\r\nID=77\r\nNote=bay 3\r\n");
}

TEST_F(SettingsTest, TwoWritersAtOnceKeepEachOthersKeys) {
  pid_t children[2];
  for (int w = 0; w < 2; ++w) {
    children[w] = ::fork();
    ASSERT_GE(children[w], 0);
    if (children[w] == 0) {
      Settings s(file);
      bool ok = true;
      for (int i = 0; i < 150; ++i) ok = s.write("W" + std::to_string(w), "k" + std::to_string(i), std::to_string(i)) && ok;
      ::_exit(ok ? 0 : 1);
    }
  }
  for (pid_t c : children) {
    int status = 0;
    ::waitpid(c, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  Settings s(file);
  for (int w = 0; w < 2; ++w)
    for (int i = 0; i < 150; ++i) ASSERT_EQ(s.readInt("W" + std::to_string(w), "k" + std::to_string(i), -1), i);
}

}  // namespace

