#include "assist/resonancelocks.h"

#include <algorithm>
#include <optional>

namespace norvane {

namespace {
std::optional<std::size_t> slotOf(RfField field)
{
  switch (field) {
  case RfField::ResonantFrequency:
    return 0;
  case RfField::Reactance:
    return 1;
  case RfField::Capacitance:
    return 2;
  case RfField::Inductance:
    return 3;
  default:
    return std::nullopt;
  }
}
} // namespace

void ResonanceLocks::lock(RfField field)
{
  const auto slot = slotOf(field);
  if (!slot) return;
  m_down[*slot] = true;
  if (!m_list.empty() && m_list.front() == field) return;

  std::erase(m_list, field);
  m_list.insert(m_list.begin(), field);
  if (m_list.size() > kListCapacity) m_list.resize(kListCapacity);

  // The fourth entry is always released; the third too when three are still down.
  if (m_list.size() >= 4) m_down[*slotOf(m_list[3])] = false;
  if (downCount() == 3 && m_list.size() >= 3) m_down[*slotOf(m_list[2])] = false;
}

void ResonanceLocks::unlock(RfField field)
{
  const auto slot = slotOf(field);
  if (!slot) return;
  m_down[*slot] = false;
  std::erase(m_list, field);
}

bool ResonanceLocks::isDown(RfField field) const
{
  const auto slot = slotOf(field);
  return slot && m_down[*slot];
}

std::size_t ResonanceLocks::downCount() const
{
  return static_cast<std::size_t>(std::count(m_down.begin(), m_down.end(), true));
}

} // namespace norvane
