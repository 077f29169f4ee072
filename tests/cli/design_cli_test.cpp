// End-to-end proofs of "norvane-cli design" and "norvane-cli automatch": every design is
// written, simulated with "norvane-cli simulate" and shown to do its job.

#include "cli_support.h"

#include "document/schematicreader.h"
#include "document/schematicwriter.h"
#include "numbers/valuetext.h"
#include "sim/netlist_support.h"
#include "support/scratchfolder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <filesystem>
#include <memory>
#include <sstream>

namespace norvane {
namespace {

using testing::CliRun;
using testing::runCli;

struct SParams
{
  std::complex<double> s11, s21, s12, s22;
};

double dB(std::complex<double> s)
{
  return 20.0 * std::log10(std::abs(s));
}

class CliDesign : public testing::ScratchFolderTest
{
protected:
  // Designs into OUT.cct; fails the test unless it was written.
  std::string design(std::vector<std::string> args)
  {
    const std::string out = path("design.cct");
    std::filesystem::remove(out);
    args.insert(args.begin(), "design");
    args.insert(args.end(), {"-o", out});
    const CliRun run = runCli(args);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(std::filesystem::exists(out));
    return out;
  }

  // The S-parameters of the schematic at one frequency (the first point of a linear sweep
  // from there to twice that).
  SParams at(const std::string& cct, const std::string& freq)
  {
    const std::string stop = std::to_string(2.0 * ParseValueText(freq));
    const CliRun run = runCli({"simulate", cct, "--format", "csv", "--start", freq, "--stop", stop,
                               "--points", "2", "--lin"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    std::istringstream lines(run.out);
    std::string header, line;
    std::getline(lines, header);
    std::getline(lines, line);
    std::vector<double> v;
    std::istringstream cells(line);
    std::string cell;
    while (std::getline(cells, cell, ',')) {
      v.push_back(cell.empty() ? 0.0 : std::stod(cell)); // empty: a port not in the circuit
    }
    if (!line.empty() && line.back() == ',') {
      v.push_back(0.0); // the last cell was empty
    }
    if (v.size() != 9) {
      ADD_FAILURE() << run.out;
      return {};
    }
    return {{v[1], v[2]}, {v[3], v[4]}, {v[5], v[6]}, {v[7], v[8]}};
  }
};

TEST_F(CliDesign, PadsAttenuateByTheirDesignAndMatch)
{
  struct Case
  {
    const char* topology;
    const char* zout;
    double db;
  };
  for (const Case c : {Case{"tee", "50R", 6.0}, Case{"pi", "75R", 10.0}, Case{"tee", "75", 20.0},
                       Case{"bridged-tee", "50R", 3.0}}) {
    SCOPED_TRACE(c.topology);
    const std::string cct =
        design({"attenuator", "--topology", c.topology, "--zin", "50R", "--zout", c.zout,
                "--attenuation", std::to_string(c.db) + "dB", "--rtol", "1%"});
    const SParams s = at(cct, "1MHz");
    // The csv's S21 is normalised by the port impedances: the pad's power loss.
    EXPECT_NEAR(dB(s.s21), -c.db, 1e-9);
    EXPECT_LT(std::abs(s.s11), 1e-9);
    EXPECT_LT(std::abs(s.s22), 1e-9);
  }
}

TEST_F(CliDesign, FiltersMeetTheirBandEdges)
{
  // Butterworth: -3.01 dB at the cut-off, low and high pass, either first branch.
  for (const char* topology : {"lowpass", "highpass"}) {
    for (const char* first : {"series", "parallel"}) {
      SCOPED_TRACE(std::string(topology) + " " + first);
      const std::string cct = design({"filter", "--topology", topology, "--first", first, "--poles",
                                      "4", "--bandwidth", "433MHz"});
      EXPECT_NEAR(dB(at(cct, "433MHz").s21), -3.0103, 1e-3);
    }
  }
  // Chebyshev 5-pole 0.5 dB: the response at the band edge is -ripple (to 0.001 dB: the
  // prototype's constant 17.37 stands for 40 log10(e) = 17.3718), and the pass band never
  // falls below it.
  const std::string cheb = design({"filter", "--type", "chebyshev", "--poles", "5", "--ripple",
                                   "0.5dB", "--bandwidth", "433MHz"});
  EXPECT_NEAR(dB(at(cheb, "433MHz").s21), -0.5, 1e-3);
  EXPECT_GT(dB(at(cheb, "300MHz").s21), -0.5 - 1e-3);
  EXPECT_LT(dB(at(cheb, "600MHz").s21), -10.0);
  // Even order: the load is not Z0, yet the edge is still at -ripple (power ratio).
  const std::string even = design({"filter", "--type", "chebyshev", "--poles", "4", "--ripple",
                                   "1dB", "--bandwidth", "10MHz", "--first", "parallel"});
  EXPECT_NEAR(dB(at(even, "10MHz").s21), -1.0, 1e-3);
  // Band pass: passes the centre, the band edges 3 dB down for Butterworth.
  const std::string bp = design({"filter", "--topology", "bandpass", "--center", "100MHz",
                                 "--bandwidth", "10MHz", "--poles", "3"});
  EXPECT_NEAR(dB(at(bp, "100MHz").s21), 0.0, 1e-6);
  EXPECT_LT(dB(at(bp, "80MHz").s21), -20.0);
}

TEST_F(CliDesign, MatchingNetworksMatchAtTheirFrequency)
{
  for (const char* topology : {"pad", "l-lowpass", "l-highpass", "pi-lowpass", "pi-highpass",
                               "tee-lowpass", "tee-highpass"}) {
    SCOPED_TRACE(topology);
    const std::string cct = design({"match", "--topology", topology, "--zin", "50R", "--zout",
                                    "200R", "--freq", "2.4GHz", "--bandwidth", "240MHz"});
    const SParams s = at(cct, "2.4GHz");
    EXPECT_LT(dB(s.s11), -40.0);
    EXPECT_LT(dB(s.s22), -40.0);
  }
}

TEST_F(CliDesign, BadValuesAndRefusals)
{
  const std::string out = path("never.cct");
  struct Case
  {
    std::vector<std::string> args;
    int exit;
    const char* message;
  };
  const Case cases[] = {
      {{"design", "match", "--zin", "abc", "-o", out}, 2, "--zin needs"},
      {{"design", "match", "--zin", "0.5", "-o", out}, 2, "--zin needs"},
      {{"design", "match", "-o", out, "--freq"}, 2, "needs a value"},
      {{"design", "match", "--freq", "0Hz", "-o", out}, 2, "--freq needs"},
      {{"design", "filter", "--type", "elliptic", "-o", out}, 2, "unknown type 'elliptic'"},
      {{"design", "filter", "--zin", "50", "-o", out}, 2, "does not apply"},
      {{"design", "filter"}, 2, "missing -o"},
      {{"design", "lamp", "-o", out}, 2, "unknown design 'lamp'"},
      {{"design", "attenuator", "--attenuation", "0dB", "-o", out}, 1, "attenuation out of range"},
      {{"design", "filter", "--type", "chebyshev", "--ripple", "0", "-o", out},
       1,
       "non-realisable ripple"},
      {{"design", "match", "--zout", "50", "-o", out}, 1, "impedances must be different"},
      {{"design", "match", "--topology", "tee-lowpass", "--bandwidth", "100MHz", "-o", out},
       1,
       "non-realisable bandwidth"},
      {{"automatch", out, "--freq", "1MHz", "-o", out}, 1, ""},
      {{"automatch", out, "-o", out}, 2, "missing --freq"},
      {{"automatch", out, "--freq", "1M", "--port1", "--port2", "-o", out}, 2, "exclude"},
  };
  for (const Case& c : cases) {
    std::string trace;
    for (const std::string& a : c.args)
      trace += a + " ";
    SCOPED_TRACE(trace);
    const CliRun run = runCli(c.args);
    EXPECT_EQ(run.exitCode, c.exit);
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(out));
  }
  // A pole count below one is taken as one; the help lists the options.
  design({"filter", "--poles", "0"});
  const CliRun help = runCli({"design", "--help"});
  EXPECT_NE(help.out.find("--attenuation DB"), std::string::npos);
  EXPECT_NE(runCli({"automatch", "--help"}).out.find("--conjugate"), std::string::npos);
}

TEST_F(CliDesign, AutomatchMatchesAMismatchedLoad)
{
  // Port 1 onto 100 ohm parallel 10 pF: Auto Match at 100 MHz inserts an L section.
  testing::Circuit c = testing::Circuit::shuntToGround(ComponentType::Resistor, 100.0);
  c.add(ComponentType::Capacitor, 160, 120, 1, 10e-12); // pins (160, 100) and (160, 140)
  c.wire(120, 100, 160, 100);
  c.wire(120, 140, 160, 140);
  const std::string load = path("load.cct");
  ASSERT_TRUE(saveSchematic(c.doc, load));
  EXPECT_GT(dB(at(load, "100MHz").s11), -10.0);

  const std::string out = path("matched.cct");
  for (const char* topology : {"lowpass", "highpass"}) {
    SCOPED_TRACE(topology);
    const CliRun run = runCli(
        {"automatch", load, "--freq", "100MHz", "--port1", "--topology1", topology, "-o", out});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_LT(dB(at(out, "100MHz").s11), -40.0);
    auto doc = std::make_unique<Tschema>();
    ASSERT_TRUE(loadSchematic(*doc, out));
    EXPECT_EQ(doc->drawdat.components.count(), 3 + 3);
    EXPECT_EQ(doc->drawdat.P1.pos, (TPoint{120, 100})); // moved 100 right, then 80 back
  }

  // Both ports of an asymmetric resistive two-port: the simultaneous conjugate match.
  testing::Circuit two = testing::Circuit::series(ComponentType::Resistor, 30.0);
  two.add(ComponentType::Resistor, 180, 120, 1, 200.0); // port 2's terminal to ground
  two.add(ComponentType::Ground, 180, 150);
  const std::string twoPort = path("two.cct");
  ASSERT_TRUE(saveSchematic(two.doc, twoPort));
  const CliRun run = runCli({"automatch", twoPort, "--freq", "2.4GHz", "-o", out});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const SParams s = at(out, "2.4GHz");
  EXPECT_LT(dB(s.s11), -40.0);
  EXPECT_LT(dB(s.s22), -40.0);

  // A port the circuit does not have.
  const CliRun noPort = runCli({"automatch", load, "--freq", "1MHz", "--port2", "-o", out});
  EXPECT_EQ(noPort.exitCode, 2);
  EXPECT_NE(noPort.err.find("no port 2"), std::string::npos) << noPort.err;

  // Already matched: the message, and the file is still written unchanged but for the run.
  const std::string matched = path("fifty.cct");
  ASSERT_TRUE(
      saveSchematic(testing::Circuit::shuntToGround(ComponentType::Resistor, 50.0).doc, matched));
  const CliRun none = runCli({"automatch", matched, "--freq", "1MHz", "-o", out});
  EXPECT_EQ(none.exitCode, 0);
  EXPECT_NE(none.err.find("Port 1 is already matched"), std::string::npos);
}

TEST_F(CliDesign, BandPassBandwidthIsBetweenEdgesAroundTheGeometricCentre)
{
  // The low-pass to band-pass transformation puts the edges f1, f2 where f2 - f1 is the
  // bandwidth and f1·f2 the centre squared: for 433 MHz and 20 MHz at
  // sqrt(433² + 10²) -/+ 10 = 423.1155 and 443.1154 MHz, not at 423 and 443 MHz.
  const std::string cct =
      design({"filter", "--type", "chebyshev", "--topology", "bandpass", "--center", "433MHz",
              "--bandwidth", "20MHz", "--poles", "3", "--ripple", "0.1dB"});
  EXPECT_NEAR(dB(at(cct, "423.1155MHz").s21), -0.1, 2e-3);
  EXPECT_NEAR(dB(at(cct, "443.1154MHz").s21), -0.1, 2e-3);
  EXPECT_NEAR(dB(at(cct, "433MHz").s21), 0.0, 1e-6);
}

} // namespace
} // namespace norvane
