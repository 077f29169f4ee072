#include "assist/capacitorcalculator.h"
#include "assist/couplercalculator.h"
#include "assist/inductorcalculator.h"
#include "assist/splittercalculator.h"

#include "calc_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace norvane {
namespace {

using testing::isCleanText;
using testing::isNear;

TEST(InductorCalculator, Defaults)
{
  const InductorTexts t = calculateInductors({});
  EXPECT_EQ(t.notices.error, "");
  EXPECT_NEAR(*t.air.inductance, 19.82e-9, 0.005e-9);
  EXPECT_EQ(t.airInductance, "19.8nH");
  EXPECT_NEAR(*t.spiral.inductance, 47.7e-9, 0.05e-9);
  EXPECT_EQ(t.spiralInductance, "47.7nH");
  EXPECT_NEAR(*t.stub.electricalLength, 0.3927, 0.00005);
  EXPECT_NEAR(*t.stub.reactance, 41.42, 0.005);
  EXPECT_EQ(t.stubReactance, "+j41.4R");
  EXPECT_NEAR(*t.stub.inductance, 6.59e-9, 0.005e-9);
  EXPECT_EQ(t.stubInductance, "6.6nH");
}

TEST(InductorCalculator, StubBetweenAQuarterAndAHalfWaveIsCapacitive)
{
  InductorFields f;
  f.stubLength = "60"; // lambda = 160 mm at 1000 MHz and 1.6e8 m/s
  const InductorTexts t = calculateInductors(f);
  EXPECT_NEAR(*t.stub.reactance, -100.0, 1e-9);
  EXPECT_EQ(t.stubReactance, "-j100R");
  EXPECT_EQ(t.stubInductance, "-15.9nH");
}

TEST(Inductors, ZeroFrequencyOrVelocityGiveMessages)
{
  const ShortedStubResult dc = calcShortedStub({100, 0.01, 1.6e8, 0});
  EXPECT_EQ(dc.error, "Floating point division by zero: the frequency is 0");
  EXPECT_FALSE(dc.inductance.has_value());
  EXPECT_TRUE(dc.reactance.has_value());
  EXPECT_FALSE(calcShortedStub({100, 0.01, 0, 1e9}).reactance.has_value());
  EXPECT_FALSE(calcAirCoreInductor({0, 0, 5}).inductance.has_value());
  EXPECT_FALSE(calcSpiralInductor({9e-3, -3}).inductance.has_value());
}

TEST(CapacitorCalculator, DefaultsAndLimits)
{
  CapacitorTexts t = calculateCapacitor({});
  EXPECT_NEAR(*t.result.capacitance, 1.04e-12, 0.005e-12);
  EXPECT_EQ(t.capacitance, "1pF");
  CapacitorFields f;
  f.permittivity = "0.5";
  t = calculateCapacitor(f);
  EXPECT_TRUE(t.notices.beep);
  EXPECT_EQ(t.fields.permittivity, "1.0");
  EXPECT_FALSE(calcPlateCapacitor({1e-5, 0, 1}).capacitance.has_value());
}

TEST(CouplerCalculator, Defaults)
{
  const CouplerTexts t = calculateCouplers({});
  EXPECT_EQ(t.notices.error, "");
  EXPECT_FALSE(t.notices.beep);
  const CoupledMicrostripResult& ms = t.microstrip;
  EXPECT_NEAR(*ms.singleImpedance, 50.53, 0.005);
  EXPECT_NEAR(*ms.evenImpedance, 55.07, 0.005);
  EXPECT_NEAR(*ms.oddImpedance, 45.21, 0.005);
  EXPECT_NEAR(*ms.couplingDb, -20.1, 0.05);
  EXPECT_NEAR(*ms.lineImpedance, 49.9, 0.05);
  EXPECT_EQ(t.msCoupling, "-20.1dB");
  EXPECT_EQ(t.msLineZo, "49.9R");
  EXPECT_NEAR(*t.stripline.couplingDb, -53.4, 0.05);
  EXPECT_NEAR(*t.stripline.lineImpedance, 18.1, 0.05);
  EXPECT_EQ(t.slCoupling, "-53.4dB");
  EXPECT_EQ(t.slZo, "18.1R");
  EXPECT_EQ(t.transformerCoupling, "-20.0dB");
  EXPECT_EQ(t.quarterCoupling, "-16.1dB");
  EXPECT_EQ(t.lumpedCoupling, "-16.1dB");
  EXPECT_NEAR(*t.lumped.inductance, 7.96e-9, 0.005e-9);
  EXPECT_NEAR(*t.lumped.capacitance, 3.18e-12, 0.005e-12);
  EXPECT_EQ(t.lumpedL1, "7.96nH");
  EXPECT_EQ(t.lumpedC2, "3.18pF");
}

TEST(CouplerCalculator, CoupledStriplineUsesItsOwnDecibelFactor)
{
  const CoupledLineResult r = calcCoupledStripline({1e-3, 0.01e-3, 2.55, 2.763e-3, 1.231e-3});
  const double ratio = (*r.evenImpedance - *r.oddImpedance) / (*r.evenImpedance + *r.oddImpedance);
  EXPECT_DOUBLE_EQ(*r.couplingDb, 8.6843247937472861486 * std::log(ratio));
  EXPECT_DOUBLE_EQ(*r.lineImpedance, std::sqrt(*r.evenImpedance * *r.oddImpedance));
}

TEST(CouplerCalculator, LumpedCouplingCapacitorIsClampedWithABeep)
{
  CouplerFields f;
  f.lumpedC1pF = "1";
  const CouplerTexts t = calculateCouplers(f);
  EXPECT_TRUE(t.notices.beep);
  EXPECT_EQ(t.fields.lumpedC1pF, "0.572957");
  EXPECT_NEAR(*t.lumped.couplingDb, 20 * std::log10(0.18), 0.001);
  EXPECT_EQ(t.fields.quarterC1pF, "0.5");
  // The rewritten text is read again without a second beep.
  CouplerFields again = t.fields;
  EXPECT_FALSE(calculateCouplers(again).notices.beep);
}

TEST(CouplerCalculator, OutOfDomainGivesMessages)
{
  CouplerFields f;
  f.slThickness = "1"; // t = b
  const CouplerTexts t = calculateCouplers(f);
  EXPECT_EQ(t.notices.error,
            "Stripline: The line thickness must be less than the ground plane spacing.");
  EXPECT_EQ(t.slCoupling, "");
  EXPECT_EQ(t.slZo, "");
  EXPECT_EQ(t.msCoupling, "-20.1dB");

  EXPECT_EQ(calcTransformerCoupler({0, 10}).error,
            "Invalid floating point operation: the turns must be above 0");
  EXPECT_EQ(calcTransformerCoupler({1, 0}).error,
            "Floating point division by zero: the secondary turns are 0");
  const LumpedCouplerResult dc = calcLumpedCoupler({50, 0.5e-12, 0});
  EXPECT_FALSE(dc.error.empty());
  EXPECT_FALSE(dc.inductance.has_value());
  EXPECT_FALSE(dc.capacitance.has_value());
  EXPECT_FALSE(calcQuarterWaveCoupler({50, 0.5e-12, 0}).couplingDb.has_value());
  // Lines so far apart that the modes are equal: no coupling to show.
  EXPECT_EQ(calcCoupledStripline({1e-3, 0.01e-3, 2.55, 2.763e-3, 1}).error,
            "the lines are too far apart to couple");
}

TEST(SplitterCalculator, Defaults)
{
  const SplitterTexts t = calculateSplitters({});
  EXPECT_EQ(t.notices.error, "");
  EXPECT_TRUE(isNear(*t.resistive.resistance, 16.667, 1e-4));
  EXPECT_EQ(t.resistiveR, "16.7R");
  EXPECT_NEAR(*t.wilkinson.inductance, 12.5e-9, 0.005e-9);
  EXPECT_NEAR(*t.wilkinson.outputCapacitance, 2.50e-12, 0.005e-12);
  EXPECT_NEAR(*t.wilkinson.inputCapacitance, 5.00e-12, 0.005e-12);
  EXPECT_DOUBLE_EQ(*t.wilkinson.resistance, 100);
  EXPECT_EQ(t.wilkinsonL, "12.5nH");
  EXPECT_EQ(t.wilkinsonC1, "2.5pF");
  EXPECT_EQ(t.wilkinsonC2, "5pF");
  EXPECT_EQ(t.wilkinsonR, "100R");
  const WilkinsonResult dc = calcWilkinson({50, 0});
  EXPECT_EQ(dc.error, "Floating point division by zero: the frequency is 0");
  EXPECT_TRUE(dc.resistance.has_value());
  EXPECT_FALSE(dc.inductance.has_value());
}

TEST(ComponentCalculators, ExtremeInputsNeverShowFailedValues)
{
  for (const char* a : {"1p", "1T", "1", "."}) {
    for (const char* b : {"1p", "1T", "1", "abc"}) {
      const InductorTexts i = calculateInductors({a, b, a, b, a, b, a, b, a});
      for (const std::string& s :
           {i.airInductance, i.spiralInductance, i.stubReactance, i.stubInductance})
        EXPECT_TRUE(isCleanText(s)) << a << " " << b;
      const CapacitorTexts c = calculateCapacitor({a, b, a});
      EXPECT_TRUE(isCleanText(c.capacitance));
      const CouplerTexts k =
          calculateCouplers({a, b, a, b, a, b, a, b, a, b, a, b, a, b, a, b, a, b});
      for (const std::string& s :
           {k.msCoupling, k.msLineZo, k.slCoupling, k.slZo, k.lumpedCoupling, k.lumpedL1,
            k.lumpedC2, k.quarterCoupling, k.transformerCoupling})
        EXPECT_TRUE(isCleanText(s)) << a << " " << b;
      const SplitterTexts s = calculateSplitters({a, b, a});
      for (const std::string& text :
           {s.resistiveR, s.wilkinsonL, s.wilkinsonC1, s.wilkinsonC2, s.wilkinsonR})
        EXPECT_TRUE(isCleanText(text));
    }
  }
}

} // namespace
} // namespace norvane
