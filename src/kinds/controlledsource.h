#pragma once
// What the four controlled sources share: one gain with tolerances (which the tolerance
// modes leave alone), pins 1, 2 control (+, -) and 3, 4 output (+, -), the transfer stamp
// and the leaks that keep their output nodes solvable.

#include "kinds/kindunit.h"

#include <string_view>

namespace norvane::kinds {

// Three decimals: a gain of 0.5 or 2.5 must survive the field's re-formatting.
constexpr std::array<ParameterDescription, 1> gainParameter(std::string_view unit,
                                                            std::string_view caption)
{
  return {{{"gain", 1, F::Whole, unit, false, 0, 3, -1e20, 1e20, value(1), caption}}};
}
inline constexpr int kGainSlot = 1;

// The transfer term: x (V2 - V1) into the output rows 3 and 4, with the four additions
// always in the same order (3,2), (4,1), (3,1), (4,2).
void stampTransfer(ComplexMatrix& m, const Pins& p, double x);

// The small conductance that keeps a source's output node solvable, from node to ground.
void writeLeak(Deck& d, int pin);

// The listing line: "<name> N1 N2 N3 N4 <label>=<gain><unit>".
std::string sourceListing(const Component& c, const PinNodes& nodes, const char* name,
                          const char* label, const char* unit);

} // namespace norvane::kinds
