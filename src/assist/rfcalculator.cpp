#include "assist/rfcalculator.h"

namespace norvane {

RfCalculator::RfCalculator()
    // The initial fields of each page are consistent with these as the given ones; the noise
    // page starts from its bandwidth and temperature (k T B in 1 Hz at 27 degC).
    : m_lastInput{RfField::ReturnLoss, RfField::Dbm, RfField::ResonantFrequency, RfField::Bandwidth,
                  RfField::PhysicalLength}
{
}

void RfCalculator::fieldEdited(RfField field)
{
  const RfPage page = rfPageOf(field);
  m_lastPage = page;
  if (page == RfPage::Resonance) return;
  m_lastInput[static_cast<std::size_t>(page)] =
      field == RfField::SystemImpedance ? RfField::Dbm : field;
}

void RfCalculator::resonanceKeyPressed(RfField field)
{
  if (rfPageOf(field) != RfPage::Resonance) return;
  m_locks.lock(field);
}

void RfCalculator::lockButtonClicked(RfField field, bool down)
{
  if (rfPageOf(field) != RfPage::Resonance) return;
  if (down)
    m_locks.lock(field);
  else
    m_locks.unlock(field);
  m_lastPage = RfPage::Resonance;
}

RfPageResult RfCalculator::calculate(const RfFieldValues& values)
{
  if (!m_lastPage) return {};
  return calculatePage(*m_lastPage, values);
}

RfPageResult RfCalculator::calculatePage(RfPage page, const RfFieldValues& values)
{
  const RfField given = lastInput(page);
  RfPageResult result;
  switch (page) {
  case RfPage::ReturnLoss:
    result = calcReturnLossPage(given, values);
    break;
  case RfPage::SignalLevel:
    result = calcSignalLevelPage(given, values);
    break;
  case RfPage::Resonance:
    result = calcResonancePage(m_locks, values);
    break;
  case RfPage::ThermalNoise:
    result = calcThermalNoisePage(given, values);
    break;
  case RfPage::FreqWavelength:
    result = calcFreqWavelengthPage(given, values);
    break;
  }
  for (const RfWrite& write : result.writes)
    fieldEdited(write.field);
  return result;
}

RfPageResult RfCalculator::calculateAllPages(const RfFieldValues& values)
{
  const std::optional<RfPage> keep = m_lastPage;
  RfPageResult all;
  const auto join = [](std::string& into, const std::string& text) {
    if (text.empty()) return;
    if (!into.empty()) into += '\n';
    into += text;
  };
  // No lock is down yet, so the resonance page is calculated as with frequency and reactance
  // given: the inductance then shows the value that belongs to the other three fields
  // instead of a stored figure. The lock buttons themselves stay up.
  ResonanceLocks givenFrequencyAndReactance;
  givenFrequencyAndReactance.lock(RfField::ResonantFrequency);
  givenFrequencyAndReactance.lock(RfField::Reactance);
  for (RfPage page : {RfPage::ReturnLoss, RfPage::SignalLevel, RfPage::Resonance,
                      RfPage::ThermalNoise, RfPage::FreqWavelength}) {
    RfPageResult one = page == RfPage::Resonance && m_locks.downCount() == 0
                           ? calcResonancePage(givenFrequencyAndReactance, values)
                           : calculatePage(page, values);
    all.writes.insert(all.writes.end(), one.writes.begin(), one.writes.end());
    join(all.error, one.error);
    join(all.information, one.information);
  }
  m_lastPage = keep;
  return all;
}

} // namespace norvane
