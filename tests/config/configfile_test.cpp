#include "config/configfile.h"

#include "support/testfolder.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace norvane {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> linesOf(const std::string& text)
{
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find("\r\n", start);
    EXPECT_NE(end, std::string::npos) << "every line ends with CR LF";
    if (end == std::string::npos) break;
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

TEST(ConfigFileText, WritesBannerAndKeysInOrder)
{
  const std::vector<std::string> lines = linesOf(configFileText(Environment{}));
  ASSERT_EQ(lines.size(), 50u);
  EXPECT_EQ(lines[0], "*************************************************************");
  EXPECT_EQ(lines[1], "****************  Norvane configuration file  ***************");
  EXPECT_EQ(lines[2], lines[0]);
  const std::vector<std::string> expected = {
      "autoopen= TRUE",
      "gridon= TRUE",
      "rememberlastcomp= FALSE",
      "chainshorts= FALSE",
      "filename= ",
      "numpoints= 100",
      "mindB= -5.00000000000000E+0001",
      "maxdB=  5.00000000000000E+0001",
      "lowfreq=  1.00000000000000E+0003",
      "highfreq=  1.00000000000000E+0010",
      "papercolor= 16777215",
      "griddotscolor= 8421504",
      "selectedcompcolor= 8421504",
      "compcolor= 0",
      "selectedcomptextcolor= 8421504",
      "comptextcolor= 0",
      "selectedwirecolor= 8421504",
      "wirecolor= 0",
      "selectedportcolor= 8421504",
      "portcolor= 0",
      "selectedgndcolor= 8421504",
      "gndcolor= 0",
      "trace1color= 255",
      "trace2color= 16711680",
      "majoraxiscolor= 16777215",
      "minoraxiscolor= 8421504",
      "graphbackgroundcolor= 0",
      "printerpapercolor= 16777215",
      "printercompcolor= 0",
      "printercomptextcolor= 0",
      "printerwirecolor= 0",
      "printerportcolor= 0",
      "printergndcolor= 0",
      "printertrace1color= 255",
      "printertrace2color= 16711680",
      "printermajoraxiscolor= 0",
      "printerminoraxiscolor= 8421504",
      "schemawinpos.left= 50",
      "schemawinpos.top= 50",
      "schemawinpos.width= 500",
      "schemawinpos.height= 400",
      "schemawinstat= wsNormal",
      "graphwinpos.left= 100",
      "graphwinpos.top= 100",
      "graphwinpos.width= 450",
      "graphwinpos.height= 350",
      "graphwinstat= wsNormal",
  };
  for (std::size_t i = 0; i < expected.size(); ++i)
    EXPECT_EQ(lines[i + 3], expected[i]);
}

Environment unusualRecord()
{
  Environment env;
  env.filename = "/home/rf/designs/lna = v2.cct";
  env.numpoints = 250;
  env.mindB = -12.345678901234;
  env.maxdB = 0.5;
  env.lowfreq = 1.5e6;
  env.highfreq = 2.4e9;
  env.autoopen = false;
  env.chainshorts = true;
  env.rememberlastcomp = true;
  env.gridon = false;
  env.papercolor = 1;
  env.griddotscolor = 2;
  env.compcolor = -3;
  env.printerminoraxiscolor = 123456;
  env.schemawinpos = {-10, 0, 1920, 1080};
  env.schemawinstat = "wsMaximized";
  env.graphwinpos = {5, 6, 7, 8};
  env.graphwinstat = "wsMinimized";
  return env;
}

TEST(ConfigFileText, RoundTripsThroughTheReader)
{
  Environment read;
  applyConfigText(read, configFileText(Environment{}));
  EXPECT_EQ(read, Environment{});

  const Environment written = unusualRecord();
  Environment readBack;
  applyConfigText(readBack, configFileText(written));
  EXPECT_EQ(readBack, written);
}

TEST(ConfigFileText, KeepsRecentFilesAndTheTuneStepAfterTheOtherKeys)
{
  // Without them the text is exactly the old one; with them they follow the last old key.
  Environment env;
  const std::string plain = configFileText(env);
  rememberRecentFile(env, "/a/one.cct");
  rememberRecentFile(env, "/b/two.cct");
  rememberRecentFile(env, "/a/one.cct"); // opened again: first, and only once
  env.tunestep = "5%";
  const std::string text = configFileText(env);
  ASSERT_EQ(text.substr(0, plain.size()), plain);
  EXPECT_EQ(text.substr(plain.size()),
            "recentfile1= /a/one.cct\r\nrecentfile2= /b/two.cct\r\ntunestep= 5%\r\n");
  Environment readBack;
  applyConfigText(readBack, text);
  EXPECT_EQ(readBack, env);

  // The list keeps the last eight, newest first.
  for (int i = 1; i <= 10; ++i)
    rememberRecentFile(env, "f" + std::to_string(i) + ".cct");
  EXPECT_EQ(env.recentfiles.front(), "f10.cct");
  EXPECT_EQ(env.recentfiles.back(), "f3.cct");
  forgetRecentFile(env, "f10.cct");
  EXPECT_EQ(env.recentfiles.front(), "f9.cct");
  EXPECT_EQ(env.recentfiles.back(), "");
}

TEST(ConfigFileText, NoiseTemperatureIsWrittenOnlyWhenSet)
{
  Environment env;
  const std::string plain = configFileText(env);
  EXPECT_EQ(plain.find("noisetemp"), std::string::npos);
  EXPECT_EQ(noiseKelvin(env), 290.0);
  env.noisetemp = "300";
  const std::string text = configFileText(env);
  ASSERT_EQ(text.substr(0, plain.size()), plain);
  EXPECT_EQ(text.substr(plain.size()), "noisetemp= 300\r\n");
  Environment readBack;
  applyConfigText(readBack, text);
  EXPECT_EQ(noiseKelvin(readBack), 300.0);
  // What does not read as a temperature is not taken as one.
  for (const char* bad : {"abc", "300K", "0", "-5", "1e300"}) {
    readBack.noisetemp = bad;
    EXPECT_EQ(noiseKelvin(readBack), 290.0) << bad;
  }
}

TEST(ConfigFileText, ReadsTheEdgeCases)
{
  {
    Environment env;
    applyConfigText(env, "gridon=FALSE");
    Environment expected;
    expected.gridon = false;
    EXPECT_EQ(env, expected);
  }
  {
    Environment env;
    applyConfigText(env, "autoopen= false\r\nchainshorts= yes\r\n");
    EXPECT_TRUE(env.autoopen);    // only "FALSE" means false
    EXPECT_TRUE(env.chainshorts); // any other text means true
  }
  {
    Environment env;
    applyConfigText(env, "graphwinstat= wsMaximised\r\nschemawinstat= wsMinimized\r\n");
    EXPECT_EQ(env.graphwinstat, "wsNormal");
    EXPECT_EQ(env.schemawinstat, "wsMinimized");
  }
  {
    Environment env;
    applyConfigText(env, "filename= C:\\a=b\\c.cct  \r\n");
    EXPECT_EQ(env.filename, "C:\\a=b\\c.cct");
  }
  {
    Environment env;
    applyConfigText(env, "numpoints= 10\r\nnumpoints= 20\r\n");
    EXPECT_EQ(env.numpoints, 20); // the last one wins
  }
  {
    Environment env;
    applyConfigText(env, "GridOn=FALSE\r\ngridon =FALSE\r\n\t gridon=\tFALSE \x1a\r\n");
    // Keys are case-sensitive and include the "="; blanks around key and value are trimmed.
    EXPECT_FALSE(env.gridon);
    Environment other;
    applyConfigText(other, "GridOn=FALSE\r\ngridon =FALSE\r\n");
    EXPECT_TRUE(other.gridon);
  }
  {
    Environment env;
    applyConfigText(env, "printergraphbackgroundcolor= 42\r\nunknownkey= 5\r\n=7\r\n=\r\n");
    EXPECT_EQ(env.printergraphbackgroundcolor, 42);
    Environment expected;
    expected.printergraphbackgroundcolor = 42;
    EXPECT_EQ(env, expected);
  }
  {
    Environment env;
    applyConfigText(env, "filename= " + std::string(300, 'x'));
    EXPECT_EQ(env.filename, std::string(255, 'x'));
  }
  {
    // Numbers go through the engineering parser and integers are rounded.
    Environment env;
    applyConfigText(env, "numpoints= 250.6\nlowfreq= 10M\rhighfreq=2.4G\n"
                         "papercolor= 1e30\ncompcolor=-1e30\nwirecolor= red\n"
                         "graphwinpos.width= 2.5\ngraphwinpos.height= 3.5\n");
    EXPECT_EQ(env.numpoints, 251);
    EXPECT_EQ(env.lowfreq, 1e7);
    EXPECT_EQ(env.highfreq, 2.4e9);
    EXPECT_EQ(env.papercolor, INT_MAX);
    EXPECT_EQ(env.compcolor, INT_MIN);
    EXPECT_EQ(env.wirecolor, 0);
    EXPECT_EQ(env.graphwinpos.width, 2); // halves to even
    EXPECT_EQ(env.graphwinpos.height, 4);
  }
}

TEST(ConfigFileText, NeverWritesALineBreakInsideAValue)
{
  Environment env;
  env.filename = "evil\r\ngridon= FALSE";
  const std::string text = configFileText(env);
  EXPECT_EQ(linesOf(text).size(), 50u);
  Environment read;
  applyConfigText(read, text);
  EXPECT_TRUE(read.gridon);
  EXPECT_EQ(read.filename, "");
}

// Random and mutated configuration texts: the reader must neither crash nor leave a field
// outside what the record can hold.
TEST(ConfigFileText, SurvivesMalformedText)
{
  const std::string valid = configFileText(unusualRecord());
  const std::string alphabet = "=\r\n \t-+.eE0123456789kMGTmunpf%FALSEwsNormalx\x1a\xff";
  std::mt19937 rng(2024);
  for (int round = 0; round < 3000; ++round) {
    std::string text = valid;
    const int edits = 1 + static_cast<int>(rng() % 40);
    for (int e = 0; e < edits && !text.empty(); ++e) {
      const std::size_t at = rng() % text.size();
      switch (rng() % 4) {
      case 0:
        text[at] = alphabet[rng() % alphabet.size()];
        break;
      case 1:
        text.erase(at, 1 + rng() % 20);
        break;
      case 2:
        text.insert(at, 1 + rng() % 5, alphabet[rng() % alphabet.size()]);
        break;
      default:
        text.insert(at, text.substr(rng() % text.size(), rng() % 80));
        break;
      }
    }
    if (round % 10 == 0) {
      text.clear();
      for (int i = 0; i < 500; ++i)
        text += static_cast<char>(rng() % 256);
    }
    Environment env;
    applyConfigText(env, text);
    EXPECT_LE(env.filename.size(), 4 * 255u); // 255 characters of at most four bytes
    EXPECT_TRUE(isWindowStateText(env.schemawinstat));
    EXPECT_TRUE(isWindowStateText(env.graphwinstat));
    for (double x : {env.mindB, env.maxdB, env.lowfreq, env.highfreq})
      EXPECT_TRUE(std::isfinite(x));
  }
}

class ConfigFileOnDisk : public ::testing::Test
{
protected:
  std::size_t entriesIn(const fs::path& dir) const
  {
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir))
      ++n;
    return n;
  }

  testing::TestFolder m_scratch{"ConfigFileOnDisk"};
  const fs::path& m_dir = m_scratch.path();
};

TEST_F(ConfigFileOnDisk, WritesAndReadsBack)
{
  const fs::path file = m_dir / "Norvane.cfg";
  ASSERT_TRUE(writeConfig(unusualRecord(), file).ok);
  Environment env;
  const ConfigFileResult result = readConfig(env, file);
  EXPECT_TRUE(result.ok);
  EXPECT_EQ(env, unusualRecord());

  // Overwriting replaces the content and leaves no temporary file behind.
  ASSERT_TRUE(writeConfig(Environment{}, file).ok);
  Environment again = unusualRecord();
  ASSERT_TRUE(readConfig(again, file).ok);
  EXPECT_EQ(again, Environment{});
  EXPECT_EQ(entriesIn(m_dir), 1u);
}

TEST_F(ConfigFileOnDisk, LongFileNamesWithLettersOfSeveralBytesStayWhole)
{
  // Paths are UTF-8: "é" and "€" take two and three bytes. A name of 255 characters is kept
  // whole however many bytes it has, round after round; a longer one is cut after its 255th
  // character, not inside one.
  const std::string folder = "/home/r\xc3\xa9mi/\xe2\x82\xac/";
  const std::string name = folder + std::string(255 - 13 - 4, 'x') + ".cct";
  ASSERT_EQ(name.size(), 255u + 1 + 2);
  const fs::path file = m_dir / "Norvane.cfg";
  Environment env;
  env.filename = name;
  for (int round = 0; round < 3; ++round) {
    ASSERT_TRUE(writeConfig(env, file).ok);
    Environment back;
    ASSERT_TRUE(readConfig(back, file).ok);
    EXPECT_EQ(back.filename, name) << "round " << round;
    env = back;
  }
  Environment cut;
  applyConfigText(cut, "filename= " + std::string(254, 'x') + "\xc3\xa9\xc3\xa9\r\n");
  EXPECT_EQ(cut.filename, std::string(254, 'x') + "\xc3\xa9");
}

TEST_F(ConfigFileOnDisk, CreatesTheMissingFolder)
{
  const fs::path file = m_dir / "xdg" / "Norvane" / "Norvane.cfg";
  ASSERT_TRUE(writeConfig(Environment{}, file).ok);
  EXPECT_TRUE(fs::exists(file));
}

TEST_F(ConfigFileOnDisk, MissingFileIsReportedAndChangesNothing)
{
  Environment env = unusualRecord();
  const ConfigFileResult result = readConfig(env, m_dir / "absent.cfg");
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.error, "File not found");
  EXPECT_EQ(env, unusualRecord());
}

TEST_F(ConfigFileOnDisk, FailedWriteKeepsTheOldFile)
{
  // The target is occupied by a non-empty folder, so the final rename must fail.
  const fs::path target = m_dir / "Norvane.cfg";
  fs::create_directories(target);
  {
    std::ofstream(target / "keep.txt") << "old";
  }
  const ConfigFileResult result = writeConfig(Environment{}, target);
  EXPECT_FALSE(result.ok);
  EXPECT_FALSE(result.error.empty());
  EXPECT_TRUE(fs::exists(target / "keep.txt"));
  EXPECT_EQ(entriesIn(m_dir), 1u); // the temporary file is gone

  // A folder that cannot be created (its parent is a file) fails cleanly too.
  {
    std::ofstream(m_dir / "plain") << "x";
  }
  EXPECT_FALSE(writeConfig(Environment{}, m_dir / "plain" / "Norvane.cfg").ok);
}

TEST_F(ConfigFileOnDisk, ReadsAFolderWithoutCrashing)
{
  Environment env;
  const ConfigFileResult result = readConfig(env, m_dir);
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.error, "Access denied");
  EXPECT_EQ(env, Environment{});
}

} // namespace
} // namespace norvane
