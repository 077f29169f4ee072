#pragma once
// The inductor calculator window without the window: three pages (air-cored coil, printed
// spiral, printed short-circuited stub), all calculated at once. Input texts in, result
// texts out; dimensions typed in mm.

#include "assist/calculatorpages.h"
#include "assist/inductors.h"

#include <string>

namespace norvane {

struct InductorFields
{
  // "Air Cored Inductor"
  std::string airLength = "10";  // "Length", mm
  std::string airDiameter = "3"; // "Diameter", mm
  std::string airTurns = "5";    // "Number of turns"
  // "Printed Spiral Inductor"
  std::string spiralSide = "9";  // "Side Length (A)", mm
  std::string spiralTurns = "3"; // "Number of turns"
  // "Printed Short cct stub"
  std::string stubImpedance = "100"; // "Tx Line Zo ", ohm
  std::string stubLength = "10";     // "Length (L)", mm
  std::string stubVelocity = "1.6";  // "Phase velocity", 1e8 m/s
  std::string stubFrequencyMHz = "1000";
};

struct InductorTexts
{
  InductorFields fields;        // the inputs as read
  std::string airInductance;    // after "L="
  std::string spiralInductance; // after "Low Freq Inductance="
  std::string stubReactance;    // after "Zin=": "+j41.4R"
  std::string stubInductance;   // after "L="

  InductanceResult air;
  InductanceResult spiral;
  ShortedStubResult stub;
  CalcNotices notices;
};

InductorTexts calculateInductors(const InductorFields& fields);

std::span<const CalcPage<InductorFields, InductorTexts>> inductorPages();

} // namespace norvane
