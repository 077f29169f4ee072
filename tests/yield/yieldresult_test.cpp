#include "yield/yieldresult.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace norvane {
namespace {

TEST(YieldStatistics, WilsonIntervalAndFailureCorrelation)
{
  // Published Wilson intervals: 95 of 100 -> 88.83 .. 97.85 %, 0 of 10 -> 0 .. 27.75 %.
  const PercentInterval a = wilsonInterval95(95, 100);
  EXPECT_NEAR(a.low, 88.83, 0.01);
  EXPECT_NEAR(a.high, 97.85, 0.01);
  const PercentInterval b = wilsonInterval95(0, 10);
  EXPECT_DOUBLE_EQ(b.low, 0.0);
  EXPECT_NEAR(b.high, 27.75, 0.01);
  EXPECT_NEAR(wilsonInterval95(10, 10).high, 100.0, 1e-12);

  // Boards fail exactly when the first value is high: it correlates fully, the second (which
  // does not follow failing) not at all, the third never varies.
  std::vector<YieldRunRecord> records;
  for (int i = 0; i < 8; ++i)
    records.push_back(
        {i + 1, i % 2 == 0, {}, {}, {i % 2 == 0 ? -0.01 : 0.01, i < 4 ? 0.02 : -0.02, 0.0}});
  const std::vector<double> r = failureCorrelations(records, 3);
  EXPECT_NEAR(r[0], 1.0, 1e-12);
  EXPECT_NEAR(r[1], 0.0, 1e-12);
  EXPECT_EQ(r[2], 0.0);
}

std::vector<YieldRunRecord> someRuns(long n)
{
  std::vector<YieldRunRecord> records;
  for (long i = 1; i <= n; ++i) {
    const double d = static_cast<double>(yieldRunSeed(7, i) % 1000) / 1000.0 - 0.5;
    records.push_back({i, d < 0.3, {-0.5 + d}, {d < 0.3}, {d * 0.1, -d * 0.05}});
  }
  return records;
}

TEST(YieldResult, ShardsMergeToTheBytesOfTheWholeRunAndBadSetsAreRefused)
{
  const YieldSetup setup{
      "filter.cct", contentHash("bytes"), 7, 10, {"S21 dB >= -1 from 1MHz to 2MHz"}, {"C1", "L1"}};
  const std::vector<YieldRunRecord> all = someRuns(10);
  const std::string whole = yieldResultJson(setup, all);

  std::vector<YieldResultFile> shards;
  for (const long k : {3L, 1L, 2L}) { // any order
    const YieldShard shard{k, 3};
    std::vector<YieldRunRecord> mine;
    std::copy_if(all.begin(), all.end(), std::back_inserter(mine),
                 [&](const auto& r) { return shard.holds(r.run); });
    std::string error;
    const auto read = readYieldResult(yieldResultJson(setup, mine, shard), error);
    ASSERT_TRUE(read) << error;
    shards.push_back(*read);
  }
  std::string error;
  const auto merged = mergeYieldShards(shards, error);
  ASSERT_TRUE(merged) << error;
  EXPECT_EQ(*merged, whole);
  EXPECT_NE(whole.find("\"yield_percent\""), std::string::npos);
  EXPECT_NE(whole.find("\"ci95_percent\""), std::string::npos);

  const auto refused = [&](std::vector<YieldResultFile> set, const std::string& reason) {
    std::string why;
    EXPECT_FALSE(mergeYieldShards(set, why)) << reason;
    EXPECT_NE(why.find(reason), std::string::npos) << why;
  };
  refused({shards[0], shards[1]}, "shard 2/3 is missing");
  refused({shards[0], shards[1], shards[2], shards[0]}, "is given twice");
  std::vector<YieldResultFile> otherSeed = shards;
  otherSeed[1].setup.seed = 8;
  refused(otherSeed, "not of one analysis");

  EXPECT_EQ(readYieldShard("2/4"), (YieldShard{2, 4}));
  for (const char* bad : {"0/4", "5/4", "2/", "/4", "-1/4", "2/4x", "a/b", "24"})
    EXPECT_FALSE(readYieldShard(bad)) << bad;
  EXPECT_FALSE(readYieldResult("{\"format\": \"other\"}", error));
  EXPECT_FALSE(readYieldResult("not json", error));
}

} // namespace
} // namespace norvane
