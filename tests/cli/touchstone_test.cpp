// "norvane-cli simulate --format touchstone": the files, read back by our reader, and the
// round trip through a 2-port data block.

#include "cli_support.h"
#include "examples_support.h"

#include "document/schematicwriter.h"
#include "sim/complex.h"
#include "sim/sparamfile.h"
#include "support/scratchfolder.h"
#include "support/scriptedprompts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <complex>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <sstream>

namespace norvane {
namespace {

using testing::CliRun;
using testing::readFileBytes;
using testing::runCli;

using Values = std::vector<std::vector<double>>; // per point: freq, then re/im of S11..S22

class CliTouchstone : public testing::ScratchFolderTest
{
protected:
  std::string save(const Schematic& doc, const std::string& name) const
  {
    const std::string p = path(name);
    EXPECT_TRUE(saveSchematic(doc, p).ok());
    return p;
  }

  // The csv run's values (17 digits), empty fields as 0.
  static Values csvValues(const std::string& cct)
  {
    const CliRun run = runCli({"simulate", cct, "--format", "csv"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    Values rows;
    std::istringstream in(run.out);
    std::string line;
    std::getline(in, line); // heading
    while (std::getline(in, line)) {
      std::vector<double> row;
      std::istringstream fields(line);
      std::string f;
      while (std::getline(fields, f, ',')) {
        row.push_back(f.empty() ? 0.0 : std::strtod(f.c_str(), nullptr));
      }
      row.resize(9, 0.0);
      rows.push_back(row);
    }
    return rows;
  }

  std::unique_ptr<TwoPortDataSet> readBack(const std::string& file, SParamReadResult& result) const
  {
    auto set = std::make_unique<TwoPortDataSet>();
    ScriptedPrompts prompts;
    result = readSParameterFile(file, *set, prompts);
    EXPECT_TRUE(prompts.messages.empty());
    return set;
  }
};

std::complex<double> value(const MagnitudeAngle& s)
{
  const Complex c = polarToComplex(s.mag, s.ang);
  return {c.re, c.im};
}

// Every point of the set against the rows; `pairs` of S11, S21, S12, S22 compared.
void expectSame(const TwoPortDataSet& set, const Values& rows, int pairs, double tolerance)
{
  ASSERT_EQ(set.numpoints(), static_cast<int>(rows.size()));
  for (int i = 1; i <= set.numpoints(); ++i) {
    const auto& row = rows[static_cast<std::size_t>(i - 1)];
    const TwoPortPoint& p = set.points[i];
    EXPECT_NEAR(p.freq, row[0], row[0] * 1e-15) << i;
    const MagnitudeAngle* got[] = {&p.s11, &p.s21, &p.s12, &p.s22};
    for (int k = 0; k < pairs; ++k) {
      const std::complex<double> want(row[1 + 2 * k], row[2 + 2 * k]);
      EXPECT_NEAR(std::abs(value(*got[k]) - want), 0.0, tolerance) << "point " << i << " S" << k;
    }
  }
}

TEST_F(CliTouchstone, ExportReadsBackToTheSameValues)
{
  for (const auto& ex : testing::exampleDocuments()) {
    SCOPED_TRACE(ex.fileName);
    const std::string cct = std::string(NORVANE_SOURCE_DIR) + "/examples/" + ex.fileName;
    const std::string s2p = path("back.s2p");
    const CliRun run = runCli({"simulate", cct, "--format", "touchstone", "-o", s2p});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string text = readFileBytes(s2p);
    EXPECT_EQ(text.rfind("! Norvane ", 0), 0u);
    EXPECT_NE(text.find("\r\n! Schematic: " + ex.fileName + "\r\n! Date: 20"), std::string::npos);
    EXPECT_NE(text.find("\r\n# Hz S RI R 50\r\n"), std::string::npos);

    SParamReadResult read;
    auto set = readBack(s2p, read);
    ASSERT_TRUE(read.ok()) << read.error;
    EXPECT_TRUE(read.note.empty());
    expectSame(*set, csvValues(cct), 4, 1e-12);
  }
  // Standard output, when no file is named.
  const CliRun out =
      runCli({"simulate", std::string(NORVANE_SOURCE_DIR) + "/examples/rc_divider.cct", "--format",
              "touchstone", "--points", "2"});
  EXPECT_EQ(out.exitCode, 0);
  const std::size_t data = out.out.find("# Hz S RI R 50\r\n");
  ASSERT_NE(data, std::string::npos) << out.out;
  EXPECT_EQ(std::count(out.out.begin() + static_cast<std::ptrdiff_t>(data), out.out.end(), '\n'),
            3);
}

TEST_F(CliTouchstone, OnePortCircuitsWriteOnePortFiles)
{
  // The divider without port 2, its port 1 at 75 ohm: a 1-port file referred to 75 ohm,
  // read back as the same network seen from 50 ohm.
  Schematic doc = testing::rcDividerExample();
  doc.drawdat.P2.pos = {-100, -100};
  doc.drawdat.P1.Zo = 75;
  const std::string cct75 = save(doc, "oneport75.cct");
  doc.drawdat.P1.Zo = 50;
  const std::string cct50 = save(doc, "oneport50.cct");
  const std::string s1p = path("oneport.s1p");
  const CliRun run = runCli({"simulate", cct75, "--format", "touchstone", "-o", s1p});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const std::string text = readFileBytes(s1p);
  EXPECT_NE(text.find("\r\n# Hz S RI R 75\r\n"), std::string::npos);
  const std::size_t data = text.find("\r\n", text.find("# Hz")) + 2;
  std::istringstream first(text.substr(data, text.find("\r\n", data) - data));
  int count = 0;
  for (double x; first >> x;) {
    ++count;
  }
  EXPECT_EQ(count, 3);

  SParamReadResult read;
  auto set = readBack(s1p, read);
  ASSERT_TRUE(read.ok()) << read.error;
  EXPECT_EQ(read.note, "Converted from 75 ohm to 50 ohm");
  expectSame(*set, csvValues(cct50), 1, 1e-12);
}

TEST_F(CliTouchstone, DifferentPortsReferBackThroughATwoPortBlock)
{
  // The low-pass filter between 25 and 75 ohm ports: a version 2 file referred to those. Read
  // back (referred to 50 ohm) into a 2-port block between 50 ohm ports, it simulates as the
  // filter itself between 50 ohm ports.
  Schematic filter = testing::lowpass3Example();
  filter.drawdat.P1.Zo = 25;
  filter.drawdat.P2.Zo = 75;
  const std::string cctMixed = save(filter, "mixed.cct");
  const std::string s2p = path("mixed.s2p");
  const CliRun run = runCli({"simulate", cctMixed, "--format", "touchstone", "-o", s2p});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const std::string text = readFileBytes(s2p);
  for (const char* line :
       {"[Version] 2.0", "# Hz S RI R 25", "[Number of Ports] 2", "[Two-Port Data Order] 12_21",
        "[Number of Frequencies] 201", "[Reference] 25 75", "[Network Data]", "[End]"}) {
    EXPECT_NE(text.find(std::string("\r\n") + line + "\r\n"), std::string::npos) << line;
  }

  SParamReadResult read;
  auto set = readBack(s2p, read);
  ASSERT_TRUE(read.ok()) << read.error;
  EXPECT_EQ(read.note, "Converted from 25 ohm / 75 ohm to 50 ohm");
  ASSERT_EQ(set->numpoints(), 201);

  Schematic block = testing::attenuatorBlockExample();
  block.datasets.twoPort[1].points = set->points;
  block.datasets.twoPort[1].name = "mixed.s2p";
  block.Xax = filter.Xax; // the same frequencies, so the block interpolates nothing
  const std::string cctBlock = save(block, "block.cct");
  filter.drawdat.P1.Zo = 50;
  filter.drawdat.P2.Zo = 50;
  const std::string cct50 = save(filter, "fifty.cct");

  const Values want = csvValues(cct50);
  const Values got = csvValues(cctBlock);
  ASSERT_EQ(got.size(), want.size());
  double worst = 0;
  for (std::size_t i = 0; i < want.size(); ++i) {
    EXPECT_EQ(got[i][0], want[i][0]);
    for (int k = 0; k < 4; ++k) {
      const std::complex<double> g(got[i][1 + 2 * k], got[i][2 + 2 * k]);
      const std::complex<double> w(want[i][1 + 2 * k], want[i][2 + 2 * k]);
      worst = std::max(worst, std::abs(g - w));
    }
  }
  EXPECT_LT(worst, 1e-9);
  std::cout << "largest difference, block against filter: " << worst << "\n";
  // And the version 2 file's transmission really is referred to the ports: it differs from
  // the 50 ohm one.
  const Values mixed = csvValues(cctMixed);
  EXPECT_GT(std::abs(mixed[100][3] - want[100][3]), 0.01);
}

TEST_F(CliTouchstone, HelpAndBadFormat)
{
  const CliRun help = runCli({"--help"});
  EXPECT_NE(help.out.find("--format s2p|touchstone|csv"), std::string::npos);
  const CliRun simHelp = runCli({"simulate", "--help"});
  EXPECT_NE(simHelp.out.find("--format touchstone"), std::string::npos);
  const CliRun bad = runCli({"simulate", "x.cct", "--format", "s3p"});
  EXPECT_EQ(bad.exitCode, 2);
  EXPECT_NE(bad.err.find("(s2p, touchstone or csv)"), std::string::npos);
}

} // namespace
} // namespace norvane
