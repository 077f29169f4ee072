#pragma once
// Where the drawing lies on the sheet: the smallest rectangle holding everything the
// schematic painter draws (symbols with their labels, wires, ports, lines, texts, junction
// dots and unconnected markers), in drawing units. The window fits and centres its view on
// it, so a small circuit in a corner of the large sheet is brought into view, and the printed
// page places and scales it, so that it is not squeezed into a corner of the paper.

#include "config/environment.h"
#include "document/schematic.h"
#include "editor/paintscale.h"
#include "editor/symbolpainter.h"
#include "platform/canvas.h"

#include <functional>
#include <optional>
#include <string>

namespace norvane {

struct DrawingBox
{
  int left = 0;
  int top = 0;
  int right = 0; // exclusive
  int bottom = 0;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
  bool operator==(const DrawingBox&) const = default;
};

// Width and height of a text in the given font, as the screen would draw it.
using FontTextMeasure = std::function<TextExtent(const Font& font, const std::string& text)>;

// The box of everything painted at `scale` (the grid aside) with texts in the font family
// `fontName`, as the caller paints them; nothing for an empty sheet.
std::optional<DrawingBox> drawingBounds(const Schematic& doc, const Environment& env,
                                        const PaintScale& scale, const FontTextMeasure& measure,
                                        const std::string& fontName = kDefaultSchematicFont);

} // namespace norvane
