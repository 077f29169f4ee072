// Goal text, the standard series and where goals are checked.

#include "optimize/eseries.h"
#include "optimize/goal.h"
#include "optimize/goalcheck.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace norvane {
namespace {

TEST(GoalText, PlainFormReadsBackToTheSameGoal)
{
  for (const std::string text :
       {"S21 dB >= -0.5 from 423MHz to 443MHz", "S11 dB <= -20 at 433MHz",
        "S21 dB <= -40 from 0Hz to 380MHz", "K >= 1 from 500MHz to 3GHz",
        "S21 deg = 90 at 1GHz weight 5", "VSWR2 <= 1.5 at 2.4GHz",
        "MAG dB >= 12.25 from 1GHz to 2GHz", "GD21 s <= 1.5ns at 100MHz",
        "S12 mag <= 0.01 from 433.92MHz to 434.79MHz", "MU1 >= 1 at 1GHz"}) {
    const GoalReading r = parseGoal(text);
    ASSERT_TRUE(r.goal) << text << ": " << r.problem;
    const GoalReading again = parseGoal(formatGoal(*r.goal));
    ASSERT_TRUE(again.goal) << formatGoal(*r.goal);
    EXPECT_EQ(*again.goal, *r.goal) << text;
    EXPECT_EQ(formatGoal(*r.goal), text);
  }
  // Any case, relations against their neighbours, blanks of any width.
  const GoalReading loose = parseGoal("  s21 DB>=-0.5   FROM 1mhz TO 2MHz Weight 2 ");
  ASSERT_TRUE(loose.goal) << loose.problem;
  EXPECT_EQ(formatGoal(*loose.goal), "S21 dB >= -0.5 from 1mHz to 2MHz weight 2");
  const Goal g = *parseGoal("GD21 s <= 2n at 1GHz").goal;
  EXPECT_DOUBLE_EQ(g.target, 2e-9);
  EXPECT_DOUBLE_EQ(g.from, 1e9);
  EXPECT_TRUE(g.single);
}

TEST(GoalText, RefusalNamesTheWrongWord)
{
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"", "empty goal"},
      {"S31 dB <= -3 at 1GHz", "unknown measure 'S31'"},
      {"S21 dBm >= 0 at 1GHz", "unknown unit 'dBm' after S21"},
      {"S21 >= 0 at 1GHz", "unknown unit '>=' after S21 (dB, mag or deg)"},
      {"K > 1 at 1GHz", "'>' is not a relation"},
      {"K >= one at 1GHz", "'one' is not a number"},
      {"K >= 1 at 1XHz", "'1XHz' is not a frequency"},
      {"K >= 1 between 1GHz and 2GHz", "'between' where 'at' or 'from' was expected"},
      {"K >= 1 from 1GHz", "missing 'to'"},
      {"K >= 1 from 2GHz to 1GHz", "the band ends at '1GHz', below its start"},
      {"K >= 1 at 1GHz weight 0", "'0' is not a weight above zero"},
      {"K >= 1 at 1GHz please", "unexpected 'please'"},
      {"NF deg <= 2 at 1GHz", "unknown unit 'deg' after NF (dB)"},
  };
  for (const auto& [text, problem] : cases) {
    const GoalReading r = parseGoal(text);
    EXPECT_FALSE(r.goal) << text;
    EXPECT_NE(r.problem.find(problem), std::string::npos) << text << " -> " << r.problem;
  }
}

TEST(ESeries, SnapsToTheNearestMemberInLogAndSteps)
{
  EXPECT_DOUBLE_EQ(snapToSeries(4650.0, ESeries::E12), 4700.0);
  EXPECT_DOUBLE_EQ(snapToSeries(9.6, ESeries::E24), 10.0); // nearer 10 than 9.1 in log
  EXPECT_DOUBLE_EQ(snapToSeries(5.0, ESeries::E48), 5.11);
  EXPECT_DOUBLE_EQ(snapToSeries(5.0, ESeries::E96), 4.99);
  EXPECT_DOUBLE_EQ(snapToSeries(2.9e-12, ESeries::E6), 3.3e-12);
  EXPECT_EQ(snapToSeries(4.69e-12, ESeries::E24), 4.7e-12); // the double "4.7p" reads as
  EXPECT_DOUBLE_EQ(seriesNeighbour(10e-9, ESeries::E12, -1), 8.2e-9);
  EXPECT_DOUBLE_EQ(seriesNeighbour(8.2e-9, ESeries::E12, 1), 10e-9);
  EXPECT_DOUBLE_EQ(seriesNeighbour(976.0, ESeries::E96, 1), 1000.0);
  EXPECT_TRUE(isSeriesValue(5.1e3, ESeries::E24));
  EXPECT_FALSE(isSeriesValue(5.1e3, ESeries::E12));
  EXPECT_EQ(eSeriesNamed("e24"), ESeries::E24);
  EXPECT_FALSE(eSeriesNamed("E25"));
}

TEST(GoalPlan, SweepPointsInsideTheBandAndBothEdgesExactly)
{
  SweepPlan sweep;
  sweep.start = 1e6;
  sweep.stop = 10e6;
  sweep.intervals = 9; // 1, 2, ... 10 MHz
  const std::vector<Goal> goals = {*parseGoal("S21 dB >= -1 from 2.5MHz to 5.5MHz").goal,
                                   *parseGoal("S11 dB <= -20 at 3MHz").goal,
                                   *parseGoal("S21 dB <= -40 from 0 to 1.5MHz").goal};
  const GoalPlan plan = planGoals(goals, sweep);
  EXPECT_EQ(plan.frequencies,
            (std::vector<double>{kMinSweepFrequency, 1e6, 1.5e6, 2.5e6, 3e6, 4e6, 5e6, 5.5e6}));
  EXPECT_EQ(plan.points[0], (std::vector<int>{3, 4, 5, 6, 7}));
  EXPECT_EQ(plan.points[1], (std::vector<int>{4}));
  EXPECT_EQ(plan.points[2], (std::vector<int>{0, 1, 2}));
}

} // namespace
} // namespace norvane
