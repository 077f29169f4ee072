#include "ladder.h"

#include "config/environment.h"
#include "document/clearschematic.h"
#include "document/pins.h"
#include "sim/plotpoint.h"

namespace norvane::bench {

namespace {

void add(Schematic& doc, ComponentType ctype, int crot, Point at, double value)
{
  Component c;
  c.ctype = ctype;
  c.crot = crot;
  c.position = at;
  c.value[1].nom = value;
  c.value[1].actual = value; // as the tolerance rule sets it before a run
  computePinPositions(c);
  doc.drawdat.components.append(c);
}

} // namespace

std::unique_ptr<Schematic> ladderCircuit(int nodes)
{
  auto doc = std::make_unique<Schematic>();
  Environment env;
  fillBuiltInDefaults(env);
  clearSchematic(*doc, env);
  // Node k (0-based) sits at (20 + 40 k, 100). The large ladders reach beyond the drawing
  // sheet, which the circuit check does not mind.
  auto nodeAt = [](int k) { return Point{20 + 40 * k, 100}; };
  doc->drawdat.P1.pos = {0, 100}; // connects at (20, 100)
  doc->drawdat.P1.crot = 1;
  doc->drawdat.P1.Zo = 50;
  for (int k = 0; k < nodes; ++k) {
    const Point p = nodeAt(k);
    add(*doc, ComponentType::Capacitor, 1, {p.x, p.y + 20}, 10e-12); // (x, y) to (x, y + 40)
    add(*doc, ComponentType::Ground, 1, {p.x, p.y + 50}, 0.0);
    if (k > 0) {
      add(*doc, ComponentType::Inductor, 2, {p.x - 20, p.y}, 25e-9); // (x - 40, y) to (x, y)
    }
  }
  const Point last = nodeAt(nodes - 1);
  doc->drawdat.P2.pos = {last.x + 20, last.y}; // connects at the last node
  doc->drawdat.P2.crot = 1;
  doc->drawdat.P2.Zo = 50;
  doc->Xax.min = 1e6;
  doc->Xax.max = 1e9;
  doc->Xax.numpoints = kMaxSweepIntervals;
  doc->Xax.freqmode = 2;
  doc->plotformat = plotformat::DataList;
  return doc;
}

} // namespace norvane::bench
