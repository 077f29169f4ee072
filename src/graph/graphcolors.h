#pragma once
// The five colours the graph is drawn in. Filled from the environment record at each paint:
// the screen keys normally, the printer keys while the print preview has exchanged them.

#include "config/environment.h"
#include "platform/canvas.h"

namespace norvane {

// Silver (192, 192, 192): the unit circle of an expanded admittance chart.
inline constexpr Color kSilver = makeColor(192, 192, 192);

struct GraphColors
{
  Color trace1 = colors::red;
  Color trace2 = colors::blue;
  Color majorAxis = colors::white;
  Color minorAxis = colors::grey;
  Color background = colors::black;
};

inline GraphColors graphColorsFrom(const Environment& env)
{
  return {env.trace1color, env.trace2color, env.majoraxiscolor, env.minoraxiscolor,
          env.graphbackgroundcolor};
}

} // namespace norvane
