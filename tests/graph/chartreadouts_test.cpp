#include "graph/chartreadouts.h"

#include "numbers/valuetext.h"

#include <gtest/gtest.h>

#include <cmath>

namespace norvane {
namespace {

TEST(ChartReadouts, MatchedLoadReadsItsReferenceResistance)
{
  const ImpedancePanelTexts t = impedancePanels(0.0, 0.0, 50.0, 1e8, 2);
  EXPECT_EQ(t.resistance, " 50R");
  EXPECT_EQ(t.reactance, "+j0R");
  EXPECT_EQ(t.seriesResistance, " 50R");
  EXPECT_EQ(t.seriesComponent, " 0H");
  EXPECT_EQ(t.conductance, " 20mS");
  EXPECT_EQ(t.susceptance, "+j0S");
  EXPECT_EQ(t.parallelResistance, " 50R");
  EXPECT_EQ(t.parallelComponent, " 0F");
  EXPECT_FALSE(t.admittanceFailed);
}

TEST(ChartReadouts, OpenAndShortCircuits)
{
  // Γ = 1: the division by |1 - Γ| = 0 gives the sentinel 1e20 + j1e20 (times Zo = 1).
  const ImpedancePanelTexts open = impedancePanels(1.0, 0.0, 1.0, 1e6, 2);
  EXPECT_EQ(open.resistance, " " + formatEngineering(2, 1e20) + "R");
  EXPECT_EQ(open.reactance, "+j" + formatEngineering(2, 1e20) + "R");
  EXPECT_FALSE(open.admittanceFailed);
  // Γ = -1: Z = 0, the admittance cannot be formed: it reads 0 and the caller beeps.
  const ImpedancePanelTexts shorted = impedancePanels(-1.0, 0.0, 50.0, 1e6, 2);
  EXPECT_TRUE(shorted.admittanceFailed);
  EXPECT_EQ(shorted.conductance, " 0S");
  EXPECT_EQ(shorted.parallelResistance, " " + formatEngineering(2, 1e20) + "R");
  for (const std::string* s : {&shorted.resistance, &shorted.parallelComponent,
                               &shorted.seriesComponent, &shorted.parallelResistance}) {
    EXPECT_EQ(s->find("nan"), std::string::npos) << *s;
    EXPECT_EQ(s->find("inf"), std::string::npos) << *s;
  }
}

TEST(ChartReadouts, SeriesAndParallelEquivalents)
{
  // Z = 50 + j50 at 100 MHz, Zo = 50: Γ = j/(2 + j) = (1 + 2j)/5.
  const double f = 1e8, w = 6.283185307179586477 * f;
  const ImpedancePanelTexts t = impedancePanels(0.2, 0.4, 50.0, f, 3);
  EXPECT_EQ(t.resistance, " 50R");
  EXPECT_EQ(t.reactance, "+j50R");
  EXPECT_EQ(t.seriesComponent, " " + formatEngineering(3, 50.0 / w) + "H"); // 79.6nH
  // Y = 1/(50 + j50) = 0.01 - j0.01: 100 R in parallel with an inductor of 100 Ω.
  EXPECT_EQ(t.conductance, " 10mS");
  EXPECT_EQ(t.susceptance, "-j10mS");
  EXPECT_EQ(t.parallelResistance, " 100R");
  EXPECT_EQ(t.parallelComponent, " " + formatEngineering(3, 1.0 / (w * 0.01)) + "H");

  // Z = 50 - j50: series capacitor, parallel capacitor.
  const ImpedancePanelTexts c = impedancePanels(0.2, -0.4, 50.0, f, 3);
  EXPECT_EQ(c.reactance, "-j50R");
  EXPECT_EQ(c.seriesComponent, " " + formatEngineering(3, 1.0 / (w * 50.0)) + "F");
  EXPECT_EQ(c.parallelComponent, " " + formatEngineering(3, 0.01 / w) + "F");

  // At 0 Hz no equivalent component is given.
  const ImpedancePanelTexts dc = impedancePanels(0.2, 0.4, 50.0, 0.0, 3);
  EXPECT_EQ(dc.seriesComponent, "");
  EXPECT_EQ(dc.parallelComponent, "");
}

TEST(ChartReadouts, AdmittancesKeepThreeFiguresAndLevelsHaveNoPrefix)
{
  // Y = 15.6 mS + j10.4 mS, i.e. Z = 1/Y, at a 50 ohm port: with two decimals in siemens it
  // read "0.02S +j0.01S".
  const double g = 15.6e-3, b = 10.4e-3, den = g * g + b * b;
  const double r = g / den, x = -b / den;
  const double dr = r + 50.0, gammaDen = dr * dr + x * x;
  const double gre = ((r - 50.0) * dr + x * x) / gammaDen,
               gim = (x * dr - (r - 50.0) * x) / gammaDen;
  for (int digits : {1, 2}) {
    const ImpedancePanelTexts t = impedancePanels(gre, gim, 50.0, 1e8, digits);
    EXPECT_EQ(t.conductance, " 15.6mS");
    EXPECT_EQ(t.susceptance, "+j10.4mS");
  }
  // A transmission of 1 - 1e-11 and an angle of 4.6e-14 degrees: no "-93.26ndB", no
  // "45.929f" that reads as 45.9 degrees.
  const GainPanelTexts near = gainPanels(1.0 - 1.0737e-8, 0.0, true, 50.0, 50.0, 2);
  EXPECT_EQ(near.voltageGain, " 0.00dB");
  const double tiny = 4.6e-14 / 57.29577951308232;
  EXPECT_EQ(chartCursorTexts(1e6, 1.0, tiny, 2).angle, "0.00Deg");
  EXPECT_EQ(chartCursorTexts(1e6, 1.0, -0.0233, 2).angle, "-1.33Deg");
}

TEST(ChartReadouts, GainPanelsAgreeWithTheRectangularTraceKinds)
{
  // Raw |S21| = 0.5 between 50 Ω and 75 Ω: the chart plots 0.5·√(50/75).
  const double norm = 0.5 * std::sqrt(50.0 / 75.0);
  const GainPanelTexts g = gainPanels(norm, 0.0, true, 50.0, 75.0, 2);
  const double v = 20.0 * std::log10(0.5);
  EXPECT_EQ(g.voltageGain, " " + formatFixed(v, 2) + "dB"); // -6.02
  EXPECT_EQ(g.powerGain, " -7.78dB");                       // 10·log10(50/75) = 1.761 dB below
  // Equal port impedances: both are the same.
  const GainPanelTexts e = gainPanels(0.1, 0.0, false, 50.0, 50.0, 2);
  EXPECT_EQ(e.voltageGain, " -20.00dB");
  EXPECT_EQ(e.powerGain, " -20.00dB");
}

TEST(ChartReadouts, CursorTextsAndChartZo)
{
  const ChartCursorTexts t = chartCursorTexts(1.5e9, 0.0, -0.5, 2);
  EXPECT_EQ(t.frequency, "f=1.5GHz");
  EXPECT_EQ(t.magnitude, "0.5");
  EXPECT_EQ(t.angle, "-90.00Deg");
  EXPECT_EQ(chartCursorTexts(1e6, -0.5, 0.0, 1).angle, "-180.0Deg");
  EXPECT_EQ(chartZoText(50.0), "50R");
  EXPECT_EQ(chartZoText(75.25), "75.25R");
}

} // namespace
} // namespace norvane
