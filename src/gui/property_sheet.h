#pragma once
// The property sheet: a form whose layout has pages, shown as tabs with OK, Cancel and Apply.
#include "gui/form_dialog.h"

class QTabWidget;

namespace vd::gui {

class PropertySheetDialog : public FormDialog {
  Q_OBJECT
 public:
  PropertySheetDialog(Form& form, QWidget* parent);

  QTabWidget* tabs() const { return tabs_; }

 protected:
  QWidget* buildBody() override;
  // Any change makes Apply available, as a sheet page announces a change.
  void notifyChanged(int id) override;

 private:
  QTabWidget* tabs_ = nullptr;
};

}  // namespace vd::gui
