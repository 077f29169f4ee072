// The Qt side of the prompts: file filters converted for Qt's dialog, and the Latin-1 text
// boundary that must carry the document's 8-bit characters unchanged.
#include "qtprompts.h"
#include "latin1text.h"

#include <gtest/gtest.h>

namespace norvane {
namespace {

TEST(QtFileFilter, PipeFiltersBecomeQtFilters)
{
  struct Case
  {
    std::string pipe;
    QString qt;
    QString suffix;
  };
  const Case cases[] = {
      {"Circuit files (*.cct)|*.cct|All files (*.*)|*.*", "Circuit files (*.cct);;All files (*)",
       "cct"},
      {"Circuit Files (*.cct)|*.cct|All Files (*.*)|*.*", "Circuit Files (*.cct);;All Files (*)",
       "cct"},
      {"Bitmap files (*.bmp)|*.bmp|All files (*.*)|*.*", "Bitmap files (*.bmp);;All files (*)",
       "bmp"},
      // Several patterns in one entry, and a description without a bracket of its own.
      {"S-parameter data|*.s1p;*.s2p|All|*.*", "S-parameter data (*.s1p *.s2p);;All (*)", "s1p"},
      {"All files (*.*)|*.*", "All files (*)", ""},
      {"", "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(qtFileFilter(c.pipe), c.qt) << c.pipe;
    EXPECT_EQ(defaultSuffix(c.pipe), c.suffix) << c.pipe;
  }
}

TEST(Latin1Text, DocumentCharactersRoundTrip)
{
  // "°", "µ", accented letters; "Ω" is not in the set (becomes "?").
  const std::string latin1 = "90\xB0 4.7\xB5H Caf\xE9 \xC5ngstr\xF6m";
  const QString shown = toQt(latin1);
  EXPECT_EQ(shown, QString::fromUtf8("90° 4.7µH Café Ångström"));
  EXPECT_EQ(fromQt(shown), latin1);
  EXPECT_EQ(fromQt(QString::fromUtf8("50\u03A9")), "50?");
  // The Windows additions to Latin-1: euro, typographic quotes, dash, trade mark.
  const std::string windows = "\x80"
                              "5 \x93quoted\x94 \x96 Norvane\x99";
  EXPECT_EQ(toQt(windows), QString::fromUtf8("€5 “quoted” – Norvane™"));
  EXPECT_EQ(fromQt(QString::fromUtf8("€5 “quoted” – Norvane™")), windows);
  EXPECT_EQ(fromQt(QString::fromUtf8("\u0080")), "?"); // a control the set has no byte for
  // All 256 byte values survive the trip through Qt.
  std::string all;
  for (int c = 1; c < 256; ++c) {
    all.push_back(static_cast<char>(c));
  }
  EXPECT_EQ(fromQt(toQt(all)), all);
}

TEST(Latin1Text, PathsUseTheFileSystemEncoding)
{
  const QString folder = QString::fromUtf8("/tmp/J\u00F6rg/amp.cct");
  const std::string bytes = pathFromQt(folder);
  EXPECT_EQ(pathToQt(bytes), folder);
  EXPECT_EQ(bytes, "/tmp/J\xC3\xB6rg/amp.cct"); // UTF-8 on this system
}

} // namespace
} // namespace norvane
