#pragma once
// The transmission line calculator window without the window: the texts of its four pages'
// inputs go in (with their defaults), the result texts come out, and the inputs come back as
// the bounded reader left them (rewritten where a value was clamped). Every calculation
// computes all four pages, whatever page is visible. Dimensions are typed in mm, the coaxial
// cable's frequency in MHz.

#include "assist/calculatorpages.h"
#include "assist/txlines.h"

#include <string>

namespace norvane {

// The texts of the inputs with their defaults; captions, units and limits are in the page
// tables.
struct MicrostripFields
{
  std::string width = "2.9";
  std::string thickness = "0.1";
  std::string height = "1.6";
  std::string permittivity = "4.7";
  // Every page also turns an electrical length into a length on its line and back, at one
  // frequency.
  std::string lengthFrequencyMHz = "1000";
  std::string electricalDeg = "90"; // wanted electrical length
  std::string lengthMm = "10";      // given physical length
};

struct StriplineFields
{
  std::string width = "0.5";
  std::string thickness = "0.1";
  std::string separation = "1.6";
  std::string permittivity = "4.7";
  // Every page also turns an electrical length into a length on its line and back, at one
  // frequency.
  std::string lengthFrequencyMHz = "1000";
  std::string electricalDeg = "90"; // wanted electrical length
  std::string lengthMm = "10";      // given physical length
};

struct CoaxFields
{
  std::string shieldDiameter = "2.3";
  std::string conductorDiameter = "1";
  std::string permittivity = "1";
  std::string frequencyMHz = "1000";
  // Every page also turns an electrical length into a length on its line and back, at one
  // frequency.
  std::string lengthFrequencyMHz = "1000";
  std::string electricalDeg = "90"; // wanted electrical length
  std::string lengthMm = "10";      // given physical length
};

struct FlatTwinFields
{
  std::string separation = "1";
  std::string conductorDiameter = "0.6";
  std::string permeability = "1";
  std::string permittivity = "1";
  // Every page also turns an electrical length into a length on its line and back, at one
  // frequency.
  std::string lengthFrequencyMHz = "1000";
  std::string electricalDeg = "90"; // wanted electrical length
  std::string lengthMm = "10";      // given physical length
};

struct TxLineFields
{
  MicrostripFields microstrip;
  StriplineFields stripline;
  CoaxFields coax;
  FlatTwinFields flatTwin;
};

// The material list selected beside each permittivity (and permeability) field at creation.
struct TxLineMaterialDefaults
{
  static constexpr int microstrip = 1;         // "G10 FibreGlass Er=3.8~4.8"
  static constexpr int stripline = 1;          // "G10 FibreGlass Er=3.8~4.8"
  static constexpr int coax = 0;               // "Air Er=1"
  static constexpr int flatTwinMagnetic = 0;   // "Air Ur=1"
  static constexpr int flatTwinDielectric = 0; // "Air Er=1"
};

struct TxLineTexts
{
  TxLineFields fields; // the inputs as read; the window shows any text that changed

  std::string microstripImpedance;
  std::string microstripVelocity;
  std::string striplineImpedance;
  std::string striplineVelocity;
  std::string coaxImpedance;
  std::string coaxLoss;
  std::string coaxVelocity;
  std::string flatTwinImpedance;

  // Beside the results: the inputs lie outside the formula's range ("" when they do not).
  std::string microstripWarning;
  std::string striplineWarning;

  // "Line Length" for the electrical length and "Electrical Length" of the physical length,
  // per page.
  std::string microstripLength;
  std::string microstripAngle;
  std::string striplineLength;
  std::string striplineAngle;
  std::string coaxLength;
  std::string coaxAngle;
  std::string flatTwinLength;
  std::string flatTwinAngle;

  // The numbers behind the texts.
  MicrostripResult microstrip;
  StriplineResult stripline;
  CoaxResult coax;
  FlatTwinResult flatTwin;
  LineLengthResult microstripLine;
  LineLengthResult striplineLine;
  LineLengthResult coaxLine;
  LineLengthResult flatTwinLine;

  CalcNotices notices;
};

TxLineTexts calculateTxLines(const TxLineFields& fields);

// The four pages; each lists its inputs in the order of its line's input record.
struct TxLinePages
{
  CalcPage<MicrostripFields, TxLineTexts> microstrip;
  CalcPage<StriplineFields, TxLineTexts> stripline;
  CalcPage<CoaxFields, TxLineTexts> coax;
  CalcPage<FlatTwinFields, TxLineTexts> flatTwin;
};
const TxLinePages& txLinePages();

// A line's input record from the values its page read (its first four inputs; the length
// inputs follow them).
template <class Input> Input lineInput(const PageValues& v)
{
  return Input{v[0], v[1], v[2], v[3]};
}
inline constexpr std::size_t kLengthFrequencyInput = 4;
inline constexpr std::size_t kElectricalDegInput = 5;
inline constexpr std::size_t kLengthMmInput = 6;

// Impedance text of the line calculators: engineering notation, 2 decimals, "R".
std::string impedanceText(std::optional<double> ohms);

} // namespace norvane
