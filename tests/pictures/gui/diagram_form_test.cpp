// The diagram form on the desktop: its picture control plays the file the form wrote. Its status bar
// texts: the golden outputs of examples/pictures/diagrams.txt and tests/golden/beam/cantilever_diagram.txt.
#include "app/all_forms.h"
#include "beam/diagram_forms.h"
#include "gui/gui_support.h"
#include "gui/picture_widget.h"
#include "gui/printing.h"
#include "recording_painter.h"

using namespace vd;
using namespace vd::gui;

namespace {

class DiagramFormOnTheDesktop : public vdtest::ScratchDir {};

TEST_F(DiagramFormOnTheDesktop, ShowsTheDiagramAndUsesTheDesktopOutput) {
  Settings settings(ini());
  MainWindow window(settings, allForms());
  EXPECT_EQ(&pictureOutput(), static_cast<PictureOutput*>(&qtPictureOutput()));
  window.state().stations = vdtest::centralLoad(10, 20);
  std::unique_ptr<Form> form = (*allForms().find(cmd::MomentDiagram))(window.state());
  std::unique_ptr<FormDialog> dialog = guitest::shown(*form);
  QWidget* control = dialog->control(diagram_form::PictureId);
  ASSERT_NE(control, nullptr);
  EXPECT_EQ(control->size(), QSize(696, 322));
  auto* picture = control->findChild<PictureWidget*>();
  ASSERT_NE(picture, nullptr);
  EXPECT_TRUE(picture->hasPicture());
  dialog->hide();
}

}  // namespace
