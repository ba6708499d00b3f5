// The command-line program's arguments, exit status and script errors. What scripts print is in the
// golden scripts (tests/golden/cli/script_language.txt and the others).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/cli_run.h"

namespace {

using vdtest::runScript;

// Each run: its arguments (script.txt is the script, when one is given), the exit status and what it
// prints (the whole output when `whole`, else a part of it).
TEST(Cli, ArgumentsAndScriptErrorsGiveTheirStatusAndSayWhatIsWrong) {
  struct Case {
    std::string args, script;
    int status;
    std::string says;
    bool whole = false;
  };
  const std::string hostile = "menu \x01\x7f\xff" + std::string(100000, 'x') + "\n";
  const Case cases[] = {
      // A byte-order mark before the first line is not part of it.
      {"script.txt", "\xEF\xBB\xBFmenu ft in 1/16 -> mm\npress Cancel\n", 0, "", true},
      {"--version", "", 0, "vardelin-cli "},
      {"--settings", "", 2, "--settings needs a file name"},
      {"--settings=", "", 2, "--settings needs a file name"},
      {"--settings no/such/folder/v.ini", "", 2, "the folder no/such/folder does not exist"},
      {"--settings t.ini nosuch.txt", "", 2, "cannot open the script nosuch.txt: No such file or directory"},
      {"--settings t.ini .", "", 2, "cannot open the script .: it is a folder"},
      // A script stops at the first line that names something that does not exist.
      {"script.txt", "menu No Such Command\n", 2, "line 1: no such menu item: No Such Command"},
      {"script.txt", "menu ft in 1/16 -> mm\nset nosuchfield 3\n", 2, "line 2: "},
      {"script.txt", "menu ft in 1/16 -> mm\npress Nope\n", 2, "line 2: "},
      {"script.txt", "set x 1\n", 2, "line 1: "},
      {"script.txt", "menu mm -> ft in 1/16\npick #3\n", 2, "line 2: "},
      {"script.txt", "menu mm -> ft in 1/16\npress Apply\n", 2, "line 2: "},  // property sheets only
      {"script.txt", "frobnicate\n", 2, "line 1: unknown command: frobnicate: \"frobnicate\"\n", true},
      {"script.txt", "show menu \n", 2, "line 1: show menu ITEM: the menu item is missing: \"show menu\"\n", true},
      // Control bytes are escaped and a long line is cut in the message, never in what runs.
      {"script.txt", hostile, 2,
       "line 1: no such menu item: \\x01\\x7F\\xFF" + std::string(138, 'x') + "...: \"menu \\x01\\x7F\\xFF" +
           std::string(72, 'x') + "...\"\n",
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args + " / " + c.script.substr(0, 40));
    const vdtest::CliRun r = c.script.empty() ? vdtest::runArgs(c.args) : runScript(c.script);
    EXPECT_EQ(r.status, c.status) << r.out;
    if (c.whole) {
      EXPECT_EQ(r.out, c.says);
    } else {
      EXPECT_NE(r.out.find(c.says), std::string::npos) << r.out;
    }
  }
}

TEST(Cli, HelpDocumentsEveryLineOfTheScriptLanguage) {
  const std::string help = runScript("", "--help").out;
  for (const char* line : {"# comment", "menu ITEM", "set FIELD TEXT", "set FIELD[R] TEXT", "set FIELD[R,C] TEXT",
                           "pick ITEM", "pick #N", "pick LIST #N", "check BOX on|off", "choose BUTTON",
                           "press BUTTON", "press Cancel", "press Apply", "press OK", "answer yes|no", "show pad",
                           "show FIELD", "show status", "show candidates", "show messages", "show menu ITEM", "grayed: ITEM",
                           "--settings FILE", "--version", "Exit status"})
    EXPECT_NE(help.find(line), std::string::npos) << line;
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
    const vdtest::CliRun r = runScript(example);
    EXPECT_EQ(r.status, 0) << example << r.out;
    EXPECT_EQ(r.out.find("line "), std::string::npos) << example << r.out;
  }
}

// A report file that cannot be written (here a symbolic link planted in its place) exits with 1, its
// message goes to standard error, the link's target is left alone and the pad shows this run's report.
TEST(Cli, AFailedWriteExitsWithOneAndTouchesNothing) {
  std::filesystem::path victim;
  const vdtest::CliRun r = runScript(
      "menu Simp. Beam Design\nset Span 20\nset I 100\nset E 29000\nset \"point loads\"[0,0] 10\n"
      "set \"point loads\"[0,1] 10\npress Calculate the results\npress OK\nshow pad\n",
      "", [&](const std::filesystem::path& dir) {
        victim = dir / "victim";
        std::ofstream(victim) << "precious";
        std::filesystem::create_symlink(victim, dir / "cbm.wri");
      });
  EXPECT_EQ(r.status, 1) << r.out;
  EXPECT_NE(r.out.find("message: cbm app: Could not write the file"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("symbolic link"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("point load = 10.00 kip. at 10.00'"), std::string::npos) << r.out;
  EXPECT_EQ(r.file("victim"), "precious");
}

}  // namespace
