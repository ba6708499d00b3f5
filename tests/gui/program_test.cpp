// The vardelin program itself, started as a user starts it.
#include <QImage>
#include <sys/wait.h>

#include <cstdlib>

#include "gui_support.h"

namespace {

class ProgramTest : public guitest::ScratchDir {
 protected:
  int run(const std::string& args) {
    // A home of its own: the program makes its working folder there.
    const std::string cmd = "HOME='" + dir_.string() + "' QT_QPA_PLATFORM=offscreen '" + std::string(VD_GUI) + "' " +
                            args + " >out.txt 2>err.txt";
    const int status = std::system(cmd.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
};

TEST_F(ProgramTest, StartsPaintsItsWindowAndWritesNoSettings) {
  ASSERT_EQ(run("--settings '" + ini().string() + "' --screenshot shot.png"), 0) << slurp(dir_ / "err.txt");
  QImage shot(QString::fromStdString((dir_ / "shot.png").string()));
  ASSERT_FALSE(shot.isNull());
  EXPECT_EQ(shot.size(), QSize(800, 600));
  // The pad below the band is white paper; the picture band above it carries a drawing.
  const QColor padPixel = shot.pixelColor(600, 500);
  EXPECT_EQ(padPixel, QColor(Qt::white));
  int dark = 0;
  for (int x = 0; x < 250; ++x)
    for (int y = 30; y < 100; ++y) dark += shot.pixelColor(x, y).lightness() < 100 ? 1 : 0;
  EXPECT_GT(dark, 200);
  // Nothing is written until the program is closed through its question, but the working folder
  // for reports and pictures is made on the first start.
  EXPECT_FALSE(std::filesystem::exists(ini()));
  EXPECT_TRUE(std::filesystem::is_directory(dir_ / "Documents" / "Vardelin"));
}

TEST_F(ProgramTest, SettingsOptionNeedsAFileInAFolderThatExists) {
  struct Case {
    std::string args, says;
  } cases[] = {
      {"--settings", "--settings needs a file name"},
      {"--settings=", "--settings needs a file name"},
      {"--settings nowhere/sub/Vardelin.ini", "the folder nowhere/sub does not exist"},
      {"--settings .", "that is a folder"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(run(c.args), 2) << c.args;
    EXPECT_NE(slurp(dir_ / "err.txt").find(c.says), std::string::npos) << c.args << ": " << slurp(dir_ / "err.txt");
  }
  EXPECT_FALSE(std::filesystem::exists(dir_ / "nowhere"));
}

TEST_F(ProgramTest, RefusesAnUnknownOptionAndExplainsItsOwn) {
  EXPECT_EQ(run("--frobnicate"), 2);
  EXPECT_NE(slurp(dir_ / "err.txt").find("--settings FILE"), std::string::npos);
  EXPECT_EQ(run("--help"), 0);
  EXPECT_NE(slurp(dir_ / "out.txt").find("--screenshot FILE"), std::string::npos);
}

}  // namespace
