// "norvane-cli simulate --format csv --measures": the stability and gain columns agree with
// their closed forms worked out here from the S columns of the same output.

#include "cli_support.h"
#include "examples_support.h"

#include "config/environment.h"
#include "document/clearschematic.h"
#include "document/pins.h"
#include "document/placement.h"
#include "document/schematicwriter.h"
#include "support/scratchfolder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <map>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

namespace norvane {
namespace {

using testing::CliRun;
using testing::runCli;
using C = std::complex<double>;

constexpr const char* kAllMeasures =
    "k,delta,mu1,mu2,mag_db,vswr1,vswr2,zin_re,zin_im,zout_re,zout_im,gd21_s";

// The measure cells of every output line by column name; an empty cell is NaN.
std::vector<std::map<std::string, double>> measureRows(const std::string& out)
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
    std::istringstream fields(line + ','); // getline drops a closing empty field
    std::string field;
    for (std::size_t i = 0; i < names.size() && std::getline(fields, field, ','); ++i) {
      row[names[i]] = field.empty() ? NAN : std::stod(field);
    }
    EXPECT_EQ(row.size(), names.size()) << line;
    rows.push_back(row);
  }
  return rows;
}

void expectClose(double got, double want, const char* what, double f)
{
  EXPECT_NEAR(got, want, 1e-9 * std::max(1.0, std::fabs(want))) << what << " at " << f << " Hz";
}

struct ClosedForms
{
  double k, delta, mu1, mu2, magDb, vswr1, vswr2;
  C zin, zout;
};

ClosedForms closedForms(const testing::SParameterPoint& p, double z1, double z2)
{
  const C s11 = p.s[0], s21 = p.s[1], s12 = p.s[2], s22 = p.s[3];
  const C d = s11 * s22 - s12 * s21;
  ClosedForms c{};
  c.k = (1 - std::norm(s11) - std::norm(s22) + std::norm(d)) / (2 * std::abs(s12 * s21));
  c.delta = std::abs(d);
  c.mu1 = (1 - std::norm(s11)) / (std::abs(s22 - d * std::conj(s11)) + std::abs(s12 * s21));
  c.mu2 = (1 - std::norm(s22)) / (std::abs(s11 - d * std::conj(s22)) + std::abs(s12 * s21));
  const double ratio = std::abs(s21 / s12);
  c.magDb = 10 * std::log10(c.k >= 1 ? ratio * (c.k - std::sqrt(c.k * c.k - 1)) : ratio);
  c.vswr1 = (1 + std::abs(s11)) / (1 - std::abs(s11));
  c.vswr2 = (1 + std::abs(s22)) / (1 - std::abs(s22));
  c.zin = z1 * (1.0 + s11) / (1.0 - s11);
  c.zout = z2 * (1.0 + s22) / (1.0 - s22);
  return c;
}

class CliMeasures : public testing::ScratchFolderTest
{
protected:
  std::string save(const Schematic& doc, const std::string& name) const
  {
    const std::string p = path(name);
    EXPECT_TRUE(saveSchematic(doc, p).ok());
    return p;
  }
};

// A matched T pad between two 50 ohm ports: 10 ohm, 120 ohm to ground, 10 ohm. Each side
// sees 10 + 120 || 60 = 50 ohm, and S21 = (40/50) (50/60) = 2/3.
Schematic matchedPad()
{
  Schematic doc;
  clearSchematic(doc, Environment{});
  for (int n : {1, 2}) {
    Port& port = n == 1 ? doc.drawdat.P1 : doc.drawdat.P2;
    port.pos = n == 1 ? Point{100, 100} : Point{340, 100};
    port.crot = 1;
    port.Zo = 50;
    port.node = portConnectionPoint(n, port);
  }
  const auto place = [&doc](ComponentType kind, int crot, Point at, double value) {
    const PlacementResult r = placeComponent(doc, kind, crot, at);
    EXPECT_TRUE(r.placed()) << r.message;
    doc.drawdat.components[r.index].value[1].nom = value;
  };
  place(ComponentType::Resistor, 2, {160, 100}, 10);
  place(ComponentType::Resistor, 1, {220, 120}, 120);
  place(ComponentType::Ground, 1, {220, 150}, 0);
  place(ComponentType::Resistor, 2, {260, 100}, 10);
  for (const auto& [a, b] : {std::pair<Point, Point>{{120, 100}, {140, 100}},
                             {{180, 100}, {220, 100}},
                             {{220, 100}, {240, 100}},
                             {{280, 100}, {320, 100}}}) {
    doc.drawdat.wires.append({false, false, a, b});
  }
  doc.Xax.min = 1e6;
  doc.Xax.max = 1e9;
  doc.Xax.numpoints = 10;
  return doc;
}

TEST_F(CliMeasures, TransistorDataAgreeWithClosedFormsWhereStableAndWhereNot)
{
  // A transistor's data: potentially unstable at the low end (K about 0.3 at 100 MHz),
  // unconditionally stable at the top (K about 10 at 2 GHz).
  const std::string s2p = path("amp.s2p");
  testing::writeFileBytes(s2p, "# MHZ S MA R 50\n"
                               "100 0.8 -60 8 140 0.05 60 0.6 -30\n"
                               "500 0.65 -120 4 100 0.05 50 0.5 -45\n"
                               "1000 0.5 -150 2 60 0.04 40 0.4 -60\n"
                               "2000 0.45 170 1.2 30 0.03 30 0.35 -80\n");
  const std::string cct = save(testing::attenuatorBlockExample(), "amp.cct");
  const CliRun run =
      runCli({"simulate", cct, "--data", "ATT1=" + s2p, "--format", "csv", "--start", "100MHz",
              "--stop", "2GHz", "--points", "39", "--lin", "--measures", kAllMeasures});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out.substr(0, run.out.find('\n')),
            std::string("freq_hz,s11_re,s11_im,s21_re,s21_im,s12_re,s12_im,s22_re,s22_im,") +
                kAllMeasures);
  const auto points = testing::readSimulateCsv(run.out);
  const auto rows = measureRows(run.out);
  ASSERT_EQ(points.size(), 39u);
  ASSERT_EQ(rows.size(), 39u);
  int stable = 0, unstable = 0, msg = 0;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const double f = points[i].f;
    const ClosedForms c = closedForms(points[i], 50, 50);
    const auto& r = rows[i];
    expectClose(r.at("k"), c.k, "k", f);
    expectClose(r.at("delta"), c.delta, "delta", f);
    expectClose(r.at("mu1"), c.mu1, "mu1", f);
    expectClose(r.at("mu2"), c.mu2, "mu2", f);
    expectClose(r.at("mag_db"), c.magDb, "mag_db", f);
    expectClose(r.at("vswr1"), c.vswr1, "vswr1", f);
    expectClose(r.at("vswr2"), c.vswr2, "vswr2", f);
    expectClose(r.at("zin_re"), c.zin.real(), "zin_re", f);
    expectClose(r.at("zin_im"), c.zin.imag(), "zin_im", f);
    expectClose(r.at("zout_re"), c.zout.real(), "zout_re", f);
    expectClose(r.at("zout_im"), c.zout.imag(), "zout_im", f);
    // Edwards-Sinsky: mu1 > 1 alone says what K > 1 with |Delta| < 1 says.
    if (std::fabs(c.k - 1) > 1e-6 && std::fabs(c.mu1 - 1) > 1e-6) {
      EXPECT_EQ(c.mu1 > 1, c.k > 1 && c.delta < 1) << f;
    }
    const bool isStable = c.k > 1 && c.delta < 1;
    (isStable ? stable : unstable)++;
    msg += c.k < 1;
    // Interior points: the central difference of the phase over two equal steps.
    if (i > 0 && i + 1 < points.size()) {
      const double dphi = std::arg(points[i + 1].s[1] / points[i - 1].s[1]);
      const double domega = 2 * std::numbers::pi * (points[i + 1].f - points[i - 1].f);
      EXPECT_NEAR(r.at("gd21_s"), std::fabs(dphi / domega), 1e-9 * std::fabs(dphi / domega)) << f;
    }
  }
  EXPECT_GT(stable, 3);
  EXPECT_GT(unstable, 3);
  EXPECT_GT(msg, 3);
}

TEST_F(CliMeasures, MatchedPadIsStableAndItsMaximumGainIsItsLoss)
{
  const CliRun run = runCli({"simulate", save(matchedPad(), "pad.cct"), "--format", "csv",
                             "--measures", "k,mag_db,vswr1,vswr2,zin_re"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const auto points = testing::readSimulateCsv(run.out);
  const auto rows = measureRows(run.out);
  ASSERT_EQ(rows.size(), 11u);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const double s21Db = 20 * std::log10(std::abs(points[i].s[1]));
    EXPECT_NEAR(s21Db, 20 * std::log10(2.0 / 3.0), 1e-9);
    EXPECT_GT(rows[i].at("k"), 1.0);
    EXPECT_NEAR(rows[i].at("mag_db"), s21Db, 1e-9);
    EXPECT_NEAR(rows[i].at("vswr1"), 1.0, 1e-9);
    EXPECT_NEAR(rows[i].at("vswr2"), 1.0, 1e-9);
    EXPECT_NEAR(rows[i].at("zin_re"), 50.0, 1e-7);
  }
}

TEST_F(CliMeasures, UnknownItemsAreRefusedAndOnePortCircuitsLeaveTwoPortCellsEmpty)
{
  Schematic doc = testing::rcDividerExample();
  const std::string twoPort = save(doc, "divider.cct");
  const CliRun unknown =
      runCli({"simulate", twoPort, "--format", "csv", "--measures", "k,gain,mu1"});
  EXPECT_EQ(unknown.exitCode, 2);
  EXPECT_EQ(unknown.out, "");
  EXPECT_NE(unknown.err.find("unknown measure 'gain' (k, delta, mu1, mu2, mag_db, vswr1, vswr2, "
                             "zin_re, zin_im, zout_re, zout_im, gd21_s, nf_db, nfmin_db, gopt_mag, "
                             "gopt_deg, rn_ohm)"),
            std::string::npos)
      << unknown.err;
  const CliRun notCsv = runCli({"simulate", twoPort, "--measures", "k"});
  EXPECT_EQ(notCsv.exitCode, 2);
  EXPECT_NE(notCsv.err.find("--measures needs --format csv"), std::string::npos) << notCsv.err;

  // Port 2 taken away, port 1 at 75 ohm: the port-1 figures are there, the rest empty.
  doc.drawdat.P2.pos = {-100, -100};
  doc.drawdat.P1.Zo = 75;
  const CliRun run =
      runCli({"simulate", save(doc, "oneport.cct"), "--format", "csv", "--measures", kAllMeasures});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const auto points = testing::readSimulateCsv(run.out);
  const auto rows = measureRows(run.out);
  ASSERT_FALSE(rows.empty());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const ClosedForms c = closedForms(points[i], 75, 0);
    expectClose(rows[i].at("vswr1"), c.vswr1, "vswr1", points[i].f);
    expectClose(rows[i].at("zin_re"), c.zin.real(), "zin_re", points[i].f);
    expectClose(rows[i].at("zin_im"), c.zin.imag(), "zin_im", points[i].f);
    for (const char* twoPortItem :
         {"k", "delta", "mu1", "mu2", "mag_db", "vswr2", "zout_re", "zout_im", "gd21_s"}) {
      EXPECT_TRUE(std::isnan(rows[i].at(twoPortItem))) << twoPortItem;
    }
  }
}

} // namespace
} // namespace norvane
