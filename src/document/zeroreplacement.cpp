#include "document/zeroreplacement.h"

namespace norvane {

double replaceZero(double x, double replacement)
{
  return x == 0.0 ? replacement : x;
}

void ReplaceZeroValues(Tcomponent& comp)
{
  using namespace zeroreplacement;
  switch (comp.ctype) {
  case ckResistor:
    comp.value[1].nom = replaceZero(comp.value[1].nom, kResistance);
    break;
  case ckCapacitor:
  case ckInductor:
    comp.value[1].nom = replaceZero(comp.value[1].nom, kReactance);
    break;
  case ckOpAmp:
    comp.value[1].nom = replaceZero(comp.value[1].nom, kReactance);
    comp.value[2].nom = replaceZero(comp.value[2].nom, kReactance);
    break;
  case ckTxLine:
    comp.value[1].nom = replaceZero(comp.value[1].nom, kReactance);
    comp.value[2].nom = replaceZero(comp.value[2].nom, kVelocity);
    comp.value[3].nom = replaceZero(comp.value[3].nom, kReactance);
    break;
  default:
    break;
  }
}

} // namespace norvane
