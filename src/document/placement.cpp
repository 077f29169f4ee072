#include "document/placement.h"

#include "document/componentkinds.h"
#include "document/pins.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace norvane {

Component* templateFor(Schematic& doc, ComponentType kind)
{
  const ComponentKind* k = findComponentKind(kind);
  return k != nullptr && k->templateRecord != nullptr ? &(doc.*k->templateRecord) : nullptr;
}

const Component* templateFor(const Schematic& doc, ComponentType kind)
{
  return templateFor(const_cast<Schematic&>(doc), kind);
}

int templateValueCount(ComponentType kind)
{
  const ComponentKind* k = findComponentKind(kind);
  return k != nullptr ? k->templateValues : 0;
}

int blockDataSetIndex(const Component& block)
{
  if (dataBlockOf(block.ctype) == DataBlock::None) {
    return 0;
  }
  const double nom = parameterValue(block, "dataSet");
  if (!std::isfinite(nom)) {
    return 0;
  }
  const double rounded = std::round(nom);
  return (rounded >= 1 && rounded <= kMaxDataSets) ? static_cast<int>(rounded) : 0;
}

namespace {

// used[i] is true when a block of `kind` refers to data set i.
std::array<bool, kMaxDataSets + 1> usedIndexes(const Drawing& d, ComponentType kind)
{
  std::array<bool, kMaxDataSets + 1> used{};
  for (const Component& c : d.components) {
    if (c.ctype == kind) {
      used[static_cast<std::size_t>(blockDataSetIndex(c))] = true;
    }
  }
  return used;
}

bool dataSetInUse(const Schematic& doc, DataBlock block, int index)
{
  return block == DataBlock::TwoPort ? doc.datasets.twoPort[index].inUse()
                                     : doc.datasets.onePort[index].inUse();
}

int& blockCounter(Drawing& d, DataBlock block)
{
  return block == DataBlock::TwoPort ? d.twoPortBlockCounter : d.onePortBlockCounter;
}

} // namespace

int nextBlockIndex(const Schematic& doc, ComponentType kind)
{
  const DataBlock block = dataBlockOf(kind);
  if (block == DataBlock::None) {
    return 0;
  }
  const auto used = usedIndexes(doc.drawdat, kind);
  const int next = blockCounter(const_cast<Drawing&>(doc.drawdat), block) + 1;
  if (next >= 1 && next <= kMaxDataSets && !used[static_cast<std::size_t>(next)]) {
    return next;
  }
  int anyFree = 0;
  for (int i = 1; i <= kMaxDataSets; ++i) {
    if (used[static_cast<std::size_t>(i)]) {
      continue;
    }
    if (!dataSetInUse(doc, block, i)) {
      return i;
    }
    if (anyFree == 0) {
      anyFree = i;
    }
  }
  return anyFree;
}

PlacementResult placeComponent(Schematic& doc, ComponentType kind, int crot, Point position)
{
  PlacementResult result;
  if (!isComponentKind(kind)) {
    return result;
  }
  Drawing& d = doc.drawdat;
  const bool taken = std::any_of(d.components.begin(), d.components.end(),
                                 [&](const Component& c) { return c.position == position; });
  if (taken) {
    result.status = PlacementStatus::PositionTaken;
    return result;
  }
  if (d.components.full()) {
    result.status = PlacementStatus::Full;
    result.message = "maximum of " + std::to_string(kMaxComponents) + " components";
    return result;
  }

  Component comp;
  comp.ctype = kind;
  comp.crot = crot;
  comp.position = position;
  comp.selected = false;
  if (const Component* tmpl = templateFor(doc, kind)) {
    for (int i = 1; i <= templateValueCount(kind); ++i) {
      comp.value[i] = tmpl->value[i];
    }
  } else {
    applyParameterDefaults(comp); // a kind that remembers no template starts from its defaults
  }
  if (const DataBlock block = dataBlockOf(kind); block != DataBlock::None) {
    const int index = nextBlockIndex(doc, kind);
    if (index == 0) {
      result.status = PlacementStatus::NoFreeDataSet;
      result.message =
          "maximum of " + std::to_string(kMaxDataSets) +
          (block == DataBlock::TwoPort ? " 2-port data blocks" : " 1-port data blocks");
      return result;
    }
    setParameterValue(comp, "dataSet", index);
    blockCounter(d, block) = index;
  }
  computePinPositions(comp);
  d.components.append(comp);
  result.status = PlacementStatus::Placed;
  result.index = d.components.count();
  return result;
}

void deriveBlockCounters(Schematic& doc)
{
  Drawing& d = doc.drawdat;
  d.twoPortBlockCounter = 0;
  d.onePortBlockCounter = 0;
  for (const Component& c : d.components) {
    if (const DataBlock block = dataBlockOf(c.ctype); block != DataBlock::None) {
      blockCounter(d, block) = std::max(blockCounter(d, block), blockDataSetIndex(c));
    }
  }
}

} // namespace norvane
