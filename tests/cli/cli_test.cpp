#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "support/cli_run.h"

namespace {

using Result = vdtest::CliRun;
using vdtest::runArgs;
const auto runCli = [](const std::string& script, const std::string& extraArgs = "",
                       const std::function<void(const std::filesystem::path&)>& prepare = nullptr) {
  return vdtest::runScript(script, extraArgs, prepare);
};

TEST(Cli, ConvertsAndPrintsThePad) {
  Result r = runCli("menu ft in 1/16 -> mm\nset \"ft in 1/16\" 3 4 5\npress Calculate\npress OK\nshow pad\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "\n3'-4 5/16 = 3.3594ft = 1023.94mm\n");
}

TEST(Cli, LabelsMatchLooselyAndStartTextShows) {
  Result r = runCli("# comment\n\nshow pad\nmenu MM -> FT IN 1/16\nset   MM=  250\npress calc\nshow \"FT  IN 1/16:\"\n"
                    "press Cancel\nshow menu Moment diagram\nshow menu Simp. Beam Design\n");
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_EQ(r.out, "\n This space is designed for you to cut and paste.\n0'- 9 13/16\"\ngrayed\nenabled\n");
}

TEST(Cli, UnknownNamesStopWithStatusTwo) {
  for (const char* script : {"menu No Such Command\n", "menu ft in 1/16 -> mm\nset nosuchfield 3\n",
                             "menu ft in 1/16 -> mm\npress Nope\n", "frobnicate\n", "set x 1\n",
                             "menu mm -> ft in 1/16\npick #3\n",
                             // Apply belongs to property sheets only.
                             "menu mm -> ft in 1/16\npress Apply\n"}) {
    Result r = runCli(script);
    EXPECT_EQ(r.status, 2) << script;
    EXPECT_NE(r.out.find("line "), std::string::npos) << r.out;
  }
}

TEST(Cli, GrayedCommandsSayTheyAreGrayed) {
  Result r = runCli("menu Moment diagram\nshow pad\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "grayed: Moment diagram\n\n This space is designed for you to cut and paste.\n");
}

TEST(Cli, VersionAndHelp) {
  EXPECT_EQ(runCli("", "--version").out.rfind("vardelin-cli ", 0), 0u);
  // The help documents every line of the script language.
  const std::string help = runCli("", "--help").out;
  for (const char* line : {"# comment", "menu ITEM", "set FIELD TEXT", "set FIELD[R] TEXT", "set FIELD[R,C] TEXT",
                           "pick ITEM", "pick #N", "pick LIST #N", "check BOX on|off", "choose BUTTON",
                           "press BUTTON", "press Cancel", "press Apply", "press OK", "answer yes|no", "show pad",
                           "show FIELD", "show status", "show candidates", "show messages", "show menu ITEM", "grayed: ITEM",
                           "--settings FILE", "--version", "Exit status"})
    EXPECT_NE(help.find(line), std::string::npos) << line;
}

TEST(Cli, BadArgumentsSayWhatIsWrong) {
  struct Case {
    const char* args;
    const char* says;
  } cases[] = {
      {"--settings", "--settings needs a file name"},
      {"--settings=", "--settings needs a file name"},
      {"--settings no/such/folder/v.ini", "the folder no/such/folder does not exist"},
      {"--settings t.ini nosuch.txt", "cannot open the script nosuch.txt: No such file or directory"},
      {"--settings t.ini .", "cannot open the script .: it is a folder"},
  };
  for (const Case& c : cases) {
    const Result r = runArgs(c.args);
    EXPECT_EQ(r.status, 2) << c.args;
    EXPECT_NE(r.out.find(c.says), std::string::npos) << c.args << ": " << r.out;
  }
}

// Every example of the script language in the README runs exactly as written: the indented blocks
// whose lines are all script lines, one run per example (examples are separated by blank lines).
TEST(Cli, ReadmeExamplesRunAsWritten) {
  std::ifstream in(VD_SOURCE_DIR "/README.md");
  ASSERT_TRUE(in);
  std::vector<std::string> examples;
  std::string line, current;
  bool scriptBlock = true;
  auto finish = [&] {
    if (!current.empty() && scriptBlock) examples.push_back(current);
    current.clear();
    scriptBlock = true;
  };
  const std::string verbs[] = {"# ", "menu ", "set ", "pick ", "check ", "choose ", "press ", "answer ", "show "};
  while (std::getline(in, line)) {
    if (line.rfind("    ", 0) != 0) {
      finish();
      continue;
    }
    const std::string body = line.substr(4);
    bool isScript = false;
    for (const std::string& v : verbs) isScript = isScript || body.rfind(v, 0) == 0;
    scriptBlock = scriptBlock && isScript;
    current += body + "\n";
  }
  finish();
  ASSERT_GE(examples.size(), 7u);
  for (const std::string& example : examples) {
    const Result r = runCli(example);
    EXPECT_EQ(r.status, 0) << example << r.out;
    EXPECT_EQ(r.out.find("line "), std::string::npos) << example << r.out;
  }
}

TEST(Cli, UnshownMessagesGoToStandardErrorAndAFailedWriteExitsWithOne) {
  const std::string beam = "menu Simp. Beam Design\nset Span 20\nset I 100\nset E 29000\n"
                           "set \"point loads\"[0,0] 10\nset \"point loads\"[0,1] 10\npress Calculate the results\n"
                           "press OK\n";
  EXPECT_EQ(runCli(beam).status, 0);
  std::filesystem::path victim;
  Result r = runCli(beam + "show pad\n", "", [&](const std::filesystem::path& dir) {
    victim = dir / "victim";
    std::ofstream(victim) << "precious";
    std::filesystem::create_symlink(victim, dir / "cbm.wri");
  });
  EXPECT_EQ(r.status, 1) << r.out;
  EXPECT_NE(r.out.find("message: cbm app: Could not write the file"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("symbolic link"), std::string::npos) << r.out;
  // The pad still shows this run's report, not the link target's text.
  EXPECT_NE(r.out.find("point load = 10.00 kip. at 10.00'"), std::string::npos) << r.out;
  std::ifstream in(victim);
  std::string kept;
  std::getline(in, kept);
  EXPECT_EQ(kept, "precious");
}

TEST(Cli, ScriptErrorsNameTheProblemAndQuoteTheLineSafely) {
  // A byte-order mark before the first line is not part of it.
  EXPECT_EQ(runCli("\xEF\xBB\xBFmenu ft in 1/16 -> mm\npress Cancel\n").status, 0);
  const struct {
    std::string script, said;
  } cases[] = {
      {"frobnicate\n", "line 1: unknown command: frobnicate: \"frobnicate\"\n"},
      {"show menu \n", "line 1: show menu ITEM: the menu item is missing: \"show menu\"\n"},
      {"menu \x01\x7f\xff" + std::string(100000, 'x') + "\n",
       "line 1: no such menu item: \\x01\\x7F\\xFF" + std::string(138, 'x') + "...: \"menu \\x01\\x7F\\xFF" +
           std::string(72, 'x') + "...\"\n"},
  };
  for (const auto& c : cases) {
    const Result r = runCli(c.script);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, c.said);
  }
}

}  // namespace
