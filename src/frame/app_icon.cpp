#include "frame/app_icon.h"

#include "platform/text_format.h"

namespace vd {

std::string appIconSvg() {
  std::string path;
  for (const IconPoint& p : kIconSection) path += format("%s%g %g", path.empty() ? "M" : "L", p.x, p.y);
  path += "z";
  return format("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%g\" height=\"%g\" viewBox=\"0 0 %g %g\">\n"
                "  <rect width=\"%g\" height=\"%g\" rx=\"%g\" fill=\"#%06x\"/>\n"
                "  <path d=\"%s\" fill=\"#%06x\" stroke=\"#%06x\" stroke-width=\"%g\"/>\n"
                "</svg>\n",
                kIconGrid, kIconGrid, kIconGrid, kIconGrid, kIconGrid, kIconGrid, kIconCornerRadius, kIconBackground,
                path.c_str(), kIconSectionFill, kIconOutline, kIconOutlineWidth);
}

}  // namespace vd
