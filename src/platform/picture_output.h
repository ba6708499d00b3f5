#pragma once
// What a form can do with a picture file beyond showing it: print it and save it in another format.
// The desktop program installs its own (print dialog, file dialog, PNG and PDF); without one, a
// headless run has no printer and saves SVG beside the picture.
#include <filesystem>

#include "platform/form.h"

namespace vd {

class PictureOutput {
 public:
  virtual ~PictureOutput() = default;
  // Print dialog, then the picture on one page. True when it printed or the dialog was cancelled,
  // false when printing failed (the caller tells the user).
  virtual bool print(const std::filesystem::path& emf) = 0;
  // Asks where and in which format (PNG, SVG, PDF) to save the picture, writes it at the size the form
  // shows it (pixels) and tells the user what happened through the messenger.
  virtual void saveAs(const std::filesystem::path& emf, int width, int height, Messenger& messenger) = 0;
};

// The installed output, or the headless one.
PictureOutput& pictureOutput();
// Installs an output for the program's lifetime; nullptr restores the headless one.
void installPictureOutput(PictureOutput* output);

// The headless output: printing fails as with no printer installed; saving writes "<name>.svg" in
// the picture's folder.
class HeadlessPictureOutput : public PictureOutput {
 public:
  bool print(const std::filesystem::path& emf) override;
  void saveAs(const std::filesystem::path& emf, int width, int height, Messenger& messenger) override;
};

}  // namespace vd
