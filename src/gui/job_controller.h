#pragma once
// The desktop's job commands: New Job, Open Job, the recent jobs, Job Summary, Save Package as PDF,
// and the pad's "Save report as PDF..." with the same page rules.
#include <QObject>
#include <memory>

#include "jobs/job_session.h"

class QMenu;
class QWidget;

namespace vd::gui {

class JobController : public QObject {
  Q_OBJECT
 public:
  JobController(QWidget* window, Frame& frame, const FormRegistry& registry);
  ~JobController() override;

  bool run(int commandId);
  // Opens (or creates, with `header`) the job; false after telling the user why not.
  bool openJob(const QString& file);
  bool newJob(const QString& file, const JobHeader& header);
  JobSession* session() const { return session_.get(); }
  // The "Recent Jobs" submenu, refilled each time it opens.
  void attachRecentMenu(QMenu* menu);
  // Shows the summary; a calculation chosen there is reopened in its form.
  void showSummary();
  bool savePackage(const QString& file);
  bool saveReport(const std::string& text, const QString& file);
  // The main window's title with the open job's file name.
  QString windowTitle() const;

 signals:
  void jobChanged();

 private:
  void setSession(std::unique_ptr<JobSession> session);

  QWidget* window_;
  Frame& frame_;
  const FormRegistry& registry_;
  std::unique_ptr<JobSession> session_;
};

}  // namespace vd::gui
