#include "gui/print_progress.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vd::gui {

PrintProgressBox::PrintProgressBox(const QString& fileTitle, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName(QStringLiteral("PrintDlgBox"));
  setWindowTitle(QStringLiteral("Vardelin"));
  setModal(false);
  setMinimumWidth(260);
  auto* column = new QVBoxLayout(this);
  for (const QString& line : {QStringLiteral("Sending"), fileTitle, QStringLiteral("to print spooler.")}) {
    auto* label = new QLabel(line, this);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignCenter);
    column->addWidget(label);
  }
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  cancel->setObjectName(QStringLiteral("cancel"));
  column->addWidget(cancel, 0, Qt::AlignCenter);
  connect(cancel, &QPushButton::clicked, this, &PrintProgressBox::reject);
}

void PrintProgressBox::reject() {
  if (aborted_) return;
  aborted_ = true;
  emit cancelled();
  hide();
}

}  // namespace vd::gui
