#include "editor/propertymapping.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace norvane {

void copyToTemplate(Tschema& doc, const Tcomponent& comp)
{
  Tcomponent* tmpl = templateFor(doc, comp.ctype);
  if (tmpl == nullptr) return;
  for (int k = 1; k <= templateValueCount(comp.ctype); ++k)
    tmpl->value[k] = comp.value[k];
}

ReactiveForm readReactiveForm(const Tcomponent& comp)
{
  ReactiveForm form;
  form.value = comp.value[1];
  form.q = comp.value[2].nom;
  form.qFrequency = comp.value[3].nom;
  form.selfResonance = comp.value[4].nom;
  form.physicalModel = comp.value[5].TolEn;
  // Only modes 1 to 3 exist; anything else read from a file shows as the first.
  const double mode = std::round(comp.value[5].nom);
  form.qMode = (mode >= 1.0 && mode <= kQModeCount) ? static_cast<int>(mode) : 1;
  return form;
}

void storeReactiveForm(const ReactiveForm& form, Tcomponent& comp)
{
  const double actual = comp.value[1].actual;
  comp.value[1] = form.value;
  comp.value[1].actual = actual;
  comp.value[1].nom = replaceZero(form.value.nom, zeroreplacement::kReactance);
  comp.value[2].nom = form.q;
  comp.value[3].nom = form.qFrequency;
  comp.value[4].nom = form.selfResonance;
  comp.value[5].nom = std::clamp(form.qMode, 1, kQModeCount);
  comp.value[5].TolEn = form.physicalModel;
}

void storeResistance(const Ttolvalue& entered, Tcomponent& comp)
{
  const double actual = comp.value[1].actual;
  comp.value[1] = entered;
  comp.value[1].actual = actual;
  comp.value[1].nom = replaceZero(entered.nom, zeroreplacement::kResistance);
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

OpAmpForm readOpAmpForm(const Tcomponent& comp)
{
  return {comp.value[1].nom, comp.value[2].nom, gainRatioToDb(comp.value[3].nom)};
}

void storeOpAmpForm(const OpAmpForm& form, Tcomponent& comp)
{
  comp.value[1].nom = replaceZero(form.inputResistance, zeroreplacement::kReactance);
  comp.value[2].nom = replaceZero(form.outputResistance, zeroreplacement::kReactance);
  comp.value[3].nom = gainDbToRatio(form.gainDb);
}

TxLineForm readTxLineForm(const Tcomponent& comp)
{
  return {comp.value[1], comp.value[2].nom, comp.value[3]};
}

void storeTxLineForm(const TxLineForm& form, Tcomponent& comp)
{
  const double zoActual = comp.value[1].actual;
  const double lengthActual = comp.value[3].actual;
  comp.value[1] = form.zo;
  comp.value[1].actual = zoActual;
  comp.value[1].nom = replaceZero(form.zo.nom, zeroreplacement::kReactance);
  comp.value[2].nom = replaceZero(form.velocity, zeroreplacement::kVelocity);
  comp.value[3] = form.length;
  comp.value[3].actual = lengthActual;
  comp.value[3].nom = replaceZero(form.length.nom, zeroreplacement::kReactance);
}

CoupledCoilsForm readCoupledCoilsForm(const Tcomponent& comp)
{
  CoupledCoilsForm form;
  form.primaryTurns = comp.value[1].mintol;
  form.secondaryTurns = comp.value[1].nom;
  form.physicalModel = comp.value[1].TolEn;
  form.primaryInductance = comp.value[2].nom;
  form.coupling = comp.value[3].nom;
  return form;
}

void storeCoupledCoilsForm(const CoupledCoilsForm& form, Tcomponent& comp)
{
  comp.value[1].mintol = form.primaryTurns;
  comp.value[1].nom = form.secondaryTurns;
  comp.value[1].TolEn = form.physicalModel;
  comp.value[2].nom = form.primaryInductance;
  comp.value[3].nom = form.coupling;
}

void storeSourceGain(const Ttolvalue& entered, Tcomponent& comp)
{
  const double actual = comp.value[1].actual;
  comp.value[1] = entered;
  comp.value[1].actual = actual;
}

std::vector<std::string> textSizeChoices()
{
  std::vector<std::string> sizes;
  for (int size = 6; size <= 30; size += 2)
    sizes.push_back(std::to_string(size));
  return sizes;
}

} // namespace norvane
