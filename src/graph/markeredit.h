#pragma once
// Editing the graph markers of the document: adding, moving and deleting them, and choosing
// the reference. Markers are numbered 1..count; deleting one renumbers those above it.

#include "document/graphmarkers.h"

namespace norvane {

// Adds a marker at `freq`; its number, or 0 when all eight are in use.
int addMarker(GraphMarkers& markers, double freq);

// Numbers outside 1..count are ignored by the three below.
void moveMarker(GraphMarkers& markers, int number, double freq);
void deleteMarker(GraphMarkers& markers, int number);
// Makes the marker the reference (the previous reference stops being one); on the reference
// itself it takes the reference away, so no marker is one.
void toggleReference(GraphMarkers& markers, int number);

// The reference marker's number; 0 when there is none.
int referenceMarker(const GraphMarkers& markers);

} // namespace norvane
