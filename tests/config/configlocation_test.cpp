#include "config/configlocation.h"

#include "support/testfolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

namespace norvane {
namespace {

namespace fs = std::filesystem;

TEST(ResolveConfigPath, FollowsTheLocationRule)
{
  struct Case
  {
    const char* what;
    ConfigLocationInputs in;
    fs::path expected;
  };
  const Case cases[] = {
      {"beside a writable program",
       {"/opt/norvane", true, "", "/home/a/.cfg", "/home/a"},
       "/opt/norvane/Norvane.cfg"},
      {"XDG folder when the program folder is read-only",
       {"/usr/bin", false, "", "/home/a/.xdg", "/home/a"},
       "/home/a/.xdg/Norvane/Norvane.cfg"},
      {"~/.config without XDG_CONFIG_HOME",
       {"/usr/bin", false, "", "", "/home/a"},
       "/home/a/.config/Norvane/Norvane.cfg"},
      {"a relative XDG_CONFIG_HOME is ignored",
       {"/usr/bin", false, "", "relative/cfg", "/home/a"},
       "/home/a/.config/Norvane/Norvane.cfg"},
      {"NORVANE_CONFIG overrides a writable program folder",
       {"/opt/norvane", true, "/tmp/my.cfg", "/x", "/home/a"},
       "/tmp/my.cfg"},
      {"NORVANE_CONFIG overrides the XDG folder",
       {"/usr/bin", false, "/tmp/my.cfg", "/x", "/home/a"},
       "/tmp/my.cfg"},
      {"nothing known: the program folder as a last resort",
       {"/usr/bin", false, "", "", ""},
       "/usr/bin/Norvane.cfg"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(resolveConfigPath(c.in), c.expected);
  }
}

// Sets an environment variable for the lifetime of the object and restores it afterwards.
class ScopedEnv
{
public:
  ScopedEnv(const char* name, const char* value) : m_name(name)
  {
    if (const char* old = std::getenv(name)) m_old = old;
    if (value)
      ::setenv(name, value, 1);
    else
      ::unsetenv(name);
  }
  ~ScopedEnv()
  {
    if (m_old)
      ::setenv(m_name, m_old->c_str(), 1);
    else
      ::unsetenv(m_name);
  }

private:
  const char* m_name;
  std::optional<std::string> m_old;
};

TEST(ConfigFilePath, ProbesTheProgramFolderAndHonoursTheOverride)
{
  const testing::TestFolder scratch("ConfigFilePath");
  const fs::path& dir = scratch.path();

  EXPECT_TRUE(isDirectoryWritable(dir));
  EXPECT_TRUE(fs::is_empty(dir)); // the probe file is removed again
  EXPECT_FALSE(isDirectoryWritable(dir / "absent"));
  EXPECT_FALSE(isDirectoryWritable(""));

  {
    ScopedEnv unset("NORVANE_CONFIG", nullptr);
    EXPECT_EQ(configFilePath(dir), dir / "Norvane.cfg");
  }
  {
    ScopedEnv empty("NORVANE_CONFIG", "");
    EXPECT_EQ(configFilePath(dir), dir / "Norvane.cfg");
  }
  {
    ScopedEnv chosen("NORVANE_CONFIG", "/somewhere/else.cfg");
    EXPECT_EQ(configFilePath(dir), fs::path("/somewhere/else.cfg"));
  }
  {
    ScopedEnv unset("NORVANE_CONFIG", nullptr);
    ScopedEnv xdg("XDG_CONFIG_HOME", "/xdg/home");
    EXPECT_EQ(configFilePath(dir / "absent"), fs::path("/xdg/home/Norvane/Norvane.cfg"));
  }
}

} // namespace
} // namespace norvane
