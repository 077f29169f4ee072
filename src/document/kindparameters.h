#pragma once
// The parameter tables of the component kinds (see componentkinds.h), as compile-time data
// so that code on the simulation's hot path can find a parameter's slot by name while
// compiling: `slotOf(kindparameters::kInductor, "inductance")` is a constant.

#include "document/componentkinds.h"
#include "document/zeroreplacement.h"

#include <cstddef>
#include <string_view>

namespace norvane::kindparameters {

using F = SlotField;
using D = ParameterDefault;
using namespace zeroreplacement;

constexpr D unset()
{
  return {};
}
constexpr D value(double x)
{
  return {D::Kind::Value, x, 0.0, 0.0, false, false};
}
constexpr D withTolerance(double nom, double mintol, double maxtol, bool on, bool percent)
{
  return {D::Kind::WithTolerance, nom, mintol, maxtol, on, percent};
}

// Physical-model parameters shared by the capacitor and the inductor.
#define NORVANE_REACTIVE_MODEL(qDefault)                                                           \
  {"q", 2, F::Nom, "", false, 0, 0, 1e-20, 1e12, value(qDefault)},                                 \
      {"qFrequency", 3, F::Nom, "Hz", false, 0, 3, 1e-20, 1e12, value(1e8)},                       \
      {"selfResonance", 4, F::Nom, "Hz", false, 0, 3, 1e-20, 1e12, value(1e9)},                    \
      {"qMode", 5, F::Nom, "", false, 0, 0, 1, 3, value(1)},                                       \
  {                                                                                                \
    "physicalModel", 5, F::TolEn, "", false, 0, 0, 0, 1, value(0)                                  \
  }

inline constexpr ParameterDescription kResistor[] = {
    {"resistance", 1, F::Whole, "R", true, kResistance, 2, -1e20, 1e20,
     withTolerance(50, -1, 1, true, true)},
};

inline constexpr ParameterDescription kCapacitor[] = {
    {"capacitance", 1, F::Whole, "F", true, kReactance, 2, -1e25, 1e25,
     withTolerance(1e-11, -2, 2, true, true)},
    NORVANE_REACTIVE_MODEL(200),
};

inline constexpr ParameterDescription kInductor[] = {
    {"inductance", 1, F::Whole, "H", true, kReactance, 2, -1e20, 1e20,
     withTolerance(1e-8, -5, 5, true, true)},
    NORVANE_REACTIVE_MODEL(50),
};

#undef NORVANE_REACTIVE_MODEL

// The gain is entered in dB and stored as the linear voltage ratio.
inline constexpr ParameterDescription kOpAmp[] = {
    {"inputResistance", 1, F::Nom, "R", false, kReactance, 2, -1e9, 1e9, value(1e6)},
    {"outputResistance", 2, F::Nom, "R", false, kReactance, 2, -1e9, 1e9, value(0.1)},
    {"gain", 3, F::Nom, "dB", false, 0, 2, -1e9, 1e9, value(1e6)},
};

inline constexpr ParameterDescription kTxLine[] = {
    {"impedance", 1, F::Whole, "R", true, kReactance, 2, -1e8, 1e8,
     withTolerance(50, -5, 5, true, false)},
    {"velocity", 2, F::Nom, " m/s", false, kVelocity, 3, -1e20, 1e20, value(3e8)},
    {"length", 3, F::Whole, " m", true, kReactance, 4, -1e8, 1e8,
     withTolerance(0.01, -2, 2, true, true)},
};

// A data block: which stored data set it shows, and the tolerances on the magnitudes and
// angles of its S-parameters (percent, in maxtol; the dialog stores -x and +x).
inline constexpr ParameterDescription kDataBlock[] = {
    {"dataSet", 1, F::Nom, "", false, 0, 0, 1, kMaxDataSets, unset()},
    {"magnitudeTolerance", 2, F::Whole, "%", true, 0, 2, 0, 100, unset()},
    {"angleTolerance", 3, F::Whole, "%", true, 0, 2, 0, 100, unset()},
};

// Transformer and mutual inductance: the two turns share slot 1.
inline constexpr ParameterDescription kTransformer[] = {
    {"secondaryTurns", 1, F::Nom, "", false, 0, 3, 1e-20, 1e20, value(1)},
    {"primaryTurns", 1, F::MinTol, "", false, 0, 3, 1e-20, 1e20, value(1)},
    {"physicalModel", 1, F::TolEn, "", false, 0, 0, 0, 1, value(0)},
    {"primaryInductance", 2, F::Nom, "H", false, 0, 3, 1e-20, 1e20, value(1e-8)},
    {"coupling", 3, F::Nom, "", false, 0, 5, 1e-12, 1, value(1)},
};

inline constexpr ParameterDescription kMutual[] = {
    {"secondaryTurns", 1, F::Nom, "", false, 0, 3, 1e-20, 1e20, unset()},
    {"primaryTurns", 1, F::MinTol, "", false, 0, 3, 1e-20, 1e20, unset()},
    {"physicalModel", 1, F::TolEn, "", false, 0, 0, 0, 1, unset()},
    {"primaryInductance", 2, F::Nom, "H", false, 0, 3, 1e-20, 1e20, unset()},
    {"coupling", 3, F::Nom, "", false, 0, 5, 1e-12, 1, unset()},
};

// The transistor uses the three doubles of each slot as separate model parameters.
inline constexpr double kBjtMin = 1e-20;
inline constexpr double kBjtMax = 1e12;
inline constexpr ParameterDescription kBipolar[] = {
    {"beta", 1, F::Nom, "", false, 0, 3, kBjtMin, kBjtMax, value(100)},
    {"re", 2, F::Nom, "R", false, 0, 3, kBjtMin, kBjtMax, value(16)},
    {"rbb", 2, F::MinTol, "R", false, 0, 3, kBjtMin, kBjtMax, value(10)},
    {"ro", 2, F::MaxTol, "R", false, 0, 3, kBjtMin, kBjtMax, value(5000)},
    {"cbe", 3, F::Nom, "F", false, 0, 3, kBjtMin, kBjtMax, value(1e-12)},
    {"ccb", 3, F::MinTol, "F", false, 0, 3, kBjtMin, kBjtMax, value(5e-13)},
    {"delay", 3, F::MaxTol, "s", false, 0, 3, kBjtMin, kBjtMax, value(1e-11)},
    {"lb", 4, F::Nom, "H", false, 0, 3, kBjtMin, kBjtMax, value(5e-10)},
    {"betaCutoff", 4, F::MinTol, "Hz", false, 0, 3, kBjtMin, kBjtMax, value(3e7)},
    {"le", 4, F::MaxTol, "H", false, 0, 3, kBjtMin, kBjtMax, value(5e-10)},
    {"ic", 5, F::Nom, "A", false, 0, 3, 1e-20, 1e20, value(0.005)},
    {"ft", 5, F::MinTol, "Hz", false, 0, 3, 1.0, 1e20, value(3e9)},
    {"ballParkModel", 5, F::TolEn, "", false, 0, 0, 0, 1, value(1)},
    {"surfaceMount", 5, F::TolPercent, "", false, 0, 0, 0, 1, value(0)},
};

// Controlled sources: one gain with tolerances, which the tolerance modes leave alone.
// Three decimals: a gain of 0.5 or 2.5 must survive the field's re-formatting.
inline constexpr ParameterDescription kVCVS[] = {
    {"gain", 1, F::Whole, "V/V", false, 0, 3, -1e20, 1e20, value(1), "Voltage Gain"}};
inline constexpr ParameterDescription kVCCS[] = {
    {"gain", 1, F::Whole, "A/V", false, 0, 3, -1e20, 1e20, value(1), "Voltage Gain"}};
inline constexpr ParameterDescription kCCVS[] = {
    {"gain", 1, F::Whole, "V/A", false, 0, 3, -1e20, 1e20, value(1), "Transconductance"}};
inline constexpr ParameterDescription kCCCS[] = {
    {"gain", 1, F::Whole, "A/A", false, 0, 3, -1e20, 1e20, value(1), "Current gain"}};

// The slot of a parameter; naming a parameter the table lacks does not compile.
template <std::size_t N>
consteval int slotOf(const ParameterDescription (&table)[N], std::string_view name)
{
  for (const ParameterDescription& p : table) {
    if (p.name == name) {
      return p.slot;
    }
  }
  throw "no such parameter";
}

// The description of a parameter, found when compiling.
template <std::size_t N>
consteval ParameterDescription describe(const ParameterDescription (&table)[N],
                                        std::string_view name)
{
  for (const ParameterDescription& p : table) {
    if (p.name == name) {
      return p;
    }
  }
  throw "no such parameter";
}

// The number a parameter holds (a flag reads as 0 or 1); with `p` a constant the choice of
// field is made when compiling.
constexpr double read(const Component& c, const ParameterDescription& p)
{
  const ToleranceValue& v = c.value[p.slot];
  switch (p.field) {
  case SlotField::Whole:
  case SlotField::Nom:
    return v.nom;
  case SlotField::MinTol:
    return v.mintol;
  case SlotField::MaxTol:
    return v.maxtol;
  case SlotField::TolEn:
    return v.TolEn ? 1.0 : 0.0;
  case SlotField::TolPercent:
    return v.TolPercent ? 1.0 : 0.0;
  }
  return 0.0;
}

constexpr void write(Component& c, const ParameterDescription& p, double x)
{
  ToleranceValue& v = c.value[p.slot];
  switch (p.field) {
  case SlotField::Whole:
  case SlotField::Nom:
    v.nom = x;
    break;
  case SlotField::MinTol:
    v.mintol = x;
    break;
  case SlotField::MaxTol:
    v.maxtol = x;
    break;
  case SlotField::TolEn:
    v.TolEn = x != 0.0;
    break;
  case SlotField::TolPercent:
    v.TolPercent = x != 0.0;
    break;
  }
}

} // namespace norvane::kindparameters
