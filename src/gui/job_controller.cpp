#include "gui/job_controller.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>

#include "gui/job_summary_dialog.h"
#include "gui/main_window.h"
#include "gui/message_box.h"
#include "gui/package/package_pdf.h"
#include "gui/qt_text.h"

namespace vd::gui {

namespace {

// Asks for the title block of a new job; false on Cancel.
bool askHeader(QWidget* parent, JobHeader& h) {
  QDialog d(parent);
  d.setObjectName(QStringLiteral("jobHeader"));
  d.setWindowTitle(QStringLiteral("New Job"));
  auto* form = new QFormLayout(&d);
  std::vector<std::pair<std::string*, QLineEdit*>> fields;
  const std::pair<const char*, std::string*> rows[] = {
      {"Project name:", &h.project}, {"Job number:", &h.number}, {"Client:", &h.client}, {"Engineer:", &h.engineer},
      {"Address:", &h.address},      {"Code notes:", &h.notes},  {"Units:", &h.units}};
  for (const auto& [label, field] : rows) {
    auto* e = new QLineEdit(toQ(*field), &d);
    e->setObjectName(QString::fromLatin1(label));
    form->addRow(QString::fromLatin1(label), e);
    fields.push_back({field, e});
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &d);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &d, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &d, &QDialog::reject);
  form->addRow(buttons);
  if (d.exec() != QDialog::Accepted) return false;
  for (auto& [field, e] : fields) *field = fromQ(e->text());
  return true;
}

const QString kJobFilter = QStringLiteral("Vardelin jobs (*.vardelin)");

}  // namespace

JobController::JobController(QWidget* window, Frame& frame, const FormRegistry& registry)
    : QObject(window), window_(window), frame_(frame), registry_(registry) {}

JobController::~JobController() { frame_.setCalculationSink(nullptr); }

void JobController::setSession(std::unique_ptr<JobSession> session) {
  frame_.setCalculationSink(nullptr);
  session_ = std::move(session);
  frame_.setCalculationSink(session_.get());
  if (session_) rememberJob(frame_.state().settings, session_->job().file());
  emit jobChanged();
}

bool JobController::openJob(const QString& file) {
  try {
    setSession(std::make_unique<JobSession>(Job::open(fromQ(file), true)));
    return true;
  } catch (const JobError& e) {
    showMessage(window_, "Vardelin", e.what(), MessageIcon::Exclamation);
    return false;
  }
}

bool JobController::newJob(const QString& file, const JobHeader& header) {
  try {
    setSession(std::make_unique<JobSession>(Job::create(fromQ(file), header)));
    return true;
  } catch (const JobError& e) {
    showMessage(window_, "Vardelin", e.what(), MessageIcon::Exclamation);
    return false;
  }
}

void JobController::attachRecentMenu(QMenu* menu) {
  connect(menu, &QMenu::aboutToShow, this, [this, menu] {
    menu->clear();
    const auto recent = recentJobs(frame_.state().settings);
    for (const auto& f : recent) {
      const QString path = toQ(f.string());
      QAction* a = menu->addAction(path);
      connect(a, &QAction::triggered, this, [this, path] { openJob(path); });
    }
    if (recent.empty()) menu->addAction(QStringLiteral("(none)"))->setEnabled(false);
  });
}

QString JobController::windowTitle() const {
  QString t = QString::fromUtf8(kWindowTitle);
  if (session_) t += QStringLiteral(" - Job ") + toQ(session_->job().file().filename().string());
  return t;
}

void JobController::showSummary() {
  if (!session_) {
    showMessage(window_, "Vardelin", "No job is open. Open or make one with File > Open Job... or New Job...",
                MessageIcon::Information);
    return;
  }
  JobSummaryDialog dialog(*session_, registry_, window_);
  if (dialog.exec() == QDialog::Accepted && dialog.chosen() > 0) {
    try {
      session_->reopen(frame_, dialog.chosen());
    } catch (const JobError& e) {
      showMessage(window_, "Vardelin", e.what(), MessageIcon::Exclamation);
    }
  }
}

bool JobController::savePackage(const QString& file) {
  std::string error;
  if (exportPackage(session_->job(), fromQ(file), paperSetting(frame_.state().settings), error)) return true;
  showMessage(window_, "Vardelin", "Could not save the package as " + fromQ(file) + ": " + error, MessageIcon::Exclamation);
  return false;
}

bool JobController::saveReport(const std::string& text, const QString& file) {
  PageTitle title;
  if (session_) {
    const JobHeader h = session_->job().header();
    title = {h.project, h.number, h.engineer};
  } else {
    title.jobNumber = frame_.state().jobNumber;
  }
  std::string error;
  if (writeReportPdf(text, title, paperSetting(frame_.state().settings), fromQ(file), error)) return true;
  showMessage(window_, "Vardelin", "Could not save the report as " + fromQ(file) + ": " + error, MessageIcon::Exclamation);
  return false;
}

bool JobController::run(int commandId) {
  switch (commandId) {
    case cmd::NewJob: {
      QString file = QFileDialog::getSaveFileName(window_, QStringLiteral("New Job"), QStringLiteral("job.vardelin"), kJobFilter);
      if (file.isEmpty()) return true;
      if (!file.endsWith(QStringLiteral(".vardelin"))) file += QStringLiteral(".vardelin");
      if (QFileInfo::exists(file)) {
        showMessage(window_, "Vardelin", fromQ(file) + " already exists; open it with Open Job...", MessageIcon::Exclamation);
        return true;
      }
      JobHeader h;
      h.units = "US customary (kip, ft, in.)";
      if (askHeader(window_, h)) newJob(file, h);
      return true;
    }
    case cmd::OpenJob: {
      const QString file = QFileDialog::getOpenFileName(window_, QStringLiteral("Open Job"), QString(), kJobFilter);
      if (!file.isEmpty()) openJob(file);
      return true;
    }
    case cmd::JobSummary: showSummary(); return true;
    case cmd::SavePackage: {
      if (!session_) {
        showMessage(window_, "Vardelin", "No job is open.", MessageIcon::Information);
        return true;
      }
      QString file = QFileDialog::getSaveFileName(window_, QStringLiteral("Save Package as PDF"),
                                                  toQ(session_->job().file().stem().string()) + QStringLiteral(".pdf"),
                                                  QStringLiteral("PDF files (*.pdf)"));
      if (file.isEmpty()) return true;
      if (!file.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) file += QStringLiteral(".pdf");
      savePackage(file);
      return true;
    }
    default: return false;
  }
}

}  // namespace vd::gui
