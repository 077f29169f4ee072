#pragma once
// Selecting drawing items at a point (a click) or inside a rectangle (block select). Each test
// sets the items' selected flags; the result says whether anything was selected.

#include "document/schematic.h"
#include "platform/canvas.h"

#include <functional>

namespace norvane {

// Width and height of a free text in drawing units (needed to click on a text).
using TextMeasure = std::function<TextExtent(const TextItem&)>;

void deselectAll(Drawing& d);
bool anythingSelected(const Drawing& d);
// Selects every component, both ends of every wire, every text and line and the placed
// ports; true when there was anything to select.
bool selectEverything(Drawing& d);

// A click at `p`: components within 10 units in both axes; wire ends at the point, or both
// ends of an axis-parallel wire whose interior the point lies on; ports within 10 units;
// texts whose extent contains the point; lines with an end at the point.
bool selectAtPoint(Drawing& d, Point p, const TextMeasure& measure);

// A rectangle with corners `a` and `b` (any order, bounds included): components, wire ends,
// text anchors and line ends inside it; ports inside it widened by 10 on every side.
bool selectInRect(Drawing& d, Point a, Point b);

// Whether `p` lies strictly inside an axis-parallel wire (not on an end).
bool liesInsideWire(const Wire& w, Point p);

} // namespace norvane
