#include "graph/measuretraces.h"

#include "document/measureranges.h"

namespace norvane {

bool needsBothPorts(TraceType t)
{
  return t == tracetype::StabilityK || t == tracetype::DeltaMagnitude || t == tracetype::Mu ||
         t == tracetype::MaxGain || isNoiseTraceType(t);
}

int portOfParameter(MeasuredParameter measwhat)
{
  return measwhat == measwhat::S12 || measwhat == measwhat::S22 ? 2 : 1;
}

TraceExcitations traceExcitations(const TraceAxis& axis)
{
  // Mu needs both excitations too: mu1 uses S22 and mu2 uses S11.
  if (needsBothPorts(axis.tracetype)) return {true, true};
  const bool first = portOfParameter(axis.measwhat) == 1;
  return {first, !first};
}

bool traceHasItsPorts(const TraceAxis& axis, bool port1, bool port2)
{
  if (!isMeasureTraceType(axis.tracetype)) return true;
  if (needsBothPorts(axis.tracetype)) return port1 && port2;
  return portOfParameter(axis.measwhat) == 1 ? port1 : port2;
}

bool traceSolved(const SweepPoint& point, const TraceAxis& axis)
{
  const TraceExcitations e = traceExcitations(axis);
  return (!e.port1 || point.excited1) && (!e.port2 || point.excited2);
}

std::optional<double> noiseTraceValue(const PointNoise& noise, TraceType tracetype)
{
  if (tracetype == tracetype::NoiseFigure) return noise.nfDb;
  if (tracetype == tracetype::MinNoiseFigure) return noise.nfminDb;
  return std::nullopt;
}

std::optional<double> measureTraceValue(const TwoPortMeasures& m, const TraceAxis& axis)
{
  const bool first = portOfParameter(axis.measwhat) == 1;
  const std::optional<Complex>& z = first ? m.zin : m.zout;
  switch (axis.tracetype) {
  case tracetype::StabilityK:
    return m.k;
  case tracetype::DeltaMagnitude:
    return m.delta;
  case tracetype::Mu:
    return first ? m.mu1 : m.mu2;
  case tracetype::MaxGain:
    return m.gainDb;
  case tracetype::Vswr:
    return first ? m.vswr1 : m.vswr2;
  case tracetype::ResistanceZ:
    return z ? std::optional<double>(z->re) : std::nullopt;
  case tracetype::ReactanceZ:
    return z ? std::optional<double>(z->im) : std::nullopt;
  default:
    return std::nullopt;
  }
}

std::string measureLegendText(const TraceAxis& axis)
{
  const bool first = portOfParameter(axis.measwhat) == 1;
  switch (axis.tracetype) {
  case tracetype::StabilityK:
    return "K";
  case tracetype::DeltaMagnitude:
    return "|Delta|";
  case tracetype::Mu:
    return first ? "mu1" : "mu2";
  case tracetype::MaxGain:
    return "MAG/MSG";
  case tracetype::Vswr:
    return first ? "VSWR1" : "VSWR2";
  case tracetype::ResistanceZ:
    return first ? "Re Zin (ohm)" : "Re Zout (ohm)";
  case tracetype::ReactanceZ:
    return first ? "Im Zin (ohm)" : "Im Zout (ohm)";
  case tracetype::NoiseFigure:
    return "NF dB";
  case tracetype::MinNoiseFigure:
    return "NFmin dB";
  default:
    return "";
  }
}

std::string missingPortNotice(const TraceAxis& axis, bool port1, bool port2)
{
  if (traceHasItsPorts(axis, port1, port2)) return "";
  if (needsBothPorts(axis.tracetype)) return " (needs both ports)";
  return portOfParameter(axis.measwhat) == 1 ? " (needs port 1)" : " (needs port 2)";
}

} // namespace norvane
