#pragma once
// Internal: the generated arrays behind steel_tables.h.
#include "tables/steel_tables.h"

namespace vd::steel_data {

struct TableData {
  const SectionRecord* rows;
  const char* const* us;
  const char* const* metric;
  const RowSource* source;
  int count;
};

// Indexed by ShapeTable.
extern const TableData kTables[6];

}  // namespace vd::steel_data
