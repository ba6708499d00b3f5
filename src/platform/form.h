#pragma once
// The form model shared by the desktop GUI and the headless hosts.
//
// A FormLayout describes one dialog statically; a Form is its controller; a FormHost is the running
// window as the controller sees it. A behaviour is written once, in the Form, and every host shows it.
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text_format.h"

namespace vd {

// Standard push-button ids. Escape (or a window's close box) always arrives as Cancel.
inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;
inline constexpr int kApply = 3;  // property sheets only

enum class ControlKind {
  Edit,          // one-line edit field
  MultiEdit,     // multi-line edit field
  ReadOnlyEdit,  // one-line field the user cannot type into
  ListBox,
  DropDown,      // drop-down list (no typing)
  CheckBox,
  Radio,         // radio button; `group` ties a set together
  Button,        // push button
  Static,        // static text the form may change
  Pane,          // read-only multi-line display (long report text inside a form)
  Picture,       // an EMF picture shown in the form
  StatusBar,     // the two-part status bar of the design forms
};

struct Control {
  int id = 0;
  ControlKind kind = ControlKind::Static;
  std::string label;  // text before the field, or the caption of a button, box or static text
  std::string unit;   // text after the field ("kip", "in.")
  int group = 0;      // radio group
  int row = -1;       // grid cell: the data row it edits (-1 outside a grid)
  int col = -1;       // grid column from 0, left to right
  int line = 0;       // visual line the control sits on within its page
  int page = 0;       // property-sheet page
  int width = 0;      // width hint in characters (0: the host decides)
  int height = 0;     // height hint in text lines for lists, panes and multi-line fields; pixels for pictures
  bool isDefault = false;  // the default push button (Enter)
  bool enabled = true;     // initial state
  bool isText = false;     // holds free text (a name, a location) rather than a number; multi-line fields do
  bool optional = false;   // an empty field reads as 0 (so do grid cells and labels marked "*")
  // A number only another button reads (a search limit): Calculate, and so OK, still refuses the inputs
  // while it holds something that is not a number, as for every other field the form shows.
  bool checkedOnCalculate = false;
};

struct FormLayout {
  std::string templateName;  // "WBM_Box"
  std::string title;
  std::vector<std::string> pages;  // property-sheet page titles; empty for a plain dialog
  std::vector<Control> controls;   // in reading order

  FormLayout(std::string templ, std::string ttl) : templateName(std::move(templ)), title(std::move(ttl)) {}

  // Builders: each adds one control on the current line and returns it for further adjustment.
  Control& add(ControlKind kind, int id, std::string label, std::string unit = "");
  Control& edit(int id, std::string label, std::string unit = "") { return add(ControlKind::Edit, id, std::move(label), std::move(unit)); }
  Control& readOnly(int id, std::string label, std::string unit = "") { return add(ControlKind::ReadOnlyEdit, id, std::move(label), std::move(unit)); }
  Control& button(int id, std::string caption) { return add(ControlKind::Button, id, std::move(caption)); }
  Control& text(int id, std::string caption) { return add(ControlKind::Static, id, std::move(caption)); }
  Control& label(std::string caption) { return add(ControlKind::Static, 0, std::move(caption)); }
  Control& check(int id, std::string caption) { return add(ControlKind::CheckBox, id, std::move(caption)); }
  Control& radio(int id, std::string caption, int group) { Control& c = add(ControlKind::Radio, id, std::move(caption)); c.group = group; return c; }
  Control& list(int id, std::string label = "", int lines = 8) { Control& c = add(ControlKind::ListBox, id, std::move(label)); c.height = lines; return c; }
  Control& dropDown(int id, std::string label = "") { return add(ControlKind::DropDown, id, std::move(label)); }
  Control& pane(int id, std::string label = "", int lines = 12) { Control& c = add(ControlKind::Pane, id, std::move(label)); c.height = lines; return c; }
  Control& picture(int id, int widthPx, int heightPx) { Control& c = add(ControlKind::Picture, id, ""); c.width = widthPx; c.height = heightPx; return c; }
  Control& statusBar(int id) { return add(ControlKind::StatusBar, id, ""); }
  // A grid cell: `label` is the grid's (or its column's) heading, row and col address the cell.
  Control& cell(int id, std::string label, int row, int col, ControlKind kind = ControlKind::Edit);
  // OK and Cancel on one line.
  void okCancel(std::string ok = "OK", std::string cancel = "Cancel");

  // Starts a new visual line.
  FormLayout& newLine() { ++line_; return *this; }
  // Starts a new property-sheet page.
  FormLayout& newPage(std::string title) { pages.push_back(std::move(title)); ++page_; line_ = 0; return *this; }

  const Control* find(int id) const;

 private:
  int line_ = 0;
  int page_ = -1;
};

enum class MessageIcon { None, Information, Exclamation, Stop, Question };

// A field whose text a calculation cannot use. The form model shows the message, puts the focus on the
// field and runs nothing further of that action; the field keeps its text.
struct FieldError {
  int id;
  std::string message;
};

// The name of a field as messages give it: its label without the trailing "=", ":" or "*", with the row
// and column of a grid cell.
std::string fieldName(const Control& c);

// What can tell the user something: a running form or the main window.
class Messenger {
 public:
  virtual ~Messenger() = default;
  virtual void message(std::string_view caption, std::string_view text, MessageIcon icon = MessageIcon::None) = 0;
  // Yes/No question; true for Yes.
  virtual bool askYesNo(std::string_view caption, std::string_view text) = 0;
};

// A running form's window as its controller sees it. Setting a control's text from code does not
// send a change notification back to the form.
class FormHost : public Messenger {
 public:
  // The control's text, cut to capacity - 1 characters as a read into a buffer of that size.
  virtual std::string text(int id, std::size_t capacity = 256) const = 0;
  virtual void setText(int id, std::string_view text) = 0;
  // List box or drop-down: its lines and the selected line (-1: none).
  virtual void setItems(int id, const std::vector<std::string>& items) = 0;
  virtual int selection(int id) const = 0;
  virtual void select(int id, int index) = 0;  // an index outside the list selects nothing
  // The text of one line of a list ("" outside it).
  virtual std::string itemText(int /*id*/, int /*index*/) const { return {}; }
  // Check boxes and radio buttons; checking a radio button clears the others of its group.
  virtual bool checked(int id) const = 0;
  virtual void setChecked(int id, bool on) = 0;
  virtual void setEnabled(int id, bool on) = 0;
  virtual bool isEnabled(int id) const = 0;
  // Two-part status bar.
  virtual void setStatus(int part, std::string_view text) = 0;
  // Shows an EMF picture file in a Picture control (re-read each call).
  virtual void showPicture(int id, const std::filesystem::path& file) = 0;
  // Ends the form: accepted for OK.
  virtual void close(bool accepted) = 0;

  // Puts the keyboard focus into a control (and selects its text).
  virtual void setFocus(int /*id*/) {}
  // The layout of the form this window shows.
  virtual const FormLayout& formLayout() const = 0;

  // The one way a form reads a number from a field. An enabled edit field must hold one number and
  // nothing else (blanks aside); empty is 0 only for optional fields. Anything else throws FieldError naming the
  // field. Other controls (read-only and result fields) are read leniently, at most capacity - 1
  // characters.
  double number(int id, std::size_t capacity = 11) const;
  // As number(), and the value must be a whole number within the int range.
  int integer(int id, std::size_t capacity = 11) const;

  // How many error boxes (exclamation or stop) this window has shown: a calculation that shows one has
  // refused its inputs.
  int errorsShown() const { return errorsShown_; }

 protected:
  void countMessage(MessageIcon icon) {
    if (icon == MessageIcon::Exclamation || icon == MessageIcon::Stop) ++errorsShown_;
  }

 private:
  int errorsShown_ = 0;
};

// One input control's state as a job stores it: edit text, a list's selected index, a check box or
// radio button as "1" / "0".
struct InputValue {
  int id = 0;
  std::string value;
  bool operator==(const InputValue&) const = default;
};

class Form {
 public:
  virtual ~Form() = default;

  // What the hosts call for a pushed button and for a changed field. A Calculate button (a push button
  // whose caption begins with "Calculate") runs the calculation on the inputs as they stand; OK first
  // recalculates when the inputs changed since the last successful calculation (or there was none) and
  // stays open when that calculation refuses them. A FieldError shows its message and focuses its field.
  void press(FormHost& host, int id);
  void change(FormHost& host, int id);

  // The id of the form's Calculate button, 0 when it has none.
  int calculateButton() const;

  // Every input control's state (edit fields, lists, check boxes, radio buttons) in layout order.
  std::vector<InputValue> inputValues(const FormHost& host) const;
  // The inputs as they stood when OK was accepted (empty before that).
  const std::vector<InputValue>& acceptedInputs() const { return acceptedInputs_; }
  // The selected line of the form's first list with a selection at OK (a section, a size), or "".
  const std::string& acceptedSelectionText() const { return acceptedSelection_; }
  // Puts stored inputs back as a user would enter them, each followed by change() so the form reacts
  // (lists filled by an earlier choice are refilled before their selection is restored). Ids the form
  // does not have are ignored.
  void restoreInputs(FormHost& host, const std::vector<InputValue>& values);

  virtual const FormLayout& layout() const = 0;
  // The window is up; fill it from the settings store.
  virtual void opened(FormHost&) {}
  // The user changed a field, a selection, a check box or a radio choice.
  virtual void changed(FormHost&, int /*id*/) {}
  // A push button, OK, Cancel (also Escape) or Apply. The default closes on OK and Cancel.
  virtual void pressed(FormHost& host, int id) {
    if (id == kOk) host.close(true);
    if (id == kCancel) host.close(false);
  }
  // After the window is gone (the frame calls it before its After step).
  virtual void finished(bool /*accepted*/, Messenger&) {}
  // The rows the form's last lightest-section search found, as its pane showed them; "" for none.
  virtual std::string candidates() const { return {}; }

 private:
  // Runs the Calculate button; true when the calculation accepted the inputs.
  bool calculate(FormHost& host, int calculateId);
  std::vector<InputValue> calculatedInputs_;
  std::vector<InputValue> acceptedInputs_;
  std::string acceptedSelection_;
  bool calculated_ = false;
};

}  // namespace vd
