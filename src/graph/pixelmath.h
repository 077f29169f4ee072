#pragma once
// Turning computed positions into device pixels. Plot values can be anything a circuit
// produces (1e30 for the logarithm of zero, 1e20 for an open circuit), so every conversion
// saturates instead of overflowing an int.

#include <cmath>

namespace norvane {

// Incremental drawing and the cursor carry off-area points this far and no further, which
// keeps every coordinate within the 16-bit range that old raster back ends accept.
inline constexpr int kTraceCoordinateLimit = 16380;

// Grid circles of zoomed-in charts can be larger than the screen; they are kept within this
// bound (far outside any window, well inside int range for sums of two coordinates).
inline constexpr int kGridCoordinateLimit = 1000000;

// Rounds halves to the even neighbour, as the platform's rounding of screen positions does,
// then limits the result to [lo, hi]. NaN gives lo.
inline int roundClamped(double v, int lo, int hi)
{
  if (!(v == v)) return lo;
  if (v <= lo) return lo;
  if (v >= hi) return hi;
  return static_cast<int>(std::nearbyint(v));
}

// Rounded and saturated to the trace coordinate limit.
inline int tracePixel(double v)
{
  return roundClamped(v, -kTraceCoordinateLimit, kTraceCoordinateLimit);
}

// Rounded and saturated to the grid coordinate limit.
inline int gridPixel(double v)
{
  return roundClamped(v, -kGridCoordinateLimit, kGridCoordinateLimit);
}

} // namespace norvane
