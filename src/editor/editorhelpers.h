#pragma once
// Small helpers shared by the files of the schematic editor (not part of its interface).

#include "document/placement.h"
#include "document/schematic.h"
#include "editor/undohistory.h"

#include <string>
#include <vector>

namespace norvane::editordetail {

// A port with a negative coordinate is parked off the sheet: not placed.
inline bool isPlaced(const Port& p)
{
  return p.pos.x >= 0 && p.pos.y >= 0;
}

// "maximum of 1000 components" and its kin.
inline std::string capacityMessage(int capacity, const char* what)
{
  return "maximum of " + std::to_string(capacity) + what;
}

// The state before a dialog edits component c: with a copy of the data set a block shows,
// since its dialog may load a new file into it.
inline DrawingSnapshot captureForComponent(const Schematic& doc, const Component& c)
{
  std::vector<int> two, one;
  const int n = blockDataSetIndex(c);
  if (n != 0 && dataBlockOf(c.ctype) == DataBlock::TwoPort) two.push_back(n);
  if (n != 0 && dataBlockOf(c.ctype) == DataBlock::OnePort) one.push_back(n);
  return captureSnapshot(doc, two, one);
}

} // namespace norvane::editordetail
