#pragma once
// Runs one form over every row of a CSV table with the script runner's own operations (open the form by
// its menu text, type the fields, pick the section, press the buttons, read the result), so a row gives
// exactly what the equivalent script gives. Prints one CSV line per row as it finishes.
#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/script_runner.h"

namespace vd {

struct BatchOptions {
  std::string form;                   // the menu item text, as a script's "menu" line names it
  bool lightest = false;              // a row without a section gets the form's lightest passing one
  std::filesystem::path reportsDir;   // each row's report as DIR/NNN-mark.txt; empty: none
};

class BatchRunner {
 public:
  BatchRunner(ScriptRunner& runner, BatchOptions options, std::ostream& out, std::ostream& err);

  // Runs every row of the table. Returns 0 when every row was calculated and every file written; 1 when a
  // row could not be calculated (its line says why) or a file could not be written; 2, with a message on
  // err and no row run, when the form or a header column does not exist or the text is not CSV.
  int run(std::string_view csvText);

 private:
  enum class Role { Mark, Section, Input };
  struct Column {
    std::string name;  // as the header gives it
    Role role = Role::Input;
    int control = 0;
    ControlKind kind = ControlKind::Edit;
  };
  // What one row gave.
  struct Outcome {
    bool calculated = false;
    std::string ratio, verdict, check, chosen, found, report;
  };

  std::string resolveColumns(const std::vector<std::string>& header);
  Outcome runRow(const std::vector<std::string>& cells);
  // The form's refusal as an error outcome: the field it named (by its column when there is one) and why.
  Outcome refused(const std::string& fallback);
  Outcome error(const std::string& column, const std::string& reason);
  void closeForm();
  bool writeReport(int rowNumber, const std::string& mark, const std::string& report);

  ScriptRunner& runner_;
  BatchOptions options_;
  std::ostream& out_;
  std::ostream& err_;
  std::vector<Column> columns_;
  int locationId_ = 0;  // the form's location text (its first multi-line field), 0 without one
  int sectionId_ = 0;   // the form's section list (its first list box, else its first drop-down), 0 without one
  std::string lightestButton_;  // the label of the form's "Lightest" button, "" without one
  std::vector<std::string> reportNames_;  // the report files written, lower case
};

// A report file's name for a row: "007-B-101.txt". Characters other than letters, digits, "-", "_"
// and "." become "_", a run of dots one dot, so that no name climbs out of its folder or hides.
std::string reportFileName(int rowNumber, std::string_view mark);

}  // namespace vd
