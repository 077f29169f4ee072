#include "assist/rfpages.h"

#include "calc_support.h"
#include "numbers/valuetext.h"

#include <gtest/gtest.h>

#include <cmath>

namespace norvane {
namespace {

using testing::isCleanText;
using testing::isNear;

RfFieldValues valuesWith(std::initializer_list<std::pair<RfField, double>> set)
{
  RfFieldValues v = rfInitialValues();
  for (const auto& [field, value] : set)
    v[rfIndex(field)] = value;
  return v;
}

std::string textOf(const RfPageResult& r, RfField field)
{
  const RfWrite* w = r.find(field);
  return w ? w->text : "<not written>";
}

TEST(ReturnLossPage, WorkedValues)
{
  struct Case
  {
    RfField given;
    double value;
    double gamma, returnLoss, vswr, transmissionLoss;
  };
  const Case cases[] = {
      {RfField::ReturnLoss, 10, 0.316228, 10, 1.924951, 0.457575},
      {RfField::Vswr, 1.924951, 0.316228, 10, 1.924951, 0.457575},
      {RfField::TransmissionLoss, 0.457575, 0.316228, 10, 1.924951, 0.457575},
      {RfField::ReflectionCoeff, 0.316228, 0.316228, 10, 1.924951, 0.457575},
      // A matched load and a total reflection show 1e38 where the value is unbounded.
      {RfField::Vswr, 1, 0, 1e38, 1, 0},
      {RfField::ReflectionCoeff, 1, 1, 0, 1e38, 1e38},
      // Above 1 the logarithm of a non-positive number is taken as 1e30.
      {RfField::ReflectionCoeff, 2, 2, -6.0206, -3, -1e31},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(rfFieldInfo(c.given).label);
    const RfPageResult r = calcReturnLossPage(c.given, valuesWith({{c.given, c.value}}));
    EXPECT_EQ(r.error, "");
    ASSERT_EQ(r.writes.size(), 4u);
    EXPECT_EQ(r.writes.back().field, RfField::ReflectionCoeff);
    EXPECT_NEAR(*r.value(RfField::ReflectionCoeff), c.gamma, 1e-5);
    EXPECT_TRUE(isNear(*r.value(RfField::ReturnLoss), c.returnLoss, 1e-5) ||
                std::abs(*r.value(RfField::ReturnLoss)) < 1e-9);
    EXPECT_TRUE(isNear(*r.value(RfField::Vswr), c.vswr, 1e-5));
    EXPECT_TRUE(isNear(*r.value(RfField::TransmissionLoss), c.transmissionLoss, 1e-5) ||
                std::abs(*r.value(RfField::TransmissionLoss)) < 1e-12);
  }

  const RfPageResult r = calcReturnLossPage(RfField::ReturnLoss, rfInitialValues());
  EXPECT_EQ(textOf(r, RfField::ReturnLoss), "10dB");
  EXPECT_EQ(textOf(r, RfField::Vswr), "1.925 : 1");
  EXPECT_EQ(textOf(r, RfField::TransmissionLoss), "0.458dB");
  EXPECT_EQ(textOf(r, RfField::ReflectionCoeff), "0.316");
  const RfPageResult matched = calcReturnLossPage(RfField::Vswr, valuesWith({{RfField::Vswr, 1}}));
  EXPECT_EQ(textOf(matched, RfField::ReturnLoss), "1E+38dB");
  EXPECT_EQ(textOf(matched, RfField::TransmissionLoss), "0dB");
}

TEST(ReturnLossPage, PowerOfTenOutOfRangeIsZeroWithAMessage)
{
  // 10^1000 (and, in double precision, anything beyond 10^308) is out of range.
  for (double returnLoss : {-20000.0, -7000.0}) {
    const RfPageResult r =
        calcReturnLossPage(RfField::ReturnLoss, valuesWith({{RfField::ReturnLoss, returnLoss}}));
    EXPECT_EQ(r.information, "number out of range");
    EXPECT_EQ(r.error, "");
    EXPECT_EQ(*r.value(RfField::ReflectionCoeff), 0.0);
    EXPECT_EQ(*r.value(RfField::ReturnLoss), 1e38);
  }
}

TEST(ReturnLossPage, OutOfDomainClearsEveryResult)
{
  struct Case
  {
    RfField given;
    double value;
    const char* message;
  };
  const Case cases[] = {
      {RfField::TransmissionLoss, -1,
       "Invalid floating point operation: the transmission loss is below 0 dB"},
      {RfField::Vswr, -1, "Floating point division by zero: a VSWR of -1"},
  };
  for (const Case& c : cases) {
    const RfPageResult r = calcReturnLossPage(c.given, valuesWith({{c.given, c.value}}));
    EXPECT_EQ(r.error, c.message);
    ASSERT_EQ(r.writes.size(), 4u);
    for (const RfWrite& w : r.writes) {
      EXPECT_FALSE(w.value.has_value());
      EXPECT_EQ(w.text, "");
    }
  }
}

TEST(SignalLevelPage, TenDbmInFiftyOhm)
{
  for (RfField given : {RfField::Dbm, RfField::Watts, RfField::VoltsRms, RfField::VoltsPkPk}) {
    SCOPED_TRACE(rfFieldInfo(given).label);
    const RfFieldValues v = valuesWith({{RfField::Dbm, 10},
                                        {RfField::Watts, 0.01},
                                        {RfField::VoltsRms, std::sqrt(0.5)},
                                        {RfField::VoltsPkPk, 2.0}});
    const RfPageResult r = calcSignalLevelPage(given, v);
    EXPECT_EQ(r.error, "");
    EXPECT_TRUE(isNear(*r.value(RfField::Dbm), 10, 1e-6));
    EXPECT_TRUE(isNear(*r.value(RfField::Watts), 0.01, 1e-6));
    EXPECT_TRUE(isNear(*r.value(RfField::VoltsRms), 0.707107, 1e-6));
    EXPECT_TRUE(isNear(*r.value(RfField::VoltsPkPk), 2, 1e-6));
    EXPECT_EQ(textOf(r, RfField::Dbm), "10dBm");
    // 10^1 evaluated as e^(2.30258509299) is a hair below 10: "10mW" or "0.01W".
    EXPECT_TRUE(isNear(parseValueText(textOf(r, RfField::Watts)), 0.01, 1e-9));
    EXPECT_EQ(textOf(r, RfField::VoltsRms), "0.707Vrms");
    EXPECT_EQ(textOf(r, RfField::VoltsPkPk), "2Vpk-pk");
  }
  // Editing the system impedance recalculates from dBm.
  const RfPageResult r = calcSignalLevelPage(RfField::SystemImpedance, rfInitialValues());
  EXPECT_TRUE(isNear(*r.value(RfField::Watts), 0.01, 1e-6));

  // A typed level stays exactly as typed: 0 dBm must not come back as round-off.
  for (RfField given : {RfField::Dbm, RfField::SystemImpedance}) {
    const RfPageResult zero =
        calcSignalLevelPage(given, valuesWith({{RfField::Dbm, 0}, {RfField::SystemImpedance, 75}}));
    EXPECT_EQ(*zero.value(RfField::Dbm), 0.0);
    EXPECT_EQ(textOf(zero, RfField::Dbm), "0dBm");
  }
}

TEST(SignalLevelPage, ZeroWattsHasNoLevelInDbm)
{
  const RfPageResult r = calcSignalLevelPage(RfField::Watts, valuesWith({{RfField::Watts, 0}}));
  EXPECT_EQ(r.error, "");
  EXPECT_EQ(textOf(r, RfField::Dbm), "#####");
  EXPECT_FALSE(r.value(RfField::Dbm).has_value());
  EXPECT_EQ(*r.value(RfField::VoltsRms), 0.0);
  EXPECT_EQ(*r.value(RfField::Watts), 0.0);
}

TEST(SignalLevelPage, BadImpedanceOrPowerGivesAMessage)
{
  struct Case
  {
    RfField given;
    double impedance, watts;
    const char* message;
  };
  const Case cases[] = {
      {RfField::Dbm, 0, 1,
       "Invalid floating point operation: the system impedance must be above 0 ohm"},
      {RfField::VoltsRms, -50, 1,
       "Invalid floating point operation: the system impedance must be above 0 ohm"},
      {RfField::Watts, 50, -1, "Invalid floating point operation: the power is negative"},
  };
  for (const Case& c : cases) {
    const RfPageResult r = calcSignalLevelPage(
        c.given, valuesWith({{RfField::SystemImpedance, c.impedance}, {RfField::Watts, c.watts}}));
    EXPECT_EQ(r.error, c.message);
    for (const RfWrite& w : r.writes) {
      EXPECT_FALSE(w.value.has_value());
      EXPECT_EQ(w.text, "");
    }
  }
}

ResonanceLocks locked(std::initializer_list<RfField> fields)
{
  ResonanceLocks locks;
  for (RfField f : fields)
    locks.lock(f);
  return locks;
}

TEST(ResonancePage, EveryPairOfLocksGivesTheSameCircuit)
{
  // 100 MHz and 50 ohm: L = 79.58 nH, C = 31.83 pF, whichever two are given.
  const double f = 100e6, x = 50, l = 79.577e-9, c = 31.831e-12;
  const RfFieldValues v = valuesWith({{RfField::ResonantFrequency, f},
                                      {RfField::Reactance, x},
                                      {RfField::Capacitance, c},
                                      {RfField::Inductance, l}});
  const std::initializer_list<RfField> pairs[] = {
      {RfField::ResonantFrequency},
      {RfField::Reactance},
      {RfField::ResonantFrequency, RfField::Reactance},
      {RfField::Capacitance},
      {RfField::Inductance},
      {RfField::Capacitance, RfField::Inductance},
      {RfField::ResonantFrequency, RfField::Capacitance},
      {RfField::Reactance, RfField::Capacitance},
      {RfField::ResonantFrequency, RfField::Inductance},
      {RfField::Reactance, RfField::Inductance},
  };
  for (const auto& pair : pairs) {
    const ResonanceLocks locks = locked(pair);
    const RfPageResult r = calcResonancePage(locks, v);
    EXPECT_EQ(r.error, "");
    ASSERT_EQ(r.writes.size(), 2u);
    for (const RfWrite& w : r.writes) {
      EXPECT_FALSE(locks.isDown(w.field)) << "a locked field was overwritten";
      const double expected = w.field == RfField::ResonantFrequency ? f
                              : w.field == RfField::Reactance       ? x
                              : w.field == RfField::Capacitance     ? c
                                                                    : l;
      EXPECT_TRUE(isNear(*w.value, expected, 2e-4));
    }
  }
  const RfPageResult r =
      calcResonancePage(locked({RfField::ResonantFrequency, RfField::Reactance}), v);
  EXPECT_EQ(textOf(r, RfField::Inductance), "79.577nH");
  EXPECT_EQ(textOf(r, RfField::Capacitance), "31.831pF");
}

TEST(ResonancePage, NoLocksComputesNothing)
{
  EXPECT_TRUE(calcResonancePage(ResonanceLocks{}, rfInitialValues()).writes.empty());
}

TEST(ResonancePage, ALaterFormulaReadsTheEarlierResultAsShown)
{
  // f and C given: X is written with 3 decimals and L is computed from that X.
  const RfFieldValues v =
      valuesWith({{RfField::ResonantFrequency, 1e6}, {RfField::Capacitance, 1e-9}});
  const RfPageResult r =
      calcResonancePage(locked({RfField::ResonantFrequency, RfField::Capacitance}), v);
  const double xShown = 159.155; // 1 / (2 pi 1e6 1e-9) = 159.1549...
  EXPECT_EQ(textOf(r, RfField::Reactance), "159.155R");
  EXPECT_DOUBLE_EQ(*r.value(RfField::Inductance), xShown / (2 * 3.14159265358979323846 * 1e6));
}

TEST(ResonancePage, ZeroValuesGiveMessagesNotNumbers)
{
  struct Case
  {
    std::initializer_list<RfField> locks;
    RfField zero;
    const char* message;
    std::size_t validWrites;
  };
  const Case cases[] = {
      {{RfField::ResonantFrequency, RfField::Reactance},
       RfField::ResonantFrequency,
       "Floating point division by zero: the frequency is 0",
       0},
      // L = X / w = 0 is still a result; only C = 1 / (w X) fails.
      {{RfField::ResonantFrequency, RfField::Reactance},
       RfField::Reactance,
       "Floating point division by zero: the frequency or the reactance is 0",
       1},
      {{RfField::Capacitance, RfField::Inductance},
       RfField::Inductance,
       "Floating point division by zero: the inductance or the capacitance is 0",
       0},
      {{RfField::ResonantFrequency, RfField::Capacitance},
       RfField::Capacitance,
       "Floating point division by zero: the frequency or the capacitance is 0",
       0},
      {{RfField::Reactance, RfField::Inductance},
       RfField::Inductance,
       "Floating point division by zero: the inductance is 0",
       0},
  };
  for (const Case& c : cases) {
    const RfPageResult r = calcResonancePage(locked(c.locks), valuesWith({{c.zero, 0}}));
    EXPECT_EQ(r.error, c.message);
    std::size_t valid = 0;
    for (const RfWrite& w : r.writes) {
      valid += w.value.has_value();
      EXPECT_TRUE(isCleanText(w.text));
    }
    EXPECT_EQ(valid, c.validWrites);
  }
  const RfPageResult negative =
      calcResonancePage(locked({RfField::Capacitance}), valuesWith({{RfField::Inductance, -1e-9}}));
  EXPECT_EQ(negative.error,
            "Invalid floating point operation: the inductance and the capacitance differ in sign");
}

TEST(ThermalNoisePage, KtbAtRoomTemperature)
{
  // 27 degC and 1 Hz: 4.14e-21 W, -173.8 dBm.
  const RfPageResult r = calcThermalNoisePage(RfField::Bandwidth, rfInitialValues());
  EXPECT_EQ(r.error, "");
  EXPECT_TRUE(isNear(*r.value(RfField::NoisePowerW), 4.14e-21, 1e-9));
  EXPECT_NEAR(*r.value(RfField::NoisePowerDbm), -173.83, 0.005);
  EXPECT_EQ(textOf(r, RfField::NoisePowerW), "4.14E-21W");
  EXPECT_EQ(textOf(r, RfField::NoisePowerDbm), "-173.83dBm");
  EXPECT_EQ(r.writes.back().field, RfField::NoisePowerDbm);

  const RfPageResult fromDbm =
      calcThermalNoisePage(RfField::NoisePowerDbm, valuesWith({{RfField::NoisePowerDbm, -173.83}}));
  EXPECT_TRUE(isNear(*fromDbm.value(RfField::Bandwidth), 1.0, 1e-3));
  const RfPageResult fromWatts =
      calcThermalNoisePage(RfField::NoisePowerW, valuesWith({{RfField::NoisePowerW, 4.14e-21}}));
  EXPECT_TRUE(isNear(*fromWatts.value(RfField::Bandwidth), 1.0, 1e-9));
  EXPECT_NEAR(*fromWatts.value(RfField::NoisePowerDbm), -173.83, 0.005);
}

TEST(ThermalNoisePage, AbsoluteZeroAndZeroPowerGiveMessages)
{
  const RfPageResult cold = calcThermalNoisePage(
      RfField::NoisePowerW,
      valuesWith({{RfField::Temperature, -273}, {RfField::NoisePowerW, 1e-20}}));
  EXPECT_EQ(cold.error, "Floating point division by zero: the temperature is -273 degC");
  EXPECT_FALSE(cold.value(RfField::Bandwidth).has_value());
  EXPECT_TRUE(cold.value(RfField::NoisePowerDbm).has_value()); // independent of T

  const RfPageResult none =
      calcThermalNoisePage(RfField::Bandwidth, valuesWith({{RfField::Bandwidth, 0}}));
  EXPECT_EQ(none.error, "Invalid floating point operation: the noise power must be above 0 W");
  EXPECT_EQ(*none.value(RfField::NoisePowerW), 0.0);
  EXPECT_EQ(textOf(none, RfField::NoisePowerDbm), "");
}

TEST(FreqWavelengthPage, CentimetreAtOneHundredMegahertz)
{
  // 0.01 m at 3e8 m/s and 100 MHz: 33.33 ps and 1.2 degrees, from any given field.
  for (RfField given : {RfField::PhaseVelocity, RfField::PhysicalLength, RfField::PhaseFrequency,
                        RfField::Delay, RfField::PhaseShift}) {
    SCOPED_TRACE(rfFieldInfo(given).label);
    const RfFieldValues v = valuesWith({{RfField::Delay, 33.3333e-12}});
    const RfPageResult r = calcFreqWavelengthPage(given, v);
    EXPECT_EQ(r.error, "");
    ASSERT_EQ(r.writes.size(), 2u);
    if (auto d = r.value(RfField::Delay)) {
      EXPECT_TRUE(isNear(*d, 33.3333e-12, 1e-5));
    }
    if (auto p = r.value(RfField::PhaseShift)) {
      EXPECT_TRUE(isNear(*p, 1.2, 1e-5));
    }
    if (auto l = r.value(RfField::PhysicalLength)) {
      EXPECT_TRUE(isNear(*l, 0.01, 1e-5));
    }
  }
  const RfPageResult r = calcFreqWavelengthPage(RfField::PhysicalLength, rfInitialValues());
  EXPECT_EQ(textOf(r, RfField::Delay), "33.3333ps");
  EXPECT_EQ(textOf(r, RfField::PhaseShift), "1.2 Deg");
}

TEST(FreqWavelengthPage, ZeroVelocityOrFrequencyGiveMessages)
{
  const RfPageResult still =
      calcFreqWavelengthPage(RfField::PhysicalLength, valuesWith({{RfField::PhaseVelocity, 0}}));
  EXPECT_EQ(still.error, "Floating point division by zero: the phase velocity is 0");
  const RfPageResult dc =
      calcFreqWavelengthPage(RfField::PhaseShift, valuesWith({{RfField::PhaseFrequency, 0}}));
  EXPECT_EQ(dc.error, "Floating point division by zero: the frequency is 0");
  for (const RfWrite& w : dc.writes)
    EXPECT_EQ(w.text, "");
}

TEST(RfPages, NoTextEverShowsAFailedValue)
{
  const double odd[] = {0, -1, 1e-300, -1e-300, 1e300, -1e300, 1e308, 1};
  for (const RfFieldInfo& given : rfFields()) {
    for (double a : odd) {
      for (double b : odd) {
        RfFieldValues v = rfInitialValues();
        // The given field and every other field of its page take the odd values.
        for (const RfFieldInfo& other : rfFields())
          if (other.page == given.page) v[rfIndex(other.field)] = b;
        v[rfIndex(given.field)] = a;
        RfPageResult r;
        switch (given.page) {
        case RfPage::ReturnLoss:
          r = calcReturnLossPage(given.field, v);
          break;
        case RfPage::SignalLevel:
          r = calcSignalLevelPage(given.field, v);
          break;
        case RfPage::ThermalNoise:
          r = calcThermalNoisePage(given.field, v);
          break;
        case RfPage::FreqWavelength:
          r = calcFreqWavelengthPage(given.field, v);
          break;
        case RfPage::Resonance:
          r = calcResonancePage(locked({given.field, RfField::Inductance}), v);
          break;
        }
        for (const RfWrite& w : r.writes) {
          EXPECT_TRUE(isCleanText(w.text));
          if (w.value) {
            EXPECT_TRUE(std::isfinite(*w.value));
          } else if (w.text != "#####") {
            EXPECT_FALSE(r.error.empty());
          }
        }
      }
    }
  }
}

} // namespace
} // namespace norvane
