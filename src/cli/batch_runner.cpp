#include "cli/batch_runner.h"

#include <algorithm>
#include <cctype>
#include <ostream>
#include <set>

#include "cli/csv.h"
#include "platform/file_write.h"

namespace vd {

namespace {

const std::vector<ControlKind> kInputKinds = {ControlKind::Edit,     ControlKind::MultiEdit, ControlKind::ListBox,
                                              ControlKind::DropDown, ControlKind::CheckBox,  ControlKind::Radio};

std::string trim(std::string_view s) {
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
  return std::string(s);
}

// A text of several lines (a message, the rows a search found) as one CSV cell line: the lines trimmed,
// blank runs folded, joined by "; " (by a blank after a heading that ends in ":").
std::string oneLine(const std::string& text) {
  std::string out;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line;
    bool blank = false;
    for (char c : trim(text.substr(start, end - start))) {
      if (std::isspace(static_cast<unsigned char>(c))) {
        blank = true;
        continue;
      }
      if (blank) line += ' ';
      blank = false;
      line += c;
    }
    if (!line.empty()) {
      if (!out.empty()) out += out.back() == ':' ? " " : "; ";
      out += line;
    }
    start = end + 1;
  }
  return out;
}

bool isChoice(ControlKind k) {
  return k == ControlKind::ListBox || k == ControlKind::DropDown || k == ControlKind::CheckBox || k == ControlKind::Radio;
}

// The row of a list a cell names: its exact text, else the one row equal to it as labels compare.
// Never a prefix: a table that names a section must name it whole.
int findItem(const std::vector<std::string>& items, const std::string& value) {
  for (std::size_t i = 0; i < items.size(); ++i)
    if (items[i] == value) return static_cast<int>(i);
  int found = -1;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (normalizeLabel(items[i]) != normalizeLabel(value)) continue;
    if (found >= 0) return -1;
    found = static_cast<int>(i);
  }
  return found;
}

// "on"/"off" and their usual spellings; nullopt for anything else.
std::optional<bool> onOff(const std::string& value) {
  const std::string v = normalizeLabel(value);
  if (v == "on" || v == "yes" || v == "1" || v == "x" || v == "true") return true;
  if (v == "off" || v == "no" || v == "0" || v == "false") return false;
  return std::nullopt;
}

std::string inQuotes(const std::string& name) { return "\"" + name + "\""; }

}  // namespace

std::string reportFileName(int rowNumber, std::string_view mark) {
  std::string safe;
  for (char c : mark) {
    const bool ok = std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_' || c == '.';
    const char put = ok ? c : '_';
    // One dot for a run of dots (no ".."), one "_" for a run of characters replaced.
    if (!safe.empty() && safe.back() == put && (put == '.' || !ok)) continue;
    safe += put;
    if (safe.size() >= 80) break;
  }
  const std::string number = format("%03d", rowNumber);
  return safe.empty() ? number + ".txt" : number + "-" + safe + ".txt";
}

BatchRunner::BatchRunner(ScriptRunner& runner, BatchOptions options, std::ostream& out, std::ostream& err)
    : runner_(runner), options_(std::move(options)), out_(out), err_(err) {}

std::string BatchRunner::resolveColumns(const std::vector<std::string>& header) {
  const FormLayout& layout = runner_.currentHost()->formLayout();
  for (const Control& c : layout.controls)
    if (c.kind == ControlKind::MultiEdit) {
      locationId_ = c.id;
      break;
    }
  for (ControlKind kind : {ControlKind::ListBox, ControlKind::DropDown})
    for (const Control& c : layout.controls)
      if (!sectionId_ && c.kind == kind) sectionId_ = c.id;
  try {
    lightestButton_ = runner_.namedControl("Lightest", {ControlKind::Button}).label;
  } catch (const ScriptError&) {
    lightestButton_.clear();
  }

  std::vector<std::string> problems;
  std::set<int> used;
  std::set<std::string> names;
  for (const std::string& raw : header) {
    Column col;
    col.name = trim(raw);
    const std::string n = normalizeLabel(col.name);
    if (!names.insert(n).second) {
      problems.push_back(inQuotes(col.name) + " is given twice");
      continue;
    }
    if (n == "mark" || n == "section") {
      col.role = n == "mark" ? Role::Mark : Role::Section;
      col.control = n == "mark" ? locationId_ : sectionId_;
    } else {
      // A grid cell is named as a script names it, "point loads[0,1]".
      std::string name = col.name;
      std::optional<int> row, column;
      const std::size_t open = name.rfind('[');
      if (open != std::string::npos && name.back() == ']') {
        const std::string index = name.substr(open + 1, name.size() - open - 2);
        const std::size_t comma = index.find(',');
        const std::string r = trim(index.substr(0, comma)), c = comma == std::string::npos ? "-" : trim(index.substr(comma + 1));
        auto digits = [](const std::string& s) { return !s.empty() && s.size() < 6 && s.find_first_not_of("0123456789") == std::string::npos; };
        if (digits(r) && (comma == std::string::npos || digits(c))) {
          row = std::stoi(r);
          if (comma != std::string::npos) column = std::stoi(c);
          name = trim(name.substr(0, open));
        }
      }
      try {
        const Control& c = runner_.namedControl(name, kInputKinds, row, column);
        col.control = c.id;
        col.kind = c.kind;
      } catch (const ScriptError& e) {
        problems.push_back(inQuotes(col.name) + ": " + e.what());
        continue;
      }
    }
    if (col.control != 0 && !used.insert(col.control).second) {
      problems.push_back(inQuotes(col.name) + " names a field another column already fills");
      continue;
    }
    columns_.push_back(std::move(col));
  }
  const bool hasSection = std::any_of(columns_.begin(), columns_.end(), [](const Column& c) { return c.role == Role::Section; });
  if (problems.empty() && sectionId_ && !hasSection && !options_.lightest)
    problems.push_back("the form picks a section: give a \"section\" column, or run with --lightest");
  std::string text;
  for (const std::string& p : problems) text += (text.empty() ? "" : "; ") + p;
  return text;
}

void BatchRunner::closeForm() {
  if (runner_.currentHost()) runner_.act([](HeadlessHost& h) { h.press(kCancel); });
}

BatchRunner::Outcome BatchRunner::error(const std::string& column, const std::string& reason) {
  closeForm();
  Outcome o;
  o.verdict = "ERROR";
  // A form's message usually names its field already.
  const bool named = column.empty() || normalizeLabel(reason.substr(0, reason.find(':'))) == normalizeLabel(column);
  o.check = named ? reason : column + ": " + reason;
  return o;
}

BatchRunner::Outcome BatchRunner::refused(const std::string& fallback) {
  std::string reason = fallback;
  for (const RecordedMessage& m : runner_.takeMessages()) reason = oneLine(m.text);
  // The form puts the cursor into the field it refuses: name it by its column, else by its label.
  std::string column = "calculation";
  if (HeadlessHost* host = runner_.currentHost(); host && host->focus() != 0) {
    if (const Control* c = host->formLayout().find(host->focus())) column = fieldName(*c);
    for (const Column& c : columns_)
      if (c.control == host->focus()) column = c.name;
  }
  return error(column, reason);
}

BatchRunner::Outcome BatchRunner::runRow(const std::vector<std::string>& cells) {
  // Every row starts from the user's settings, not from the row before it.
  runner_.state().settings.discardHeldWrites();
  runner_.takeMessages();
  try {
    runner_.runLine("menu " + options_.form);
  } catch (const ScriptError& e) {
    return error("form", e.what());
  }
  HeadlessHost* host = runner_.currentHost();
  if (!host) return error("form", "the menu item is grayed");
  auto cellOf = [&](Role role) {
    for (std::size_t j = 0; j < columns_.size(); ++j)
      if (columns_[j].role == role) return trim(cells[j]);
    return std::string();
  };

  // Choices first, as a user makes them: a choice may refill a list, gray a field or reset one.
  for (const bool choices : {true, false}) {
    for (std::size_t j = 0; j < columns_.size(); ++j) {
      const Column& col = columns_[j];
      if (col.role != Role::Input || isChoice(col.kind) != choices) continue;
      const std::string value = trim(cells[j]);
      if (!host->isEnabled(col.control)) {
        if (value.empty()) continue;
        return error(col.name, "the field is grayed for these inputs; leave the cell empty");
      }
      if (col.kind == ControlKind::Edit || col.kind == ControlKind::MultiEdit) {
        // An empty cell is an empty field, never the value of the row before.
        runner_.act([&](HeadlessHost& h) { h.type(col.control, value); });
      } else if (value.empty()) {
        continue;  // a choice left empty stays as the form opens
      } else if (col.kind == ControlKind::ListBox || col.kind == ControlKind::DropDown) {
        const int row = findItem(host->items(col.control), value);
        if (row < 0) return error(col.name, "no row " + inQuotes(value) + " in the list");
        runner_.act([&](HeadlessHost& h) { h.pick(col.control, row); });
      } else {
        const std::optional<bool> on = onOff(value);
        if (!on) return error(col.name, "give on or off, not " + inQuotes(value));
        // A radio button is turned off by choosing another of its group.
        if (col.kind == ControlKind::CheckBox || *on) runner_.act([&](HeadlessHost& h) { h.tick(col.control, *on); });
      }
    }
  }
  const bool hasMark = std::any_of(columns_.begin(), columns_.end(), [](const Column& c) { return c.role == Role::Mark; });
  if (locationId_ && hasMark) runner_.act([&](HeadlessHost& h) { h.type(locationId_, cellOf(Role::Mark)); });

  Outcome outcome;
  const std::string section = cellOf(Role::Section);
  if (!section.empty()) {
    if (!sectionId_) return error("section", "the form has no section list");
    const int row = findItem(host->items(sectionId_), section);
    if (row < 0) return error("section", "no section " + inQuotes(section) + " in the form's list");
    runner_.act([&](HeadlessHost& h) { h.pick(sectionId_, row); });
  } else if (options_.lightest) {
    // A form may search a table it has no list of (a wood size of the chosen species and grade).
    if (lightestButton_.empty()) return error("section", "the form has no \"Lightest\" button: give a section");
    const int errors = host->errorsShown();
    try {
      runner_.runLine("press " + inQuotes(lightestButton_));
    } catch (const ScriptError& e) {
      return error("section", e.what());
    }
    if (host->errorsShown() > errors) return refused("the form refused the inputs");
    outcome.found = oneLine(host->form().candidates());
    if (!runner_.takeMessages().empty()) {
      // No row passes (or none is within the depth limit): a design answer, not an input error.
      closeForm();
      outcome.verdict = "NO GOOD";
      outcome.check = "no section passes";
      return outcome;
    }
  } else if (sectionId_) {
    return error("section", "empty: give a section, or run with --lightest");
  }
  if (sectionId_ && host->selection(sectionId_) >= 0) outcome.chosen = host->itemText(sectionId_, host->selection(sectionId_));

  // OK calculates what the form shows and publishes it, as "press OK" does.
  runner_.act([](HeadlessHost& h) { h.press(kOk); });
  if (runner_.currentHost()) return refused("the form did not accept the inputs");
  const DesignResult& r = runner_.state().result;
  outcome.calculated = true;
  outcome.report = runner_.state().report;
  if (r.checked) {
    outcome.ratio = r.ratio >= 1.0e9 ? "N.A." : format("%.3f", r.ratio);
    outcome.verdict = r.ok ? "OK" : "NO GOOD";
    outcome.check = r.governing;
  }
  return outcome;
}

bool BatchRunner::writeReport(int rowNumber, const std::string& mark, const std::string& report) {
  std::string name = reportFileName(rowNumber, mark);
  auto lower = [](std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
  };
  // Names differ in more than case, for folders that do not tell case apart.
  for (int n = 2; std::find(reportNames_.begin(), reportNames_.end(), lower(name)) != reportNames_.end(); ++n)
    name = reportFileName(rowNumber, mark + "-" + std::to_string(n));
  reportNames_.push_back(lower(name));
  const WriteResult w = writeFileAtomically(options_.reportsDir / name, report);
  if (!w) err_ << "vardelin-cli: row " << rowNumber << ": " << w.message << "\n";
  return w.ok;
}

int BatchRunner::run(std::string_view csvText) {
  std::vector<CsvRecord> records;
  if (const std::string why = parseCsv(csvText, records); !why.empty()) {
    err_ << "vardelin-cli: the table is not CSV: " << why << "\n";
    return 2;
  }
  std::erase_if(records, [](const CsvRecord& r) { return r.blank(); });
  if (records.empty()) {
    err_ << "vardelin-cli: the table has no header line\n";
    return 2;
  }
  if (!options_.reportsDir.empty()) {
    std::error_code ec;
    std::filesystem::create_directories(options_.reportsDir, ec);
    if (!std::filesystem::is_directory(options_.reportsDir, ec)) {
      err_ << "vardelin-cli: --reports " << options_.reportsDir.string() << ": not a folder, and one cannot be made there\n";
      return 2;
    }
  }
  try {
    runner_.runLine("menu " + options_.form);
  } catch (const ScriptError& e) {
    err_ << "vardelin-cli: --batch " << printable(options_.form, 80) << ": " << e.what() << "\n";
    return 2;
  }
  if (!runner_.currentHost()) {
    err_ << "vardelin-cli: --batch " << printable(options_.form, 80) << ": the menu item opens no form\n";
    return 2;
  }
  const std::string problems = resolveColumns(records.front().fields);
  closeForm();
  runner_.takeMessages();
  if (!problems.empty()) {
    err_ << "vardelin-cli: the table's header does not fit the form: " << printable(problems, 400) << "\n";
    return 2;
  }

  std::vector<std::string> head = {"mark", "section"};
  for (const Column& c : columns_)
    if (c.role == Role::Input) head.push_back(c.name);
  for (const char* h : {"ratio", "verdict", "governing check"}) head.push_back(h);
  if (options_.lightest) head.insert(head.end(), {"chosen section", "rows found"});
  out_ << csvLine(head) << std::flush;

  const unsigned long writeFailuresBefore = failedWriteCount();
  int status = 0;
  for (std::size_t i = 1; i < records.size(); ++i) {
    const int rowNumber = static_cast<int>(i);
    std::vector<std::string> cells = records[i].fields;
    Outcome o;
    if (cells.size() != columns_.size()) {
      o.verdict = "ERROR";
      o.check = format("row: line %d has %zu cells, the header %zu", records[i].line, cells.size(), columns_.size());
      cells.resize(columns_.size());
    } else {
      const int jobBefore = runner_.job() ? runner_.job()->lastNumber() : 0;
      o = runRow(cells);
      if (o.calculated) {
        // Messages a calculation showed on the way (a job that could not store it) go where a script's go.
        for (const RecordedMessage& m : runner_.takeMessages())
          err_ << "vardelin-cli: row " << rowNumber << ": message: " << oneLine(m.caption + ": " + m.text) << "\n";
        if (runner_.job() && runner_.job()->lastNumber() == jobBefore) status = 1;
      }
    }
    if (o.verdict == "ERROR") status = 1;
    std::vector<std::string> line = {"", ""};
    for (std::size_t j = 0; j < columns_.size(); ++j) {
      if (columns_[j].role == Role::Mark) line[0] = cells[j];
      else if (columns_[j].role == Role::Section) line[1] = cells[j];
      else line.push_back(cells[j]);
    }
    line.insert(line.end(), {o.ratio, o.verdict, o.check});
    if (options_.lightest) line.insert(line.end(), {o.chosen, o.found});
    out_ << csvLine(line) << std::flush;
    if (o.calculated && !options_.reportsDir.empty() && !writeReport(rowNumber, trim(line[0]), o.report)) status = 1;
  }
  if (failedWriteCount() > writeFailuresBefore) status = 1;
  return status;
}

}  // namespace vd
