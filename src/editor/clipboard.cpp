#include "editor/clipboard.h"

#include "document/pins.h"
#include "document/placement.h"
#include "editor/hittest.h"

#include <algorithm>

namespace norvane {

namespace {

Point shifted(Point p)
{
  return {p.x + kPasteOffset, p.y + kPasteOffset};
}

template <class Sets> int freeSetFor(const Sets& sets, const Drawing& d, DataBlock block)
{
  for (int n = 1; n <= kMaxDataSets; ++n) {
    if (sets[n].inUse()) continue;
    const bool referenced =
        std::any_of(d.components.begin(), d.components.end(), [&](const Component& c) {
          return dataBlockOf(c.ctype) == block && blockDataSetIndex(c) == n;
        });
    if (!referenced) return n;
  }
  return 0;
}

} // namespace

void copySelectionToClipboard(const Schematic& doc, EditorClipboard& clip)
{
  // Every category is replaced, also by an empty list: pasting must never bring back items
  // from an earlier copy that the user did not select this time.
  const Drawing& d = doc.drawdat;
  clip = EditorClipboard{};
  for (const Wire& w : d.wires)
    if (w.startselected || w.finishselected) clip.wires.push_back(w);
  for (const Component& c : d.components) {
    if (!c.selected) continue;
    clip.components.push_back(c);
    const int n = blockDataSetIndex(c);
    if (n == 0) continue;
    if (dataBlockOf(c.ctype) == DataBlock::TwoPort) clip.twoPortSets[n] = doc.datasets.twoPort[n];
    if (dataBlockOf(c.ctype) == DataBlock::OnePort) clip.onePortSets[n] = doc.datasets.onePort[n];
  }
  for (const TextItem& t : d.texts)
    if (t.selected) clip.texts.push_back(t);
  for (const DrawingLine& l : d.lines)
    if (l.selected) clip.lines.push_back(l);
}

int pasteClipboard(Schematic& doc, const EditorClipboard& clip)
{
  Drawing& d = doc.drawdat;
  deselectAll(d);
  int appended = 0;
  for (Wire w : clip.wires) {
    w.start = shifted(w.start);
    w.finish = shifted(w.finish);
    w.startselected = w.finishselected = true;
    if (d.wires.append(w)) ++appended;
  }
  for (Component c : clip.components) {
    if (d.components.full()) break;
    c.position = shifted(c.position);
    c.selected = true;
    const int copied = blockDataSetIndex(c);
    const DataBlock block = dataBlockOf(c.ctype);
    if (copied != 0 && block == DataBlock::TwoPort) {
      const int n = freeSetFor(doc.datasets.twoPort, d, block);
      auto source = clip.twoPortSets.find(copied);
      if (n != 0 && source != clip.twoPortSets.end()) {
        doc.datasets.twoPort[n] = source->second;
        doc.datasets.twoPort[n].index = n;
        setParameterValue(c, "dataSet", n);
      }
    } else if (copied != 0 && block == DataBlock::OnePort) {
      const int n = freeSetFor(doc.datasets.onePort, d, block);
      auto source = clip.onePortSets.find(copied);
      if (n != 0 && source != clip.onePortSets.end()) {
        doc.datasets.onePort[n] = source->second;
        doc.datasets.onePort[n].index = n;
        setParameterValue(c, "dataSet", n);
      }
    }
    computePinPositions(c);
    d.components.append(c);
    ++appended;
  }
  for (TextItem t : clip.texts) {
    t.pos = shifted(t.pos);
    t.selected = true;
    if (d.texts.append(t)) ++appended;
  }
  for (DrawingLine l : clip.lines) {
    l.start = shifted(l.start);
    l.finish = shifted(l.finish);
    l.selected = true;
    if (d.lines.append(l)) ++appended;
  }
  return appended;
}

} // namespace norvane
