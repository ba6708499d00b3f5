#pragma once
// The sizes a wood form's "Lightest" button searches: every dressed size of the current sawn member's
// species and grade, or every standard glulam size of the current combination. Within one species and
// grade a member's weight is proportional to its dressed area, so the area (in^2) ranks them.
#include <span>
#include <vector>

#include "platform/lightest.h"
#include "wood/glulam.h"
#include "wood/sawn_member.h"

namespace vd {

inline constexpr const char* kAreaUnit = "in^2";

// The size table of the 2x-4x (timber false) or the 5x-and-larger forms.
std::span<const LumberSize> sawnSizes(bool timber);
// Size `row` of that table, of the grade, species, repetitive use and moisture of `like`.
SawnMember sawnSize(const SawnMember& like, bool timber, int row);
// Every size of the table; the depth limit compares the dressed depth, or with `largerSide` the larger
// dressed side (a post stands either way).
std::vector<SearchRow> sawnSearchRows(bool timber, bool largerSide);

// The standard glulam sizes of the six width tables, numbered in table order; nullptr outside them.
const GlulamSize* glulamSizeAt(int row);
std::vector<SearchRow> glulamSearchRows();

}  // namespace vd
