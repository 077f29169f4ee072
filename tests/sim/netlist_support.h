#pragma once
// Small schematics drawn in code for the engine's tests. Coordinates follow the symbols:
// a resistor, capacitor or inductor at (x, y) in orientation 1 has its pins at (x, y - 20)
// and (x, y + 20), in orientation 2 at (x - 20, y) and (x + 20, y); a ground symbol at
// (x, y) has its pin at (x, y - 10); port 1 in orientation 1 connects at (x + 20, y), port 2
// at (x - 20, y).

#include "config/environment.h"
#include "document/clearschematic.h"
#include "document/pins.h"
#include "document/schematic.h"
#include "platform/prompts.h"
#include "sim/netlist.h"

namespace norvane::testing {

class Circuit
{
public:
  Circuit()
  {
    Environment env;
    fillBuiltInDefaults(env);
    clearSchematic(doc, env);
    doc.drawdat.P1.crot = 1;
    doc.drawdat.P2.crot = 1;
  }

  Component& add(ComponentType ctype, int x, int y, int crot = 1, double v1 = 0.0)
  {
    Component c;
    c.ctype = ctype;
    c.crot = crot;
    c.position = {x, y};
    c.value[1].nom = v1;
    c.value[1].actual = v1;
    computePinPositions(c);
    doc.drawdat.components.append(c);
    return doc.drawdat.components.last();
  }

  void wire(int x1, int y1, int x2, int y2)
  {
    Wire w;
    w.start = {x1, y1};
    w.finish = {x2, y2};
    doc.drawdat.wires.append(w);
  }

  void port1(int x, int y, int crot = 1, double zo = 50.0)
  {
    doc.drawdat.P1.pos = {x, y};
    doc.drawdat.P1.crot = crot;
    doc.drawdat.P1.Zo = zo;
  }
  void port2(int x, int y, int crot = 1, double zo = 50.0)
  {
    doc.drawdat.P2.pos = {x, y};
    doc.drawdat.P2.crot = crot;
    doc.drawdat.P2.Zo = zo;
  }

  // Port 1 at (100, 100) and, two-port, port 2 at (500, 100); a two-terminal element
  // between the port terminals (series) or from the port-1 terminal to ground (shunt).
  static Circuit shuntToGround(ComponentType ctype, double value)
  {
    Circuit c;
    c.port1(100, 100);
    c.add(ctype, 120, 120, 1, value);       // pins (120, 100) and (120, 140)
    c.add(ComponentType::Ground, 120, 150); // pin (120, 140)
    return c;
  }
  static Circuit series(ComponentType ctype, double value)
  {
    Circuit c;
    c.port1(100, 100);
    c.port2(200, 100);
    c.add(ctype, 140, 100, 2, value); // pins (120, 100) and (160, 100)
    c.wire(160, 100, 180, 100);
    return c;
  }

  Schematic doc;
};

// Checks the circuit and shows the check in its drawing, as a simulation run leaves it.
inline Netlist numberDrawing(Schematic& doc, Prompts& prompts)
{
  Netlist netlist = buildNetlist(doc, prompts);
  applyNetlistToDrawing(doc, netlist);
  return netlist;
}

} // namespace norvane::testing
