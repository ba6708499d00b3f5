#include "cli/script_runner.h"

#include <cctype>
#include <istream>
#include <ostream>
#include <set>

#include "platform/file_write.h"

namespace vd {

namespace {

std::string trim(std::string_view s) {
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
  return std::string(s);
}

std::string lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// Splits "word rest" at the first blank.
std::pair<std::string, std::string> splitWord(const std::string& s) {
  std::size_t sp = s.find_first_of(" \t");
  if (sp == std::string::npos) return {s, ""};
  return {s.substr(0, sp), trim(s.substr(sp + 1))};
}

std::string unquote(const std::string& s) {
  if (s.size() >= 2 && s.front() == '"' && s.back() == '"') return s.substr(1, s.size() - 2);
  return s;
}

bool startsWith(const std::string& s, const std::string& prefix) { return s.compare(0, prefix.size(), prefix) == 0; }

int parseIndex(const std::string& s) {
  if (s.empty()) throw ScriptError("missing index");
  for (char c : s)
    if (!std::isdigit(static_cast<unsigned char>(c))) throw ScriptError("bad index: " + s);
  if (s.size() > 6) throw ScriptError("index out of range: " + s);
  return std::stoi(s);
}

const std::vector<ControlKind> kFieldKinds = {ControlKind::Edit, ControlKind::MultiEdit};
const std::vector<ControlKind> kShowKinds = {ControlKind::Edit, ControlKind::MultiEdit, ControlKind::ReadOnlyEdit,
                                             ControlKind::Pane, ControlKind::Static, ControlKind::DropDown,
                                             ControlKind::ListBox};
const std::vector<ControlKind> kListKinds = {ControlKind::ListBox, ControlKind::DropDown};

// A field name, possibly quoted, possibly with [R] or [R,C], and the text after it.
struct FieldRef {
  std::string name;
  std::optional<int> row, col;
  std::string rest;
};

FieldRef parseFieldRef(const std::string& text) {
  FieldRef f;
  std::size_t pos = 0;
  if (!text.empty() && text[0] == '"') {
    std::size_t close = text.find('"', 1);
    if (close == std::string::npos) throw ScriptError("unclosed quote");
    f.name = text.substr(1, close - 1);
    pos = close + 1;
  } else {
    pos = text.find_first_of(" \t[");
    if (pos == std::string::npos) pos = text.size();
    f.name = text.substr(0, pos);
  }
  if (pos < text.size() && text[pos] == '[') {
    std::size_t close = text.find(']', pos);
    if (close == std::string::npos) throw ScriptError("unclosed [");
    std::string idx = text.substr(pos + 1, close - pos - 1);
    std::size_t comma = idx.find(',');
    f.row = parseIndex(trim(idx.substr(0, comma)));
    if (comma != std::string::npos) f.col = parseIndex(trim(idx.substr(comma + 1)));
    pos = close + 1;
  }
  f.rest = pos < text.size() ? trim(text.substr(pos)) : "";
  return f;
}

// Length of the valid UTF-8 sequence at the start of s, 0 when it is not one.
std::size_t utf8Length(std::string_view s) {
  const unsigned char c = static_cast<unsigned char>(s[0]);
  const std::size_t n = c >= 0xF0 && c <= 0xF4 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 && c < 0xE0 ? 2 : 0;
  if (n == 0 || s.size() < n) return 0;
  for (std::size_t i = 1; i < n; ++i)
    if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) return 0;
  return n;
}

// Names that menu items, labels and buttons had before their spelling or units were corrected (old
// and new, compared as labels are): scripts written with the old names still run.
struct Alias {
  const char* old;
  const char* now;
};
// spellcheck: off (the old names are kept as they were spelled)
constexpr Alias kAliases[] = {
    {"quik column loads", "quick column loads"},
    {"glulaminated beam", "glulam beam"},
    {"k facotr", "k factor"},
    {"nagative moment", "negative moment"},
    {"d (un- breaded side)", "d (unbraced side)"},
    // The concrete beam's results say what they are (only where no field has the old name).
    {"bending moment", "design moment \u03c6mn"},
    {"reinf. steel as", "required steel as"},
    // The glulam widths name their unit.
    {"2-1/2", "2-1/2 in"}, {"3-1/8", "3-1/8 in"}, {"5-1/8", "5-1/8 in"},
    {"6-3/4", "6-3/4 in"}, {"8-3/4", "8-3/4 in"}, {"10-3/4", "10-3/4 in"},
};
// spellcheck: on

}  // namespace

std::string currentName(std::string_view name) {
  const std::string n = normalizeLabel(name);
  for (const Alias& a : kAliases)
    if (n == a.old) return a.now;
  return n;
}

std::string printable(std::string_view text, std::size_t maxChars) {
  std::string out;
  std::size_t chars = 0;
  for (std::size_t i = 0; i < text.size() && chars < maxChars; ++chars) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c >= 0x20 && c < 0x7F && c != '\\') {
      out += static_cast<char>(c);
      ++i;
    } else if (std::size_t n = c >= 0x80 ? utf8Length(text.substr(i)) : 0; n > 0) {
      out.append(text.substr(i, n));
      i += n;
    } else {
      out += c == '\\' ? std::string("\\\\") : format("\\x%02X", c);
      ++i;
    }
    if (chars + 1 == maxChars && i < text.size()) out += "...";
  }
  return out;
}

namespace {

// The item by its exact text, else by its text compared as labels are (old names included).
const Command* findMenuItem(const std::string& text) {
  if (const Command* c = findCommandByText(text)) return c;
  const Command* found = nullptr;
  for (const Command& c : commandTable()) {
    if (normalizeLabel(plainItemText(c.text)) != currentName(text)) continue;
    if (found) throw ScriptError("ambiguous menu item: " + text);
    found = &c;
  }
  if (!found) throw ScriptError("no such menu item: " + text);
  return found;
}

}  // namespace

std::string normalizeLabel(std::string_view label) {
  std::string out;
  bool blank = false;
  const std::string t = trim(label);
  for (std::size_t i = 0; i < t.size(); ++i) {
    const char c = t[i];
    if (std::isspace(static_cast<unsigned char>(c))) {
      blank = true;
      continue;
    }
    // A mnemonic marker before a letter is not part of the name ("&Cancel" is "Cancel"); "&&" is one "&".
    if (c == '&' && i + 1 < t.size() && std::isalnum(static_cast<unsigned char>(t[i + 1]))) continue;
    if (c == '&' && i + 1 < t.size() && t[i + 1] == '&') ++i;
    if (blank && !out.empty()) out += ' ';
    blank = false;
    out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  while (!out.empty() && (out.back() == '=' || out.back() == ':' || out.back() == ' ')) out.pop_back();
  return out;
}

ScriptRunner::ScriptRunner(Settings& settings, std::ostream& out, const FormRegistry& registry)
    : state_(settings),
      frame_(state_, *this, registry),
      out_(out),
      pad_(state_.report),
      registry_(registry) {
  settings.onWriteFailure([this](const std::string& text) { message("Vardelin", text, MessageIcon::Exclamation); });
}

ScriptRunner::~ScriptRunner() {
  frame_.setCalculationSink(nullptr);
  state_.settings.onWriteFailure(nullptr);
}

void ScriptRunner::setJob(std::unique_ptr<JobSession> session) {
  job_ = std::move(session);
  frame_.setCalculationSink(job_.get());
}

void ScriptRunner::runJobLine(const std::string& rest) {
  auto [what, arg] = splitWord(rest);
  what = lower(what);
  if (!job_) throw ScriptError("no job is open (start with --job FILE)");
  try {
    if (what == "header") {
      auto [field, text] = splitWord(arg);
      JobHeader h = job_->job().header();
      std::string* f = jobHeaderField(h, lower(field));
      if (!f) throw ScriptError("no such header field: " + field + " (project, number, client, engineer, address, notes, units)");
      *f = unquote(text);
      job_->job().setHeader(h);
    } else if (what == "summary") {
      print(summaryText(job_->job().list()));
    } else if (what == "rerun") {
      print(rerunText(rerunAll(job_->job(), registry_)));
    } else if (what == "export") {
      const std::string file = unquote(arg);
      if (file.empty()) throw ScriptError("job export FILE.pdf");
      std::string error;
      if (!exporter_) throw ScriptError("this program cannot write packages");
      if (!exporter_(job_->job(), file, error)) message("Vardelin", "Could not write the package " + file + ": " + error, MessageIcon::Exclamation);
    } else if (what == "open") {
      if (host_) throw ScriptError("a form is open: close it before job open");
      const int n = parseIndex(arg);
      if (n < 1 || n > job_->job().count()) throw ScriptError("no such calculation: " + arg);
      job_->reopen(frame_, n);
    } else {
      throw ScriptError("unknown job line: " + what + " (header, summary, rerun, export, open)");
    }
  } catch (const JobError& e) {
    message("Vardelin", e.what(), MessageIcon::Exclamation);
  }
}

void ScriptRunner::openForm(std::unique_ptr<Form> form, std::function<void(bool)> onClosed) {
  form_ = std::move(form);
  onClosed_ = std::move(onClosed);
  host_ = std::make_unique<HeadlessHost>(*form_);
  host_->shareAnswers(answers_);
  host_->open();
  afterAction();
}

bool ScriptRunner::runPadCommand(int commandId) {
  // Without a screen there is no selection, clipboard or printer; select all is harmless.
  if (commandId == cmd::Undo || commandId == cmd::Redo) {
    std::vector<std::string>& from = commandId == cmd::Undo ? undo_ : redo_;
    std::vector<std::string>& to = commandId == cmd::Undo ? redo_ : undo_;
    if (from.empty()) return true;
    to.push_back(std::move(pad_));
    pad_ = std::move(from.back());
    from.pop_back();
    return true;
  }
  return commandId == cmd::SelectAll;
}

bool ScriptRunner::runJobCommand(int commandId) {
  // Without a screen there are no file dialogs: the job comes from --job and the "job" lines.
  if (commandId == cmd::JobSummary && job_) {
    print(summaryText(job_->job().list()));
    return true;
  }
  message("Vardelin", job_ ? "Use the job lines of the script (see --help)." : "No job is open (start with --job FILE).",
          MessageIcon::Information);
  return true;
}

void ScriptRunner::requestClose() {
  if (askYesNo("Vardelin", "Really want to close Vardelin?")) {
    frame_.shutDown();
    finished_ = true;
  }
}

void ScriptRunner::message(std::string_view caption, std::string_view text, MessageIcon) {
  messages_.push_back({std::string(caption), std::string(text)});
}

bool ScriptRunner::askYesNo(std::string_view caption, std::string_view text) {
  messages_.push_back({std::string(caption), std::string(text)});
  if (answers_.empty()) return false;
  bool yes = answers_.front();
  answers_.pop_front();
  return yes;
}

void ScriptRunner::afterAction() {
  if (!host_) return;
  for (RecordedMessage& m : host_->takeMessages()) messages_.push_back(std::move(m));
  if (host_->isClosed()) {
    // Keep the form alive through the frame's After step, which may still ask it.
    std::unique_ptr<Form> form = std::move(form_);
    std::unique_ptr<HeadlessHost> host = std::move(host_);
    auto onClosed = std::move(onClosed_);
    if (onClosed) onClosed(host->accepted());
  }
}

void ScriptRunner::requireForm(const char* what) const {
  if (!host_) throw ScriptError(std::string("no form is open for ") + what);
}

void ScriptRunner::print(const std::string& text) { out_ << fromCrLf(text) << "\n"; }

const Control& ScriptRunner::findControl(const std::string& name, const std::vector<ControlKind>& kinds,
                                         std::optional<int> row, std::optional<int> col) const {
  // A name no control has may be the old name of one (the alias table).
  std::string wanted = normalizeLabel(name);
  bool anyByName = false;
  for (const Control& c : form_->layout().controls) {
    const std::string label = normalizeLabel(c.label);
    anyByName = anyByName || (!label.empty() && !wanted.empty() && startsWith(label, wanted));
  }
  if (!anyByName) wanted = currentName(name);
  std::vector<const Control*> exact, prefix;
  for (const Control& c : form_->layout().controls) {
    bool kindOk = false;
    for (ControlKind k : kinds) kindOk = kindOk || c.kind == k;
    if (!kindOk) continue;
    const std::string label = normalizeLabel(c.label);
    if (label.empty()) continue;
    if (label == wanted) exact.push_back(&c);
    else if (!wanted.empty() && startsWith(label, wanted)) prefix.push_back(&c);
  }
  std::vector<const Control*> found = exact;
  if (found.empty()) {
    std::set<std::string> labels;
    for (const Control* c : prefix) labels.insert(normalizeLabel(c->label));
    if (labels.size() > 1) throw ScriptError("ambiguous name: " + name);
    found = prefix;
  }
  if (found.empty()) throw ScriptError("no such control: " + name);
  std::vector<const Control*> cells;
  for (const Control* c : found) {
    if (row && c->row != *row) continue;
    if (col && c->col != *col) continue;
    if (!row && c->row >= 0 && found.size() > 1) continue;
    cells.push_back(c);
  }
  if (cells.empty()) throw ScriptError("no such field: " + name + (row ? "[" + std::to_string(*row) + "]" : ""));
  if (cells.size() > 1) throw ScriptError("ambiguous field: " + name);
  return *cells.front();
}

// One handler per verb. Verbs that act on a form need one open and let a form the action closed finish.
struct ScriptRunner::Verb {
  const char* name;
  void (ScriptRunner::*run)(const std::string& rest);
  bool onForm;
};

const ScriptRunner::Verb ScriptRunner::kVerbTable[] = {
    {"menu", &ScriptRunner::menuLine, false},   {"job", &ScriptRunner::runJobLine, false},
    {"answer", &ScriptRunner::answerLine, false}, {"show", &ScriptRunner::showLine, false},
    {"set", &ScriptRunner::setLine, true},      {"pick", &ScriptRunner::pickLine, true},
    {"check", &ScriptRunner::checkLine, true},  {"choose", &ScriptRunner::chooseLine, true},
    {"press", &ScriptRunner::pressLine, true},
};

void ScriptRunner::runLine(const std::string& rawLine) {
  const std::string line = trim(rawLine);
  if (line.empty() || line[0] == '#') return;
  auto [verb, rest] = splitWord(line);
  verb = lower(verb);
  for (const Verb& v : kVerbTable) {
    if (verb != v.name) continue;
    if (v.onForm) requireForm(v.name);
    (this->*v.run)(rest);
    if (v.onForm) afterAction();
    return;
  }
  throw ScriptError("unknown command: " + verb);
}

void ScriptRunner::menuLine(const std::string& rest) {
  if (host_) throw ScriptError("a form is open: close it before the menu");
  const Command* c = findMenuItem(rest);
  if (!state_.isEnabled(c->id)) {
    out_ << "grayed: " << rest << "\n";
    return;
  }
  frame_.run(c->id);
}

void ScriptRunner::answerLine(const std::string& rest) {
  const std::string a = lower(rest);
  if (a != "yes" && a != "no") throw ScriptError("answer yes or answer no");
  answers_.push_back(a == "yes");
}

void ScriptRunner::showLine(const std::string& rest) {
  const std::string what = lower(rest);
  if (what == "pad") return print(pad_);
  if (what == "messages") {
    for (const RecordedMessage& m : messages_) print(m.caption + ": " + m.text);
    messages_.clear();
    messagesOnErr_ = 0;
    return;
  }
  if (what == "menu") throw ScriptError("show menu ITEM: the menu item is missing");
  if (startsWith(what, "menu ")) {
    const std::string item = trim(rest.substr(5));
    const Command* c = findMenuItem(item);
    out_ << (state_.isEnabled(c->id) ? "enabled" : "grayed") << "\n";
    return;
  }
  requireForm("show");
  if (what == "candidates") return print(form_->candidates());
  if (what == "panes") {
    // Panes carry no label: each is printed in the form's reading order.
    for (const Control& c : form_->layout().controls)
      if (c.kind == ControlKind::Pane) print(host_->text(c.id, std::string::npos));
    return;
  }
  if (what == "status") {
    print(host_->status(0));
    print(host_->status(1));
    return;
  }
  // The whole rest is the name, unless it is quoted or indexed.
  FieldRef f = rest.find('[') == std::string::npos && rest[0] != '"' ? FieldRef{rest, {}, {}, ""} : parseFieldRef(rest);
  if (!f.rest.empty()) throw ScriptError("show FIELD takes no text after the name");
  const Control& c = findControl(f.name, kShowKinds, f.row, f.col);
  if (c.kind == ControlKind::ListBox || c.kind == ControlKind::DropDown) {
    int sel = host_->selection(c.id);
    const auto& items = host_->items(c.id);
    print(sel >= 0 && sel < static_cast<int>(items.size()) ? items[static_cast<std::size_t>(sel)] : "");
  } else {
    print(host_->text(c.id, std::string::npos));
  }
}

void ScriptRunner::setLine(const std::string& rest) {
  FieldRef f = parseFieldRef(rest);
  const Control* found = nullptr;
  try {
    found = &findControl(f.name, kFieldKinds, f.row, f.col);
  } catch (const ScriptError&) {
    // A result shown in a read-only field takes no typing, as a grayed field.
    findControl(f.name, {ControlKind::ReadOnlyEdit}, f.row, f.col);
    out_ << "grayed: " << f.name << "\n";
    return;
  }
  if (!host_->isEnabled(found->id)) {
    out_ << "grayed: " << f.name << "\n";
    return;
  }
  host_->type(found->id, f.rest);
}

void ScriptRunner::pickLine(const std::string& rest) {
  const std::size_t hash = rest.rfind('#');
  const bool byNumber = hash != std::string::npos && (hash == 0 || rest[hash - 1] == ' ') &&
                        rest.find_first_not_of("0123456789", hash + 1) == std::string::npos && hash + 1 < rest.size();
  if (byNumber) {
    const int n = parseIndex(rest.substr(hash + 1));
    const std::string listName = unquote(trim(rest.substr(0, hash)));
    const Control* list = nullptr;
    if (listName.empty()) {
      for (const Control& c : form_->layout().controls)
        if (!list && (c.kind == ControlKind::ListBox || c.kind == ControlKind::DropDown)) list = &c;
      if (!list) throw ScriptError("the form has no list");
    } else {
      list = &findControl(listName, kListKinds, std::nullopt, std::nullopt);
    }
    if (n >= static_cast<int>(host_->items(list->id).size())) throw ScriptError("no such row: #" + std::to_string(n));
    host_->pick(list->id, n);
    return;
  }
  // An item is found by its whole text in any list of the form, else by the one item it begins.
  const std::string item = unquote(rest);
  int foundId = 0, foundIndex = -1, prefixCount = 0, prefixId = 0, prefixIndex = -1;
  for (const Control& c : form_->layout().controls) {
    if (c.kind != ControlKind::ListBox && c.kind != ControlKind::DropDown) continue;
    const auto& items = host_->items(c.id);
    for (std::size_t i = 0; i < items.size(); ++i) {
      if (items[i] == item && foundIndex < 0) {
        foundId = c.id;
        foundIndex = static_cast<int>(i);
      } else if (startsWith(items[i], item)) {
        ++prefixCount;
        prefixId = c.id;
        prefixIndex = static_cast<int>(i);
      }
    }
  }
  if (foundIndex < 0 && prefixCount == 1) {
    foundId = prefixId;
    foundIndex = prefixIndex;
  }
  if (foundIndex < 0) throw ScriptError(prefixCount > 1 ? "ambiguous item: " + item : "no such item: " + item);
  host_->pick(foundId, foundIndex);
}

void ScriptRunner::checkLine(const std::string& rest) {
  std::size_t sp = rest.find_last_of(" \t");
  if (sp == std::string::npos) throw ScriptError("check BOX on|off");
  const std::string state = lower(trim(rest.substr(sp + 1)));
  if (state != "on" && state != "off") throw ScriptError("check BOX on|off");
  const Control& c = findControl(unquote(trim(rest.substr(0, sp))), {ControlKind::CheckBox}, std::nullopt, std::nullopt);
  host_->tick(c.id, state == "on");
}

void ScriptRunner::chooseLine(const std::string& rest) {
  const Control& c = findControl(unquote(rest), {ControlKind::Radio}, std::nullopt, std::nullopt);
  host_->tick(c.id, true);
}

void ScriptRunner::pressLine(const std::string& rest) {
  const std::string name = unquote(rest);
  const std::string n = currentName(name);
  if (n == "cancel" || n == "ok" || n == "apply") {
    // OK, Cancel and Apply exist on every form (Escape is Cancel) even without a button.
    bool hasButton = false;
    for (const Control& c : form_->layout().controls)
      if (c.kind == ControlKind::Button && normalizeLabel(c.label) == n) hasButton = true;
    if (!hasButton) {
      // Only a property sheet has OK and Apply of its own; Escape closes any form.
      if (n != "cancel" && form_->layout().pages.empty()) throw ScriptError("no such button: " + name);
      // Apply stays grayed until something on the sheet changed.
      if (n == "apply" && !host_->isEnabled(kApply)) return;
      host_->press(n == "cancel" ? kCancel : n == "ok" ? kOk : kApply);
      return;
    }
  }
  const Control& c = findControl(name, {ControlKind::Button}, std::nullopt, std::nullopt);
  if (host_->isEnabled(c.id)) host_->press(c.id);
}

int ScriptRunner::runScript(std::istream& in, std::ostream& err) {
  const unsigned long writeFailuresBefore = failedWriteCount();
  std::string line;
  int number = 0;
  int status = 0;
  while (!finished_ && std::getline(in, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    // A byte-order mark an editor put before the first line is not part of it.
    if (number == 1 && startsWith(line, "\xEF\xBB\xBF")) line.erase(0, 3);
    try {
      runLine(line);
    } catch (const ScriptError& e) {
      out_.flush();
      err << "line " << number << ": " << printable(e.what(), 160) << ": \"" << printable(trim(line), 80) << "\"\n";
      status = 2;
      break;
    }
  }
  // The message boxes the script did not ask to see: a user would have seen them.
  for (; messagesOnErr_ < messages_.size(); ++messagesOnErr_) {
    const RecordedMessage& m = messages_[messagesOnErr_];
    err << "message: " << fromCrLf(m.caption + ": " + m.text) << "\n";
  }
  if (status == 0 && failedWriteCount() > writeFailuresBefore) status = 1;
  return status;
}

const Control& ScriptRunner::namedControl(const std::string& name, const std::vector<ControlKind>& kinds,
                                          std::optional<int> row, std::optional<int> col) const {
  requireForm("a control");
  return findControl(name, kinds, row, col);
}

std::vector<RecordedMessage> ScriptRunner::takeMessages() {
  std::vector<RecordedMessage> taken = std::move(messages_);
  messages_.clear();
  messagesOnErr_ = 0;
  return taken;
}

}  // namespace vd
