#include "platform/lightest.h"

#include <algorithm>
#include <numeric>

#include "platform/text_format.h"

namespace vd {

LightestResult lightestPassing(const std::vector<SearchRow>& rows, const std::function<DesignResult(int row)>& design,
                               const SearchLimits& limits) {
  std::vector<std::size_t> order(rows.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return rows[a].weight < rows[b].weight; });
  LightestResult out;
  std::optional<Candidate> last;
  for (std::size_t i : order) {
    const SearchRow& r = rows[i];
    if (limits.maxDepth > 0.0 && r.depth > limits.maxDepth) continue;
    ++out.considered;
    Candidate c{r.row, r.name, r.weight, design(r.row)};
    if (c.result.checked && c.result.ok) {
      out.passing.push_back(std::move(c));
      if (out.passing.size() >= limits.count) break;
    } else {
      last = std::move(c);
    }
  }
  // Every row was run and none passed: the last one run is the heaviest.
  if (out.passing.empty()) out.heaviest = std::move(last);
  return out;
}

std::string LightestResult::text(const std::string& what, const SearchLimits& limits, const char* unit) const {
  const std::string depth = limits.maxDepth > 0.0 ? format(", depth at most %.2f in", limits.maxDepth) : "";
  if (considered == 0) return format(" Lightest %s section: no row is within the limits%s.\r\n", what.c_str(), depth.c_str());
  if (passing.empty()) {
    const Candidate& h = *heaviest;
    const std::string ratio = h.result.ratio >= 1.0e9 ? std::string() : format(", ratio %.2f", h.result.ratio);
    return format(" Lightest %s section: no row passes (%d checked%s).\r\n The heaviest, %s (%.2f %s), fails %s%s.\r\n",
                  what.c_str(), considered, depth.c_str(), h.name.c_str(), h.weight, unit,
                  h.result.governing.c_str(), ratio.c_str());
  }
  std::string t = format(" Lightest %s sections passing%s:\r\n", what.c_str(), depth.c_str());
  for (std::size_t i = 0; i < passing.size(); ++i) {
    const Candidate& c = passing[i];
    appendf(t, "  %zu. %-18s %8.2f %s   ratio %.2f (%s)\r\n", i + 1, c.name.c_str(), c.weight, unit, c.result.ratio,
            c.result.governing.c_str());
  }
  return t;
}

}  // namespace vd
