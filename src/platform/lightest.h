#pragma once
// The lightest-section search every design form can offer: the form's own calculation run on each row of
// a section table, the lightest rows that pass kept with their weight and governing ratio.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/report_lines.h"

namespace vd {

// One row of the table searched: its index in the form's list, its name, its weight (lb/ft, plf...) and
// its depth (in), which the maximum-depth limit compares.
struct SearchRow {
  int row;
  std::string name;
  double weight;
  double depth;
};

// A row the calculation was run on, with the result it gave.
struct Candidate {
  int row;
  std::string name;
  double weight;
  DesignResult result;
};

struct SearchLimits {
  double maxDepth = 0.0;  // 0: no limit
  std::size_t count = 5;  // how many passing rows to keep
};

struct LightestResult {
  std::vector<Candidate> passing;     // lightest first (equal weights in table order), at most `count`
  std::optional<Candidate> heaviest;  // when none passes: the heaviest row checked, with its failing check
  int considered = 0;                 // rows within the limits
  // The pane text: the passing rows, or why there is none. `what` names the rows ("W", "2x sawn"),
  // `unit` the weight's.
  std::string text(const std::string& what, const SearchLimits& limits, const char* unit = "lb/ft") const;
};

// Runs `design(row)` on the rows within the limits, lightest first, until `count` of them pass (the
// rest are heavier and are not run). `design` is the form's own calculation with its inputs as they
// stand; a row it cannot calculate returns a failing result.
LightestResult lightestPassing(const std::vector<SearchRow>& rows, const std::function<DesignResult(int row)>& design,
                               const SearchLimits& limits = {});

}  // namespace vd
