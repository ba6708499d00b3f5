#include "wood/wood_search.h"

#include <algorithm>

namespace vd {

std::span<const LumberSize> sawnSizes(bool timber) {
  return timber ? std::span<const LumberSize>(kTimberSizes) : std::span<const LumberSize>(kDimensionSizes);
}

SawnMember sawnSize(const SawnMember& like, bool timber, int row) {
  const LumberSize& s = sawnSizes(timber)[static_cast<std::size_t>(row)];
  return SawnMember(s.label, s.b, s.d, like.grade(), like.species(), like.isRepetitive(), like.isDry());
}

std::vector<SearchRow> sawnSearchRows(bool timber, bool largerSide) {
  std::vector<SearchRow> rows;
  int i = 0;
  for (const LumberSize& s : sawnSizes(timber)) {
    rows.push_back({i++, s.label, s.b * s.d, largerSide ? std::max(s.b, s.d) : s.d});
  }
  return rows;
}

const GlulamSize* glulamSizeAt(int row) {
  for (const GlulamSizeTable& t : kGlulamSizeTables) {
    if (row >= 0 && row < t.count) return &t.rows[row];
    row -= t.count;
  }
  return nullptr;
}

std::vector<SearchRow> glulamSearchRows() {
  std::vector<SearchRow> rows;
  int i = 0;
  for (const GlulamSizeTable& t : kGlulamSizeTables)
    for (const GlulamSize& s : t.sizes()) rows.push_back({i++, s.label, s.b * s.d, s.d});
  return rows;
}

}  // namespace vd
