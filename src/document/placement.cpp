#include "document/placement.h"

#include "document/componentkinds.h"
#include "document/pins.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace norvane {

Tcomponent* templateFor(Tschema& doc, int kind)
{
  const ComponentKind* k = findComponentKind(kind);
  return k != nullptr && k->templateRecord != nullptr ? &(doc.*k->templateRecord) : nullptr;
}

const Tcomponent* templateFor(const Tschema& doc, int kind)
{
  return templateFor(const_cast<Tschema&>(doc), kind);
}

int templateValueCount(int kind)
{
  const ComponentKind* k = findComponentKind(kind);
  return k != nullptr ? k->templateValues : 0;
}

int blockDataSetIndex(const Tcomponent& block)
{
  const double nom = block.value[1].nom;
  if (!std::isfinite(nom)) {
    return 0;
  }
  const double rounded = std::round(nom);
  return (rounded >= 1 && rounded <= kMaxDataSets) ? static_cast<int>(rounded) : 0;
}

namespace {

bool isBlockKind(int kind)
{
  return kind == ckSParam2 || kind == ckSParam1;
}

// used[i] is true when a block of `kind` refers to data set i.
std::array<bool, kMaxDataSets + 1> usedIndexes(const TDrawData& d, int kind)
{
  std::array<bool, kMaxDataSets + 1> used{};
  for (const Tcomponent& c : d.components) {
    if (c.ctype == kind) {
      used[static_cast<std::size_t>(blockDataSetIndex(c))] = true;
    }
  }
  return used;
}

bool dataSetInUse(const Tschema& doc, int kind, int index)
{
  return kind == ckSParam2 ? doc.datasets.twoPort[index].inUse()
                           : doc.datasets.onePort[index].inUse();
}

} // namespace

int nextBlockIndex(const Tschema& doc, int kind)
{
  if (!isBlockKind(kind)) {
    return 0;
  }
  const auto used = usedIndexes(doc.drawdat, kind);
  const int counter =
      kind == ckSParam2 ? doc.drawdat.twoPortBlockCounter : doc.drawdat.onePortBlockCounter;
  const int next = counter + 1;
  if (next >= 1 && next <= kMaxDataSets && !used[static_cast<std::size_t>(next)]) {
    return next;
  }
  int anyFree = 0;
  for (int i = 1; i <= kMaxDataSets; ++i) {
    if (used[static_cast<std::size_t>(i)]) {
      continue;
    }
    if (!dataSetInUse(doc, kind, i)) {
      return i;
    }
    if (anyFree == 0) {
      anyFree = i;
    }
  }
  return anyFree;
}

PlacementResult placeComponent(Tschema& doc, int kind, int crot, TPoint position)
{
  PlacementResult result;
  if (!isComponentKind(kind)) {
    return result;
  }
  TDrawData& d = doc.drawdat;
  const bool taken = std::any_of(d.components.begin(), d.components.end(),
                                 [&](const Tcomponent& c) { return c.position == position; });
  if (taken) {
    result.status = PlacementStatus::PositionTaken;
    return result;
  }
  if (d.components.full()) {
    result.status = PlacementStatus::Full;
    result.message = "maximum of " + std::to_string(kMaxComponents) + " components";
    return result;
  }

  Tcomponent comp;
  comp.ctype = kind;
  comp.crot = crot;
  comp.position = position;
  comp.selected = false;
  if (const Tcomponent* tmpl = templateFor(doc, kind)) {
    for (int i = 1; i <= templateValueCount(kind); ++i) {
      comp.value[i] = tmpl->value[i];
    }
  }
  if (isBlockKind(kind)) {
    const int index = nextBlockIndex(doc, kind);
    if (index == 0) {
      result.status = PlacementStatus::NoFreeDataSet;
      result.message = "maximum of " + std::to_string(kMaxDataSets) +
                       (kind == ckSParam2 ? " 2-port data blocks" : " 1-port data blocks");
      return result;
    }
    comp.value[1].nom = index;
    (kind == ckSParam2 ? d.twoPortBlockCounter : d.onePortBlockCounter) = index;
  }
  ComputePinPositions(comp);
  d.components.append(comp);
  result.status = PlacementStatus::Placed;
  result.index = d.components.count();
  return result;
}

void deriveBlockCounters(Tschema& doc)
{
  int highest2 = 0;
  int highest1 = 0;
  for (const Tcomponent& c : doc.drawdat.components) {
    if (c.ctype == ckSParam2) {
      highest2 = std::max(highest2, blockDataSetIndex(c));
    } else if (c.ctype == ckSParam1) {
      highest1 = std::max(highest1, blockDataSetIndex(c));
    }
  }
  doc.drawdat.twoPortBlockCounter = highest2;
  doc.drawdat.onePortBlockCounter = highest1;
}

} // namespace norvane
