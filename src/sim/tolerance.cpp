#include "sim/tolerance.h"

#include "document/componentkinds.h"

namespace norvane {

double ToleranceRandom::next()
{
  // 134775813 = 0x08088405; unsigned arithmetic wraps modulo 2^32 by definition.
  m_seed = m_seed * 134775813u + 1u;
  return static_cast<double>(m_seed) * (1.0 / 4294967296.0);
}

double applyTolerance(ToleranceValue& value, int mode, ToleranceRandom& random)
{
  using namespace tolerancemode;
  if (!value.TolEn) {
    value.actual = value.nom;
    return value.actual;
  }
  switch (mode) {
  case Lower:
    value.actual =
        value.TolPercent ? value.nom * (1.0 + value.mintol / 100.0) : value.nom + value.mintol;
    break;
  case Nominal:
    value.actual = value.nom;
    break;
  case Upper:
    value.actual =
        value.TolPercent ? value.nom * (1.0 + value.maxtol / 100.0) : value.nom + value.maxtol;
    break;
  case Random:
  case MultiSweep: {
    const double offset = value.mintol + random.next() * (value.maxtol - value.mintol);
    value.actual = value.TolPercent ? value.nom * (1.0 + offset / 100.0) : value.nom + offset;
    break;
  }
  default:
    break;
  }
  return value.actual;
}

// The parameters the kind's description marks as varied, in slot order (the order matters:
// a random run draws one number per parameter).
void applyTolerances(Drawing& drawing, int mode, ToleranceRandom& random)
{
  for (Component& comp : drawing.components) {
    const ComponentKind* kind = findComponentKind(comp.ctype);
    if (kind == nullptr) {
      continue;
    }
    for (const ParameterDescription& p : kind->parameters) {
      if (p.varied) {
        applyTolerance(comp.value[p.slot], mode, random);
      }
    }
  }
}

} // namespace norvane
