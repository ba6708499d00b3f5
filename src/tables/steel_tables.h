#pragma once
#include "tables/section_record.h"

namespace vd {

// The six built-in steel section tables. Row order is fixed: a row's index is
// what the forms store in the settings file.
enum class ShapeTable { W, Tee, Channel, Angle, Tube, Pipe };

// Row counts and family boundaries (first row of each later family).
inline constexpr int kWRowCount = 302;
inline constexpr int kTeeRowCount = 302;  // row k is the tee cut from W row k
inline constexpr int kChannelRowCount = 62;
inline constexpr int kAngleRowCount = 259;
inline constexpr int kTubeRowCount = 381;
inline constexpr int kPipeRowCount = 48;

inline constexpr int kFirstMRow = 268;  // W table: W 0-267, M 268-273, S 274-301
inline constexpr int kFirstSRow = 274;
inline constexpr int kFirstMcRow = 29;            // channel table: C 0-28, MC 29-61
inline constexpr int kFirstDoubleAngleRow = 123;  // angle table: L 0-122, 2L 123-258
inline constexpr int kDoubleAngleRowCount = kAngleRowCount - kFirstDoubleAngleRow;
inline constexpr int kFirstSquareTubeRow = 269;  // tube table: rectangular 0-268, square 269-380
inline constexpr int kFirstPxRow = 26;           // pipe table: P 0-25, PX 26-40, PXX 41-47
inline constexpr int kFirstPxxRow = 41;

int rowCount(ShapeTable table);

// Row `index` (0-based) of `table`, or nullptr when the index is outside it.
const SectionRecord* sectionRow(ShapeTable table, int index);

// Designations of a row ("W44x335", "W1100x499"); "" when out of range.
const char* usDesignation(ShapeTable table, int index);
const char* metricDesignation(ShapeTable table, int index);

bool isDoubleAngleRow(int angleIndex);

// Where a row's values came from (kept for the tests and the provenance note).
enum class RowOrigin { Database, Substituted, Computed };
struct RowSource {
  RowOrigin origin;
  const char* label;       // AISC database row used ("" when computed from scratch)
  const char* overridden;  // space-separated fields kept at earlier tabulated values
  const char* note;
};
// nullptr when out of range.
const RowSource* rowSource(ShapeTable table, int index);

}  // namespace vd
