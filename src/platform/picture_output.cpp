#include "platform/picture_output.h"

#include <algorithm>

#include "platform/emf_reader.h"
#include "platform/picture_svg.h"

namespace vd {

namespace {
PictureOutput* installed = nullptr;
}  // namespace

PictureOutput& pictureOutput() {
  static HeadlessPictureOutput headless;
  return installed ? *installed : headless;
}

void installPictureOutput(PictureOutput* output) { installed = output; }

bool HeadlessPictureOutput::print(const std::filesystem::path&) { return false; }

void HeadlessPictureOutput::saveAs(const std::filesystem::path& emf, int width, int height, Messenger& messenger) {
  std::optional<EmfFile> f = readEmf(emf);
  if (!f) {
    messenger.message("Vardelin", "The picture " + emf.filename().string() + " could not be read.",
                      MessageIcon::Exclamation);
    return;
  }
  const double w = std::clamp(width, 1, 20000), h = std::clamp(height, 1, 20000);
  std::filesystem::path out = emf;
  out.replace_extension(".svg");
  if (!writeSvg(f->picture, out, w, h)) {
    messenger.message("Vardelin", "Could not write " + out.string() + ".", MessageIcon::Exclamation);
    return;
  }
  messenger.message("Vardelin", "The picture was saved as " + out.filename().string() + ".", MessageIcon::Information);
}

}  // namespace vd
