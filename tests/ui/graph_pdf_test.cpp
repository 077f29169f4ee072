// PDF without a printer: File, "Export PDF..." in the main window (the schematic) and in the
// graph window (graph, chart or data list), Print falling back to a PDF file, and the print
// preview opening fitted to the page with its scale in figures.

#include "mainwindow_support.h"

#include "graph/tgraphwin.h"
#include "graph/tprntprev.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace norvane::test {
namespace {

QByteArray fileBytes(const std::string& path)
{
  QFile f(QString::fromStdString(path));
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Page objects of a PDF file ("/Type /Page", not "/Type /Pages").
int pdfPages(const QByteArray& pdf)
{
  int n = 0;
  for (qsizetype at = pdf.indexOf("/Type /Page"); at >= 0; at = pdf.indexOf("/Type /Page", at + 1))
    if (pdf.mid(at + 11, 1) != "s") ++n;
  return n;
}

class PdfExportTest : public MainWindowTest
{
protected:
  void loadLowpass()
  {
    ASSERT_TRUE(window->openFile(std::string(NORVANE_SOURCE_DIR) + "/examples/lowpass3.cct"));
  }
};

TEST_F(PdfExportTest, ExportPdfFromBothWindowsWithoutAPrinter)
{
  loadLowpass();
  TGraphwin* graph = window->graphWindow();
  ASSERT_TRUE(graph->printPreview().printer().outputFileName().isEmpty());

  // The schematic, from the main window's File menu.
  const std::string schematic = tempPath("lowpass3.pdf");
  prompts.fileNames.push_back(schematic);
  window->action(Command::ExportPdf)->trigger();
  QByteArray pdf = fileBytes(schematic);
  EXPECT_TRUE(pdf.startsWith("%PDF-"));
  EXPECT_EQ(pdfPages(pdf), 1);
  EXPECT_TRUE(prompts.messages.empty());

  // The graph, from the graph window's File menu; a name without extension gets ".pdf".
  doc->Xax.numpoints = 100;
  window->action(Command::Simulate)->trigger();
  prompts.fileNames.push_back(tempPath("graph"));
  graph->action(GraphCommand::ExportPdf)->trigger();
  pdf = fileBytes(tempPath("graph.pdf"));
  EXPECT_TRUE(pdf.startsWith("%PDF-"));
  EXPECT_EQ(pdfPages(pdf), 1);
  EXPECT_GT(pdf.size(), 1000);

  // A long data list continues on further pages of the same file.
  doc->Xax.numpoints = 500;
  graph->runCommand(GraphCommand::List);
  const std::string list = tempPath("list.pdf");
  prompts.fileNames.push_back(list);
  graph->runCommand(GraphCommand::ExportPdf);
  EXPECT_GT(pdfPages(fileBytes(list)), 2);
  // Fitted: the list in its 8-point font.
  EXPECT_EQ(printerFontSize(graph->printPreview().printScale(), graph->logicalDpiY(),
                            graph->printPreview().printer().resolution()),
            8);

  // Print without a printer writes the PDF file it asks for.
  const std::string printed = tempPath("printed.pdf");
  prompts.fileNames.push_back(printed);
  graph->runCommand(GraphCommand::Polar);
  TPrntPrev& preview = graph->printPreview();
  preview.setContent(PrintContent::Graph);
  if (preview.printer().outputFormat() == QPrinter::PdfFormat) {
    EXPECT_EQ(preview.print(), 1);
    EXPECT_EQ(pdfPages(fileBytes(printed)), 1);
  }
  EXPECT_TRUE(prompts.messages.empty());
  // Cancelling the file dialog writes nothing.
  EXPECT_FALSE(graph->exportPdf(PrintContent::Graph));
}

TEST_F(PdfExportTest, PreviewOpensFittedToThePageWithTheScaleShown)
{
  loadLowpass();
  TPrntPrev& preview = window->graphWindow()->printPreview();
  int spanned = 0, pageWidth = 0;
  QString scaleText;
  QTimer::singleShot(0, &preview, [&] {
    QApplication::processEvents();
    // Opened at a size where the page can be read (the test screen is 1920 x 1200).
    EXPECT_GE(preview.height(), 1000);
    scaleText = preview.scaleText();
    // The drawn schematic: what is not white on the page, left to right.
    const PreviewGeometry g = preview.previewGeometry();
    const QImage image = preview.pageArea()->grab().toImage();
    int left = g.page.right(), right = g.page.left;
    for (int y = g.page.top + g.page.height / 8; y < g.page.bottom(); ++y)
      for (int x = g.page.left; x < g.page.right(); ++x)
        if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) {
          left = std::min(left, x);
          right = std::max(right, x);
        }
    spanned = right - left;
    pageWidth = g.page.width;
    preview.close();
  });
  window->action(Command::Print)->trigger();
  EXPECT_GT(preview.printScale(), 3);
  EXPECT_EQ(scaleText, QString("Print scale: %1").arg(preview.printScale()));
  // The drawing takes up more than half of the page's width (at the old fixed scale of 3 it
  // was a small patch in a corner).
  EXPECT_GT(spanned, pageWidth / 2) << spanned << " of " << pageWidth;
  preview.button(1)->click();
  EXPECT_EQ(preview.scaleText(), QString("Print scale: %1").arg(preview.printScale()));
}

} // namespace
} // namespace norvane::test
