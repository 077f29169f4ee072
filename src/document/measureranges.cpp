#include "document/measureranges.h"

namespace norvane {

MeasureRanges defaultMeasureRanges()
{
  return MeasureRanges{};
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
