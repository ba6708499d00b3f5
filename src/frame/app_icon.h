#pragma once
// The program's icon, drawn once on a 64 x 64 grid: a rounded blue square holding a light I-section.
// The window, the About box and the desktop entry all draw these same numbers, so they match at any
// size.
#include <string>

namespace vd {

struct IconPoint {
  double x, y;
};

inline constexpr double kIconGrid = 64.0;
inline constexpr double kIconCornerRadius = 8.0;
// The I-section's outline, clockwise from the top-left corner of the top flange.
inline constexpr IconPoint kIconSection[] = {{12, 10}, {52, 10}, {52, 19}, {37, 19}, {37, 45}, {52, 45},
                                             {52, 54}, {12, 54}, {12, 45}, {27, 45}, {27, 19}, {12, 19}};
inline constexpr unsigned kIconBackground = 0x1d4e89;  // 0xRRGGBB
inline constexpr unsigned kIconSectionFill = 0xf2f2f2;
inline constexpr unsigned kIconOutline = 0x0b2545;
inline constexpr double kIconOutlineWidth = 1.5;

// The drawing as an SVG document (packaging/vardelin.svg holds exactly this text).
std::string appIconSvg();

}  // namespace vd
