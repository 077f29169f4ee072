// "norvane-cli simulate --measures nf_db,...": noise figures of whole circuits against what
// the circuit theory says they must be, and S-parameter files with noise parameters.

#include "cli_support.h"

#include "document/schematicwriter.h"
#include "sim/netlist_support.h"
#include "support/scratchfolder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace norvane {
namespace {

using testing::Circuit;
using testing::CliRun;
using testing::runCli;
using T = ComponentType;
using C = std::complex<double>;

constexpr double kBoltzmann = 1.380649e-23;
constexpr double kCharge = 1.602176634e-19;
constexpr double kT0 = 290.0;
constexpr const char* kNoiseMeasures = "nf_db,nfmin_db,gopt_mag,gopt_deg,rn_ohm";

double dB(double factor)
{
  return 10.0 * std::log10(factor);
}

// The cells of every output line by column name; an empty cell is NaN.
std::vector<std::map<std::string, double>> rowsOf(const std::string& out)
{
  std::istringstream in(out);
  std::string line;
  std::getline(in, line);
  std::vector<std::string> names;
  std::istringstream heading(line);
  for (std::string name; std::getline(heading, name, ',');) {
    names.push_back(name);
  }
  std::vector<std::map<std::string, double>> rows;
  while (std::getline(in, line)) {
    std::map<std::string, double> row;
    std::istringstream fields(line + ',');
    std::string field;
    for (std::size_t i = 0; i < names.size() && std::getline(fields, field, ','); ++i) {
      row[names[i]] = field.empty() ? NAN : std::stod(field);
    }
    rows.push_back(row);
  }
  return rows;
}

class CliNoise : public testing::ScratchFolderTest
{
protected:
  std::string save(const Schematic& doc, const std::string& name) const
  {
    const std::string p = path(name);
    EXPECT_TRUE(saveSchematic(doc, p).ok());
    return p;
  }

  // The noise columns of a sweep of `input` (a schematic or an S-parameter file).
  std::vector<std::map<std::string, double>> noiseRows(const std::string& input,
                                                       const std::vector<std::string>& sweep,
                                                       CliRun* run = nullptr) const
  {
    std::vector<std::string> args{"simulate", input,        "--format",
                                  "csv",      "--measures", kNoiseMeasures};
    args.insert(args.end(), sweep.begin(), sweep.end());
    const CliRun r = runCli(args);
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out.find("nan"), std::string::npos);
    EXPECT_EQ(r.out.find("inf"), std::string::npos);
    if (run != nullptr) {
      *run = r;
    }
    return rowsOf(r.out);
  }
};

// Port 1 at (100, 100) meets a shunt element at x = 120, a series element from x = 120 to
// 160, and a shunt element at x = 160, where port 2 connects: a pi section.
Circuit piSection(T shunt1, double v1, T series, double v2, T shunt2, double v3)
{
  Circuit c;
  c.port1(100, 100);
  c.port2(180, 100);
  c.add(shunt1, 120, 120, 1, v1);
  c.add(T::Ground, 120, 150);
  c.add(series, 140, 100, 2, v2);
  c.add(shunt2, 160, 120, 1, v3);
  c.add(T::Ground, 160, 150);
  return c;
}

TEST_F(CliNoise, MatchedPadHasItsLossAsNoiseFigureAndLosslessNetworksNone)
{
  // A matched 3 dB pi pad: K = 10^(3/20), shunt arms 50 (K + 1)/(K - 1), series arm
  // 50 (K^2 - 1)/(2K). A matched attenuator of loss L has F = L.
  const double K = std::pow(10.0, 3.0 / 20.0);
  const Circuit pad = piSection(T::Resistor, 50 * (K + 1) / (K - 1), T::Resistor,
                                50 * (K * K - 1) / (2 * K), T::Resistor, 50 * (K + 1) / (K - 1));
  for (const auto& row : noiseRows(save(pad.doc, "pad.cct"),
                                   {"--start", "1MHz", "--stop", "1GHz", "--points", "3"})) {
    EXPECT_NEAR(row.at("nf_db"), 3.0, 0.001);
    EXPECT_NEAR(row.at("nfmin_db"), 3.0, 0.001); // the pad is matched: 50 ohm is optimal
    EXPECT_NEAR(row.at("gopt_mag"), 0.0, 1e-6);
  }

  // A lossless LC low-pass (ideal parts) and an ideal transformer add no noise, mismatched or
  // not.
  const Circuit lc = piSection(T::Capacitor, 10e-12, T::Inductor, 100e-9, T::Capacitor, 10e-12);
  for (const auto& row :
       noiseRows(save(lc.doc, "lc.cct"), {"--start", "10MHz", "--stop", "1GHz", "--points", "4"})) {
    EXPECT_NEAR(row.at("nf_db"), 0.0, 1e-9);
    EXPECT_NEAR(row.at("nfmin_db"), 0.0, 1e-9);
  }
}

TEST_F(CliNoise, UndefinedNoiseFigureIsReportedAndLeftEmpty)
{
  // Two separate shunt resistors: nothing reaches port 2 from port 1.
  Circuit c;
  c.port1(100, 100);
  c.port2(180, 100);
  c.add(T::Resistor, 120, 120, 1, 100.0);
  c.add(T::Ground, 120, 150);
  c.add(T::Resistor, 160, 120, 1, 100.0);
  c.add(T::Ground, 160, 150);
  CliRun run;
  const auto rows = noiseRows(save(c.doc, "apart.cct"), {"--points", "2"}, &run);
  ASSERT_EQ(rows.size(), 2u);
  for (const auto& row : rows) {
    EXPECT_TRUE(std::isnan(row.at("nf_db")));
    EXPECT_TRUE(std::isnan(row.at("nfmin_db")));
  }
  EXPECT_NE(run.err.find("noise figure is undefined (no transfer to port 2) at 2 of 2"),
            std::string::npos)
      << run.err;

  // A one-port circuit has no noise figure at all.
  const Circuit one = Circuit::shuntToGround(T::Resistor, 50.0);
  const CliRun refused =
      runCli({"simulate", save(one.doc, "one.cct"), "--format", "csv", "--measures", "nf_db"});
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_NE(refused.err.find("Noise analysis needs a two-port circuit"), std::string::npos)
      << refused.err;
}

// The transistor model at 1 kHz, where its capacitances, lead inductances and the roll-off
// of beta are out of the picture, against the hybrid-pi noise figure worked out here: with
// r_pi = (beta + 1) Re and gm r_pi = beta, the sources referred to the source voltage give
//   F = 1 + rb/Rs + 2q Ib (Rs + rb)^2 / (4kT Rs) + 2q Ic ((Rs + rb + r_pi)/beta)^2 / (4kT Rs).
TEST_F(CliNoise, BipolarModelAtLowFrequencyFollowsTheHybridPi)
{
  for (const bool ballPark : {false, true}) {
    SCOPED_TRACE(ballPark ? "ball-park bias" : "bias from Re");
    const double beta = 120.0, re = 13.0, rb = 35.0, icBallPark = 4e-3;
    Circuit c;
    c.port1(170, 100); // base at (190, 100)
    c.port2(230, 80);  // collector at (210, 80)
    Component& q = c.add(T::Bipolar, 200, 100, 1, beta);
    q.value[2].nom = re;
    q.value[2].mintol = rb;
    q.value[2].maxtol = 1e12;  // Ro
    q.value[3].nom = 1e-20;    // Cbe
    q.value[3].mintol = 1e-20; // Ccb
    q.value[3].maxtol = 1e-20; // delay
    q.value[4].nom = 1e-20;    // Lb
    q.value[4].mintol = 1e12;  // beta's 3 dB frequency
    q.value[4].maxtol = 1e-20; // Le
    q.value[5].nom = icBallPark;
    q.value[5].TolEn = ballPark;
    c.add(T::Ground, 210, 130); // emitter at (210, 120)

    const double kT = kBoltzmann * kT0;
    const double rpi = (beta + 1) * re;
    const double ic = ballPark ? icBallPark : beta / (beta + 1) * (kT / kCharge) / re;
    const double ib = ic / beta;
    const double rs = 50.0;
    const double f = 1 + rb / rs + 2 * kCharge * ib * (rs + rb) * (rs + rb) / (4 * kT * rs) +
                     2 * kCharge * ic * std::pow((rs + rb + rpi) / beta, 2) / (4 * kT * rs);
    const auto rows =
        noiseRows(save(c.doc, "bjt.cct"), {"--start", "1kHz", "--stop", "2kHz", "--points", "2"});
    ASSERT_FALSE(rows.empty());
    EXPECT_NEAR(rows[0].at("nf_db"), dB(f), 0.01);
    // The noise parameters say the same of a 50 ohm source: F = Fmin + Rn |Ys - Yopt|^2 / Gs.
    const auto& r = rows[0];
    const C g = std::polar(r.at("gopt_mag"), r.at("gopt_deg") * M_PI / 180);
    const C yopt = (1.0 - g) / ((1.0 + g) * 50.0);
    const double fFromParameters =
        std::pow(10.0, r.at("nfmin_db") / 10) + r.at("rn_ohm") * std::norm(1.0 / 50 - yopt) * 50.0;
    EXPECT_NEAR(dB(fFromParameters), r.at("nf_db"), 1e-6);
  }
}

// A transistor file with noise parameters after its S-data, against 75 ohm: simulated as a
// block between 50 ohm ports, its own noise parameters come back out (referred to 50 ohm)
// at the file's frequencies and half-way between them, and the Touchstone export writes them
// again.
TEST_F(CliNoise, DataFileNoiseParametersComeBackOut)
{
  const std::string file = path("lna.s2p");
  testing::writeFileBytes(file, "! vendor style\r\n"
                                "# GHz S MA R 75\r\n"
                                "1 0.60 -60 4.0 100 0.05 50 0.50 -40\r\n"
                                "2 0.50 -100 3.0 80 0.07 40 0.40 -60\r\n"
                                "! noise parameters\r\n"
                                "1 0.80 0.50 40 0.40\r\n"
                                "2 1.20 0.40 80 0.30\r\n");
  // Gamma-opt against 75 ohm and Rn/75, re-expressed against 50 ohm.
  const auto at50 = [](double mag, double deg) {
    const C g = std::polar(mag, deg * M_PI / 180);
    const C z = 75.0 * (1.0 + g) / (1.0 - g);
    return (z - 50.0) / (z + 50.0);
  };
  const struct
  {
    double nfmin, rn;
    C gopt;
  } want[3] = {
      {0.80, 30.0, at50(0.50, 40)}, {1.00, 26.25, at50(0.45, 60)}, {1.20, 22.5, at50(0.40, 80)}};
  const auto rows = noiseRows(file, {"--points", "3"});
  ASSERT_EQ(rows.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    const C gopt = std::polar(rows[i].at("gopt_mag"), rows[i].at("gopt_deg") * M_PI / 180);
    EXPECT_NEAR(rows[i].at("nfmin_db"), want[i].nfmin, 0.01);
    EXPECT_NEAR(rows[i].at("rn_ohm"), want[i].rn, 0.001 * want[i].rn);
    if (i != 1) { // half-way, the file's Gamma-opt is interpolated against 75 ohm
      EXPECT_NEAR(std::abs(gopt - want[i].gopt), 0.0, 1e-3);
    }
  }

  const CliRun exported =
      runCli({"simulate", file, "--format", "touchstone", "--noise", "--points", "2"});
  ASSERT_EQ(exported.exitCode, 0) << exported.err;
  const std::string block = exported.out.substr(exported.out.find("! Noise parameters"));
  std::istringstream lines(block);
  std::string line;
  std::getline(lines, line);
  double f = 0, nfmin = 0, mag = 0, deg = 0, rn = 0;
  ASSERT_TRUE(lines >> f >> nfmin >> mag >> deg >> rn);
  EXPECT_EQ(f, 1e9);
  EXPECT_NEAR(nfmin, 0.80, 1e-9);
  EXPECT_NEAR(std::abs(std::polar(mag, deg * M_PI / 180) - at50(0.50, 40)), 0.0, 1e-9);
  EXPECT_NEAR(rn, 30.0 / 50.0, 1e-9);
  // Asked only with the Touchstone format.
  EXPECT_EQ(runCli({"simulate", file, "--format", "csv", "--noise"}).exitCode, 2);

  // A 1-port file is a block at port 1 alone, swept over its own frequencies.
  testing::writeFileBytes(path("one.s1p"), "# MHz S MA R 50\r\n100 0.5 -30\r\n200 0.4 -60\r\n");
  const CliRun one = runCli({"simulate", path("one.s1p"), "--format", "csv"});
  ASSERT_EQ(one.exitCode, 0) << one.err;
  const std::vector<testing::SParameterPoint> points = testing::readSimulateCsv(one.out);
  ASSERT_EQ(points.size(), 2u);
  EXPECT_EQ(points[1].f, 200e6);
  EXPECT_NEAR(std::abs(points[1].s[0] - std::polar(0.4, -M_PI / 3)), 0.0, 1e-12);
  EXPECT_TRUE(std::isnan(points[1].s[1].real())); // no port 2
}

// Two amplifier blocks with noise parameters in cascade, each matched (S11 = S22 = 0, so the
// second sees 50 ohm and the first's available gain is |S21|^2): Friis' formula
// F = F1 + (F2 - 1)/G1, each F at a 50 ohm source from its noise parameters. The schematic
// keeps the blocks' noise parameters: saved, read and saved again, byte for byte.
TEST_F(CliNoise, CascadeOfNoisyBlocksFollowsFriis)
{
  struct Stage
  {
    C s21, s12;
    double nfminDb, rn;
    C gopt;
  };
  const Stage stages[2] = {{std::polar(2.5, 0.5), 0.05, 1.0, 20.0, std::polar(0.4, 1.0)},
                           {std::polar(3.0, -0.8), 0.02, 2.0, 30.0, std::polar(0.3, 2.1)}};
  Circuit c;
  c.port1(150, 100); // block 1 from (170, 100) to (230, 100), block 2 from (270, 100)
  c.port2(350, 100); // to (330, 100)
  c.add(T::SParam2, 200, 110, 1, 1.0);
  c.add(T::Ground, 200, 150);
  c.wire(230, 100, 270, 100);
  c.add(T::SParam2, 300, 110, 1, 2.0);
  c.add(T::Ground, 300, 150);
  double fStage[2];
  for (int k = 0; k < 2; ++k) {
    const Stage& st = stages[k];
    TwoPortDataSet& set = c.doc.datasets.twoPort[k + 1];
    set.name = "stage" + std::to_string(k + 1);
    for (double f : {1e9, 2e9}) {
      TwoPortPoint p;
      p.freq = f;
      p.s21 = {std::abs(st.s21), std::arg(st.s21)};
      p.s12 = {std::abs(st.s12), std::arg(st.s12)};
      set.points.append(p);
      set.noise.push_back({f, st.nfminDb, {std::abs(st.gopt), std::arg(st.gopt)}, st.rn});
    }
    fStage[k] = std::pow(10.0, st.nfminDb / 10) +
                st.rn / 50 * 4 * std::norm(st.gopt) / std::norm(1.0 + st.gopt);
  }
  const double want = dB(fStage[0] + (fStage[1] - 1) / std::norm(stages[0].s21));
  const std::string cct = save(c.doc, "cascade.cct");
  for (const auto& row : noiseRows(cct, {"--start", "1GHz", "--stop", "2GHz", "--points", "3"})) {
    EXPECT_NEAR(row.at("nf_db"), want, 0.001);
  }
  ASSERT_EQ(runCli({"resave", cct, "-o", path("again.cct")}).exitCode, 0);
  EXPECT_EQ(testing::readFileBytes(path("again.cct")), testing::readFileBytes(cct));
  EXPECT_NE(testing::readFileBytes(cct).find("noisedata{"), std::string::npos);
}

// Bosma's theorem: a data block holding the exact S-parameters of a lossy passive circuit
// makes the noise the circuit makes. The circuit: a lossy inductor in series, a resistor and
// a lossy capacitor across, mismatched at both ports.
TEST_F(CliNoise, PassiveDataBlockMakesTheNoiseOfTheCircuitItDescribes)
{
  Circuit c = piSection(T::Resistor, 220.0, T::Inductor, 150e-9, T::Capacitor, 15e-12);
  for (Component& part : c.doc.drawdat.components) {
    if (part.ctype == T::Inductor || part.ctype == T::Capacitor) {
      part.value[2].nom = part.ctype == T::Inductor ? 25 : 60; // Q
      part.value[3].nom = 100e6;                               // at 100 MHz
      part.value[4].nom = 3e9;                                 // self-resonance
      part.value[5].nom = 3;                                   // constant Q
      part.value[5].TolEn = true;
    }
  }
  const std::string cct = save(c.doc, "lossy.cct");
  const std::vector<std::string> sweep{"--start",  "20MHz", "--stop", "500MHz",
                                       "--points", "25",    "--lin"};
  std::vector<std::string> exportArgs{"simulate",   cct,  "--format",
                                      "touchstone", "-o", path("lossy.s2p")};
  exportArgs.insert(exportArgs.end(), sweep.begin(), sweep.end());
  ASSERT_EQ(runCli(exportArgs).exitCode, 0);
  const auto circuit = noiseRows(cct, sweep);
  CliRun blockRun;
  const auto block = noiseRows(path("lossy.s2p"), {}, &blockRun);
  EXPECT_EQ(blockRun.err.find("noiseless"), std::string::npos) << blockRun.err;
  ASSERT_EQ(circuit.size(), block.size());
  for (std::size_t i = 0; i < circuit.size(); ++i) {
    EXPECT_GT(circuit[i].at("nf_db"), 0.1);
    EXPECT_NEAR(block[i].at("nf_db"), circuit[i].at("nf_db"), 1e-6) << i;
    EXPECT_NEAR(block[i].at("nfmin_db"), circuit[i].at("nfmin_db"), 1e-6) << i;
  }
}

// Passive R, L, C and line circuits against ngspice's noise analysis at the same 290 K: its
// input-referred noise at the source (whose 50 ohm source resistor is the source's own noise)
// gives F = inoise^2 / (4kT 50). The 50 ohm load is a noiseless VCCS there, as the noise
// figure counts no load noise. The circuit: 220 ohm across port 1, a physical inductor
// (150 nH, Q 40 at 100 MHz with constant loss resistance, self-resonance 2 GHz) in series,
// 15 pF across, a 75 ohm line of 1.5 ns in series, 330 ohm across port 2.
TEST_F(CliNoise, PassiveCircuitsAgreeWithNgspice)
{
  ASSERT_EQ(std::system("ngspice --version > /dev/null 2>&1"), 0)
      << "ngspice not found (scripts/deps.sh installs it)";
  const double L = 150e-9, Q = 40, F = 100e6, srf = 2e9;
  Circuit c;
  c.port1(100, 100);
  c.port2(220, 100);
  c.add(T::Resistor, 120, 120, 1, 220.0);
  c.add(T::Ground, 120, 150);
  Component& ind = c.add(T::Inductor, 140, 100, 2, L);
  ind.value[2].nom = Q;
  ind.value[3].nom = F;
  ind.value[4].nom = srf;
  ind.value[5].nom = 1; // loss resistance 2 pi F L / Q at every frequency
  ind.value[5].TolEn = true;
  c.add(T::Capacitor, 160, 120, 1, 15e-12);
  c.add(T::Ground, 160, 150);
  Component& line = c.add(T::TxLine, 180, 100, 2, 75.0);
  line.value[2].nom = 2e8; // m/s
  line.value[3].nom = 0.3; // m: 1.5 ns
  c.add(T::Resistor, 200, 120, 1, 330.0);
  c.add(T::Ground, 200, 150);
  const auto ours = noiseRows(save(c.doc, "passive.cct"),
                              {"--start", "50MHz", "--stop", "350MHz", "--points", "7", "--lin"});

  const double rs = 2 * M_PI * F * L / Q;
  const double cp = 1 / (std::pow(2 * M_PI * srf, 2) * L);
  std::ostringstream deck;
  deck << "noise of a passive circuit\n"
       << "V1 in 0 DC 0 AC 1\nRsrc in p1 50\nR1 p1 0 220\n"
       << "L1 p1 m " << L << "\nRl m p2 " << rs << "\nCp p1 p2 " << cp << "\n"
       << "C1 p2 0 15p\nT1 p2 0 p3 0 z0=75 td=1.5n\nR2 p3 0 330\n"
       << "Gload p3 0 p3 0 0.02\n"
       << ".options temp=16.85 tnom=16.85\n"
       << ".noise v(p3) V1 lin 7 50e6 350e6\n"
       << ".control\nrun\nsetplot noise1\nwrdata inoise.txt inoise_spectrum\n.endc\n.end\n";
  testing::writeFileBytes(path("passive.cir"), deck.str());
  // ngspice ends a batch run with a .control block with status 1 even when it ran; what it
  // wrote is what counts.
  const std::string command =
      "cd '" + folder.string() + "' && ngspice -b passive.cir > passive.log 2>&1";
  [[maybe_unused]] const int status = std::system(command.c_str());
  std::istringstream in(testing::readFileBytes(path("inoise.txt")));
  std::vector<double> nf;
  for (double f = 0, v = 0; in >> f >> v;) {
    nf.push_back(dB(v * v / (4 * kBoltzmann * kT0 * 50)));
  }
  ASSERT_EQ(nf.size(), ours.size());
  for (std::size_t i = 0; i < nf.size(); ++i) {
    EXPECT_GT(nf[i], 0.5);
    EXPECT_NEAR(ours[i].at("nf_db"), nf[i], 0.01) << "point " << i;
  }
}

} // namespace
} // namespace norvane
