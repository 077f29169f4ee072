#include "document/measureranges.h"

namespace norvane {

MeasureRanges defaultMeasureRanges()
{
  MeasureRanges r;
  r.k = {4, 0};     // K around the stability limit 1
  r.delta = {2, 0}; // |Delta| around 1
  r.mu = {2, 0};    // mu around 1
  r.gain = {40, 0}; // a transistor's MAG/MSG, dB
  r.vswr = {10, 1}; // VSWR starts at 1
  r.reZ = {200, 0}; // ohm
  r.imZ = {100, -100};
  return r;
}

bool isMeasureTraceType(TraceType t)
{
  return t >= tracetype::StabilityK && t <= tracetype::ReactanceZ;
}

DisplayRange MeasureRanges::*measureRangeOf(TraceType t)
{
  switch (t) {
  case tracetype::DeltaMagnitude:
    return &MeasureRanges::delta;
  case tracetype::Mu:
    return &MeasureRanges::mu;
  case tracetype::MaxGain:
    return &MeasureRanges::gain;
  case tracetype::Vswr:
    return &MeasureRanges::vswr;
  case tracetype::ResistanceZ:
    return &MeasureRanges::reZ;
  case tracetype::ReactanceZ:
    return &MeasureRanges::imZ;
  default:
    return &MeasureRanges::k;
  }
}

bool hasMeasureRangesToWrite(const Schematic& doc)
{
  return isMeasureTraceType(doc.Y1ax.tracetype) || isMeasureTraceType(doc.Y2ax.tracetype) ||
         doc.mmMeasures != defaultMeasureRanges();
}

} // namespace norvane
