#pragma once
// Reading numbers back out of report text.
#include <cctype>
#include <cstdlib>
#include <limits>
#include <string>

namespace vdtest {

// The number printed right after the first `marker` at or after `from`; NaN when the marker is missing.
inline double numberAfter(const std::string& text, const std::string& marker, std::size_t from = 0) {
  const std::size_t at = text.find(marker, from);
  if (at == std::string::npos) return std::numeric_limits<double>::quiet_NaN();
  return std::strtod(text.c_str() + at + marker.size(), nullptr);
}

inline bool startsWith(const std::string& text, const std::string& head) { return text.rfind(head, 0) == 0; }
inline bool endsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// "inf" or "nan" as printf writes them: a word of its own (so "reinforcement" does not count).
inline bool hasNonFinite(const std::string& text) {
  auto letter = [](char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; };
  for (const char* bad : {"inf", "nan", "INF", "NAN"}) {
    for (std::size_t at = text.find(bad); at != std::string::npos; at = text.find(bad, at + 1)) {
      const bool before = at > 0 && letter(text[at - 1]);
      const bool after = at + 3 < text.size() && letter(text[at + 3]);
      if (!before && !after) return true;
    }
  }
  return false;
}

}  // namespace vdtest
