#pragma once
// The editor's own clipboard for Copy, Cut, Paste and Duplicate (the system clipboard is not
// used). It holds copies of the selected wires, components, texts and lines, and a copy of
// every data set the copied blocks show, so that a block cut and pasted keeps its data even
// though deleting it freed its set.

#include "document/schematic.h"

#include <map>
#include <vector>

namespace norvane {

struct EditorClipboard
{
  std::vector<Wire> wires;
  std::vector<Component> components;
  std::vector<TextItem> texts;
  std::vector<DrawingLine> lines;
  std::map<int, TwoPortDataSet> twoPortSets; // by the index the copied blocks refer to
  std::map<int, OnePortDataSet> onePortSets;

  bool empty() const
  {
    return wires.empty() && components.empty() && texts.empty() && lines.empty();
  }
};

// Replaces the clipboard with the selected items: wires with either end selected, selected
// components, texts and lines. Ports are never copied.
void copySelectionToClipboard(const Schematic& doc, EditorClipboard& clip);

// Offset of pasted items from the copied ones.
constexpr int kPasteOffset = 20;

// Deselects everything, then appends a copy of every clipboard item shifted by (20, 20) and
// selected (wires with both ends), as far as the capacities allow. Each pasted data block gets
// its own data set: the first empty set of its kind that no block uses receives the copied
// data and the block's index; without a free set the block keeps the copied index. Returns
// the number of items appended.
int pasteClipboard(Schematic& doc, const EditorClipboard& clip);

} // namespace norvane
