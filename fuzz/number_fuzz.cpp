// The field number reader on arbitrary text: always a finite number, never beyond the text's end.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/text_format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  for (std::size_t cap : {std::size_t{0}, std::size_t{1}, std::size_t{10}, std::size_t{25}, std::string_view::npos}) {
    if (!std::isfinite(vd::parseNumber(text, cap))) std::abort();
    (void)vd::parseInt(text, cap);
    if (vd::cutToCapacity(text, cap).size() > (cap == 0 ? 0 : cap - 1)) std::abort();
  }
  std::string crlf = vd::toCrLf(text);
  if (vd::fromCrLf(crlf).size() > crlf.size()) std::abort();
  return 0;
}
