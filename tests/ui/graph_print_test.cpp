// Print preview and printing to PDF files: the schematic, the graph and a data list long
// enough to need continuation pages.

#include "graph_support.h"

#include "graph/printpreview.h"

#include <QFile>
#include <QPrinter>
#include <QPushButton>

namespace norvane {
namespace {

using graphtest::GraphWindowTest;

// Pages of a PDF file: its page objects ("/Type /Page", not "/Type /Pages").
int pdfPageCount(const QString& path)
{
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return -1;
  const QByteArray data = f.readAll();
  int n = 0;
  for (qsizetype at = data.indexOf("/Type /Page"); at >= 0;
       at = data.indexOf("/Type /Page", at + 1))
    if (data.mid(at + 11, 1) != "s") ++n;
  return n;
}

class PrintTest : public GraphWindowTest
{
protected:
  PrintPreview& preview(const char* file)
  {
    PrintPreview& p = window().printPreview();
    p.printer().setOutputFormat(QPrinter::PdfFormat);
    p.printer().setResolution(300);
    p.printer().setPageSize(QPageSize(QPageSize::A4));
    path = QString::fromStdString(tempPath(file));
    p.printer().setOutputFileName(path);
    return p;
  }
  QString path;
};

TEST_F(PrintTest, ScaleButtonsAndGeometry)
{
  load("lowpass3.cct");
  PrintPreview& p = preview("norvane_scale.pdf");
  EXPECT_EQ(p.windowTitle(), "Print Preview");
  EXPECT_EQ(p.button(0)->text(), "Print");
  EXPECT_EQ(p.button(1)->text(), "Reduce Print Scale");
  EXPECT_EQ(p.button(2)->text(), "Increase Print Scale");
  EXPECT_EQ(p.button(3)->text(), "Printer Setup");
  EXPECT_EQ(p.printScale(), 3);
  p.button(1)->click();
  EXPECT_EQ(p.printScale(), 1);
  p.button(1)->click();
  EXPECT_EQ(p.printScale(), 1);
  p.button(2)->click();
  p.button(2)->click();
  EXPECT_EQ(p.printScale(), 4);

  // A4 at 300 dpi is about 2480 x 3508 pixels; a 600 x 400 page area reduces it by
  // c = 3508 div 300 = 11, rounded up to the power of two 16.
  p.printer().setResolution(300);
  p.pageArea()->resize(600, 400);
  const PreviewGeometry g = p.previewGeometry();
  EXPECT_EQ(g.reduction, 16);
  EXPECT_EQ(g.page.width, p.printer().width() / 16);
  EXPECT_EQ(g.page.height, p.printer().height() / 16);
  EXPECT_EQ(g.page.left, (600 - g.page.width) / 2);
}

TEST_F(PrintTest, ColoursAreExchangedWhileOpen)
{
  load("lowpass3.cct");
  env.trace1color = colors::red;
  env.printertrace1color = colors::black;
  env.compcolor = colors::blue;
  env.printercompcolor = colors::black;
  const Color paper = env.papercolor;
  PrintPreview& p = preview("norvane_colours.pdf");
  p.setContent(PrintContent::Graph);
  p.show();
  EXPECT_TRUE(p.coloursExchanged());
  EXPECT_EQ(env.trace1color, colors::black);
  EXPECT_EQ(env.printertrace1color, colors::red);
  EXPECT_EQ(env.compcolor, colors::black);
  EXPECT_EQ(env.papercolor, paper);
  p.hide();
  EXPECT_FALSE(p.coloursExchanged());
  EXPECT_EQ(env.trace1color, colors::red);
  EXPECT_EQ(env.compcolor, colors::blue);
}

TEST_F(PrintTest, PreviewShowsThePageWithItsShadow)
{
  load("lowpass3.cct");
  window().runSimulation();
  PrintPreview& p = preview("norvane_preview.pdf");
  p.resize(600, 520);
  p.setContent(PrintContent::Graph);
  p.show();
  graphtest::GraphWindowTest::settle();
  const QImage image = p.pageArea()->grab().toImage();
  const PreviewGeometry g = p.previewGeometry();
  // Page white, shadow grey, the trace in the printer's trace-1 colour inside the page.
  EXPECT_EQ(image.pixel(g.page.left + 2, g.page.top + 2) & 0xFFFFFF, 0xFFFFFFu);
  EXPECT_EQ(image.pixel(g.shadowRight.left + 5, g.shadowRight.top + 40) & 0xFFFFFF, 0x808080u);
  EXPECT_EQ(image.pixel(g.shadowBottom.left + 40, g.shadowBottom.top + 5) & 0xFFFFFF, 0x808080u);
  p.hide();
}

TEST_F(PrintTest, PrintsSchematicGraphAndChartToPdf)
{
  load("lowpass3.cct");
  doc.Xax.numpoints = 100;
  window().runSimulation();
  PrintPreview& p = preview("norvane_schematic.pdf");
  p.setContent(PrintContent::Schematic);
  EXPECT_EQ(p.print(), 1);
  EXPECT_EQ(pdfPageCount(path), 1);
  EXPECT_GT(QFile(path).size(), 1000);

  const QString schematic = path;
  preview("norvane_graph.pdf");
  p.setContent(PrintContent::Graph);
  EXPECT_EQ(p.print(), 1);
  EXPECT_EQ(pdfPageCount(path), 1);
  EXPECT_GT(QFile(path).size(), QFile(schematic).size() / 4);

  window().runCommand(GraphCommand::SmithZ);
  preview("norvane_chart.pdf");
  EXPECT_EQ(p.print(), 1);
  EXPECT_EQ(pdfPageCount(path), 1);
}

TEST_F(PrintTest, LongDataListContinuesOnNewPages)
{
  load("lowpass3.cct");
  doc.Xax.numpoints = 500;
  doc.plotformat = plotformat::DataList;
  window().runSimulation();
  ASSERT_EQ(window().core().dataListRows().size(), 501u);
  PrintPreview& p = preview("norvane_list.pdf");
  p.setContent(PrintContent::Graph);
  const int jobs = p.print();
  EXPECT_GT(jobs, 2);
  EXPECT_EQ(pdfPageCount(path), jobs);

  // A short list fits on one page.
  doc.Xax.numpoints = 10;
  window().runSimulation();
  preview("norvane_shortlist.pdf");
  EXPECT_EQ(p.print(), 1);
  EXPECT_EQ(pdfPageCount(path), 1);
}

} // namespace
} // namespace norvane
