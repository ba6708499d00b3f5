#pragma once
// Reading an Enhanced Metafile back into a picture: the records this program writes (and their close
// relatives) become drawing calls again; anything else is skipped. A file that is damaged in any way
// is refused as a whole, never half-read.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/picture.h"
#include "platform/picture_play.h"

namespace vd {

// Record types.
namespace emr {
inline constexpr std::uint32_t Header = 1, PolyBezier = 2, Polygon = 3, Polyline = 4, PolyBezierTo = 5,
                               PolylineTo = 6, SetWindowExtEx = 9, SetWindowOrgEx = 10, SetViewportExtEx = 11,
                               SetViewportOrgEx = 12, Eof = 14, SetMapMode = 17, SetBkMode = 18,
                               SetPolyFillMode = 19, SetTextAlign = 22, SetTextColor = 24, SetBkColor = 25,
                               MoveToEx = 27, SaveDC = 33, RestoreDC = 34, SelectObject = 37, CreatePen = 38,
                               CreateBrushIndirect = 39, DeleteObject = 40, Ellipse = 42, Rectangle = 43,
                               RoundRect = 44, LineTo = 54, BeginPath = 59, EndPath = 60, CloseFigure = 61,
                               FillPath = 62, StrokeAndFillPath = 63, StrokePath = 64, ExtCreateFontIndirectW = 82,
                               ExtTextOutA = 83, ExtTextOutW = 84, PolyBezier16 = 85, Polygon16 = 86,
                               Polyline16 = 87, PolyBezierTo16 = 88, PolylineTo16 = 89, ExtCreatePen = 95;
}  // namespace emr

struct EmfRecord {
  std::uint32_t type = 0;
  std::uint32_t offset = 0;  // from the start of the file
  std::uint32_t size = 0;
};

struct EmfFile {
  std::int32_t bounds[4] = {0, 0, 0, 0};  // device pixels, inclusive
  Frame100 frame;
  ReferenceDevice device;
  std::string description;  // the first part of the header's description
  std::uint32_t declaredBytes = 0;
  std::uint32_t declaredRecords = 0;
  std::uint16_t handles = 0;
  std::vector<EmfRecord> records;  // every record in file order, header and end included
  Picture picture;                 // the drawing calls, with the file's frame and reference device
};

// Files beyond this size are refused: no picture of this program comes near it.
inline constexpr std::size_t kMaxEmfBytes = 64u * 1024u * 1024u;

std::optional<EmfFile> parseEmf(std::string_view bytes, std::string* error = nullptr);
std::optional<EmfFile> readEmf(const std::filesystem::path& file, std::string* error = nullptr);

// Reads the file and plays it into the destination; false (nothing drawn) when it cannot be read or
// asks for more drawing than any picture of ours.
bool playEmfFile(const std::filesystem::path& file, Painter& painter, const RectF& destination);

}  // namespace vd
