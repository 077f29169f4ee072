#pragma once
// A folder of one test's own under the temporary folder (TMPDIR, else /tmp), removed with all
// it holds when the TestFolder goes. mkdtemp picks the name, so test programs that CTest runs
// side by side, and two whole runs of the suite at once, never share a folder.

#include <filesystem>
#include <string>

namespace norvane::testing {

class TestFolder
{
public:
  // `label` starts the folder's name ("norvane_<label>_XXXXXX") so that a folder left by a
  // crashed test says whose it was.
  explicit TestFolder(const std::string& label = "test");
  ~TestFolder();
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;

  const std::filesystem::path& path() const { return m_path; }
  // The full name of `name` inside the folder.
  std::string file(const std::string& name) const { return (m_path / name).string(); }
  // How many entries the folder holds (a failed write must leave no temporary file behind).
  int entries() const;

private:
  std::filesystem::path m_path;
};

} // namespace norvane::testing
