// S-parameter data blocks end to end: a data file given to "norvane-cli simulate --data" is
// read as the block dialog's "Load File" reads it, and a sweep beyond a block's data says so.

#include "cli_support.h"
#include "examples_support.h"

#include "document/schematicwriter.h"
#include "support/scratchfolder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace norvane {
namespace {

using testing::CliRun;
using testing::runCli;
using testing::writeFileBytes;

class CliBlockData : public testing::ScratchFolderTest
{
protected:
  // The attenuator example (one 2-port block "ATT1" between two 50 ohm ports) saved here.
  std::string attenuator()
  {
    const std::string cct = path("att.cct");
    EXPECT_TRUE(saveSchematic(testing::attenuatorBlockExample(), cct).ok());
    return cct;
  }
  std::string file(const std::string& name, const std::string& text)
  {
    writeFileBytes(path(name), text);
    return path(name);
  }
  static bool has(const std::string& text, const std::string& part)
  {
    return text.find(part) != std::string::npos;
  }
};

// The csv values of one output line: freq, then re/im of S11, S21, S12, S22.
std::vector<double> csvLine(const std::string& out, int line)
{
  std::istringstream in(out);
  std::string text;
  for (int i = 0; i <= line; ++i) {
    std::getline(in, text);
  }
  std::vector<double> values;
  std::istringstream fields(text);
  std::string field;
  while (std::getline(fields, field, ',')) {
    values.push_back(std::stod(field));
  }
  return values;
}

TEST_F(CliBlockData, DataOfTheOtherPortCountAreRefused)
{
  const std::string cct = attenuator();
  const std::string s1p = file("load.s1p", "# MHZ S MA R 50\n1 0.5 0\n2 0.5 0\n");
  const CliRun run = runCli({"simulate", cct, "--data", "ATT1=" + s1p});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "norvane-cli: " + s1p +
                         ": The file holds 1-port data; a 2-port block needs 2-port data.\n");
  // A 2-port file goes in; a block that does not exist is named.
  const std::string s2p = file("amp.s2p", "# MHZ S MA R 50\n1 0.1 0 2 0 0.01 0 0.2 0\n"
                                          "2 0.1 0 2 0 0.01 0 0.2 0\n");
  const CliRun ok = runCli({"simulate", cct, "--data", "ATT1=" + s2p, "--format", "csv", "--start",
                            "1MHz", "--stop", "2MHz", "--points", "2"});
  ASSERT_EQ(ok.exitCode, 0) << ok.err;
  EXPECT_NEAR(csvLine(ok.out, 1)[3], 2.0, 1e-12); // S21 of the file
  const CliRun none = runCli({"simulate", cct, "--data", "ATT9=" + s2p});
  EXPECT_EQ(none.exitCode, 1);
  EXPECT_EQ(none.err, "norvane-cli: no S-parameter data block is named ATT9\n");
  EXPECT_EQ(runCli({"simulate", cct, "--data", "ATT1"}).exitCode, 2);
}

TEST_F(CliBlockData, ImpossibleDataAreRefusedNamingTheLine)
{
  const std::string cct = attenuator();
  const struct
  {
    const char* name;
    const char* text;
    const char* error;
  } cases[] = {
      {"seg.d2", "CITIFILE A.01.00\nSEG 1000000 2000000 2000\n",
       "Line 2: no DATA line names a parameter before the SEG line"},
      {"short.d2",
       "CITIFILE A.01.00\nDATA S[1,1] RI\nDATA S[2,1] RI\nSEG 1E6 4E6 4\nBEGIN\n0.1,0\n0.1,0\n"
       "0.1,0\n0.1,0\nEND\nBEGIN\n0.5,0\n0.5,0\nEND\n",
       "Line 14: DATA block 2 ends after 2 of the 4 points of the SEG line"},
      {"falling.d2", "CITIFILE A.01.00\nDATA S[1,1] RI\nSEG 4E6 1E6 4\n",
       "Line 3: the SEG stop frequency must lie above its start"},
      {"negative.d2", "CITIFILE A.01.00\nDATA S[1,1] RI\nSEG -1E6 1E6 3\n",
       "Line 3: a SEG frequency is below zero"},
      {"negative.s2p", "# MHZ S RI R 50\n-1 0 0 1 0 1 0 0 0\n1 0 0 1 0 1 0 0 0\n",
       "Line 2: the frequency is below zero"},
      {"magnitude.s2p",
       "! amplifier\n# MHZ S MA R 50\n1 0.1 0 2 0 0.01 0 0.2 0\n"
       "2 0.1 0 -2 0 0.01 0 0.2 0\n",
       "Line 4: a magnitude is below zero"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string data = file(c.name, c.text);
    const CliRun run = runCli({"simulate", cct, "--data", "ATT1=" + data});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "norvane-cli: " + data + ": " + c.error + "; the file was not read.\n");
  }
  // Negative values in dB are a loss, not an error.
  const std::string db = file("db.s2p", "# MHZ S DB R 50\n1 -20 0 -6 0 -6 0 -20 0\n"
                                        "2 -20 0 -6 0 -6 0 -20 0\n");
  EXPECT_EQ(runCli({"simulate", cct, "--data", "ATT1=" + db, "--start", "1MHz", "--stop", "2MHz"})
                .exitCode,
            0);
}

TEST_F(CliBlockData, DataCutAtTheSetsCapacityAreReportedAndHugeFilesRefused)
{
  const std::string cct = attenuator();
  std::string text = "# HZ S MA R 50\n";
  for (int i = 1; i <= 2500; ++i) {
    text += std::to_string(i * 1000) + " 0.1 0 0.5 0 0.5 0 0.1 0\n";
  }
  const std::string many = file("many.s2p", text);
  const CliRun run = runCli({"simulate", cct, "--data", "ATT1=" + many, "--start", "1MHz", "--stop",
                             "1.5MHz", "--format", "csv"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, many +
                         ": The file holds more than 1999 points; only the first 1999 were read: "
                         "the data were cut at 1.999MHz.\n");

  // Sizes beyond anything 2000 points need are refused before reading, by the file's size
  // or, for a device without one, once that much has been read.
  const std::string huge = path("huge.s2p");
  writeFileBytes(huge, "# MHZ S MA R 50\n");
  std::filesystem::resize_file(huge, 200'000'000); // sparse: no disk space taken
  const CliRun big = runCli({"simulate", cct, "--data", "ATT1=" + huge});
  EXPECT_EQ(big.exitCode, 1);
  EXPECT_EQ(big.err, "norvane-cli: " + huge +
                         ": The file is larger than 67.1 MB (200.0 MB); an S-parameter file of "
                         "at most 2000 points is never that large, so it was not read.\n");
  const CliRun endless = runCli({"simulate", cct, "--data", "ATT1=/dev/zero"});
  EXPECT_EQ(endless.exitCode, 1);
  EXPECT_EQ(endless.err, "norvane-cli: /dev/zero: The file is larger than 67.1 MB; an "
                         "S-parameter file of at most 2000 points is never that large, so it "
                         "was not read.\n");
}

TEST_F(CliBlockData, AnglesInDegreesAreConvertedExactly)
{
  // S21 = 0.5 at 90 degrees and S11 = 0.1 at 180 degrees: the block between 50 ohm ports
  // gives them back, the real part of S21 zero to rounding (a rounded degree factor leaves
  // 0.5 * 90 * 3e-8 rad, about 2e-8).
  const std::string cct = attenuator();
  for (const char* option : {"# MHZ S MA R 50\n", "# MHZ S DB R 50\n"}) {
    SCOPED_TRACE(option);
    const bool db = std::string(option).find("DB") != std::string::npos;
    const std::string m21 = db ? std::to_string(20 * std::log10(0.5)) : "0.5";
    const std::string m11 = db ? "-20" : "0.1";
    const std::string line = m11 + " 180 " + m21 + " 90 " + m21 + " 90 " + m11 + " 180\n";
    const std::string data = file("ang.s2p", option + ("1 " + line) + ("2 " + line));
    const CliRun run = runCli({"simulate", cct, "--data", "ATT1=" + data, "--format", "csv",
                               "--start", "1MHz", "--stop", "2MHz", "--points", "2"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::vector<double> v = csvLine(run.out, 1);
    ASSERT_EQ(v.size(), 9u);
    EXPECT_NEAR(v[3], 0.0, 1e-13);  // S21 real
    EXPECT_NEAR(v[4], 0.5, 1e-6);   // S21 imaginary
    EXPECT_NEAR(v[2], 0.0, 1e-13);  // S11 imaginary
    EXPECT_NEAR(v[1], -0.1, 1e-12); // S11 real
  }
}

TEST_F(CliBlockData, ExtrapolationKeepsMagnitudesAndNamesTheBlock)
{
  // S11 = S22 fall from 0.5 at 1 GHz to 0.3 at 2 GHz: along that slope they would reach
  // -1.3 at 10 GHz; a magnitude stops at zero instead.
  Schematic doc = testing::attenuatorBlockExample();
  TwoPortDataSet& set = doc.datasets.twoPort[1];
  set.points.clear();
  set.points.append(TwoPortPoint{1e9, {0.5, 0}, {0.7, 0}, {0.7, 0}, {0.5, 0}});
  set.points.append(TwoPortPoint{2e9, {0.3, 0}, {0.7, 0}, {0.7, 0}, {0.3, 0}});
  const std::string cct = path("slope.cct");
  ASSERT_TRUE(saveSchematic(doc, cct).ok());
  const CliRun run = runCli({"simulate", cct, "--format", "csv", "--start", "500MHz", "--stop",
                             "10GHz", "--points", "2", "--lin"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "Simulation frequency range outside S parameter file range, Autoscale? No\n"
                     "ATT1 (att6db.s2p, data 1GHz to 2GHz) is extrapolated from "
                     "500MHz to 1GHz and from 2GHz to 10GHz\n");
  const std::vector<double> at10GHz = csvLine(run.out, 2);
  ASSERT_EQ(at10GHz.size(), 9u);
  EXPECT_NEAR(at10GHz[0], 10e9, 1e-3);
  EXPECT_NEAR(std::abs(std::complex<double>(at10GHz[1], at10GHz[2])), 0.0, 1e-12);
  EXPECT_NEAR(std::abs(std::complex<double>(at10GHz[3], at10GHz[4])), 0.7, 1e-12);
  // Every such run says so, also after the question; a sweep inside the data says nothing.
  const CliRun again = runCli({"simulate", cct, "--start", "1.5GHz", "--stop", "3GHz"});
  EXPECT_TRUE(has(again.err, "ATT1 (att6db.s2p, data 1GHz to 2GHz) is extrapolated from "
                             "2GHz to 3GHz\n"))
      << again.err;
  const CliRun inside = runCli({"simulate", cct, "--start", "1GHz", "--stop", "2GHz", "--log"});
  EXPECT_EQ(inside.exitCode, 0);
  EXPECT_EQ(inside.err, "");
}

} // namespace
} // namespace norvane
