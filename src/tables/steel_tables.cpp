#include "tables/steel_tables.h"

#include "tables/steel_tables_data.h"

namespace vd {
namespace {

const steel_data::TableData* tableData(ShapeTable table) {
  const int t = static_cast<int>(table);
  if (t < 0 || t >= 6) return nullptr;
  return &steel_data::kTables[t];
}

// Stored indexes come from a settings file and may be anything: check here so
// no caller can read past a table.
bool inRange(const steel_data::TableData* data, int index) {
  return data != nullptr && index >= 0 && index < data->count;
}

}  // namespace

int rowCount(ShapeTable table) {
  const auto* data = tableData(table);
  return data ? data->count : 0;
}

const SectionRecord* sectionRow(ShapeTable table, int index) {
  const auto* data = tableData(table);
  return inRange(data, index) ? &data->rows[index] : nullptr;
}

const char* usDesignation(ShapeTable table, int index) {
  const auto* data = tableData(table);
  return inRange(data, index) ? data->us[index] : "";
}

const char* metricDesignation(ShapeTable table, int index) {
  const auto* data = tableData(table);
  return inRange(data, index) ? data->metric[index] : "";
}

bool isDoubleAngleRow(int angleIndex) { return angleIndex >= kFirstDoubleAngleRow && angleIndex < kAngleRowCount; }

const RowSource* rowSource(ShapeTable table, int index) {
  const auto* data = tableData(table);
  return inRange(data, index) ? &data->source[index] : nullptr;
}

}  // namespace vd
