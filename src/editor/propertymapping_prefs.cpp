#include "editor/propertymapping_prefs.h"

#include <algorithm>
#include <cmath>

namespace norvane {

GraphDefaultsForm readGraphDefaults(const Environment& env)
{
  return {env.mindB, env.maxdB, env.lowfreq, env.highfreq, static_cast<double>(env.numpoints)};
}

void storeGraphDefaults(const GraphDefaultsForm& form, Environment& env)
{
  env.mindB = form.mindB;
  env.maxdB = form.maxdB;
  env.lowfreq = form.lowfreq;
  env.highfreq = form.highfreq;
  // Clamped before the conversion, so a huge entry cannot overflow the integer.
  const double n = std::isnan(form.numpoints) ? kMinSweepIntervals : std::round(form.numpoints);
  env.numpoints = static_cast<int>(std::clamp(n, static_cast<double>(kMinSweepIntervals),
                                              static_cast<double>(kMaxSweepIntervals)));
}

} // namespace norvane
