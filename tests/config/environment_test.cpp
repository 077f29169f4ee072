#include "config/environment.h"

#include <gtest/gtest.h>

namespace norvane {
namespace {

TEST(Environment, StartsWithTheDefaults)
{
  const Environment env;
  EXPECT_EQ(env.filename, "");
  EXPECT_EQ(env.numpoints, 100);
  EXPECT_EQ(env.mindB, -50.0);
  EXPECT_EQ(env.maxdB, 50.0);
  EXPECT_EQ(env.lowfreq, 1000.0);
  EXPECT_EQ(env.highfreq, 1e10);
  EXPECT_TRUE(env.autoopen);
  EXPECT_FALSE(env.chainshorts);
  EXPECT_FALSE(env.rememberlastcomp);
  EXPECT_TRUE(env.gridon);
  EXPECT_EQ(env.papercolor, 16777215);
  EXPECT_EQ(env.selectedcompcolor, 8421504);
  EXPECT_EQ(env.compcolor, 0);
  EXPECT_EQ(env.selectedgndcolor, 8421504);
  EXPECT_EQ(env.trace1color, 255);
  EXPECT_EQ(env.trace2color, 16711680);
  EXPECT_EQ(env.majoraxiscolor, 16777215);
  EXPECT_EQ(env.minoraxiscolor, 8421504);
  EXPECT_EQ(env.graphbackgroundcolor, 0);
  EXPECT_EQ(env.griddotscolor, 8421504);
  EXPECT_EQ(env.printerpapercolor, 16777215);
  EXPECT_EQ(env.printertrace1color, 255);
  EXPECT_EQ(env.printertrace2color, 16711680);
  EXPECT_EQ(env.printermajoraxiscolor, 0);
  EXPECT_EQ(env.printerminoraxiscolor, 8421504);
  EXPECT_EQ(env.printergraphbackgroundcolor, 16777215);
  EXPECT_EQ(env.schemawinpos, (WindowPlacement{50, 50, 500, 400}));
  EXPECT_EQ(env.schemawinstat, "wsNormal");
  EXPECT_EQ(env.graphwinpos, (WindowPlacement{100, 100, 450, 350}));
  EXPECT_EQ(env.graphwinstat, "wsNormal");
}

TEST(Environment, BuiltInDefaultsKeepColoursAndOtherOptions)
{
  Environment env;
  env.numpoints = 7;
  env.lowfreq = 1.0;
  env.highfreq = 2.0;
  env.mindB = -1.0;
  env.maxdB = 1.0;
  env.rememberlastcomp = true;
  env.autoopen = false;
  env.graphwinpos = {1, 2, 3, 4};
  env.schemawinstat = "wsMaximized";
  env.papercolor = 12345;
  env.chainshorts = true;
  env.filename = "a.cct";
  fillBuiltInDefaults(env);

  Environment expected;
  expected.papercolor = 12345;
  expected.chainshorts = true;
  expected.filename = "a.cct";
  EXPECT_EQ(env, expected);
}

TEST(Environment, RecognisesOnlyTheThreeStateTexts)
{
  EXPECT_TRUE(isWindowStateText("wsNormal"));
  EXPECT_TRUE(isWindowStateText("wsMaximized"));
  EXPECT_TRUE(isWindowStateText("wsMinimized"));
  EXPECT_FALSE(isWindowStateText("wsnormal"));
  EXPECT_FALSE(isWindowStateText("wsMaximised"));
  EXPECT_FALSE(isWindowStateText(""));
}

} // namespace
} // namespace norvane
