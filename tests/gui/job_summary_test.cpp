// The desktop's job commands: the title names the open job, the summary table lists, sorts and marks
// NO GOOD rows, moves and deletes; a calculation reopened from it and accepted replaces its number.
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>

#include "app/all_forms.h"
#include "gui/job_controller.h"
#include "gui/job_summary_dialog.h"
#include "gui_support.h"

namespace {

using guitest::ScratchDir;

class JobSummaryTest : public ScratchDir {
 protected:
  vd::Calculation calc(const std::string& mark, const std::string& verdict, double ratio) {
    vd::Calculation c;
    c.command = 603;
    c.commandText = "Stl Wide Flange Bm/ASD";
    c.mark = mark;
    c.section = "W18x50";
    c.report = " report of " + mark + "\r\n";
    c.verdict = verdict;
    c.ratio = ratio;
    return c;
  }
};

TEST_F(JobSummaryTest, TableSortsMarksMovesAndDeletes) {
  {
    auto job = vd::Job::create("t.vardelin", {"P", "1", "", "", "", "", ""});
    job->append(calc("B-1", "OK", 0.50));
    job->append(calc("B-2", "NO GOOD", 1.25));
    job->append(calc("B-3", "OK", 0.75));
  }
  vd::JobSession session(vd::Job::open("t.vardelin"));
  vd::gui::JobSummaryDialog dialog(session, vd::allForms());
  QTableWidget* t = dialog.table();
  ASSERT_EQ(t->rowCount(), 3);
  EXPECT_EQ(t->item(1, 5)->text(), QStringLiteral("NO GOOD"));
  EXPECT_EQ(t->item(1, 0)->background().color(), QColor(255, 205, 205));
  EXPECT_EQ(t->item(0, 0)->background().style(), Qt::NoBrush);
  t->sortByColumn(4, Qt::DescendingOrder);  // by ratio, largest first
  EXPECT_EQ(t->item(0, 1)->text(), QStringLiteral("B-2"));
  EXPECT_EQ(t->item(2, 1)->text(), QStringLiteral("B-1"));

  dialog.refill(3);
  dialog.moveSelected(-1);  // B-3 before B-2
  EXPECT_EQ(session.job().get(2).mark, "B-3");
  EXPECT_EQ(t->item(t->currentRow(), 0)->text(), QStringLiteral("2"));
  dialog.removeSelected(false);
  ASSERT_EQ(session.job().count(), 2);
  EXPECT_EQ(session.job().get(2).mark, "B-2");
  EXPECT_EQ(t->rowCount(), 2);
}

TEST_F(JobSummaryTest, TitleNamesTheJobAndAReopenedCalculationIsReplaced) {
  vd::Settings settings(ini());
  vd::gui::MainWindow window(settings, vd::allForms());
  vd::gui::JobController* jobs = window.jobs();
  ASSERT_TRUE(jobs->newJob(QStringLiteral("site.vardelin"), {"Site", "7", "", "", "", "", ""}));
  EXPECT_TRUE(window.windowTitle().endsWith(QStringLiteral(" - Job site.vardelin"))) << window.windowTitle().toStdString();
  EXPECT_EQ(vd::recentJobs(settings).front().filename(), "site.vardelin");

  // OK on a form appends; reopened from the job, OK replaces the same number.
  guitest::whenModal<vd::gui::FormDialog>([](vd::gui::FormDialog* d) { d->form().press(*d, vd::kOk); });
  window.runCommand(505);  // W, M, or S property sheet
  ASSERT_EQ(jobs->session()->job().count(), 1);
  guitest::whenModal<vd::gui::FormDialog>([](vd::gui::FormDialog* d) { d->form().press(*d, vd::kOk); });
  jobs->session()->reopen(window.frame(), 1);
  EXPECT_EQ(jobs->session()->job().count(), 1);
  EXPECT_EQ(jobs->session()->lastNumber(), 1);

  // A file that is not a job is refused with a message and the job stays open.
  std::ofstream("junk.vardelin") << "junk";
  guitest::ModalAnswerer answer;
  EXPECT_FALSE(jobs->openJob(QStringLiteral("junk.vardelin")));
  EXPECT_EQ(answer.messages.size(), 1u);
  EXPECT_EQ(jobs->session()->job().file().filename(), "site.vardelin");
}

}  // namespace
