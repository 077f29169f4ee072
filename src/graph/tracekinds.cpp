#include "graph/tracekinds.h"

#include "document/measureranges.h"
#include "graph/measuretraces.h"
#include "graph/printpages.h"
#include "numbers/valuetext.h"
#include "sim/plotpoint.h"

namespace norvane {

int traceTypeListIndex(TraceType tracetype)
{
  switch (tracetype) {
  case tracetype::Log10Power:
    return 0;
  case tracetype::Linear:
    return 2;
  case tracetype::Phase:
    return 3;
  case tracetype::GroupDelay:
    return 4;
  default:
    return isMeasureTraceType(tracetype) ? static_cast<int>(tracetype) : 1;
  }
}

TraceType traceTypeOfListIndex(int index)
{
  switch (index) {
  case 0:
    return tracetype::Log10Power;
  case 2:
    return tracetype::Linear;
  case 3:
    return tracetype::Phase;
  case 4:
    return tracetype::GroupDelay;
  default: {
    const auto t = static_cast<TraceType>(index);
    return isMeasureTraceType(t) ? t : tracetype::Log20;
  }
  }
}

std::string traceUnitText(TraceType type)
{
  switch (type) {
  case tracetype::Linear:
    return "";
  case tracetype::Phase:
    return "deg";
  case tracetype::GroupDelay:
    return "s";
  case tracetype::StabilityK:
  case tracetype::DeltaMagnitude:
  case tracetype::Mu:
  case tracetype::Vswr:
    return "";
  case tracetype::ResistanceZ:
  case tracetype::ReactanceZ:
    return "R";
  default:
    return "dB";
  }
}

AxisUnit traceAxisUnit(TraceType type)
{
  switch (type) {
  case tracetype::Linear:
    return AxisUnit::Plain;
  case tracetype::Phase:
    return AxisUnit::Degree;
  case tracetype::GroupDelay:
    return AxisUnit::Second;
  case tracetype::StabilityK:
  case tracetype::DeltaMagnitude:
  case tracetype::Mu:
  case tracetype::Vswr:
  case tracetype::ResistanceZ: // the legend names the ohm
  case tracetype::ReactanceZ:
    return AxisUnit::Plain;
  default:
    return AxisUnit::Decibel;
  }
}

std::string traceLegendText(const TraceAxis& axis)
{
  if (isMeasureTraceType(axis.tracetype)) return measureLegendText(axis);
  const std::string name = parameterName(axis.measwhat);
  switch (axis.tracetype) {
  case tracetype::Linear:
    return name + " mag";
  case tracetype::Phase:
    return name + " phase";
  case tracetype::GroupDelay:
    return name + " delay";
  default:
    return name + " dB";
  }
}

std::string traceValueText(TraceType type, double value, int digits)
{
  switch (type) {
  case tracetype::StabilityK: // near 1 every decimal matters: one more than the others get
  case tracetype::DeltaMagnitude:
  case tracetype::Mu:
  case tracetype::Vswr:
    return formatLevel(value, digits + 1);
  case tracetype::ResistanceZ:
  case tracetype::ReactanceZ:
    return formatEngineering(digits, value) + "R";
  default:
    break;
  }
  const bool level = type != tracetype::Linear && type != tracetype::GroupDelay;
  return (level ? formatLevel(value, digits) : formatEngineering(digits, value)) +
         traceUnitText(type);
}

namespace {

template <class Doc> auto& rangeOf(Doc& doc, TraceType type)
{
  if (isMeasureTraceType(type)) return doc.mmMeasures.*measureRangeOf(type);
  switch (type) {
  case tracetype::Linear:
    return doc.mmLin;
  case tracetype::Phase:
    return doc.mmPhase;
  case tracetype::GroupDelay:
    return doc.mmGrpDelay;
  default:
    return doc.mmdB;
  }
}

} // namespace

DisplayRange& rememberedRange(Schematic& doc, TraceType type)
{
  return rangeOf(doc, type);
}

const DisplayRange& rememberedRange(const Schematic& doc, TraceType type)
{
  return rangeOf(doc, type);
}

TraceAxis& traceAxis(Schematic& doc, int trace)
{
  return trace == 2 ? doc.Y2ax : doc.Y1ax;
}

const TraceAxis& traceAxis(const Schematic& doc, int trace)
{
  return trace == 2 ? doc.Y2ax : doc.Y1ax;
}

void storeTraceMax(Schematic& doc, int trace, double value)
{
  TraceAxis& axis = traceAxis(doc, trace);
  axis.max = value;
  rememberedRange(doc, axis.tracetype).max = value;
}

void storeTraceMin(Schematic& doc, int trace, double value)
{
  TraceAxis& axis = traceAxis(doc, trace);
  axis.min = value;
  rememberedRange(doc, axis.tracetype).min = value;
}

TraceTypeChange changeTraceType(Schematic& doc, int trace, TraceType newTracetype)
{
  TraceAxis& axis = traceAxis(doc, trace);
  DisplayRange& old = rememberedRange(doc, axis.tracetype);
  old.max = axis.max;
  old.min = axis.min;
  axis.tracetype = newTracetype;
  const DisplayRange& now = rememberedRange(doc, newTracetype);
  axis.max = now.max;
  axis.min = now.min;
  if (newTracetype == tracetype::GroupDelay &&
      (axis.measwhat == measwhat::S11 || axis.measwhat == measwhat::S22)) {
    axis.measwhat = measwhat::S21;
    return TraceTypeChange::SwitchedToS21;
  }
  return TraceTypeChange::Resimulate;
}

} // namespace norvane
