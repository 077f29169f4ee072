#include "assist/materials.h"
#include "assist/txlinecalculator.h"

#include "calc_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace norvane {
namespace {

using testing::isCleanText;
using testing::isNear;
constexpr double kPi = std::numbers::pi;

std::vector<std::string> allTexts(const TxLineTexts& t)
{
  return {t.microstripImpedance, t.microstripVelocity, t.striplineImpedance, t.striplineVelocity,
          t.coaxImpedance,       t.coaxLoss,           t.coaxVelocity,       t.flatTwinImpedance};
}

TEST(TxLineCalculator, Defaults)
{
  const TxLineTexts t = calculateTxLines({});
  EXPECT_EQ(t.notices.error, "");
  EXPECT_FALSE(t.notices.beep);
  EXPECT_DOUBLE_EQ(*t.microstrip.widthRatio, 1.8125);
  EXPECT_NEAR(*t.microstrip.effectivePermittivity, 3.466, 0.0005);
  EXPECT_NEAR(*t.microstrip.impedance, 49.07, 0.005);
  EXPECT_EQ(t.microstripImpedance, "49.07R");
  EXPECT_EQ(t.microstripVelocity, "1.61*10^8m/s");
  EXPECT_NEAR(*t.stripline.impedance, 50.47, 0.005);
  EXPECT_EQ(t.striplineImpedance, "50.47R");
  EXPECT_EQ(t.striplineVelocity, "1.38*10^8m/s");
  EXPECT_NEAR(*t.coax.impedance, 49.97, 0.005);
  EXPECT_EQ(t.coaxImpedance, "49.97R");
  EXPECT_EQ(t.coaxVelocity, "3.00*10^8m/s");
  // 1.898e-4 sqrt(1 GHz / 1 GHz) (2.3 + 1) / (2.3 mm ln 2.3)
  EXPECT_NEAR(*t.coax.lossDbPerMetre, 1.898e-4 * 3.3 / (2.3e-3 * std::log(2.3)), 1e-9);
  EXPECT_EQ(t.coaxLoss, "0.3dB/m");
  // Two round wires 1 mm apart, 0.6 mm thick, in air: (eta0 / pi) acosh(1 / 0.6), with
  // acosh(5/3) = ln 3 exactly.
  const double eta0 = std::sqrt(4e-7 * kPi / 8.854e-12);
  EXPECT_NEAR(*t.flatTwin.impedance, eta0 / kPi * std::log(3.0), 1e-9);
  EXPECT_NEAR(*t.flatTwin.impedance, 131.74, 0.005);
  EXPECT_EQ(t.flatTwinImpedance, "131.74R");
}

// Parallel wires: the exact acosh form, which the wide-spacing logarithm approaches from
// s = 10 d on (within 2 %) and falls far below for close wires.
TEST(FlatTwin, ExactForAnySpacing)
{
  const double eta0 = std::sqrt(4e-7 * kPi / 8.854e-12);
  const auto wideSpacing = [&](double s, double d) {
    return eta0 / kPi * std::log((s - d / 2) / (d / 2));
  };
  struct Case
  {
    double s, d, ohms;
  };
  for (const Case c : {Case{1e-3, 0.6e-3, 131.74}, Case{0.61e-3, 0.6e-3, 21.86},
                       Case{10e-3, 1e-3, 358.94}, Case{100e-3, 1e-3, 635.36}}) {
    const FlatTwinResult r = calcFlatTwin({c.s, c.d, 1, 1});
    ASSERT_TRUE(r.impedance) << c.s;
    EXPECT_NEAR(*r.impedance, c.ohms, 0.005) << c.s;
    EXPECT_NEAR(*r.impedance, eta0 / kPi * std::acosh(c.s / c.d), 1e-9) << c.s;
    if (c.s >= 10 * c.d) {
      EXPECT_NEAR(wideSpacing(c.s, c.d) / *r.impedance, 1.0, 0.02) << c.s;
    }
  }
  // Permeability and permittivity scale it by sqrt(ur / er).
  EXPECT_NEAR(*calcFlatTwin({1e-3, 0.6e-3, 4, 1}).impedance, 2 * 131.744, 0.005);
  EXPECT_NEAR(*calcFlatTwin({1e-3, 0.6e-3, 1, 4}).impedance, 131.744 / 2, 0.005);
}

// The microstrip formula's three branch points, checked against the branch each must take.
TEST(Microstrip, BranchBoundaries)
{
  const double t = 0.01, er = 4.7, h = 1.0;
  const auto narrowWidth = [&](double u) {
    return u + (1.25 * t / (kPi * h)) * (1 + std::log(4 * kPi * u * h / t));
  };
  const auto wideWidth = [&](double u) {
    return u + (1.25 * t / (kPi * h)) * (1 + std::log(2 * h / t));
  };
  const auto widePermittivity = [&](double u) {
    return (er + 1) / 2 + ((er - 1) / 2) * std::pow(1 + 10 / u, -0.555) -
           ((er - 1) * t / h) / (4.6 * std::sqrt(u));
  };

  // W/H exactly 1/(2 pi) takes ln(4 pi W / T); there 4 pi W / T = 2 H / T, so the two
  // branches meet and the effective width is continuous across the boundary.
  const double uSmall = 1.0 / (2.0 * kPi);
  EXPECT_DOUBLE_EQ(*calcMicrostrip({uSmall * h, t, h, er}).effectiveWidth, narrowWidth(uSmall));
  EXPECT_DOUBLE_EQ(*calcMicrostrip({0.1 * h, t, h, er}).effectiveWidth, narrowWidth(0.1));
  EXPECT_NE(narrowWidth(0.1), wideWidth(0.1));
  EXPECT_DOUBLE_EQ(*calcMicrostrip({0.2 * h, t, h, er}).effectiveWidth, wideWidth(0.2));
  EXPECT_NE(narrowWidth(0.2), wideWidth(0.2));

  // W = 1.3 H takes the wide-strip permittivity; just below, the narrow one.
  const MicrostripResult at13 = calcMicrostrip({1.3, t, h, er});
  EXPECT_DOUBLE_EQ(*at13.effectivePermittivity, widePermittivity(1.3));
  const double below13 = std::nextafter(1.3, 0.0);
  EXPECT_GT(std::abs(*calcMicrostrip({below13, t, h, er}).effectivePermittivity -
                     widePermittivity(below13)),
            1e-6);

  // W = H takes the wide-strip impedance formula.
  const MicrostripResult at1 = calcMicrostrip({1.0, t, h, er});
  const double we = *at1.effectiveWidth;
  const double ee = *at1.effectivePermittivity;
  EXPECT_DOUBLE_EQ(*at1.impedance,
                   (376.99111843 / std::sqrt(ee)) / (we + 1.393 + 0.667 * std::log(we + 1.444)));
  const double below1 = std::nextafter(1.0, 0.0);
  const MicrostripResult narrow = calcMicrostrip({below1, t, h, er});
  EXPECT_DOUBLE_EQ(*narrow.impedance,
                   (60 / std::sqrt(*narrow.effectivePermittivity)) *
                       std::log(8 / *narrow.effectiveWidth + 0.25 * *narrow.effectiveWidth));
}

TEST(TxLineCalculator, PermittivityTypedWithAMultiplierIsClampedWithABeep)
{
  TxLineFields f;
  f.microstrip.permittivity = "5k";
  TxLineTexts t = calculateTxLines(f);
  EXPECT_FALSE(t.notices.beep);
  EXPECT_EQ(t.fields.microstrip.permittivity, "5k");
  EXPECT_TRUE(isNear(*t.microstrip.effectivePermittivity,
                     calcMicrostrip({2.9e-3, 0.1e-3, 1.6e-3, 5000}).effectivePermittivity.value(),
                     1e-12));

  f.microstrip.permittivity = "20k";
  t = calculateTxLines(f);
  EXPECT_TRUE(t.notices.beep);
  EXPECT_EQ(t.fields.microstrip.permittivity, "10000.0");
  EXPECT_EQ(t.fields.stripline.permittivity, "4.7");
  EXPECT_EQ(t.notices.error, "");
}

TEST(TxLineCalculator, OutOfDomainGeometryGivesAMessageAndEmptyPanels)
{
  TxLineFields f;
  f.stripline.thickness = "1.6";    // T = S
  f.coax.conductorDiameter = "2.3"; // d = D
  f.flatTwin.separation = "0.3";    // s = d / 2
  const TxLineTexts t = calculateTxLines(f);
  EXPECT_EQ(
      t.notices.error,
      "Stripline: The track thickness (T) must be less than the ground plane separation (S).\n"
      "Co-axial cable: The shield diameter (D) must be larger than the conductor diameter (d).\n"
      "Flat-twin: The separation (s) must be larger than the conductor diameter (d).");
  EXPECT_EQ(t.striplineImpedance, "");
  EXPECT_EQ(t.striplineVelocity, "");
  EXPECT_EQ(t.coaxImpedance, "");
  EXPECT_EQ(t.coaxLoss, "");
  EXPECT_EQ(t.coaxVelocity, "");
  EXPECT_EQ(t.flatTwinImpedance, "");
  // The valid page is still calculated.
  EXPECT_EQ(t.microstripImpedance, "49.07R");
}

TEST(TxLines, DomainChecks)
{
  EXPECT_FALSE(calcStripline({0.5, 0.1, 0.05, 4.7}).error.empty()); // T > S
  EXPECT_FALSE(calcStripline({0.5, 0.1, 0.0, 4.7}).error.empty());  // S = 0 (its lower limit)
  EXPECT_FALSE(calcCoax({1e-3, 2e-3, 1, 1e9}).error.empty());       // D < d
  EXPECT_FALSE(calcFlatTwin({0.2e-3, 0.6e-3, 1, 1}).error.empty()); // s < d / 2
  // Overlapping wires would give a negative impedance.
  EXPECT_FALSE(calcFlatTwin({0.5e-3, 0.6e-3, 1, 1}).error.empty());
  EXPECT_TRUE(calcFlatTwin({0.61e-3, 0.6e-3, 1, 1}).error.empty());
  // A track far thicker than the substrate drives the effective permittivity below 0.
  const MicrostripResult thick = calcMicrostrip({2.9e-3, 100e-3, 1.6e-3, 10000});
  EXPECT_FALSE(thick.error.empty());
  EXPECT_FALSE(thick.impedance.has_value());
}

TEST(TxLineCalculator, UnreadableTextNamesTheField)
{
  TxLineFields f;
  f.coax.frequencyMHz = "fast";
  const TxLineTexts t = calculateTxLines(f);
  EXPECT_EQ(t.notices.error, "Co-axial cable, Atten @ MHz: \"fast\" is not a valid number.");
  EXPECT_EQ(t.coaxImpedance, "");
  EXPECT_EQ(t.flatTwinImpedance, "131.74R");
}

TEST(TxLineCalculator, ExtremeInputsNeverShowFailedValues)
{
  for (const char* a : {"1p", "1T", "1e15", ".", "1", "0.5"}) {
    for (const char* b : {"1p", "1T", "1", "3"}) {
      TxLineFields f;
      f.microstrip = {a, b, a, b};
      f.stripline = {a, b, a, b};
      f.coax = {a, b, b, a};
      f.flatTwin = {a, b, b, a};
      const TxLineTexts t = calculateTxLines(f);
      for (const std::string& text : allTexts(t))
        EXPECT_TRUE(isCleanText(text)) << a << " " << b;
    }
  }
}

TEST(Materials, ChoosingWritesOneDecimalAndEditingShowsCustom)
{
  MaterialChoice dielectric(kDielectricMaterials, kAirDielectric);
  MaterialChoice magnetic(kMagneticMaterials, kAirMagnetic);
  EXPECT_EQ(dielectric.listText(), "Air Er=1");
  EXPECT_EQ(dielectric.choose(4), "3.9");
  EXPECT_EQ(dielectric.listText(), "Nylon Er=3.9");
  EXPECT_EQ(dielectric.choose(13), "100.0");
  EXPECT_EQ(magnetic.choose(1), "650.0");
  EXPECT_FALSE(dielectric.choose(18).has_value());
  // Editing the flat-twin permittivity resets its dielectric list only.
  dielectric.fieldEditedByHand();
  EXPECT_EQ(dielectric.listText(), "custom");
  EXPECT_EQ(magnetic.listText(), "Cast Steel Ur=400~900");
  EXPECT_EQ(kDielectricMaterials[TxLineMaterialDefaults::microstrip].name,
            "G10 FibreGlass Er=3.8~4.8");
}

} // namespace
} // namespace norvane
