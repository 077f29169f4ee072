#pragma once
// The state of the RF calculator window, without the window: which page the OK button
// calculates, which field of each page the user gave last, and the resonance page's locks.
// The window forwards its events here, copies every field's value into an RfFieldValues and
// shows the texts of the returned writes.

#include "assist/resonancelocks.h"
#include "assist/rffields.h"
#include "assist/rfpages.h"

#include <array>
#include <optional>

namespace norvane {

class RfCalculator
{
public:
  RfCalculator();

  // The user changed the text of `field`: its page becomes the one OK calculates, and the
  // field the one given (the system impedance counts as dBm; velocity, length and the
  // frequency after "at" count as one input, as do bandwidth and temperature).
  void fieldEdited(RfField field);
  // A key pressed in a resonance field locks it.
  void resonanceKeyPressed(RfField field);
  // A lock button was clicked; `down` is its state after the click.
  void lockButtonClicked(RfField field, bool down);

  // OK: runs the calculation of the last edited page; nothing before any edit. Writing the
  // results counts as editing them, so the last field written becomes the given one.
  RfPageResult calculate(const RfFieldValues& values);
  // Runs one page's calculation (with the same effect on the given field).
  RfPageResult calculatePage(RfPage page, const RfFieldValues& values);
  // At creation every page is calculated once from its initial fields; the OK button still
  // has no page afterwards. Writes of all pages, in page order; messages joined by lines.
  RfPageResult calculateAllPages(const RfFieldValues& values);

  std::optional<RfPage> lastPage() const { return m_lastPage; }
  // The field of `page` its calculation treats as given (not used by the resonance page).
  RfField lastInput(RfPage page) const { return m_lastInput[static_cast<std::size_t>(page)]; }
  const ResonanceLocks& locks() const { return m_locks; }
  bool isLocked(RfField field) const { return m_locks.isDown(field); }

private:
  std::optional<RfPage> m_lastPage;
  std::array<RfField, kRfPageCount> m_lastInput;
  ResonanceLocks m_locks;
};

} // namespace norvane
