// Touchstone reading beyond the basics: records that are not whole, reference impedances
// other than 50 ohm, and the keywords of version 2.

#include "sim/complex.h"
#include "sim/sparamfile.h"

#include "support/scriptedprompts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <memory>
#include <string>

namespace norvane {
namespace {

struct Read
{
  std::unique_ptr<TwoPortDataSet> set = std::make_unique<TwoPortDataSet>();
  ScriptedPrompts prompts;
  SParamReadResult result;
  const TwoPortPoint& point(int i) const { return set->points[i]; }
};

std::unique_ptr<Read> readText(const std::string& text, const std::string& name = "x.s2p")
{
  auto r = std::make_unique<Read>();
  r->result = readSParameterText(text, name, *r->set, r->prompts);
  return r;
}

std::complex<double> value(const MagnitudeAngle& s)
{
  const Complex c = polarToComplex(s.mag, s.ang);
  return {c.re, c.im};
}

void expectValue(const MagnitudeAngle& s, std::complex<double> want, double tol, const char* what)
{
  EXPECT_NEAR(std::abs(value(s) - want), 0.0, tol) << what << " = " << value(s);
}

TEST(SParamFileTouchstone, RefusesWhatIsNotAWholeRecordNamingTheLine)
{
  struct Case
  {
    const char* text;
    const char* name;
    const char* errorStart;
  };
  const Case cases[] = {
      // Too few, too many, a 1-port line among 2-port lines.
      {"# GHZ MA R 50\n1 0.5 0 1 0 1 0 0.5\n", "a.s2p", "Line 2: a data line holds 3"},
      {"# GHZ MA\n1 0.5 0 1 0 1 0 0.5 0\n2 0.5 0\n", "a.s2p", "Line 3: a 2-port record holds 9"},
      {"# MHZ MA\n1 0.5 0\n2 0.5 0 7\n", "a.s1p", "Line 3: a 1-port record holds 3"},
      {"# MHZ MA\n! c\n1 0.5 0 0.1\n", "a.s1p", "Line 3: a data line holds 3"},
      // Text and fields that are not plain numbers.
      {"# MHZ MA\n1 0.5 0\nhello 1 2\n", "a.s1p", "Line 3: \"HELLO\" is neither data"},
      {"# MHZ MA\n1 0.5 abc\n", "a.s1p", "Line 2: \"ABC\" is not a number"},
      {"# MHZ MA\n1 0.5 1e999\n", "a.s1p", "Line 2: \"1E999\" is not a number"},
      {"# MHZ MA\n1 0.5p 0\n", "a.s1p", "Line 2: \"0.5P\" is not a number"},
      {"# MHZ MA\n1 nan 0\n", "a.s1p", "Line 2: \"NAN\" is not a number"},
      // Frequencies out of order in a 1-port file (a 2-port file starts its noise data).
      {"# MHZ MA\n1 0.5 0\n1 0.4 0\n", "a.s1p", "Line 3: the frequency is not above"},
      // Option lines.
      {"# MHZ Y MA R 50\n1 0.5 0\n", "a.s1p", "Line 1: the file holds Y parameters"},
      {"# MHZ MA R\n1 0.5 0\n", "a.s1p", "Line 1: the reference impedance"},
      {"# MHZ MA R -5\n1 0.5 0\n", "a.s1p", "Line 1: the reference impedance"},
      // More than two ports.
      {"# MHZ MA\n1 0.5 0 1 0 1 0 0.5 0\n", "amp.S4P", "The file holds 4-port data"},
      {"[Version] 2.0\n# MHZ MA\n[Number of Ports] 3\n", "a.ts", "The file holds 3-port data"},
  };
  for (const Case& c : cases) {
    auto r = std::make_unique<Read>();
    r->set->name = "before";
    r->set->points.append({5e6, {0.1, 0}, {}, {}, {}});
    r->result = readSParameterText(c.text, c.name, *r->set, r->prompts);
    EXPECT_FALSE(r->result.ok()) << c.text;
    EXPECT_EQ(r->result.error.rfind(c.errorStart, 0), 0u) << r->result.error;
    // The buffer is as it was.
    EXPECT_EQ(r->set->name, "before");
    ASSERT_EQ(r->set->numpoints(), 1);
    EXPECT_EQ(r->point(1).freq, 5e6);
  }
  // Messages end by saying what happened to the file.
  EXPECT_EQ(readText("# MHZ MA\n1 0.5 0 0.1\n", "a.s1p")->result.error,
            "Line 2: a data line holds 3 numbers (1-port) or 9 (2-port), this one 4; the file "
            "was not read.");
}

TEST(SParamFileTouchstone, LayoutFreedomsAndTerahertz)
{
  // Comments anywhere, tabs, commas, blank lines, blanks before "#", any case.
  auto r = readText("  ! written by hand\n\n \t# thz s ri r 50 ! units follow\n"
                    "1\t0.5,0 ! a point\n\n   2 , 0 , -0.5\n",
                    "hand.s1p");
  ASSERT_TRUE(r->result.ok()) << r->result.error;
  EXPECT_TRUE(r->result.note.empty());
  ASSERT_EQ(r->set->numpoints(), 2);
  EXPECT_EQ(r->point(1).freq, 1e12);
  EXPECT_EQ(r->point(2).freq, 2e12);
  expectValue(r->point(2).s11, {0, -0.5}, 1e-15, "S11");
  EXPECT_TRUE(r->prompts.messages.empty());
  // Numbers below the double range read as zero; a leading plus sign is a sign.
  auto tiny = readText("# HZ RI\n+1 1e-400 -2.5E+0\n", "t.s1p");
  ASSERT_TRUE(tiny->result.ok()) << tiny->result.error;
  expectValue(tiny->point(1).s11, {0, -2.5}, 1e-15, "S11");
}

TEST(SParamFileTouchstone, OtherReferenceImpedancesAreReferredTo50Ohm)
{
  // 25 ohm in series between 75 ohm ports: S11 = 25/175 = 1/7, S21 = 150/175 = 6/7. Between
  // 50 ohm ports it is S11 = 0.2, S21 = 0.8.
  const double a = 1.0 / 7.0;
  const double b = 6.0 / 7.0;
  const std::string line = " " + std::to_string(a) + " 0 " + std::to_string(b) + " 0 " +
                           std::to_string(b) + " 0 " + std::to_string(a) + " 0\n";
  auto r = readText("# MHz S RI R 75\n100" + line + "200" + line, "series.s2p");
  ASSERT_TRUE(r->result.ok()) << r->result.error;
  EXPECT_EQ(r->result.note, "Converted from 75 ohm to 50 ohm");
  ASSERT_EQ(r->set->numpoints(), 2);
  for (int i = 1; i <= 2; ++i) {
    expectValue(r->point(i).s11, 0.2, 1e-6, "S11");
    expectValue(r->point(i).s21, 0.8, 1e-6, "S21");
    expectValue(r->point(i).s12, 0.8, 1e-6, "S12");
    expectValue(r->point(i).s22, 0.2, 1e-6, "S22");
  }
  // A 1-port matched to 75 ohm is a 75 ohm load: (75 - 50)/(75 + 50) = 0.2.
  auto one = readText("# MHz S MA R 75\n100 0 0\n", "load.s1p");
  ASSERT_TRUE(one->result.ok()) << one->result.error;
  EXPECT_EQ(one->result.note, "Converted from 75 ohm to 50 ohm");
  expectValue(one->point(1).s11, 0.2, 1e-15, "S11");
  EXPECT_EQ(one->point(1).s21, (MagnitudeAngle{0, 0}));
  // 50 ohm data are taken as they are, without a note.
  auto fifty = readText("# MHz S MA R 50.0\n100 0.5 0\n", "load.s1p");
  EXPECT_TRUE(fifty->result.note.empty());
  EXPECT_EQ(fifty->point(1).s11, (MagnitudeAngle{0.5, 0}));
}

TEST(SParamFileTouchstone, Version2Keywords)
{
  const std::string head = "! version 2\n[Version] 2.0\n# GHz S RI R 50\n[Number of Ports] 2\n";
  const std::string record = "1 0.1 0.2 0.3 0.4 0.5 0.6 0.7 0.8\n";
  {
    // 12_21: S12 before S21. A record may continue on the next line; noise data are kept;
    // nothing after [End] is read.
    auto r = readText(head +
                          "[Two-Port Data Order] 12_21\n[Number of Frequencies] 2\n"
                          "[Begin Information]\nanything 1 2 3\n[End Information]\n"
                          "[Network Data]\n" +
                          record + "2 0.1 0.2 0.3 0.4\n  0.5 0.6\n0.7 0.8\n" +
                          "[Noise Data]\n1 2 0.5 30 0.2\n[End]\nnot read 1 2\n",
                      "v2.s2p");
    ASSERT_TRUE(r->result.ok()) << r->result.error;
    ASSERT_EQ(r->set->numpoints(), 2);
    for (int i = 1; i <= 2; ++i) {
      EXPECT_EQ(r->point(i).freq, i * 1e9);
      expectValue(r->point(i).s11, {0.1, 0.2}, 1e-15, "S11");
      expectValue(r->point(i).s12, {0.3, 0.4}, 1e-15, "S12");
      expectValue(r->point(i).s21, {0.5, 0.6}, 1e-15, "S21");
      expectValue(r->point(i).s22, {0.7, 0.8}, 1e-15, "S22");
    }
    ASSERT_EQ(r->set->noise.size(), 1u);
    const NoisePoint& n = r->set->noise.front();
    EXPECT_EQ(n.freq, 1e9);
    EXPECT_EQ(n.nfminDb, 2.0);
    expectValue(n.gammaOpt, std::polar(0.5, 30 * M_PI / 180), 1e-15, "Gamma-opt");
    EXPECT_DOUBLE_EQ(n.rn, 0.2 * 50);
  }
  {
    // Once the noise lines have begun, a line of another length or a noise frequency that does
    // not rise refuses the file; a 2-port version 1 file's S-data end at the first frequency
    // that does not rise.
    const std::string v1 = "# GHz S RI R 50\n" + record + "2 0.1 0.2 0.3 0.4 0.5 0.6 0.7 0.8\n";
    auto ok = readText(v1 + "1 2 0.5 30 0.2\n2 3 0.4 60 0.3\n");
    ASSERT_TRUE(ok->result.ok()) << ok->result.error;
    EXPECT_EQ(ok->set->numpoints(), 2);
    EXPECT_EQ(ok->set->noise.size(), 2u);
    auto shortLine = readText(v1 + "1 2 0.5 30 0.2\n2 3 0.4 60\n");
    EXPECT_NE(shortLine->result.error.find("Line 5: a noise parameter line holds 5 numbers"),
              std::string::npos)
        << shortLine->result.error;
    auto falling = readText(v1 + "2 2 0.5 30 0.2\n1 3 0.4 60 0.3\n");
    EXPECT_NE(falling->result.error.find("the noise frequency is not above the one before"),
              std::string::npos)
        << falling->result.error;
  }
  {
    // 21_12, the version 1 order; keywords in any case and spacing.
    auto r =
        readText(head + "[two-port data order] 21_12\n[ NETWORK  DATA ]\n" + record + "[END]\n");
    ASSERT_TRUE(r->result.ok()) << r->result.error;
    expectValue(r->point(1).s21, {0.3, 0.4}, 1e-15, "S21");
    expectValue(r->point(1).s12, {0.5, 0.6}, 1e-15, "S12");
  }
  {
    // A reciprocal network as the lower triangle: N11 N21 N22.
    auto r = readText(head + "[Matrix Format] Lower\n[Network Data]\n1 0.1 0 0.5 0 0.2 0\n[End]\n");
    ASSERT_TRUE(r->result.ok()) << r->result.error;
    expectValue(r->point(1).s12, 0.5, 1e-15, "S12");
    expectValue(r->point(1).s22, 0.2, 1e-15, "S22");
  }
  {
    // [Reference] 50 75, the second value on the next line: a through connection measured
    // with those references (S11 = 25/125, S21 = 2 sqrt(50 * 75)/125) is a through at 50 ohm.
    auto r = readText(head + "[Two-Port Data Order] 12_21\n[Reference] 50\n 75\n[Network Data]\n"
                             "1 0.2 0 0.97979589711327124 0 0.97979589711327124 0 -0.2 0\n[End]\n");
    ASSERT_TRUE(r->result.ok()) << r->result.error;
    EXPECT_EQ(r->result.note, "Converted from 50 ohm / 75 ohm to 50 ohm");
    expectValue(r->point(1).s11, 0.0, 1e-15, "S11");
    expectValue(r->point(1).s21, 1.0, 1e-15, "S21");
    expectValue(r->point(1).s12, 1.0, 1e-15, "S12");
    expectValue(r->point(1).s22, 0.0, 1e-15, "S22");
  }
  {
    // A 1-port version 2 file.
    auto r = readText("[Version] 2.0\n# MHz S MA R 50\n[Number of Ports] 1\n[Network Data]\n"
                      "1 0.5 90\n2 0.25 0\n[End]\n",
                      "v2.s1p");
    ASSERT_TRUE(r->result.ok()) << r->result.error;
    ASSERT_EQ(r->set->numpoints(), 2);
    EXPECT_EQ(r->point(2).s11, (MagnitudeAngle{0.25, 0}));
  }
  // Refused: a wrong count, a record running into the next, one cut short, numbers before
  // [Network Data], an unknown data order.
  const std::pair<std::string, std::string> refused[] = {
      {head + "[Number of Frequencies] 3\n[Network Data]\n" + record,
       "[Number of Frequencies] gives 3 but the file holds 1 frequencies"},
      {head + "[Network Data]\n1 0.1 0.2 0.3\n0.4 0.5 0.6 0.7 0.8 2 0.1\n", "Line 6: a 2-port"},
      {head + "[Network Data]\n" + record + "2 0.1 0.2\n[End]\n", "Line 7: the data record"},
      {head + record, "Line 5: numbers before [Network Data]"},
      {head + "[Two-Port Data Order] 11_22\n", "Line 5: [Two-Port Data Order]"},
      {head + "[Reference] 50 0\n", "Line 5: a reference impedance must be above 0"},
  };
  for (const auto& [text, error] : refused) {
    auto r = readText(text);
    EXPECT_EQ(r->result.error.rfind(error, 0), 0u) << r->result.error;
    EXPECT_EQ(r->set->numpoints(), 0);
  }
}

} // namespace
} // namespace norvane
