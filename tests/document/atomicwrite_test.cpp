#include "document/atomicwrite.h"

#include "support/filelimit.h"
#include "support/scratchfolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace norvane {
namespace {

namespace fs = std::filesystem;

class AtomicWrite : public testing::ScratchFolderTest
{
protected:
  static std::string read(const fs::path& p)
  {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
  }
  static void write(const fs::path& p, const std::string& text)
  {
    std::ofstream(p, std::ios::binary) << text;
  }
};

TEST_F(AtomicWrite, SpecialFilesAreRefusedAndLeftAlone)
{
  const fs::path fifo = folder / "pipe.s2p";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(writeFileAtomically(fifo.string(), "text").error, "Not a regular file");
  EXPECT_TRUE(fs::is_fifo(fifo));
  EXPECT_EQ(entries(), 1);

  EXPECT_EQ(writeFileAtomically("/dev/null", "text").error, "Not a regular file");
  EXPECT_TRUE(fs::is_character_file("/dev/null"));

  // A link to a FIFO is followed and refused too.
  fs::create_symlink(fifo, folder / "link.s2p");
  EXPECT_EQ(writeFileAtomically((folder / "link.s2p").string(), "text").error,
            "Not a regular file");
  EXPECT_TRUE(fs::is_fifo(fifo));
}

TEST_F(AtomicWrite, PermissionsOwnerAndHardLinksSurvive)
{
  const fs::path a = folder / "a.cct";
  write(a, "old");
  ASSERT_EQ(::chmod(a.c_str(), 0640), 0);
  const bool root = ::geteuid() == 0;
  if (root) {
    ASSERT_EQ(::chown(a.c_str(), 4321, 4322), 0);
  }
  ASSERT_TRUE(writeFileAtomically(a.string(), "new").ok());
  EXPECT_EQ(read(a), "new");
  struct stat st
  {
  };
  ASSERT_EQ(::stat(a.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  if (root) {
    EXPECT_EQ(st.st_uid, 4321u);
    EXPECT_EQ(st.st_gid, 4322u);
  }

  // Two names for one file: both show the new text and stay one file.
  const fs::path b = folder / "b.cct";
  fs::create_hard_link(a, b);
  ASSERT_TRUE(writeFileAtomically(a.string(), "newer and longer").ok());
  EXPECT_EQ(read(b), "newer and longer");
  EXPECT_EQ(fs::hard_link_count(a), 2u);
  ASSERT_TRUE(writeFileAtomically(b.string(), "short").ok());
  EXPECT_EQ(read(a), "short");
  EXPECT_EQ(entries(), 2);

  // A new file: created, no temporary left.
  ASSERT_TRUE(writeFileAtomically((folder / "c.s2p").string(), "").ok());
  EXPECT_TRUE(fs::is_regular_file(folder / "c.s2p"));
  EXPECT_EQ(entries(), 3);
}

TEST_F(AtomicWrite, AFailedWriteKeepsThePreviousFile)
{
  const fs::path a = folder / "a.s2p";
  write(a, "previous");
  const std::string big(64 * 1024, 'x');
  {
    testing::FileSizeLimit limit(4096); // the disk "fills up" after 4 KiB
    EXPECT_EQ(writeFileAtomically(a.string(), big).error, "Disk write error");
    EXPECT_EQ(writeFileAtomically((folder / "new.s2p").string(), big).error, "Disk write error");
  }
  EXPECT_EQ(read(a), "previous");
  EXPECT_EQ(entries(), 1);
  EXPECT_EQ(writeFileAtomically((folder / "none" / "x").string(), "x").error, "Path not found");
}

} // namespace
} // namespace norvane
