// The tests' temporary folders: every one new and empty under TMPDIR, never shared (two runs
// of the suite at once, or two tests of one program), and gone with its contents afterwards.
#include "support/testfolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>

namespace norvane {
namespace {

namespace fs = std::filesystem;

TEST(TestFolder, EachIsNewUnderTheTemporaryFolderAndGoesWithWhatItHolds)
{
  fs::path first;
  {
    const testing::TestFolder a("Suite.Case");
    const testing::TestFolder b("Suite.Case");
    first = a.path();
    EXPECT_NE(a.path(), b.path());
    for (const testing::TestFolder* f : {&a, &b}) {
      EXPECT_TRUE(fs::is_directory(f->path()));
      EXPECT_EQ(f->entries(), 0);
      EXPECT_EQ(f->path().parent_path(), fs::temp_directory_path());
      EXPECT_EQ(f->path().filename().string().rfind("norvane_Suite.Case_", 0), 0u);
    }
    fs::create_directories(a.path() / "sub" / "deeper");
    std::ofstream(a.file("sub/deeper/x.txt")) << "x";
    std::ofstream(a.file("y.txt")) << "y";
    EXPECT_EQ(a.entries(), 2);
  }
  EXPECT_FALSE(fs::exists(first));

  // Under TMPDIR when it is set; a parameterised test's name stays one folder.
  const testing::TestFolder outer("outer");
  const char* old = std::getenv("TMPDIR");
  const std::optional<std::string> saved = old ? std::optional<std::string>(old) : std::nullopt;
  ::setenv("TMPDIR", outer.path().c_str(), 1);
  {
    const testing::TestFolder inner("Kinds/Each.Case/3");
    EXPECT_EQ(inner.path().parent_path(), outer.path());
  }
  if (saved) {
    ::setenv("TMPDIR", saved->c_str(), 1);
  } else {
    ::unsetenv("TMPDIR");
  }
  EXPECT_EQ(outer.entries(), 0);
}

} // namespace
} // namespace norvane
