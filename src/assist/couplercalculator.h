#pragma once
// The directional coupler window without the window: five coupler constructions, all
// calculated at once. Dimensions typed in mm, capacitors in pF, frequencies in MHz.

#include "assist/calculatorpages.h"
#include "assist/coupledmicrostrip.h"
#include "assist/couplers.h"

#include <string>

namespace norvane {

struct CouplerFields
{
  // "Microstrip"
  std::string msWidth = "2.763";    // "Line width", mm
  std::string msSpacing = "1.213";  // "Line spacing (A)", mm
  std::string msThickness = "0.01"; // "Line thickness", mm
  std::string msHeight = "1";       // "Dielectric thickness", mm
  std::string msPermittivity = "2.55";
  // "Stripline"
  std::string slGroundSpacing = "1"; // "Gnd plane spacing", mm
  std::string slThickness = "0.01";
  std::string slPermittivity = "2.55";
  std::string slWidth = "2.763";
  std::string slSpacing = "1.231";
  // "Lumped"
  std::string lumpedZo = "50";
  std::string lumpedC1pF = "0.5"; // limited so that 2 pi f C1 Zo <= 0.18
  std::string lumpedFrequencyMHz = "1000";
  // "lambda/4"
  std::string quarterZo = "50";
  std::string quarterC1pF = "0.5";
  std::string quarterFrequencyMHz = "1000";
  // "Transformer"
  std::string primaryTurns = "1";    // "Primary Turns (n1)"
  std::string secondaryTurns = "10"; // "Secondary Turns(n2)"
};

struct CouplerTexts
{
  CouplerFields fields; // the inputs as read

  std::string msCoupling;          // "Coupling": fixed 1, "dB"
  std::string msLineZo;            // "Zo of line": fixed 1, "R"
  std::string slCoupling;          // "Coupling"
  std::string slZo;                // "Zo"
  std::string lumpedCoupling;      // "Approx Coupling"
  std::string lumpedL1;            // "Inductor (L1)": eng. 2, "H"
  std::string lumpedC2;            // "Capacitor (C2)": eng. 2, "F"
  std::string quarterCoupling;     // "Approx Coupling"
  std::string transformerCoupling; // "Coupling="

  CoupledMicrostripResult microstrip;
  CoupledLineResult stripline;
  LumpedCouplerResult lumped;
  CouplingResult quarterWave;
  CouplingResult transformer;
  CalcNotices notices;
};

CouplerTexts calculateCouplers(const CouplerFields& fields);

std::span<const CalcPage<CouplerFields, CouplerTexts>> couplerPages();

} // namespace norvane
