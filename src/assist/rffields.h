#pragma once
// The fields of the RF calculator window: five pages of everyday RF conversions (return loss
// and VSWR, signal level, resonance and reactance, thermal noise, frequency / length / delay /
// phase). Each field is a numeric entry field with a unit and a number of decimals; this
// table gives the window its labels, units, decimals and initial values.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace norvane {

enum class RfPage { ReturnLoss, SignalLevel, Resonance, ThermalNoise, FreqWavelength };
inline constexpr std::size_t kRfPageCount = 5;

enum class RfField {
  // "Return Loss/VSWR"
  ReturnLoss,
  Vswr,
  TransmissionLoss,
  ReflectionCoeff,
  // "Signal Level"
  Dbm,
  Watts,
  VoltsRms,
  VoltsPkPk,
  SystemImpedance,
  // "Resonance/Reactance"
  ResonantFrequency,
  Reactance,
  Capacitance,
  Inductance,
  // "Thermal noise"
  NoisePowerW,
  Bandwidth,
  Temperature,
  NoisePowerDbm,
  // "Freq / Wavelength"
  PhaseVelocity,
  PhysicalLength,
  Delay,
  PhaseShift,
  PhaseFrequency, // the frequency after "at"
};
inline constexpr std::size_t kRfFieldCount = 22;

struct RfFieldInfo
{
  RfField field;
  RfPage page;
  std::string_view label;
  std::string_view unit; // appended to the number
  int decimals;
  double initial;
};

// The caption of the page's tab.
std::string_view rfPageCaption(RfPage page);
const RfFieldInfo& rfFieldInfo(RfField field);
inline RfPage rfPageOf(RfField field)
{
  return rfFieldInfo(field).page;
}
inline std::size_t rfIndex(RfField field)
{
  return static_cast<std::size_t>(field);
}

// The window shows its pages' fields in this order.
const std::array<RfFieldInfo, kRfFieldCount>& rfFields();

// The VSWR text always ends in " : 1"; a zero signal has no dBm value and shows "#####".
inline constexpr std::string_view kVswrSuffix = " : 1";
inline constexpr std::string_view kNoSignalText = "#####";

// The field's text for `value`: engineering notation with the field's decimals and unit (and
// the VSWR suffix).
std::string rfFieldText(RfField field, double value);

// The value the field holds after showing `value`: its text read back, so rounded to the
// decimals shown. A calculation that uses a result it has just written reads it this way.
double rfShownValue(RfField field, double value);

// Every field's value, indexed by rfIndex().
using RfFieldValues = std::array<double, kRfFieldCount>;
RfFieldValues rfInitialValues();

// The page the window shows first.
inline constexpr RfPage kRfFirstPage = RfPage::Resonance;

} // namespace norvane
