#include "document/measureranges.h"

namespace norvane {

MeasureRanges defaultMeasureRanges()
{
  return MeasureRanges{};
}

bool isMeasureTraceType(TraceType t)
{
  return t >= tracetype::StabilityK && t <= tracetype::MinNoiseFigure;
}

bool isNoiseTraceType(TraceType t)
{
  return t == tracetype::NoiseFigure || t == tracetype::MinNoiseFigure;
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
  case tracetype::NoiseFigure:
    return &MeasureRanges::nf;
  case tracetype::MinNoiseFigure:
    return &MeasureRanges::nfmin;
  default:
    return &MeasureRanges::k;
  }
}

bool hasMeasureRangesToWrite(const Schematic& doc)
{
  return isMeasureTraceType(doc.Y1ax.tracetype) || isMeasureTraceType(doc.Y2ax.tracetype) ||
         doc.mmMeasures != defaultMeasureRanges();
}

bool hasNoiseRangesToWrite(const Schematic& doc)
{
  const MeasureRanges d = defaultMeasureRanges();
  return isNoiseTraceType(doc.Y1ax.tracetype) || isNoiseTraceType(doc.Y2ax.tracetype) ||
         doc.mmMeasures.nf != d.nf || doc.mmMeasures.nfmin != d.nfmin;
}

} // namespace norvane
