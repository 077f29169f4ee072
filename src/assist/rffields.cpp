#include "assist/rffields.h"

#include "numbers/valuetext.h"

namespace norvane {

namespace {
using F = RfField;
using P = RfPage;

// The resonance fields start consistent: 50 ohm at 100 MHz is 79.577 nH and 31.831 pF.
constexpr std::array<RfFieldInfo, kRfFieldCount> kFields{{
    {F::ReturnLoss, P::ReturnLoss, "Return Loss", "dB", 3, 10},
    {F::Vswr, P::ReturnLoss, "VSWR", "", 3, 1.925},
    {F::TransmissionLoss, P::ReturnLoss, "Transmisstion Loss", "dB", 3, 0.458},
    {F::ReflectionCoeff, P::ReturnLoss, "Reflection Coeff.", "", 3, 0.316},
    {F::Dbm, P::SignalLevel, "dBm", "dBm", 3, 10},
    {F::Watts, P::SignalLevel, "Watts", "W", 3, 0.01},
    {F::VoltsRms, P::SignalLevel, "Volts rms", "Vrms", 3, 0.707},
    {F::VoltsPkPk, P::SignalLevel, "Volts pk-pk", "Vpk-pk", 3, 2},
    {F::SystemImpedance, P::SignalLevel, "System impedance", "R", 3, 50},
    {F::ResonantFrequency, P::Resonance, "Resonant Frequency", "Hz", 3, 100e6},
    {F::Reactance, P::Resonance, "Reactance (XL,XC)", "R", 3, 50},
    {F::Capacitance, P::Resonance, "Capacitance", "F", 3, 31.831e-12},
    {F::Inductance, P::Resonance, "Inductance", "H", 3, 79.577e-9},
    {F::NoisePowerW, P::ThermalNoise, "Noise Power (W)", "W", 3, 1},
    {F::Bandwidth, P::ThermalNoise, "Bandwidth", "Hz", 3, 1},
    {F::Temperature, P::ThermalNoise, "Temperature", "degC", 3, 27},
    {F::NoisePowerDbm, P::ThermalNoise, "Noise Power (dBm)", "dBm", 3, 0},
    {F::PhaseVelocity, P::FreqWavelength, "Phase Velocity", " m/s", 4, 3e8},
    {F::PhysicalLength, P::FreqWavelength, "Physical Length", " m", 4, 0.01},
    {F::Delay, P::FreqWavelength, "Delay", "s", 4, 33.333e-12},
    {F::PhaseShift, P::FreqWavelength, "Phase Shift", " Deg", 2, 1.2},
    {F::PhaseFrequency, P::FreqWavelength, "at", "Hz", 2, 100e6},
}};

constexpr std::array<std::string_view, kRfPageCount> kPageCaptions{
    "Return Loss/VSWR", "Signal Level", "Resonance/Reactance", "Thermal noise",
    "Freq / Wavelength"};
} // namespace

std::string_view rfPageCaption(RfPage page)
{
  return kPageCaptions[static_cast<std::size_t>(page)];
}

const RfFieldInfo& rfFieldInfo(RfField field)
{
  return kFields[rfIndex(field)];
}

const std::array<RfFieldInfo, kRfFieldCount>& rfFields()
{
  return kFields;
}

std::string rfFieldText(RfField field, double value)
{
  const RfFieldInfo& info = rfFieldInfo(field);
  std::string text = formatEngineering(info.decimals, value) + std::string(info.unit);
  if (field == RfField::Vswr) text += kVswrSuffix;
  return text;
}

double rfShownValue(RfField field, double value)
{
  return parseValueText(rfFieldText(field, value));
}

RfFieldValues rfInitialValues()
{
  RfFieldValues values{};
  for (const RfFieldInfo& info : kFields)
    values[rfIndex(info.field)] = info.initial;
  return values;
}

} // namespace norvane
