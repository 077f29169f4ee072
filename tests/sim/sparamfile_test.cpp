#include "sim/sparamfile.h"

#include "support/scriptedprompts.h"
#include "support/testfolder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>

namespace norvane {
namespace {

constexpr double kPi = 3.1415926535897932385;
constexpr double kDeg = kPi / 180.0; // the reader's degree factor, exact to the double

struct Read
{
  std::unique_ptr<TwoPortDataSet> set = std::make_unique<TwoPortDataSet>();
  ScriptedPrompts prompts;
  int dialogs() const
  {
    int n = 0;
    for (const auto& m : prompts.messages) {
      n += m.text == "S parameter File Error" ? 1 : 0;
    }
    return n;
  }
  const TwoPortPoint& point(int i) const { return set->points[i]; }
  SParamReadResult result;
};

std::unique_ptr<Read> readText(const std::string& text, const std::string& name = "x.s2p",
                               std::deque<SParameterFormatChoice> answers = {})
{
  auto r = std::make_unique<Read>();
  r->prompts.sParameterFormats = std::move(answers);
  r->result = readSParameterText(text, name, *r->set, r->prompts);
  return r;
}

TEST(SParamFile, TouchstoneOptionLineExamples)
{
  {
    auto r = readText("# GHZ S MA R 50\r\n1, 0.5, -90\r\n");
    ASSERT_EQ(r->set->numpoints(), 1);
    EXPECT_EQ(r->point(1).freq, 1e9);
    EXPECT_EQ(r->point(1).s11.mag, 0.5);
    EXPECT_DOUBLE_EQ(r->point(1).s11.ang, -kPi / 2);
    EXPECT_EQ(r->point(1).s11.ang, -90 * kDeg);
    EXPECT_EQ(r->dialogs(), 0);
  }
  {
    auto r = readText("# MHz S DB R 50\r\n100 -6.0206 0\r\n");
    ASSERT_EQ(r->set->numpoints(), 1);
    EXPECT_EQ(r->point(1).freq, 1e8);
    EXPECT_NEAR(r->point(1).s11.mag, 0.5, 1e-5);
    // A 1-port line read in dB: the pairs it does not hold stay at magnitude 0 (they were
    // once read as 0 dB, a through-connection nobody measured).
    EXPECT_EQ(r->point(1).s21, (MagnitudeAngle{0, 0}));
  }
  {
    auto r = readText("# hz s ri r 50\n1E6 0 1\n");
    ASSERT_EQ(r->set->numpoints(), 1);
    EXPECT_EQ(r->point(1).freq, 1e6);
    EXPECT_NEAR(r->point(1).s11.mag, 1.0, 1e-15);
    EXPECT_NEAR(r->point(1).s11.ang, kPi / 2, 1e-15);
  }
  // kHz; a later option line overrides; the most specific unit wins over "HZ".
  {
    auto r = readText("# KHZ MA\n1 1 0\n# GHZ RI\n2 0 -1\n");
    ASSERT_EQ(r->set->numpoints(), 2);
    EXPECT_EQ(r->point(1).freq, 1e3);
    EXPECT_EQ(r->point(2).freq, 2e9);
    EXPECT_NEAR(r->point(2).s11.ang, -kPi / 2, 1e-15);
  }
}

TEST(SParamFile, TwoPortOrderCommentsAndFollowingLines)
{
  const std::string text = "! Measured with care\r\n"
                           "! RI in a comment is not a format, neither is 5 5 5\r\n"
                           "# GHz S MA R 50 ! a DB remark after the options\r\n"
                           "1.0 0.1 10 0.2 20 0.3 30 0.4 40 ! trailing 9 9 9\r\n"
                           "\r\n"
                           "   2.0 0.5 50 0.6 60 0.7 70 0.8 80\r\n"
                           "! noise parameters\r\n"
                           "1.5 1.2 0.3 45 0.25\r\n"
                           "2.5 1.4 0.4 46 0.26\r\n";
  auto r = readText(text);
  ASSERT_TRUE(r->result.ok()) << r->result.error;
  ASSERT_EQ(r->set->numpoints(), 2);
  const TwoPortPoint& a = r->point(1);
  EXPECT_EQ(a.freq, 1e9);
  EXPECT_EQ(a.s11, (MagnitudeAngle{0.1, 10 * kDeg}));
  EXPECT_EQ(a.s21, (MagnitudeAngle{0.2, 20 * kDeg}));
  EXPECT_EQ(a.s12, (MagnitudeAngle{0.3, 30 * kDeg}));
  EXPECT_EQ(a.s22, (MagnitudeAngle{0.4, 40 * kDeg}));
  EXPECT_EQ(r->point(2).freq, 2e9);
  // The noise parameters start at a frequency not above the last one: reading stops there.
  EXPECT_EQ(r->set->name, "x.s2p");
  EXPECT_EQ(readText("# GHZ MA\n1 0 0 1 0 1 0 0 0\n1 0.5 0.3 45 0.25\n")->set->numpoints(), 1);
}

TEST(SParamFile, OnePortFileFillsOnlyTheFirstPair)
{
  for (const char* opt : {"# MHZ MA", "# MHZ RI"}) {
    auto r = readText(std::string(opt) + "\n10 0.5 0.5\n");
    ASSERT_EQ(r->set->numpoints(), 1);
    EXPECT_EQ(r->point(1).s21, (MagnitudeAngle{0, 0}));
    EXPECT_EQ(r->point(1).s12, (MagnitudeAngle{0, 0}));
    EXPECT_EQ(r->point(1).s22, (MagnitudeAngle{0, 0}));
  }
}

TEST(SParamFile, MissingFormatAsksOnceBeforeTheFirstPoint)
{
  {
    // Nothing answered: the dialog's preset, MHz and magnitude/angle.
    auto r = readText("! no options\n100 0.5 90\n200 0.25 -90\n");
    EXPECT_EQ(r->dialogs(), 1);
    ASSERT_EQ(r->set->numpoints(), 2);
    EXPECT_EQ(r->point(1).freq, 1e8);
    EXPECT_EQ(r->point(2).s11, (MagnitudeAngle{0.25, -90 * kDeg}));
  }
  {
    auto r = readText("1 0 1\n2 1 0\n", "a.s1p", {SParameterFormatChoice{"GHz", false}});
    EXPECT_EQ(r->dialogs(), 1);
    EXPECT_EQ(r->point(1).freq, 1e9);
    EXPECT_NEAR(r->point(1).s11.ang, kPi / 2, 1e-15);
  }
  // The unit list.
  for (auto [units, mult] : std::initializer_list<std::pair<const char*, double>>{
           {"Hz", 1}, {"kHz", 1e3}, {"MHz", 1e6}, {"GHz", 1e9}, {"THz", 1e12}}) {
    auto r = readText("3 1 0\n", "a.s1p", {SParameterFormatChoice{units, true}});
    EXPECT_EQ(r->point(1).freq, 3 * mult) << units;
  }
  {
    // The option line gave the format only: the dialog supplies the unit, dB stays.
    auto r = readText("# S DB R 50\n1 -20 0\n", "a.s1p", {SParameterFormatChoice{"kHz", false}});
    EXPECT_EQ(r->dialogs(), 1);
    EXPECT_EQ(r->point(1).freq, 1e3);
    EXPECT_NEAR(r->point(1).s11.mag, 0.1, 1e-12);
  }
  {
    // A file without data asks nothing.
    auto r = readText("! empty\n# \n");
    EXPECT_EQ(r->dialogs(), 0);
    EXPECT_EQ(r->set->numpoints(), 0);
  }
}

TEST(SParamFile, LineEndsDoNotMatter)
{
  const std::string lines[] = {"# MHZ MA", "! c", "1 0.1 1", "2 0.2 2", "3 0.3 3"};
  for (const char* end : {"\r\n", "\n", "\r"}) {
    std::string text;
    for (const auto& l : lines) {
      text += l + end;
    }
    text.pop_back(); // no line end after the last line either
    auto r = readText(text);
    ASSERT_EQ(r->set->numpoints(), 3) << int(end[0]);
    EXPECT_EQ(r->point(3).freq, 3e6);
    EXPECT_EQ(r->point(3).s11.mag, 0.3);
  }
}

TEST(SParamFile, AtMost1999TouchstonePoints)
{
  std::string text = "# HZ MA\n";
  for (int i = 1; i <= 2100; ++i) {
    text += std::to_string(i) + " 1 0\n";
  }
  auto r = readText(text);
  EXPECT_EQ(r->set->numpoints(), 1999);
  EXPECT_EQ(r->set->points.last().freq, 1999);
  EXPECT_EQ(r->result.warning, "The file holds more than 1999 points; only the first 1999 were "
                               "read: the data were cut at 1.999kHz.");
  // Exactly 1999 points, or noise parameters after them, cut nothing.
  std::string full = "# HZ MA\n";
  for (int i = 1; i <= 1999; ++i) {
    full += std::to_string(i) + " 1 0 1 0 1 0 1 0\n";
  }
  EXPECT_EQ(readText(full)->result.warning, "");
  EXPECT_EQ(readText(full + "1 2 0 0.5 50\n2 2 0 0.5 50\n")->result.warning, "");
}

TEST(SParamFile, ResultFileOfTheProgramReadsBack)
{
  auto r = readText("! Kestrel S parameter simulation result\r\n# MHz MA\r\n"
                    "100.000000 0.200 0.000 0.800 0.000 0.800 0.000 0.200 0.000 \r\n");
  ASSERT_EQ(r->set->numpoints(), 1);
  EXPECT_EQ(r->point(1).freq, 1e8);
  EXPECT_EQ(r->point(1).s21.mag, 0.8);
  EXPECT_EQ(r->point(1).s22.mag, 0.2);
}

const char* kCitifile = "CITIFILE A.01.00\r\n"
                        "#NA VERSION HP8510B.05.00\r\n"
                        "NAME DATA\r\n"
                        "VAR FREQ MAG 3\r\n"
                        "DATA S[1,1] RI\r\n"
                        "DATA S[2,1] RI\r\n"
                        "SEG_LIST_BEGIN\r\n"
                        "SEG 1000000000 3000000000 3\r\n"
                        "SEG_LIST_END\r\n"
                        "BEGIN\r\n"
                        "1.0E-1,0.0E0\r\n"
                        "0.0E0,-5.0E-1\r\n"
                        "-3.0E-1,4.0E-1\r\n"
                        "END\r\n"
                        "BEGIN\r\n"
                        "2.0E0,0\r\n"
                        "0,2.0E0\r\n"
                        "-1.0E0,0\r\n"
                        "END\r\n";

TEST(SParamFile, Citifile)
{
  auto r = readText(kCitifile, "C:\\data\\amp.d2");
  ASSERT_EQ(r->set->numpoints(), 3);
  EXPECT_EQ(r->set->name, "amp.d2");
  EXPECT_EQ(r->dialogs(), 0);
  EXPECT_EQ(r->point(1).freq, 1e9);
  EXPECT_EQ(r->point(2).freq, 2e9);
  EXPECT_EQ(r->point(3).freq, 3e9);
  EXPECT_NEAR(r->point(1).s11.mag, 0.1, 1e-15);
  EXPECT_NEAR(r->point(2).s11.ang, -kPi / 2, 1e-15);
  EXPECT_NEAR(r->point(3).s11.mag, 0.5, 1e-15);
  EXPECT_NEAR(r->point(2).s21.mag, 2.0, 1e-15);
  EXPECT_NEAR(r->point(3).s21.ang, kPi, 1e-15);
  EXPECT_EQ(r->point(1).s12, (MagnitudeAngle{0, 0}));
  // The same with bare line feeds.
  std::string lf = kCitifile;
  std::erase(lf, '\r');
  auto r2 = readText(lf);
  ASSERT_EQ(r2->set->numpoints(), 3);
  EXPECT_EQ(r2->point(3).s21, r->point(3).s21);
}

TEST(SParamFile, CitifileOddCases)
{
  // More points than a set holds: 2000 are kept, spaced as the file's sweep, with a warning
  // naming where the data were cut.
  {
    std::string text = "CITIFILE A.01.00\nDATA S11 RI\nSEG 0 4999 5000\nBEGIN\n";
    for (int i = 0; i < 5000; ++i) {
      text += "1,0\n";
    }
    text += "END\n";
    auto r = readText(text);
    ASSERT_EQ(r->set->numpoints(), 2000);
    EXPECT_EQ(r->point(2000).freq, 1999);
    EXPECT_EQ(r->result.warning, "The file holds more than 2000 points; only the first 2000 were "
                                 "read: the data were cut at 1.999kHz.");
    EXPECT_EQ(r->result.ports, 1);
  }
  // One point, no division by zero; leading blanks before CITIFILE.
  {
    auto r = readText("  CITIFILE\nDATA S RI\nSEG 5e6 5e6 1\nBEGIN\n0.5,0\nEND\n");
    ASSERT_EQ(r->set->numpoints(), 1);
    EXPECT_EQ(r->point(1).freq, 5e6);
    EXPECT_EQ(r->point(1).s11.mag, 0.5);
    EXPECT_EQ(r->result.warning, "");
  }
  // "citifile" in lower case is not a CITIFILE: read as Touchstone, finds nothing.
  EXPECT_EQ(readText("citifile a\nSEG 1 2 2\n")->set->numpoints(), 0);
}

TEST(SParamFile, RefusesWhatNoMeasurementGivesNamingTheLine)
{
  const struct
  {
    const char* text;
    const char* error;
  } cases[] = {
      // CITIFILE: nothing but a SEG line, a block shorter than the SEG count, no SEG line,
      // a falling or negative sweep, a count that is no whole number.
      {"CITIFILE A.01.00\nSEG 1 2 2000\n",
       "Line 2: no DATA line names a parameter before the SEG line"},
      {"CITIFILE\nDATA S11 RI\nDATA S21 RI\nSEG 1 4 4\nBEGIN\n1,0\n2,0\nEND\nBEGIN\n0,1\n"
       "0,2\n0,3\n0,4\nEND\n",
       "Line 8: DATA block 1 ends after 2 of the 4 points of the SEG line"},
      {"CITIFILE\nDATA S11 RI\nSEG 1 4 4\nBEGIN\n1,0\n2,0\n",
       "Line 6: DATA block 1 ends after 2 of the 4 points of the SEG line"},
      {"CITIFILE\nDATA S11 RI\nSEG 1 4 4\n",
       "Line 3: the file ends before the BEGIN of DATA block 1"},
      {"CITIFILE\nDATA S RI\nBEGIN\n1,1\nEND\n", "Line 5: no SEG line gives the frequencies"},
      {"CITIFILE\nDATA S RI\nSEG 4 1 4\n",
       "Line 3: the SEG stop frequency must lie above its start"},
      {"CITIFILE\nDATA S RI\nSEG -4 1 4\n", "Line 3: a SEG frequency is below zero"},
      {"CITIFILE\nDATA S RI\nSEG 1 4 2.5\n",
       "Line 3: the SEG point count is a whole number above 0"},
      {"CITIFILE\nDATA S RI\nSEG 1 4k 4\n", "Line 3: \"4K\" is not a number"},
      // Touchstone: a negative frequency, a negative magnitude in MA form.
      {"# MHZ MA\n-1 0.5 0\n", "Line 2: the frequency is below zero"},
      {"# MHZ MA\n1 0.5 0\n2 -0.5 0\n", "Line 3: a magnitude is below zero"},
      {"# MHZ MA\n1 0.5 0 0.5 0 -0.1 0 0.5 0\n", "Line 2: a magnitude is below zero"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    auto r = readText(c.text);
    EXPECT_EQ(r->result.error, std::string(c.error) + "; the file was not read.");
    EXPECT_EQ(r->set->numpoints(), 0);
  }
  // Negative values are losses in dB and real parts in RI; 0 Hz is a frequency.
  EXPECT_TRUE(readText("# MHZ DB\n0 -6 0\n")->result.ok());
  EXPECT_TRUE(readText("# MHZ RI\n1 -0.5 -0.5\n")->result.ok());
}

TEST(SParamFile, PortCountOfTheFile)
{
  EXPECT_EQ(readText("# MHZ MA\n1 0.5 0\n")->result.ports, 1);
  EXPECT_EQ(readText("# MHZ MA\n1 0.5 0 1 0 1 0 0.5 0\n")->result.ports, 2);
  EXPECT_EQ(readText(kCitifile)->result.ports, 2);
  EXPECT_EQ(readText("# MHZ MA\n! nothing\n")->result.ports, 0);
}

TEST(SParamFile, FilesOnDisk)
{
  const testing::TestFolder scratch("SParamFile.FilesOnDisk");
  const std::filesystem::path& dir = scratch.path();
  const auto file = dir / "filter.s2p";
  {
    std::ofstream out(file, std::ios::binary);
    out << "# GHZ S MA R 50\r\n1 0.5 -90 1 0 1 0 0.5 -90\r\n";
  }
  auto set = std::make_unique<TwoPortDataSet>();
  ScriptedPrompts prompts;
  ASSERT_TRUE(readSParameterFile(file.string(), *set, prompts).ok());
  EXPECT_EQ(set->name, "filter.s2p");
  EXPECT_EQ(set->numpoints(), 1);

  // Missing file and a folder: the message for the error box, the buffer untouched.
  const auto missing = readSParameterFile((dir / "nope.s2p").string(), *set, prompts);
  EXPECT_EQ(missing.error, "File not found");
  const auto folder = readSParameterFile(dir.string(), *set, prompts);
  EXPECT_FALSE(folder.ok());
  EXPECT_EQ(set->numpoints(), 1);
  EXPECT_EQ(set->name, "filter.s2p");
}

void expectSane(const TwoPortDataSet& set, const std::string& label)
{
  ASSERT_LE(set.numpoints(), kMaxDataPoints) << label;
  for (const TwoPortPoint& p : set.points) {
    for (double v : {p.freq, p.s11.mag, p.s11.ang, p.s21.mag, p.s21.ang, p.s12.mag, p.s12.ang,
                     p.s22.mag, p.s22.ang}) {
      ASSERT_TRUE(std::isfinite(v)) << label;
    }
  }
}

TEST(SParamFile, MalformedContentNeverCrashes)
{
  std::mt19937 rng(2024);
  const std::string alphabet = "0123456789.,+-eE \t\r\n!#GHZMADBRISEGBEGINENDCITIFLEk[]_";
  const std::string seeds[] = {std::string(kCitifile),
                               "# GHZ S MA R 50\r\n1 0.5 -90 0.1 2 0.3 4 0.5 6\r\n2 1 1\r\n",
                               "# MHZ DB\n100 -6 0\n", "CITIFILE\nDATA\nSEG 1e308 -1e308 3\n",
                               "[Version] 2.0\n# GHZ S RI R 50\n[Number of Ports] 2\n"
                               "[Two-Port Data Order] 12_21\n[Number of Frequencies] 2\n"
                               "[Reference] 50\n75\n[Network Data]\n1 0.1 0 0.2 0 0.3 0 0.4\n"
                               "0\n2 0.1 0 0.2 0 0.3 0 0.4 0\n[Noise Data]\n1 2 3 4 5\n[End]\n"};
  for (int trial = 0; trial < 3000; ++trial) {
    std::string text;
    if (trial % 3 == 0) {
      // Random bytes, printable or not.
      const int len = static_cast<int>(rng() % 400);
      for (int i = 0; i < len; ++i) {
        text += static_cast<char>(rng() % 256);
      }
    } else if (trial % 3 == 1) {
      // Random tokens from the formats' own alphabet.
      const int len = static_cast<int>(rng() % 400);
      for (int i = 0; i < len; ++i) {
        text += alphabet[rng() % alphabet.size()];
      }
      if (trial % 2 == 0) {
        text = "CITIFILE" + text;
      }
    } else {
      // A valid file with bytes replaced, inserted, deleted or the tail cut off.
      text = seeds[rng() % std::size(seeds)];
      const int edits = 1 + static_cast<int>(rng() % 8);
      for (int e = 0; e < edits && !text.empty(); ++e) {
        const std::size_t at = rng() % text.size();
        switch (rng() % 4) {
        case 0:
          text[at] = alphabet[rng() % alphabet.size()];
          break;
        case 1:
          text.insert(at, 1, static_cast<char>(rng() % 256));
          break;
        case 2:
          text.erase(at, 1 + rng() % 5);
          break;
        default:
          text.resize(at);
        }
      }
    }
    auto r = readText(text, "fuzz");
    expectSane(*r->set, "trial " + std::to_string(trial));
    EXPECT_LE(r->dialogs(), 1);
  }
  // Extremes: numbers beyond the double range, huge counts.
  auto big = readText("# THZ DB\n1e308 1e308 1e308\n");
  expectSane(*big->set, "big");
  auto bigCiti = readText("CITIFILE\nDATA S RI\nSEG 0 1e308 1e300\nBEGIN\n1e308,1e308\nEND\n");
  expectSane(*bigCiti->set, "bigCiti");
  EXPECT_FALSE(bigCiti->result.ok()); // one point of the 1e300 the SEG line counts
}

} // namespace
} // namespace norvane
