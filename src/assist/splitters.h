#pragma once
// Two-way power splitters: the resistive star and the lumped Wilkinson divider. SI units.

#include <optional>
#include <string>

namespace norvane {

struct ResistiveSplitterResult
{
  std::optional<double> resistance; // each of the three arms, ohm (6 dB insertion loss)
  std::string error;
};

struct WilkinsonInput
{
  double systemImpedance = 0; // Zo, ohm
  double frequency = 0;       // Hz
};

// The lumped Wilkinson: each quarter-wave arm of impedance sqrt(2) Zo becomes a pi of L and
// two C1; the junction capacitors add up to C2; R isolates the outputs.
struct WilkinsonResult
{
  std::optional<double> inductance;        // L, H
  std::optional<double> outputCapacitance; // C1, F
  std::optional<double> inputCapacitance;  // C2, F
  std::optional<double> resistance;        // R, ohm
  std::string error;
};

ResistiveSplitterResult calcResistiveSplitter(double systemImpedance);
WilkinsonResult calcWilkinson(const WilkinsonInput& in);

} // namespace norvane
