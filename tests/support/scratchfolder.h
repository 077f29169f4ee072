#pragma once
// A test fixture with a fresh, empty folder of its own (a TestFolder named after the test),
// removed after the test.

#include "support/testfolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace norvane::testing {

// "Suite.Test" of the test now running.
inline std::string currentTestName()
{
  const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
  return std::string(info->test_suite_name()) + "." + info->name();
}

class ScratchFolderTest : public ::testing::Test
{
protected:
  std::string path(const std::string& name) const { return scratch.file(name); }
  // How many files the folder holds (a failed write must leave no temporary one behind).
  int entries() const { return scratch.entries(); }

  TestFolder scratch{currentTestName()};
  const std::filesystem::path& folder = scratch.path();
};

} // namespace norvane::testing
