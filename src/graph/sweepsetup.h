#pragma once
// The logic of the "Sweep Set-up" dialog: start and stop frequency and the number of points.

#include "document/schematic.h"
#include "numbers/realeditlogic.h"

#include <string>

namespace norvane {

class SweepSetupLogic
{
public:
  SweepSetupLogic();

  // On activation: a square-grid graph drops centre/span entry; the fields show the sweep
  // (engineering notation, 3 digits, "Hz") and numpoints + 1.
  void activate(Schematic& doc);

  // The two frequency fields re-format themselves when left (RealEditLogic::focusOut).
  RealEditLogic start;
  RealEditLogic stop;
  std::string pointsText;

  // OK: the sweep takes the entries; numpoints = round(points - 1) kept within 1..500. The
  // caller then passes Xax.min and Xax.max to the graph window (SetSweepLimits).
  void ok(Schematic& doc);
};

// round(points - 1) held within 1..500 intervals.
int sweepIntervalsFromPoints(double points);

} // namespace norvane
