#include "steel/member_form_support.h"

#include "platform/text_format.h"

namespace vd::member_forms {

std::string designHeader(const AppState& state, const std::string& location, const char* us, const char* metric,
                         bool wideDesignation) {
  return format(wideDesignation ? " Job number or ID: %s\r\n %s \r\n Designed for: \" %10s \"\t\tmetric size: %s\r\n"
                                : " Job number or ID: %s\r\n %s \r\n Designed for: \" %s \"\t\tmetric size: %s\r\n",
                state.jobNumber.c_str(), location.c_str(), us, metric);
}

std::vector<std::string> designations(ShapeTable table, int first, int last) {
  std::vector<std::string> out;
  for (int i = first; i < last; ++i) out.emplace_back(usDesignation(table, i));
  return out;
}

Control& locationField(FormLayout& layout, int id, const char* label) {
  Control& c = layout.add(ControlKind::MultiEdit, id, label);
  c.width = 40;
  c.isText = true;
  return c;
}

int selectedOrFirst(const FormHost& host, int listId) {
  const int sel = host.selection(listId);
  return sel < 0 ? 0 : sel;
}

const std::vector<std::string>& rwItems() {
  static const std::vector<std::string> items = {"4", "5", "6", "7", "8", "9", "10", "11", "12"};
  return items;
}

int rwFrom(const FormHost& host, int dropDownId) {
  const int sel = host.selection(dropDownId);
  return (sel < 0 || sel >= static_cast<int>(rwItems().size()) ? 0 : sel) + 4;
}

std::string errorLine(const std::string& message) { return "\r\n " + message + "\r\n"; }

std::vector<SearchRow> searchRows(ShapeTable table, int first, int last, double (*depth)(const SectionRecord&)) {
  std::vector<SearchRow> rows;
  for (int i = first; i < last; ++i) {
    const SectionRecord* r = sectionRow(table, i);
    if (r) rows.push_back({i - first, usDesignation(table, i), double(r->weight), depth(*r)});
  }
  return rows;
}

std::string pressLightestShape(FormHost& host, AppState& state, FormSearch search, ShapeTable table, int first,
                               int last, double (*depth)(const SectionRecord&), int listId,
                               const std::function<DesignResult(FormHost&)>& calculate) {
  const int shown = host.selection(listId);
  search.rows = searchRows(table, first, last, depth);
  search.calculate = [&](FormHost& h, int row) {
    h.select(listId, row < 0 ? shown : row);
    return calculate(h);
  };
  return pressLightest(host, state.settings, search);
}

}  // namespace vd::member_forms
