#pragma once
// Writing a schematic file (*.cct): a keyed text format, CR LF line ends, texts as their
// 8-bit bytes. The sections come in a fixed order: display ranges, the nine saved templates,
// the graph settings, then the drawing with its ports, components, lines, texts, data sets
// and wires, and after it the graph markers when there are any (markersection.h).

#include "document/fileresult.h"
#include "document/schematic.h"

#include <string>

namespace norvane {

// The whole file as text. Doubles are written in the fixed 23-character scientific form
// (NumberFormat::File), Booleans as "TRUE"/"FALSE". Fixed-length texts are cut to their field's
// length, and line breaks inside a text are written as blanks so that one field stays one
// line. Data sets without points are not written.
std::string schematicText(const Schematic& doc);

// Writes the file at `path` through writeFileAtomically, so a failed save leaves the previous
// file intact (see there for links, permissions and special files). The caller copies the graph
// cursor position and the circles-shown state into the document before calling.
FileResult saveSchematic(const Schematic& doc, const std::string& path);

} // namespace norvane
