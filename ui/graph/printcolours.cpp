#include "graph/printcolours.h"

#include <utility>

namespace norvane {

void exchangePrintColours(Environment& env)
{
  std::swap(env.compcolor, env.printercompcolor);
  std::swap(env.comptextcolor, env.printercomptextcolor);
  std::swap(env.wirecolor, env.printerwirecolor);
  std::swap(env.portcolor, env.printerportcolor);
  std::swap(env.gndcolor, env.printergndcolor);
  std::swap(env.trace1color, env.printertrace1color);
  std::swap(env.trace2color, env.printertrace2color);
  std::swap(env.majoraxiscolor, env.printermajoraxiscolor);
  std::swap(env.minoraxiscolor, env.printerminoraxiscolor);
}

} // namespace norvane
