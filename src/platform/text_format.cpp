#include "platform/text_format.h"

#include <cctype>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include <locale.h>

namespace vd {

namespace {
// Reports, settings and fields always use the decimal point: the desktop toolkit switches the
// process to the user's locale at start, and in a locale with a decimal comma printf would write
// "3,25" and strtod would read "3.5" as 3. The C locale is made current for this thread only
// while one number is formatted or read.
class CNumbers {
 public:
  CNumbers() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    if (c) previous_ = uselocale(c);
  }
  ~CNumbers() {
    if (previous_) uselocale(previous_);
  }
  CNumbers(const CNumbers&) = delete;
  CNumbers& operator=(const CNumbers&) = delete;

 private:
  locale_t previous_ = static_cast<locale_t>(0);
};
}  // namespace

std::string vformat(const char* fmt, std::va_list args) {
  CNumbers cNumbers;
  std::va_list copy;
  va_copy(copy, args);
  char small[256];
  int n = std::vsnprintf(small, sizeof small, fmt, copy);
  va_end(copy);
  if (n < 0) return {};
  if (static_cast<std::size_t>(n) < sizeof small) return std::string(small, static_cast<std::size_t>(n));
  std::string out(static_cast<std::size_t>(n) + 1, '\0');
  std::vsnprintf(out.data(), out.size(), fmt, args);
  out.resize(static_cast<std::size_t>(n));
  return out;
}

std::string format(const char* fmt, ...) {
  std::va_list args;
  va_start(args, fmt);
  std::string s = vformat(fmt, args);
  va_end(args);
  return s;
}

std::string& appendf(std::string& out, const char* fmt, ...) {
  std::va_list args;
  va_start(args, fmt);
  out += vformat(fmt, args);
  va_end(args);
  return out;
}

namespace {
// Length of the decimal number at the start of s (after blanks), 0 when there is none.
std::size_t numberPrefix(std::string_view s, std::size_t& start) {
  std::size_t i = 0;
  while (i < s.size() && std::isspace(static_cast<unsigned char>(s[i]))) ++i;
  start = i;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++digits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++digits;
  }
  if (digits == 0) return 0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    std::size_t expDigits = 0;
    while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) ++j, ++expDigits;
    if (expDigits > 0) i = j;
  }
  return i - start;
}
}  // namespace

double parseNumber(std::string_view text, std::size_t maxChars) {
  if (text.size() > maxChars) text = text.substr(0, maxChars);
  std::size_t start = 0;
  std::size_t len = numberPrefix(text, start);
  if (len == 0) return 0.0;
  std::string digits(text.substr(start, len));
  CNumbers cNumbers;
  double v = std::strtod(digits.c_str(), nullptr);
  return std::isfinite(v) ? v : 0.0;
}

bool isNumberText(std::string_view text) {
  std::size_t start = 0;
  const std::size_t len = numberPrefix(text, start);
  if (len == 0) return false;
  for (std::size_t i = start + len; i < text.size(); ++i)
    if (!std::isspace(static_cast<unsigned char>(text[i]))) return false;
  return true;
}

std::optional<double> parseField(std::string_view text) {
  if (!isNumberText(text)) return std::nullopt;
  std::size_t start = 0;
  const std::size_t len = numberPrefix(text, start);
  std::string digits(text.substr(start, len));
  CNumbers cNumbers;
  const double v = std::strtod(digits.c_str(), nullptr);
  if (!std::isfinite(v)) return std::nullopt;
  // No field of the program takes a magnitude below a millionth (kip, ft, in, ksi, psi, factors):
  // such a value is a slip, and dividing by it overflows.
  if (v != 0.0 && std::fabs(v) < kSmallestField) return std::nullopt;
  return v;
}

int parseInt(std::string_view text, std::size_t maxChars) {
  if (text.size() > maxChars) text = text.substr(0, maxChars);
  std::size_t i = 0;
  while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  long long v = 0;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
    v = v * 10 + (text[i] - '0');
    if (v > static_cast<long long>(INT_MAX) + 1) v = static_cast<long long>(INT_MAX) + 1;
  }
  if (negative) v = -v;
  if (v > INT_MAX) v = INT_MAX;
  if (v < INT_MIN) v = INT_MIN;
  return static_cast<int>(v);
}

std::string cutToCapacity(std::string_view text, std::size_t capacity) {
  if (capacity == 0) return {};
  return std::string(text.substr(0, capacity - 1));
}

std::string toCrLf(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
    out += text[i];
  }
  return out;
}

std::string fromCrLf(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    out += text[i];
  }
  return out;
}

}  // namespace vd
