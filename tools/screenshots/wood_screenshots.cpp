// wood_screenshots DIR: saves PNGs of the 2x-4x size form with a member chosen and of the 2x-4x beam
// form after a calculation, driven through the desktop dialogs. Runs on any Qt platform (offscreen too).
#include <QApplication>
#include <cstdio>
#include <filesystem>

#include "app/all_forms.h"
#include "gui/form_dialog.h"
#include "gui/main_window.h"

namespace {

void save(QWidget* w, const QString& dir, const QString& name) {
  QApplication::processEvents();
  const QString file = dir + "/" + name + ".png";
  if (!w->grab().save(file, "PNG")) std::fprintf(stderr, "could not write %s\n", qPrintable(file));
  else std::printf("%s\n", qPrintable(file));
}

// The id of the control with this label, or of the nth list when the label is empty.
int find(vd::Form& form, const std::string& label, vd::ControlKind kind, int nth = 0) {
  for (const vd::Control& c : form.layout().controls)
    if (c.kind == kind && (label.empty() ? nth-- == 0 : c.label == label)) return c.id;
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: wood_screenshots DIR\n");
    return 2;
  }
  QApplication app(argc, argv);
  const QString dir = QString::fromStdString(std::filesystem::absolute(argv[1]).string());
  const auto scratch = std::filesystem::temp_directory_path() / "vd_wood_screenshots";
  std::filesystem::remove_all(scratch);
  std::filesystem::create_directories(scratch);
  std::filesystem::current_path(scratch);
  vd::Settings settings(scratch / "Vardelin.ini");
  settings.write("Project", "ID", "2024-017");
  settings.write("Project", "Note", "Second floor joists, grid B-C");
  vd::gui::MainWindow window(settings, vd::allForms());
  window.state().jobNumber = "2024-017";
  window.state().lastBeam = {2.45, 0.0, 0.7, 0.7};

  {
    std::unique_ptr<vd::Form> form = (*vd::allForms().find(477))(window.state());
    auto dialog = vd::gui::FormDialog::create(*form, &window);
    dialog->start();
    const int sizes = find(*form, "", vd::ControlKind::ListBox, 0);
    const int grades = find(*form, "", vd::ControlKind::ListBox, 1);
    dialog->select(sizes, 4);   // 2x10
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
    } fields[] = {{"moment=", "2.45"}, {"shear=", "0.7"}, {"span =", "14"}, {"deflection=", "0.35"},
                  {"P-support=", "0.7"}, {"unbraced len.=", "8"}};
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
