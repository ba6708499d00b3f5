#include "steel/beam_form_support.h"

#include <cmath>
#include <vector>

#include "platform/text_format.h"

namespace vd {

void showLastBeam(FormHost& host, const AppState& state) {
  const LastBeamResult& b = state.lastBeam;
  host.setStatus(0, format("+mom= %.2f kip-ft,  -mom= %.2f kip-ft", b.maxPositiveMoment, b.maxNegativeMoment));
  host.setStatus(1, format("left R= %.2f kip,  right R= %.2f kip", b.leftReaction, b.rightReaction));
}

int readRowIndex(const Settings& settings, const char* section, const char* key) {
  return settings.readInt(section, key);
}

void fillShapeList(FormHost& host, int listId, ShapeTable table, int row) {
  std::vector<std::string> items;
  const int n = rowCount(table);
  items.reserve(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) items.emplace_back(usDesignation(table, i));
  host.setItems(listId, items);
  host.select(listId, row);
}

int rowForCalculate(FormHost& host, int listId, ShapeTable table) {
  const int sel = host.selection(listId);
  if (sel >= 0 && sel < rowCount(table)) return sel;
  host.select(listId, 0);
  host.setStatus(1, format("No section was selected: %s is used.", usDesignation(table, 0)));
  return 0;
}

std::string outOfRange(std::initializer_list<FieldValue> values) {
  for (const FieldValue& v : values) {
    if (!(std::fabs(v.value) <= kLargestInput))
      return format("%s %g is out of range: enter a value between -%.0f and %.0f.", v.label, v.value, kLargestInput,
                    kLargestInput);
  }
  return {};
}

std::string refuse(FormHost& host, const std::string& why) {
  host.message("Vardelin", why, MessageIcon::Exclamation);
  return "\r\n " + why + "\r\n Nothing was calculated.\r\n";
}

}  // namespace vd
