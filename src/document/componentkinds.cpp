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
    {T::Bipolar, "ckBipolar", "Q", "bipolar transistor", 5, &Tschema::lastBipolar, 5, kBipolar},
    {T::VCVS, "ckVCVS", "E", "VCVS", 4, &Tschema::lastVCVS, 1, kVCVS},
    {T::VCCS, "ckVCCS", "G", "VCCS", 4, &Tschema::lastVCCS, 1, kVCCS},
    {T::CCVS, "ckCCVS", "H", "CCVS", 4, &Tschema::lastCCVS, 1, kCCVS},
    {T::CCCS, "ckCCCS", "F", "CCCS", 4, &Tschema::lastCCCS, 1, kCCCS},
}};

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
  return kindparameters::read(c, p);
}

void setParameterValue(Tcomponent& c, const ParameterDescription& p, double x)
{
  kindparameters::write(c, p, x);
}

double parameterValue(const Tcomponent& c, std::string_view name)
{
  return parameterValue(c, namedParameter(c, name));
}

void setParameterValue(Tcomponent& c, std::string_view name, double x)
{
  setParameterValue(c, namedParameter(c, name), x);
}

const Ttolvalue& parameterSlot(const Tcomponent& c, std::string_view name)
{
  return c.value[namedParameter(c, name).slot];
}

Ttolvalue& parameterSlot(Tcomponent& c, std::string_view name)
{
  return c.value[namedParameter(c, name).slot];
}

std::string_view parameterUnit(const Tcomponent& c, std::string_view name)
{
  return namedParameter(c, name).unit;
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
        kindparameters::write(record, p, d.value);
      }
    }
  }
}

} // namespace norvane
