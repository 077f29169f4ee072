#include "support/testfolder.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <system_error>
#include <vector>

namespace norvane::testing {

TestFolder::TestFolder(const std::string& label)
{
  // A test's full name may hold '/' (parameterised tests) and be long; the folder's name
  // must stay one short path component.
  std::string name = "norvane_" + label.substr(0, 100);
  std::replace(name.begin(), name.end(), '/', '_');
  const std::string pattern = (std::filesystem::temp_directory_path() / name).string() + "_XXXXXX";
  std::vector<char> buffer(pattern.begin(), pattern.end());
  buffer.push_back('\0');
  if (::mkdtemp(buffer.data()) == nullptr) {
    throw std::system_error(errno, std::generic_category(), "mkdtemp " + pattern);
  }
  m_path = buffer.data();
}

TestFolder::~TestFolder()
{
  std::error_code ignored; // a destructor must not throw; a leftover is seen in the folder
  std::filesystem::remove_all(m_path, ignored);
}

int TestFolder::entries() const
{
  int n = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(m_path))
    ++n;
  return n;
}

} // namespace norvane::testing
