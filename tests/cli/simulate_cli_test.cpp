// End-to-end runs of "norvane-cli simulate" and "norvane-cli netlist".

#include "cli_support.h"
#include "examples_support.h"

#include "document/schematicwriter.h"
#include "sim/sparamfile.h"
#include "support/scratchfolder.h"
#include "support/scriptedprompts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sstream>

namespace norvane {
namespace {

using testing::CliRun;
using testing::readFileBytes;
using testing::runCli;

std::string example(const std::string& name)
{
  return std::string(NORVANE_SOURCE_DIR) + "/examples/" + name;
}

class CliSimulate : public testing::ScratchFolderTest
{
protected:
};

std::vector<std::string> splitLines(const std::string& text, const std::string& end)
{
  std::vector<std::string> lines;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t next = text.find(end, pos);
    if (next == std::string::npos) {
      lines.push_back(text.substr(pos));
      break;
    }
    lines.push_back(text.substr(pos, next - pos));
    pos = next + end.size();
  }
  return lines;
}

std::vector<double> numbers(const std::string& line, char separator)
{
  std::vector<double> values;
  std::string field;
  std::istringstream in(line);
  while (std::getline(in, field, separator)) {
    values.push_back(field.empty() ? NAN : std::strtod(field.c_str(), nullptr));
  }
  return values;
}

TEST_F(CliSimulate, ResultFileAgreesWithTheFullPrecisionValues)
{
  // Every example: the result file holds the csv values to the file's precision (frequency
  // in MHz to 6 decimals, magnitude and angle to 3), with CR LF line ends and one blank
  // after each number.
  for (const auto& ex : testing::exampleDocuments()) {
    SCOPED_TRACE(ex.fileName);
    const std::string s2p = path("out.s2p");
    const CliRun file = runCli({"simulate", example(ex.fileName), "-o", s2p});
    ASSERT_EQ(file.exitCode, 0) << file.err;
    EXPECT_EQ(file.out, "");
    const CliRun csv = runCli({"simulate", example(ex.fileName), "--format", "csv"});
    ASSERT_EQ(csv.exitCode, 0) << csv.err;

    const auto fileLines = splitLines(readFileBytes(s2p), "\r\n");
    const auto csvLines = splitLines(csv.out, "\n");
    ASSERT_GE(fileLines.size(), 3u);
    EXPECT_EQ(fileLines[0], "! Kestrel S parameter simulation result");
    EXPECT_EQ(fileLines[1], "# MHz MA");
    EXPECT_EQ(csvLines[0], "freq_hz,s11_re,s11_im,s21_re,s21_im,s12_re,s12_im,s22_re,s22_im");
    ASSERT_EQ(fileLines.size() - 2, csvLines.size() - 1);
    EXPECT_EQ(fileLines.size(),
              2u + 101u +
                  (ex.fileName == "lowpass3.cct" || ex.fileName == "welcome.cct" ? 100u : 0u));
    for (std::size_t i = 2; i < fileLines.size(); ++i) {
      ASSERT_EQ(fileLines[i].back(), ' ');
      const auto f = numbers(fileLines[i], ' ');
      const auto c = numbers(csvLines[i - 1], ',');
      ASSERT_EQ(f.size(), 9u);
      ASSERT_EQ(c.size(), 9u);
      EXPECT_NEAR(f[0], c[0] / 1e6, 5.1e-7);
      for (int k = 0; k < 4; ++k) {
        const std::complex<double> s(c[1 + 2 * k], c[2 + 2 * k]);
        EXPECT_NEAR(f[1 + 2 * k], std::abs(s), 5.1e-4) << "line " << i;
        double angle = std::arg(s) * 180 / M_PI;
        double diff = f[2 + 2 * k] - angle;
        diff -= 360 * std::round(diff / 360);
        EXPECT_NEAR(diff, 0.0, 5.1e-4) << "line " << i;
      }
    }
  }
}

TEST_F(CliSimulate, ResultFilesReadBackThroughTheDataFileReader)
{
  // The program's own S-parameter reader takes the result file back: every point, with the
  // values of the full-precision run to the file's precision.
  for (const auto& ex : testing::exampleDocuments()) {
    SCOPED_TRACE(ex.fileName);
    const std::string s2p = path("back.s2p");
    ASSERT_EQ(runCli({"simulate", example(ex.fileName), "-o", s2p}).exitCode, 0);
    const CliRun csv = runCli({"simulate", example(ex.fileName), "--format", "csv"});
    ASSERT_EQ(csv.exitCode, 0);
    const auto csvLines = splitLines(csv.out, "\n");

    auto set = std::make_unique<TwoPortDataSet>();
    ScriptedPrompts prompts;
    ASSERT_TRUE(readSParameterFile(s2p, *set, prompts).ok());
    EXPECT_TRUE(prompts.messages.empty()); // the option line makes the format known
    EXPECT_EQ(set->name, "back.s2p");
    ASSERT_EQ(set->numpoints() + 1, static_cast<int>(csvLines.size()));
    for (int i = 1; i <= set->numpoints(); ++i) {
      const TwoPortPoint& p = set->points[i];
      const auto c = numbers(csvLines[static_cast<std::size_t>(i)], ',');
      EXPECT_NEAR(p.freq, c[0], 0.51); // 6 decimals of MHz
      const MagnitudeAngle* pairs[] = {&p.s11, &p.s21, &p.s12, &p.s22};
      for (int k = 0; k < 4; ++k) {
        const std::complex<double> s(c[1 + 2 * k], c[2 + 2 * k]);
        EXPECT_NEAR(pairs[k]->mag, std::abs(s), 5.1e-4) << "point " << i;
        double diff = pairs[k]->ang - std::arg(s);
        diff -= 2 * M_PI * std::round(diff / (2 * M_PI));
        EXPECT_NEAR(diff, 0.0, 5.1e-4 * M_PI / 180) << "point " << i;
      }
    }
  }
}

TEST_F(CliSimulate, PortTwoAloneStillWritesFrequencies)
{
  // Port 2 with 50 ohm || 100 pF to ground: each line holds the frequency, then S22, so the
  // file reads back like a one-port file.
  Schematic doc = testing::rcDividerExample();
  doc.drawdat.P1.pos = {-100, -100};
  doc.drawdat.components.removeAt(1); // the series resistor
  doc.drawdat.wires.removeAt(1);
  doc.drawdat.wires.removeAt(1);
  const std::string cct = path("port2.cct");
  ASSERT_TRUE(saveSchematic(doc, cct).ok());
  const std::string s2p = path("port2.s2p");
  const CliRun run = runCli({"simulate", cct, "-o", s2p, "--start", "1MHz", "--stop", "1GHz"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const auto lines = splitLines(readFileBytes(s2p), "\r\n");
  ASSERT_EQ(lines.size(), 103u);
  EXPECT_EQ(numbers(lines[2], ' ').size(), 3u);
  auto set = std::make_unique<TwoPortDataSet>();
  ScriptedPrompts prompts;
  ASSERT_TRUE(readSParameterFile(s2p, *set, prompts).ok());
  ASSERT_EQ(set->numpoints(), 101);
  EXPECT_NEAR(set->points[1].freq, 1e6, 0.51);
  // At 1 MHz: Z = 50 ohm || 100 pF against the 50 ohm port, S22 = (Z - 50) / (Z + 50).
  const std::complex<double> z =
      1.0 / (1.0 / 50.0 + std::complex<double>(0, 2 * M_PI * 1e6 * 100e-12));
  const std::complex<double> s22 = (z - 50.0) / (z + 50.0);
  EXPECT_NEAR(set->points[1].s11.mag, std::abs(s22), 5.1e-4);
  EXPECT_EQ(set->points[1].s21.mag, 0.0);
}

TEST_F(CliSimulate, ButterworthLowpassIsThreeDecibelsDownAtItsCorner)
{
  // |S21|^2 = 1 / (1 + (f/fc)^6) for the 3-pole Butterworth prototype (values rounded to
  // 31.83 pF and 159.2 nH, so the check allows 0.2 %).
  const CliRun run = runCli({"simulate", example("lowpass3.cct"), "--format", "csv", "--start",
                             "50MHz", "--stop", "200MHz", "--points", "4", "--lin"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const auto lines = splitLines(run.out, "\n");
  ASSERT_EQ(lines.size(), 5u);
  const double freqs[] = {50e6, 100e6, 150e6, 200e6};
  for (int i = 0; i < 4; ++i) {
    const auto c = numbers(lines[static_cast<std::size_t>(i) + 1], ',');
    EXPECT_NEAR(c[0], freqs[i], 1e-6);
    const double s21 = std::abs(std::complex<double>(c[3], c[4]));
    const double want = 1.0 / std::sqrt(1.0 + std::pow(freqs[i] / 100e6, 6));
    EXPECT_NEAR(s21, want, 2e-3) << freqs[i];
    // Lossless: |S11|^2 + |S21|^2 = 1.
    const double s11 = std::abs(std::complex<double>(c[1], c[2]));
    EXPECT_NEAR(s11 * s11 + s21 * s21, 1.0, 1e-9);
  }
}

TEST_F(CliSimulate, RefusedCircuitExitsWithOne)
{
  Schematic doc = testing::rcDividerExample();
  doc.drawdat.wires.removeAt(1); // port 1 loses its connection
  const std::string cct = path("broken.cct");
  ASSERT_TRUE(saveSchematic(doc, cct).ok());
  const CliRun run = runCli({"simulate", cct});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find("Unconnected Node(s) - Check Circuit"), std::string::npos) << run.err;

  const CliRun listing = runCli({"netlist", cct});
  EXPECT_EQ(listing.exitCode, 1);
  EXPECT_NE(listing.out.find("res "), std::string::npos); // listed all the same
}

TEST_F(CliSimulate, ResultFileNeedsFiftyOhmPorts)
{
  Schematic doc = testing::rcDividerExample();
  doc.drawdat.P2.Zo = 75.0;
  const std::string cct = path("p75.cct");
  ASSERT_TRUE(saveSchematic(doc, cct).ok());
  const CliRun s2p = runCli({"simulate", cct});
  EXPECT_EQ(s2p.exitCode, 1);
  EXPECT_EQ(s2p.err, "Port impedances must be 50R for saving results to S parameter file\n");
  const CliRun csv = runCli({"simulate", cct, "--format=csv", "--points", "2"});
  EXPECT_EQ(csv.exitCode, 0) << csv.err;
  EXPECT_EQ(splitLines(csv.out, "\n").size(), 3u);
}

TEST_F(CliSimulate, OptionsAndBadInput)
{
  const std::string cct = example("rc_divider.cct");
  EXPECT_EQ(runCli({"simulate", cct, "--format", "xml"}).exitCode, 2);
  EXPECT_EQ(runCli({"simulate", cct, "--points", "1"}).exitCode, 2);
  EXPECT_EQ(runCli({"simulate", cct, "--points", "ten"}).exitCode, 2);
  EXPECT_EQ(runCli({"simulate", cct, "--start", "abc"}).exitCode, 2);
  EXPECT_EQ(runCli({"simulate", cct, "--lin", "--log"}).exitCode, 2);
  EXPECT_EQ(runCli({"simulate", cct, "--tolerance", "worst"}).exitCode, 2);
  EXPECT_EQ(runCli({"simulate", cct, "--seed", "-1"}).exitCode, 2);
  EXPECT_EQ(runCli({"simulate"}).exitCode, 2);
  const CliRun missing = runCli({"simulate", path("nothing.cct")});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_NE(missing.err.find("File not found"), std::string::npos);
  const CliRun unwritable = runCli({"simulate", cct, "-o", path("no/such/dir.s2p")});
  EXPECT_EQ(unwritable.exitCode, 1);
  EXPECT_NE(unwritable.err.find("Path not found"), std::string::npos) << unwritable.err;

  // The point store's 501 points (more are refused); --start with a prefix letter.
  const CliRun many = runCli({"simulate", cct, "--points", "501", "--start", "1k", "--lin"});
  ASSERT_EQ(many.exitCode, 0) << many.err;
  const auto lines = splitLines(many.out, "\r\n");
  ASSERT_EQ(lines.size(), 503u);
  EXPECT_EQ(lines[2].substr(0, 9), "0.001000 ");
}

TEST_F(CliSimulate, TolerancesAndSeeds)
{
  const std::string cct = example("lowpass3.cct");
  auto run = [&](std::vector<std::string> extra) {
    std::vector<std::string> args = {"simulate", cct, "--format", "csv", "--points", "3"};
    args.insert(args.end(), extra.begin(), extra.end());
    const CliRun r = runCli(args);
    EXPECT_EQ(r.exitCode, 0) << r.err;
    return r.out;
  };
  const std::string nominal = run({});
  EXPECT_EQ(run({"--tolerance", "nominal"}), nominal);
  EXPECT_NE(run({"--tolerance", "upper"}), nominal);
  EXPECT_NE(run({"--tolerance", "lower"}), run({"--tolerance", "upper"}));
  const std::string a = run({"--tolerance", "random", "--seed", "5"});
  EXPECT_EQ(run({"--tolerance", "random", "--seed", "5"}), a);
  EXPECT_NE(run({"--tolerance", "random", "--seed", "6"}), a);
  EXPECT_NE(a, nominal);
}

TEST_F(CliSimulate, AutoscaleQuestion)
{
  // The stored data of the attenuator block run from 1 MHz to 1 GHz.
  const std::string cct = example("attenuator_block.cct");
  const CliRun no = runCli({"simulate", cct, "--start", "100k", "--points", "2"});
  EXPECT_EQ(no.exitCode, 0) << no.err;
  EXPECT_EQ(no.err, "Simulation frequency range outside S parameter file range, Autoscale? No\n"
                    "ATT1 (att6db.s2p, data 1MHz to 1GHz) is extrapolated from 100kHz to 1MHz\n");
  EXPECT_EQ(splitLines(no.out, "\r\n")[2].substr(0, 9), "0.100000 ");
  const CliRun yes = runCli({"simulate", cct, "--start", "100k", "--points", "2", "--autoscale"});
  EXPECT_EQ(yes.exitCode, 0) << yes.err;
  EXPECT_EQ(splitLines(yes.out, "\r\n")[2].substr(0, 9), "1.000000 ");
  EXPECT_EQ(splitLines(yes.out, "\r\n")[3].substr(0, 12), "1000.000000 ");
}

TEST_F(CliSimulate, MalformedFilesGiveMessages)
{
  // Garbage, a file cut in the middle, and an example with its drawing section emptied.
  const std::string full = readFileBytes(example("lowpass3.cct"));
  std::string garbage;
  for (int i = 0; i < 5000; ++i) {
    garbage += static_cast<char>((i * 7919) % 256);
  }
  const std::string cut = full.substr(0, full.size() / 2);
  const std::string noDrawing = full.substr(0, full.find("drawdat{"));
  for (const auto& [name, bytes] : {std::pair<std::string, std::string>{"garbage.cct", garbage},
                                    {"cut.cct", cut},
                                    {"nodrawing.cct", noDrawing}}) {
    SCOPED_TRACE(name);
    testing::writeFileBytes(path(name), bytes);
    for (const char* command : {"simulate", "netlist"}) {
      const CliRun run = runCli({command, path(name)});
      EXPECT_EQ(run.exitCode, 1) << run.out;
      EXPECT_FALSE(run.err.empty());
    }
  }
  const CliRun run = runCli({"simulate", path("nodrawing.cct")});
  EXPECT_NE(run.err.find("You must place at least one measurement port"), std::string::npos);
  EXPECT_NE(run.err.find("You must place at least one component"), std::string::npos);
}

TEST_F(CliSimulate, NetlistListing)
{
  const CliRun run = runCli({"netlist", example("lowpass3.cct")});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "P1=1\ncap 1 0 C=31.83pF\nind 1 2 L=159.2nH\ncap 2 0 C=31.83pF\nP2=2\n");
  EXPECT_EQ(run.err, "");
}

} // namespace
} // namespace norvane
