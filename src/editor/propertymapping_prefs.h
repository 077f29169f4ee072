#pragma once
// The five default values of the graph preferences window: the sweep and trace ranges that
// new schematics receive (clearSchematic). Shown as engineering-notation texts and read back
// with the number parser when the window closes.

#include "config/environment.h"

namespace norvane {

struct GraphDefaultsForm
{
  double mindB = 0.0;     // "dB Low"
  double maxdB = 0.0;     // "dB High"
  double lowfreq = 0.0;   // "freq Low", Hz
  double highfreq = 0.0;  // "freq High", Hz
  double numpoints = 0.0; // "Number of points" as entered (sweep intervals)
};

// The sweep intervals a new schematic may receive: the graph's point store holds 501 points
// (500 intervals), and a sweep needs at least one interval.
constexpr int kMinSweepIntervals = 1;
constexpr int kMaxSweepIntervals = 500;

GraphDefaultsForm readGraphDefaults(const Environment& env);
// Stores the entries; "Number of points" is rounded and kept within 1..500.
void storeGraphDefaults(const GraphDefaultsForm& form, Environment& env);

} // namespace norvane
