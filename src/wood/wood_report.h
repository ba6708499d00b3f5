#pragma once
// Report pieces the wood checks share.
#include <initializer_list>
#include <string>

#include "platform/report_lines.h"

namespace vd {

// Records value / limit in a design result under the ratio-line rule (OK strictly below the limit),
// for checks whose line is printed later by the report.
void recordRatio(DesignResult& result, double value, double limit, const std::string& name);

// Records the slenderness limit of a bending member, R_B <= 50 (NDS 3.3.3.7), and returns its line.
std::string slendernessLimitLine(DesignResult& result, double R_B);

// Percentage line of a check: fmt holds one "%.Nf%%" conversion right after an "=". With no
// capacity to divide by, the line says so instead of printing a number that is not finite.
std::string percentLine(const char* fmt, double value, double limit);

// The smaller root of t^2 - 2 half t + q = 0, that is half - sqrt(half^2 - q): the beam stability
// factor C_L and the column stability factor C_P. Never below zero.
double smallerRoot(double half, double q);

// True when every value is a finite number (what a report may print).
bool allFinite(std::initializer_list<double> values);

}  // namespace vd
