#pragma once
// Report pieces the wood checks share.
#include <string>

namespace vd {

// Percentage line of a check: fmt holds one "%.Nf%%" conversion right after an "=". With no
// capacity to divide by, the line says so instead of printing a number that is not finite.
std::string percentLine(const char* fmt, double value, double limit);

}  // namespace vd
