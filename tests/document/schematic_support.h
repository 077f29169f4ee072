#pragma once
// Documents for the file tests: a reset one, and one with every saved field set, its Doubles
// already at 15 significant digits so that they survive the file exactly.

#include "config/environment.h"
#include "document/clearschematic.h"
#include "document/schematic.h"
#include "numbers/numbertext.h"

#include <string>

namespace norvane::testing {

inline Schematic resetDocument()
{
  Schematic doc;
  clearSchematic(doc, Environment{});
  return doc;
}

// x as the file keeps it.
inline double r15(double x)
{
  return readNumber(formatNumber(x, NumberFormat::File()), NumberRules::File()).number().value();
}

inline ToleranceValue tol(double nom, double mintol, double maxtol, bool en, bool pct)
{
  ToleranceValue v;
  v.nom = r15(nom);
  v.mintol = r15(mintol);
  v.maxtol = r15(maxtol);
  v.TolEn = en;
  v.TolPercent = pct;
  return v;
}

inline Component component(const std::string& name, ComponentType ctype, int crot, Point at,
                           int seed)
{
  Component c;
  c.name = name;
  c.ctype = ctype;
  c.crot = crot;
  c.position = at;
  c.selected = seed % 2 == 0;
  for (int i = 1; i <= kValuesPerComponent; ++i) {
    c.value[i] = tol(1.25e-9 * (seed + i) / 3.0, -0.5 * i, 3.75 * seed, (seed + i) % 2 == 0,
                     (seed + i) % 3 == 0);
  }
  for (int i = 1; i <= kSavedPins; ++i) {
    c.pins.nodes[i] = {at.x + 10 * i, at.y - 10 * i};
  }
  return c;
}

inline TwoPortPoint point2(double f, int k)
{
  return {r15(f),
          {r15(0.1 * k), r15(-0.3 * k)},
          {r15(2.5 / k), r15(1.1 * k)},
          {r15(0.01 * k), r15(0.2)},
          {r15(0.7), r15(-3.14159265358979)}};
}

// Every saved field set. Fields the file does not carry (actual values, pin count, the
// fifth pin, the group-delay range, the unsaved templates, markers) keep their reset values;
// the block counters are the ones derived from the blocks.
inline Schematic richDocument()
{
  Schematic doc = resetDocument();
  doc.mmdB = {12.5, -63.25};
  doc.mmLin = {1.5, -0.001};
  doc.mmPhase = {90, -45.5};
  Component* templates[] = {&doc.lastC,     &doc.lastL,    &doc.lastR,
                            &doc.lastopamp, &doc.lastVCVS, &doc.lastVCCS,
                            &doc.lastCCVS,  &doc.lastCCCS, &doc.lasttxln};
  int seed = 1;
  for (Component* t : templates) {
    *t = component("T" + std::to_string(seed), kindOfCode(seed), seed % 3, {seed, -seed}, seed);
    ++seed;
  }
  doc.plotformat = PlotFormat::Polar;
  doc.current2port = 7;
  doc.current1port = 50;
  doc.Xax = {1.5e6, 2.75e9, 401, true, 1};
  doc.Y1ax = {-80, 10, MeasuredParameter::S22, TraceType::Log10Power};
  doc.Y2ax = {-1.5, 0.25, MeasuredParameter::S12, TraceType::Phase};
  doc.polarS11mag = 0.5;
  doc.polarS21mag = r15(31.6227766016838);
  doc.polarS12mag = 1e-3;
  doc.polarS22mag = 2;
  doc.polarmeaswhat = MeasuredParameter::S22;
  doc.cursorpos = 123;
  doc.circleson = true;
  doc.simulated = true;

  Drawing& d = doc.drawdat;
  d.P1 = {{100, 200}, {120, 200}, 50, true, 1};
  d.P2 = {{-400, 2000}, {-420, 2000}, 75.5, false, 2};
  d.components.append(component("R1", ComponentType::Resistor, 1, {100, 100}, 3));
  d.components.append(component("C\xe9 \xb5"
                                "F",
                                ComponentType::Capacitor, 2, {200, 100}, 4)); // Latin-1 bytes
  d.components.append(
      component(std::string(kMaxNameLength, 'n'), ComponentType::Inductor, 1, {300, 100}, 5));
  d.components.append(component("  spaced = {x} ", ComponentType::SParam2, 2, {400, 100}, 6));
  d.components.last().value[1].nom = 7;
  d.components.append(component("", ComponentType::SParam1, 1, {500, 100}, 7));
  d.components.last().value[1].nom = 3;
  d.components.append(component("Q1", ComponentType::Bipolar, 1, {-600, -100}, 8));
  d.twoPortBlockCounter = 7;
  d.onePortBlockCounter = 3;

  d.lines.append({1, true, {0, 0}, {100, 0}});
  d.lines.append({1, false, {-5, 7}, {3, 1000000}});
  d.texts.append({{13, 27}, "8", false, "Low-pass, 3 poles"});
  d.texts.append({{-1, 0}, "30", true, std::string(kMaxTextLength, 'x')});
  d.texts.append({{5, 5}, "", false, ""});
  d.wires.append({false, true, {120, 200}, {160, 200}});
  d.wires.append({true, false, {160, 200}, {160, 300}});
  d.wires.append({false, false, {-10, -10}, {-10, -10}});

  TwoPortDataSet& amp = doc.datasets.twoPort[7];
  amp.name = "C:\\data\\amp 5V.s2p";
  amp.index = 7;
  for (int k = 1; k <= 3; ++k) {
    amp.points.append(point2(1e8 * k, k));
  }
  OnePortDataSet& load = doc.datasets.onePort[3];
  load.name = "load=1{";
  load.index = 3;
  load.points.append({r15(1e9), {r15(0.25), r15(-1.5)}});
  load.points.append({r15(2e9), {r15(0.5), r15(1.5)}});
  OnePortDataSet& last = doc.datasets.onePort[50];
  last.name = "";
  last.index = 50;
  last.points.append({0, {0, 0}});
  return doc;
}

} // namespace norvane::testing
