// End-to-end runs of norvane-cli on what a user can get wrong: files that are no schematics,
// full disks, special files, bad option values and values a circuit cannot be simulated with.

#include "cli_support.h"
#include "examples_support.h"

#include "document/schematicwriter.h"
#include "support/scratchfolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <limits>
#include <sys/stat.h>

namespace norvane {
namespace {

namespace fs = std::filesystem;
using testing::CliRun;
using testing::CliShell;
using testing::readFileBytes;
using testing::runCli;
using testing::writeFileBytes;

// The shell lets no file grow beyond 2 KiB: a disk that fills up during the write.
const CliShell kFullDisk{"trap '' XFSZ; ulimit -f 4; ", ""};

class CliFileSafety : public testing::ScratchFolderTest
{
protected:
  std::string saved(const Schematic& doc, const std::string& name) const
  {
    EXPECT_TRUE(saveSchematic(doc, path(name)).ok());
    return path(name);
  }
};

TEST_F(CliFileSafety, FilesThatAreNotSchematicsAreRefusedAndLeftAlone)
{
  const std::string png("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
  for (const auto& [name, bytes] :
       {std::pair<std::string, std::string>{"amp.s2p", "# MHz S MA R 50\r\n100 0.5 -20 2 30\r\n"},
        {"logo.png", png},
        {"empty.cct", ""},
        {"binary.cct", std::string("\0\1\2\3\xff\xfe", 6)}}) {
    SCOPED_TRACE(name);
    writeFileBytes(path(name), bytes);
    for (const char* command : {"resave", "netlist", "simulate", "spice"}) {
      const CliRun run = runCli({command, path(name)});
      EXPECT_EQ(run.exitCode, 1);
      // simulate takes an S-parameter file as the data of a block between two ports, and
      // refuses this one's 5-number line as the block's Load File would.
      if (std::string(command) == "simulate" && name == "amp.s2p") {
        EXPECT_NE(run.err.find("amp.s2p: Line 2: a data line holds 3 numbers"), std::string::npos)
            << run.err;
        continue;
      }
      EXPECT_EQ(run.err, "norvane-cli: " + path(name) + " is not a Norvane schematic\n");
    }
    EXPECT_EQ(readFileBytes(path(name)), bytes);
  }
  EXPECT_EQ(entries(), 4);

  // A hand-written schematic with unknown lines still loads.
  writeFileBytes(path("hand.cct"), "written by hand\nXax{\nmin=1e6\nmax=2e6\n}\n");
  EXPECT_EQ(runCli({"resave", path("hand.cct")}).exitCode, 0);
}

TEST_F(CliFileSafety, AFullDiskKeepsThePreviousOutput)
{
  const std::string cct = saved(testing::rcDividerExample(), "rc.cct");
  const std::string s2p = path("rc.s2p");
  writeFileBytes(s2p, "previous results\r\n");
  const CliRun run = runCli({"simulate", cct, "-o", s2p, "--points", "200"}, kFullDisk);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "norvane-cli: " + s2p + ": Disk write error\n");
  EXPECT_EQ(readFileBytes(s2p), "previous results\r\n");

  const std::string big = saved(testing::lowpass3Example(), "big.cct");
  const std::string before = readFileBytes(big);
  ASSERT_GT(before.size(), 2048u);
  EXPECT_EQ(runCli({"resave", big}, kFullDisk).exitCode, 1);
  EXPECT_EQ(readFileBytes(big), before);
  EXPECT_EQ(entries(), 3); // no temporary file left behind

  // Standard output on a full device.
  for (const char* command : {"netlist", "simulate"}) {
    const CliRun full = runCli({command, cct}, CliShell{"", "/dev/full"});
    EXPECT_EQ(full.exitCode, 1) << command;
    EXPECT_EQ(full.err, "norvane-cli: Disk write error\n") << command;
  }
}

TEST_F(CliFileSafety, SpecialFilesAreRefusedModeAndLinksKept)
{
  const std::string cct = saved(testing::rcDividerExample(), "rc.cct");
  const std::string fifo = path("pipe.cct");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  CliRun run = runCli({"resave", cct, "-o", fifo});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "norvane-cli: " + fifo + ": Not a regular file\n");
  EXPECT_TRUE(fs::is_fifo(fifo));
  EXPECT_EQ(runCli({"simulate", cct, "-o", fifo}).exitCode, 1);
  EXPECT_TRUE(fs::is_fifo(fifo));

  // An existing output keeps its permission bits and its second name.
  const std::string out = path("out.s2p");
  writeFileBytes(out, "old");
  ASSERT_EQ(::chmod(out.c_str(), 0604), 0);
  fs::create_hard_link(out, path("same.s2p"));
  ASSERT_EQ(runCli({"simulate", cct, "-o", out, "--points", "2"}).exitCode, 0);
  struct stat st
  {
  };
  ASSERT_EQ(::stat(out.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0604u);
  EXPECT_EQ(st.st_nlink, 2u);
  EXPECT_EQ(readFileBytes(path("same.s2p")), readFileBytes(out));
  EXPECT_NE(readFileBytes(out), "old");
}

TEST_F(CliFileSafety, OptionValuesAreReadStrictly)
{
  const std::string cct = saved(testing::rcDividerExample(), "rc.cct");
  const CliRun spaced = runCli({"simulate", cct, "--format", "csv", "--start", "1 MHz", "--stop",
                                "2 MHz", "--points", "2", "--lin"});
  ASSERT_EQ(spaced.exitCode, 0) << spaced.err;
  EXPECT_EQ(spaced.out.substr(spaced.out.find('\n') + 1, 8), "1000000,");

  for (const char* bad : {"abc", "1,5M", "1MHzzz", "0x10"}) {
    const CliRun run = runCli({"simulate", cct, "--start", bad});
    EXPECT_EQ(run.exitCode, 2) << bad;
    EXPECT_EQ(run.err.rfind(
                  std::string("norvane-cli simulate: --start: \"") + bad + "\" is not a number", 0),
              0u)
        << run.err;
  }
  const CliRun huge = runCli({"simulate", cct, "--stop", "1e400"});
  EXPECT_EQ(huge.exitCode, 2);
  EXPECT_NE(huge.err.find("--stop: \"1e400\" is too large"), std::string::npos) << huge.err;
  const CliRun reversed = runCli({"simulate", cct, "--start", "2GHz", "--stop", "1GHz"});
  EXPECT_EQ(reversed.exitCode, 2);
  EXPECT_NE(reversed.err.find("the sweep start (2GHz) must lie below its stop (1GHz)"),
            std::string::npos)
      << reversed.err;
  EXPECT_EQ(reversed.out, "");
}

TEST_F(CliFileSafety, ValuesThatCannotBeSimulatedAreRefusedByName)
{
  // A zero capacitance in the file gets the dialogs' 1e-20 F: the run works, and the
  // capacitor is as good as absent.
  Schematic doc = testing::rcDividerExample();
  int cap = 0;
  for (int i = 1; i <= doc.drawdat.components.count(); ++i) {
    if (doc.drawdat.components[i].ctype == ComponentType::Capacitor) cap = i;
  }
  ASSERT_GT(cap, 0);
  doc.drawdat.components[cap].value[1].nom = 0.0;
  const CliRun zero = runCli({"simulate", saved(doc, "zero.cct"), "--points", "2"});
  EXPECT_EQ(zero.exitCode, 0) << zero.err;
  EXPECT_EQ(zero.err, "");

  // Too large for a double in the file ("1e999", or the largest double written with 15
  // digits, which rounds above it): refused, naming the component.
  doc.drawdat.components[cap].value[1].nom = std::numeric_limits<double>::max();
  std::string text = readFileBytes(saved(doc, "max.cct"));
  const std::string largest = "nom= 1.79769313486232E+0308";
  ASSERT_NE(text.find(largest), std::string::npos);
  text.replace(text.find(largest), largest.size(), "nom=1e999");
  writeFileBytes(path("huge.cct"), text);
  for (const char* name : {"max.cct", "huge.cct"}) {
    const CliRun huge = runCli({"simulate", path(name)});
    EXPECT_EQ(huge.exitCode, 1) << name;
    EXPECT_EQ(huge.out, "");
    EXPECT_EQ(huge.err.rfind("The value of " + doc.drawdat.components[cap].name + " at (", 0), 0u)
        << huge.err;
  }

  // A tolerance of -100 % makes the lower run's resistance 0.
  doc = testing::rcDividerExample();
  ToleranceValue& r = doc.drawdat.components[1].value[1];
  ASSERT_EQ(doc.drawdat.components[1].ctype, ComponentType::Resistor);
  r.TolEn = r.TolPercent = true;
  r.mintol = -100.0;
  const CliRun lower = runCli({"simulate", saved(doc, "tol.cct"), "--tolerance", "lower"});
  EXPECT_EQ(lower.exitCode, 1);
  EXPECT_EQ(lower.err.rfind("A value of " + doc.drawdat.components[1].name + " at (", 0), 0u)
      << lower.err;
}

TEST_F(CliFileSafety, HugeCoordinatesAreHeldOnReading)
{
  Schematic doc = testing::rcDividerExample();
  doc.drawdat.P2.pos = {2147483647, -2147483647 - 1};
  doc.drawdat.components[1].position.x = 2147483600;
  const std::string cct = saved(doc, "far.cct");
  ASSERT_EQ(runCli({"resave", cct}).exitCode, 0);
  const std::string text = readFileBytes(cct);
  EXPECT_NE(text.find("pos.x=1000000\r\npos.y=-1000000\r\n"), std::string::npos);
  EXPECT_NE(text.find("position.x=1000000\r\n"), std::string::npos);
  EXPECT_EQ(text.find("2147483"), std::string::npos);
  // The netlist of the moved circuit is computed without overflow (checked under the
  // sanitizers) and reports what is unconnected.
  EXPECT_EQ(runCli({"netlist", cct}).exitCode, 1);
}

} // namespace
} // namespace norvane
