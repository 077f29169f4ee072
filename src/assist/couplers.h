#pragma once
// Directional couplers: the wideband transformer coupler, the capacitively coupled
// quarter-wave and lumped couplers, and edge-coupled striplines. SI units in and out;
// couplings in dB (negative: the coupled port is below the input). The coupled microstrip
// is in coupledmicrostrip.h.

#include <optional>
#include <string>

namespace norvane {

struct TransformerCouplerInput
{
  double primaryTurns = 0;   // n1
  double secondaryTurns = 0; // n2
};

struct CouplingResult
{
  std::optional<double> couplingDb;
  std::string warning; // the coupling lies outside the approximation's range ("" inside it)
  std::string error;
};

// A capacitively coupled coupler (the quarter-wave line and its lumped equivalent).
struct CapacitiveCouplerInput
{
  double systemImpedance = 0; // Zo, ohm
  double couplingCap = 0;     // C1, F
  double frequency = 0;       // Hz
};

struct LumpedCouplerResult
{
  std::optional<double> couplingDb;  // approximate
  std::optional<double> inductance;  // L1 = Zo / (2 pi f), H
  std::optional<double> capacitance; // C2 = 1 / (2 pi f Zo), F
  std::string error;
};

struct CoupledStriplineInput
{
  double groundSpacing = 0; // b, between the ground planes
  double thickness = 0;     // t of the lines
  double permittivity = 1;  // Er
  double width = 0;         // w of each line
  double spacing = 0;       // s, gap between the lines
};

struct CoupledLineResult
{
  std::optional<double> evenImpedance; // Z0e, ohm
  std::optional<double> oddImpedance;  // Z0o, ohm
  std::optional<double> couplingDb;
  std::optional<double> lineImpedance; // sqrt(Z0e Z0o), the Zo the coupler matches
  std::string warning;                 // inputs outside the formula's range ("" inside it)
  std::string error;
};

CouplingResult calcTransformerCoupler(const TransformerCouplerInput& in);
CouplingResult calcQuarterWaveCoupler(const CapacitiveCouplerInput& in);
LumpedCouplerResult calcLumpedCoupler(const CapacitiveCouplerInput& in);
CoupledLineResult calcCoupledStripline(const CoupledStriplineInput& in);

// Largest coupling capacitor of the lumped coupler in pF: 2 pi f C1 Zo may not exceed 0.18,
// beyond which the approximation no longer holds. Empty when f or Zo is not above 0.
std::optional<double> lumpedCouplerMaxC1Pf(double frequency, double systemImpedance);

} // namespace norvane
