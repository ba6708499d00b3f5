// The diagram form on the desktop: its picture control plays the file the form wrote.
#include <QImage>
#include <cstdlib>

#include "app/all_forms.h"
#include "beam/diagram_forms.h"
#include "gui/gui_support.h"
#include "gui/picture_widget.h"
#include "gui/printing.h"

using namespace vd;
using namespace vd::gui;

namespace {

class DiagramFormOnTheDesktop : public vdtest::ScratchDir {};

TEST_F(DiagramFormOnTheDesktop, ShowsTheDiagramStatusAndUsesTheDesktopOutput) {
  {
    Settings settings(ini());
    MainWindow window(settings, allForms());
    EXPECT_EQ(&pictureOutput(), static_cast<PictureOutput*>(&qtPictureOutput()));
    // A 20 ft simple beam under 1 k/ft: M = x (20 - x) / 2, V = 10 - x.
    for (int i = 0; i <= 200; ++i) {
      const double x = i * 0.1;
      window.state().stations[static_cast<std::size_t>(i * 5)] = x;
      window.state().stations[static_cast<std::size_t>(i * 5 + 1)] = 10 - x;
      window.state().stations[static_cast<std::size_t>(i * 5 + 2)] = x * (20 - x) / 2;
    }
    window.state().lastBeam = {50, 0, 10, 10};
    std::unique_ptr<Form> form = (*allForms().find(cmd::MomentDiagram))(window.state());
    std::unique_ptr<FormDialog> dialog = guitest::shown(*form);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Moment Diagram -- Vardelin"));
    ASSERT_NE(dialog->statusPart(0), nullptr);
    EXPECT_EQ(dialog->statusPart(0)->text(), QStringLiteral("+mom= 50.00 kip-ft,  -mom= 0.00 kip-ft"));
    EXPECT_EQ(dialog->statusPart(1)->text(), QStringLiteral("left R= 10.00 kip,  right R= 10.00 kip"));
    QWidget* control = dialog->control(diagram_form::PictureId);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->size(), QSize(696, 322));
    auto* picture = control->findChild<PictureWidget*>();
    ASSERT_NE(picture, nullptr);
    EXPECT_TRUE(picture->hasPicture());
    const QImage shot = dialog->grab().toImage();
    EXPECT_FALSE(shot.isNull());
    if (const char* out = std::getenv("VD_SCREENSHOT_DIR")) {
      shot.save(QString::fromLocal8Bit(out) + QStringLiteral("/form_moment_diagram.png"), "PNG");
    }
    dialog->hide();
  }
}

}  // namespace
