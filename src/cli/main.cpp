// vardelin-cli: runs a script of user actions against Vardelin's forms and prints what a user would see.
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "app/all_forms.h"
#include "cli/batch_runner.h"
#include "cli/script_language.h"
#include "cli/script_runner.h"
#include "gui/package/package_pdf.h"

#ifndef VARDELIN_VERSION
#define VARDELIN_VERSION "0.0.0"
#endif

int main(int argc, char** argv) {
  std::string settingsFile;
  std::string scriptFile;
  std::string jobFile;
  bool batch = false;
  vd::BatchOptions batchOptions;
  std::string tableFile;
  bool lightest = false;
  std::string reportsDir;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "--help" || a == "-h") {
      std::cout << vd::scriptLanguageHelp();
      return 0;
    }
    if (a == "--version") {
      std::cout << "vardelin-cli " << VARDELIN_VERSION << "\n";
      return 0;
    }
    if (a == "--settings" || a.rfind("--settings=", 0) == 0) {
      if (a == "--settings" && i + 1 < argc) settingsFile = argv[++i];
      else if (a != "--settings") settingsFile = a.substr(11);
      if (const std::string why = vd::settingsFileProblem(settingsFile); !why.empty()) {
        std::cerr << "vardelin-cli: " << why << "\n";
        return 2;
      }
    } else if (a == "--job" || a.rfind("--job=", 0) == 0) {
      if (a == "--job" && i + 1 < argc) jobFile = argv[++i];
      else if (a != "--job") jobFile = a.substr(6);
      if (jobFile.empty()) {
        std::cerr << "vardelin-cli: --job needs a file name\n";
        return 2;
      }
    } else if (a == "--batch") {
      if (i + 2 >= argc) {
        std::cerr << "vardelin-cli: --batch FORM FILE.csv (see --help)\n";
        return 2;
      }
      batch = true;
      batchOptions.form = argv[++i];
      tableFile = argv[++i];
    } else if (a == "--lightest") {
      lightest = true;
    } else if (a == "--reports") {
      if (i + 1 >= argc || std::string(argv[i + 1]).empty()) {
        std::cerr << "vardelin-cli: --reports needs a folder\n";
        return 2;
      }
      reportsDir = argv[++i];
    } else if (!a.empty() && a[0] == '-' && a != "-") {
      std::cerr << "vardelin-cli: unknown option " << a << " (see --help)\n";
      return 2;
    } else {
      scriptFile = a;
    }
  }
  if (!batch && (lightest || !reportsDir.empty())) {
    std::cerr << "vardelin-cli: --lightest and --reports belong to --batch (see --help)\n";
    return 2;
  }
  if (batch && !scriptFile.empty()) {
    std::cerr << "vardelin-cli: --batch runs a table, not a script: give one or the other\n";
    return 2;
  }
  vd::Settings settings(settingsFile.empty() ? vd::Settings::defaultPath() : std::filesystem::path(settingsFile));
  // A batch reads the user's settings but keeps its rows' inputs to itself; what the script runner itself
  // prints (a grayed menu item) goes to standard error, so standard output is the table alone.
  if (batch) settings.holdWritesInMemory();
  vd::ScriptRunner runner(settings, batch ? std::cerr : std::cout, vd::allForms());
  if (!jobFile.empty()) {
    try {
      runner.setJob(std::make_unique<vd::JobSession>(vd::Job::openOrCreate(jobFile)));
    } catch (const vd::JobError& e) {
      std::cerr << "vardelin-cli: " << e.what() << "\n";
      return 2;
    }
  }
  runner.setPackageExporter([&settings](const vd::Job& job, const std::filesystem::path& file, std::string& error) {
    return vd::gui::exportPackage(job, file, vd::gui::paperSetting(settings), error);
  });
  if (batch) {
    batchOptions.lightest = lightest;
    batchOptions.reportsDir = reportsDir;
    std::ostringstream table;
    std::error_code ec;
    if (tableFile == "-") {
      table << std::cin.rdbuf();
    } else if (std::filesystem::is_directory(tableFile, ec)) {
      std::cerr << "vardelin-cli: cannot open the table " << tableFile << ": it is a folder, not a file\n";
      return 2;
    } else {
      std::ifstream in(tableFile, std::ios::binary);
      if (!in) {
        const int why = errno;
        std::cerr << "vardelin-cli: cannot open the table " << tableFile << ": " << std::strerror(why) << "\n";
        return 2;
      }
      table << in.rdbuf();
    }
    return vd::BatchRunner(runner, batchOptions, std::cout, std::cerr).run(table.str());
  }
  if (scriptFile.empty() || scriptFile == "-") return runner.runScript(std::cin, std::cerr);
  std::ifstream in(scriptFile);
  if (!in) {
    const int why = errno;
    std::cerr << "vardelin-cli: cannot open the script " << scriptFile << ": " << std::strerror(why) << "\n";
    return 2;
  }
  std::error_code ec;
  if (std::filesystem::is_directory(scriptFile, ec)) {
    std::cerr << "vardelin-cli: cannot open the script " << scriptFile << ": it is a folder, not a file\n";
    return 2;
  }
  return runner.runScript(in, std::cerr);
}
