#pragma once
// The Job Summary: the open job's calculations in a sortable table, NO GOOD rows marked. Double-click
// (or Open) reopens one in its form; Delete asks first; Up and Down reorder; Rerun all recalculates.
#include <QDialog>

#include "jobs/job_session.h"

class QTableWidget;

namespace vd::gui {

class JobSummaryDialog : public QDialog {
  Q_OBJECT
 public:
  JobSummaryDialog(JobSession& session, const FormRegistry& registry, QWidget* parent = nullptr);
  // The calculation to reopen once the dialog closed with Open (0: none).
  int chosen() const { return chosen_; }
  QTableWidget* table() const { return table_; }
  void refill(int selectNumber = 0);
  void removeSelected(bool ask = true);
  void moveSelected(int delta);
  void rerun();

 private:
  int selectedNumber() const;
  void report(const std::exception& e);

  JobSession& session_;
  const FormRegistry& registry_;
  QTableWidget* table_ = nullptr;
  int chosen_ = 0;
};

}  // namespace vd::gui
