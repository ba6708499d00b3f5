#include "gui/form_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>
#include <set>

#include "gui/message_box.h"
#include "gui/pictures.h"
#include "gui/property_sheet.h"
#include "gui/qt_text.h"

namespace vd::gui {

namespace {

bool isCell(const Control& c) { return c.row >= 0 && c.col >= 0; }

bool isFieldLike(ControlKind k) {
  return k == ControlKind::Edit || k == ControlKind::ReadOnlyEdit || k == ControlKind::MultiEdit ||
         k == ControlKind::DropDown;
}

// Lists and panes carry their label above them.
bool labelAbove(ControlKind k) { return k == ControlKind::ListBox || k == ControlKind::Pane; }

int charWidth(const QWidget* w) { return std::max(1, w->fontMetrics().averageCharWidth()); }

int textBoxHeight(const QWidget* w, int lines) {
  return std::max(1, lines) * w->fontMetrics().lineSpacing() + 2 * 3 + 4;
}

}  // namespace

QString captionWithoutMnemonics(const QString& caption) {
  QString out;
  out.reserve(caption.size());
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption.at(i) == u'&') {
      if (i + 1 < caption.size() && caption.at(i + 1) == u'&') {
        out += u'&';
        ++i;
      }
      continue;
    }
    out += caption.at(i);
  }
  return out;
}

QString withMnemonic(const QString& caption, QString& used) {
  for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
    if (caption.at(i) != u'&') continue;
    if (caption.at(i + 1) == u'&') {
      ++i;
      continue;
    }
    used += caption.at(i + 1).toLower();
    return caption;
  }
  // "&&" in the caption is a shown "&": never a mnemonic letter.
  for (qsizetype i = 0; i < caption.size(); ++i) {
    const QChar ch = caption.at(i);
    if (!ch.isLetterOrNumber() || used.contains(ch.toLower())) continue;
    if (i > 0 && caption.at(i - 1) == u'&') continue;
    used += ch.toLower();
    return caption.left(i) + u'&' + caption.mid(i);
  }
  return caption;
}

std::unique_ptr<FormDialog> FormDialog::create(Form& form, QWidget* parent) {
  std::unique_ptr<FormDialog> dialog;
  if (!form.layout().pages.empty()) {
    dialog.reset(new PropertySheetDialog(form, parent));
  } else {
    dialog.reset(new FormDialog(form, parent));
  }
  dialog->build();
  return dialog;
}

FormDialog::FormDialog(Form& form, QWidget* parent) : QDialog(parent), form_(form) {
  setModal(true);
  setWindowTitle(captionWithoutMnemonics(toQ(form.layout().title)));
  setObjectName(toQ(form.layout().templateName));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  setSizeGripEnabled(true);
}

FormDialog::~FormDialog() = default;

void FormDialog::build() {
  if (built_) return;
  built_ = true;
  for (const Control& c : form_.layout().controls) createWidget(c);
  assignMnemonics();

  // The fields scroll when the screen is too small for them; the buttons and the status bar stay put.
  auto* outer = new QVBoxLayout(this);
  fieldsArea_ = new QScrollArea(this);
  fieldsArea_->setObjectName(QStringLiteral("fieldsArea"));
  fieldsArea_->setWidgetResizable(true);
  fieldsArea_->setFrameShape(QFrame::NoFrame);
  body_ = buildBody();
  auto* holder = new QWidget(this);
  auto* side = new QHBoxLayout(holder);
  side->setContentsMargins(0, 0, 0, 0);
  side->addWidget(body_, 1);
  sidePicture_ = new QLabel(holder);
  sidePicture_->setObjectName(QStringLiteral("sidePicture"));
  sidePicture_->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
  sidePicture_->hide();
  side->addWidget(sidePicture_, 0, Qt::AlignTop);
  fieldsArea_->setWidget(holder);
  outer->addWidget(fieldsArea_, 1);
  if (buttonBar_) outer->addWidget(buttonBar_);

  // The two-part status bar sits along the bottom edge, each part half the width.
  for (const Control& c : form_.layout().controls) {
    if (c.kind != ControlKind::StatusBar) continue;
    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("statusBar"));
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    for (int part = 0; part < 2; ++part) {
      status_[part] = new QLabel(bar);
      status_[part]->setObjectName(QStringLiteral("statusPart%1").arg(part));
      status_[part]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
      status_[part]->setTextFormat(Qt::PlainText);
      status_[part]->setMinimumWidth(40 * charWidth(this));
      row->addWidget(status_[part], 1);
    }
    entries_[c.id].widget = bar;
    outer->addWidget(bar);
    break;
  }
}

void FormDialog::createWidget(const Control& c) {
  if (c.kind == ControlKind::StatusBar) {
    entries_[c.id].control = &c;
    return;
  }
  Entry* e;
  if (c.id == 0) {
    anonymous_.push_back(std::make_unique<Entry>());
    e = anonymous_.back().get();
  } else {
    e = &entries_[c.id];
  }
  e->control = &c;
  e->raw = c.label;
  const QString caption = toQ(c.label);
  const int cw = charWidth(this);
  const int id = c.id;
  QWidget* w = nullptr;

  switch (c.kind) {
    case ControlKind::Edit:
    case ControlKind::ReadOnlyEdit: {
      auto* edit = new QLineEdit(this);
      edit->setReadOnly(c.kind == ControlKind::ReadOnlyEdit);
      if (c.kind == ControlKind::ReadOnlyEdit) {
        // Shown, not typed into: the window's colour behind the text, no frame to click into.
        QPalette pal = edit->palette();
        pal.setColor(QPalette::Base, pal.color(QPalette::Window));
        edit->setPalette(pal);
        edit->setFocusPolicy(Qt::ClickFocus);
        edit->setProperty("readOnlyField", true);
      }
      edit->setFixedWidth((c.width > 0 ? c.width : 10) * cw + 14);
      connect(edit, &QLineEdit::textEdited, this, [this, id] { notifyChanged(id); });
      w = edit;
      break;
    }
    case ControlKind::MultiEdit:
    case ControlKind::Pane: {
      auto* edit = new QPlainTextEdit(this);
      edit->setReadOnly(c.kind == ControlKind::Pane);
      // Words wrap at the edge, as in a multi-line edit control without horizontal scrolling.
      edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
      edit->setTabChangesFocus(true);
      const int lines = c.height > 0 ? c.height : (c.kind == ControlKind::Pane ? 12 : 3);
      // A multi-line field is as tall as its lines; a pane may grow with the window.
      if (c.kind == ControlKind::MultiEdit) edit->setFixedHeight(textBoxHeight(this, lines));
      else {
        edit->setMinimumHeight(textBoxHeight(this, lines));
        edit->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
      }
      edit->setMinimumWidth((c.width > 0 ? c.width : (c.kind == ControlKind::Pane ? 60 : 30)) * cw + 20);
      edit->setTabStopDistance(8.0 * cw);
      // A pane shows report text and candidate tables, aligned in columns as in the report pad.
      if (c.kind == ControlKind::Pane) {
        edit->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
        edit->setTabStopDistance(8.0 * charWidth(edit));
      }
      if (c.kind == ControlKind::MultiEdit) {
        connect(edit, &QPlainTextEdit::textChanged, this, [this, id] { notifyChanged(id); });
      }
      w = edit;
      break;
    }
    case ControlKind::ListBox: {
      auto* list = new QListWidget(this);
      list->setMinimumHeight(textBoxHeight(this, c.height > 0 ? c.height : 8));
      list->setMaximumHeight(textBoxHeight(this, c.height > 0 ? c.height : 8));
      list->setMinimumWidth((c.width > 0 ? c.width : 16) * cw + 24);
      connect(list, &QListWidget::currentRowChanged, this, [this, id] { notifyChanged(id); });
      w = list;
      break;
    }
    case ControlKind::DropDown: {
      auto* box = new QComboBox(this);
      box->setEditable(false);
      if (c.width > 0) box->setMinimumWidth(c.width * cw + 30);
      connect(box, &QComboBox::currentIndexChanged, this, [this, id] { notifyChanged(id); });
      w = box;
      break;
    }
    case ControlKind::CheckBox: {
      auto* box = new QCheckBox(caption, this);
      connect(box, &QCheckBox::clicked, this, [this, id] { notifyChanged(id); });
      w = box;
      break;
    }
    case ControlKind::Radio: {
      auto* radio = new QRadioButton(caption, this);
      QButtonGroup*& group = radioGroups_[{c.page, c.group}];
      if (!group) group = new QButtonGroup(this);
      group->addButton(radio);
      connect(radio, &QRadioButton::clicked, this, [this, id] { notifyChanged(id); });
      w = radio;
      break;
    }
    case ControlKind::Button: {
      auto* button = new QPushButton(caption, this);
      button->setAutoDefault(false);
      button->setDefault(c.isDefault);
      connect(button, &QPushButton::clicked, this, [this, id] { notifyPressed(id); });
      w = button;
      break;
    }
    case ControlKind::Static: {
      auto* label = new QLabel(captionWithoutMnemonics(toDisplayLines(caption)), this);
      label->setTextFormat(Qt::PlainText);
      w = label;
      break;
    }
    case ControlKind::Picture: {
      auto* box = new QLabel(this);
      box->setFrameStyle(QFrame::Box | QFrame::Plain);
      box->setFixedSize(std::max(8, c.width), std::max(8, c.height));
      box->setProperty("pictureControl", true);
      w = box;
      break;
    }
    case ControlKind::StatusBar: break;
  }
  if (!w) return;
  w->setObjectName(id ? QStringLiteral("control%1").arg(id) : QString());
  w->setEnabled(c.enabled);

  // A cell's label is its column's heading, drawn once above the grid.
  if (!c.label.empty() && !isCell(c) && (isFieldLike(c.kind) || labelAbove(c.kind))) {
    e->label = new QLabel(caption, this);
    e->label->setTextFormat(Qt::PlainText);
    e->label->setBuddy(w);
  }
  if (!c.unit.empty()) {
    e->unit = new QLabel(captionWithoutMnemonics(toQ(c.unit)), this);
    e->unit->setTextFormat(Qt::PlainText);
  }
  e->widget = w;
}

QWidget* FormDialog::buildBody() { return buildPage(-1); }

QWidget* FormDialog::buildPage(int page) {
  auto* pageWidget = new QWidget(this);
  auto* column = new QVBoxLayout(pageWidget);
  column->setContentsMargins(0, 0, 0, 0);

  // Lines in order; the controls of a line in reading order.
  std::map<int, std::vector<const Control*>> byLine;
  for (const Control& c : form_.layout().controls) {
    if (c.kind == ControlKind::StatusBar) continue;
    if (page >= 0 && c.page != page) continue;
    if (!find(c.id) && c.id != 0) continue;
    byLine[c.line].push_back(&c);
  }

  // Runs of lines of one sort: form lines share one aligned grid, grid lines (cells) one table,
  // and a line of buttons alone is a button row.
  enum class Sort { Form, Grid, Buttons };
  auto sortOf = [](const std::vector<const Control*>& line) {
    bool cells = false, buttonsOnly = true;
    for (const Control* c : line) {
      cells = cells || isCell(*c);
      buttonsOnly = buttonsOnly && c->kind == ControlKind::Button;
    }
    return cells ? Sort::Grid : buttonsOnly ? Sort::Buttons : Sort::Form;
  };
  // The button lines that end a plain dialog stay visible below the scrolling fields.
  if (page < 0) {
    std::vector<std::vector<const Control*>> bottom;
    while (!byLine.empty() && sortOf(std::prev(byLine.end())->second) == Sort::Buttons) {
      bottom.insert(bottom.begin(), std::prev(byLine.end())->second);
      byLine.erase(std::prev(byLine.end()));
    }
    if (!bottom.empty()) {
      auto* bar = new QWidget(this);
      bar->setObjectName(QStringLiteral("buttonBar"));
      auto* barColumn = new QVBoxLayout(bar);
      barColumn->setContentsMargins(0, 0, 0, 0);
      for (const auto& line : bottom) layoutButtonLine(barColumn, line);
      setButtonBar(bar);
    }
  }
  std::vector<std::vector<const Control*>> run;
  Sort runSort = Sort::Form;
  auto flush = [&] {
    if (run.empty()) return;
    if (runSort == Sort::Grid) layoutGridLines(column, run);
    else if (runSort == Sort::Buttons) for (const auto& line : run) layoutButtonLine(column, line);
    else layoutFormLines(column, run);
    run.clear();
  };
  // A text line over a grid whose cells share one name, its words spaced out over the columns
  // ("point loads, kip        at, ft"), becomes the grid's column headings, each over its column.
  auto columnHeadings = [&](const std::vector<const Control*>& line, const std::vector<const Control*>* next) {
    QStringList parts;
    if (line.size() != 1 || line[0]->kind != ControlKind::Static || line[0]->id != 0 || !next) return parts;
    if (sortOf(*next) != Sort::Grid) return parts;
    std::set<int> cols;
    std::set<std::string> names;
    for (const Control* c : *next)
      if (isCell(*c)) {
        cols.insert(c->col);
        names.insert(c->label);
      }
    if (names.size() != 1 || cols.empty() || *cols.rbegin() + 1 != static_cast<int>(cols.size())) return parts;
    parts = toQ(line[0]->label).split(QRegularExpression(QStringLiteral("\\s{2,}")), Qt::SkipEmptyParts);
    for (QString& p : parts) p = p.trimmed();
    if (parts.size() != static_cast<qsizetype>(cols.size())) parts.clear();
    return parts;
  };
  for (auto it = byLine.begin(); it != byLine.end(); ++it) {
    const auto& line = it->second;
    auto next = std::next(it);
    const QStringList headings = columnHeadings(line, next == byLine.end() ? nullptr : &next->second);
    if (!headings.isEmpty()) {
      flush();
      pendingHeadings_ = headings;
      if (const Entry* e = entryOf(line[0]); e && e->widget) e->widget->hide();
      continue;
    }
    Sort s = sortOf(line);
    if (!run.empty() && s != runSort) flush();
    runSort = s;
    run.push_back(line);
  }
  flush();
  // A report pane takes the room a larger window gives; without one the room stays below the fields.
  bool pane = false;
  for (int i = 0; i < column->count(); ++i) pane = pane || column->stretch(i) > 0;
  if (!pane) column->addStretch(1);
  return pageWidget;
}

FormDialog::Entry* FormDialog::find(int id) {
  auto it = entries_.find(id);
  return it == entries_.end() ? nullptr : &it->second;
}

const FormDialog::Entry* FormDialog::find(int id) const {
  auto it = entries_.find(id);
  return it == entries_.end() ? nullptr : &it->second;
}

const FormDialog::Entry* FormDialog::entryOf(const Control* c) const {
  if (c->id != 0) return find(c->id);
  for (const auto& a : anonymous_)
    if (a->control == c) return a.get();
  return nullptr;
}

void FormDialog::layoutFormLines(QVBoxLayout* page, const std::vector<std::vector<const Control*>>& lines) {
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(6);
  std::size_t items = 1;
  for (const auto& line : lines) items = std::max(items, line.size());
  const int columns = static_cast<int>(items) * 3;
  int row = 0;
  bool grows = false;
  for (const auto& line : lines) {
    for (std::size_t i = 0; i < line.size(); ++i) {
      const Control* c = line[i];
      const Entry* e = entryOf(c);
      if (!e || !e->widget) continue;
      const int col = static_cast<int>(i) * 3;
      const int span = (i + 1 == line.size()) ? columns - col : 3;
      placeItem(grid, row, col, span, *e);
      if (c->kind == ControlKind::Pane) {
        grid->setRowStretch(row, 1);
        grows = true;
      }
    }
    ++row;
  }
  grid->setColumnStretch(columns - 1, 1);
  page->addLayout(grid, grows ? 1 : 0);
}

void FormDialog::placeItem(QGridLayout* grid, int row, int col, int span, const Entry& e) {
  const Control& c = *e.control;
  if (isFieldLike(c.kind)) {
    if (e.label) grid->addWidget(e.label, row, col, Qt::AlignRight | Qt::AlignVCenter);
    const bool wide = c.kind == ControlKind::MultiEdit;
    if (e.unit) {
      grid->addWidget(e.widget, row, col + 1, 1, 1, wide ? Qt::Alignment() : Qt::AlignLeft);
      grid->addWidget(e.unit, row, col + 2, 1, span - 2, Qt::AlignLeft | Qt::AlignVCenter);
    } else {
      grid->addWidget(e.widget, row, col + 1, 1, span - 1, wide ? Qt::Alignment() : Qt::AlignLeft);
    }
    return;
  }
  if (labelAbove(c.kind)) {
    grid->addWidget(fieldBlock(e), row, col, 1, span);
    return;
  }
  // Static texts, check boxes, radio buttons, buttons and pictures take the item's whole width.
  const bool stretch = c.kind == ControlKind::Static;
  grid->addWidget(e.widget, row, col, 1, span, stretch ? Qt::Alignment() : Qt::AlignLeft);
}

QWidget* FormDialog::fieldBlock(const Entry& e) {
  auto* block = new QWidget(this);
  const bool above = labelAbove(e.control->kind);
  QBoxLayout* box = above ? static_cast<QBoxLayout*>(new QVBoxLayout(block)) : new QHBoxLayout(block);
  box->setContentsMargins(0, 0, 0, 0);
  box->setSpacing(above ? 2 : 6);
  if (e.label) box->addWidget(e.label);
  box->addWidget(e.widget);
  if (e.unit) box->addWidget(e.unit);
  if (!above) box->addStretch(1);
  return block;
}

void FormDialog::layoutGridLines(QVBoxLayout* page, const std::vector<std::vector<const Control*>>& lines) {
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(3);

  // Where each control of a line goes. A cell sits in its column. Anything else before the line's
  // first cell takes a free column left of it ("Ground" under an unused "Level" column), or else a
  // row-label column in front of the grid; anything after the cells takes the next free column.
  struct Placed {
    const Control* control;
    int col;  // -1: the row-label column
  };
  std::vector<std::vector<Placed>> placed;
  bool rowLabels = false;
  for (const auto& line : lines) {
    std::set<int> taken;
    int firstCell = -1;
    for (const Control* c : line)
      if (isCell(*c)) {
        taken.insert(c->col);
        if (firstCell < 0 || c->col < firstCell) firstCell = c->col;
      }
    std::vector<Placed> out;
    bool seenCell = false;
    int freeCol = 0;
    for (const Control* c : line) {
      if (isCell(*c)) {
        seenCell = true;
        out.push_back({c, c->col});
        continue;
      }
      while (taken.count(freeCol)) ++freeCol;
      if (!seenCell && freeCol >= firstCell) {
        out.push_back({c, -1});
        rowLabels = true;
        continue;
      }
      if (seenCell) freeCol = std::max(freeCol, *taken.rbegin() + 1);
      out.push_back({c, freeCol});
      taken.insert(freeCol);
    }
    placed.push_back(std::move(out));
  }
  const int shift = rowLabels ? 1 : 0;

  // Column headings: the label of the first cell of each column.
  std::map<int, QString> headings;
  for (const auto& line : lines)
    for (const Control* c : line)
      if (isCell(*c) && !headings.count(c->col)) headings[c->col] = toQ(c->label);
  // Cells that all carry one label carry the grid's name, which the form shows in its own words;
  // distinct labels are column headings.
  bool anyHeading = false, distinct = false;
  for (auto& [col, h] : headings) {
    anyHeading = anyHeading || !h.isEmpty();
    distinct = distinct || h != headings.begin()->second;
  }
  if (headings.size() > 1 && !distinct) anyHeading = false;
  // Headings the text line above the grid gave, one a column.
  if (!pendingHeadings_.isEmpty()) {
    qsizetype i = 0;
    for (auto& [col, h] : headings) h = i < pendingHeadings_.size() ? pendingHeadings_[i++] : QString();
    pendingHeadings_.clear();
    anyHeading = true;
  }
  int row = 0;
  if (anyHeading) {
    for (auto& [col, h] : headings) {
      auto* heading = new QLabel(captionWithoutMnemonics(h), this);
      heading->setTextFormat(Qt::PlainText);
      heading->setObjectName(QStringLiteral("gridHeading%1").arg(col));
      grid->addWidget(heading, row, col + shift, Qt::AlignLeft | Qt::AlignBottom);
    }
    ++row;
  }
  int lastCol = 0;
  for (const auto& line : placed) {
    for (const Placed& p : line) {
      const Entry* e = entryOf(p.control);
      if (!e || !e->widget) continue;
      const int col = p.col < 0 ? 0 : p.col + shift;
      lastCol = std::max(lastCol, col);
      if (isCell(*p.control)) {
        grid->addWidget(e->unit ? fieldBlock(*e) : e->widget, row, col, Qt::AlignLeft);
      } else {
        QWidget* w = (e->label || e->unit) ? fieldBlock(*e) : e->widget;
        grid->addWidget(w, row, col, (p.col < 0 ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
      }
    }
    ++row;
  }
  grid->setColumnStretch(lastCol + 1, 1);
  page->addLayout(grid);
}

void FormDialog::assignMnemonics() {
  QString used;
  // Letters the form's own captions claim come first, so no button takes one of them.
  for (const Control& c : form_.layout().controls)
    if (c.kind == ControlKind::Button || c.kind == ControlKind::CheckBox || c.kind == ControlKind::Radio) {
      const QString caption = toQ(c.label);
      for (qsizetype i = 0; i + 1 < caption.size(); ++i)
        if (caption.at(i) == u'&' && caption.at(i + 1) != u'&') used += caption.at(i + 1).toLower();
    }
  for (const Control& c : form_.layout().controls) {
    if (c.kind != ControlKind::Button || c.id == 0) continue;
    auto* button = qobject_cast<QPushButton*>(control(c.id));
    if (!button || button->text().contains(u'&')) continue;
    const QString caption = withMnemonic(button->text(), used);
    mnemonicCaption_[c.id] = caption;
    button->setText(caption);
  }
}

void FormDialog::setSidePicture(const QPixmap& picture) {
  if (!sidePicture_) return;
  sidePicture_->setPixmap(picture);
  sidePicture_->setVisible(!picture.isNull());
}

void FormDialog::setVisible(bool visible) {
  if (visible && !fitted_) {
    fitted_ = true;
    fitToScreen();
  }
  QDialog::setVisible(visible);
}

void FormDialog::fitToScreen() {
  if (!fieldsArea_ || !layout()) return;
  QWidget* inner = fieldsArea_->widget();
  inner->ensurePolished();
  for (QWidget* w : inner->findChildren<QWidget*>()) w->ensurePolished();
  if (inner->layout()) inner->layout()->activate();
  layout()->activate();
  // The whole form without scrolling: the fields' own size plus what sits around the scroll area.
  const QSize fields = inner->sizeHint().expandedTo(inner->minimumSizeHint());
  const QSize around = layout()->sizeHint() - fieldsArea_->sizeHint();
  const QMargins m = layout()->contentsMargins();
  QSize want(std::max(layout()->sizeHint().width(), fields.width() + fieldsArea_->verticalScrollBar()->sizeHint().width() +
                                                        m.left() + m.right() + 2 * fieldsArea_->frameWidth() + 4),
             fields.height() + std::max(0, around.height()) + 2);
  // Wide enough for the whole title beside the title bar's buttons.
  want.setWidth(std::max(want.width(), fontMetrics().horizontalAdvance(windowTitle()) + 120));
  // Room for the window's title bar and frame, which the screen's area also has to hold.
  QScreen* s = parentWidget() ? parentWidget()->screen() : screen();
  if (s) {
    const QSize room = s->availableGeometry().size() - QSize(16, 48);
    want = want.boundedTo(room);
    // The fields never need sideways scrolling while the screen is wide enough for them.
    const int fieldsWidth = fields.width() + fieldsArea_->verticalScrollBar()->sizeHint().width() +
                            2 * fieldsArea_->frameWidth() + 2;
    fieldsArea_->setMinimumWidth(std::min(fieldsWidth, room.width() - m.left() - m.right()));
    layout()->activate();
    want.setWidth(std::max(want.width(), std::min(room.width(), layout()->minimumSize().width())));
  }
  setMinimumSize(std::min(want.width(), std::max(minimumSizeHint().width(), 200)), std::min(want.height(), 200));
  resize(want);
}

void FormDialog::focusFirstNumber() {
  if (focusSetByForm_) return;
  // The first field that takes a number, not a location or a note.
  for (const Control& c : form_.layout().controls) {
    if (c.kind != ControlKind::Edit || c.isText) continue;
    QWidget* w = control(c.id);
    if (!w || !w->isEnabled()) continue;
    w->setFocus(Qt::OtherFocusReason);
    if (auto* line = qobject_cast<QLineEdit*>(w)) line->selectAll();
    return;
  }
}

void FormDialog::layoutButtonLine(QVBoxLayout* page, const std::vector<const Control*>& line) {
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  for (const Control* c : line)
    if (const Entry* e = find(c->id); e && e->widget) row->addWidget(e->widget);
  page->addLayout(row);
}

QWidget* FormDialog::addOwnButton(int id, const QString& caption) {
  if (Entry* existing = find(id); existing && existing->widget) return existing->widget;
  auto* button = new QPushButton(caption, this);
  button->setAutoDefault(false);
  button->setObjectName(QStringLiteral("control%1").arg(id));
  connect(button, &QPushButton::clicked, this, [this, id] { notifyPressed(id); });
  entries_[id].widget = button;
  entries_[id].raw = fromQ(caption);
  return button;
}

// ---- Events to the form -------------------------------------------------------------------------

void FormDialog::notifyChanged(int id) {
  if (closed_) return;
  form_.change(*this, id);
}

void FormDialog::notifyPressed(int id) {
  if (closed_) return;
  form_.press(*this, id);
}

void FormDialog::reject() {
  // Escape and the close box are Cancel; the form decides whether the window goes.
  notifyPressed(kCancel);
}

void FormDialog::keyPressEvent(QKeyEvent* event) {
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && event->modifiers() == Qt::NoModifier) {
    // Enter presses the focused push button, else Calculate, else the default one, else OK.
    if (auto* focused = qobject_cast<QPushButton*>(focusWidget()); focused && focused->isEnabled()) {
      focused->click();
      return;
    }
    if (const int calc = form_.calculateButton()) {
      if (auto* b = qobject_cast<QPushButton*>(control(calc)); b && b->isVisible()) {
        if (b->isEnabled()) b->click();
        return;
      }
    }
    for (auto* b : findChildren<QPushButton*>()) {
      if (b->isDefault() && b->isVisible()) {
        if (b->isEnabled()) b->click();
        return;
      }
    }
    if (auto* ok = qobject_cast<QPushButton*>(control(kOk)); ok && ok->isEnabled() && ok->isVisible()) ok->click();
    return;
  }
  QDialog::keyPressEvent(event);
}

bool FormDialog::start() {
  build();
  form_.opened(*this);
  if (!closed_) focusFirstNumber();
  return !closed_;
}

bool FormDialog::run() {
  if (!start()) return accepted_;
  exec();
  return accepted_;
}

// ---- FormHost -----------------------------------------------------------------------------------

QWidget* FormDialog::control(int id) const {
  const Entry* e = find(id);
  return e ? e->widget : nullptr;
}

QLabel* FormDialog::labelOf(int id) const {
  const Entry* e = find(id);
  return e ? e->label : nullptr;
}

QLabel* FormDialog::unitOf(int id) const {
  const Entry* e = find(id);
  return e ? e->unit : nullptr;
}

QLabel* FormDialog::statusPart(int part) const { return (part == 0 || part == 1) ? status_[part] : nullptr; }

std::string FormDialog::text(int id, std::size_t capacity) const {
  const Entry* e = find(id);
  QString t;
  if (!e || !e->widget) {
    auto it = orphanText_.find(id);
    return it == orphanText_.end() ? std::string() : cutToCapacity(it->second, capacity);
  }
  if (auto* edit = qobject_cast<QLineEdit*>(e->widget)) {
    t = edit->text();
  } else if (auto* plain = qobject_cast<QPlainTextEdit*>(e->widget)) {
    t = toCrLfLines(plain->document()->toRawText());
  } else if (auto* box = qobject_cast<QComboBox*>(e->widget)) {
    t = box->currentText();
  } else if (auto* list = qobject_cast<QListWidget*>(e->widget)) {
    t = list->currentItem() ? list->currentItem()->text() : QString();
  } else {
    return cutToCapacity(e->raw, capacity);
  }
  return cutToCapacity(fromQ(t), capacity);
}

void FormDialog::setText(int id, std::string_view value) {
  Entry* e = find(id);
  if (!e || !e->widget) {
    orphanText_[id] = std::string(value);
    return;
  }
  const QSignalBlocker block(e->widget);
  const QString t = toQ(value);
  if (auto* edit = qobject_cast<QLineEdit*>(e->widget)) {
    edit->setText(t);
    edit->setCursorPosition(0);
  } else if (auto* plain = qobject_cast<QPlainTextEdit*>(e->widget)) {
    plain->setPlainText(toDisplayLines(t));
  } else if (auto* label = qobject_cast<QLabel*>(e->widget); label && !label->property("pictureControl").toBool()) {
    e->raw = std::string(value);
    label->setText(captionWithoutMnemonics(toDisplayLines(t)));
  } else if (auto* button = qobject_cast<QAbstractButton*>(e->widget)) {
    e->raw = std::string(value);
    // A new caption keeps the button's mnemonic letter when it still has that letter.
    QString caption = t;
    if (auto it = mnemonicCaption_.find(id); it != mnemonicCaption_.end() && !t.contains(u'&')) {
      const qsizetype amp = it->second.indexOf(u'&');
      const QChar letter = amp >= 0 && amp + 1 < it->second.size() ? it->second.at(amp + 1) : QChar();
      const qsizetype at = letter.isNull() ? -1 : t.indexOf(letter);
      if (at >= 0) caption = t.left(at) + u'&' + t.mid(at);
    }
    button->setText(caption);
  } else {
    orphanText_[id] = std::string(value);
  }
}

void FormDialog::setItems(int id, const std::vector<std::string>& items) {
  Entry* e = find(id);
  if (!e || !e->widget) return;
  const QSignalBlocker block(e->widget);
  QStringList list;
  list.reserve(static_cast<qsizetype>(items.size()));
  for (const std::string& s : items) list << toQ(s);
  if (auto* lw = qobject_cast<QListWidget*>(e->widget)) {
    lw->clear();
    lw->addItems(list);
    lw->setCurrentRow(-1);
  } else if (auto* box = qobject_cast<QComboBox*>(e->widget)) {
    box->clear();
    box->addItems(list);
    box->setCurrentIndex(-1);
  }
}

int FormDialog::selection(int id) const {
  const Entry* e = find(id);
  if (!e) return -1;
  if (auto* lw = qobject_cast<QListWidget*>(e->widget)) return lw->currentRow();
  if (auto* box = qobject_cast<QComboBox*>(e->widget)) return box->currentIndex();
  return -1;
}

std::string FormDialog::itemText(int id, int index) const {
  const Entry* e = find(id);
  if (!e) return {};
  if (auto* lw = qobject_cast<QListWidget*>(e->widget))
    return index >= 0 && index < lw->count() ? fromQ(lw->item(index)->text()) : std::string();
  if (auto* box = qobject_cast<QComboBox*>(e->widget))
    return index >= 0 && index < box->count() ? fromQ(box->itemText(index)) : std::string();
  return {};
}

void FormDialog::select(int id, int index) {
  Entry* e = find(id);
  if (!e) return;
  const QSignalBlocker block(e->widget);
  if (auto* lw = qobject_cast<QListWidget*>(e->widget)) {
    lw->setCurrentRow(index >= 0 && index < lw->count() ? index : -1);
    if (lw->currentItem()) lw->scrollToItem(lw->currentItem());
  } else if (auto* box = qobject_cast<QComboBox*>(e->widget)) {
    box->setCurrentIndex(index >= 0 && index < box->count() ? index : -1);
  }
}

bool FormDialog::checked(int id) const {
  const Entry* e = find(id);
  auto* b = e ? qobject_cast<QAbstractButton*>(e->widget) : nullptr;
  return b && b->isCheckable() && b->isChecked();
}

void FormDialog::setChecked(int id, bool on) {
  Entry* e = find(id);
  auto* b = e ? qobject_cast<QAbstractButton*>(e->widget) : nullptr;
  if (!b || !b->isCheckable()) return;
  const QSignalBlocker block(b);
  // An exclusive group refuses to uncheck its checked button; the form may still clear it.
  QButtonGroup* group = b->group();
  if (group && !on) group->setExclusive(false);
  b->setChecked(on);
  if (group && !on) group->setExclusive(true);
}

void FormDialog::setEnabled(int id, bool on) {
  if (QWidget* w = control(id)) w->setEnabled(on);
}

void FormDialog::setStatus(int part, std::string_view value) {
  if (QLabel* s = statusPart(part)) s->setText(toQ(value));
}

void FormDialog::showPicture(int id, const std::filesystem::path& file) {
  if (QWidget* w = control(id)) showPictureFile(w, file);
}

void FormDialog::close(bool accepted) {
  if (closed_) return;
  closed_ = true;
  accepted_ = accepted;
  done(accepted ? QDialog::Accepted : QDialog::Rejected);
}

void FormDialog::message(std::string_view caption, std::string_view value, MessageIcon icon) {
  countMessage(icon);
  showMessage(this, caption, value, icon);
}

bool FormDialog::isEnabled(int id) const {
  const QWidget* w = control(id);
  return !w || w->isEnabled();
}

void FormDialog::setFocus(int id) {
  QWidget* w = control(id);
  if (!w) return;
  focusSetByForm_ = true;
  w->setFocus(Qt::OtherFocusReason);
  if (auto* line = qobject_cast<QLineEdit*>(w)) line->selectAll();
}

bool FormDialog::askYesNo(std::string_view caption, std::string_view value) {
  return gui::askYesNo(this, caption, value);
}

}  // namespace vd::gui
