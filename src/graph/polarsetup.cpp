#include "graph/polarsetup.h"

#include "numbers/numbertext.h"
#include "sim/plotpoint.h"

namespace norvane {
namespace {

template <class Doc> auto& magnitudeOf(Doc& doc, MeasuredParameter which)
{
  switch (which) {
  case measwhat::S21:
    return doc.polarS21mag;
  case measwhat::S12:
    return doc.polarS12mag;
  case measwhat::S22:
    return doc.polarS22mag;
  default:
    return doc.polarS11mag;
  }
}

MeasuredParameter validParameter(MeasuredParameter which)
{
  return which >= measwhat::S11 && which <= measwhat::S22 ? which : measwhat::S11;
}

} // namespace

double& polarMagnitude(Schematic& doc, MeasuredParameter which)
{
  return magnitudeOf(doc, which);
}

double polarMagnitude(const Schematic& doc, MeasuredParameter which)
{
  return magnitudeOf(doc, which);
}

void PolarSetupLogic::prepare(const Schematic& doc, bool focusMagnitude)
{
  m_changed = false;
  m_parameter = validParameter(doc.polarmeaswhat);
  m_magText = formatNumber(polarMagnitude(doc, m_parameter), NumberFormat::Shortest());
  m_focusMag = focusMagnitude;
}

void PolarSetupLogic::clickParameter(MeasuredParameter which)
{
  m_parameter = validParameter(which);
  m_changed = true;
}

bool PolarSetupLogic::ok(Schematic& doc) const
{
  const NumberReading magnitude = readNumber(m_magText, NumberRules::Plain());
  if (!magnitude.ok) return false;
  doc.polarmeaswhat = m_parameter;
  polarMagnitude(doc, m_parameter) = magnitude.value;
  return true;
}

} // namespace norvane
