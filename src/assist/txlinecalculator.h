#pragma once
// The transmission line calculator window without the window: the texts of its four pages'
// inputs go in (with their defaults), the result texts come out, and the inputs come back as
// the bounded reader left them (rewritten where a value was clamped). Every calculation
// computes all four pages, whatever page is visible.

#include "assist/calcnotices.h"
#include "assist/txlines.h"
#include "numbers/boundedreader.h"

#include <string>

namespace norvane {

// Limits of the inputs; dimensions are typed in mm, the coaxial frequency in MHz.
namespace txlinebounds {
inline constexpr NumberBounds kDimension{1e-12, 1e12};
inline constexpr NumberBounds kGroundSeparation{0, 1e12};
inline constexpr NumberBounds kPermittivity{1, 10000};
inline constexpr NumberBounds kStriplinePermittivity{1, 1e12};
inline constexpr NumberBounds kFrequencyMHz{1e-12, 1e15};
inline constexpr NumberBounds kRelative{1e-12, 1e12}; // flat-twin permeability, permittivity
} // namespace txlinebounds

struct MicrostripFields
{
  std::string width = "2.9";     // "Track Width (W)", mm
  std::string thickness = "0.1"; // "Track Thickness (T)", mm
  std::string height = "1.6";    // "Dielectric Thickness (H)", mm
  std::string permittivity = "4.7";
};

struct StriplineFields
{
  std::string width = "0.5";
  std::string thickness = "0.1";
  std::string separation = "1.6"; // "Gnd Plane Separation (S)", mm
  std::string permittivity = "4.7";
};

struct CoaxFields
{
  std::string shieldDiameter = "2.3";  // "Shield Diameter (D)", mm
  std::string conductorDiameter = "1"; // "Conductor Diameter (d)", mm
  std::string permittivity = "1";
  std::string frequencyMHz = "1000"; // after "Atten @"
};

struct FlatTwinFields
{
  std::string separation = "1";          // "Separation (s)", mm
  std::string conductorDiameter = "0.6"; // "Conductor diameter (d)", mm
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

  std::string microstripImpedance; // after "Characteristic Impedance="
  std::string microstripVelocity;  // after "Phase Velocity ="
  std::string striplineImpedance;
  std::string striplineVelocity;
  std::string coaxImpedance;
  std::string coaxLoss; // "For copper"
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

// The inputs of one page as the calculation reads them (mm to metres, MHz to hertz), with
// the texts rewritten where a value was clamped; empty when a field is not a number (the
// reader holds the reason).
std::optional<MicrostripInput> readMicrostripFields(MicrostripFields& f, FieldReader& reader);
std::optional<StriplineInput> readStriplineFields(StriplineFields& f, FieldReader& reader);
std::optional<CoaxInput> readCoaxFields(CoaxFields& f, FieldReader& reader);
std::optional<FlatTwinInput> readFlatTwinFields(FlatTwinFields& f, FieldReader& reader);

// Impedance text of the line calculators: engineering notation, 2 decimals, "R".
std::string impedanceText(std::optional<double> ohms);

} // namespace norvane
