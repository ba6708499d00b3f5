#pragma once
// The fixed reference sheets that menu commands put straight into the report pad, and the length
// conversion they sit beside.
#include <string>

namespace vd {
// The sheet's text for a sheet command, or nullptr.
const char* referenceSheet(int commandId);
// A length in millimetres as feet, inches and sixteenths, rounded to the nearest sixteenth:
// "3'- 3 6/16\"" for 1000 mm. A sixteenth that rounds up to a whole inch or foot carries into it.
std::string feetInchesSixteenths(double mm);
}  // namespace vd
