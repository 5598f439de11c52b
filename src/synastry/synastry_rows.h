#pragma once

// The sample reports of the synastry window, row by row, exactly as the grids
// show them. Texts are UTF-8 and keep every blank; an empty cell is "".
// Nothing here is computed: every row is a literal of the two sample charts.

#include <array>
#include <span>

namespace synastry {

using Cells3 = std::array<const char*, 3>;
using Cells4 = std::array<const char*, 4>;

// Data rows only (the header row is written by the fill routine).
std::span<const Cells4> chartSynastryRows();     // 84 rows, chart_synastry_rows.cpp
std::span<const Cells3> midpointSynastryRows();  // 135 rows, midpoint_synastry_rows.cpp
std::span<const Cells3> arabicSynastryRows();    // 16 rows, arabic_synastry_rows.cpp
std::span<const Cells3> asteroidSynastryRows();  // 19 rows, asteroid_synastry_rows.cpp

}  // namespace synastry
