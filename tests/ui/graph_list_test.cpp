// The data list and the S-parameter result file, through the graph window's commands.

#include "graph_support.h"

#include "graph/datalistview.h"
#include "sim/netlist_support.h"
#include "sim/results.h"
#include "support/filelimit.h"

#include <QAction>
#include <QDir>
#include <QFile>

#include <fstream>
#include <sstream>

namespace norvane {
namespace {

using graphtest::GraphWindowTest;

std::vector<std::string> readLines(const std::string& path)
{
  std::ifstream in(path, std::ios::binary);
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

TEST_F(GraphWindowTest, TwoPortListHasEveryColumn)
{
  load("lowpass3.cct");
  doc.Xax.numpoints = 100;
  GraphWindow& w = window();
  w.runSimulation();
  w.toolAction(GraphTool::DataList)->trigger();
  EXPECT_EQ(doc.plotformat, plotformat::DataList);
  DataListView* list = w.dataList();
  EXPECT_FALSE(list->isHidden());
  EXPECT_EQ(list->columnCount(), 9);
  EXPECT_EQ(list->gridRowCount(), 102); // heading and 101 points
  const char* headings[9] = {"Freq",    "S11 Mag", "S11 Ang", "S21 Mag", "S21 Ang",
                             "S12 Mag", "S12 Ang", "S22 Mag", "S22 Ang"};
  for (int c = 0; c < 9; ++c)
    EXPECT_EQ(list->cellText(0, c), headings[c]);
  EXPECT_EQ(list->cellText(1, 0), "10MHz");
  for (int c = 1; c < 9; ++c)
    EXPECT_FALSE(list->cellText(1, c).isEmpty()) << c;
  // Magnitudes with three decimals, angles with the degree sign.
  EXPECT_TRUE(list->cellText(1, 3).contains('.'));
  EXPECT_EQ(list->cellText(1, 3).section('.', 1).size(), 3);
  EXPECT_TRUE(list->cellText(1, 4).endsWith(QChar(0xB0)));
  // A lossless reciprocal network: |S21| = |S12| at every row.
  for (int r = 1; r <= 101; r += 10)
    EXPECT_EQ(list->cellText(r, 3), list->cellText(r, 5)) << r;
  // The side panels and the bottom panel make way for the list.
  EXPECT_TRUE(w.startField()->isHidden() || !w.startField()->isVisibleTo(&w));
}

TEST_F(GraphWindowTest, OnePortListLeavesTheOtherColumnsEmpty)
{
  testing::Circuit c = testing::Circuit::shuntToGround(ComponentType::Resistor, 50.0);
  doc = c.doc;
  doc.Xax = {1e6, 1e8, 4, false, freqmode::Linear};
  doc.plotformat = plotformat::DataList;
  GraphWindow& w = window();
  ASSERT_TRUE(w.runSimulation().ran);
  DataListView* list = w.dataList();
  EXPECT_EQ(list->gridRowCount(), 6);
  for (int r = 1; r <= 5; ++r) {
    EXPECT_EQ(list->cellText(r, 1), "0.000");
    for (int col = 3; col < 9; ++col)
      EXPECT_TRUE(list->cellText(r, col).isEmpty()) << r << "," << col;
  }
  EXPECT_EQ(list->cellText(5, 0), "100MHz");
}

TEST_F(GraphWindowTest, ExportWritesTheResultFile)
{
  // 25 ohm in series between two 50 ohm ports: S11 = S22 = 0.2, S21 = S12 = 0.8.
  testing::Circuit c = testing::Circuit::series(ComponentType::Resistor, 25.0);
  doc = c.doc;
  doc.Xax = {100e6, 200e6, 2, false, freqmode::Linear};
  doc.plotformat = plotformat::Rectangular;
  GraphWindow& w = window();
  ASSERT_TRUE(w.runSimulation().ran);
  const int plotted = w.core().points().count();

  const std::string path = tempPath("graph_export.s2p");
  prompts.fileNames.push_back(path);
  w.toolAction(GraphTool::SaveResults)->trigger();
  const auto lines = readLines(path);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0], "! Kestrel S parameter simulation result");
  EXPECT_EQ(lines[1], "# MHz MA");
  EXPECT_EQ(lines[2], "100.000000 0.200 0.000 0.800 0.000 0.800 0.000 0.200 0.000 ");
  EXPECT_EQ(lines[4].substr(0, 11), "200.000000 ");
  // The plot survives, and the document keeps its graph type.
  EXPECT_EQ(doc.plotformat, plotformat::Rectangular);
  EXPECT_EQ(w.core().points().count(), plotted);

  // Cancelling the save dialog writes nothing but fills the list.
  QFile::remove(QString::fromStdString(path));
  prompts.fileNames.push_back(std::nullopt);
  w.runCommand(GraphCommand::SaveResults);
  EXPECT_FALSE(QFile::exists(QString::fromStdString(path)));
  EXPECT_EQ(w.core().dataListRows().size(), 3u);
  EXPECT_EQ(w.core().dataListRows()[0][1], "0.200");

  // Ports other than 50 ohm: the message, and no file.
  doc.drawdat.P2.Zo = 75.0;
  prompts.fileNames.push_back(path);
  w.runCommand(GraphCommand::SaveResults);
  EXPECT_TRUE(prompts.saw(kMsgResultFilePorts));
  EXPECT_FALSE(QFile::exists(QString::fromStdString(path)));
  QFile::remove(QString::fromStdString(path));
}

TEST_F(GraphWindowTest, ExportOnAFullDiskKeepsThePreviousFile)
{
  testing::Circuit c = testing::Circuit::series(ComponentType::Resistor, 25.0);
  doc = c.doc;
  doc.Xax = {1e6, 500e6, 400, false, freqmode::Linear}; // about 30 KiB of lines
  GraphWindow& w = window();
  ASSERT_TRUE(w.runSimulation().ran);
  const std::string path = tempPath("graph_full.s2p");
  std::ofstream(path, std::ios::binary | std::ios::trunc) << "previous\r\n";
  prompts.fileNames.push_back(path);
  {
    testing::FileSizeLimit full(4096);
    w.runCommand(GraphCommand::SaveResults);
  }
  EXPECT_TRUE(prompts.saw("Disk write error"));
  EXPECT_EQ(readLines(path), std::vector<std::string>{"previous"});
  const QStringList left = QDir(scratch.path().c_str()).entryList({"graph_full.s2p.*"});
  EXPECT_TRUE(left.isEmpty()) << left.join(' ').toStdString();

  // The picture of the window goes the same way.
  const std::string bmp = tempPath("graph_full.bmp");
  std::ofstream(bmp, std::ios::binary | std::ios::trunc) << "old picture";
  prompts.fileNames.push_back(bmp);
  {
    testing::FileSizeLimit full(4096);
    w.runCommand(GraphCommand::SaveBitmap);
  }
  EXPECT_EQ(readLines(bmp), std::vector<std::string>{"old picture"});
  QFile::remove(QString::fromStdString(path));
  QFile::remove(QString::fromStdString(bmp));
}

} // namespace
} // namespace norvane
