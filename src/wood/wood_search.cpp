#include "wood/wood_search.h"

#include <algorithm>

#include "wood/wood_state.h"

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

std::string pressSawnLightest(FormHost& host, AppState& state, bool timber, bool post, FormSearch search,
                              const std::function<void(FormHost& host, int row)>& place,
                              const std::function<DesignResult(FormHost& host)>& calculate) {
  SawnMember& current = sawnMember(state, timber);
  const SawnMember original = current;
  search.unit = kAreaUnit;
  search.rows = sawnSearchRows(timber, post);
  search.calculate = [&](FormHost& h, int row) {
    current = row < 0 ? original : sawnSize(original, timber, row);
    if (row >= 0) state.settings.formatAndWrite(timber ? "WD6_BM" : "WD2_BM", "sizeN", "%d", row);
    place(h, row);
    return calculate(h);
  };
  search.restore = [&] { current = original; };
  return pressLightest(host, state.settings, search);
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
