// End-to-end proofs of "norvane-cli optimize": circuits knocked off their values are pulled
// back onto their goals, which an independent "simulate" run then confirms.

#include "cli_support.h"

#include "document/componentkinds.h"
#include "document/schematicreader.h"
#include "document/schematicwriter.h"
#include "optimize/eseries.h"
#include "support/scratchfolder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <filesystem>
#include <memory>
#include <vector>

namespace norvane {
namespace {

using testing::CliRun;
using testing::runCli;

double dB(std::complex<double> s)
{
  return 20.0 * std::log10(std::abs(s));
}

class CliOptimize : public testing::ScratchFolderTest
{
protected:
  std::string design(std::vector<std::string> args, const std::string& name)
  {
    const std::string out = path(name);
    args.insert(args.begin(), "design");
    args.insert(args.end(), {"-o", out});
    const CliRun run = runCli(args);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return out;
  }

  std::unique_ptr<Schematic> load(const std::string& file)
  {
    auto doc = std::make_unique<Schematic>();
    EXPECT_TRUE(loadSchematic(*doc, file));
    return doc;
  }

  // The main values of the non-ground components, in listing order.
  std::vector<double> mainValues(const std::string& file)
  {
    const auto doc = load(file);
    std::vector<double> values;
    for (const Component& c : doc->drawdat.components) {
      if (!isGround(c)) {
        values.push_back(c.value[componentKind(c.ctype).tunedSlot()].nom);
      }
    }
    return values;
  }

  // Multiplies the main values of the listed components by the factors, in listing order.
  std::string knockOff(const std::string& file, const std::vector<double>& factors)
  {
    const auto doc = load(file);
    std::size_t i = 0;
    for (Component& c : doc->drawdat.components) {
      if (!isGround(c) && i < factors.size()) {
        c.value[componentKind(c.ctype).tunedSlot()].nom *= factors[i++];
      }
    }
    const std::string out = path("off.cct");
    EXPECT_TRUE(saveSchematic(*doc, out));
    return out;
  }

  std::vector<testing::SParameterPoint> sweep(const std::string& file, const std::string& start,
                                              const std::string& stop)
  {
    const CliRun run = runCli({"simulate", file, "--format", "csv", "--start", start, "--stop",
                               stop, "--points", "201", "--lin"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return testing::readSimulateCsv(run.out);
  }

  // The lowest and highest S21 in dB over a band.
  std::pair<double, double> s21Range(const std::string& file, const std::string& start,
                                     const std::string& stop)
  {
    double lo = HUGE_VAL, hi = -HUGE_VAL;
    for (const auto& p : sweep(file, start, stop)) {
      lo = std::min(lo, dB(p.s[1]));
      hi = std::max(hi, dB(p.s[1]));
    }
    return {lo, hi};
  }

  // A 5-pole 0.5 dB Chebyshev low pass, cut-off 100 MHz, its values 30 % off in turn up and
  // down.
  std::string offFilter()
  {
    const std::string filter = design({"filter", "--type", "chebyshev", "--poles", "5",
                                       "--bandwidth", "100MHz", "--ripple", "0.5dB"},
                                      "filter.cct");
    return knockOff(filter, {1.3, 0.7, 1.3, 0.7, 1.3});
  }

  const std::vector<std::string> filterGoals = {"--goal", "S21 dB >= -0.5 from 0 to 100MHz",
                                                "--goal", "S21 dB <= -30 from 200MHz to 1GHz"};
};

TEST_F(CliOptimize, FilterThirtyPercentOffIsPulledBackOntoItsGoals)
{
  const std::string off = offFilter();
  EXPECT_LT(s21Range(off, "1MHz", "100MHz").first, -0.5); // the knocked-off filter misses
  const std::string out = path("out.cct");
  std::vector<std::string> args = {"optimize", off, "-o", out};
  args.insert(args.end(), filterGoals.begin(), filterGoals.end());
  const CliRun run = runCli(args);
  ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
  EXPECT_NE(run.out.find("goal 1: S21 dB >= -0.5 from 0Hz to 100MHz: worst "), std::string::npos);
  EXPECT_EQ(run.out.find("not met"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("#3: "), std::string::npos) << run.out; // unnamed parts by number
  EXPECT_NE(run.out.find("evaluations: "), std::string::npos);
  EXPECT_GE(s21Range(out, "1MHz", "100MHz").first, -0.5);
  EXPECT_LE(s21Range(out, "200MHz", "1GHz").second, -30.0);

  // Seeded: the same run writes the same file.
  const std::string again = path("again.cct");
  args[3] = again;
  EXPECT_EQ(runCli(args).exitCode, 0);
  EXPECT_EQ(testing::readFileBytes(out), testing::readFileBytes(again));
}

TEST_F(CliOptimize, LSectionTwiceOffIsMatchedAtItsFrequency)
{
  const std::string match = design(
      {"match", "--topology", "l-lowpass", "--zin", "50R", "--zout", "200R", "--freq", "100MHz"},
      "match.cct");
  const std::string off = knockOff(match, {2.0, 0.5});
  const std::string out = path("out.cct");
  const CliRun run = runCli({"optimize", off, "--goal", "S11 dB <= -30 at 100MHz", "--vary",
                             "1=10n..1u", "--vary", "2=1p..100p", "--method", "local", "-o", out});
  ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
  EXPECT_LT(dB(sweep(out, "100MHz", "101MHz").front().s[0]), -30.0);
}

TEST_F(CliOptimize, SeriesConstrainedValuesAreWrittenAsSeriesValues)
{
  const std::string off = offFilter();
  const std::string out = path("out.cct");
  std::vector<std::string> args = {"optimize", off, "-o", out};
  for (const char* n : {"1", "2", "3", "4", "5"}) {
    args.insert(args.end(), {"--vary", std::string(n) + ",E24"});
  }
  args.insert(args.end(), {"--goal", "S21 dB >= -0.6 from 0 to 100MHz", "--goal",
                           "S21 dB <= -30 from 200MHz to 1GHz"});
  const CliRun run = runCli(args);
  ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
  for (const double v : mainValues(out)) {
    EXPECT_TRUE(isSeriesValue(v, ESeries::E24)) << v;
  }
  EXPECT_GE(s21Range(out, "1MHz", "100MHz").first, -0.6);
}

TEST_F(CliOptimize, GoalsMetAtTheStartCostOneEvaluation)
{
  // The example low pass is lossless: its K is 1 to the last digit (rounding gives
  // 0.99999999999999989), and its group delay at 75 MHz is 4.3175 ns (simulate's gd21_s
  // over a 10 kHz step).
  const std::string out = path("out.cct");
  const CliRun run = runCli({"optimize", std::string(NORVANE_SOURCE_DIR) + "/examples/lowpass3.cct",
                             "--goal", "K >= 1 at 75MHz", "--goal", "GD21 s <= 5ns at 75MHz",
                             "--goal", "VSWR1 <= 2.5 at 75MHz", "--max-evals", "1", "-o", out});
  EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
  EXPECT_NE(run.out.find("goal 2: GD21 s <= 5ns at 75MHz: worst 4.318ns, met"), std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("goal 3: VSWR1 <= 2.5 at 75MHz: worst 2.273, met"), std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("evaluations: 1\n"), std::string::npos) << run.out;
}

TEST_F(CliOptimize, NoiseFigureGoalsAreCheckedByTheNoiseAnalysis)
{
  // The LNA example is noise-matched at 1.5 GHz: NF 0.89 dB there. A goal above that holds at
  // once; one below the transistor's NFmin cannot be met by any matching.
  const std::string lna = std::string(NORVANE_SOURCE_DIR) + "/examples/lna.cct";
  const std::string out = path("out.cct");
  const CliRun met =
      runCli({"optimize", lna, "--goal", "NF dB <= 1 at 1.5GHz", "--max-evals", "1", "-o", out});
  EXPECT_EQ(met.exitCode, 0) << met.out << met.err;
  EXPECT_NE(met.out.find("goal 1: NF dB <= 1 at 1.5GHz: worst 0.89"), std::string::npos) << met.out;
  const CliRun unmet =
      runCli({"optimize", lna, "--goal", "NF dB <= 0.5 at 1.5GHz", "--max-evals", "30", "-o", out});
  EXPECT_EQ(unmet.exitCode, 3) << unmet.out << unmet.err;
  EXPECT_NE(unmet.out.find("not met"), std::string::npos) << unmet.out;
}

TEST_F(CliOptimize, BadOptionsAreRefusedAndWriteNothing)
{
  const std::string off = offFilter();
  const std::string out = path("out.cct");
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"--goal", "S31 dB <= -3 at 1GHz"}, "unknown measure 'S31'"},
      {{"--goal", "S21 dB >= -1 from 2GHz"}, "missing 'to'"},
      {{"--goal", "S21 dB >= -1 at 1GHz", "--vary", "L9"}, "'L9'"},
      {{"--goal", "S21 dB >= -1 at 1GHz", "--vary", "1,E7"}, "unknown series 'E7'"},
      {{"--goal", "S21 dB >= -1 at 1GHz", "--vary", "2=5p"}, "MIN..MAX"},
      {{"--goal", "S21 dB >= -1 at 1GHz", "--method", "newton"}, "unknown method 'newton'"},
      {{"--goal", "S21 dB >= -1 at 1GHz", "--vary", "1", "--vary", "1=1n..1u"}, "varied twice"},
      {{"--goal", "S21 dB >= -1 at 1GHz", "--max-evals", "0"}, "--max-evals"},
      {{}, "no goals"},
  };
  for (const auto& [extra, message] : cases) {
    std::vector<std::string> args = {"optimize", off, "-o", out};
    args.insert(args.end(), extra.begin(), extra.end());
    const CliRun run = runCli(args);
    EXPECT_EQ(run.exitCode, 2) << message;
    EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(out)) << message;
  }
  // A circuit that cannot be simulated: exit 1, nothing written.
  const CliRun missing =
      runCli({"optimize", path("none.cct"), "--goal", "K >= 1 at 1GHz", "-o", out});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_FALSE(std::filesystem::exists(out));
}

TEST_F(CliOptimize, GoalsAreStoredUsedAgainAndSurviveResave)
{
  const std::string off = offFilter();
  const std::string out = path("out.cct");
  // An impossible goal within a small budget: written, exit 3.
  const CliRun unmet = runCli(
      {"optimize", off, "--goal", "S21 dB >= 1 from 0 to 100MHz", "--max-evals", "30", "-o", out});
  EXPECT_EQ(unmet.exitCode, 3) << unmet.err;
  EXPECT_NE(unmet.out.find("not met"), std::string::npos);
  ASSERT_TRUE(std::filesystem::exists(out));

  std::vector<std::string> args = {"optimize", off, "-o", out};
  args.insert(args.end(), filterGoals.begin(), filterGoals.end());
  ASSERT_EQ(runCli(args).exitCode, 0);
  const std::string text = testing::readFileBytes(out);
  const std::string section = "goals{\r\ngoal=S21 dB >= -0.5 from 0Hz to 100MHz\r\n"
                              "goal=S21 dB <= -30 from 200MHz to 1GHz\r\n}\r\n";
  ASSERT_GE(text.size(), section.size());
  EXPECT_EQ(text.substr(text.size() - section.size()), section); // the file's last section

  const std::string resaved = path("resaved.cct");
  ASSERT_EQ(runCli({"resave", out, "-o", resaved}).exitCode, 0);
  EXPECT_EQ(testing::readFileBytes(resaved), text);

  // Without --goal the stored goals are used; a stored goal that does not read is skipped
  // with a warning, and kept in the file.
  std::string withBad = text;
  withBad.insert(text.size() - 3, "goal=S21 dB >= banana at 1GHz\r\n");
  const std::string stored = path("stored.cct");
  testing::writeFileBytes(stored, withBad);
  const std::string out2 = path("out2.cct");
  const CliRun run = runCli({"optimize", stored, "-o", out2});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.err.find("goal \"S21 dB >= banana at 1GHz\" skipped: 'banana' is not a number"),
            std::string::npos)
      << run.err;
  EXPECT_NE(run.out.find("goal 2: S21 dB <= -30"), std::string::npos);
  EXPECT_NE(testing::readFileBytes(out2).find("goal=S21 dB >= banana at 1GHz\r\n}\r\n"),
            std::string::npos);
}

} // namespace
} // namespace norvane
