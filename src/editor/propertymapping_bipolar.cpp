#include "editor/propertymapping_bipolar.h"

namespace norvane {

BipolarForm readBipolarForm(const Tcomponent& comp)
{
  BipolarForm form;
  BipolarParameters& m = form.model;
  m.beta = comp.value[1].nom;
  m.re = comp.value[2].nom;
  m.rbb = comp.value[2].mintol;
  m.ro = comp.value[2].maxtol;
  m.cbe = comp.value[3].nom;
  m.ccb = comp.value[3].mintol;
  m.timeDelay = comp.value[3].maxtol;
  m.lb = comp.value[4].nom;
  m.betaCutoff = comp.value[4].mintol;
  m.le = comp.value[4].maxtol;
  form.ic = comp.value[5].nom;
  form.ft = comp.value[5].mintol;
  form.ballPark = comp.value[5].TolEn;
  form.surfaceMount = comp.value[5].TolPercent;
  return form;
}

void storeBipolarForm(const BipolarForm& form, Tcomponent& comp)
{
  const BipolarParameters& m = form.model;
  comp.value[1].nom = m.beta;
  comp.value[2].nom = m.re;
  comp.value[2].mintol = m.rbb;
  comp.value[2].maxtol = m.ro;
  comp.value[3].nom = m.cbe;
  comp.value[3].mintol = m.ccb;
  comp.value[3].maxtol = m.timeDelay;
  comp.value[4].nom = m.lb;
  comp.value[4].mintol = m.betaCutoff;
  comp.value[4].maxtol = m.le;
  comp.value[5].nom = form.ic;
  comp.value[5].mintol = form.ft;
  comp.value[5].TolEn = form.ballPark;
  comp.value[5].TolPercent = form.surfaceMount;
}

} // namespace norvane
