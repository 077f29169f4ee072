// End-to-end proofs of "norvane-cli yield", "yield-merge" and "yield-report": the yield of a
// circuit whose pass probability has a closed form, and the same bytes for any number of
// threads, any split into shards and shards run as separate processes by GNU parallel.

#include "cli_support.h"

#include "support/scratchfolder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdlib>
#include <numbers>
#include <string>
#include <vector>

namespace norvane {
namespace {

using testing::CliRun;
using testing::readFileBytes;
using testing::runCli;

class CliYield : public testing::ScratchFolderTest
{
protected:
  std::string design(std::vector<std::string> args, const std::string& name)
  {
    const std::string out = path(name);
    args.insert(args.begin(), {"design", "filter"});
    args.insert(args.end(), {"-o", out});
    const CliRun run = runCli(args);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return out;
  }

  // Runs yield with `extra` options on `file` and returns the bytes it wrote.
  std::string yield(const std::string& file, std::vector<std::string> extra, const std::string& out)
  {
    std::vector<std::string> args = {"yield", file, "-o", path(out)};
    args.insert(args.end(), extra.begin(), extra.end());
    const CliRun run = runCli(args);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return readFileBytes(path(out));
  }

  // The 7-pole Butterworth low pass (10 MHz, 5 % inductors, 2 % capacitors) against a
  // stop-band goal that some of its boards miss.
  std::vector<std::string> filterGoals() const
  {
    return {"--runs", "200",
            "--seed", "7",
            "--goal", "S21 dB >= -0.5 from 1MHz to 8MHz",
            "--goal", "S21 dB <= -28 from 16MHz to 100MHz"};
  }
};

// A shunt capacitor between the two 50 ohm ports is an RC low pass of R = 25 ohm:
// |S21|^2 = 1 / (1 + (2 pi f 25 C)^2). "S21 dB >= -3 at F" holds while C is at most
// Cmax = sqrt(10^0.3 - 1) / (2 pi F 25), so with C uniform in C0 (1 +- 10 %) a board passes
// with probability (Cmax - 0.9 C0) / (0.2 C0).
TEST_F(CliYield, RcLowPassYieldMatchesTheClosedForm)
{
  const std::string file = design(
      {"--poles", "1", "--first", "parallel", "--bandwidth", "10MHz", "--ctol", "10"}, "rc.cct");
  // The filter window's single pole: C0 = 2 / (2 pi 10 MHz 50 ohm).
  const double c0 = 2.0 / (2.0 * std::numbers::pi * 10e6 * 50.0);
  const double f = 10e6;
  const double cMax = std::sqrt(std::pow(10.0, 0.3) - 1.0) / (2.0 * std::numbers::pi * f * 25.0);
  const double expected = 100.0 * (cMax - 0.9 * c0) / (0.2 * c0);
  ASSERT_GT(expected, 30.0);
  ASSERT_LT(expected, 70.0);
  for (const char* seed : {"1", "2", "3", "4", "5"}) {
    const auto j = nlohmann::json::parse(yield(
        file, {"--runs", "3000", "--seed", seed, "--goal", "S21 dB >= -3 at 10MHz"}, "rc.json"));
    const double low = j["ci95_percent"][0].get<double>();
    const double high = j["ci95_percent"][1].get<double>();
    EXPECT_LE(low, expected) << "seed " << seed;
    EXPECT_GE(high, expected) << "seed " << seed;
    EXPECT_LT(high - low, 4.0);
    EXPECT_EQ(j["runs"], 3000);
    // Failing follows the one varied value: larger capacitors fail.
    ASSERT_EQ(j["values"].size(), 1u);
    EXPECT_GT(j["values"][0]["failure_correlation"].get<double>(), 0.5);
  }
}

TEST_F(CliYield, ThreadsAndShardsGiveTheSameBytes)
{
  const std::string file = design({"--poles", "7"}, "f7.cct");
  const std::vector<std::string> goals = filterGoals();
  auto with = [&](std::vector<std::string> more) {
    std::vector<std::string> all = goals;
    all.insert(all.end(), more.begin(), more.end());
    return all;
  };
  const std::string one = yield(file, with({"--threads", "1"}), "t1.json");
  const auto j = nlohmann::json::parse(one);
  EXPECT_GT(j["passed"].get<long>(), 0);
  EXPECT_LT(j["passed"].get<long>(), 200);
  EXPECT_EQ(j["values"].size(), 7u);
  EXPECT_EQ(yield(file, with({"--threads", "2"}), "t2.json"), one);
  EXPECT_EQ(yield(file, with({"--threads", "4"}), "t4.json"), one);

  for (const char* k : {"1", "2", "3"}) {
    yield(file, with({"--shard", std::string(k) + "/3", "--threads", "2"}),
          std::string("s") + k + ".json");
  }
  const CliRun merged = runCli(
      {"yield-merge", path("s3.json"), path("s1.json"), path("s2.json"), "-o", path("all.json")});
  ASSERT_EQ(merged.exitCode, 0) << merged.err;
  EXPECT_EQ(readFileBytes(path("all.json")), one);

  // A missing shard writes nothing.
  const CliRun missing =
      runCli({"yield-merge", path("s1.json"), path("s3.json"), "-o", path("none.json")});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_NE(missing.err.find("missing"), std::string::npos) << missing.err;
  EXPECT_FALSE(std::filesystem::exists(path("none.json")));

  const CliRun report = runCli({"yield-report", path("all.json")});
  ASSERT_EQ(report.exitCode, 0) << report.err;
  EXPECT_NE(report.out.find("of 200 runs passed"), std::string::npos) << report.out;
}

TEST_F(CliYield, BadOptionsAreRefusedByNameAndWriteNothing)
{
  const std::string file = design({"--poles", "3"}, "f3.cct");
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"--runs", "0"}, "--runs"},
      {{"--runs", "12x"}, "--runs"},
      {{"--runs", "10", "--seed", "-1"}, "--seed"},
      {{"--runs", "10", "--threads", "0"}, "--threads"},
      {{"--runs", "10", "--shard", "4/3"}, "--shard"},
      {{"--runs", "10", "--goal", "S21 dB >= oops at 1MHz"}, "--goal"},
      {{"--seed", "3"}, "--runs"},
  };
  for (const auto& [options, named] : cases) {
    std::vector<std::string> args = {"yield", file, "-o", path("r.json")};
    args.insert(args.end(), options.begin(), options.end());
    const CliRun run = runCli(args);
    EXPECT_EQ(run.exitCode, 2) << named;
    EXPECT_NE(run.err.find(named), std::string::npos) << run.err;
  }
  // A file without goals and none given.
  const CliRun none = runCli({"yield", file, "--runs", "10", "-o", path("r.json")});
  EXPECT_EQ(none.exitCode, 2);
  EXPECT_FALSE(std::filesystem::exists(path("r.json")));
}

// The shards as separate processes, as a cluster runs them: GNU parallel starts the four
// shards, and their merge is the whole run byte for byte. parallel is a declared test
// dependency (scripts/deps.sh).
TEST_F(CliYield, ShardsRunByGnuParallelMergeToTheWholeRun)
{
  const std::string file = design({"--poles", "7"}, "f7.cct");
  const std::string whole = yield(file, filterGoals(), "whole.json");
  std::string command = "cd '" + folder.string() + "' && parallel --will-cite --halt now,fail=1 '" +
                        NORVANE_CLI_PATH + " yield f7.cct";
  for (const std::string& o : filterGoals()) {
    command += " \"" + o + "\"";
  }
  command += " --threads 1 --shard {}/4 -o shard{}.json >/dev/null' ::: 1 2 3 4";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
  const CliRun merged = runCli({"yield-merge", path("shard2.json"), path("shard4.json"),
                                path("shard1.json"), path("shard3.json"), "-o", path("all.json")});
  ASSERT_EQ(merged.exitCode, 0) << merged.err;
  EXPECT_EQ(readFileBytes(path("all.json")), whole);
}

} // namespace
} // namespace norvane
