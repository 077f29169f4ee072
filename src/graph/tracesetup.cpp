#include "graph/tracesetup.h"

#include "document/measureranges.h"
#include "graph/tracekinds.h"
#include "numbers/numbertext.h"
#include "sim/plotpoint.h"
#include "sim/results.h"

namespace norvane {

TraceType tracetypeOfShowAs(TraceShowAs b)
{
  switch (b) {
  case TraceShowAs::Log10Power:
    return tracetype::Log10Power;
  case TraceShowAs::Log20:
    return tracetype::Log20;
  case TraceShowAs::Linear:
    return tracetype::Linear;
  case TraceShowAs::Phase:
    return tracetype::Phase;
  case TraceShowAs::None:
    break;
  default: // the figures: button and tracetype share their numbers
    return static_cast<TraceType>(static_cast<int>(b));
  }
  return tracetype::Log20; // (never asked) an unknown kind reads as 20Log(V)
}

TraceShowAs showAsOfTracetype(TraceType type)
{
  switch (type) {
  case tracetype::Log10Power:
    return TraceShowAs::Log10Power;
  case tracetype::Log20:
    return TraceShowAs::Log20;
  case tracetype::Linear:
    return TraceShowAs::Linear;
  case tracetype::Phase:
    return TraceShowAs::Phase;
  default:
    return isMeasureTraceType(type) ? static_cast<TraceShowAs>(static_cast<int>(type))
                                    : TraceShowAs::None;
  }
}

void TraceSetupLogic::setUnitFor(TraceShowAs b)
{
  switch (b) {
  case TraceShowAs::Log10Power:
  case TraceShowAs::Log20:
  case TraceShowAs::MaxGain:
  case TraceShowAs::NoiseFigure:
  case TraceShowAs::MinNoiseFigure:
    m_unit = "dB";
    break;
  case TraceShowAs::ResistanceZ:
  case TraceShowAs::ReactanceZ:
    m_unit = "R";
    break;
  case TraceShowAs::StabilityK:
  case TraceShowAs::DeltaMagnitude:
  case TraceShowAs::Mu:
  case TraceShowAs::Vswr:
  case TraceShowAs::Linear:
    m_unit.clear();
    break;
  case TraceShowAs::Phase:
    m_unit = "Deg";
    break;
  case TraceShowAs::None:
    break;
  }
}

void TraceSetupLogic::prepare(const Schematic& doc, int trace, Focus focus)
{
  m_maxEdited = m_minEdited = m_resimulate = false;
  m_trace = trace == 2 ? 2 : 1;
  m_axis = traceAxis(doc, m_trace);
  m_measure = m_axis.measwhat;
  setMaxText(formatFixed(m_axis.max, 2));
  setMinText(formatFixed(m_axis.min, 2));
  const TraceShowAs b = showAsOfTracetype(m_axis.tracetype);
  if (b != TraceShowAs::None) {
    m_showAs = b;
    setUnitFor(b);
  }
  m_focus = focus;
}

std::string TraceSetupLogic::caption() const
{
  return "Trace " + std::to_string(m_trace) + " setup";
}

void TraceSetupLogic::clickMeasure(MeasuredParameter measwhat)
{
  m_measure = measwhat;
  m_resimulate = true;
}

void TraceSetupLogic::clickShowAs(const Schematic& doc, TraceShowAs button)
{
  if (button == TraceShowAs::None) return;
  m_showAs = button;
  setUnitFor(button);
  const DisplayRange& pair = rememberedRange(doc, tracetypeOfShowAs(button));
  setMaxText(formatFixed(pair.max, 3));
  setMinText(formatFixed(pair.min, 3));
  m_resimulate = true;
}

void TraceSetupLogic::setMaxText(const std::string& text)
{
  if (text != m_maxText) m_maxEdited = true;
  m_maxText = text;
}

void TraceSetupLogic::setMinText(const std::string& text)
{
  if (text != m_minText) m_minEdited = true;
  m_minText = text;
}

bool TraceSetupLogic::maximumReads() const
{
  return readNumber(m_maxText, NumberRules::Plain()).ok;
}

bool TraceSetupLogic::minimumReads() const
{
  return readNumber(m_minText, NumberRules::Plain()).ok;
}

bool TraceSetupLogic::ok(Schematic& doc) const
{
  if (!maximumReads() || !minimumReads()) return false;
  TraceAxis axis = m_axis;
  axis.measwhat = m_measure;
  if (m_showAs != TraceShowAs::None) axis.tracetype = tracetypeOfShowAs(m_showAs);
  const double max = readNumber(m_maxText, NumberRules::Plain()).value;
  const double min = readNumber(m_minText, NumberRules::Plain()).value;
  DisplayRange& pair = rememberedRange(doc, axis.tracetype);
  if (m_maxEdited) pair.max = max;
  if (m_minEdited) pair.min = min;
  axis.max = max;
  axis.min = min;
  traceAxis(doc, m_trace) = axis;
  return true;
}

} // namespace norvane
