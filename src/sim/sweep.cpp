#include "sim/sweep.h"

#include "numbers/valuetext.h"
#include "sim/plotpoint.h"

#include <cmath>

namespace norvane {

double SweepPlan::frequency(int i) const
{
  if (!listed.empty()) {
    return listed[static_cast<std::size_t>(i)];
  }
  if (freqmode == 2) {
    const double step = (std::log(stop) - std::log(start)) / intervals;
    return std::exp(std::log(start) + i * step);
  }
  const double step = (stop - start) / intervals;
  return start + i * step;
}

SweepPlan sanitizeSweep(SweepAxis& axis)
{
  // The largest usable frequency: far above any RF sweep, small enough that the
  // interval arithmetic stays finite.
  constexpr double kMaxSweepFrequency = 1e300;
  auto usable = [](double f) { return std::isfinite(f) && f > 0.0; };
  if (!usable(axis.max)) {
    axis.max = axis.max > 0.0 ? kMaxSweepFrequency : kMinSweepFrequency; // +inf, or <= 0
  }
  if (!usable(axis.min)) {
    axis.min = kMinSweepFrequency;
  }
  if (axis.max <= axis.min) {
    axis.max = axis.min + kMinSweepFrequency;
  }
  if (axis.numpoints < 1) {
    axis.numpoints = 1;
  }
  if (axis.numpoints > kMaxSweepIntervals) {
    axis.numpoints = kMaxSweepIntervals;
  }
  SweepPlan plan;
  plan.start = axis.min;
  plan.stop = axis.max;
  plan.intervals = axis.numpoints;
  plan.freqmode = axis.freqmode == 2 ? 2 : 1;
  return plan;
}

std::string sweepLimitsProblem(const SweepAxis& axis)
{
  if (axis.min < axis.max && std::isfinite(axis.max)) {
    return {};
  }
  return "the sweep start (" + formatEngineering(6, axis.min) + "Hz) must lie below its stop (" +
         formatEngineering(6, axis.max) + "Hz)";
}

SweepPlan planSweep(Schematic& doc)
{
  const SweepPlan plan = sanitizeSweep(doc.Xax);
  if (plan.freqmode == freqmode::Logarithmic) {
    doc.Xax.centspan = false;
  }
  return plan;
}

} // namespace norvane
