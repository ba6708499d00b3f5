#pragma once
// The beam forms' load tables: the beam subsystem's own state, kept in the application state as a module
// so the frame never needs to know its shape.
#include <array>

namespace vd {

// 18 loads of three numbers each (magnitude, position or start, end); rows laid out by the beam forms.
using BeamLoadTable = std::array<std::array<double, 3>, 18>;

enum class BeamCase { OverhangLeft = 0, Simple = 1, OverhangRight = 2, Cantilever = 3 };

// One table per support case: each beam form keeps its own loads between openings.
struct BeamLoadTables {
  std::array<BeamLoadTable, 4> tables{};
  BeamLoadTable& operator[](BeamCase c) { return tables[static_cast<int>(c)]; }
};

}  // namespace vd
