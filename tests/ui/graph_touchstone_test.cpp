// "Export Touchstone..." in the graph window's File menu.

#include "graph_support.h"

#include "sim/plotpoint.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>

#include <fstream>
#include <sstream>

namespace norvane {
namespace {

using graphtest::GraphWindowTest;

std::vector<std::string> fileLines(const std::string& path)
{
  std::ifstream in(path, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

TEST_F(GraphWindowTest, ExportTouchstoneWritesTheCircuitAtFullPrecision)
{
  load("lowpass3.cct");
  doc.plotformat = plotformat::Rectangular;
  GraphWindow& w = window();
  ASSERT_TRUE(w.runSimulation().ran);
  const int plotted = w.core().points().count();

  // In the File menu, after the result file.
  QMenu* file = w.menuBar()->actions().first()->menu();
  ASSERT_NE(file, nullptr);
  QStringList captions;
  for (QAction* a : file->actions())
    captions << a->text().remove('&');
  EXPECT_EQ(captions.indexOf(QString::fromUtf8("Export Touchstone\u2026")),
            captions.indexOf("Save results as S parameter file") + 1)
      << captions.join("|").toStdString();

  const std::string path = tempPath("graph_export_ts.s2p");
  prompts.fileNames.push_back(path);
  w.action(GraphCommand::ExportTouchstone)->trigger();
  EXPECT_TRUE(prompts.fileNames.empty());
  const auto lines = fileLines(path);
  ASSERT_EQ(lines.size(), 4u + 201u);
  EXPECT_EQ(lines[0].rfind("! Norvane ", 0), 0u);
  EXPECT_EQ(lines[1], "! Schematic: lowpass3.cct");
  EXPECT_EQ(lines[3], "# Hz S RI R 50");
  std::istringstream first(lines[4]);
  std::vector<double> values;
  for (double x; first >> x;)
    values.push_back(x);
  ASSERT_EQ(values.size(), 9u);
  EXPECT_NEAR(values[0], 1e7, 1e-3);
  // The plot and the graph type are as they were.
  EXPECT_EQ(doc.plotformat, plotformat::Rectangular);
  EXPECT_EQ(w.core().points().count(), plotted);
  QFile::remove(QString::fromStdString(path));

  // A folder that does not exist: the message, no file; a cancelled dialog writes nothing.
  const std::string nowhere = tempPath("no_such_folder/x.s2p");
  prompts.fileNames.push_back(nowhere);
  w.runCommand(GraphCommand::ExportTouchstone);
  EXPECT_FALSE(prompts.messages.empty());
  EXPECT_FALSE(QFile::exists(QString::fromStdString(nowhere)));
  prompts.fileNames.push_back(std::nullopt);
  w.runCommand(GraphCommand::ExportTouchstone);
  EXPECT_FALSE(QFile::exists(QString::fromStdString(path)));
}

} // namespace
} // namespace norvane
