#pragma once
// Table look-ups for the steel member tests.
#include <gtest/gtest.h>

#include <string>

#include "tables/steel_tables.h"

namespace smtest {

inline bool contains(const std::string& text, const std::string& piece) { return text.find(piece) != std::string::npos; }

inline const vd::SectionRecord& row(vd::ShapeTable table, const char* designation) {
  for (int i = 0; i < vd::rowCount(table); ++i)
    if (std::string(vd::usDesignation(table, i)) == designation) return *vd::sectionRow(table, i);
  ADD_FAILURE() << "no row " << designation;
  return *vd::sectionRow(table, 0);
}

}  // namespace smtest
