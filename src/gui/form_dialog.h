#pragma once
// One dialog class for every form: renders a FormLayout, hosts the form's controller and forwards
// the user's edits, selections, clicks and buttons to it.
#include <QDialog>
#include <QStringList>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/form.h"

class QBoxLayout;
class QButtonGroup;
class QGridLayout;
class QLabel;
class QScrollArea;
class QVBoxLayout;

namespace vd::gui {

class FormDialog : public QDialog, public FormHost {
  Q_OBJECT
 public:
  // The dialog for a form: a property sheet when the layout has pages, else a plain dialog.
  static std::unique_ptr<FormDialog> create(Form& form, QWidget* parent);
  ~FormDialog() override;

  // Calls the form's opened(); false when the form closed itself while opening.
  bool start();
  // start(), then runs modally until the form closes; true when it closed with OK.
  bool run();

  bool isClosed() const { return closed_; }
  bool wasAccepted() const { return accepted_; }
  Form& form() { return form_; }

  // The widget of a control id (nullptr for none), its label and its unit text.
  QWidget* control(int id) const;
  QLabel* labelOf(int id) const;
  QLabel* unitOf(int id) const;
  QLabel* statusPart(int part) const;
  // The scrolling area that holds the fields; the buttons and the status bar stay below it.
  QScrollArea* fieldsArea() const { return fieldsArea_; }
  // The row of buttons under the fields (nullptr when the form has none there).
  QWidget* buttonBar() const { return buttonBar_; }
  // A picture shown beside the fields (the support case of a beam form).
  void setSidePicture(const QPixmap& picture);
  void setVisible(bool visible) override;

  // FormHost
  std::string text(int id, std::size_t capacity = 256) const override;
  void setText(int id, std::string_view text) override;
  void setItems(int id, const std::vector<std::string>& items) override;
  int selection(int id) const override;
  void select(int id, int index) override;
  std::string itemText(int id, int index) const override;
  bool checked(int id) const override;
  void setChecked(int id, bool on) override;
  void setEnabled(int id, bool on) override;
  bool isEnabled(int id) const override;
  using QDialog::isEnabled;
  void setStatus(int part, std::string_view text) override;
  void showPicture(int id, const std::filesystem::path& file) override;
  void close(bool accepted) override;
  using QDialog::close;  // the window's own close (its close box)
  void message(std::string_view caption, std::string_view text, MessageIcon icon = MessageIcon::None) override;
  bool askYesNo(std::string_view caption, std::string_view text) override;
  void setFocus(int id) override;
  using QDialog::setFocus;
  const FormLayout& formLayout() const override { return form_.layout(); }

 protected:
  FormDialog(Form& form, QWidget* parent);

  // Creates every control's widget and lays the dialog out.
  void build();
  // The dialog's body between the title and the status bar; a property sheet puts pages in tabs.
  virtual QWidget* buildBody();
  // The controls of one page (all controls when page < 0), laid out in lines.
  QWidget* buildPage(int page);
  // A push button the dialog adds itself (the property sheet's OK / Cancel / Apply).
  QWidget* addOwnButton(int id, const QString& caption);
  // The buttons that stay visible below the scrolling fields.
  void setButtonBar(QWidget* bar) { buttonBar_ = bar; }

  // The user changed a control, or pressed a button.
  virtual void notifyChanged(int id);
  virtual void notifyPressed(int id);

  void reject() override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  struct Entry {
    const Control* control = nullptr;
    QWidget* widget = nullptr;
    QLabel* label = nullptr;
    QLabel* unit = nullptr;
    std::string raw;  // a static text or caption as the form gave it ("&" mnemonics included)
  };

  void createWidget(const Control& c);
  // Gives every push button without one a mnemonic letter of its own.
  void assignMnemonics();
  // A size that shows everything when the screen allows, else fills the screen and scrolls.
  void fitToScreen();
  void focusFirstNumber();
  QWidget* fieldBlock(const Entry& e);  // label, widget and unit side by side, for odd placements
  void layoutFormLines(QVBoxLayout* page, const std::vector<std::vector<const Control*>>& lines);
  void layoutGridLines(QVBoxLayout* page, const std::vector<std::vector<const Control*>>& lines);
  void layoutButtonLine(QVBoxLayout* page, const std::vector<const Control*>& line);
  void placeItem(QGridLayout* grid, int row, int col, int span, const Entry& e);
  Entry* find(int id);
  const Entry* find(int id) const;
  const Entry* entryOf(const Control* c) const;

  Form& form_;
  std::map<int, Entry> entries_;
  std::vector<std::unique_ptr<Entry>> anonymous_;  // static texts without an id
  std::map<std::pair<int, int>, QButtonGroup*> radioGroups_;
  std::map<int, std::string> orphanText_;  // texts set for ids the layout does not have
  QLabel* status_[2] = {nullptr, nullptr};
  QScrollArea* fieldsArea_ = nullptr;
  QWidget* body_ = nullptr;
  QWidget* buttonBar_ = nullptr;
  QLabel* sidePicture_ = nullptr;
  std::map<int, QString> mnemonicCaption_;
  QStringList pendingHeadings_;  // column headings for the next grid, from the text line above it  // button id -> caption with the "&" the dialog gave it
  bool fitted_ = false;
  bool focusSetByForm_ = false;
  bool closed_ = false;
  bool accepted_ = false;
  bool built_ = false;
};

// The text a static control or label shows for a caption with "&" mnemonics: "&&" shows "&", a
// single "&" only marks the next letter.
QString captionWithoutMnemonics(const QString& caption);
// A caption with a mnemonic on the first letter not in `used` (which it extends); captions that
// carry one already keep it.
QString withMnemonic(const QString& caption, QString& used);

}  // namespace vd::gui
