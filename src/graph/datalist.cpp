#include "graph/datalist.h"

#include "numbers/valuetext.h"
#include "sim/results.h"

namespace norvane {

const std::array<const char*, kDataListColumns> kDataListHeadings = {
    "Freq", "S11 Mag", "S11 Ang", "S21 Mag", "S21 Ang", "S12 Mag", "S12 Ang", "S22 Mag", "S22 Ang"};

std::array<std::string, kDataListColumns> formatDataListRow(const SweepPoint& point)
{
  std::array<std::string, kDataListColumns> cells;
  cells[0] = formatEngineering(3, point.freq) + "Hz";
  auto put = [&cells](int column, Complex s) {
    cells[static_cast<std::size_t>(column)] = formatFixed(complexAbs(s), 3);
    cells[static_cast<std::size_t>(column) + 1] =
        formatLevel(complexPhase(s) * kResultDegPerRad, 3) + "\xB0";
  };
  if (point.hasS11()) {
    put(1, point.s11);
  }
  if (point.hasS21()) {
    put(3, point.s21);
  }
  if (point.hasS12()) {
    put(5, point.s12);
  }
  if (point.hasS22()) {
    put(7, point.s22);
  }
  return cells;
}

} // namespace norvane
