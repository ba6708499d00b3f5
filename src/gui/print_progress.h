#pragma once
// The modeless box shown while the report goes to the printer: "Sending", the file title,
// "to print spooler." and Cancel. It has no close box; Cancel is the only way to stop the job.
#include <QDialog>

namespace vd::gui {

class PrintProgressBox : public QDialog {
  Q_OBJECT
 public:
  PrintProgressBox(const QString& fileTitle, QWidget* parent);

  bool aborted() const { return aborted_; }

 signals:
  void cancelled();

 protected:
  void reject() override;  // Escape is Cancel too

 private:
  bool aborted_ = false;
};

}  // namespace vd::gui
