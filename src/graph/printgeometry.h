#pragma once
// Geometry of the print preview and of the printed pages: the power-of-two reduction that fits
// the printer page into the preview window, the print scale, the font sizes, and where the
// caption, the graph box, the labels and the data-list rows go on a page. Pure integer layout
// (printer pixels, or preview pixels when given the reduced page); drawing happens elsewhere.

#include "graph/intgeometry.h"

#include <vector>

namespace norvane {

// Printer pixels per screen pixel. Starts at 3; doubled and halved by the preview's buttons.
class PrintScale
{
public:
  // Doubling stops here: past it the page sizes and font sizes computed from the scale would
  // overflow 32-bit integers long before anyone could see the difference.
  static constexpr int kMaxScale = 4096;

  int value() const { return m_scale; }
  void set(int scale) { m_scale = scale < 1 ? 1 : scale > kMaxScale ? kMaxScale : scale; }
  void reduce() { m_scale = m_scale / 2 < 1 ? 1 : m_scale / 2; }
  void increase() { m_scale = m_scale * 2 > kMaxScale ? kMaxScale : m_scale * 2; }

private:
  int m_scale = 3;
};

// The largest whole print scale at which content of the given size (screen pixels) fits the
// room (printer pixels); at least 1, at most PrintScale::kMaxScale.
int fittingPrintScale(int contentWidth, int contentHeight, int roomWidth, int roomHeight);

struct PreviewGeometry
{
  int reduction = 1; // f: printer pixels per preview pixel, a power of two
  IntRect page;      // the white page, W div f by H div f, centred in the window
  IntRect shadowRight;
  IntRect shadowBottom;
};

// The preview reduction: c = max(W, H) div (3·min(window) div 4), f = the power of two at or
// just above c. A window too small to divide by, or a page smaller than the window, gives 1.
int previewReduction(int pageWidth, int pageHeight, int windowWidth, int windowHeight);

PreviewGeometry previewGeometry(int pageWidth, int pageHeight, int windowWidth, int windowHeight);

// Font size in points on the preview (s·8 div f) and on the printer (screen ppi·s·8 div printer
// ppi). Below 1 no text is drawn.
int previewFontSize(int scale, int reduction);
int printerFontSize(int scale, int screenPixelsPerInch, int printerPixelsPerInch);

// Texts on paper stay between these sizes. The scale that fills the page with a graph
// depends on how wide the graph window is: the proportional size above came out near
// 5 points, too small to read, for a wide window and would come out near 20 points, crowding
// the box, for a narrow one.
inline constexpr int kMinimumPrintPoints = 8;
inline constexpr int kMaximumPrintPoints = 12;

// The font size of the page's texts on paper: the proportional size, held between 8 and 12
// points.
int pageFontPoints(int scale, int screenPixelsPerInch, int printerPixelsPerInch);
// The same font on the preview's page, reduced f times and shown at screen resolution.
int previewPageFontPoints(int scale, int reduction, int screenPixelsPerInch,
                          int printerPixelsPerInch);

// The print scale as the user reads it: the printed size of one screen pixel in per cent of
// its size on the screen (100 % prints the window at its size on the monitor).
int printScalePercent(int scale, int screenPixelsPerInch, int printerPixelsPerInch);

// Inputs of the graph page layout. On paper the page is the printer page and the box is
// s × the drawing area; in the preview both are the reduced sizes.
struct GraphPageInput
{
  int pageWidth = 0;  // W
  int pageHeight = 0; // H
  int boxWidth = 0;   // graph box, already scaled; cut to the room the page leaves
  int boxHeight = 0;
  bool chart = false;     // charts have three read-out lines below the box, graphs one
  int rightTextWidth = 0; // the widest text right of the box (trace-2 limits and type)
  int textWidth = 4;      // tw: extent of "AAAAAAA" (4 and 2 when no text is drawn)
  int textHeight = 2;     // th
  int letterWidth = 0;    // a: width of "A"
};

// Anchors of the graph page. Texts are placed at their top-left corner except the start, stop
// and points labels, whose anchors give the x they are centred on.
struct GraphPageLayout
{
  IntPoint caption;
  IntRect box;
  IntPoint trace1Max;
  IntPoint leftParameter;
  IntPoint trace1Type;     // rectangular graph only
  IntPoint trace1Min;      // rectangular graph only
  IntPoint trace2Max;      // rectangular graph only
  IntPoint rightParameter; // rectangular graph only
  IntPoint trace2Type;     // rectangular graph only
  IntPoint trace2Min;      // rectangular graph only
  IntPoint chartZoLabel;   // charts only: "Chart Zo"
  IntPoint chartZoValue;   // charts only
  IntPoint markerLine;     // "Marker: ..."
  IntPoint impedanceLine;  // charts only
  IntPoint equivalentLine; // charts only
  IntPoint startCentre;    // "Start:" text centred on x
  IntPoint stopCentre;     // "Stop:" text centred on x
  IntPoint pointsCentre;   // points text centred on x
  int markerHalfSize = 1;  // cursor square half-size on paper: right/200 + 1
};

// The box stands a margin of W/20 in from the left, after the left texts (tw); it reaches no
// further than the right texts and a margin of W/20 allow, and leaves room below for the
// read-out lines and a margin of H/20.
GraphPageLayout graphPageLayout(const GraphPageInput& in);

// The print scale at which a drawing area of this width fills the page's width between its
// margins (the graph box is then cut to the room the texts leave).
int fillingGraphScale(int areaWidth, int pageWidth);

// The graph box in the preview: the drawing-area size × page-area size × s / page size.
int previewBoxLength(int drawingAreaLength, int previewPageLength, int scale, int pageLength);

// Data-list pages. Column k at x0 + k·r, headings on the first page only, rows continue on a
// new print job when they would pass 19·(H/20).
struct DataListRowPlacement
{
  int row = 0;  // 1-based list row (0 is the heading row of the list itself)
  int page = 0; // 0-based print job
  int y = 0;
};

struct DataListPageLayout
{
  IntPoint caption;
  int x0 = 0;
  int columnStep = 0; // r = 3·tw/2
  int rowStep = 0;    // b = 3·th/2
  int headingY = 0;   // H/20 + 2·b
  int firstRowY = 0;  // y0 = H/20 + 3·b
  std::vector<DataListRowPlacement> rows;
  int pageCount = 1;
  int columnX(int k) const { return x0 + k * columnStep; }
};

// Places rows 1..rowCount (the list's data rows).
DataListPageLayout dataListPageLayout(int pageWidth, int pageHeight, int textWidth, int textHeight,
                                      int rowCount);

// The headings printed above the list columns (they have no blank, unlike the screen list).
inline constexpr const char* kDataListPrintHeadings[9] = {
    "Freq", "S11Mag", "S11Ang", "S21Mag", "S21Ang", "S12Mag", "S12Ang", "S22Mag", "S22Ang"};

} // namespace norvane
