// What norvane-cli does with inputs it cannot take as they are: a schematic beyond the
// document's capacities, an output that would overwrite the input, value fields that are no
// clean number, and the one circuit check that "netlist" and "simulate" share.

#include "cli_support.h"
#include "examples_support.h"
#include "support/scratchfolder.h"

#include "document/schematicwriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <limits>
#include <sstream>

namespace norvane {
namespace {

namespace fs = std::filesystem;
using testing::CliRun;
using testing::readFileBytes;
using testing::runCli;
using testing::writeFileBytes;

const std::string kLowpass = std::string(NORVANE_SOURCE_DIR) + "/examples/lowpass3.cct";

bool contains(const std::string& text, const std::string& part)
{
  return text.find(part) != std::string::npos;
}

using CliInputChecks = testing::ScratchFolderTest;

// A drawing section holding `count` records made by `record(i)`.
std::string drawingOf(int count, const std::string& opener, const std::string& body)
{
  std::ostringstream text;
  text << "drawdat{\r\n";
  for (int i = 0; i < count; ++i) {
    text << opener << "\r\n" << body << "}\r\n";
  }
  text << "}\r\n";
  return text.str();
}

std::string dataSet(const std::string& opener, int index, int points, const std::string& numbers)
{
  std::ostringstream text;
  text << "drawdat{\r\n" << opener << "\r\nname=set\r\nindex=" << index << "\r\n";
  for (int i = 1; i <= points; ++i) {
    text << "sdata=" << i << numbers << "\r\n";
  }
  text << "}\r\n}\r\n";
  return text.str();
}

TEST_F(CliInputChecks, FilesBeyondACapacityAreRefusedAndLeftUntouched)
{
  struct Case
  {
    std::string text;
    std::string limit; // the message names it
  };
  const std::string nine = " 1 0 1 0 1 0 1 0";
  const Case cases[] = {
      {drawingOf(1001, "component{", "ctype=4\r\n"), "more than 1000 components"},
      {drawingOf(1001, "short{", "start.x=10\r\n"), "more than 1000 wires"},
      {drawingOf(501, "shape{", "shapetype=1\r\n"), "more than 500 drawing lines"},
      {drawingOf(501, "text{", "text=t\r\n"), "more than 500 texts"},
      {dataSet("2pdat{", 3, 2001, nine), "more than 2000 points"},
      {dataSet("1pdat{", 4, 2001, " 1 0"), "more than 2000 points"},
      {dataSet("2pdat{", 51, 2, nine), "index 51; only data sets 1 to 50"},
      {dataSet("1pdat{", 0, 2, " 1 0"), "index 0; only data sets 1 to 50"},
  };
  const std::string file = path("big.cct");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.limit);
    writeFileBytes(file, c.text);
    const CliRun inPlace = runCli({"resave", file});
    EXPECT_EQ(inPlace.exitCode, 1);
    EXPECT_TRUE(contains(inPlace.err, c.limit)) << inPlace.err;
    EXPECT_EQ(readFileBytes(file), c.text);
    const CliRun elsewhere = runCli({"resave", file, "-o", path("out.cct")});
    EXPECT_EQ(elsewhere.exitCode, 1);
    EXPECT_FALSE(fs::exists(path("out.cct")));
    const CliRun listed = runCli({"netlist", file});
    EXPECT_EQ(listed.exitCode, 1);
    EXPECT_TRUE(contains(listed.err, c.limit)) << listed.err;
  }
  // Exactly full is fine.
  writeFileBytes(file, drawingOf(1000, "component{", "ctype=4\r\n"));
  EXPECT_EQ(runCli({"resave", file, "-o", path("out.cct")}).exitCode, 0);

  // More sweep points than the point store holds are refused as a usage error.
  const CliRun many = runCli({"simulate", kLowpass, "--points", "10001"});
  EXPECT_EQ(many.exitCode, 2);
  EXPECT_TRUE(contains(many.err, "--points needs a whole number from 2 to 501")) << many.err;
  EXPECT_EQ(many.out, "");
  const CliRun full = runCli({"simulate", kLowpass, "--points", "501"});
  EXPECT_EQ(full.exitCode, 0) << full.err;
  EXPECT_EQ(std::count(full.out.begin(), full.out.end(), '\n'), 503); // two header lines
}

TEST_F(CliInputChecks, AnOutputThatIsTheInputIsRefused)
{
  const std::string original = readFileBytes(kLowpass);
  const std::string input = path("circuit.cct");
  writeFileBytes(input, original);
  fs::create_symlink(input, path("symbolic.cct"));
  fs::create_hard_link(input, path("hard.cct"));
  const std::string sameFolder = (folder / "." / "circuit.cct").string();
  for (const std::string& output : {input, sameFolder, path("symbolic.cct"), path("hard.cct")}) {
    for (const std::vector<std::string>& command :
         {std::vector<std::string>{"simulate", input, "-o", output},
          std::vector<std::string>{"simulate", input, "--format", "csv", "--output=" + output},
          std::vector<std::string>{"spice", input, "-o", output},
          std::vector<std::string>{"automatch", input, "--freq", "100MHz", "-o", output}}) {
      SCOPED_TRACE(command[0] + " -o " + output);
      const CliRun run = runCli(command);
      EXPECT_EQ(run.exitCode, 2);
      EXPECT_TRUE(contains(run.err, "is the input file")) << run.err;
      EXPECT_EQ(readFileBytes(input), original);
    }
  }
  // The input through a link, the output by its own name: the same file all the same.
  EXPECT_EQ(runCli({"simulate", path("symbolic.cct"), "-o", input}).exitCode, 2);
  EXPECT_EQ(readFileBytes(input), original);

  // Resave writes a schematic: over itself is what it is for.
  EXPECT_EQ(runCli({"resave", input, "-o", input}).exitCode, 0);
  EXPECT_EQ(readFileBytes(input), original);
  // Another file, and standard output, are fine.
  EXPECT_EQ(runCli({"simulate", input, "-o", path("result.s2p")}).exitCode, 0);
  EXPECT_EQ(runCli({"spice", input, "-o", "-"}).exitCode, 0);
}

TEST_F(CliInputChecks, ValueFieldsThatAreNoCleanNumberAreReportedOnEveryCommand)
{
  const std::string original = readFileBytes(kLowpass);
  // L2's inductance, the third component's first value.
  const std::string field = "nom= 1.59200000000000E-0007";
  const std::size_t at = original.find(field);
  ASSERT_NE(at, std::string::npos);
  const std::string line =
      "line " + std::to_string(std::count(original.begin(), original.begin() + at, '\n') + 1);
  struct Case
  {
    std::string replacement;
    std::string reported;
  };
  const Case cases[] = {
      // 0 is no inductance; it is used as the property dialog replaces it.
      {"nom=NAN", "\"NAN\" holds no number; read as 0, used as 1e-20"},
      {std::string("nom= 1.59\0"
                   "200000000000E-0007",
                   28),
       "\"1.59<NUL>200000000000E-0007\" holds a control character; read as 1.59"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reported);
    std::string text = original;
    text.replace(at, field.size(), c.replacement);
    const std::string file = path("damaged.cct");
    writeFileBytes(file, text);
    for (const std::vector<std::string>& command :
         {std::vector<std::string>{"simulate", file}, std::vector<std::string>{"netlist", file},
          std::vector<std::string>{"spice", file},
          std::vector<std::string>{"resave", file, "-o", path("again.cct")}}) {
      SCOPED_TRACE(command[0]);
      const CliRun run = runCli(command);
      // Read as before: the run goes on and the results are those of the value read.
      EXPECT_EQ(run.exitCode, 0) << run.err;
      EXPECT_TRUE(contains(run.err, "norvane-cli: " + file + ": warning: " + line +
                                        ": component 3 \"L2\", value[1] nom: " + c.reported))
          << run.err;
    }
  }
  // A file written by the program has nothing to report.
  EXPECT_EQ(runCli({"simulate", kLowpass}).err, "");
}

// Moves every item of a document right by `dx`.
void shiftRight(Schematic& doc, int dx)
{
  Drawing& d = doc.drawdat;
  d.P1.pos.x += dx;
  d.P2.pos.x += dx;
  for (Component& c : d.components) {
    c.position.x += dx;
  }
  for (Wire& w : d.wires) {
    w.start.x += dx;
    w.finish.x += dx;
  }
}

TEST_F(CliInputChecks, NetlistAndSimulateCheckTheSameCircuit)
{
  // A circuit drawn beyond the sheet's right edge (as the benchmark circuits are): simulated,
  // so listed too.
  Schematic wide = testing::lowpass3Example();
  shiftRight(wide, 1600);
  ASSERT_TRUE(saveSchematic(wide, path("wide.cct")));
  const CliRun simulated = runCli({"simulate", path("wide.cct")});
  EXPECT_EQ(simulated.exitCode, 0) << simulated.err;
  const CliRun listed = runCli({"netlist", path("wide.cct")});
  EXPECT_EQ(listed.exitCode, 0) << listed.err;
  EXPECT_EQ(listed.out, "P1=1\ncap 1 0 C=31.83pF\nind 1 2 L=159.2nH\ncap 2 0 C=31.83pF\nP2=2\n");

  // A value no stamp can use, or a port impedance below zero: refused by both, with the
  // same message.
  Schematic huge = testing::lowpass3Example();
  for (Component& c : huge.drawdat.components) {
    if (c.name == "L2") {
      c.value[1].nom = std::numeric_limits<double>::max();
    }
  }
  ASSERT_TRUE(saveSchematic(huge, path("huge.cct")));
  Schematic negative = testing::lowpass3Example();
  negative.drawdat.P2.Zo = -50.0;
  ASSERT_TRUE(saveSchematic(negative, path("negative.cct")));
  for (const std::string name : {"huge.cct", "negative.cct"}) {
    SCOPED_TRACE(name);
    const CliRun sim = runCli({"simulate", path(name), "--format", "csv"});
    const CliRun net = runCli({"netlist", path(name)});
    EXPECT_EQ(sim.exitCode, 1);
    EXPECT_EQ(net.exitCode, 1);
    EXPECT_FALSE(sim.err.empty());
    EXPECT_EQ(net.err, sim.err);
    EXPECT_FALSE(net.out.empty()); // listed all the same
  }
}

} // namespace
} // namespace norvane
