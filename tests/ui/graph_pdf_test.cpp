// PDF without a printer: File, "Export PDF..." in the main window (the schematic) and in the
// graph window (graph, chart or data list), Print falling back to a PDF file, and the print
// preview opening fitted to the page with its scale in figures.

#include "mainwindow_support.h"

#include "graph/graphwindow.h"
#include "graph/printpreview.h"

#include <QAction>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>

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
  GraphWindow* graph = window->graphWindow();
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
  PrintPreview& preview = graph->printPreview();
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
  PrintPreview& preview = window->graphWindow()->printPreview();
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
  EXPECT_TRUE(scaleText.startsWith(QString("Print scale: %1 ").arg(preview.printScale())));
  // The drawing takes up more than half of the page's width (at the old fixed scale of 3 it
  // was a small patch in a corner).
  EXPECT_GT(spanned, pageWidth / 2) << spanned << " of " << pageWidth;
  preview.button(1)->click();
  EXPECT_TRUE(
      preview.scaleText().startsWith(QString("Print scale: %1 ").arg(preview.printScale())));
}

// The extent of the pixels of one colour in an image: left, right, and the lowest row with
// how many of them it holds.
struct ColourExtent
{
  int left = 1 << 30, right = -1, lowest = -1, inLowest = 0;
};
ColourExtent extentOf(const QImage& image, QRgb colour)
{
  ColourExtent e;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      if ((image.pixel(x, y) & 0xFFFFFF) != (colour & 0xFFFFFF)) continue;
      e.left = std::min(e.left, x);
      e.right = std::max(e.right, x);
      if (y > e.lowest) {
        e.lowest = y;
        e.inLowest = 0;
      }
      ++e.inLowest;
    }
  return e;
}

// Moves everything drawn by (dx, dy) drawing units.
void shiftDrawing(Drawing& d, int dx, int dy)
{
  for (Component& c : d.components) {
    c.position.x += dx;
    c.position.y += dy;
  }
  for (Wire& w : d.wires) {
    w.start = {w.start.x + dx, w.start.y + dy};
    w.finish = {w.finish.x + dx, w.finish.y + dy};
  }
  for (Port* p : {&d.P1, &d.P2})
    p->pos = {p->pos.x + dx, p->pos.y + dy};
  for (TextItem& t : d.texts)
    t.pos = {t.pos.x + dx, t.pos.y + dy};
  for (DrawingLine& l : d.lines) {
    l.start = {l.start.x + dx, l.start.y + dy};
    l.finish = {l.finish.x + dx, l.finish.y + dy};
  }
}

// An image with the screen's resolution, for painting the preview as the window does.
QImage screenImage(int width, int height)
{
  QImage image(width, height, QImage::Format_RGB32);
  const int dotsPerMetre = static_cast<int>(
      std::lround(QGuiApplication::primaryScreen()->logicalDotsPerInchY() / 0.0254));
  image.setDotsPerMeterX(dotsPerMetre);
  image.setDotsPerMeterY(dotsPerMetre);
  image.fill(Qt::lightGray);
  return image;
}

TEST_F(PdfExportTest, GraphPageFillsTheWidthAndCutsTracesAtTheBox)
{
  loadLowpass();
  // Trace 1 (S21) in pure red, trace 2 out of the way.
  env.trace1color = colors::red;
  env.trace2color = colors::white;
  doc->Xax.numpoints = 200;
  GraphWindow* graph = window->graphWindow();
  PrintPreview& preview = graph->printPreview();
  const auto pagePicture = [&](double bottomDb) {
    doc->Y1ax.min = bottomDb;
    doc->Y1ax.max = 10;
    window->action(Command::Simulate)->trigger();
    graph->show();
    QApplication::processEvents();
    preview.setContent(PrintContent::Graph);
    preview.fitToPage();
    QImage page = screenImage(1200, 1700);
    QPainter painter(&page);
    preview.paintPreview(painter, page.width(), page.height());
    return page;
  };
  const PreviewGeometry g =
      previewGeometry(preview.printer().width(), preview.printer().height(), 1200, 1700);

  // The whole trace inside the limits: the sweep runs across the box, and the box across the
  // page between its margins (a twentieth each side) and the texts beside it; it used to
  // take 45 % of the page's width.
  const ColourExtent whole = extentOf(pagePicture(-200), qRgb(255, 0, 0));
  ASSERT_GE(whole.right, 0) << "no trace on the page";
  EXPECT_GT(whole.right - whole.left, g.page.width * 2 / 3)
      << whole.right - whole.left << " of " << g.page.width;

  // From 10 to -20 dB: what falls below is cut off at the box's foot, not drawn along it as
  // a floor.
  const ColourExtent cut = extentOf(pagePicture(-20), qRgb(255, 0, 0));
  EXPECT_LT(cut.inLowest, 4) << "row " << cut.lowest;
  EXPECT_LT(cut.right - cut.left, whole.right - whole.left);

  // Paper texts are 8 to 12 points, whatever the scale.
  for (int scale : {1, 3, preview.printScale(), 4 * preview.printScale()}) {
    const int points = pageFontPoints(scale, graph->logicalDpiY(), preview.printer().resolution());
    EXPECT_GE(points, 8);
    EXPECT_LE(points, 12);
  }
  // The scale says what its number is.
  EXPECT_TRUE(preview.scaleText().contains("dots per screen pixel"))
      << preview.scaleText().toStdString();
  EXPECT_TRUE(preview.scaleText().contains("% of screen size"));
}

TEST_F(PdfExportTest, SchematicPageFitsTheDrawingNotTheSheet)
{
  // The ladder far from the sheet's origin: its ink, not the empty sheet, is fitted.
  loadLowpass();
  shiftDrawing(doc->drawdat, 600, 500);
  env.compcolor = colors::red;
  env.portcolor = colors::red;
  PrintPreview& preview = window->graphWindow()->printPreview();
  preview.setContent(PrintContent::Schematic);
  preview.fitToPage();
  QImage page = screenImage(1200, 1700);
  {
    QPainter painter(&page);
    preview.paintPreview(painter, page.width(), page.height());
  }
  const PreviewGeometry g =
      previewGeometry(preview.printer().width(), preview.printer().height(), 1200, 1700);
  const ColourExtent parts = extentOf(page, qRgb(255, 0, 0));
  ASSERT_GE(parts.right, 0);
  // Across most of the printable width (nine tenths of the page), starting at the margin.
  EXPECT_GT(parts.right - parts.left, g.page.width * 7 / 10);
  EXPECT_LT(parts.left, g.page.left + g.page.width / 10);
  EXPECT_LE(parts.right, g.page.right());
}

TEST_F(PdfExportTest, SchematicPageFitsADrawingBeyondTheSheetsEdges)
{
  // A (hand-edited) file may hold its drawing left of and above the sheet's origin (where its
  // ports are not drawn), or far beyond the sheet's end: the page shows it whole, between its
  // margins, across most of the page.
  for (const auto& [dx, dy] : {std::pair{-700, -400}, std::pair{6000, 5000}}) {
    SCOPED_TRACE(std::to_string(dx) + ", " + std::to_string(dy));
    loadLowpass();
    shiftDrawing(doc->drawdat, dx, dy);
    PrintPreview& preview = window->graphWindow()->printPreview();
    preview.setContent(PrintContent::Schematic);
    preview.fitToPage();
    QImage page = screenImage(1200, 1700);
    {
      QPainter painter(&page);
      preview.paintPreview(painter, page.width(), page.height());
    }
    const PreviewGeometry g =
        previewGeometry(preview.printer().width(), preview.printer().height(), 1200, 1700);
    // What is not paper on the page below its caption (which stands a twentieth down).
    int left = g.page.right(), right = -1;
    for (int y = g.page.top + g.page.height / 12; y < g.page.bottom(); ++y)
      for (int x = g.page.left; x < g.page.right(); ++x)
        if ((page.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) {
          left = std::min(left, x);
          right = std::max(right, x);
        }
    ASSERT_GE(right, 0) << "nothing of the drawing on the page";
    const int margin = g.page.width / 20;
    EXPECT_GE(left, g.page.left + margin - 2);
    EXPECT_LE(right, g.page.right() - margin + 2);
    EXPECT_GT(right - left, g.page.width * 7 / 10);
  }
}

} // namespace
} // namespace norvane::test
