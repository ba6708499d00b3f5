// gui_screenshots DIR [COMMAND...]: saves a PNG of each window of the desktop program into DIR, for
// the documentation; with command ids, only the forms those commands open ("form_<id>.png").
// gui_screenshots --forms DIR: every form of the menus as it opens ("<template>.png"), and a check
// that each form fits the screen with all its buttons on it (exit status 1 names the ones that do
// not).
// gui_screenshots --wood DIR: the 2x-4x size form with a member chosen and the 2x-4x beam form after a
// calculation, driven through the desktop dialogs. Runs on whatever platform Qt is given (offscreen works;
// tools/screenshots.sh sets the screen).
#include <QApplication>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "app/all_forms.h"
#include "gui/form_dialog.h"
#include "gui/main_window.h"
#include "gui/pictures.h"
#include "gui/print_progress.h"
#include "gui/property_sheet.h"

namespace {

void save(QWidget* w, const QString& dir, const QString& name) {
  QApplication::processEvents();
  const QString file = dir + "/" + name + ".png";
  if (!w->grab().save(file, "PNG"))
    std::fprintf(stderr, "could not write %s\n", qPrintable(file));
  else
    std::printf("%s\n", qPrintable(file));
}

// A message box a form shows while opening would wait for a click: answer it.
void dismissModalBoxes() {
  auto* timer = new QTimer(qApp);
  QObject::connect(timer, &QTimer::timeout, [] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) box->reject();
  });
  timer->start(50);
}

// Every form of the menus: saved as it opens, and checked against the screen.
int allForms(const QString& dir, vd::gui::MainWindow& window) {
  dismissModalBoxes();
  int misfits = 0;
  for (const vd::Command& c : vd::commandTable()) {
    if (c.kind != vd::CommandKind::Form) continue;
    const vd::FormFactory* factory = vd::allForms().find(c.id);
    if (!factory) continue;
    std::unique_ptr<vd::Form> form = (*factory)(window.state());
    auto dialog = vd::gui::FormDialog::create(*form, &window);
    if (c.after == vd::After::BeamReport) dialog->setSidePicture(vd::gui::beamBitmap(vd::beamPicture(c.id)));
    if (!dialog->start()) continue;
    dialog->show();
    QApplication::processEvents();
    const QRect screen = dialog->screen()->availableGeometry();
    const QRect frame = dialog->frameGeometry();
    const QString name = QString::fromUtf8(c.templateName);
    if (!screen.contains(frame)) {
      std::printf("MISFIT %s: the window %dx%d%+d%+d is not within the screen %dx%d\n", qPrintable(name), frame.width(),
                  frame.height(), frame.x(), frame.y(), screen.width(), screen.height());
      ++misfits;
    }
    for (QPushButton* b : dialog->findChildren<QPushButton*>()) {
      if (!b->isVisibleTo(dialog.get())) continue;
      // Buttons among the fields scroll with them; the rest must be on the screen as the form opens.
      if (dialog->fieldsArea() && dialog->fieldsArea()->isAncestorOf(b)) continue;
      const QRect r(b->mapToGlobal(QPoint(0, 0)), b->size());
      if (!screen.contains(r)) {
        std::printf("MISFIT %s: button \"%s\" at %dx%d%+d%+d is off the screen\n", qPrintable(name),
                    qPrintable(b->text()), r.width(), r.height(), r.x(), r.y());
        ++misfits;
      }
    }
    save(dialog.get(), dir, name);
    if (auto* sheet = dynamic_cast<vd::gui::PropertySheetDialog*>(dialog.get())) {
      for (int page = 1; page < sheet->tabs()->count(); ++page) {
        sheet->tabs()->setCurrentIndex(page);
        save(sheet, dir, QString("%1_page%2").arg(name).arg(page + 1));
      }
    }
    dialog->hide();
  }
  std::printf("%d misfits\n", misfits);
  return misfits == 0 ? 0 : 1;
}

// The id of the control of this kind with this label, or of the nth of its kind when the label is empty.
int find(vd::Form& form, const std::string& label, vd::ControlKind kind, int nth = 0) {
  for (const vd::Control& c : form.layout().controls)
    if (c.kind == kind && (label.empty() ? nth-- == 0 : c.label == label)) return c.id;
  return -1;
}

// The wood size form with a member chosen, then the beam form designing it.
int woodForms(const QString& dir, vd::gui::MainWindow& window) {
  vd::Settings& settings = window.state().settings;
  settings.write("Project", "ID", "2024-017");
  settings.write("Project", "Note", "Second floor joists, grid B-C");
  window.state().jobNumber = "2024-017";
  window.state().lastBeam = {2.45, 0.0, 0.7, 0.7};
  {
    std::unique_ptr<vd::Form> form = (*vd::allForms().find(vd::cmd::Sawn2xSizes))(window.state());
    auto dialog = vd::gui::FormDialog::create(*form, &window);
    dialog->start();
    const int sizes = find(*form, "", vd::ControlKind::ListBox, 0);
    const int grades = find(*form, "", vd::ControlKind::ListBox, 1);
    dialog->select(sizes, 4);  // 2x10
    form->changed(*dialog, sizes);
    dialog->select(grades, 3);  // No. 2
    form->changed(*dialog, grades);
    const int repetitive = find(*form, "Is Repetitive", vd::ControlKind::CheckBox);
    dialog->setChecked(repetitive, true);
    form->changed(*dialog, repetitive);
    const int dry = find(*form, "Dry Usage", vd::ControlKind::CheckBox);
    dialog->setChecked(dry, true);
    form->changed(*dialog, dry);
    dialog->show();
    save(dialog.get(), dir, "form_wood_2x_sizes");
    form->pressed(*dialog, vd::kOk);
    dialog->hide();
  }
  {
    std::unique_ptr<vd::Form> form = (*vd::allForms().find(vd::cmd::Sawn2xBeam))(window.state());
    auto dialog = vd::gui::FormDialog::create(*form, &window);
    dialog->start();
    const struct {
      const char* label;
      const char* value;
    } fields[] = {{"moment=", "2.45"},     {"shear=", "0.7"},     {"span =", "14"},
                  {"deflection=", "0.35"}, {"P-support=", "0.7"}, {"unbraced len.=", "8"}};
    for (const auto& f : fields) dialog->setText(find(*form, f.label, vd::ControlKind::Edit), f.value);
    const int floor = find(*form, "floor (x1.0)", vd::ControlKind::Radio);
    dialog->setChecked(floor, true);
    form->changed(*dialog, floor);
    form->pressed(*dialog, find(*form, "Calculate", vd::ControlKind::Button));
    dialog->show();
    save(dialog.get(), dir, "form_wood_2x_beam");
    dialog->hide();
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: gui_screenshots DIR\n");
    return 2;
  }
  QApplication app(argc, argv);
  const std::string mode = argv[1];
  const bool formsMode = mode == "--forms" || mode == "--wood";
  if (formsMode && argc < 3) {
    std::fprintf(stderr, "usage: gui_screenshots %s DIR\n", mode.c_str());
    return 2;
  }
  const QString dir = QString::fromStdString(std::filesystem::absolute(argv[formsMode ? 2 : 1]).string());
  std::filesystem::create_directories(dir.toStdString());
  // The wood pictures start from settings of their own; the other modes keep theirs between runs, so a
  // script can fill them first (tools/form_result_screenshots.sh).
  const bool wood = mode == "--wood";
  const auto scratch = std::filesystem::temp_directory_path() / (wood ? "vd_wood_screenshots" : "vd_screenshots");
  if (wood) std::filesystem::remove_all(scratch);
  std::filesystem::create_directories(scratch);
  std::filesystem::current_path(scratch);
  vd::Settings settings(scratch / "Vardelin.ini");
  settings.write("Project", "FT", "3 4 5");
  settings.write("Project", "ID", "2024-0178-B");

  vd::gui::MainWindow window(settings, vd::allForms());
  window.show();
  // A message box a form shows on the way is told on standard error and closed, so no run waits for a click.
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      std::fprintf(stderr, "message: %s\n", qPrintable(box->text()));
      box->done(QMessageBox::No);
    }
  });
  closer.start(100);
  if (mode == "--forms") return allForms(dir, window);
  if (wood) return woodForms(dir, window);
  if (argc > 2) {
    // Arguments: "--set SECTION/KEY=VALUE" fills the settings the forms open with; "ID" shows the form of
    // command ID as it opens, "ID+BUTTON" after pressing BUTTON (for instance "603+Calculate").
    for (int i = 2; i < argc; ++i) {
      const std::string arg = argv[i];
      if (arg == "--set" && i + 1 < argc) {
        const std::string kv = argv[++i];
        const auto slash = kv.find('/'), eq = kv.find('=');
        if (slash != std::string::npos && eq != std::string::npos && slash < eq)
          settings.write(kv.substr(0, slash), kv.substr(slash + 1, eq - slash - 1), kv.substr(eq + 1));
        continue;
      }
      const auto plus = arg.find('+');
      const int id = std::atoi(arg.substr(0, plus).c_str());
      const std::string button = plus == std::string::npos ? "" : arg.substr(plus + 1);
      const vd::FormFactory* factory = vd::allForms().find(id);
      if (!factory) {
        std::fprintf(stderr, "no form for command %d\n", id);
        continue;
      }
      std::unique_ptr<vd::Form> form = (*factory)(window.state());
      auto dialog = vd::gui::FormDialog::create(*form, &window);
      dialog->start();
      dialog->show();
      if (!button.empty() && button[0] == '#') {  // "ID+#N": pick row N of the form's first list
        if (const int list = find(*form, "", vd::ControlKind::ListBox); list >= 0) {
          dialog->select(list, std::atoi(button.c_str() + 1));
          form->changed(*dialog, list);
        }
      } else if (!button.empty()) {
        if (const int pressed = find(*form, button, vd::ControlKind::Button); pressed >= 0) form->press(*dialog, pressed);
      }
      save(dialog.get(), dir, QString("form_%1").arg(id));
      dialog->hide();
    }
    return 0;
  }
  save(&window, dir, "main_window");
  // The other three beam pictures of the picture band, side by side.
  {
    QPixmap band(3 * vd::gui::kPictureWidth + 20, vd::gui::kPictureHeight);
    band.fill(Qt::lightGray);
    QPainter p(&band);
    int x = 0;
    for (int id : {5771, 5772, 5773}) {
      p.drawPixmap(x, 0, vd::gui::beamBitmap(id));
      x += vd::gui::kPictureWidth + 10;
    }
    p.end();
    band.save(dir + "/beam_pictures.png", "PNG");
    std::printf("%s\n", qPrintable(dir + "/beam_pictures.png"));
  }

  struct Shot {
    int command;
    const char* name;
  };
  for (const Shot& s : {Shot{vd::cmd::JobNumber, "form_job_number"}, Shot{2421, "form_ft_in_to_mm"},
                        Shot{2425, "form_mm_to_ft_in"}, Shot{vd::cmd::About, "form_about"},
                        Shot{vd::cmd::Update, "form_update"}, Shot{vd::cmd::Lateral, "property_sheet"}}) {
    const vd::FormFactory* factory = vd::allForms().find(s.command);
    if (!factory) continue;
    std::unique_ptr<vd::Form> form = (*factory)(window.state());
    auto dialog = vd::gui::FormDialog::create(*form, &window);
    dialog->start();
    dialog->show();
    save(dialog.get(), dir, s.name);
    if (auto* sheet = dynamic_cast<vd::gui::PropertySheetDialog*>(dialog.get())) {
      for (int page = 1; page < sheet->tabs()->count(); ++page) {
        sheet->tabs()->setCurrentIndex(page);
        save(sheet, dir, QString("%1_page%2").arg(s.name).arg(page + 1));
      }
    }
    dialog->hide();
  }

  vd::gui::PrintProgressBox progress("(untitled)", nullptr);
  progress.show();
  save(&progress, dir, "print_progress");

  QMessageBox question(QMessageBox::Question, "Vardelin", "Really want to close Vardelin?",
                       QMessageBox::Yes | QMessageBox::No, &window);
  question.show();
  save(&question, dir, "close_question");
  return 0;
}
