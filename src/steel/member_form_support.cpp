#include "steel/member_form_support.h"

#include <cmath>

#include "platform/report_lines.h"
#include "platform/text_format.h"
#include "steel/column_checks.h"

namespace vd {

std::string designHeader(const AppState& state, const std::string& location, const char* us, const char* metric,
                         bool wideDesignation) {
  return format(wideDesignation ? " Job number or ID: %s\r\n %s \r\n Designed for: \" %10s \"\t\tmetric size: %s\r\n"
                                : " Job number or ID: %s\r\n %s \r\n Designed for: \" %s \"\t\tmetric size: %s\r\n",
                state.jobNumber.c_str(), location.c_str(), us, metric);
}

std::vector<std::string> designations(ShapeTable table, int first, int last) {
  std::vector<std::string> out;
  out.reserve(static_cast<std::size_t>(last > first ? last - first : 0));
  for (int i = first; i < last; ++i) out.emplace_back(usDesignation(table, i));
  return out;
}

void fillShapeList(FormHost& host, int listId, ShapeTable table, int row, int first, int last) {
  host.setItems(listId, designations(table, first, last < 0 ? rowCount(table) : last));
  host.select(listId, row);
}

Control& locationField(FormLayout& layout, int id, const char* label) {
  Control& c = layout.add(ControlKind::MultiEdit, id, label);
  c.width = 40;
  c.isText = true;
  return c;
}

int rowForCalculate(FormHost& host, int listId, ShapeTable table, bool statusBar) {
  const int sel = host.selection(listId);
  if (sel >= 0 && sel < rowCount(table)) return sel;
  if (statusBar) {
    host.select(listId, 0);
    host.setStatus(1, format("No section was selected: %s is used.", usDesignation(table, 0)));
  }
  return 0;
}

std::string refuse(FormHost& host, const char* caption, MessageIcon icon, const std::string& why, const char* after) {
  host.message(caption, why, icon);
  return "\r\n " + why + "\r\n" + after;
}

void showLastBeam(FormHost& host, const AppState& state) {
  const LastBeamResult& b = state.lastBeam;
  host.setStatus(0, format("+mom= %.2f kip-ft,  -mom= %.2f kip-ft", b.maxPositiveMoment, b.maxNegativeMoment));
  host.setStatus(1, format("left R= %.2f kip,  right R= %.2f kip", b.leftReaction, b.rightReaction));
}

std::string outOfRange(std::initializer_list<FieldValue> values) {
  for (const FieldValue& v : values) {
    if (!(std::fabs(v.value) <= kLargestInput))
      return format("%s %g is out of range: enter a value between -%.0f and %.0f.", v.label, v.value, kLargestInput,
                    kLargestInput);
  }
  return {};
}

double InputLimit::apply(double value, std::string& notes) const {
  return limitValue(value, lo, hi, name, unit, rule, notes);
}

const std::vector<std::string>& rwItems() {
  static const std::vector<std::string> items = {"4", "5", "6", "7", "8", "9", "10", "11", "12"};
  return items;
}

int rwFrom(const FormHost& host, int dropDownId) {
  const int sel = host.selection(dropDownId);
  return (sel < 0 || sel >= static_cast<int>(rwItems().size()) ? 0 : sel) + 4;
}

void addRoleAndSeismicGroups(FormLayout& layout, RoleIds ids) {
  constexpr int kRoleGroup = 1;
  layout.newLine();
  layout.label("Column or brace type:");
  static const char* const kRoles[] = {"A column", "Seismic Zone 3 or 4", "A CBF brace", "A SCBF brace"};
  for (int i = 0; i < 4; ++i) {
    layout.newLine();
    layout.radio(ids.roleFirst + i, kRoles[i], kRoleGroup);
  }
  layout.newLine();
  layout.label("Seismic Zone 3 and 4 column specific:");
  layout.newLine();
  layout.edit(ids.dead, "Dead L.,", "kip").width = 10;
  layout.edit(ids.live, "Live L.,", "kip").width = 10;
  layout.edit(ids.quake, "EQ L.", "kip").width = 10;
  layout.dropDown(ids.rwList, "Rw=");
}

int showRole(FormHost& host, RoleIds ids, int role, bool rwToo) {
  const int r = static_cast<int>(columnRoleFrom(role));
  for (int i = 0; i < 4; ++i) host.setChecked(ids.roleFirst + i, i == r);
  const bool seismic = r == static_cast<int>(ColumnRole::SeismicColumn);
  for (int id : {ids.dead, ids.live, ids.quake}) host.setEnabled(id, seismic);
  if (rwToo) host.setEnabled(ids.rwList, seismic);
  return r;
}

std::vector<SearchRow> searchRows(ShapeTable table, int first, int last, double (*depth)(const SectionRecord&)) {
  std::vector<SearchRow> rows;
  for (int i = first; i < last; ++i) {
    const SectionRecord* r = sectionRow(table, i);
    if (r) rows.push_back({i - first, usDesignation(table, i), double(r->weight), depth(*r)});
  }
  return rows;
}

}  // namespace vd
