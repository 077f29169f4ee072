// The S-parameter result file has one writer: the graph window's "Save Results" and
// `norvane-cli simulate` give the same bytes for every example.

#include "cli_support.h"

#include "config/environment.h"
#include "document/clearschematic.h"
#include "document/schematicreader.h"
#include "graph/simulationrun.h"
#include "support/scriptedprompts.h"
#include "support/testfolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <memory>

namespace norvane {
namespace {

using testing::readFileBytes;
using testing::runCli;

TEST(ResultFile, WindowExportEqualsTheCommandLine)
{
  const testing::TestFolder scratch("ResultFile");
  int compared = 0;
  for (const auto& entry :
       std::filesystem::directory_iterator(std::string(NORVANE_SOURCE_DIR) + "/examples")) {
    // The folder also holds the data files the examples were made from.
    if (entry.path().extension() != ".cct") continue;
    const std::string input = entry.path().string();
    SCOPED_TRACE(input);
    auto doc = std::make_unique<Schematic>();
    Environment env;
    fillBuiltInDefaults(env);
    clearSchematic(*doc, env);
    ASSERT_TRUE(loadSchematic(*doc, input).ok());

    const std::string fromWindow = scratch.file("resultfile_window.s2p");
    const std::string fromCli = scratch.file("resultfile_cli.s2p");
    SimulationSession session;
    NoRunDisplay display;
    ScriptedPrompts prompts;
    prompts.fileNames.push_back(fromWindow);
    const SimulateResult r = exportSParameterFile(*doc, session, display, {}, prompts);
    ASSERT_TRUE(r.fileWritten);
    ASSERT_EQ(runCli({"simulate", input, "-o", fromCli}).exitCode, 0);
    const std::string bytes = readFileBytes(fromWindow);
    EXPECT_GT(bytes.size(), 40u);
    EXPECT_EQ(bytes, readFileBytes(fromCli));
    std::remove(fromWindow.c_str());
    std::remove(fromCli.c_str());
    ++compared;
  }
  EXPECT_GE(compared, 4);
}

} // namespace
} // namespace norvane
