#pragma once
// The directional coupler window without the window: five coupler constructions, all
// calculated at once. Dimensions typed in mm, capacitors in pF, frequencies in MHz.

#include "assist/calculatorpages.h"
#include "assist/coupledmicrostrip.h"
#include "assist/couplers.h"

#include <string>

namespace norvane {

// The texts of the inputs with their defaults; captions, units and limits are in the page
// tables.
struct CouplerFields
{
  // "Microstrip"
  std::string msWidth = "2.763";
  std::string msSpacing = "1.213";
  std::string msThickness = "0.01";
  std::string msHeight = "1";
  std::string msPermittivity = "2.55";
  // "Stripline"
  std::string slGroundSpacing = "1";
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
  std::string primaryTurns = "1";
  std::string secondaryTurns = "10";
};

struct CouplerTexts
{
  CouplerFields fields; // the inputs as read

  std::string msCoupling;
  std::string msLineZo;
  std::string slCoupling;
  std::string slZo;
  std::string lumpedCoupling;
  std::string lumpedL1;
  std::string lumpedC2;
  std::string quarterCoupling;
  std::string transformerCoupling;
  // Beside the results: the inputs lie outside the formula's range ("" when they do not).
  std::string msWarning;
  std::string slWarning;
  std::string quarterWarning;

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
