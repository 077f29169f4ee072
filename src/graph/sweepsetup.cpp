#include "graph/sweepsetup.h"

#include "numbers/valuetext.h"
#include "sim/plotpoint.h"

#include <cmath>

namespace norvane {

SweepSetupLogic::SweepSetupLogic()
{
  for (RealEditLogic* field : {&start, &stop}) {
    field->Units = "Hz";
    field->DecimalPlaces = 3;
  }
}

void SweepSetupLogic::activate(Schematic& doc)
{
  if (doc.plotformat == plotformat::Rectangular) doc.Xax.centspan = false;
  start.Setvalue(doc.Xax.min);
  stop.Setvalue(doc.Xax.max);
  pointsText = std::to_string(static_cast<long long>(doc.Xax.numpoints) + 1);
}

int sweepIntervalsFromPoints(double points)
{
  const double n = std::nearbyint(points - 1.0);
  if (!(n >= 1.0)) return 1;
  if (n > kMaxSweepIntervals) return kMaxSweepIntervals;
  return static_cast<int>(n);
}

void SweepSetupLogic::ok(Schematic& doc)
{
  doc.Xax.centspan = false;
  doc.Xax.min = start.Getvalue();
  doc.Xax.max = stop.Getvalue();
  doc.Xax.numpoints = sweepIntervalsFromPoints(parseValueText(pointsText));
}

} // namespace norvane
