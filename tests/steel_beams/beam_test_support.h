#pragma once
// Table look-ups by designation for the steel beam tests.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tables/steel_tables.h"

namespace vdtest {

inline int rowOf(vd::ShapeTable t, const char* us) {
  for (int i = 0; i < vd::rowCount(t); ++i)
    if (std::strcmp(vd::usDesignation(t, i), us) == 0) return i;
  ADD_FAILURE() << "no row " << us;
  return 0;
}

inline const vd::SectionRecord& shape(vd::ShapeTable t, const char* us) { return *vd::sectionRow(t, rowOf(t, us)); }

inline bool contains(const std::string& text, const std::string& piece) { return text.find(piece) != std::string::npos; }

// Nothing a report prints may be infinite or undefined.
inline bool hasNonFinite(const std::string& text) {
  for (const char* bad : {"inf", "nan", "INF", "NAN"})
    if (text.find(bad) != std::string::npos) return true;
  return false;
}

}  // namespace vdtest
