#include "document/componentkinds.h"
#include "document/schematicreader.h"
#include "document/schematicwriter.h"

#include "schematic_support.h"
#include "support/scratchfolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>

namespace norvane {
namespace {

using testing::resetDocument;
using testing::richDocument;

const std::string kBanner = "***********************************************************\r\n"
                            "******              Norvane Schematic File         ********\r\n"
                            "***********************************************************\r\n";

// Reads `text` into a reset document.
Schematic readIntoReset(const std::string& text, FileResult* result = nullptr)
{
  Schematic doc = resetDocument();
  const FileResult r = readSchematicText(doc, text);
  if (result != nullptr) {
    *result = r;
  }
  return doc;
}

std::vector<std::string> linesOf(const std::string& text)
{
  std::vector<std::string> lines;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t end = text.find("\r\n", pos);
    lines.push_back(text.substr(pos, end - pos));
    pos = end == std::string::npos ? text.size() : end + 2;
  }
  return lines;
}

TEST(SchematicWriter, LayoutOfTheFile)
{
  Schematic doc = resetDocument();
  doc.drawdat.components.append(
      testing::component("R1", ComponentType::Resistor, 1, {100, 100}, 1));
  doc.drawdat.components[1].value[1] = testing::tol(50, -1, 1, true, true);
  doc.datasets.onePort[2].points.append({1e9, {0.5, -2}});
  const std::string text = schematicText(doc);

  ASSERT_EQ(text.rfind(kBanner, 0), 0u);
  EXPECT_EQ(text.find('\n'), text.find('\r') + 1);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n') {
      ASSERT_EQ(text[i - 1], '\r') << "bare line feed at " << i;
    }
  }
  const std::vector<std::string> lines = linesOf(text);

  // Sections in their fixed order.
  const char* order[] = {"mmdB{",        "mmLin{",        "mmPhase{",       "lastC{",
                         "lastL{",       "lastR{",        "lastopamp{",     "lastVCVS{",
                         "lastVCCS{",    "lastCCVS{",     "lastCCCS{",      "lasttxln{",
                         "plotformat{",  "current2port{", "current1port{",  "Xax{",
                         "Y1ax{",        "Y2ax{",         "polarS11mag{",   "polarS21mag{",
                         "polarS12mag{", "polarS22mag{",  "polarmeaswhat{", "cursorpos{",
                         "circleson{",   "simulated{",    "drawdat{",       "P1{",
                         "P2{",          "component{",    "1pdat{"};
  std::size_t at = 0;
  for (const char* opener : order) {
    const auto it = std::find(lines.begin() + static_cast<long>(at), lines.end(), opener);
    ASSERT_NE(it, lines.end()) << opener;
    at = static_cast<std::size_t>(it - lines.begin());
  }

  const std::vector<std::string> head(lines.begin() + 3, lines.begin() + 11);
  EXPECT_EQ(head, (std::vector<std::string>{"mmdB{", "max= 1.00000000000000E+0001",
                                            "min=-4.00000000000000E+0001", "}", "mmLin{",
                                            "max= 1.00000000000000E+0000",
                                            "min= 0.00000000000000E+0000", "}"}));
  auto contains = [&](const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  };
  EXPECT_TRUE(contains("value[1]={nom= 5.00000000000000E+0001; mintol=-1.00000000000000E+0000; "
                       "maxtol= 1.00000000000000E+0000; TolEn=TRUE; Tol%=TRUE; }"));
  EXPECT_TRUE(contains("sdata=  1.00000000000000E+0009  5.00000000000000E-0001 "
                       "-2.00000000000000E+0000"));
  EXPECT_TRUE(contains("index=2"));
  EXPECT_TRUE(contains("pos.x=-100"));
  EXPECT_TRUE(contains("centspan=FALSE"));
  EXPECT_TRUE(contains("numpoints=100"));
  EXPECT_EQ(lines.back(), "}");

  // The component record, key by key.
  const auto comp = std::find(lines.begin(), lines.end(), "component{");
  const std::vector<std::string> keys = {
      "name=",       "ctype=",      "crot=",       "position.x=", "position.y=",
      "selected=",   "value[1]=",   "value[2]=",   "value[3]=",   "value[4]=",
      "value[5]=",   "nodes[1].x=", "nodes[1].y=", "nodes[2].x=", "nodes[2].y=",
      "nodes[3].x=", "nodes[3].y=", "nodes[4].x=", "nodes[4].y="};
  for (std::size_t i = 0; i < keys.size(); ++i) {
    EXPECT_EQ(comp[static_cast<long>(i + 1)].rfind(keys[i], 0), 0u) << keys[i];
  }
  EXPECT_EQ(comp[1], "name=R1");
  EXPECT_EQ(comp[static_cast<long>(keys.size() + 1)], "}");
}

TEST(SchematicFile, EverySavedFieldSurvivesARoundTrip)
{
  const Schematic original = richDocument();
  const std::string text = schematicText(original);
  FileResult result;
  const Schematic loaded = readIntoReset(text, &result);
  ASSERT_TRUE(result.ok()) << result.error;
  EXPECT_EQ(loaded.drawdat, original.drawdat);
  EXPECT_EQ(loaded.datasets, original.datasets);
  EXPECT_EQ(loaded.lastC, original.lastC);
  EXPECT_EQ(loaded.lasttxln, original.lasttxln);
  EXPECT_EQ(loaded, original);
  // Written again, byte for byte the same.
  EXPECT_EQ(schematicText(loaded), text);
}

TEST(SchematicFile, DoublesKeepFifteenDigits)
{
  Schematic doc = resetDocument();
  doc.polarS21mag = 1.0 / 3.0;
  doc.mmdB.max = std::numeric_limits<double>::max();
  doc.mmdB.min = std::numeric_limits<double>::denorm_min();
  doc.mmLin.max = std::numeric_limits<double>::infinity();
  doc.mmLin.min = std::numeric_limits<double>::quiet_NaN();
  doc.lastR.value[1].nom = -2.0 / 3.0;
  const std::string text = schematicText(doc);
  EXPECT_EQ(text.find("nan"), std::string::npos);
  EXPECT_EQ(text.find("inf"), std::string::npos);
  const Schematic loaded = readIntoReset(text);
  EXPECT_NEAR(loaded.polarS21mag, 1.0 / 3.0, 1e-15);
  EXPECT_NEAR(loaded.lastR.value[1].nom, -2.0 / 3.0, 1e-15);
  EXPECT_EQ(loaded.mmdB.max, std::numeric_limits<double>::max());
  EXPECT_EQ(loaded.mmLin.max, std::numeric_limits<double>::max());
  EXPECT_EQ(loaded.mmLin.min, 0.0);
  EXPECT_GE(loaded.mmdB.min, 0.0);
  EXPECT_EQ(schematicText(loaded), text);
}

TEST(SchematicReader, BannerOnlyGivesTheResetDocument)
{
  Schematic doc = resetDocument();
  doc.circleson = true;
  doc.simulated = true;
  ASSERT_TRUE(readSchematicText(doc, kBanner).ok());
  Schematic expected = resetDocument();
  EXPECT_EQ(doc, expected);
  EXPECT_FALSE(doc.circleson);
  EXPECT_FALSE(doc.simulated);
  ASSERT_TRUE(readSchematicText(doc, "").ok());
  EXPECT_EQ(doc, expected);
}

TEST(SchematicReader, BooleanRules)
{
  struct Case
  {
    const char* value;
    bool ruleF; // selected=, centspan=
    bool ruleT; // TolEn=, Tol%=, boolean records
  };
  const Case cases[] = {{"TRUE", true, true},    {"FALSE", false, false}, {"true", true, false},
                        {"false", true, false},  {"", true, false},       {" TRUE", true, false},
                        {"FALSE ", true, false}, {"1", true, false},      {"0", true, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    const std::string v = c.value;
    const std::string text =
        "drawdat{\r\ncomponent{\r\nselected=" + v + "\r\nvalue[1]={nom=1; " +
        "mintol=0; maxtol=0; TolEn=" + v + "; Tol%=" + v + "; }\r\n}\r\n" + "P1{\r\nselected=" + v +
        "\r\n}\r\nshape{\r\nselected=" + v + "\r\n}\r\ntext{\r\nselected=" + v +
        "\r\n}\r\nshort{\r\nstartselected=" + v + "\r\nfinishselected=" + v +
        "\r\n}\r\n}\r\nXax{\r\ncentspan=" + v + "\r\n}\r\ncircleson{\r\nvalue=" + v +
        "\r\n}\r\nsimulated{\r\nvalue=" + v + "\r\n}\r\n";
    FileResult r;
    const Schematic doc = readIntoReset(text, &r);
    ASSERT_TRUE(r.ok()) << r.error;
    const Drawing& d = doc.drawdat;
    EXPECT_EQ(d.components[1].selected, c.ruleF);
    EXPECT_EQ(d.P1.selected, c.ruleF);
    EXPECT_EQ(d.lines[1].selected, c.ruleF);
    EXPECT_EQ(d.texts[1].selected, c.ruleF);
    EXPECT_EQ(d.wires[1].startselected, c.ruleF);
    EXPECT_EQ(d.wires[1].finishselected, c.ruleF);
    EXPECT_EQ(doc.Xax.centspan, c.ruleF);
    EXPECT_EQ(d.components[1].value[1].TolEn, c.ruleT);
    EXPECT_EQ(d.components[1].value[1].TolPercent, c.ruleT);
    EXPECT_EQ(doc.circleson, c.ruleT);
    EXPECT_EQ(doc.simulated, c.ruleT);
  }
}

TEST(SchematicReader, LongTextsAreCut)
{
  const std::string name(300, 'a');
  const std::string text = "drawdat{\r\ncomponent{\r\nname=" + name +
                           "\r\n}\r\ntext{\r\nsize=100\r\n" + "text=" + std::string(70, 'b') +
                           "\r\n}\r\n2pdat{\r\nname=" + std::string(1000, 'c') +
                           "\r\nindex=1\r\nsdata=1 2 3 4 5 6 7 8 9\r\n}\r\n}\r\n" +
                           "lastR{\r\nname=" + name + "\r\n}\r\n";
  const Schematic doc = readIntoReset(text);
  EXPECT_EQ(doc.drawdat.components[1].name, std::string(255, 'a'));
  EXPECT_EQ(doc.lastR.name, std::string(255, 'a'));
  EXPECT_EQ(doc.drawdat.texts[1].size, "10");
  EXPECT_EQ(doc.drawdat.texts[1].text, std::string(64, 'b'));
  EXPECT_EQ(doc.datasets.twoPort[1].name, std::string(1000, 'c'));

  // The writer cuts the same way, and keeps one field on one line.
  Schematic over = resetDocument();
  over.lastR.name = name + "\r\nctype=9";
  over.drawdat.texts.append({{0, 0}, "123", false, "line 1\nline 2" + std::string(80, 'z')});
  const Schematic back = readIntoReset(schematicText(over));
  EXPECT_EQ(back.lastR.name, std::string(255, 'a'));
  EXPECT_EQ(back.lastR.ctype, kindOfCode(0));
  EXPECT_EQ(back.drawdat.texts[1].size, "12");
  EXPECT_EQ(back.drawdat.texts[1].text, ("line 1 line 2" + std::string(80, 'z')).substr(0, 64));
}

TEST(SchematicReader, DataSetsGoToTheirOwnIndex)
{
  Schematic doc = resetDocument();
  doc.datasets.twoPort[2].name = "kept";
  doc.datasets.twoPort[2].points.append(testing::point2(5e8, 1));
  const std::string text =
      "drawdat{\r\n"
      "2pdat{\r\nname=seven\r\nindex=7\r\nsdata= 1E9 0.5 0 2 1 0.1 0 0.3 0\r\n}\r\n"
      "1pdat{\r\nname=one\r\nsdata=2e9 0.25 -1\r\nindex=50\r\nsdata=3e9 0.5 1\r\n}\r\n"
      "2pdat{\r\nname=empty\r\nindex=9\r\n}\r\n"
      "}\r\n";
  ASSERT_TRUE(readSchematicText(doc, text).ok());
  const TwoPortDataSet& seven = doc.datasets.twoPort[7];
  EXPECT_EQ(seven.name, "seven");
  EXPECT_EQ(seven.index, 7);
  ASSERT_EQ(seven.numpoints(), 1);
  EXPECT_EQ(seven.points[1].freq, 1e9);
  EXPECT_EQ(seven.points[1].s21.mag, 2);
  EXPECT_EQ(seven.points[1].s22.mag, 0.3);
  const OnePortDataSet& one = doc.datasets.onePort[50];
  EXPECT_EQ(one.index, 50);
  ASSERT_EQ(one.numpoints(), 2);
  EXPECT_EQ(one.points[2].s11.ang, 1);
  // A set not named by the file stays as it was.
  EXPECT_EQ(doc.datasets.twoPort[2].name, "kept");
  EXPECT_EQ(doc.datasets.twoPort[2].numpoints(), 1);
  // An empty record replaces its set with an empty one.
  EXPECT_EQ(doc.datasets.twoPort[9].numpoints(), 0);
  int used = 0;
  for (const TwoPortDataSet& s : doc.datasets.twoPort) {
    used += s.inUse() ? 1 : 0;
  }
  EXPECT_EQ(used, 2);

  // A set without points is not written, so a reload leaves that set alone.
  Schematic empty = resetDocument();
  empty.datasets.twoPort[4].name = "nothing";
  EXPECT_EQ(schematicText(empty).find("2pdat{"), std::string::npos);
}

TEST(SchematicReader, CapacitiesAreFilledButNeverExceeded)
{
  // Every array exactly full reads whole.
  const auto records = [](int count, const char* opener, const std::string& body) {
    std::string text;
    for (int i = 1; i <= count; ++i) {
      text += std::string(opener) + "\r\n" + body + std::to_string(i) + "\r\n}\r\n";
    }
    return text;
  };
  const auto points = [](int count) {
    std::string text = "1pdat{\r\nindex=4\r\n";
    for (int i = 1; i <= count; ++i) {
      text += "sdata=" + std::to_string(i) + " 0.5 0\r\n";
    }
    return text + "}\r\n";
  };
  const std::string full =
      "drawdat{\r\n" + records(kMaxComponents, "component{", "ctype=4\r\nname=C") +
      records(kMaxWires, "short{", "start.x=") + records(kMaxLines, "shape{", "shapetype=") +
      records(kMaxTexts, "text{", "text=") + points(kMaxDataPoints) +
      "}\r\nplotformat{\r\nvalue=3\r\n}\r\n";
  FileResult r;
  const Schematic doc = readIntoReset(full, &r);
  ASSERT_TRUE(r.ok()) << r.error;
  const Drawing& d = doc.drawdat;
  EXPECT_EQ(d.components.count(), kMaxComponents);
  EXPECT_EQ(d.components.last().name, "C1000");
  EXPECT_EQ(d.wires.count(), kMaxWires);
  EXPECT_EQ(d.lines.count(), kMaxLines);
  EXPECT_EQ(d.texts.last().text, "500");
  EXPECT_EQ(doc.datasets.onePort[4].numpoints(), kMaxDataPoints);
  EXPECT_EQ(doc.plotformat, PlotFormat::SmithY);

  // One record more than an array holds refuses the file before anything changes, with a
  // message naming the limit. (The records come after the plot format, which would be read
  // first if the reader started.)
  const std::pair<std::string, std::string> over[] = {
      {records(kMaxComponents + 1, "component{", "ctype="), "more than 1000 components"},
      {records(kMaxWires + 1, "short{", "start.x="), "more than 1000 wires"},
      {records(kMaxLines + 1, "shape{", "shapetype="), "more than 500 drawing lines"},
      {records(kMaxTexts + 1, "text{", "text="), "more than 500 texts"},
      {points(kMaxDataPoints + 1), "1-port data set of the schematic has more than 2000 points"},
      {"2pdat{\r\nindex=51\r\n}\r\n", "2-port data set of the schematic has index 51"},
      {"1pdat{\r\nindex=0\r\n}\r\n", "has index 0; only data sets 1 to 50 can be held"},
      {"2pdat{\r\nname=cut\r\n}\r\n", "has no index"},
  };
  for (const auto& [drawing, message] : over) {
    SCOPED_TRACE(message);
    Schematic loaded = richDocument();
    const Schematic before = loaded;
    const FileResult refused = readSchematicText(
        loaded, "plotformat{\r\nvalue=3\r\n}\r\ndrawdat{\r\n" + drawing + "}\r\n");
    EXPECT_NE(refused.error.find(message), std::string::npos) << refused.error;
    EXPECT_TRUE(loaded == before);
  }
}

TEST(SchematicReader, DrawingCountsAreReplacedAndCountersDerived)
{
  Schematic doc = richDocument();
  doc.drawdat.onePortBlockCounter = 40;
  const std::string text = "drawdat{\r\ncomponent{\r\nctype=7\r\nvalue[1]={nom=5; }\r\n}\r\n"
                           "component{\r\nctype=7\r\nvalue[1]={nom=2; }\r\n}\r\n}\r\n";
  ASSERT_TRUE(readSchematicText(doc, text).ok());
  EXPECT_EQ(doc.drawdat.components.count(), 2);
  EXPECT_EQ(doc.drawdat.wires.count(), 0);
  EXPECT_EQ(doc.drawdat.lines.count(), 0);
  EXPECT_EQ(doc.drawdat.texts.count(), 0);
  EXPECT_EQ(doc.drawdat.twoPortBlockCounter, 5);
  EXPECT_EQ(doc.drawdat.onePortBlockCounter, 0);
  // The data sets are not part of the reset.
  EXPECT_TRUE(doc.datasets.twoPort[7].inUse());
}

// A kind code the program does not know is kept as read, so that saving gives it back
// unchanged; the known codes read as their kinds.
TEST(SchematicReader, KindCodesSurviveAsRead)
{
  const std::string text = "drawdat{\r\ncomponent{\r\nctype=99\r\n}\r\n"
                           "component{\r\nctype=-3\r\n}\r\n"
                           "component{\r\nctype=14\r\n}\r\n}\r\n";
  const Schematic doc = readIntoReset(text);
  ASSERT_EQ(doc.drawdat.components.count(), 3);
  EXPECT_EQ(kindCode(doc.drawdat.components[1].ctype), 99);
  EXPECT_EQ(findComponentKind(doc.drawdat.components[1].ctype), nullptr);
  EXPECT_EQ(kindCode(doc.drawdat.components[2].ctype), -3);
  EXPECT_TRUE(doc.drawdat.components[3].ctype == ComponentType::CCVS);
  const std::string saved = schematicText(doc);
  const std::vector<std::string> lines = linesOf(saved);
  for (const char* line : {"ctype=99", "ctype=-3", "ctype=14"}) {
    EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
  }
  Schematic again = resetDocument();
  ASSERT_TRUE(readSchematicText(again, saved).ok());
  EXPECT_EQ(schematicText(again), saved);
}

TEST(SchematicReader, RecordsReadKeysInAnyOrderAndSkipUnknownOnes)
{
  const std::string text =
      "garbage before\r\n"
      "lastR{\r\n"
      "future.key=1 2 3\r\n"
      "crot=2\r\n"
      "no equals sign here\r\n"
      "name=R =7\r\n"
      "  ctype=1\r\n"
      "value[2]={nom=4k7; mintol=-5%; maxtol=10m; TolEn=TRUE; Tol%=FALSE; }\r\n"
      "value[3]={nom= 1.5E+0003; mintol=2\r\n"
      "crot=3\r\n"
      "}\r\n"
      "P1{\r\npos.x=40\r\n}\r\n" // a port outside the drawing section is not a section
      "Xax{\r\nmin=7\r\n";       // the file ends inside a record
  Schematic before = resetDocument();
  before.lastR.value[3].maxtol = 99;
  before.lastR.value[3].TolEn = true;
  Schematic doc = before;
  ASSERT_TRUE(readSchematicText(doc, text).ok());
  EXPECT_EQ(doc.lastR.crot, 3); // a key present twice takes its last value
  EXPECT_EQ(doc.lastR.name, "R =7");
  EXPECT_EQ(kindCode(doc.lastR.ctype), 1);
  EXPECT_EQ(doc.lastR.value[2].nom, 4700);
  EXPECT_EQ(doc.lastR.value[2].mintol, -5);
  EXPECT_EQ(doc.lastR.value[2].maxtol, 0.01);
  EXPECT_TRUE(doc.lastR.value[2].TolEn);
  EXPECT_FALSE(doc.lastR.value[2].TolPercent);
  // A cut value line sets the fields it has and leaves the rest.
  EXPECT_EQ(doc.lastR.value[3].nom, 1500);
  EXPECT_EQ(doc.lastR.value[3].mintol, 2);
  EXPECT_EQ(doc.lastR.value[3].maxtol, 99);
  EXPECT_TRUE(doc.lastR.value[3].TolEn);
  EXPECT_EQ(doc.lastR.value[1], before.lastR.value[1]);
  EXPECT_EQ(doc.drawdat.P1, before.drawdat.P1);
  EXPECT_EQ(doc.Xax.min, 7);
}

TEST(SchematicReader, ARecordThatLostItsCloserEndsAtTheNextSection)
{
  const std::string text = "mmdB{\r\nmax=3\r\nmmLin{\r\nmax=4\r\n}\r\n"
                           "drawdat{\r\ncomponent{\r\nname=a\r\ncomponent{\r\nname=b\r\n}\r\n"
                           "plotformat{\r\nvalue=6\r\n}\r\n";
  const Schematic doc = readIntoReset(text);
  EXPECT_EQ(doc.mmdB.max, 3);
  EXPECT_EQ(doc.mmLin.max, 4);
  ASSERT_EQ(doc.drawdat.components.count(), 2);
  EXPECT_EQ(doc.drawdat.components[2].name, "b");
  EXPECT_EQ(doc.plotformat, PlotFormat::DataList);
}

TEST(SchematicReader, PortsStartInOrientationOne)
{
  Schematic doc = resetDocument();
  doc.drawdat.P2.crot = 2;
  ASSERT_TRUE(readSchematicText(doc, "drawdat{\r\nP2{\r\nZo= 7.5E+0001\r\n}\r\n}\r\n").ok());
  EXPECT_EQ(doc.drawdat.P2.crot, 1);
  EXPECT_EQ(doc.drawdat.P2.Zo, 75);
}

TEST(SchematicReader, LineEndsOfOtherSystems)
{
  const std::string crlf = schematicText(richDocument());
  std::string lf;
  std::string cr;
  for (std::size_t i = 0; i < crlf.size(); ++i) {
    if (crlf.compare(i, 2, "\r\n") == 0) {
      lf += '\n';
      cr += '\r';
      ++i;
    } else {
      lf += crlf[i];
      cr += crlf[i];
    }
  }
  EXPECT_EQ(readIntoReset(lf), richDocument());
  EXPECT_EQ(readIntoReset(cr), richDocument());
}

TEST(SchematicReader, UnreadableNumbersEndTheLoadAndKeepWhatWasRead)
{
  struct Case
  {
    const char* bad; // a section with an unreadable number
  };
  const Case cases[] = {{"mmLin{\r\nmax=abc\r\n}\r\n"},
                        {"plotformat{\r\nvalue=\r\n}\r\n"},
                        {"plotformat{\r\nvalue=3.5\r\n}\r\n"},
                        {"Xax{\r\nnumpoints=99999999999\r\n}\r\n"},
                        {"drawdat{\r\ncomponent{\r\nposition.x=1O0\r\n}\r\n}\r\n"},
                        {"drawdat{\r\n1pdat{\r\nindex=1\r\nsdata=1 2\r\n}\r\n}\r\n"},
                        {"drawdat{\r\nP1{\r\nZo=fifty\r\n}\r\n}\r\n"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bad);
    const std::string text =
        std::string("mmdB{\r\nmax=5\r\n}\r\n") + c.bad + "mmPhase{\r\nmax=7\r\n}\r\n";
    FileResult r;
    const Schematic doc = readIntoReset(text, &r);
    EXPECT_EQ(r.error, "Invalid numeric input");
    EXPECT_EQ(doc.mmdB.max, 5);
    EXPECT_EQ(doc.mmPhase.max, 180); // not reached
    EXPECT_EQ(doc.datasets.onePort[1].numpoints(), 0);
  }
}

TEST(SchematicReader, HugeNumbersStayFinite)
{
  const std::string text =
      "mmdB{\r\nmax=1e999\r\nmin=-1E+99999\r\n}\r\n"
      "lastR{\r\nvalue[1]={nom=1e999; mintol=-1e999; maxtol=1e-999; }\r\n}\r\n";
  FileResult r;
  const Schematic doc = readIntoReset(text, &r);
  ASSERT_TRUE(r.ok()) << r.error;
  EXPECT_EQ(doc.mmdB.max, std::numeric_limits<double>::max());
  EXPECT_EQ(doc.mmdB.min, -std::numeric_limits<double>::max());
  EXPECT_TRUE(std::isfinite(doc.lastR.value[1].nom));
  EXPECT_TRUE(std::isfinite(doc.lastR.value[1].mintol));
  EXPECT_EQ(doc.lastR.value[1].maxtol, 0.0);
}

class SchematicFiles : public testing::ScratchFolderTest
{
protected:
  std::string readFile(const std::filesystem::path& p)
  {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
  }
};

TEST_F(SchematicFiles, SaveAndLoad)
{
  const std::string path = (folder / "a.cct").string();
  const Schematic doc = richDocument();
  ASSERT_TRUE(saveSchematic(doc, path).ok());
  EXPECT_EQ(readFile(path), schematicText(doc));
  Schematic loaded = resetDocument();
  ASSERT_TRUE(loadSchematic(loaded, path).ok());
  EXPECT_EQ(loaded, doc);

  // Saving over an existing file replaces it and leaves no temporary file behind.
  ASSERT_TRUE(saveSchematic(resetDocument(), path).ok());
  EXPECT_EQ(readFile(path), schematicText(resetDocument()));
  EXPECT_EQ(entries(), 1);
}

TEST_F(SchematicFiles, FailuresLeaveFilesAndDocumentAlone)
{
  Schematic doc = richDocument();
  EXPECT_EQ(loadSchematic(doc, (folder / "missing.cct").string()).error, "File not found");
  EXPECT_EQ(doc, richDocument());
  EXPECT_EQ(loadSchematic(doc, folder.string()).error, "File access denied");
  EXPECT_EQ(doc, richDocument());

  EXPECT_EQ(saveSchematic(doc, (folder / "no" / "such" / "x.cct").string()).error,
            "Path not found");
  std::filesystem::create_directory(folder / "taken.cct");
  EXPECT_FALSE(saveSchematic(doc, (folder / "taken.cct").string()).ok());
  EXPECT_TRUE(std::filesystem::is_directory(folder / "taken.cct"));
  EXPECT_EQ(entries(), 1);
}

TEST_F(SchematicFiles, FilesThatAreNotSchematicsAreRefusedUntouched)
{
  const std::string png("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
  const std::pair<const char*, std::string> others[] = {
      {"empty.cct", ""},
      {"data.s2p", "! measured\r\n# MHz S MA R 50\r\n100 0.5 -20 2 30 0.01 5 0.4 -60\r\n"},
      {"picture.png", png},
      {"binary.cct", std::string("\0\1\2}\r\n{=\xff", 10)},
  };
  for (const auto& [name, bytes] : others) {
    SCOPED_TRACE(name);
    const auto path = folder / name;
    std::ofstream(path, std::ios::binary) << bytes;
    Schematic doc = richDocument();
    EXPECT_EQ(loadSchematic(doc, path.string()).error,
              path.string() + " is not a Norvane schematic");
    EXPECT_EQ(doc, richDocument());
  }

  // A hand-written file: unknown lines around one known section, no banner.
  const auto hand = folder / "hand.cct";
  std::ofstream(hand, std::ios::binary) << "my notes\nversion=3\nXax{\nmin=1e6\nmax=2e6\n}\n";
  Schematic doc = resetDocument();
  ASSERT_TRUE(loadSchematic(doc, hand.string()).ok());
  EXPECT_EQ(doc.Xax.max, 2e6);
  // The banner alone is a (reset) schematic.
  std::ofstream(hand, std::ios::binary | std::ios::trunc) << kBanner;
  EXPECT_TRUE(loadSchematic(doc, hand.string()).ok());
}

TEST(SchematicReader, CoordinatesAreHeldAndZerosReplaced)
{
  const std::string text =
      "drawdat{\r\nP1{\r\npos.x=2147483647\r\npos.y=-2147483648\r\n}\r\n"
      "component{\r\nctype=1\r\nposition.x=2147483600\r\nposition.y=-5\r\n"
      "value[1]={nom=0; mintol=0; maxtol=0; TolEn=FALSE; Tol%=FALSE; }\r\n"
      "nodes[1].x=-2147483647\r\n}\r\n"
      "component{\r\nctype=6\r\n"
      "value[1]={nom=0; mintol=0; maxtol=0; TolEn=FALSE; Tol%=FALSE; }\r\n"
      "value[2]={nom=0; mintol=0; maxtol=0; TolEn=FALSE; Tol%=FALSE; }\r\n"
      "value[3]={nom=0; mintol=0; maxtol=0; TolEn=FALSE; Tol%=FALSE; }\r\n}\r\n"
      "short{\r\nstart.x=99999999\r\nfinish.y=-99999999\r\n}\r\n"
      "text{\r\npos.x=3000000\r\n}\r\n}\r\n"
      "lastC{\r\nctype=2\r\nvalue[1]={nom=0; mintol=0; maxtol=0; TolEn=FALSE; Tol%=FALSE; "
      "}\r\n}\r\n";
  FileResult r;
  const Schematic doc = readIntoReset(text, &r);
  ASSERT_TRUE(r.ok()) << r.error;
  const Drawing& d = doc.drawdat;
  EXPECT_EQ(d.P1.pos.x, 1000000);
  EXPECT_EQ(d.P1.pos.y, -1000000);
  EXPECT_EQ(d.components[1].position.x, 1000000);
  EXPECT_EQ(d.components[1].position.y, -5);
  EXPECT_EQ(d.components[1].pins.nodes[1].x, -1000000);
  EXPECT_EQ(d.wires[1].start.x, 1000000);
  EXPECT_EQ(d.wires[1].finish.y, -1000000);
  EXPECT_EQ(d.texts[1].pos.x, 1000000);
  // The dialogs' replacements: 1e-6 ohm; line Zo and length 1e-20, velocity 1 m/s.
  EXPECT_EQ(d.components[1].value[1].nom, 1e-6);
  EXPECT_EQ(d.components[2].value[1].nom, 1e-20);
  EXPECT_EQ(d.components[2].value[2].nom, 1.0);
  EXPECT_EQ(d.components[2].value[3].nom, 1e-20);
  EXPECT_EQ(doc.lastC.value[1].nom, 1e-20);
}

TEST_F(SchematicFiles, SavingThroughALinkReplacesTheLinkedFile)
{
  const auto real = folder / "real.cct";
  const auto link = folder / "link.cct";
  ASSERT_TRUE(saveSchematic(resetDocument(), real.string()).ok());
  std::filesystem::create_symlink(real, link);
  ASSERT_TRUE(saveSchematic(richDocument(), link.string()).ok());
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(readFile(real), schematicText(richDocument()));
}

} // namespace
} // namespace norvane
