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
  if (considered == 0)
    return format(" Lightest %s section: no row is within the limits%s.\r\n", what.c_str(), depth.c_str());
  if (passing.empty()) {
    const Candidate& h = *heaviest;
    const std::string ratio = h.result.ratio >= 1.0e9 ? std::string() : format(", ratio %.2f", h.result.ratio);
    return format(" Lightest %s section: no row passes (%d checked%s).\r\n The heaviest, %s (%.2f %s), fails %s%s.\r\n",
                  what.c_str(), considered, depth.c_str(), h.name.c_str(), h.weight, unit, h.result.governing.c_str(),
                  ratio.c_str());
  }
  std::string t = format(" Lightest %s sections passing%s:\r\n", what.c_str(), depth.c_str());
  // The name column is as wide as the longest name, so a long one ("HSS5-1/2X5-1/2X5/16") keeps the
  // columns in line.
  int nameWidth = 18;
  for (const Candidate& c : passing) nameWidth = std::max(nameWidth, static_cast<int>(c.name.size()));
  for (std::size_t i = 0; i < passing.size(); ++i) {
    const Candidate& c = passing[i];
    appendf(t, "  %zu. %-*s %8.2f %s   ratio %.2f (%s)\r\n", i + 1, nameWidth, c.name.c_str(), c.weight, unit,
            c.result.ratio, c.result.governing.c_str());
  }
  return t;
}

void ProbeHost::reset() {
  texts_.clear();
  selections_.clear();
  refusal_.clear();
}

std::string ProbeHost::text(int id, std::size_t capacity) const {
  const auto t = texts_.find(id);
  if (t == texts_.end()) return real_.text(id, capacity);
  return capacity == 0 ? std::string() : t->second.substr(0, capacity - 1);
}

int ProbeHost::selection(int id) const {
  const auto s = selections_.find(id);
  return s == selections_.end() ? real_.selection(id) : s->second;
}

void ProbeHost::message(std::string_view, std::string_view text, MessageIcon icon) {
  countMessage(icon);
  if ((icon == MessageIcon::Exclamation || icon == MessageIcon::Stop) && refusal_.empty()) refusal_ = std::string(text);
}

LightestResult searchThroughForm(FormHost& host, Settings& settings, const std::vector<SearchRow>& rows,
                                 const SearchLimits& limits,
                                 const std::function<DesignResult(ProbeHost& probe, int row)>& run) {
  const Settings::Hold hold(settings);
  ProbeHost probe(host);
  return lightestPassing(
      rows,
      [&](int row) {
        probe.reset();
        DesignResult r = run(probe, row);
        if (!probe.refusal().empty()) {
          // A calculation that refuses a row has no verdict: the row fails, the reason standing as its check.
          std::string why = probe.refusal();
          while (!why.empty() && (why.back() == '.' || why.back() == '\n' || why.back() == '\r')) why.pop_back();
          r = DesignResult{};
          r.checked = true;
          r.ok = false;
          r.ratio = 1.0e9;  // no ratio to print
          r.governing = "to calculate (" + why + ")";
        }
        return r;
      },
      limits);
}

Control& lightestButton(FormLayout& layout, int id) { return layout.button(id, "Lightest"); }

Control& maxDepthField(FormLayout& layout, int id) {
  Control& c = layout.edit(id, "Max depth *=", "in (Lightest; empty: no limit)");
  c.width = 8;
  c.optional = true;
  c.checkedOnCalculate = true;
  return c;
}

bool readLimits(FormHost& host, int maxDepthId, std::string_view caption, SearchLimits& limits) {
  limits.maxDepth = host.number(maxDepthId);
  if (limits.maxDepth >= 0.0) return true;
  host.message(caption, "Max depth: give a positive number of inches, or leave it empty.", MessageIcon::Exclamation);
  return false;
}

void showAbove(FormHost& host, int paneId, const std::string& candidates) {
  host.setText(paneId, candidates + "\r\n" + host.text(paneId, std::string::npos));
}

std::string pressLightest(FormHost& host, Settings& settings, const FormSearch& search) {
  try {
    SearchLimits limits;
    if (!readLimits(host, search.maxDepthId, search.caption, limits)) return {};
    // The limit and the chosen row's inputs reach the settings file as one write.
    const Settings::Batch batch(settings);
    settings.write(search.section, "maxDepth", host.text(search.maxDepthId, 11));
    const LightestResult found = searchThroughForm(
        host, settings, search.rows, limits, [&](ProbeHost& probe, int row) { return search.calculate(probe, row); });
    const std::string text = found.text(search.what, limits, search.unit);
    const int errors = host.errorsShown();
    search.calculate(host, found.passing.empty() ? -1 : found.passing.front().row);
    showAbove(host, search.paneId, text);
    // A calculation that showed an error has said what is wrong already.
    if (found.passing.empty() && host.errorsShown() == errors)
      host.message(search.caption, text, MessageIcon::Information);
    return text;
  } catch (...) {
    if (search.restore) search.restore();
    throw;
  }
}

}  // namespace vd
