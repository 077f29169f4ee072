#pragma once
// The markers the user sets on the graph: up to eight sweep frequencies whose trace values
// the graph window lists under the plot. A marker keeps its frequency, not a point number,
// so that after a new sweep it stands on the point nearest to where it was. One marker may
// be the reference that the others are measured against.
//
// They are saved with the schematic in a section of their own after the drawing (see
// markersection.h); a schematic without markers has no such section.

#include "document/onebased.h"

namespace norvane {

constexpr int kMaxGraphMarkers = 8;

struct GraphMarker
{
  double freq = 0.0;      // Hz
  bool reference = false; // the others show their difference from this one
  friend bool operator==(const GraphMarker&, const GraphMarker&) = default;
};

// Numbered from 1 like every list of the document: marker 1 is graphMarkers[1].
using GraphMarkers = BoundedList<GraphMarker, kMaxGraphMarkers>;

} // namespace norvane
