// Graph markers through norvane-cli resave: a schematic with a markers section is written
// back byte for byte, and a damaged marker is reported and left out while the rest is kept.

#include "cli_support.h"
#include "support/scratchfolder.h"

#include <gtest/gtest.h>

#include <string>

namespace norvane {
namespace {

using testing::readFileBytes;
using testing::runCli;

class CliMarkers : public testing::ScratchFolderTest
{
};

const std::string kMarkers = "markers{\r\n"
                             "marker{\r\n"
                             "freq= 1.00000000000000E+0008\r\n"
                             "reference=TRUE\r\n"
                             "}\r\n"
                             "marker{\r\n"
                             "freq= 4.33920000000000E+0008\r\n"
                             "reference=FALSE\r\n"
                             "}\r\n"
                             "}\r\n";

TEST_F(CliMarkers, ResavedByteForByteAndDamagedOnesReported)
{
  const std::string example =
      readFileBytes(std::string(NORVANE_SOURCE_DIR) + "/examples/lowpass3.cct");
  ASSERT_FALSE(example.empty());
  const std::string marked = path("marked.cct");
  testing::writeFileBytes(marked, example + kMarkers);
  testing::CliRun run = runCli({"resave", marked, "-o", path("out.cct")});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(readFileBytes(path("out.cct")), example + kMarkers);

  // Markers cleared by hand (an empty section): the file is the example again.
  testing::writeFileBytes(marked, example + "markers{\r\n}\r\n");
  run = runCli({"resave", marked});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(readFileBytes(marked), example);

  std::string damaged = example + kMarkers;
  damaged.replace(damaged.find("freq= 1.0"), 10, "freq=1.O");
  testing::writeFileBytes(marked, damaged);
  run = runCli({"resave", marked});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.err.find("marker 1: freq= \"1.O"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("is not a frequency; the marker is left out"), std::string::npos);
  // The second marker is kept; the first was the reference, so none is now.
  EXPECT_EQ(readFileBytes(marked), example + kMarkers.substr(0, 10) + kMarkers.substr(68));
}

} // namespace
} // namespace norvane
