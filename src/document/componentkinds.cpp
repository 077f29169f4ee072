#include "document/componentkinds.h"

#include "document/kindparameters.h"
#include "document/zeroreplacement.h"

#include <array>
#include <stdexcept>
#include <string>

namespace norvane {
namespace {

using F = SlotField;
using D = ParameterDefault;
using namespace kindparameters;

using T = ComponentType;

const std::array<ComponentKind, ckLast> kKinds{{
    {T::Resistor, "ckResistor", "R", "resistor", 2, &Tschema::lastR, 3, kResistor},
    {T::Capacitor, "ckCapacitor", "C", "capacitor", 2, &Tschema::lastC, 5, kCapacitor},
    {T::Inductor, "ckInductor", "L", "inductor", 2, &Tschema::lastL, 5, kInductor},
    {T::Ground, "ckGround", "", "ground", 1, nullptr, 0, {}},
    {T::OpAmp, "ckOpAmp", "U", "op-amp", 3, &Tschema::lastopamp, 3, kOpAmp},
    {T::TxLine, "ckTxLine", "TL", "line", 2, &Tschema::lasttxln, 3, kTxLine},
    {T::SParam2, "ckSParam2", "S", "2-port block", 3, nullptr, 0, kDataBlock},
    {T::SParam1, "ckSParam1", "S", "1-port block", 2, nullptr, 0, kDataBlock},
    {T::Transformer, "ckTransformer", "T", "transformer", 4, &Tschema::lastTransformer, 5,
     kTransformer},
    {T::Mutual, "ckMutual", "M", "mutual inductance", 4, &Tschema::lastMutual, 5, kMutual},
    {T::Bipolar, "ckBipolar", "Q", "bipolar transistor", 5, &Tschema::lastBipolar, 5,
     kBipolar},
    {T::VCVS, "ckVCVS", "E", "VCVS", 4, &Tschema::lastVCVS, 1, kVCVS},
    {T::VCCS, "ckVCCS", "G", "VCCS", 4, &Tschema::lastVCCS, 1, kVCCS},
    {T::CCVS, "ckCCVS", "H", "CCVS", 4, &Tschema::lastCCVS, 1, kCCVS},
    {T::CCCS, "ckCCCS", "F", "CCCS", 4, &Tschema::lastCCCS, 1, kCCCS},
}};

double readField(const Ttolvalue& v, SlotField field)
{
  switch (field) {
  case F::Whole:
  case F::Nom:
    return v.nom;
  case F::MinTol:
    return v.mintol;
  case F::MaxTol:
    return v.maxtol;
  case F::TolEn:
    return v.TolEn ? 1.0 : 0.0;
  case F::TolPercent:
    return v.TolPercent ? 1.0 : 0.0;
  }
  return 0.0;
}

void writeField(Ttolvalue& v, SlotField field, double x)
{
  switch (field) {
  case F::Whole:
  case F::Nom:
    v.nom = x;
    break;
  case F::MinTol:
    v.mintol = x;
    break;
  case F::MaxTol:
    v.maxtol = x;
    break;
  case F::TolEn:
    v.TolEn = x != 0.0;
    break;
  case F::TolPercent:
    v.TolPercent = x != 0.0;
    break;
  }
}

const ParameterDescription& namedParameter(const Tcomponent& c, std::string_view name)
{
  const ComponentKind* kind = findComponentKind(c.ctype);
  const ParameterDescription* p = kind != nullptr ? kind->parameter(name) : nullptr;
  if (p == nullptr) {
    throw std::out_of_range("no parameter " + std::string(name) + " in component kind " +
                            std::to_string(c.ctype));
  }
  return *p;
}

} // namespace

const ParameterDescription* ComponentKind::parameter(std::string_view name) const
{
  for (const ParameterDescription& p : parameters) {
    if (p.name == name) {
      return &p;
    }
  }
  return nullptr;
}

int ComponentKind::slotsUsed() const
{
  int highest = 0;
  for (const ParameterDescription& p : parameters) {
    highest = p.slot > highest ? p.slot : highest;
  }
  return highest;
}

std::span<const ComponentKind> componentKinds()
{
  return kKinds;
}

const ComponentKind& componentKind(ComponentType type)
{
  return kKinds[static_cast<std::size_t>(kindCode(type) - ckFirst)];
}

const ComponentKind* findComponentKind(int code)
{
  return isComponentKind(code) ? &kKinds[static_cast<std::size_t>(code - ckFirst)] : nullptr;
}

double parameterValue(const Tcomponent& c, const ParameterDescription& p)
{
  return readField(c.value[p.slot], p.field);
}

void setParameterValue(Tcomponent& c, const ParameterDescription& p, double x)
{
  writeField(c.value[p.slot], p.field, x);
}

double parameterValue(const Tcomponent& c, std::string_view name)
{
  return parameterValue(c, namedParameter(c, name));
}

void setParameterValue(Tcomponent& c, std::string_view name, double x)
{
  setParameterValue(c, namedParameter(c, name), x);
}

namespace {

// The capacitor and the inductor keep their physical model in the same slots.
constexpr int kModelSlot = slotOf(kCapacitor, "physicalModel");
constexpr int kQSlot = slotOf(kCapacitor, "q");
constexpr int kQFrequencySlot = slotOf(kCapacitor, "qFrequency");
constexpr int kSelfResonanceSlot = slotOf(kCapacitor, "selfResonance");
constexpr int kQModeSlot = slotOf(kCapacitor, "qMode");
static_assert(kModelSlot == slotOf(kInductor, "physicalModel") &&
              kQSlot == slotOf(kInductor, "q") &&
              kQFrequencySlot == slotOf(kInductor, "qFrequency") &&
              kSelfResonanceSlot == slotOf(kInductor, "selfResonance") &&
              kQModeSlot == slotOf(kInductor, "qMode"));

} // namespace

bool usesPhysicalModel(const Tcomponent& reactive)
{
  return reactive.value[kModelSlot].TolEn;
}
double qualityFactor(const Tcomponent& reactive)
{
  return reactive.value[kQSlot].nom;
}
double qFrequency(const Tcomponent& reactive)
{
  return reactive.value[kQFrequencySlot].nom;
}
double selfResonance(const Tcomponent& reactive)
{
  return reactive.value[kSelfResonanceSlot].nom;
}
double qModeNumber(const Tcomponent& reactive)
{
  return reactive.value[kQModeSlot].nom;
}

void ReplaceZeroValues(Tcomponent& comp)
{
  const ComponentKind* kind = findComponentKind(comp.ctype);
  if (kind == nullptr) {
    return;
  }
  for (const ParameterDescription& p : kind->parameters) {
    if (p.zeroReplacement != 0.0) {
      comp.value[p.slot].nom = replaceZero(comp.value[p.slot].nom, p.zeroReplacement);
    }
  }
}

void setTemplateDefaults(Tschema& doc)
{
  for (const ComponentKind& kind : kKinds) {
    if (kind.templateRecord == nullptr) {
      continue;
    }
    Tcomponent& record = doc.*kind.templateRecord;
    for (const ParameterDescription& p : kind.parameters) {
      const ParameterDefault& d = p.templateDefault;
      Ttolvalue& v = record.value[p.slot];
      if (d.kind == D::Kind::WithTolerance) {
        v.nom = d.value;
        v.mintol = d.mintol;
        v.maxtol = d.maxtol;
        v.TolEn = d.toleranceOn;
        v.TolPercent = d.percent;
      } else if (d.kind == D::Kind::Value) {
        writeField(v, p.field, d.value);
      }
    }
  }
}

} // namespace norvane
