// Pins down what users see, so that restructuring the code behind it cannot change a byte:
// for every example and for one small circuit per component kind (tests/data/kinds, both
// orientations, tolerances enabled in the second), the simulated CSV under every tolerance
// mode, the netlist listing and the SPICE deck must equal the golden files in
// tests/data/golden, and resaving a file must give the file back unchanged.
//
// The golden files were made by the program before the restructuring. To make them again
// on purpose (a deliberate change of output), run this test with NORVANE_WRITE_GOLDENS=1 and
// review the difference before committing it.

#include "cli_support.h"
#include "support/scratchfolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace norvane {
namespace {

namespace fs = std::filesystem;
using testing::CliRun;
using testing::readFileBytes;
using testing::runCli;
using testing::writeFileBytes;

const std::string kSource = NORVANE_SOURCE_DIR;

std::vector<fs::path> characterisedFiles()
{
  std::vector<fs::path> files;
  for (const char* folder : {"/examples", "/tests/data/kinds"}) {
    for (const auto& entry : fs::directory_iterator(kSource + folder)) {
      if (entry.path().extension() == ".cct") {
        files.push_back(entry.path());
      }
    }
  }
  std::sort(files.begin(), files.end());
  return files;
}

// Exit code, messages and output of one run, as one text.
std::string outcome(const std::vector<std::string>& args, const fs::path& outFile)
{
  fs::remove(outFile);
  const CliRun run = runCli(args);
  return "exit " + std::to_string(run.exitCode) + "\n--- stderr\n" + run.err + "--- stdout\n" +
         run.out + "--- file\n" + readFileBytes(outFile.string());
}

class Characterisation : public testing::ScratchFolderTest
{
protected:
  // Compares `actual` with the golden file `name`, or writes it when asked to.
  void expectGolden(const std::string& name, const std::string& actual)
  {
    const fs::path golden = fs::path(kSource) / "tests/data/golden" / name;
    if (std::getenv("NORVANE_WRITE_GOLDENS") != nullptr) {
      fs::create_directories(golden.parent_path());
      writeFileBytes(golden.string(), actual);
      return;
    }
    ASSERT_TRUE(fs::exists(golden)) << golden;
    EXPECT_EQ(actual, readFileBytes(golden.string())) << name;
  }
};

TEST_F(Characterisation, OutputsEqualTheGoldenFiles)
{
  const std::vector<fs::path> files = characterisedFiles();
  ASSERT_GE(files.size(), 30u);
  const fs::path out = folder / "out";
  for (const fs::path& file : files) {
    SCOPED_TRACE(file.string());
    const std::string stem = file.stem().string();
    for (const char* mode : {"nominal", "lower", "upper", "random"}) {
      expectGolden(stem + "." + mode + ".csv",
                   outcome({"simulate", file.string(), "--format", "csv", "--tolerance", mode,
                            "--seed", "7", "-o", out.string()},
                           out));
    }
    expectGolden(stem + ".netlist.txt", outcome({"netlist", file.string()}, out));
    expectGolden(stem + ".spice.txt", outcome({"spice", file.string(), "-o", out.string()}, out));

    runCli({"resave", file.string(), "-o", out.string()});
    EXPECT_EQ(readFileBytes(out.string()), readFileBytes(file.string()));
  }
}

} // namespace
} // namespace norvane
