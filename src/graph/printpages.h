#pragma once
// Drawing the printed (or previewed) page of the graph window: the caption, the framed graph
// box with the graph and cursor inside, the window's texts around it; or the data list as rows
// of text that continue on further print jobs. The caller has set the canvas font (its size
// below 1 means no text at all) and chooses printer page or reduced preview page sizes.

#include "graph/graphwindowcore.h"
#include "graph/printgeometry.h"
#include "platform/canvas.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace norvane {

// The texts the graph window shows, as they go on paper.
struct GraphPageTexts
{
  bool chart = false;
  std::string trace1Max, trace1Min, trace2Max, trace2Min; // value field texts
  std::string leftParameter, rightParameter;              // "S11" .. "S22"
  std::string trace1Type, trace2Type;                     // trace-type list items
  std::string start, stop, points;                        // bottom panel field texts
  GraphReadouts readouts;
};

// The texts of the window's fields as it shows them for the given state and readouts.
GraphPageTexts graphPageTexts(const GraphPanelState& state, const GraphReadouts& readouts);

// "S11", "S21", "S12", "S22" for measwhat 1..4 (S11 for anything else).
std::string parameterName(MeasuredParameter measwhat);

struct GraphPageRequest
{
  int pageWidth = 0;  // W (or the reduced preview page)
  int pageHeight = 0; // H
  int boxWidth = 0;   // graph box: s × drawing area (preview: reduced likewise), cut to the
                      // room the page leaves beside and below it
  int boxHeight = 0;
  int originX = 0; // where the page's top-left corner is on the canvas (preview offset)
  int originY = 0;
  std::string caption; // the main window's caption
};

// Draws the whole graph page: caption, white box framed black, the texts (when the font is
// readable), then DrawGraph and DrawCursor (marker half-size right/200 + 1) into the box.
void drawGraphPage(Canvas& canvas, GraphWindowCore& graph, const GraphPageRequest& request);

// The data list on paper. `rows` are the list's data rows (nine cells each). `newPrintJob` is
// called before a row that would pass the foot of the page (it ends the print job and begins
// another); the preview passes no callback and shows only the first page: the rows when the
// font is readable, else short placeholder lines on the first rows.
void drawDataListPage(Canvas& canvas, const GraphPageRequest& request,
                      const std::vector<DataListRow>& rows,
                      const std::function<void()>& newPrintJob);

} // namespace norvane
