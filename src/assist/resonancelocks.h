#pragma once
// The lock buttons of the resonance page. Locking a field (a key pressed in it, or its button
// pressed down) marks it as given; of the four fields (frequency, reactance, capacitance,
// inductance) at most the two most recently locked stay down, and those two decide what the
// page computes from them.
//
// The lock list remembers the order: the most recently locked field first. A field whose
// button the rule released stays in the list until it is locked again or unlocked by its own
// button, so the order of the older locks is kept.

#include "assist/rffields.h"

#include <array>
#include <cstddef>
#include <vector>

namespace norvane {

class ResonanceLocks
{
public:
  // Locks `field` (a resonance field; others are ignored): its button goes down, it moves to
  // the front of the list, and the buttons of the older entries are released so that no more
  // than two stay down.
  void lock(RfField field);
  // Its button came up: the field leaves the list.
  void unlock(RfField field);

  bool isDown(RfField field) const;
  std::size_t downCount() const;
  // The lock list, most recent first (at most five entries).
  const std::vector<RfField>& list() const { return m_list; }

private:
  static constexpr std::size_t kListCapacity = 5;
  std::array<bool, 4> m_down{};
  std::vector<RfField> m_list;
};

} // namespace norvane
