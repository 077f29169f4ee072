#pragma once
// The inductor calculator window without the window: three pages (air-cored coil, printed
// spiral, printed short-circuited stub), all calculated at once. Input texts in, result
// texts out; dimensions typed in mm.

#include "assist/calculatorpages.h"
#include "assist/inductors.h"

#include <string>

namespace norvane {

// The texts of the inputs with their defaults; captions, units and limits are in the page
// tables.
struct InductorFields
{
  // "Air Cored Inductor"
  std::string airLength = "10";
  std::string airDiameter = "3";
  std::string airTurns = "5";
  // "Printed Spiral Inductor"
  std::string spiralSide = "9";
  std::string spiralTurns = "3";
  // "Printed Short cct stub"
  std::string stubImpedance = "100";
  std::string stubLength = "10";
  std::string stubVelocity = "1.6";
  std::string stubFrequencyMHz = "1000";
};

struct InductorTexts
{
  InductorFields fields; // the inputs as read
  std::string airInductance;
  std::string spiralInductance;
  std::string stubReactance;
  std::string stubInductance;

  InductanceResult air;
  InductanceResult spiral;
  ShortedStubResult stub;
  CalcNotices notices;
};

InductorTexts calculateInductors(const InductorFields& fields);

std::span<const CalcPage<InductorFields, InductorTexts>> inductorPages();

} // namespace norvane
