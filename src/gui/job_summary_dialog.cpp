#include "gui/job_summary_dialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QHeaderView>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "gui/message_box.h"
#include "gui/qt_text.h"
#include "platform/text_format.h"

namespace vd::gui {

namespace {
enum Column { Number, Mark, Form, Section, Ratio, Verdict, Date, ColumnCount };

QTableWidgetItem* item(const QVariant& v) {
  auto* it = new QTableWidgetItem;
  it->setData(Qt::DisplayRole, v);
  it->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
  return it;
}
}  // namespace

JobSummaryDialog::JobSummaryDialog(JobSession& session, const FormRegistry& registry, QWidget* parent)
    : QDialog(parent), session_(session), registry_(registry) {
  setObjectName(QStringLiteral("jobSummary"));
  setWindowTitle(QStringLiteral("Job Summary - ") + toQ(session.job().file().filename().string()));
  table_ = new QTableWidget(0, ColumnCount, this);
  table_->setObjectName(QStringLiteral("summaryTable"));
  table_->setHorizontalHeaderLabels(
      {QStringLiteral("No."), QStringLiteral("Mark"), QStringLiteral("Form"), QStringLiteral("Section"),
       QStringLiteral("Ratio"), QStringLiteral("Verdict"), QStringLiteral("Date")});
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setSortingEnabled(true);
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setStretchLastSection(true);
  connect(table_, &QTableWidget::cellDoubleClicked, this, [this](int, int) {
    chosen_ = selectedNumber();
    if (chosen_ > 0) accept();
  });

  auto* buttons = new QHBoxLayout;
  auto add = [&](const QString& text, auto slot) {
    auto* b = new QPushButton(text, this);
    b->setObjectName(text);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, slot);
    buttons->addWidget(b);
  };
  add(QStringLiteral("Open"), [this] {
    chosen_ = selectedNumber();
    if (chosen_ > 0) accept();
  });
  add(QStringLiteral("Delete"), [this] { removeSelected(true); });
  add(QStringLiteral("Move Up"), [this] { moveSelected(-1); });
  add(QStringLiteral("Move Down"), [this] { moveSelected(+1); });
  add(QStringLiteral("Rerun all"), [this] { rerun(); });
  buttons->addStretch();
  add(QStringLiteral("Close"), [this] { reject(); });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(table_);
  layout->addLayout(buttons);
  resize(900, 420);
  refill();
}

void JobSummaryDialog::refill(int selectNumber) {
  table_->setSortingEnabled(false);
  const std::vector<CalculationRow> rows = session_.job().list();
  table_->setRowCount(static_cast<int>(rows.size()));
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    const CalculationRow& c = rows[static_cast<std::size_t>(r)];
    table_->setItem(r, Number, item(c.number));
    table_->setItem(r, Mark, item(toQ(c.mark)));
    table_->setItem(r, Form, item(toQ(c.commandText)));
    table_->setItem(r, Section, item(toQ(c.section)));
    table_->setItem(r, Ratio, c.verdict.empty() ? item(QString()) : item(QString::number(c.ratio, 'f', 2)));
    table_->setItem(r, Verdict, item(toQ(c.verdict)));
    table_->setItem(r, Date, item(toQ(c.modified)));
    if (c.verdict == "NO GOOD") {
      for (int col = 0; col < ColumnCount; ++col) {
        table_->item(r, col)->setBackground(QColor(255, 205, 205));
        table_->item(r, col)->setForeground(QColor(150, 0, 0));
      }
    }
  }
  table_->setSortingEnabled(true);
  table_->resizeColumnsToContents();
  for (int r = 0; r < table_->rowCount(); ++r)
    if (table_->item(r, Number)->data(Qt::DisplayRole).toInt() == selectNumber) table_->selectRow(r);
}

int JobSummaryDialog::selectedNumber() const {
  const int row = table_->currentRow();
  if (row < 0 || !table_->item(row, Number)) return 0;
  return table_->item(row, Number)->data(Qt::DisplayRole).toInt();
}

void JobSummaryDialog::report(const std::exception& e) { showMessage(this, "Vardelin", e.what(), MessageIcon::Exclamation); }

void JobSummaryDialog::removeSelected(bool ask) {
  const int n = selectedNumber();
  if (n <= 0) return;
  if (ask && !askYesNo(this, "Vardelin", format("Delete calculation %d from the job? This cannot be undone.", n))) return;
  try {
    session_.job().remove(n);
  } catch (const std::exception& e) {
    report(e);
  }
  refill(std::min(n, session_.job().count()));
}

void JobSummaryDialog::moveSelected(int delta) {
  const int n = selectedNumber();
  if (n <= 0) return;
  try {
    const bool moved = delta < 0 ? session_.job().moveUp(n) : session_.job().moveDown(n);
    // Moving is by number: show the table in that order so the row is seen to move.
    table_->sortByColumn(Number, Qt::AscendingOrder);
    refill(moved ? n + delta : n);
  } catch (const std::exception& e) {
    report(e);
  }
}

void JobSummaryDialog::rerun() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  std::string text;
  try {
    text = rerunText(rerunAll(session_.job(), registry_));
  } catch (const std::exception& e) {
    text = e.what();
  }
  QApplication::restoreOverrideCursor();
  QDialog box(this);
  box.setObjectName(QStringLiteral("rerunResult"));
  box.setWindowTitle(QStringLiteral("Rerun all"));
  auto* view = new QPlainTextEdit(toQ(fromCrLf(text)), &box);
  view->setReadOnly(true);
  view->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  auto* ok = new QDialogButtonBox(QDialogButtonBox::Ok, &box);
  connect(ok, &QDialogButtonBox::accepted, &box, &QDialog::accept);
  auto* l = new QVBoxLayout(&box);
  l->addWidget(view);
  l->addWidget(ok);
  box.resize(760, 360);
  box.exec();
}

}  // namespace vd::gui
