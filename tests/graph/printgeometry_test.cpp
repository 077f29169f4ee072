#include "graph/printgeometry.h"

#include <gtest/gtest.h>

namespace norvane {
namespace {

TEST(PrintGeometry, PreviewReductionIsThePowerOfTwoAtOrAboveTheRatio)
{
  // A4 at 600 dpi in a 600 x 400 window: c = 7016 div 300 = 23, reduced by 32.
  EXPECT_EQ(previewReduction(4960, 7016, 600, 400), 32);
  const PreviewGeometry g = previewGeometry(4960, 7016, 600, 400);
  EXPECT_EQ(g.page.width, 155);
  EXPECT_EQ(g.page.height, 219);
  EXPECT_EQ(g.page.left, (600 - 155) / 2);
  EXPECT_EQ(g.page.top, (400 - 219) / 2);

  struct Case
  {
    int c;
    int f;
  };
  // Exact powers of two stay, everything else goes up to the next one.
  const Case cases[] = {{1, 1},  {2, 2},   {3, 4},   {4, 4},   {5, 8},  {8, 8},
                        {9, 16}, {16, 16}, {17, 32}, {32, 32}, {33, 64}};
  for (const Case& k : cases) {
    // Window 400 x 400: divisor 300, so a page of c·300 pixels gives ratio c.
    EXPECT_EQ(previewReduction(k.c * 300, 10, 400, 400), k.f) << "c = " << k.c;
  }
}

TEST(PrintGeometry, DegenerateWindowsAndPagesNeverDivideByZero)
{
  EXPECT_EQ(previewReduction(4960, 7016, 1, 1), 1);
  EXPECT_EQ(previewReduction(4960, 7016, 0, 500), 1);
  EXPECT_EQ(previewReduction(100, 100, 800, 800), 1); // page smaller than the window
  EXPECT_EQ(previewReduction(0, 0, 800, 800), 1);
  EXPECT_EQ(previewFontSize(3, 0), 0);
  EXPECT_EQ(printerFontSize(3, 96, 0), 0);
  EXPECT_EQ(previewBoxLength(400, 100, 3, 0), 0);
}

TEST(PrintGeometry, ShadowBarsHugTheRightAndBottomEdges)
{
  const PreviewGeometry g = previewGeometry(4960, 7016, 600, 400);
  EXPECT_EQ(g.shadowRight, (IntRect{g.page.right(), g.page.top + 30, 30, g.page.height}));
  EXPECT_EQ(g.shadowBottom, (IntRect{g.page.left + 30, g.page.bottom(), g.page.width, 30}));
}

TEST(PrintGeometry, PrintScaleHalvesTruncatingAndNeverBelowOne)
{
  PrintScale s;
  EXPECT_EQ(s.value(), 3);
  s.reduce();
  EXPECT_EQ(s.value(), 1);
  s.reduce();
  EXPECT_EQ(s.value(), 1);
  s.increase();
  s.increase();
  EXPECT_EQ(s.value(), 4);
  for (int i = 0; i < 40; ++i)
    s.increase();
  EXPECT_EQ(s.value(), PrintScale::kMaxScale);
}

TEST(PrintGeometry, FittingPrintScale)
{
  // A 600 x 400 pixel drawing into 4216 x 5964 printer pixels: 7 across, 14 down.
  EXPECT_EQ(fittingPrintScale(600, 400, 4216, 5964), 7);
  EXPECT_EQ(fittingPrintScale(4216, 100, 4216, 5964), 1);
  EXPECT_EQ(fittingPrintScale(5000, 100, 4216, 5964), 1); // never below 1
  EXPECT_EQ(fittingPrintScale(0, 100, 4216, 5964), 1);
  EXPECT_EQ(fittingPrintScale(1, 1, 1 << 30, 1 << 30), PrintScale::kMaxScale);
  PrintScale s;
  s.set(7);
  EXPECT_EQ(s.value(), 7);
  s.reduce();
  EXPECT_EQ(s.value(), 3);
  s.set(0);
  EXPECT_EQ(s.value(), 1);
}

TEST(PrintGeometry, FontSizes)
{
  EXPECT_EQ(previewFontSize(3, 32), 0); // 24 div 32: no text in the preview
  EXPECT_EQ(previewFontSize(8, 4), 16);
  EXPECT_EQ(printerFontSize(3, 96, 600), 3); // 96·3·8 = 2304 div 600
  EXPECT_EQ(printerFontSize(1, 96, 96), 8);
}

TEST(PrintGeometry, GraphPageLayout)
{
  // A 438 x 414 drawing area at scale 3 prints as a 1314 x 1242 box.
  GraphPageInput in;
  in.pageWidth = 4960;
  in.pageHeight = 7016;
  in.boxWidth = 3 * 438;
  in.boxHeight = 3 * 414;
  in.textWidth = 140;
  in.textHeight = 30;
  in.letterWidth = 20;
  const GraphPageLayout l = graphPageLayout(in);
  EXPECT_EQ(l.caption, (IntPoint{248, 350}));
  EXPECT_EQ(l.box, (IntRect{248 + 140, 350 + 60, 1314, 1242}));
  const int bottom = 410 + 1242;
  const int right = 388 + 1314;
  const int mid = 410 + 1242 / 2;
  EXPECT_EQ(l.trace1Max, (IntPoint{248, 350 + 45}));
  EXPECT_EQ(l.leftParameter, (IntPoint{248, mid - 30}));
  EXPECT_EQ(l.trace1Type, (IntPoint{248, mid + 30}));
  EXPECT_EQ(l.trace1Min, (IntPoint{248, bottom - 15}));
  EXPECT_EQ(l.trace2Max, (IntPoint{right + 20, 395}));
  EXPECT_EQ(l.trace2Min, (IntPoint{right + 20, bottom - 15}));
  EXPECT_EQ(l.chartZoValue, (IntPoint{248, mid + 60}));
  EXPECT_EQ(l.markerLine, (IntPoint{388 - 140, bottom + 90}));
  EXPECT_EQ(l.impedanceLine.y, bottom + 150);
  EXPECT_EQ(l.equivalentLine.y, bottom + 210);
  EXPECT_EQ(l.startCentre, (IntPoint{388, bottom + 30}));
  EXPECT_EQ(l.stopCentre, (IntPoint{right, bottom + 45}));
  EXPECT_EQ(l.pointsCentre, (IntPoint{388 + 1314 / 2, bottom + 45}));
  EXPECT_EQ(l.markerHalfSize, right / 200 + 1);

  // The preview box: drawing area × preview page / page × scale.
  EXPECT_EQ(previewBoxLength(438, 155, 3, 4960), 438 * 155 * 3 / 4960);
}

TEST(PrintGeometry, GraphBoxFillsThePageWidthWithinItsTexts)
{
  // A4 at 1200 dpi, a tall 700 x 1000 drawing area (a graph window beside the schematic).
  GraphPageInput in;
  in.pageWidth = 9917;
  in.pageHeight = 14033;
  in.textWidth = 600;
  in.textHeight = 130;
  in.letterWidth = 85;
  in.rightTextWidth = 500;
  const int s = fillingGraphScale(700, in.pageWidth);
  in.boxWidth = s * 700;
  in.boxHeight = s * 1000;
  GraphPageLayout l = graphPageLayout(in);
  // From the left texts to the right texts, a twentieth of the page free on either side.
  EXPECT_EQ(l.box.right() + 85 + 500, 9917 - 495);
  EXPECT_GT(l.box.width, 9917 * 3 / 4);
  // The read-out line below still fits above the foot margin.
  EXPECT_LE(l.box.bottom() + 4 * 130, 14033 - 701);
  in.chart = true;
  l = graphPageLayout(in);
  EXPECT_LE(l.box.bottom() + 8 * 130, 14033 - 701);
  // Text on paper: never below 8 points, larger when the scale asks for it, up to 12.
  EXPECT_EQ(pageFontPoints(s, 96, 1200), 8);
  EXPECT_EQ(pageFontPoints(17, 96, 1200), 10);
  EXPECT_EQ(pageFontPoints(30, 96, 1200), 12);
  EXPECT_EQ(previewPageFontPoints(3, 16, 96, 1200), 6); // 8 pt on a page shrunk 16 times
  EXPECT_EQ(printScalePercent(11, 96, 1200), 88);
  EXPECT_EQ(printScalePercent(3, 96, 300), 96);
}

TEST(PrintGeometry, DataListContinuesOnANewPrintJob)
{
  // H = 2000: rows may go down to 19·100 = 1900; b = 30, y0 = 100 + 90 = 190.
  const DataListPageLayout l = dataListPageLayout(1000, 2000, 40, 20, 200);
  EXPECT_EQ(l.x0, 50);
  EXPECT_EQ(l.columnStep, 60);
  EXPECT_EQ(l.columnX(8), 50 + 480);
  EXPECT_EQ(l.headingY, 160);
  EXPECT_EQ(l.firstRowY, 190);
  ASSERT_EQ(l.rows.size(), 200u);
  EXPECT_EQ(l.rows[0].y, 220); // row 1 at y0 + b
  // Last row of page 0: 190 + 30·57 = 1900; row 58 would be at 1930.
  EXPECT_EQ(l.rows[56].y, 1900);
  EXPECT_EQ(l.rows[56].page, 0);
  EXPECT_EQ(l.rows[57].page, 1);
  EXPECT_EQ(l.rows[57].y, 160); // one step above y0 on the new page
  EXPECT_EQ(l.rows[58].y, 190);
  for (size_t i = 1; i < l.rows.size(); ++i) {
    EXPECT_LE(l.rows[i].y, 1900);
    EXPECT_GE(l.rows[i].page, l.rows[i - 1].page);
  }
  EXPECT_EQ(l.pageCount, l.rows.back().page + 1);
  EXPECT_GT(l.pageCount, 3);

  const DataListPageLayout shortList = dataListPageLayout(1000, 2000, 40, 20, 10);
  EXPECT_EQ(shortList.pageCount, 1);
  EXPECT_TRUE(dataListPageLayout(1000, 2000, 40, 20, 0).rows.empty());
}

} // namespace
} // namespace norvane
