#pragma once
// The sizes a wood form's "Lightest" button searches: every dressed size of the current sawn member's
// species and grade, or every standard glulam size of the current combination. Within one species and
// grade a member's weight is proportional to its dressed area, so the area (in^2) ranks them.
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "frame/app_state.h"
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

// The "Lightest" button of a sawn design form (`search` names the caption, the rows' name, the settings
// section, the depth field and the pane): every size of the current member's species and grade is made
// the current member, `place` types what the form shows of it (row -1: what it showed before the search)
// and `calculate` presses the form's Calculate. The lightest passing size stays the current member, as if
// chosen in its size form; a field that stops the search puts the member back. `post`: the depth limit
// compares the larger side, as a post stands either way. Returns the pane text.
std::string pressSawnLightest(FormHost& host, AppState& state, bool timber, bool post, FormSearch search,
                              const std::function<void(FormHost& host, int row)>& place,
                              const std::function<DesignResult(FormHost& host)>& calculate);

// The standard glulam sizes of the six width tables, numbered in table order; nullptr outside them.
const GlulamSize* glulamSizeAt(int row);
std::vector<SearchRow> glulamSearchRows();

}  // namespace vd
