// The yield engine in process: its progress reports, stopping on request, and the names of
// the values it records.

#include "document/componentkinds.h"
#include "document/schematicreader.h"
#include "yield/yieldengine.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>

namespace norvane {
namespace {

std::unique_ptr<Schematic> lowPass()
{
  auto doc = std::make_unique<Schematic>();
  EXPECT_TRUE(loadSchematic(*doc, NORVANE_SOURCE_DIR "/examples/lowpass3.cct"));
  return doc;
}

TEST(YieldEngine, ProgressCountsEveryRunAndCancelStopsEarly)
{
  const auto doc = lowPass();
  const std::vector<Goal> goals = {*parseGoal("S21 dB >= -1 at 1MHz").goal};
  YieldSettings settings;
  settings.runs = 400;
  settings.threads = 2;
  settings.shard = {2, 4}; // runs 2, 6, ..., 398
  long last = 0, calls = 0;
  const YieldOutcome all = runYield(*doc, goals, settings, [&](long done, long total) {
    EXPECT_EQ(total, 100);
    EXPECT_EQ(done, last + 1);
    last = done;
    ++calls;
  });
  ASSERT_TRUE(all.ok) << all.problem;
  EXPECT_FALSE(all.cancelled);
  ASSERT_EQ(all.records.size(), 100u);
  EXPECT_EQ(calls, 100);
  for (std::size_t i = 0; i < all.records.size(); ++i) {
    EXPECT_EQ(all.records[i].run, 2 + 4 * static_cast<long>(i));
  }

  // Stopped after the tenth run: fewer records, each the same as in the full analysis.
  std::atomic<bool> cancel{false};
  const YieldOutcome part = runYield(
      *doc, goals, settings, [&](long done, long) { cancel = cancel || done >= 10; }, &cancel);
  EXPECT_TRUE(part.cancelled);
  ASSERT_GE(part.records.size(), 10u);
  ASSERT_LT(part.records.size(), 100u);
  for (const YieldRunRecord& r : part.records) {
    const YieldRunRecord& same = all.records[static_cast<std::size_t>((r.run - 2) / 4)];
    EXPECT_EQ(r.deviation, same.deviation);
    EXPECT_EQ(r.worst, same.worst);
  }
}

TEST(YieldEngine, ValuesAreNamedByPartAndByParameterWhereAPartHasSeveral)
{
  auto doc = lowPass();
  // A line with both its values toleranced after the named parts of one value each.
  Component& line = doc->drawdat.components[doc->drawdat.components.count()];
  line.ctype = ComponentType::TxLine;
  line.name = "TL1";
  line.value[1].TolEn = true;
  line.value[3].TolEn = true;
  const std::vector<std::string> names = yieldValueNames(*doc);
  ASSERT_EQ(names.size(), 5u);
  EXPECT_EQ(names.front(), "C1");
  EXPECT_EQ(names[names.size() - 2], "TL1 Zo");
  EXPECT_EQ(names.back(), "TL1 l");
}

} // namespace
} // namespace norvane
