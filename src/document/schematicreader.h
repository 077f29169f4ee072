#pragma once
// Reading a schematic file (*.cct) into the document.
//
// The caller normally resets the document with clearSchematic first; reading sets only what
// the file names. Sections may come in any order and keys inside a record too; lines the
// reader does not know are skipped, also inside a record (so a file written by a later
// version with extra keys still loads). The graph markers' section is read by
// markersection.h; its damaged markers are left out with a warning.
//
// A file holding more than the document can (more than 1000 components or wires, 500
// drawing lines or texts, a data set with an index outside 1..50 or more than 2000 points)
// is refused as a whole with a message naming the limit, before the document changes:
// keeping only the first records would lose part of the circuit without a word.
//
// A value field ("nom=", "mintol=", "maxtol=") is read by the value text rule: its leading
// number, 0 when there is none, the rest ignored. A field that holds no number or a control
// character (a NUL byte inside the number) is read so all the same, and reported in the
// result's warnings with its line and component.
//
// Coordinates are held to +-kMaxCoordinate, and a stored zero where the element stamps
// divide (a resistance, capacitance, inductance, op-amp resistance, line impedance, velocity
// or length) becomes the property dialogs' replacement for it.
//
// Errors end the reading and are returned as text for the user's error box: "File not
// found" (no such file; the document is untouched), "File access denied", "Disk read
// error", "<path> is not a Norvane schematic" (the document is untouched), or "Invalid numeric
// input" (an Integer or Double key whose value is not a number; everything read before it stays in
// the document), or the capacity message (the document is untouched).
//
// After the drawing section the block counters are derived from the loaded blocks
// (deriveBlockCounters), so a block placed later never shares a loaded block's data set.

#include "document/fileresult.h"
#include "document/schematic.h"

#include <string>
#include <string_view>
#include <vector>

namespace norvane {

FileResult readSchematicText(Schematic& doc, std::string_view content);

// Whether the records of a schematic text fit the document's arrays; the failure names the
// limit. Only the structure is walked, no value is read.
FileResult checkSchematicCapacities(std::string_view content);

// Whether a text is a schematic at all: it holds the banner's title line or at least one of
// the document's section openers ("drawdat{", "Xax{", ...). A picture, an S-parameter file,
// an empty or a binary file is not; a hand-written file with unknown lines around known
// sections is.
bool isSchematicText(std::string_view content);

// "<path> is not a Norvane schematic".
std::string notSchematicMessage(const std::string& path);

// Reads the whole file into `content`, refusing one that is not a schematic with
// notSchematicMessage(path) and one that does not fit the document (checkSchematicCapacities).
// No value is parsed, so a caller can keep its open document until the file is known to be
// readable.
FileResult readSchematicFile(const std::string& path, std::string& content);

// The text of the one warning box that follows a file read with warnings: a heading and the
// first `shown` of them, then how many more there are. Lines are separated by "\r".
std::string readWarningsText(const std::vector<std::string>& warnings, std::size_t shown = 10);

// readSchematicFile, then readSchematicText. When the file cannot be read or is not a
// schematic the document is left untouched.
FileResult loadSchematic(Schematic& doc, const std::string& path);

} // namespace norvane
