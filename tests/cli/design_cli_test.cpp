// End-to-end proofs of "norvane-cli design" and "norvane-cli automatch": every design is
// written, simulated with "norvane-cli simulate" and shown to do its job.

#include "cli_support.h"

#include "document/schematicreader.h"
#include "document/schematicwriter.h"
#include "numbers/valuetext.h"
#include "sim/netlist_support.h"
#include "sim/plotpoint.h"
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
    const std::string stop = std::to_string(2.0 * parseValueText(freq));
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

  // Saves a circuit with a linear sweep from `start` to `stop` in `intervals` steps.
  std::string saveWithSweep(testing::Circuit& c, const std::string& name, double start, double stop,
                            int intervals)
  {
    c.doc.Xax.min = start;
    c.doc.Xax.max = stop;
    c.doc.Xax.numpoints = intervals;
    c.doc.Xax.freqmode = freqmode::Linear;
    const std::string file = path(name);
    EXPECT_TRUE(saveSchematic(c.doc, file));
    return file;
  }

  // Every inductor and capacitor of the schematic holds a positive value.
  static void expectPositiveReactances(const std::string& cct)
  {
    auto doc = std::make_unique<Schematic>();
    ASSERT_TRUE(loadSchematic(*doc, cct));
    for (const Component& comp : doc->drawdat.components) {
      if (comp.ctype == ComponentType::Inductor || comp.ctype == ComponentType::Capacitor) {
        EXPECT_GT(comp.value[1].nom, 0.0);
      }
    }
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
    auto doc = std::make_unique<Schematic>();
    ASSERT_TRUE(loadSchematic(*doc, out));
    EXPECT_EQ(doc->drawdat.components.count(), 3 + 3);
    EXPECT_EQ(doc->drawdat.P1.pos, (Point{120, 100})); // moved 100 right, then 80 back
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

TEST_F(CliDesign, AutomatchRefusesATopologyThatNeedsNegativeElements)
{
  // 10 ohm in series, port 2 across 1 kohm parallel 10 pF. At 1 GHz the conjugate match's
  // port-2 impedance needs a negative capacitor in the default High Pass section; the Low
  // Pass section matches it with positive values.
  testing::Circuit c = testing::Circuit::series(ComponentType::Resistor, 10.0);
  c.add(ComponentType::Resistor, 180, 120, 1, 1000.0); // pins (180, 100) and (180, 140)
  c.add(ComponentType::Ground, 180, 150);
  c.add(ComponentType::Capacitor, 220, 120, 1, 10e-12);
  c.add(ComponentType::Ground, 220, 150);
  c.wire(180, 100, 220, 100);
  const std::string load = saveWithSweep(c, "load.cct", 100e6, 2e9, 19);
  const std::string out = path("matched.cct");

  const CliRun refused = runCli({"automatch", load, "--freq", "1GHz", "-o", out});
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_NE(refused.err.find("Port 2 cannot be matched with a High Pass network"),
            std::string::npos)
      << refused.err;
  EXPECT_NE(refused.err.find("Choose the Low Pass topology for port 2"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(out));

  const CliRun matched =
      runCli({"automatch", load, "--freq", "1GHz", "--topology2", "lowpass", "-o", out});
  ASSERT_EQ(matched.exitCode, 0) << matched.err;
  expectPositiveReactances(out);
  const SParams s = at(out, "1GHz");
  EXPECT_LT(dB(s.s11), -40.0);
  EXPECT_LT(dB(s.s22), -40.0);

  // One port on its own: 100 ohm parallel 100 pF at 100 MHz needs a negative series
  // capacitor in a High Pass section.
  testing::Circuit rc = testing::Circuit::shuntToGround(ComponentType::Resistor, 100.0);
  rc.add(ComponentType::Capacitor, 160, 120, 1, 100e-12);
  rc.wire(120, 100, 160, 100);
  rc.wire(120, 140, 160, 140);
  const std::string rcLoad = saveWithSweep(rc, "rc.cct", 10e6, 200e6, 19);
  const CliRun high =
      runCli({"automatch", rcLoad, "--freq", "100MHz", "--topology1", "highpass", "-o", out});
  EXPECT_EQ(high.exitCode, 1);
  EXPECT_NE(high.err.find("Choose the Low Pass topology for port 1"), std::string::npos)
      << high.err;
}

TEST_F(CliDesign, AutomatchRefusesWhatTheCircuitCannotHold)
{
  const std::string out = path("matched.cct");
  // 100 ohm in series, -20 ohm across port 2: K = -9, |Delta| = 0.71. The roots of the
  // simultaneous match are real, but the circuit would oscillate once matched.
  testing::Circuit active = testing::Circuit::series(ComponentType::Resistor, 100.0);
  active.add(ComponentType::Resistor, 180, 120, 1, -20.0);
  active.add(ComponentType::Ground, 180, 150);
  const std::string activeFile = saveWithSweep(active, "active.cct", 10e6, 200e6, 19);
  const CliRun unstable = runCli({"automatch", activeFile, "--freq", "100MHz", "-o", out});
  EXPECT_EQ(unstable.exitCode, 1);
  EXPECT_NE(unstable.err.find("not unconditionally stable there (K = -9.000"), std::string::npos)
      << unstable.err;
  EXPECT_FALSE(std::filesystem::exists(out));
  // Port 2 alone presents a negative resistance (|S22| = 2.7): nothing can match it.
  const CliRun negative =
      runCli({"automatch", activeFile, "--freq", "100MHz", "--port2", "-o", out});
  EXPECT_EQ(negative.exitCode, 1);
  EXPECT_NE(negative.err.find("Port 2 cannot be matched at this frequency"), std::string::npos)
      << negative.err;
  EXPECT_FALSE(std::filesystem::exists(out));

  // A match frequency outside the sweep is not extrapolated.
  const CliRun outside = runCli({"automatch", activeFile, "--freq", "1GHz", "-o", out});
  EXPECT_EQ(outside.exitCode, 1);
  EXPECT_NE(outside.err.find("lies outside the sweep (10MHz to 200MHz)"), std::string::npos)
      << outside.err;
  EXPECT_FALSE(std::filesystem::exists(out));
}

TEST_F(CliDesign, AutomatchRefusesFrequenciesOutsideBlockData)
{
  // The 2-port block's data reach from 1 MHz to 1 GHz; the example sweeps the same range.
  auto doc = std::make_unique<Schematic>();
  ASSERT_TRUE(
      loadSchematic(*doc, std::string(NORVANE_SOURCE_DIR) + "/examples/attenuator_block.cct"));
  doc->Xax.max = 2e9;
  const std::string wide = path("block.cct");
  ASSERT_TRUE(saveSchematic(*doc, wide));
  const std::string out = path("matched.cct");
  const CliRun run = runCli({"automatch", wide, "--freq", "1.5GHz", "-o", out});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find("lies outside the S parameter data"), std::string::npos) << run.err;
  EXPECT_FALSE(std::filesystem::exists(out));
}

TEST_F(CliDesign, AutomatchWarnsWhenTheMatchedCircuitWouldOscillate)
{
  // 50 ohm across port 1, 50 ohm in series, and across port 2 a series resonator at 2 GHz
  // with -20 ohm: unconditionally stable at 500 MHz (K = 3.0), where the match is made, but
  // at the resonance the matched circuit reflects about three times what it receives.
  testing::Circuit c = testing::Circuit::series(ComponentType::Resistor, 50.0);
  c.add(ComponentType::Resistor, 120, 120, 1, 50.0); // across port 1
  c.add(ComponentType::Ground, 120, 150);
  const double l = 50e-9;
  const double w = 2.0 * 3.14159265358979323846 * 2e9;
  c.add(ComponentType::Resistor, 180, 120, 1, -20.0);              // (180, 100) to (180, 140)
  c.add(ComponentType::Inductor, 180, 160, 1, l);                  // to (180, 180)
  c.add(ComponentType::Capacitor, 180, 200, 1, 1.0 / (w * w * l)); // to (180, 220)
  c.add(ComponentType::Ground, 180, 230);
  const std::string load = saveWithSweep(c, "resonator.cct", 100e6, 3e9, 290);
  const std::string out = path("matched.cct");
  const CliRun run = runCli({"automatch", load, "--freq", "500MHz", "-o", out});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.err.find("The matched circuit reflects more than it receives"), std::string::npos)
      << run.err;
  EXPECT_NE(run.err.find("It would oscillate there."), std::string::npos);
  ASSERT_TRUE(std::filesystem::exists(out));
  expectPositiveReactances(out);
  const SParams s = at(out, "500MHz");
  EXPECT_LT(dB(s.s11), -40.0);
  EXPECT_LT(dB(s.s22), -40.0);
  EXPECT_GT(std::abs(at(out, "2GHz").s22), 1.0);

  // A passive circuit matched the same way draws no warning.
  testing::Circuit passive = testing::Circuit::series(ComponentType::Resistor, 30.0);
  passive.add(ComponentType::Resistor, 180, 120, 1, 200.0);
  passive.add(ComponentType::Ground, 180, 150);
  const std::string passiveFile = saveWithSweep(passive, "passive.cct", 100e6, 3e9, 29);
  const CliRun quiet = runCli({"automatch", passiveFile, "--freq", "500MHz", "-o", out});
  EXPECT_EQ(quiet.exitCode, 0) << quiet.err;
  EXPECT_EQ(quiet.err.find("oscillate"), std::string::npos) << quiet.err;
}

TEST_F(CliDesign, DesignsThatCannotBeSimulatedAreRefused)
{
  const std::string out = path("never.cct");
  struct Case
  {
    std::vector<std::string> args;
    const char* message;
  };
  const Case cases[] = {
      // A band pass of 1 mHz at 1e15 Hz: its sweep would start where it stops.
      {{"filter", "--topology", "bandpass", "--center", "1e15", "--bandwidth", "1m"},
       "Bandwidth too narrow for the Center Frequency"},
      {{"filter", "--type", "chebyshev", "--ripple", "400dB"}, "Passband Ripple must be at most"},
      {{"filter", "--type", "chebyshev", "--ripple", "150dB"}, "Passband Ripple must be at most"},
      // A cut-off at or below 100 Hz: the sweep from 1 kHz to ten times it is empty.
      {{"filter", "--bandwidth", "100Hz"}, "Bandwidth (the cut-off frequency) must lie above"},
      {{"filter", "--topology", "bandpass", "--center", "0.1", "--bandwidth", "0.1"},
       "Center Frequency too low"},
      // The match's sweep ends at f + 5B, below its 1 kHz start.
      {{"match", "--topology", "l-lowpass", "--freq", "100Hz"}, "Frequency too low"},
      {{"match", "--topology", "pi-lowpass", "--freq", "100Hz", "--bandwidth", "10Hz"},
       "Frequency and Bandwidth too low"},
      // A pad between unequal impedances with too little loss has negative arms.
      {{"attenuator", "--topology", "tee", "--zin", "50", "--zout", "1000", "--attenuation", "1dB"},
       "needs more than 18.92dB"},
      {{"attenuator", "--topology", "pi", "--zin", "50", "--zout", "1000", "--attenuation", "1dB"},
       "needs more than 18.92dB"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args{"design"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    args.insert(args.end(), {"-o", out});
    std::string trace;
    for (const std::string& a : args)
      trace += a + " ";
    SCOPED_TRACE(trace);
    const CliRun run = runCli(args);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(out));
  }
  // Just inside the limits the designs are written and simulate.
  const std::string narrow = design(
      {"filter", "--topology", "bandpass", "--center", "1G", "--bandwidth", "10", "--poles", "3"});
  EXPECT_NEAR(dB(at(narrow, "1G").s21), 0.0, 1e-3);
  const std::string pad = design({"attenuator", "--topology", "tee", "--zin", "50", "--zout",
                                  "1000", "--attenuation", "19dB"});
  EXPECT_NEAR(dB(at(pad, "1MHz").s21), -19.0, 1e-9);
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
