#pragma once
// The graph markers in the schematic file: one "markers{" section at the end of the file,
// after the drawing, written only when there are markers, so that a schematic without them
// is written exactly as before markers existed. Each marker is a "marker{" record:
//
//   markers{
//   marker{
//   freq= 1.00000000000000E+0008
//   reference=FALSE
//   }
//   }
//
// A reader that does not know the section skips every one of its lines: none of them opens
// a section of the document or of its drawing.

#include "document/graphmarkers.h"
#include "document/schematiclines.h"

#include <string>
#include <vector>

namespace norvane {

// The section's lines (CR LF ends); empty when there are no markers.
std::string markerSectionText(const GraphMarkers& markers);

// Reads the section whose opener `lines` has just returned, up to its "}", into `markers`
// (which it replaces). A marker whose frequency is missing or not a usable number is left
// out with a warning naming its line; markers beyond the eighth are dropped; when more than
// one claims to be the reference, the first keeps it. A section that lost its "}" ends at
// the next section opener, which is left for the caller.
void readMarkerSection(schematiclines::LineSource& lines, GraphMarkers& markers,
                       std::vector<std::string>& warnings);

} // namespace norvane
