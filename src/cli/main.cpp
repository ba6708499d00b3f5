// vardelin-cli: runs a script of user actions against Vardelin's forms and prints what a user would see.
#include <fstream>
#include <iostream>
#include <string>

#include "app/all_forms.h"
#include "cli/script_runner.h"

#ifndef VARDELIN_VERSION
#define VARDELIN_VERSION "0.0.0"
#endif

namespace {

constexpr const char* kHelp = R"(Usage: vardelin-cli [--settings FILE] [SCRIPT]

Runs SCRIPT (a file, or standard input) of user actions against Vardelin's forms in the
current directory and prints what a user would see. Settings come from FILE, by default
Vardelin.ini in $XDG_CONFIG_HOME/Vardelin/ (else ~/.config/Vardelin/).

Script lines:
  # comment                      ignored, as are blank lines
  menu ITEM                      run the menu command ITEM ("&" and the accelerator dropped)
  set FIELD TEXT                 type TEXT into the edit field FIELD
  set FIELD[R] TEXT              a grid field: R the data row
  set FIELD[R,C] TEXT            ... and C the column from 0
  pick ITEM | pick #N | pick LIST #N
                                 select a list row by text (or unique prefix) or by number
  check BOX on|off               set a check box
  choose BUTTON                  click a radio button
  press BUTTON                   press a push button; "press Cancel" is the Escape key
  answer yes|no                  the answer to the next Yes/No question
  show pad                       print the report pad
  show FIELD                     print a control's text
  show status                    print the form's two status-bar parts
  show messages                  print the message boxes shown since the last "show messages"
  show menu ITEM                 print "enabled" or "grayed"

Names are compared ignoring case, runs of blanks and a trailing "=" or ":"; a unique prefix is
enough; double quotes enclose a name with blanks. Exit status: 0 when every line ran, 2 when a
line names a command, control or item that does not exist.

Example:
  printf 'menu ft in 1/16 -> mm\nset "ft in 1/16" 3 4 5\npress Calculate\npress OK\nshow pad\n' | vardelin-cli
)";

}  // namespace

int main(int argc, char** argv) {
  std::string settingsFile;
  std::string scriptFile;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "--help" || a == "-h") {
      std::cout << kHelp;
      return 0;
    }
    if (a == "--version") {
      std::cout << "vardelin-cli " << VARDELIN_VERSION << "\n";
      return 0;
    }
    if (a == "--settings" && i + 1 < argc) {
      settingsFile = argv[++i];
    } else if (a.rfind("--settings=", 0) == 0) {
      settingsFile = a.substr(11);
    } else if (!a.empty() && a[0] == '-' && a != "-") {
      std::cerr << "vardelin-cli: unknown option " << a << " (see --help)\n";
      return 2;
    } else {
      scriptFile = a;
    }
  }
  vd::Settings settings(settingsFile.empty() ? vd::Settings::defaultPath() : std::filesystem::path(settingsFile));
  vd::ScriptRunner runner(settings, std::cout, vd::allForms());
  if (scriptFile.empty() || scriptFile == "-") return runner.runScript(std::cin, std::cerr);
  std::ifstream in(scriptFile);
  if (!in) {
    std::cerr << "vardelin-cli: cannot open " << scriptFile << "\n";
    return 2;
  }
  return runner.runScript(in, std::cerr);
}
