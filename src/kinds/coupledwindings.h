#pragma once
// The transformer and the mutual inductance share their model: two windings (pins 1, 2
// primary; 3, 4 secondary), purely susceptive, coupled by k. The transformer's secondary
// goes with the square of the turns ratio (the mutual inductance's dialog gives a linear
// ratio) and it has a tiny leak to ground at pins 2 and 4.

#include "kinds/kindunit.h"

namespace norvane::kinds {

// The two turns share slot 1. `d` is each parameter's template default.
constexpr std::array<ParameterDescription, 5>
windingParameters(ParameterDefault secondary, ParameterDefault primary, ParameterDefault model,
                  ParameterDefault inductance, ParameterDefault coupling)
{
  return {{
      {"secondaryTurns", 1, F::Nom, "", false, 0, 3, 1e-20, 1e20, secondary},
      {"primaryTurns", 1, F::MinTol, "", false, 0, 3, 1e-20, 1e20, primary},
      {"physicalModel", 1, F::TolEn, "", false, 0, 0, 0, 1, model},
      {"primaryInductance", 2, F::Nom, "H", false, 0, 3, 1e-20, 1e20, inductance},
      {"coupling", 3, F::Nom, "", false, 0, 5, 1e-12, 1, coupling},
  }};
}

enum class WindingKind { Transformer, Mutual };

void stampWindings(ComplexMatrix& m, const Component& c, const PinNodes& nodes, double f,
                   WindingKind kind);
// Thermal noise of the windings' losses: 2kT (Y + Y^H) of the stamped admittances. The
// windings themselves are lossless; what is left is the transformer's leak to ground.
void windingNoise(NoiseSources& n, const Component& c, const PinNodes& nodes, double f,
                  WindingKind kind);
std::string windingListing(const Schematic& doc, const Component& c, const PinNodes& nodes);
// Turns, and with the physical model the primary inductance.
std::vector<double> windingDivisors(const Component& c);
bool writeWindings(Deck& d, WindingKind kind);

} // namespace norvane::kinds
