#pragma once
// Report pieces the wood checks share.
#include <initializer_list>
#include <string>

namespace vd {

// Percentage line of a check: fmt holds one "%.Nf%%" conversion right after an "=". With no
// capacity to divide by, the line says so instead of printing a number that is not finite.
std::string percentLine(const char* fmt, double value, double limit);

// The smaller root of t^2 - 2 half t + q = 0, that is half - sqrt(half^2 - q): the beam stability
// factor C_L and the column stability factor C_P. Never below zero.
double smallerRoot(double half, double q);

// True when every value is a finite number (what a report may print).
bool allFinite(std::initializer_list<double> values);

}  // namespace vd
