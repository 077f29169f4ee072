#pragma once
// The remembered axis ranges of the stability, gain and port-figure traces (K, |Delta|, Mu,
// MAG/MSG, VSWR, Re Z, Im Z, NF, NFmin) and how the schematic file keeps them.
//
// They live in their own top-level section after "drawdat", written only when a trace shows
// one of these kinds or a range was changed from its default, so a file that never used them
// is written exactly as before, and readers that do not know the section skip its lines:
//
//   traceranges{
//   Kmax=...
//   Kmin=...
//   ...
//   }
//
// The keys are flat lines (no nested sections) so that nothing inside can be taken for a
// section of the document by a reader that does not know this one.

#include "document/schematic.h"

#include <array>
#include <string_view>

namespace norvane {

MeasureRanges defaultMeasureRanges();

// Whether a trace kind is one of those ranged here.
bool isMeasureTraceType(TraceType tracetype);
// NF and NFmin: ranged here too, but their runs also compute noise.
bool isNoiseTraceType(TraceType tracetype);

// The range of one of those kinds (the K range for any other code).
DisplayRange MeasureRanges::*measureRangeOf(TraceType tracetype);

// Whether the document has anything to keep in the section.
bool hasMeasureRangesToWrite(const Schematic& doc);
// Whether the noise ranges go into the section too (after the others; a file that never
// showed a noise trace keeps the section as it was).
bool hasNoiseRangesToWrite(const Schematic& doc);

namespace traceranges {

inline constexpr std::string_view kSection = "traceranges";

// Key stem of each range in the section, in the order written: stem + "max=", stem + "min=".
struct Entry
{
  std::string_view stem;
  DisplayRange MeasureRanges::*range;
};
inline constexpr std::array<Entry, 7> kEntries{{{"K", &MeasureRanges::k},
                                                {"Delta", &MeasureRanges::delta},
                                                {"Mu", &MeasureRanges::mu},
                                                {"MAG", &MeasureRanges::gain},
                                                {"VSWR", &MeasureRanges::vswr},
                                                {"ReZ", &MeasureRanges::reZ},
                                                {"ImZ", &MeasureRanges::imZ}}};
// Written only when hasNoiseRangesToWrite.
inline constexpr std::array<Entry, 2> kNoiseEntries{
    {{"NF", &MeasureRanges::nf}, {"NFmin", &MeasureRanges::nfmin}}};

} // namespace traceranges

} // namespace norvane
