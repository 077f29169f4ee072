#pragma once
// Reading a schematic file (*.cct) into the document.
//
// The caller normally resets the document with ClearSchema first; reading sets only what
// the file names. Sections may come in any order and keys inside a record too; lines the
// reader does not know are skipped, also inside a record (so a file written by a later
// version with extra keys still loads). Records beyond an array's capacity are read and
// dropped, as are data sets whose index is outside 1..50 and "sdata=" lines beyond the
// 2000th of a set.
//
// Errors end the reading and are returned as text for the user's error box: "File not
// found" (no such file; the document is untouched), "File access denied", "Disk read
// error", or "Invalid numeric input" (an Integer or Double key whose value is not a number;
// everything read before it stays in the document).
//
// After the drawing section the block counters are derived from the loaded blocks
// (deriveBlockCounters), so a block placed later never shares a loaded block's data set.

#include "document/fileresult.h"
#include "document/schema.h"

#include <string>
#include <string_view>

namespace norvane {

FileResult readSchematicText(Tschema& doc, std::string_view content);

FileResult loadSchematic(Tschema& doc, const std::string& path);

} // namespace norvane
