#include "gui/property_sheet.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "gui/qt_text.h"

namespace vd::gui {

PropertySheetDialog::PropertySheetDialog(Form& form, QWidget* parent) : FormDialog(form, parent) {}

QWidget* PropertySheetDialog::buildBody() {
  auto* body = new QWidget(this);
  auto* column = new QVBoxLayout(body);
  column->setContentsMargins(0, 0, 0, 0);
  tabs_ = new QTabWidget(body);
  tabs_->setObjectName(QStringLiteral("pages"));
  const auto& pages = form().layout().pages;
  for (std::size_t i = 0; i < pages.size(); ++i) {
    QWidget* page = buildPage(static_cast<int>(i));
    page->setContentsMargins(8, 8, 8, 8);
    tabs_->addTab(page, toQ(pages[i]));  // "&&" in a page title shows "&", as on a tab
  }
  column->addWidget(tabs_, 1);

  // OK, Cancel and Apply stay below the scrolling pages.
  auto* bar = new QWidget(this);
  bar->setObjectName(QStringLiteral("buttonBar"));
  auto* buttons = new QHBoxLayout(bar);
  buttons->setContentsMargins(0, 0, 0, 0);
  buttons->addStretch(1);
  buttons->addWidget(addOwnButton(kOk, tr("OK")));
  buttons->addWidget(addOwnButton(kCancel, tr("Cancel")));
  QWidget* apply = addOwnButton(kApply, tr("&Apply"));
  apply->setEnabled(false);  // until something changes
  buttons->addWidget(apply);
  setButtonBar(bar);
  if (auto* ok = qobject_cast<QPushButton*>(control(kOk))) ok->setDefault(true);
  return body;
}

void PropertySheetDialog::notifyChanged(int id) {
  if (!isClosed()) setEnabled(kApply, true);
  FormDialog::notifyChanged(id);
}

}  // namespace vd::gui
