#pragma once
// Helpers for the component kinds' parameter tables (see componentkinds.h), which each kind's
// unit keeps as compile-time data so that code on the simulation's hot path can find a
// parameter's slot by name while compiling: `slotOf(kParameters, "inductance")` is a
// constant.

#include "document/componentkinds.h"
#include "document/zeroreplacement.h"

#include <cstddef>
#include <string_view>

namespace norvane::kindparameters {

using F = SlotField;
using D = ParameterDefault;

constexpr D unset()
{
  return {};
}
constexpr D value(double x)
{
  return {D::Kind::Value, x, 0.0, 0.0, false, false};
}
constexpr D withTolerance(double nom, double mintol, double maxtol, bool on, bool percent)
{
  return {D::Kind::WithTolerance, nom, mintol, maxtol, on, percent};
}

// The description of a parameter, found when compiling; naming a parameter the table lacks
// does not compile. `table` is a kind's parameter array (a built-in or a std::array).
template <class Table>
consteval ParameterDescription describe(const Table& table, std::string_view name)
{
  for (const ParameterDescription& p : table) {
    if (p.name == name) {
      return p;
    }
  }
  throw "no such parameter";
}

// The slot of a parameter, found when compiling.
template <class Table> consteval int slotOf(const Table& table, std::string_view name)
{
  return describe(table, name).slot;
}

// The number a parameter holds (a flag reads as 0 or 1); with `p` a constant the choice of
// field is made when compiling.
constexpr double read(const Component& c, const ParameterDescription& p)
{
  const ToleranceValue& v = c.value[p.slot];
  switch (p.field) {
  case SlotField::Whole:
  case SlotField::Nom:
    return v.nom;
  case SlotField::MinTol:
    return v.mintol;
  case SlotField::MaxTol:
    return v.maxtol;
  case SlotField::TolEn:
    return v.TolEn ? 1.0 : 0.0;
  case SlotField::TolPercent:
    return v.TolPercent ? 1.0 : 0.0;
  }
  return 0.0;
}

constexpr void write(Component& c, const ParameterDescription& p, double x)
{
  ToleranceValue& v = c.value[p.slot];
  switch (p.field) {
  case SlotField::Whole:
  case SlotField::Nom:
    v.nom = x;
    break;
  case SlotField::MinTol:
    v.mintol = x;
    break;
  case SlotField::MaxTol:
    v.maxtol = x;
    break;
  case SlotField::TolEn:
    v.TolEn = x != 0.0;
    break;
  case SlotField::TolPercent:
    v.TolPercent = x != 0.0;
    break;
  }
}

} // namespace norvane::kindparameters
