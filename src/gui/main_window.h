#pragma once
// The main window: menu bar, the picture band and the report pad; the desktop shell of the frame.
#include <QMainWindow>
#include <filesystem>
#include <map>
#include <memory>

#include "frame/frame.h"

class QAction;
class QLabel;
class QMenu;
class QPushButton;

namespace vd::gui {

class ReportPad;
class JobController;

inline constexpr const char* kWindowTitle = "Vardelin -- Structural Design Software by Structural Engineers";
inline constexpr int kBandHeight = 100;

class MainWindow : public QMainWindow, public Shell {
  Q_OBJECT
 public:
  MainWindow(Settings& settings, const FormRegistry& registry, QWidget* parent = nullptr);
  ~MainWindow() override;

  AppState& state() { return state_; }
  Frame& frame() { return frame_; }
  ReportPad* pad() const { return pad_; }
  QPushButton* pictureButton() const { return picture_; }
  int currentPicture() const { return pictureId_; }
  // The menu item of a command, and the popup that holds it.
  QAction* action(int commandId) const;
  QMenu* popup(const QString& title) const;

  // Runs a menu command as a click on its item would.
  bool runCommand(int commandId);
  // The Edit popup's items as they must be now: Paste with text on the clipboard, Cut, Copy and
  // Delete with a selection.
  void updateEditItems();
  // Every other item from the commands enabled so far.
  void updateMenuItems();
  // The desktop program writes its files into the working folder (a setting, by default
  // ~/Documents/Vardelin), created on first use; it becomes the current directory. False, with a
  // message, when the folder cannot be made.
  bool enterWorkFolder();
  static std::filesystem::path defaultWorkFolder();
  QLabel* workFolderLabel() const { return folderLabel_; }

  // Shell
  void setPadText(const std::string& text) override;
  std::string padText() const override;
  void openForm(std::unique_ptr<Form> form, std::function<void(bool accepted)> onClosed) override;
  bool runPadCommand(int commandId) override;
  bool runJobCommand(int commandId) override;
  JobController* jobs() const { return jobs_; }
  void pictureChanged(int bitmapId) override;
  void menuStateChanged() override;
  void requestClose() override;
  void message(std::string_view caption, std::string_view text, MessageIcon icon = MessageIcon::None) override;
  bool askYesNo(std::string_view caption, std::string_view text) override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildMenus();
  void changeFont();
  void print();
  void saveReportAsPdf();
  void chooseWorkFolder();
  void showHelp(int commandId);

  AppState state_;
  Frame frame_;
  JobController* jobs_ = nullptr;
  ReportPad* pad_ = nullptr;
  QPushButton* picture_ = nullptr;
  QMenu* editMenu_ = nullptr;
  std::map<int, QAction*> actions_;
  std::map<QString, QMenu*> popups_;
  int pictureId_ = 577;
  int formPicture_ = 0;  // the support case a beam form about to open shows beside its fields
  QLabel* folderLabel_ = nullptr;
  bool closing_ = false;
};

}  // namespace vd::gui
