#include "assist/platecapacitor.h"

#include "assist/calcconstants.h"
#include "assist/fpguard.h"

namespace norvane {

PlateCapacitorResult calcPlateCapacitor(const PlateCapacitorInput& in)
{
  // C = Er e0 A / S.
  FpGuard g;
  const double c =
      g.div(in.permittivity * calcconst::kEpsilon0 * in.area, in.spacing, "the plate spacing is 0");
  PlateCapacitorResult r;
  r.capacitance = g.finish(c, "the capacitance");
  r.error = g.message();
  return r;
}

} // namespace norvane
