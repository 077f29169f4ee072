// The full-precision Touchstone writer: its lines, and its files read back by our reader.

#include "sim/sparamfile.h"
#include "sim/touchstonewriter.h"

#include "support/scriptedprompts.h"
#include "sweeppoint_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace norvane {
namespace {

using testing::twoPort;

std::vector<std::string> lines(const std::string& text)
{
  std::vector<std::string> out;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t end = text.find("\r\n", at);
    EXPECT_NE(end, std::string::npos) << "every line ends with CR LF";
    if (end == std::string::npos) {
      break;
    }
    out.push_back(text.substr(at, end - at));
    at = end + 2;
  }
  return out;
}

const TouchstoneSource kSource{"Norvane 9.9", "amp.cct", "2026-12-08 01:30:00 UTC", 50, 50};

TEST(TouchstoneWriter, VersionOneLines)
{
  const std::vector<SweepPoint> points = {
      twoPort(100e6, {0.2, 0}, {0.8, 0}, {0.8, -0.25}, {0.2, 1e-17}),
      twoPort(1.5e9, {0.1, 0.2}, {0.3, 0.4}, {0.5, 0.6}, {0.7, 0.8})};
  EXPECT_EQ(touchstonePorts(points), 2);
  EXPECT_EQ(touchstoneExtension(points), ".s2p");
  const auto l = lines(touchstoneText(points, kSource));
  ASSERT_EQ(l.size(), 6u);
  EXPECT_EQ(l[0], "! Norvane 9.9 S-parameters");
  EXPECT_EQ(l[1], "! Schematic: amp.cct");
  EXPECT_EQ(l[2], "! Date: 2026-12-08 01:30:00 UTC");
  EXPECT_EQ(l[3], "# Hz S RI R 50");
  // Shortest exact forms; S21 before S12 as version 1 orders them.
  EXPECT_EQ(l[4], "1e+08 0.2 0 0.8 0 0.8 -0.25 0.2 1e-17");
  EXPECT_EQ(l[5], "1.5e+09 0.1 0.2 0.3 0.4 0.5 0.6 0.7 0.8");

  // A point whose network was not solved is left out; non-finite values never appear.
  std::vector<SweepPoint> odd = points;
  odd[0].excited2 = false;
  odd[1].s11 = {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()};
  const auto o = lines(touchstoneText(odd, kSource));
  ASSERT_EQ(o.size(), 5u);
  EXPECT_EQ(o[4].substr(0, 17), "1.5e+09 0 1e+30 0");

  EXPECT_EQ(utcDateText(0), "1970-01-01 00:00:00 UTC");
}

TEST(TouchstoneWriter, OnePortFiles)
{
  SweepPoint p;
  p.freq = 2e6;
  p.port1 = p.excited1 = true;
  p.s11 = {-0.5, 0.125};
  const std::vector<SweepPoint> port1 = {p};
  EXPECT_EQ(touchstoneExtension(port1), ".s1p");
  TouchstoneSource source = kSource;
  source.z1 = 75;
  source.z2 = 25;
  auto l = lines(touchstoneText(port1, source));
  ASSERT_EQ(l.size(), 5u);
  EXPECT_EQ(l[3], "# Hz S RI R 75");
  EXPECT_EQ(l[4], "2e+06 -0.5 0.125");

  // Port 2 alone: its S22 as a 1-port, referred to port 2's impedance.
  SweepPoint q;
  q.freq = 2e6;
  q.port2 = q.excited2 = true;
  q.s22 = {0.25, 0};
  l = lines(touchstoneText({q}, source));
  ASSERT_EQ(l.size(), 5u);
  EXPECT_EQ(l[0], "! Norvane 9.9 S-parameters (S22 of port 2 as a 1-port)");
  EXPECT_EQ(l[3], "# Hz S RI R 25");
  EXPECT_EQ(l[4], "2e+06 0.25 0");
}

TEST(TouchstoneWriter, DifferentPortImpedancesGiveVersionTwo)
{
  TouchstoneSource source = kSource;
  source.z2 = 75.5;
  const std::vector<SweepPoint> points = {
      twoPort(1e9, {0.1, 0.2}, {0.3, 0.4}, {0.5, 0.6}, {0.7, 0.8})};
  const auto l = lines(touchstoneText(points, source));
  const std::vector<std::string> want = {"! Norvane 9.9 S-parameters",
                                         "! Schematic: amp.cct",
                                         "! Date: 2026-12-08 01:30:00 UTC",
                                         "[Version] 2.0",
                                         "# Hz S RI R 50",
                                         "[Number of Ports] 2",
                                         "[Two-Port Data Order] 12_21",
                                         "[Number of Frequencies] 1",
                                         "[Reference] 50 75.5",
                                         "[Network Data]",
                                         "1e+09 0.1 0.2 0.5 0.6 0.3 0.4 0.7 0.8",
                                         "[End]"};
  EXPECT_EQ(l, want);
}

TEST(TouchstoneWriter, ReadsBackToTheSameValues)
{
  // Values of many sizes and both signs, through the writer and our reader, in both versions
  // (version 2 for references 1e-9 ohm apart, whose conversion moves the values by less).
  std::vector<SweepPoint> points;
  for (int i = 0; i < 50; ++i) {
    const double x = std::sin(i * 1.7) * std::pow(10.0, (i % 7) - 6);
    const double y = std::cos(i * 2.3) / 3.0;
    points.push_back(
        twoPort(1e6 * std::pow(1.2345, i), {x, y}, {y, -x}, {-y / 7, x * 3}, {1 / 3.0 + x, -y}));
  }
  for (double z2 : {50.0, 50.0 + 1e-9}) {
    TouchstoneSource source = kSource;
    source.z2 = z2;
    auto set = std::make_unique<TwoPortDataSet>();
    ScriptedPrompts prompts;
    const SParamReadResult r =
        readSParameterText(touchstoneText(points, source), "back.s2p", *set, prompts);
    ASSERT_TRUE(r.ok()) << r.error;
    ASSERT_EQ(set->numpoints(), 50);
    EXPECT_TRUE(prompts.messages.empty());
    const double tolerance = z2 == 50.0 ? 1e-12 : 1e-9; // the conversion of 1e-9 ohm
    for (int i = 1; i <= 50; ++i) {
      const SweepPoint& want = points[static_cast<std::size_t>(i - 1)];
      const TwoPortPoint& got = set->points[i];
      EXPECT_EQ(got.freq, want.freq);
      const std::pair<const MagnitudeAngle*, Complex> pairs[] = {
          {&got.s11, want.s11}, {&got.s21, want.s21}, {&got.s12, want.s12}, {&got.s22, want.s22}};
      for (const auto& [g, w] : pairs) {
        const Complex c = polarToComplex(g->mag, g->ang);
        EXPECT_NEAR(std::hypot(c.re - w.re, c.im - w.im), 0.0, tolerance) << i;
      }
    }
  }
}

} // namespace
} // namespace norvane
