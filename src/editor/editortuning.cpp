// Live tuning in tune mode: the arrow keys and the wheel step the main value of the component
// the last click chose, re-simulating after every step.
#include "editor/schematiceditor.h"

#include "document/componentkinds.h"
#include "editor/editorhelpers.h"
#include "editor/tunedvalue.h"

namespace norvane {

using namespace editordetail;

int tunedValueSlot(ComponentType ctype)
{
  const ComponentKind* kind = findComponentKind(ctype);
  return kind != nullptr ? kind->tunedSlot() : 0;
}

int SchematicEditor::tunedComponent() const
{
  const Drawing& d = m_doc.drawdat;
  // The choice lapses when tune mode ends or the component is gone or deselected.
  if (m_mode != emTune || m_tuned < 1 || m_tuned > d.components.count()) return 0;
  const Component& c = d.components[m_tuned];
  if (!c.selected || tunedValueSlot(c.ctype) == 0) return 0;
  return m_tuned;
}

bool SchematicEditor::stepTunedValue(int steps)
{
  const int index = tunedComponent();
  if (index == 0 || steps == 0) return false;
  Component& c = m_doc.drawdat.components[index];
  ToleranceValue& value = c.value[tunedValueSlot(c.ctype)];
  const std::optional<double> next = stepValue(value.nom, m_tuneStep, steps);
  if (!next || *next == value.nom) return false;
  if (m_tuneUndoFor != index) {
    // The first step of this component records the state before it; later steps add to it.
    m_history.push(captureForComponent(m_doc, c));
    m_tuneUndoFor = index;
  }
  value.nom = *next;
  value.actual = *next;
  markChanged();
  m_host.repaint();
  m_host.simulate();
  return true;
}

} // namespace norvane
