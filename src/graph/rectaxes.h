#pragma once
// The two mappings of the rectangular graph: frequency to x (linear or logarithmic) and trace
// value to y. Both are recomputed for every drawing area, so the same plot can be drawn on the
// window, into a bitmap or on the printer page.

namespace norvane {

// Logarithmic axes start and stop no lower than this (0 Hz has no logarithm).
inline constexpr double kLogAxisFloorHz = 1e-12;

struct FrequencyAxis
{
  bool logarithmic = false;
  double xMin = 0.0;      // sweep start as drawn (raised to 1e-12 on a log axis)
  double xMax = 1.0;      // sweep stop as drawn
  double xScale = 0.0;    // pixels per Hz (linear)
  double logXMin = 0.0;   // log10(xMin) (logarithmic)
  double logXScale = 0.0; // pixels per decade (logarithmic)

  static FrequencyAxis make(double start, double stop, bool logarithmic, int width);

  // Distance in pixels from the left edge of the drawing area (not rounded).
  double offset(double freq) const;
};

struct ValueAxis
{
  double min = 0.0;    // bottom of the axis
  double max = 1.0;    // top
  double yScale = 0.0; // pixels per unit

  static ValueAxis make(double bottom, double top, int height);

  // Distance in pixels from the top edge of the drawing area, for an area `height` high.
  double offset(double value, int height) const;
};

} // namespace norvane
