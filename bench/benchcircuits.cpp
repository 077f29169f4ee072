#include "benchcircuits.h"

#include "config/environment.h"
#include "document/clearschematic.h"
#include "document/pins.h"
#include "ladder.h"
#include "sim/plotpoint.h"

#include <cstdio>

namespace norvane::bench {

namespace {

// Sweep of every bench circuit: 501 points from 1 MHz to 1 GHz, linear.
constexpr double kStart = 1e6;
constexpr double kStop = 1e9;

// Builds the drawing and the element list side by side.
class Drawer
{
public:
  Drawer()
  {
    Environment env;
    fillBuiltInDefaults(env);
    doc = std::make_unique<Schematic>();
    clearSchematic(*doc, env);
  }

  // A two-pin part centred at (x, y), horizontal (crot 2) or vertical (crot 1), between nodes.
  Component& part(ComponentType ctype, int x, int y, int crot, int a, int b, double value,
                  double extra = 0.0)
  {
    Component c;
    c.ctype = ctype;
    c.crot = crot;
    c.position = {x, y};
    c.value[1].nom = c.value[1].actual = value;
    if (ctype == ComponentType::Resistor || ctype == ComponentType::Capacitor ||
        ctype == ComponentType::Inductor) {
      // +-5 %: what the tolerance multi-sweep draws from.
      c.value[1].TolEn = true;
      c.value[1].TolPercent = true;
      c.value[1].mintol = -5;
      c.value[1].maxtol = 5;
    }
    computePinPositions(c);
    doc->drawdat.components.append(c);
    net.elements.push_back({ctype, a, b, value, extra});
    return doc->drawdat.components.last();
  }
  void ground(int x, int pinY)
  {
    Component g;
    g.ctype = ComponentType::Ground;
    g.crot = 1;
    g.position = {x, pinY + 10};
    computePinPositions(g);
    doc->drawdat.components.append(g);
  }
  void wire(int x1, int y1, int x2, int y2)
  {
    Wire w;
    w.start = {x1, y1};
    w.finish = {x2, y2};
    doc->drawdat.wires.append(w);
  }

  std::unique_ptr<Schematic> doc;
  BenchCircuit net;
};

void setSweepAndPorts(Schematic& doc, Point p1, Point p2)
{
  doc.drawdat.P1.pos = {p1.x - 20, p1.y}; // port 1 connects 20 to its right
  doc.drawdat.P1.crot = 1;
  doc.drawdat.P1.Zo = 50;
  doc.drawdat.P2.pos = {p2.x + 20, p2.y}; // port 2 connects 20 to its left
  doc.drawdat.P2.crot = 1;
  doc.drawdat.P2.Zo = 50;
  doc.Xax.min = kStart;
  doc.Xax.max = kStop;
  doc.Xax.numpoints = kMaxSweepIntervals;
  doc.Xax.freqmode = freqmode::Linear;
  doc.plotformat = plotformat::DataList;
}

// Values of the irregular circuit.
constexpr double kSeriesR = 10, kSeriesL = 25e-9, kSeriesC = 10e-12;
constexpr double kLineZ = 50, kLineVelocity = 2e8, kLineLength = 0.05;
constexpr double kTrapL = 100e-9, kTrapC = 2.2e-12;
constexpr double kShuntR = 200, kShuntC = 5e-12;
constexpr double kBridgeR = 1e3, kBridgeC = 1e-12;
constexpr double kMutualL = 50e-9, kCoupling = 0.1;

} // namespace

BenchCircuit ladder(int nodes)
{
  BenchCircuit c;
  c.name = "ladder" + std::to_string(nodes);
  c.nodes = nodes;
  for (int k = 1; k <= nodes; ++k) {
    c.elements.push_back({ComponentType::Capacitor, k, 0, 10e-12, 0});
    if (k > 1) {
      c.elements.push_back({ComponentType::Inductor, k - 1, k, 25e-9, 0});
    }
  }
  c.port1 = 1;
  c.port2 = nodes;
  return c;
}

namespace {

// The irregular circuit, drawn and listed at once. Main nodes lie on a row 120 apart; every
// other connection runs on a row or column of its own, so that no wire meets a pin or a wire
// end it should not.
void buildIrregular(Drawer& d)
{
  d.net.name = "irregular100";
  constexpr int kSections = 30;
  constexpr int kX0 = 100;
  constexpr int kY0 = 700;
  auto xOf = [](int k) { return kX0 + 120 * k; };
  int next = kSections + 1; // main nodes are 0..30 (as 1..31); internal ones follow
  auto main = [](int k) { return k + 1; };
  for (int k = 0; k < kSections; ++k) {
    const int x = xOf(k);
    if (k % 5 == 4) {
      // Line section: the line, then a wire on to the next main node.
      d.part(ComponentType::TxLine, x + 20, kY0, 2, main(k), main(k + 1), kLineZ,
             kLineLength / kLineVelocity);
      Component& line = d.doc->drawdat.components.last();
      line.value[2].nom = line.value[2].actual = kLineVelocity;
      line.value[3].nom = line.value[3].actual = kLineLength;
      d.wire(x + 40, kY0, x + 120, kY0);
    } else {
      const int i1 = ++next;
      const int i2 = ++next;
      d.part(ComponentType::Resistor, x + 20, kY0, 2, main(k), i1, kSeriesR);
      d.part(ComponentType::Inductor, x + 60, kY0, 2, i1, i2, kSeriesL);
      d.part(ComponentType::Capacitor, x + 100, kY0, 2, i2, main(k + 1), kSeriesC);
    }
  }
  // Shunt branches hanging below the main nodes: traps (L then C) and R then C.
  for (int k = 0; k <= kSections; ++k) {
    const int x = xOf(k);
    if (k % 3 == 2) {
      continue; // these nodes carry the mutual inductances' wires
    }
    const int mid = ++next;
    const bool trap = k % 3 == 0;
    d.part(trap ? ComponentType::Inductor : ComponentType::Resistor, x, kY0 + 20, 1, main(k), mid,
           trap ? kTrapL : kShuntR);
    d.part(ComponentType::Capacitor, x, kY0 + 60, 1, mid, 0, trap ? kTrapC : kShuntC);
    d.ground(x, kY0 + 80);
  }
  // Bridges above the chain, each across three sections, on rows of their own.
  int row = 0;
  for (int k = 0; k + 3 <= kSections; k += 2) {
    const int y = kY0 - 40 - 20 * row++;
    const int xa = xOf(k);
    const int xb = xOf(k + 3);
    const bool resistor = k % 4 == 0;
    d.part(resistor ? ComponentType::Resistor : ComponentType::Capacitor, xa + 60, y, 2, main(k),
           main(k + 3), resistor ? kBridgeR : kBridgeC);
    d.wire(xa, kY0, xa, y);
    d.wire(xa, y, xa + 40, y);
    d.wire(xa + 80, y, xb, y);
    d.wire(xb, y, xb, kY0);
  }
  // Mutual inductances below, between distant nodes.
  const int pairs[5][2] = {{2, 20}, {5, 26}, {8, 29}, {11, 23}, {14, 17}};
  row = 0;
  for (const auto& p : pairs) {
    const int y = kY0 + 160 + 80 * row++;
    const int xa = xOf(p[0]);
    const int xb = xOf(p[1]);
    Component& m =
        d.part(ComponentType::Mutual, xa + 60, y, 1, main(p[0]), main(p[1]), kMutualL, kCoupling);
    m.value[1].nom = m.value[1].actual = 1; // Ns
    m.value[1].mintol = 1;                  // Np
    m.value[1].TolEn = true;                // the physical model
    m.value[2].nom = m.value[2].actual = kMutualL;
    m.value[3].nom = m.value[3].actual = kCoupling;
    d.ground(xa + 40, y + 20);
    d.ground(xa + 80, y + 20);
    d.wire(xa, kY0, xa, y - 20);
    d.wire(xa, y - 20, xa + 40, y - 20);
    d.wire(xa + 80, y - 20, xb, y - 20);
    d.wire(xb, y - 20, xb, kY0);
  }
  setSweepAndPorts(*d.doc, {xOf(0), kY0}, {xOf(kSections), kY0});
  d.net.nodes = next;
  d.net.port1 = main(0);
  d.net.port2 = main(kSections);
}

std::string number(double x)
{
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.17g", x);
  return buf;
}

} // namespace

BenchCircuit irregular()
{
  Drawer d;
  buildIrregular(d);
  return d.net;
}

std::unique_ptr<Schematic> drawCircuit(const BenchCircuit& c)
{
  if (c.name.rfind("ladder", 0) == 0) {
    auto doc = ladderCircuit(c.nodes);
    doc->Xax.min = kStart;
    doc->Xax.max = kStop;
    doc->Xax.freqmode = freqmode::Linear;
    return doc;
  }
  Drawer d;
  buildIrregular(d);
  return std::move(d.doc);
}

std::string spiceDeck(const BenchCircuit& c)
{
  std::string deck = "* " + c.name + ": S-parameters, 501 points, 1 MHz to 1 GHz\n";
  int count = 0;
  for (const BenchElement& e : c.elements) {
    const std::string id = std::to_string(++count);
    const std::string a = std::to_string(e.a);
    const std::string b = std::to_string(e.b);
    switch (e.ctype) {
    case ComponentType::Resistor:
      deck += "R" + id + " " + a + " " + b + " " + number(e.value) + "\n";
      break;
    case ComponentType::Capacitor:
      deck += "C" + id + " " + a + " " + b + " " + number(e.value) + "\n";
      break;
    case ComponentType::Inductor:
      deck += "L" + id + " " + a + " " + b + " " + number(e.value) + "\n";
      break;
    case ComponentType::TxLine:
      deck += "T" + id + " " + a + " 0 " + b + " 0 Z0=" + number(e.value) +
              " TD=" + number(e.extra) + "\n";
      break;
    case ComponentType::Mutual: {
      // Norvane's winding admittances are 1/(jwL) on the diagonal and k/(jw L) off it, the
      // inverse of SPICE's inductance matrix when each SPICE inductance is L / (1 - k^2).
      const double l = e.value / (1.0 - e.extra * e.extra);
      deck += "LA" + id + " " + a + " 0 " + number(l) + "\n";
      deck += "LB" + id + " " + b + " 0 " + number(l) + "\n";
      deck += "K" + id + " LA" + id + " LB" + id + " " + number(e.extra) + "\n";
      break;
    }
    default:
      break;
    }
  }
  deck += "VP1 " + std::to_string(c.port1) + " 0 dc 0 ac 1 portnum 1 z0 50\n";
  deck += "VP2 " + std::to_string(c.port2) + " 0 dc 0 ac 1 portnum 2 z0 50\n";
  deck += ".sp lin 501 " + number(kStart) + " " + number(kStop) + "\n.end\n";
  return deck;
}

} // namespace norvane::bench
