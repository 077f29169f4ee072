#include "graph/printgeometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace norvane {

int previewReduction(int pageWidth, int pageHeight, int windowWidth, int windowHeight)
{
  const int divisor = 3 * std::min(windowWidth, windowHeight) / 4;
  if (divisor < 1) return 1;
  const int c = std::max(pageWidth, pageHeight) / divisor;
  if (c <= 1) return 1;
  // The power of two at or just above c: +0.49 lifts every c that is not itself a power of
  // two into the next exponent while leaving exact powers where they are.
  const double e = std::round(std::log2(static_cast<double>(c)) + 0.49);
  return static_cast<int>(std::lround(std::exp2(std::min(e, 30.0))));
}

PreviewGeometry previewGeometry(int pageWidth, int pageHeight, int windowWidth, int windowHeight)
{
  constexpr int kShadow = 30;
  PreviewGeometry g;
  g.reduction = previewReduction(pageWidth, pageHeight, windowWidth, windowHeight);
  g.page.width = pageWidth / g.reduction;
  g.page.height = pageHeight / g.reduction;
  g.page.left = (windowWidth - g.page.width) / 2;
  g.page.top = (windowHeight - g.page.height) / 2;
  g.shadowRight = {g.page.right(), g.page.top + kShadow, kShadow, g.page.height};
  g.shadowBottom = {g.page.left + kShadow, g.page.bottom(), g.page.width, kShadow};
  return g;
}

int previewFontSize(int scale, int reduction)
{
  if (reduction < 1) return 0;
  return scale * 8 / reduction;
}

int printerFontSize(int scale, int screenPixelsPerInch, int printerPixelsPerInch)
{
  if (printerPixelsPerInch < 1) return 0;
  const long long size = static_cast<long long>(screenPixelsPerInch) * scale * 8;
  return static_cast<int>(
      std::min<long long>(size / printerPixelsPerInch, std::numeric_limits<int>::max()));
}

int pageFontPoints(int scale, int screenPixelsPerInch, int printerPixelsPerInch)
{
  if (printerPixelsPerInch < 1) return 0;
  return std::clamp(printerFontSize(scale, screenPixelsPerInch, printerPixelsPerInch),
                    kMinimumPrintPoints, kMaximumPrintPoints);
}

int previewPageFontPoints(int scale, int reduction, int screenPixelsPerInch,
                          int printerPixelsPerInch)
{
  if (reduction < 1 || screenPixelsPerInch < 1) return 0;
  // A point is a point on paper and on the screen; the preview shrinks the page f times and
  // shows its printer pixels at screen resolution.
  const long long paper = pageFontPoints(scale, screenPixelsPerInch, printerPixelsPerInch);
  return static_cast<int>(paper * printerPixelsPerInch /
                          (static_cast<long long>(screenPixelsPerInch) * reduction));
}

int printScalePercent(int scale, int screenPixelsPerInch, int printerPixelsPerInch)
{
  if (printerPixelsPerInch < 1) return 0;
  const long long percent =
      (200LL * scale * screenPixelsPerInch / printerPixelsPerInch + 1) / 2; // rounded
  return static_cast<int>(std::min<long long>(percent, std::numeric_limits<int>::max()));
}

int fillingGraphScale(int areaWidth, int pageWidth)
{
  if (areaWidth < 1) return 1;
  const int room = pageWidth - 2 * (pageWidth / 20);
  // Rounded up: the box is cut back to the room, so the width is filled, not nearly filled.
  return std::clamp((room + areaWidth - 1) / areaWidth, 1, PrintScale::kMaxScale);
}

GraphPageLayout graphPageLayout(const GraphPageInput& in)
{
  const int x20 = in.pageWidth / 20;
  const int y20 = in.pageHeight / 20;
  const int tw = in.textWidth;
  const int th = in.textHeight;

  GraphPageLayout l;
  l.caption = {x20, y20};
  const int boxLeft = x20 + tw;
  const int boxTop = y20 + 2 * th;
  // Room to the right margin, less the texts beside the box; room down to the bottom margin,
  // less the read-out lines (the last at bottom + 7·th on a chart, + 3·th on a graph).
  const int roomWidth = in.pageWidth - x20 - boxLeft - in.letterWidth - in.rightTextWidth;
  const int roomHeight = in.pageHeight - y20 - boxTop - (in.chart ? 8 : 4) * th;
  l.box = {boxLeft, boxTop, std::min(in.boxWidth, std::max(1, roomWidth)),
           std::min(in.boxHeight, std::max(1, roomHeight))};
  const int left = l.box.left;
  const int right = l.box.right();
  const int top = l.box.top;
  const int bottom = l.box.bottom();
  const int mid = top + (bottom - top) / 2;
  const int rightX = right + in.letterWidth;

  l.trace1Max = {x20, y20 + 3 * th / 2};
  l.leftParameter = {x20, mid - th};
  l.trace1Type = {x20, mid + th};
  l.trace1Min = {x20, bottom - th / 2};
  l.trace2Max = {rightX, y20 + 3 * th / 2};
  l.rightParameter = {rightX, mid - th};
  l.trace2Type = {rightX, mid + th};
  l.trace2Min = {rightX, bottom - th / 2};
  l.chartZoLabel = {x20, mid + th};
  l.chartZoValue = {x20, mid + 2 * th};
  l.markerLine = {left - tw, bottom + 3 * th};
  l.impedanceLine = {left - tw, bottom + 5 * th};
  l.equivalentLine = {left - tw, bottom + 7 * th};
  l.startCentre = {left, bottom + th};
  l.stopCentre = {right, bottom + 3 * th / 2};
  l.pointsCentre = {left + (right - left) / 2, bottom + 3 * th / 2};
  l.markerHalfSize = right / 200 + 1;
  return l;
}

int previewBoxLength(int drawingAreaLength, int previewPageLength, int scale, int pageLength)
{
  if (pageLength < 1) return 0;
  const long long n = static_cast<long long>(drawingAreaLength) * previewPageLength * scale;
  return static_cast<int>(n / pageLength);
}

DataListPageLayout dataListPageLayout(int pageWidth, int pageHeight, int textWidth, int textHeight,
                                      int rowCount)
{
  DataListPageLayout l;
  const int y20 = pageHeight / 20;
  l.x0 = pageWidth / 20;
  l.caption = {l.x0, y20};
  l.columnStep = 3 * textWidth / 2;
  l.rowStep = 3 * textHeight / 2;
  l.headingY = y20 + 2 * l.rowStep;
  l.firstRowY = y20 + 3 * l.rowStep;
  const int limit = 19 * y20;

  int skip = 0;
  int page = 0;
  l.rows.reserve(rowCount > 0 ? static_cast<size_t>(rowCount) : 0);
  for (int row = 1; row <= rowCount; ++row) {
    int y = l.firstRowY + l.rowStep * (row - skip);
    // A row that would run past the foot of the page starts the next print job; it then sits
    // one row step above the first row position, where the (absent) headings would be.
    if (y > limit) {
      ++page;
      skip = row + 1;
      y = l.firstRowY + l.rowStep * (row - skip);
    }
    l.rows.push_back({row, page, y});
  }
  l.pageCount = page + 1;
  return l;
}

int fittingPrintScale(int contentWidth, int contentHeight, int roomWidth, int roomHeight)
{
  if (contentWidth <= 0 || contentHeight <= 0) return 1;
  const int scale = std::min(roomWidth / contentWidth, roomHeight / contentHeight);
  return std::clamp(scale, 1, PrintScale::kMaxScale);
}

} // namespace norvane
