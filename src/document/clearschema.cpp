#include "document/clearschema.h"

namespace norvane {
namespace {

void setTol(Ttolvalue& v, double nom, double mintol, double maxtol, bool enabled, bool percent)
{
  v.nom = nom;
  v.mintol = mintol;
  v.maxtol = maxtol;
  v.TolEn = enabled;
  v.TolPercent = percent;
}

// Template defaults. Only the fields named here are set; the others keep what the user
// last confirmed in a property dialog.
void setTemplates(Tschema& doc)
{
  // Capacitor: 10 pF +-2 %, Q 200 at 100 MHz, self-resonance 1 GHz, Q mode 1, losses off.
  setTol(doc.lastC.value[1], 1e-11, -2, 2, true, true);
  doc.lastC.value[2].nom = 200;
  doc.lastC.value[3].nom = 1e8;
  doc.lastC.value[4].nom = 1e9;
  doc.lastC.value[5].nom = 1;
  doc.lastC.value[5].TolEn = false;

  // Inductor: 10 nH +-5 %, Q 50 at 100 MHz, self-resonance 1 GHz, Q mode 1, losses off.
  setTol(doc.lastL.value[1], 1e-8, -5, 5, true, true);
  doc.lastL.value[2].nom = 50;
  doc.lastL.value[3].nom = 1e8;
  doc.lastL.value[4].nom = 1e9;
  doc.lastL.value[5].nom = 1;
  doc.lastL.value[5].TolEn = false;

  // Resistor: 50 ohm +-1 %.
  setTol(doc.lastR.value[1], 50, -1, 1, true, true);

  // Op-amp: Ri 1 Mohm, Ro 0.1 ohm, open-loop gain 1e6 (120 dB).
  doc.lastopamp.value[1].nom = 1e6;
  doc.lastopamp.value[2].nom = 0.1;
  doc.lastopamp.value[3].nom = 1e6;

  // Controlled sources: unit gain.
  doc.lastVCVS.value[1].nom = 1;
  doc.lastVCCS.value[1].nom = 1;
  doc.lastCCVS.value[1].nom = 1;
  doc.lastCCCS.value[1].nom = 1;

  // Transmission line: 50 ohm +-5 ohm, velocity 3e8 m/s, length 10 mm +-2 %.
  setTol(doc.lasttxln.value[1], 50, -5, 5, true, false);
  doc.lasttxln.value[2].nom = 3e8;
  setTol(doc.lasttxln.value[3], 0.01, -2, 2, true, true);

  // Transformer: turns 1:1 (nom and mintol are the two windings), Lp 10 nH, k 1.
  doc.lastTransformer.value[1].nom = 1;
  doc.lastTransformer.value[1].mintol = 1;
  doc.lastTransformer.value[1].TolEn = false;
  doc.lastTransformer.value[2].nom = 1e-8;
  doc.lastTransformer.value[3].nom = 1;

  // Bipolar transistor: the three Doubles of each value are separate model parameters.
  // hfe 100; Re 16 ohm, Rbb 10 ohm, Ro 5 kohm; Cbe 1 pF, Ccb 0.5 pF, Td 10 ps; Lb and Le
  // 0.5 nH; Ic 5 mA and Ft 3 GHz for the "ballpark" model (TolEn on), leaded (Tol% off).
  doc.lastBipolar.value[1].nom = 100;
  doc.lastBipolar.value[2].nom = 16;
  doc.lastBipolar.value[2].mintol = 10;
  doc.lastBipolar.value[2].maxtol = 5000;
  doc.lastBipolar.value[3].nom = 1e-12;
  doc.lastBipolar.value[3].mintol = 5e-13;
  doc.lastBipolar.value[3].maxtol = 1e-11;
  doc.lastBipolar.value[4].nom = 5e-10;
  doc.lastBipolar.value[4].mintol = 3e7;
  doc.lastBipolar.value[4].maxtol = 5e-10;
  doc.lastBipolar.value[5].nom = 0.005;
  doc.lastBipolar.value[5].mintol = 3e9;
  doc.lastBipolar.value[5].TolEn = true;
  doc.lastBipolar.value[5].TolPercent = false;
}

void unplace(Tport& port)
{
  port.pos = kPortNotPlaced;
  port.Zo = 50;
  port.selected = false;
}

} // namespace

void ClearSchema(Tschema& doc, const TenvironmentProps& env)
{
  doc.mmdB = {10, -40};
  doc.mmLin = {1, 0};
  doc.mmPhase = {180, -180};
  doc.mmGrpDelay = {1e-6, 0};

  setTemplates(doc);
  doc.spareText.clear();

  doc.plotformat = 1;
  doc.current2port = 1;
  doc.current1port = 1;

  doc.Xax.min = env.lowfreq;
  doc.Xax.max = env.highfreq;
  doc.Xax.numpoints = env.numpoints;
  doc.Xax.centspan = false;
  doc.Xax.freqmode = 2;

  doc.Y1ax.min = env.mindB;
  doc.Y1ax.max = env.maxdB;
  doc.Y1ax.measwhat = 2;
  doc.Y1ax.tracetype = 0;
  doc.Y2ax.min = env.mindB;
  doc.Y2ax.max = env.maxdB;
  doc.Y2ax.measwhat = 1;
  doc.Y2ax.tracetype = 0;

  doc.polarS11mag = 1;
  doc.polarS21mag = 10;
  doc.polarS12mag = 1;
  doc.polarS22mag = 1;
  doc.polarmeaswhat = 1;

  TDrawData& d = doc.drawdat;
  unplace(d.P1);
  unplace(d.P2);
  d.twoPortBlockCounter = 0;
  d.wires.clear();
  d.components.clear();
  d.lines.clear();
  d.texts.clear();
  d.UnconnectedMarkers.clear();

  for (T2pdatarray& set : doc.datasets.twoPort) {
    set.points.clear();
  }
  for (T1pdatarray& set : doc.datasets.onePort) {
    set.points.clear();
  }

  doc.scaleNum = 1;
  doc.scaleDen = 1;
}

} // namespace norvane
