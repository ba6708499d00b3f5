#include "platform/form.h"

#include <cctype>
#include <climits>
#include <cmath>

namespace vd {

Control& FormLayout::add(ControlKind kind, int id, std::string lbl, std::string unit) {
  Control c;
  c.id = id;
  c.kind = kind;
  c.label = std::move(lbl);
  c.unit = std::move(unit);
  c.isText = kind == ControlKind::MultiEdit;  // multi-line fields hold notes, never numbers
  c.line = line_;
  c.page = page_ < 0 ? 0 : page_;
  controls.push_back(std::move(c));
  return controls.back();
}

Control& FormLayout::cell(int id, std::string lbl, int row, int col, ControlKind kind) {
  Control& c = add(kind, id, std::move(lbl));
  c.row = row;
  c.col = col;
  return c;
}

void FormLayout::okCancel(std::string ok, std::string cancel) {
  newLine();
  button(kOk, std::move(ok));
  button(kCancel, std::move(cancel));
}

const Control* FormLayout::find(int id) const {
  for (const Control& c : controls)
    if (c.id == id) return &c;
  return nullptr;
}

std::string fieldName(const Control& c) {
  std::string name = c.label;
  while (!name.empty() && (name.back() == '=' || name.back() == ':' || name.back() == '*' ||
                           std::isspace(static_cast<unsigned char>(name.back()))))
    name.pop_back();
  std::size_t start = 0;
  while (start < name.size() && std::isspace(static_cast<unsigned char>(name[start]))) ++start;
  name.erase(0, start);
  if (name.empty()) name = "This field";
  if (c.row >= 0) name += format(", row %d, column %d", c.row + 1, c.col + 1);
  return name;
}

namespace {
// The edit control behind an id when it holds a number the user types; nullptr otherwise.
const Control* numericEdit(const FormLayout& layout, int id) {
  const Control* c = layout.find(id);
  return c && c->kind == ControlKind::Edit && !c->isText ? c : nullptr;
}

bool isOptional(const Control& c) { return c.optional || c.row >= 0 || c.label.find('*') != std::string::npos; }
}  // namespace

double FormHost::number(int id, std::size_t capacity) const {
  const Control* c = numericEdit(formLayout(), id);
  // A grayed field is no input of the calculation at hand: whatever it holds is read as before.
  if (!c || !isEnabled(id)) return parseNumber(text(id, capacity));
  const std::string t = text(id, std::string::npos);
  bool blank = true;
  for (char ch : t) blank = blank && std::isspace(static_cast<unsigned char>(ch));
  if (blank) {
    if (isOptional(*c)) return 0.0;
    throw FieldError{id, fieldName(*c) + ": enter a value."};
  }
  if (std::optional<double> v = parseField(t)) return *v;
  // A number of absurd size says so; anything else is no number at all.
  if (isNumberText(t)) {
    const bool tiny = parseNumber(t) != 0.0 || t.find("e-") != std::string::npos || t.find("E-") != std::string::npos;
    throw FieldError{id, fieldName(*c) + (tiny ? format(": %s is too small; type 0 or a magnitude of at least %g.",
                                                        t.c_str(), kSmallestField)
                                               : format(": %s is too large.", t.c_str()))};
  }
  std::string shown = t.size() > 40 ? t.substr(0, 40) + "..." : t;
  for (char& ch : shown)
    if (static_cast<unsigned char>(ch) < 0x20) ch = ' ';
  throw FieldError{id, fieldName(*c) + ": \"" + shown + "\" is not a number. Type digits with a decimal point, e.g. 2.5."};
}

int FormHost::integer(int id, std::size_t capacity) const {
  const Control* c = numericEdit(formLayout(), id);
  if (!c || !isEnabled(id)) return parseInt(text(id, capacity));
  const double v = number(id, capacity);
  if (v != std::floor(v) || v < INT_MIN || v > INT_MAX)
    throw FieldError{id, fieldName(*c) + format(": %g is not a whole number.", v)};
  return static_cast<int>(v);
}

// The Calculate button: a push button whose caption begins with "Calculate", else the default push button
// (the one Enter presses) when that is not OK or Cancel, as in the concrete beam's "'As' to find 'Mom.'".
int Form::calculateButton() const {
  int byDefault = 0;
  for (const Control& c : layout().controls) {
    if (c.kind != ControlKind::Button) continue;
    std::string head = c.label.substr(0, 9);
    for (char& ch : head) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    if (head == "calculate") return c.id;
    if (c.isDefault && c.id != kOk && c.id != kCancel && !byDefault) byDefault = c.id;
  }
  return byDefault;
}

std::vector<InputValue> Form::inputValues(const FormHost& host) const {
  std::vector<InputValue> v;
  for (const Control& c : layout().controls) {
    switch (c.kind) {
      case ControlKind::Edit:
      case ControlKind::MultiEdit: v.push_back({c.id, host.text(c.id, std::string::npos)}); break;
      case ControlKind::ListBox:
      case ControlKind::DropDown: v.push_back({c.id, std::to_string(host.selection(c.id))}); break;
      case ControlKind::CheckBox:
      case ControlKind::Radio: v.push_back({c.id, host.checked(c.id) ? "1" : "0"}); break;
      default: break;
    }
  }
  return v;
}

void Form::restoreInputs(FormHost& host, const std::vector<InputValue>& values) {
  // Choices first (lists, check boxes and radio buttons), in layout order: a form refills its fields or
  // other lists when one changes, and the typed values must come last to stay. Each is applied even
  // when the control already shows it, as a user's click would be: some forms fill their text then.
  auto apply = [&](bool choices) {
    for (const InputValue& v : values) {
      const Control* c = layout().find(v.id);
      if (!c) continue;
      switch (c->kind) {
        case ControlKind::ListBox:
        case ControlKind::DropDown:
          if (!choices) break;
          host.select(c->id, parseInt(v.value));
          change(host, c->id);
          break;
        case ControlKind::CheckBox:
        case ControlKind::Radio:
          if (!choices) break;
          // A radio button is chosen, never un-chosen: its group's other button carries the "1".
          if (c->kind == ControlKind::Radio && v.value != "1") break;
          host.setChecked(c->id, v.value == "1");
          change(host, c->id);
          break;
        case ControlKind::Edit:
        case ControlKind::MultiEdit:
          if (choices || !host.isEnabled(c->id)) break;
          host.setText(c->id, v.value);
          change(host, c->id);
          break;
        default: break;
      }
    }
  };
  apply(true);
  apply(false);
}

bool Form::calculate(FormHost& host, int calculateId) {
  calculated_ = false;
  for (const Control& c : layout().controls)
    if (c.checkedOnCalculate) host.number(c.id);  // throws FieldError: nothing is calculated
  const int errorsBefore = host.errorsShown();
  pressed(host, calculateId);
  if (host.errorsShown() != errorsBefore) return false;
  calculatedInputs_ = inputValues(host);
  calculated_ = true;
  return true;
}

void Form::press(FormHost& host, int id) {
  try {
    const int calc = calculateButton();
    if (calc != 0 && id == calc) {
      calculate(host, calc);
      return;
    }
    if (calc != 0 && id == kOk && (!calculated_ || calculatedInputs_ != inputValues(host)) && !calculate(host, calc))
      return;
    // Recorded before pressed() closes the window: a job stores the inputs the report was made from.
    if (id == kOk) {
      acceptedInputs_ = inputValues(host);
      // The section is the selected row of the form's first list box; drop-downs hold options
      // (shape family, Rw, load duration), so one is the section only on a form without a list box.
      acceptedSelection_.clear();
      for (ControlKind kind : {ControlKind::ListBox, ControlKind::DropDown}) {
        for (const Control& c : layout().controls) {
          if (c.kind != kind || host.selection(c.id) < 0) continue;
          acceptedSelection_ = host.itemText(c.id, host.selection(c.id));
          break;
        }
        if (!acceptedSelection_.empty()) break;
      }
    }
    pressed(host, id);
  } catch (const FieldError& e) {
    host.message("Vardelin", e.message, MessageIcon::Exclamation);
    host.setFocus(e.id);
  }
}

void Form::change(FormHost& host, int id) {
  try {
    changed(host, id);
  } catch (const FieldError&) {
    // A field is being typed into: it is judged when the form calculates, not on every keystroke.
  }
}

}  // namespace vd
