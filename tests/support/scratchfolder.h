#pragma once
// A fresh, empty folder for every test, removed afterwards. It is named after the test and
// this process, so test programs that CTest runs side by side never share one.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace norvane::testing {

class ScratchFolderTest : public ::testing::Test
{
protected:
  void SetUp() override
  {
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = "norvane_" + std::string(info->test_suite_name()) + "_" + info->name() +
                       "_" + std::to_string(::getpid());
    std::replace(name.begin(), name.end(), '/', '_'); // parameterised tests' names
    folder = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
  }
  void TearDown() override { std::filesystem::remove_all(folder); }

  std::string path(const std::string& name) const { return (folder / name).string(); }
  // How many files the folder holds (a failed write must leave no temporary one behind).
  int entries() const
  {
    int n = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(folder))
      ++n;
    return n;
  }

  std::filesystem::path folder;
};

} // namespace norvane::testing
