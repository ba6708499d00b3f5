#pragma once
// Writing a picture as an Enhanced Metafile file on disk.
#include <filesystem>
#include <string_view>

#include "platform/picture.h"

namespace vd {

// Writes the picture to the file, replacing any earlier one only once the new file is complete.
// The description is the picture's name in the file header. The frame is the picture's own, or the
// bounds of what it draws. Returns false when the file could not be written (the old one is kept).
bool writeEmf(const Picture& picture, const std::filesystem::path& file, std::string_view description);

}  // namespace vd
