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

constexpr DataBlock kNoBlock = DataBlock::None;

// Code, file name, designator prefix, title, pins, template record and the slots a new
// component copies from it, parameters, the parameter tune mode steps, the parameter a
// preview shows, the data set a block shows and, where "Edit " and the title will not do, the
// caption of its property dialog.
const std::array<ComponentKind, kComponentTypeCount> kKinds{{
    {T::Resistor, "ckResistor", "R", "resistor", 2, &Schematic::lastR, 3, kResistor, "resistance",
     "resistance", kNoBlock},
    {T::Capacitor, "ckCapacitor", "C", "capacitor", 2, &Schematic::lastC, 5, kCapacitor,
     "capacitance", "capacitance", kNoBlock},
    {T::Inductor, "ckInductor", "L", "inductor", 2, &Schematic::lastL, 5, kInductor, "inductance",
     "inductance", kNoBlock},
    {T::Ground, "ckGround", "", "ground", 1, nullptr, 0, {}, "", "", kNoBlock},
    {T::OpAmp, "ckOpAmp", "U", "op-amp", 3, &Schematic::lastopamp, 3, kOpAmp, "inputResistance", "",
     kNoBlock},
    // Tuning a line steps its length; its impedance stays.
    {T::TxLine, "ckTxLine", "TL", "line", 2, &Schematic::lasttxln, 3, kTxLine, "length", "",
     kNoBlock},
    {T::SParam2, "ckSParam2", "S", "2-port block", 3, nullptr, 0, kDataBlock, "", "",
     DataBlock::TwoPort},
    {T::SParam1, "ckSParam1", "S", "1-port block", 2, nullptr, 0, kDataBlock, "", "",
     DataBlock::OnePort},
    {T::Transformer, "ckTransformer", "T", "transformer", 4, &Schematic::lastTransformer, 5,
     kTransformer, "secondaryTurns", "", kNoBlock},
    {T::Mutual, "ckMutual", "M", "mutual inductance", 4, &Schematic::lastMutual, 5, kMutual,
     "secondaryTurns", "", kNoBlock},
    {T::Bipolar, "ckBipolar", "Q", "bipolar transistor", 5, &Schematic::lastBipolar, 5, kBipolar,
     "beta", "", kNoBlock},
    {T::VCVS, "ckVCVS", "E", "VCVS", 4, &Schematic::lastVCVS, 1, kVCVS, "gain", "", kNoBlock,
     "VCVS edit"},
    {T::VCCS, "ckVCCS", "G", "VCCS", 4, &Schematic::lastVCCS, 1, kVCCS, "gain", "", kNoBlock,
     "VCCS edit"},
    {T::CCVS, "ckCCVS", "H", "CCVS", 4, &Schematic::lastCCVS, 1, kCCVS, "gain", "", kNoBlock,
     "CCVS"},
    {T::CCCS, "ckCCCS", "F", "CCCS", 4, &Schematic::lastCCCS, 1, kCCCS, "gain", "", kNoBlock,
     "CCCS edit"},
}};

const ParameterDescription& namedParameter(const Component& c, std::string_view name)
{
  const ComponentKind* kind = findComponentKind(c.ctype);
  const ParameterDescription* p = kind != nullptr ? kind->parameter(name) : nullptr;
  if (p == nullptr) {
    throw std::out_of_range("no parameter " + std::string(name) + " in component kind " +
                            std::to_string(kindCode(c.ctype)));
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

namespace {

std::size_t tableIndex(ComponentType type)
{
  return static_cast<std::size_t>(kindCode(type) - kindCode(kFirstComponentType));
}

} // namespace

const ComponentKind& componentKind(ComponentType type)
{
  return kKinds[tableIndex(type)];
}

const ComponentKind* findComponentKind(ComponentType type)
{
  return isComponentKind(type) ? &kKinds[tableIndex(type)] : nullptr;
}

DataBlock dataBlockOf(ComponentType type)
{
  const ComponentKind* kind = findComponentKind(type);
  return kind != nullptr ? kind->dataBlock : DataBlock::None;
}

bool hasProperties(const Component& c)
{
  const ComponentKind* kind = findComponentKind(c.ctype);
  return kind != nullptr && kind->hasProperties();
}

int ComponentKind::tunedSlot() const
{
  const ParameterDescription* p = tunedParameter.empty() ? nullptr : parameter(tunedParameter);
  return p != nullptr ? p->slot : 0;
}

double parameterValue(const Component& c, const ParameterDescription& p)
{
  return kindparameters::read(c, p);
}

void setParameterValue(Component& c, const ParameterDescription& p, double x)
{
  kindparameters::write(c, p, x);
}

double parameterValue(const Component& c, std::string_view name)
{
  return parameterValue(c, namedParameter(c, name));
}

void setParameterValue(Component& c, std::string_view name, double x)
{
  setParameterValue(c, namedParameter(c, name), x);
}

const ToleranceValue& parameterSlot(const Component& c, std::string_view name)
{
  return c.value[namedParameter(c, name).slot];
}

ToleranceValue& parameterSlot(Component& c, std::string_view name)
{
  return c.value[namedParameter(c, name).slot];
}

std::string_view parameterUnit(const Component& c, std::string_view name)
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

bool usesPhysicalModel(const Component& reactive)
{
  return reactive.value[kModelSlot].TolEn;
}
double qualityFactor(const Component& reactive)
{
  return reactive.value[kQSlot].nom;
}
double qFrequency(const Component& reactive)
{
  return reactive.value[kQFrequencySlot].nom;
}
double selfResonance(const Component& reactive)
{
  return reactive.value[kSelfResonanceSlot].nom;
}
double qModeNumber(const Component& reactive)
{
  return reactive.value[kQModeSlot].nom;
}

void ReplaceZeroValues(Component& comp)
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

void setTemplateDefaults(Schematic& doc)
{
  for (const ComponentKind& kind : kKinds) {
    if (kind.templateRecord == nullptr) {
      continue;
    }
    Component& record = doc.*kind.templateRecord;
    for (const ParameterDescription& p : kind.parameters) {
      const ParameterDefault& d = p.templateDefault;
      ToleranceValue& v = record.value[p.slot];
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
