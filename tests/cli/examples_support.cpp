#include "examples_support.h"

#include "config/environment.h"
#include "document/clearschematic.h"
#include "document/pins.h"
#include "document/placement.h"

#include <cmath>
#include <stdexcept>

namespace norvane::testing {
namespace {

Schematic newDocument()
{
  Schematic doc;
  clearSchematic(doc, Environment{});
  return doc;
}

void placePort(Schematic& doc, int number, Point pos)
{
  Port& port = number == 1 ? doc.drawdat.P1 : doc.drawdat.P2;
  port.pos = pos;
  port.crot = 1;
  port.Zo = 50;
  port.node = portConnectionPoint(number, port);
}

Component& place(Schematic& doc, ComponentType kind, int crot, Point at, const std::string& name)
{
  const PlacementResult r = placeComponent(doc, kind, crot, at);
  if (!r.placed()) {
    throw std::runtime_error("example placement failed: " + r.message);
  }
  Component& c = doc.drawdat.components[r.index];
  c.name = name;
  return c;
}

void wire(Schematic& doc, Point a, Point b)
{
  doc.drawdat.wires.append({false, false, a, b});
}

void title(Schematic& doc, Point at, const std::string& text)
{
  doc.drawdat.texts.append({at, "10", false, text});
}

void sweep(Schematic& doc, double startHz, double stopHz, int intervals)
{
  doc.Xax.min = startHz;
  doc.Xax.max = stopHz;
  doc.Xax.numpoints = intervals;
  doc.Xax.freqmode = 2;
  doc.Y1ax.min = -60;
  doc.Y1ax.max = 0;
  doc.Y2ax.min = -60;
  doc.Y2ax.max = 0;
}

} // namespace

Schematic lowpass3Example()
{
  // Butterworth prototype g1 = g3 = 1, g2 = 2 scaled to 50 ohm and fc = 100 MHz:
  // C = g / (2 pi fc R) = 31.83 pF, L = g R / (2 pi fc) = 159.2 nH.
  Schematic doc = newDocument();
  placePort(doc, 1, {100, 100}); // connects at (120, 100)
  placePort(doc, 2, {400, 100}); // connects at (380, 100)
  place(doc, ComponentType::Capacitor, 1, {160, 120}, "C1").value[1].nom = 31.83e-12;
  place(doc, ComponentType::Ground, 1, {160, 150}, "");
  place(doc, ComponentType::Inductor, 2, {260, 100}, "L2").value[1].nom = 159.2e-9;
  place(doc, ComponentType::Capacitor, 1, {360, 120}, "C3").value[1].nom = 31.83e-12;
  place(doc, ComponentType::Ground, 1, {360, 150}, "");
  wire(doc, {120, 100}, {160, 100});
  wire(doc, {160, 100}, {240, 100});
  wire(doc, {280, 100}, {360, 100});
  wire(doc, {360, 100}, {380, 100});
  title(doc, {100, 30}, "3-pole Butterworth low-pass, 100 MHz");
  sweep(doc, 1e7, 1e9, 200);
  return doc;
}

Schematic welcomeExample()
{
  // The circuit a first start opens: the low-pass filter with a word on what to do.
  Schematic doc = lowpass3Example();
  doc.drawdat.texts[1].text = "Welcome to Norvane: press Simulate, double-click to edit";
  return doc;
}

Schematic rcDividerExample()
{
  Schematic doc = newDocument();
  placePort(doc, 1, {100, 100}); // (120, 100)
  placePort(doc, 2, {340, 100}); // (320, 100)
  place(doc, ComponentType::Resistor, 2, {160, 100}, "R1").value[1].nom = 450;
  place(doc, ComponentType::Resistor, 1, {220, 120}, "R2").value[1].nom = 50;
  place(doc, ComponentType::Ground, 1, {220, 150}, "");
  place(doc, ComponentType::Capacitor, 1, {280, 120}, "C1").value[1].nom = 100e-12;
  place(doc, ComponentType::Ground, 1, {280, 150}, "");
  wire(doc, {120, 100}, {140, 100});
  wire(doc, {180, 100}, {220, 100});
  wire(doc, {220, 100}, {280, 100});
  wire(doc, {280, 100}, {320, 100});
  title(doc, {100, 30}, "RC divider");
  sweep(doc, 1e5, 1e9, 100);
  return doc;
}

Schematic attenuatorBlockExample()
{
  Schematic doc = newDocument();
  placePort(doc, 1, {100, 110}); // (120, 110)
  placePort(doc, 2, {300, 110}); // (280, 110)
  // Block pins: port 1 (170, 110), port 2 (230, 110), common (200, 150).
  place(doc, ComponentType::SParam2, 1, {200, 120}, "ATT1");
  place(doc, ComponentType::Ground, 1, {200, 160}, "");
  wire(doc, {120, 110}, {170, 110});
  wire(doc, {230, 110}, {280, 110});
  title(doc, {100, 40}, "6 dB attenuator from measured data");

  // A matched 6 dB pad: |S21| = |S12| = 10^(-6/20), small reflections, a little delay.
  TwoPortDataSet& set = doc.datasets.twoPort[1];
  set.name = "att6db.s2p";
  set.index = 1;
  const double through = std::pow(10.0, -6.0 / 20.0);
  for (double f : {1e6, 1e7, 1e8, 5e8, 1e9}) {
    const double phase = -2 * 3.14159265358979 * f * 50e-12; // 50 ps
    set.points.append({f, {0.01, 0}, {through, phase}, {through, phase}, {0.01, 0}});
  }
  sweep(doc, 1e6, 1e9, 100);
  return doc;
}

const std::vector<ExampleDocument>& exampleDocuments()
{
  static const std::vector<ExampleDocument> examples = {
      {"lowpass3.cct", &lowpass3Example},
      {"welcome.cct", &welcomeExample},
      {"rc_divider.cct", &rcDividerExample},
      {"attenuator_block.cct", &attenuatorBlockExample},
  };
  return examples;
}

} // namespace norvane::testing
