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
};

struct StriplineFields
{
  std::string width = "0.5";
  std::string thickness = "0.1";
  std::string separation = "1.6";
  std::string permittivity = "4.7";
};

struct CoaxFields
{
  std::string shieldDiameter = "2.3";
  std::string conductorDiameter = "1";
  std::string permittivity = "1";
  std::string frequencyMHz = "1000";
};

struct FlatTwinFields
{
  std::string separation = "1";
  std::string conductorDiameter = "0.6";
  std::string permeability = "1";
  std::string permittivity = "1";
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

  // The numbers behind the texts.
  MicrostripResult microstrip;
  StriplineResult stripline;
  CoaxResult coax;
  FlatTwinResult flatTwin;

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

// A line's input record from the values its page read.
template <class Input> Input lineInput(const PageValues& v)
{
  return Input{v[0], v[1], v[2], v[3]};
}

// Impedance text of the line calculators: engineering notation, 2 decimals, "R".
std::string impedanceText(std::optional<double> ohms);

} // namespace norvane
