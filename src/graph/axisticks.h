#pragma once
// Where the rectangular graph puts its labelled grid lines and what the labels say: round
// values in 1-2-5 steps on a linear axis, the decades (with their 2, 4, 6 and 8 lines) on a
// logarithmic frequency axis. Pure functions of the axis range, so the same ticks serve the
// window, the bitmap and the printed page.

#include <string>
#include <vector>

namespace norvane {

// What the numbers on an axis measure, which decides how a label is written.
enum class AxisUnit {
  Plain,   // a magnitude ratio: "0.5"
  Decibel, // "-20 dB"
  Degree,  // "90°"
  Second,  // group delay in engineering units: "80 ns"
  Hertz    // frequency in engineering units: "433 MHz"
};

struct AxisTick
{
  double value = 0.0;
  std::string text;
  // Minor ticks (the 2..8 lines inside a decade) are labelled only where there is room.
  bool major = true;
};

// The 1-2-5 step (1, 2 or 5 times a power of ten) that cuts `span` into at most
// `maxIntervals` intervals, as many as possible. 0 for an empty or non-finite span.
double niceStep(double span, int maxIntervals);

// The multiples of the 1-2-5 step that lie inside [lo, hi] (either order), labelled with
// their unit; a phase axis of 30° or more steps in 15°, 30°, 45°, 90° or 180° instead. Empty
// when the range is empty or not finite.
std::vector<AxisTick> linearTicks(double lo, double hi, AxisUnit unit, int maxIntervals = 6);

// A logarithmic frequency axis from lo to hi Hz (lo > 0): the powers of ten inside the range
// as major ticks, 2, 4, 6 and 8 times them as minor ticks. A range that holds fewer than two
// decade lines is labelled with linear 1-2-5 steps instead (all major), so it never shows a
// single label.
std::vector<AxisTick> logFrequencyTicks(double lo, double hi, int maxIntervals = 6);

// One label: `value` written with as many decimals as `step` needs, its unit after it.
std::string tickText(double value, double step, AxisUnit unit);

} // namespace norvane
