// The small hand-kept wood tables; the long ones are generated into wood_tables_data.cpp.
#include "wood/wood_tables.h"

namespace vd {

int validSpecies(int index) { return index >= 0 && index < kSpeciesCount ? index : 0; }

const SpeciesRecord& speciesAt(int index) { return kSpecies[validSpecies(index)]; }

// NDS Supplement Table 4A size factors. Utility lumber 4 in. thick and 3 in. or less deep has no
// bending value in the table; the tiny factor keeps it from being used as if it had one.
const SizeFactorRow kSizeFactors[12] = {
    {GradeKind::Structural, 4, 1.5, 1.5, 1.5, 1.15},
    {GradeKind::Structural, 5, 1.4, 1.4, 1.4, 1.1},
    {GradeKind::Structural, 6, 1.3, 1.3, 1.3, 1.1},
    {GradeKind::Structural, 8, 1.2, 1.2, 1.2, 1.05},
    {GradeKind::Structural, 10, 1.1, 1.2, 1.1, 1.0},
    {GradeKind::Structural, 12, 1.0, 1.1, 1.0, 1.0},
    {GradeKind::Structural, 14, 0.9, 1.0, 0.9, 0.9},
    {GradeKind::Stud, 4, 1.1, 1.1, 1.1, 1.05},
    {GradeKind::Stud, 6, 1.0, 1.0, 1.0, 1.0},
    {GradeKind::ConstructionStandard, 4, 1.0, 1.0, 1.0, 1.0},
    {GradeKind::Utility, 3, 0.4, 1e-6, 0.4, 0.6},
    {GradeKind::Utility, 4, 1.0, 1.0, 1.0, 1.0},
};

// Rows: dry, wet dimension lumber (4.5 in. thick or less), wet timbers, wet glulam (Table 5A).
const double WetServiceTable[4][6] = {
    {1.0, 1.0, 1.0, 1.0, 1.0, 1.0},
    {0.85, 1.0, 0.97, 0.67, 0.8, 0.9},
    {1.0, 1.0, 1.0, 0.67, 0.91, 1.0},
    {0.8, 0.8, 0.875, 0.53, 0.73, 0.833},
};

const char* const kGlulamNotes[3] = {
    "This combination is not balanced and is for either dry or wet use.",
    "This combination is intended for straight or slightly cambered members for dry use and industrial "
    "appearance.",
    "This combination is balanced and is intended for members continuous or cantilevered over supports and "
    "provide equal capacity in both positive and negative bending.",
};

}  // namespace vd
