#pragma once
// printf-style formatting into std::string, and the lenient number reading the forms use.
#include <cstdarg>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vd {

// Formats exactly as C's printf would in the C locale (a decimal point whatever the user's locale); no
// length limit.
std::string format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
std::string vformat(const char* fmt, std::va_list args);

// Appends one formatted piece to a report text and returns it, so report code reads line by line.
std::string& appendf(std::string& out, const char* fmt, ...) __attribute__((format(printf, 2, 3)));

// The leading decimal number of a text, as a form field is read: leading blanks, an optional sign,
// digits with an optional point, an optional exponent. Empty or non-numeric text gives 0, and so does
// anything that would not be a finite number ("nan", "inf", 1e999), so no field can smuggle a
// non-finite value into a calculation. At most maxChars characters are looked at.
double parseNumber(std::string_view text, std::size_t maxChars = std::string_view::npos);

// The smallest magnitude other than 0 a form field accepts.
inline constexpr double kSmallestField = 1.0e-6;

// A form field's number, strictly: blanks around one decimal number and nothing else. Empty text, any
// other character ("1,5", "12'"), a non-finite value or a magnitude below kSmallestField give nothing.
std::optional<double> parseField(std::string_view text);
// True when the text is one decimal number and blanks, whatever its size.
bool isNumberText(std::string_view text);

// The leading optional sign and decimal digits of a text as an integer; no digits give 0.
// Values beyond the int range are clamped.
int parseInt(std::string_view text, std::size_t maxChars = std::string_view::npos);

// The text cut to at most capacity - 1 characters, as a fixed read buffer of that capacity returns it.
std::string cutToCapacity(std::string_view text, std::size_t capacity);

// "\r\n" line ends for the pad and reports; "\n" for printing to a terminal.
std::string toCrLf(std::string_view text);
std::string fromCrLf(std::string_view text);

}  // namespace vd
