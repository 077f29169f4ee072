#include "config/environment.h"
#include "editor/propertymapping_prefs.h"

#include <gtest/gtest.h>

#include <cmath>

namespace norvane {
namespace {

TEST(GraphDefaults, StoredRoundedAndWithinTheSweepStore)
{
  Environment env;
  const GraphDefaultsForm shown = readGraphDefaults(env);
  EXPECT_EQ(shown.mindB, -50);
  EXPECT_EQ(shown.maxdB, 50);
  EXPECT_EQ(shown.lowfreq, 1000);
  EXPECT_EQ(shown.highfreq, 1e10);
  EXPECT_EQ(shown.numpoints, 100);

  const struct
  {
    double entered;
    int stored;
  } cases[] = {{250, 250},   {250.4, 250}, {250.6, 251}, {500, 500},       {1000, 500},
               {1e300, 500}, {0, 1},       {-7, 1},      {std::nan(""), 1}};
  for (const auto& c : cases) {
    storeGraphDefaults({-30, 10, 1e6, 2e9, c.entered}, env);
    EXPECT_EQ(env.numpoints, c.stored) << c.entered;
  }
  EXPECT_EQ(env.mindB, -30);
  EXPECT_EQ(env.maxdB, 10);
  EXPECT_EQ(env.lowfreq, 1e6);
  EXPECT_EQ(env.highfreq, 2e9);
}

} // namespace
} // namespace norvane
