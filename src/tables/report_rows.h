#pragma once

// The sample reports of the tables window, row by row, exactly as the grids show
// them. Texts are UTF-8 and keep their trailing blanks; an empty cell is "".
// Nothing here is computed: every row is a literal of the sample chart.

#include <array>
#include <span>

namespace tables {

using Cells2 = std::array<const char*, 2>;
using Cells3 = std::array<const char*, 3>;

// Data rows only (the header row is written by the fill routine).
std::span<const Cells3> chartAnalysisRows();   // 98 rows, chart_analysis_rows.cpp
std::span<const Cells3> angleRows();           // 104 rows, angle_rows.cpp
std::span<const Cells3> arabicPartRows();      // 44 rows, arabic_rows.cpp
std::span<const Cells3> arabicAspectRows();    // 27 rows, arabic_rows.cpp
std::span<const Cells2> midpointRows();        // 105 rows, midpoint_rows.cpp
std::span<const Cells3> midpointAspectRows();  // 28 rows, midpoint_rows.cpp

}  // namespace tables
