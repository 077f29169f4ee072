#include "document/componentkinds.h"

#include "document/kindparameters.h"
#include "document/zeroreplacement.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

namespace norvane {
namespace {

using D = ParameterDefault;

[[noreturn]] void refuseRegistration(const ComponentKind& kind, const std::string& why)
{
  std::fprintf(stderr, "component kind %d (%.*s) cannot be registered: %s\n", kind.code(),
               static_cast<int>(kind.codeName.size()), kind.codeName.data(), why.c_str());
  std::abort();
}

// Kinds registered so far, in the order their units were initialised.
std::vector<ComponentKind>& pendingKinds()
{
  static std::vector<ComponentKind> kinds;
  return kinds;
}

bool& registryFixed()
{
  static bool fixed = false;
  return fixed;
}

// The registry as the program uses it: the kinds in code order and an index by code.
struct Registry
{
  std::vector<ComponentKind> kinds;
  std::array<int, kMaxKindCode + 1> indexOfCode{};

  Registry()
  {
    registryFixed() = true;
    kinds = pendingKinds();
    std::sort(kinds.begin(), kinds.end(),
              [](const ComponentKind& a, const ComponentKind& b) { return a.code() < b.code(); });
    indexOfCode.fill(-1);
    for (std::size_t i = 0; i < kinds.size(); ++i) {
      indexOfCode[static_cast<std::size_t>(kinds[i].code())] = static_cast<int>(i);
    }
  }

  const ComponentKind* find(int code) const
  {
    if (code < 0 || code > kMaxKindCode) {
      return nullptr;
    }
    const int i = indexOfCode[static_cast<std::size_t>(code)];
    return i < 0 ? nullptr : &kinds[static_cast<std::size_t>(i)];
  }
};

const Registry& registry()
{
  static const Registry fixed;
  return fixed;
}

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

bool registerComponentKind(const ComponentKind& kind)
{
  if (registryFixed()) {
    refuseRegistration(kind, "the registry is already in use");
  }
  if (kind.code() < 1 || kind.code() > kMaxKindCode) {
    refuseRegistration(kind, "its code is outside 1.." + std::to_string(kMaxKindCode));
  }
  if (kind.symbol.kind != kind.code() || kind.symbol.pins.count != kind.pins) {
    refuseRegistration(kind, "its symbol is not its own");
  }
  for (const ComponentKind& other : pendingKinds()) {
    if (other.code() == kind.code() || other.codeName == kind.codeName) {
      refuseRegistration(kind, "its code or name is taken");
    }
  }
  pendingKinds().push_back(kind);
  return true;
}

std::span<const ComponentKind> componentKinds()
{
  return registry().kinds;
}

bool isKindCode(int code)
{
  return registry().find(code) != nullptr;
}

bool isComponentKind(ComponentType type)
{
  return isKindCode(kindCode(type));
}

const ComponentKind& componentKind(ComponentType type)
{
  const ComponentKind* kind = registry().find(kindCode(type));
  if (kind == nullptr) {
    throw std::out_of_range("no component kind " + std::to_string(kindCode(type)));
  }
  return *kind;
}

const ComponentKind* findComponentKind(ComponentType type)
{
  return registry().find(kindCode(type));
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

bool usesPhysicalModel(const Component& reactive)
{
  return parameterValue(reactive, "physicalModel") != 0.0;
}
double qualityFactor(const Component& reactive)
{
  return parameterValue(reactive, "q");
}
double qFrequency(const Component& reactive)
{
  return parameterValue(reactive, "qFrequency");
}
double selfResonance(const Component& reactive)
{
  return parameterValue(reactive, "selfResonance");
}
double qModeNumber(const Component& reactive)
{
  return parameterValue(reactive, "qMode");
}

void replaceZeroValues(Component& comp)
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

namespace {

void applyDefaults(Component& record, const ComponentKind& kind)
{
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

} // namespace

void setTemplateDefaults(Schematic& doc)
{
  for (const ComponentKind& kind : componentKinds()) {
    if (kind.templateRecord != nullptr) {
      applyDefaults(doc.*kind.templateRecord, kind);
    }
  }
}

void applyParameterDefaults(Component& comp)
{
  if (const ComponentKind* kind = findComponentKind(comp.ctype)) {
    applyDefaults(comp, *kind);
  }
}

} // namespace norvane
