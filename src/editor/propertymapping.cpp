#include "editor/propertymapping.h"

#include "document/componentkinds.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

namespace norvane {

namespace {

using K = ComponentType;

// Each form belongs to one kind (the capacitor's and the inductor's share their slots, the
// transformer's and the mutual inductance's too), so the form names the description it
// follows whatever the component's code says.
const ParameterDescription& param(K kind, std::string_view name)
{
  const ParameterDescription* p = componentKind(kind).parameter(name);
  if (p == nullptr) throw std::out_of_range("no parameter " + std::string(name));
  return *p;
}

double read(const Component& comp, K kind, std::string_view name)
{
  return parameterValue(comp, param(kind, name));
}

// The description's replacement for an entered zero (none: the number as entered).
double replaced(const ParameterDescription& p, double entered)
{
  return p.zeroReplacement != 0.0 ? replaceZero(entered, p.zeroReplacement) : entered;
}

// A value with its tolerances into its whole slot; the simulation's actual value stays.
void storeWhole(Component& comp, K kind, std::string_view name, const ToleranceValue& entered)
{
  const ParameterDescription& p = param(kind, name);
  ToleranceValue& slot = comp.value[p.slot];
  const double actual = slot.actual;
  slot = entered;
  slot.actual = actual;
  slot.nom = replaced(p, entered.nom);
}

void store(Component& comp, K kind, std::string_view name, double entered)
{
  const ParameterDescription& p = param(kind, name);
  setParameterValue(comp, p, replaced(p, entered));
}

} // namespace

void copyToTemplate(Schematic& doc, const Component& comp)
{
  Component* tmpl = templateFor(doc, comp.ctype);
  if (tmpl == nullptr) return;
  for (int k = 1; k <= templateValueCount(comp.ctype); ++k)
    tmpl->value[k] = comp.value[k];
}

ReactiveForm readReactiveForm(const Component& comp)
{
  ReactiveForm form;
  form.value = comp.value[param(K::Capacitor, "capacitance").slot];
  form.q = qualityFactor(comp);
  form.qFrequency = qFrequency(comp);
  form.selfResonance = selfResonance(comp);
  form.physicalModel = usesPhysicalModel(comp);
  // Only modes 1 to 3 exist; anything else read from a file shows as the first.
  const double mode = std::round(qModeNumber(comp));
  form.qMode = (mode >= 1.0 && mode <= kQModeCount) ? static_cast<int>(mode) : 1;
  return form;
}

void storeReactiveForm(const ReactiveForm& form, Component& comp)
{
  storeWhole(comp, K::Capacitor, "capacitance", form.value);
  store(comp, K::Capacitor, "q", form.q);
  store(comp, K::Capacitor, "qFrequency", form.qFrequency);
  store(comp, K::Capacitor, "selfResonance", form.selfResonance);
  store(comp, K::Capacitor, "qMode", std::clamp(form.qMode, 1, kQModeCount));
  store(comp, K::Capacitor, "physicalModel", form.physicalModel ? 1.0 : 0.0);
}

void storeResistance(const ToleranceValue& entered, Component& comp)
{
  storeWhole(comp, K::Resistor, "resistance", entered);
}

double gainRatioToDb(double ratio)
{
  if (!(ratio > 0.0)) return -kOpAmpGainLimitDb;
  return 20.0 * std::log10(ratio);
}

double gainDbToRatio(double dB)
{
  const double ratio = std::pow(10.0, dB / 20.0);
  if (std::isnan(ratio)) return 0.0;
  return std::min(ratio, std::numeric_limits<double>::max());
}

OpAmpForm readOpAmpForm(const Component& comp)
{
  return {read(comp, K::OpAmp, "inputResistance"), read(comp, K::OpAmp, "outputResistance"),
          gainRatioToDb(read(comp, K::OpAmp, "gain"))};
}

void storeOpAmpForm(const OpAmpForm& form, Component& comp)
{
  store(comp, K::OpAmp, "inputResistance", form.inputResistance);
  store(comp, K::OpAmp, "outputResistance", form.outputResistance);
  // The ratio goes through dB and back only when the dB value was changed: the round trip
  // would move an unchanged gain by the last digit.
  if (form.gainDb != gainRatioToDb(read(comp, K::OpAmp, "gain")))
    store(comp, K::OpAmp, "gain", gainDbToRatio(form.gainDb));
}

TxLineForm readTxLineForm(const Component& comp)
{
  return {comp.value[param(K::TxLine, "impedance").slot], read(comp, K::TxLine, "velocity"),
          comp.value[param(K::TxLine, "length").slot]};
}

void storeTxLineForm(const TxLineForm& form, Component& comp)
{
  storeWhole(comp, K::TxLine, "impedance", form.zo);
  store(comp, K::TxLine, "velocity", form.velocity);
  storeWhole(comp, K::TxLine, "length", form.length);
}

CoupledCoilsForm readCoupledCoilsForm(const Component& comp)
{
  CoupledCoilsForm form;
  form.primaryTurns = read(comp, K::Transformer, "primaryTurns");
  form.secondaryTurns = read(comp, K::Transformer, "secondaryTurns");
  form.physicalModel = read(comp, K::Transformer, "physicalModel") != 0.0;
  form.primaryInductance = read(comp, K::Transformer, "primaryInductance");
  form.coupling = read(comp, K::Transformer, "coupling");
  return form;
}

void storeCoupledCoilsForm(const CoupledCoilsForm& form, Component& comp)
{
  store(comp, K::Transformer, "primaryTurns", form.primaryTurns);
  store(comp, K::Transformer, "secondaryTurns", form.secondaryTurns);
  store(comp, K::Transformer, "physicalModel", form.physicalModel ? 1.0 : 0.0);
  store(comp, K::Transformer, "primaryInductance", form.primaryInductance);
  store(comp, K::Transformer, "coupling", form.coupling);
}

void storeSourceGain(const ToleranceValue& entered, Component& comp)
{
  storeWhole(comp, K::VCVS, "gain", entered);
}

std::vector<std::string> textSizeChoices()
{
  std::vector<std::string> sizes;
  for (int size = 6; size <= 30; size += 2)
    sizes.push_back(std::to_string(size));
  return sizes;
}

} // namespace norvane
