#include "kinds/controlledsource.h"

namespace norvane::kinds {

void stampTransfer(ComplexMatrix& m, const Pins& p, double x)
{
  m.add(p[3], p[2], Complex{x, 0.0});
  m.add(p[4], p[1], Complex{x, 0.0});
  m.add(p[3], p[1], Complex{-x, 0.0});
  m.add(p[4], p[2], Complex{-x, 0.0});
}

void writeLeak(Deck& d, int pin)
{
  if (d.pin(pin) != "0") {
    d.comment("the model's 1e-9 S leak from pin " + std::to_string(pin) + " to ground");
  }
  d.leakToGround(d.pin(pin), "g" + std::to_string(pin), 1.0 / stampconst::kSourceLeak);
}

std::string sourceListing(const Component& c, const PinNodes& nodes, const char* name,
                          const char* label, const char* unit)
{
  return std::string(name) + " " + listingNodes(nodes, 4) + " " + label + "=" +
         listingValue(c.value[kGainSlot].nom) + unit;
}

} // namespace norvane::kinds
