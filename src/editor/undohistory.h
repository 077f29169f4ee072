#pragma once
// Undo and redo for the editor. Before each change the drawing is copied (a structural copy
// of components, wires, ports, lines and texts; the arrays hold only their used elements).
// The measured data sets (up to 11 MB) are not copied wholesale: a snapshot keeps the empty
// sets (cheap) and full copies of only those sets the change is known to touch.

#include "document/schematic.h"

#include <cstddef>
#include <deque>
#include <utility>
#include <vector>

namespace norvane {

struct DrawingSnapshot
{
  Drawing drawing;
  std::vector<std::pair<int, TwoPortDataSet>> twoPortSets;
  std::vector<std::pair<int, OnePortDataSet>> onePortSets;
};

// A copy of the drawing, of every empty data set, and of the listed data sets.
DrawingSnapshot captureSnapshot(const Schematic& doc, const std::vector<int>& twoPortSets = {},
                                const std::vector<int>& onePortSets = {});

// Puts the drawing and the captured data sets back. The unconnected-node markers (feedback of
// the last circuit check) are cleared.
void restoreSnapshot(Schematic& doc, const DrawingSnapshot& snapshot);

// Whether the document still holds exactly the captured state (drawing and captured sets),
// so that a dialog closed with OK but without a change leaves no undo step. Pins and port
// connection points, derived from the positions, are not compared.
bool snapshotMatches(const Schematic& doc, const DrawingSnapshot& snapshot);

// The same, with every selection flag ignored (a click that only selected changed nothing).
bool sameDrawingApartFromSelection(const Schematic& doc, const DrawingSnapshot& snapshot);

class UndoHistory
{
public:
  static constexpr std::size_t kDefaultLimit = 100;
  explicit UndoHistory(std::size_t limit = kDefaultLimit) : m_limit(limit == 0 ? 1 : limit) {}

  // Records the state before a change; the redo list is dropped. The oldest entries go when
  // the limit is reached.
  void push(DrawingSnapshot before);
  bool canUndo() const { return !m_undo.empty(); }
  bool canRedo() const { return !m_redo.empty(); }
  std::size_t undoCount() const { return m_undo.size(); }
  std::size_t redoCount() const { return m_redo.size(); }

  // Brings the document back to the state before the last change (or forward again); false
  // when there is nothing to undo (redo).
  bool undo(Schematic& doc);
  bool redo(Schematic& doc);
  void clear();

private:
  std::size_t m_limit;
  std::deque<DrawingSnapshot> m_undo;
  std::deque<DrawingSnapshot> m_redo;
};

} // namespace norvane
