#pragma once
// Tolerance analysis: before each simulation run every toleranced value gets the value the
// run uses (`actual`): the nominal, the lower or upper tolerance limit, or a random value
// between the limits.

#include "document/schematic.h"

#include <cstdint>

namespace norvane {

// Tolerance modes (program-wide, not saved).
namespace tolerancemode {
constexpr int Lower = -1;
constexpr int Nominal = 0;
constexpr int Upper = 1;
constexpr int Random = 2;
constexpr int MultiSweep = 3; // random, during a multi-sweep run (no repaint between runs)
} // namespace tolerancemode

// The uniform generator of the random tolerance draws: a 32-bit linear congruential generator,
// seed' = seed * 134775813 + 1 (mod 2^32), whose new state scaled by 2^-32 is the draw in
// [0, 1). The program seeds it once from the clock; tests and batch runs set the seed to get
// reproducible runs.
class ToleranceRandom
{
public:
  explicit ToleranceRandom(std::uint32_t seed = 0) : m_seed(seed) {}

  void setSeed(std::uint32_t seed) { m_seed = seed; }
  std::uint32_t seed() const { return m_seed; }

  // The next draw, uniform in [0, 1).
  double next();

private:
  std::uint32_t m_seed;
};

// Sets value.actual by the mode and returns it. Without tolerance the nominal is used in
// every mode; percent limits scale the nominal, absolute limits add to it. An unknown mode
// leaves `actual` as it was. `random` is drawn from only in the random modes.
double applyTolerance(ToleranceValue& value, int mode, ToleranceRandom& random);

// Applies the mode to every value that tolerances vary: the R, C or L of resistors,
// capacitors and inductors; impedance and length of transmission lines; the magnitude and
// angle factors of the S-parameter blocks. Other kinds are used as entered.
void applyTolerances(Drawing& drawing, int mode, ToleranceRandom& random);

} // namespace norvane
