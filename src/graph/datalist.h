#pragma once
// The cells of the graph window's data list (and of its printed pages).

#include "sim/sweeppoint.h"

#include <array>
#include <string>

namespace norvane {

inline constexpr int kDataListColumns = 9;
extern const std::array<const char*, kDataListColumns> kDataListHeadings;

// The nine cells of one list row: frequency in engineering notation with "Hz"; then for
// S11, S21, S12 and S22 the magnitude with 3 decimals and the angle in degrees with 3
// decimals (no prefix letter) followed by the degree sign (byte 176). S21 and S12 are normalised by
// the port impedances. Cells of parameters that were not computed (a port absent, or its excitation
// unsolved at this point) are empty.
std::array<std::string, kDataListColumns> formatDataListRow(const SweepPoint& point);

} // namespace norvane
