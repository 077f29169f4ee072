#include "editor/undohistory.h"

#include <algorithm>

namespace norvane {

namespace {

template <class Sets, class Out>
void captureSets(const Sets& sets, const std::vector<int>& listed, Out& out)
{
  for (int n = 1; n <= kMaxDataSets; ++n) {
    const bool wanted =
        !sets[n].inUse() || std::find(listed.begin(), listed.end(), n) != listed.end();
    if (wanted) out.emplace_back(n, sets[n]);
  }
}

template <class Pairs> std::vector<int> indexesOf(const Pairs& pairs)
{
  std::vector<int> out;
  for (const auto& [n, set] : pairs)
    out.push_back(n);
  return out;
}

// The state to return to when the step from `before` is taken again: the same data sets.
DrawingSnapshot counterpart(const Schematic& doc, const DrawingSnapshot& before)
{
  return captureSnapshot(doc, indexesOf(before.twoPortSets), indexesOf(before.onePortSets));
}

} // namespace

DrawingSnapshot captureSnapshot(const Schematic& doc, const std::vector<int>& twoPortSets,
                                const std::vector<int>& onePortSets)
{
  DrawingSnapshot s;
  s.drawing = doc.drawdat;
  s.drawing.UnconnectedMarkers.clear();
  captureSets(doc.datasets.twoPort, twoPortSets, s.twoPortSets);
  captureSets(doc.datasets.onePort, onePortSets, s.onePortSets);
  return s;
}

void restoreSnapshot(Schematic& doc, const DrawingSnapshot& snapshot)
{
  doc.drawdat = snapshot.drawing;
  doc.drawdat.UnconnectedMarkers.clear();
  for (const auto& [n, set] : snapshot.twoPortSets)
    if (n >= 1 && n <= kMaxDataSets) doc.datasets.twoPort[n] = set;
  for (const auto& [n, set] : snapshot.onePortSets)
    if (n >= 1 && n <= kMaxDataSets) doc.datasets.onePort[n] = set;
}

namespace {

// The drawing as the user edits it. Pins and port connection points follow from kinds,
// orientations and positions (and a circuit check leaves node numbers in them), so they are
// no part of a change; neither, when asked, is what is selected.
Drawing editedPart(const Drawing& d, bool withSelection)
{
  Drawing e;
  e.P1 = d.P1;
  e.P2 = d.P2;
  e.twoPortBlockCounter = d.twoPortBlockCounter;
  e.onePortBlockCounter = d.onePortBlockCounter;
  e.wires = d.wires;
  e.components = d.components;
  e.lines = d.lines;
  e.texts = d.texts;
  for (Port* p : {&e.P1, &e.P2}) {
    p->node = {};
    if (!withSelection) p->selected = false;
  }
  for (Component& c : e.components) {
    c.pins = {};
    if (!withSelection) c.selected = false;
  }
  if (!withSelection) {
    for (Wire& w : e.wires)
      w.startselected = w.finishselected = false;
    for (TextItem& t : e.texts)
      t.selected = false;
    for (DrawingLine& l : e.lines)
      l.selected = false;
  }
  return e;
}

bool sameDrawing(const Drawing& now, const Drawing& then, bool withSelection)
{
  const Drawing a = editedPart(now, withSelection);
  const Drawing b = editedPart(then, withSelection);
  return a.P1 == b.P1 && a.P2 == b.P2 && a.twoPortBlockCounter == b.twoPortBlockCounter &&
         a.onePortBlockCounter == b.onePortBlockCounter && a.wires == b.wires &&
         a.components == b.components && a.lines == b.lines && a.texts == b.texts;
}

} // namespace

bool snapshotMatches(const Schematic& doc, const DrawingSnapshot& s)
{
  if (!sameDrawing(doc.drawdat, s.drawing, true)) return false;
  for (const auto& [n, set] : s.twoPortSets)
    if (!(doc.datasets.twoPort[n] == set)) return false;
  for (const auto& [n, set] : s.onePortSets)
    if (!(doc.datasets.onePort[n] == set)) return false;
  return true;
}

bool sameDrawingApartFromSelection(const Schematic& doc, const DrawingSnapshot& snapshot)
{
  // A click touches no data set, so the drawings alone are compared.
  return sameDrawing(doc.drawdat, snapshot.drawing, false);
}

void UndoHistory::push(DrawingSnapshot before)
{
  m_redo.clear();
  m_undo.push_back(std::move(before));
  while (m_undo.size() > m_limit)
    m_undo.pop_front();
}

bool UndoHistory::undo(Schematic& doc)
{
  if (m_undo.empty()) return false;
  DrawingSnapshot before = std::move(m_undo.back());
  m_undo.pop_back();
  m_redo.push_back(counterpart(doc, before));
  restoreSnapshot(doc, before);
  return true;
}

bool UndoHistory::redo(Schematic& doc)
{
  if (m_redo.empty()) return false;
  DrawingSnapshot after = std::move(m_redo.back());
  m_redo.pop_back();
  m_undo.push_back(counterpart(doc, after));
  restoreSnapshot(doc, after);
  return true;
}

void UndoHistory::clear()
{
  m_undo.clear();
  m_redo.clear();
}

} // namespace norvane
