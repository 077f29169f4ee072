#include "optimize/variables.h"

#include "document/componentkinds.h"
#include "numbers/numbertext.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace norvane {

int listingNumber(const Drawing& d, int component)
{
  int n = 0;
  for (int i = 1; i <= component; ++i) {
    if (!isGround(d.components[i])) {
      ++n;
    }
  }
  return isGround(d.components[component]) ? 0 : n;
}

namespace {

std::string unitOf(ComponentType t)
{
  switch (t) {
  case ComponentType::Resistor:
    return "R";
  case ComponentType::Capacitor:
    return "F";
  case ComponentType::Inductor:
    return "H";
  case ComponentType::TxLine:
    return "m";
  default:
    return "";
  }
}

std::optional<Variable> variableOf(const Schematic& doc, int component, std::string& problem)
{
  const Drawing& d = doc.drawdat;
  const Component& c = d.components[component];
  const ComponentKind* kind = findComponentKind(c.ctype);
  const int slot = kind != nullptr ? kind->tunedSlot() : 0;
  const std::string label =
      c.name.empty() ? "#" + std::to_string(listingNumber(d, component)) : c.name;
  if (slot == 0) {
    problem = label + " has no main value to vary";
    return std::nullopt;
  }
  Variable v;
  v.component = component;
  v.slot = slot;
  v.label = label;
  v.unit = unitOf(c.ctype);
  v.start = c.value[slot].nom;
  if (!(v.start > 0.0) || !std::isfinite(v.start)) {
    problem = label + ": its value " + formatNumber(v.start, NumberFormat::Shortest()) +
              " is not above zero, so it has no default range";
    return std::nullopt;
  }
  v.min = v.start / 2.0;
  v.max = v.start * 2.0;
  return v;
}

int findComponent(const Drawing& d, std::string_view name)
{
  for (int i = 1; i <= d.components.count(); ++i) {
    if (d.components[i].name == name && !isGround(d.components[i])) {
      return i;
    }
  }
  int number = 0;
  const auto [end, ec] = std::from_chars(name.data(), name.data() + name.size(), number);
  if (ec != std::errc() || end != name.data() + name.size() || number < 1) {
    return 0;
  }
  for (int i = 1; i <= d.components.count(); ++i) {
    if (!isGround(d.components[i]) && --number == 0) {
      return i;
    }
  }
  return 0;
}

bool readBound(std::string_view text, const std::string& unit, double& value, std::string& problem)
{
  const NumberReading n = readNumber(text, NumberRules::Entry(unit));
  if (!n.ok || !(n.value > 0.0) || !std::isfinite(n.value)) {
    problem = "'" + std::string(text) + "' is not a value above zero";
    return false;
  }
  value = n.value;
  return true;
}

} // namespace

VariableReading parseVariable(std::string_view text, const Schematic& doc)
{
  std::string_view series;
  if (const std::size_t comma = text.find(','); comma != std::string_view::npos) {
    series = text.substr(comma + 1);
    text = text.substr(0, comma);
  }
  std::string_view range;
  if (const std::size_t eq = text.find('='); eq != std::string_view::npos) {
    range = text.substr(eq + 1);
    text = text.substr(0, eq);
  }
  const int component = findComponent(doc.drawdat, text);
  if (component == 0) {
    return {std::nullopt, "no component is named or numbered '" + std::string(text) + "'"};
  }
  std::string problem;
  std::optional<Variable> v = variableOf(doc, component, problem);
  if (!v) {
    return {std::nullopt, problem};
  }
  if (!range.empty()) {
    const std::size_t dots = range.find("..");
    if (dots == std::string_view::npos) {
      return {std::nullopt, "range '" + std::string(range) + "' of " + v->label +
                                " is not MIN..MAX (e.g. 10p..47p)"};
    }
    if (!readBound(range.substr(0, dots), v->unit, v->min, problem) ||
        !readBound(range.substr(dots + 2), v->unit, v->max, problem)) {
      return {std::nullopt, problem + " in the range of " + v->label};
    }
    if (v->min >= v->max) {
      return {std::nullopt,
              "range '" + std::string(range) + "' of " + v->label + ": MIN must lie below MAX"};
    }
  }
  if (!series.empty()) {
    v->series = eSeriesNamed(series);
    if (!v->series) {
      return {std::nullopt,
              "unknown series '" + std::string(series) + "' (E6, E12, E24, E48, E96)"};
    }
  }
  v->start = std::clamp(v->start, v->min, v->max);
  return {v, {}};
}

std::vector<Variable> defaultVariables(const Schematic& doc)
{
  std::vector<Variable> vars;
  const Drawing& d = doc.drawdat;
  for (int i = 1; i <= d.components.count(); ++i) {
    const ComponentType t = d.components[i].ctype;
    if (t != ComponentType::Resistor && t != ComponentType::Capacitor &&
        t != ComponentType::Inductor && t != ComponentType::TxLine) {
      continue;
    }
    std::string problem;
    if (std::optional<Variable> v = variableOf(doc, i, problem)) {
      vars.push_back(*v);
    }
  }
  return vars;
}

void applyVariables(Drawing& drawing, const std::vector<Variable>& vars,
                    const std::vector<double>& values)
{
  for (std::size_t i = 0; i < vars.size(); ++i) {
    ToleranceValue& slot = drawing.components[vars[i].component].value[vars[i].slot];
    slot.nom = values[i];
    slot.actual = values[i];
  }
}

std::string variableValueText(const Variable& v, double value)
{
  return formatNumber(value, NumberFormat::Significant(4)) + v.unit;
}

} // namespace norvane
