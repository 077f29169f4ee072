// The junction steps of the netlist extraction (pins and wire ends on wire interiors) find
// their wires through an index; here they are held to a plain transcription that scans the
// whole wire list for every pin and every wire end, on random drawings full of touching,
// crossing, overlapping, duplicated and selected wires.

#include "sim/netlist.h"

#include "netlist_support.h"
#include "support/scriptedprompts.h"

#include <gtest/gtest.h>

#include <random>

namespace norvane {
namespace {

bool strictlyBetween(int v, int a, int b)
{
  return (v > a && v < b) || (v > b && v < a);
}

bool liesInside(Point p, const Wire& w)
{
  if (w.start.x == w.finish.x && w.start.x == p.x) {
    return strictlyBetween(p.y, w.start.y, w.finish.y);
  }
  if (w.start.y == w.finish.y && w.start.y == p.y) {
    return strictlyBetween(p.x, w.start.x, w.finish.x);
  }
  return false;
}

// The junction steps scanning every wire (wires the list cannot take are left out: the
// drawings here stay far below its capacity).
void plainJunctions(Drawing& d)
{
  for (const Component& comp : d.components) {
    for (int k = 1; k <= comp.pins.count; ++k) {
      const Point pin = comp.pins.nodes[k];
      for (int w = 1; w <= d.wires.count(); ++w) {
        const Wire wire = d.wires[w];
        if (wire.startselected || wire.finishselected || !liesInside(pin, wire)) {
          continue;
        }
        appendShort(d, pin, wire.finish);
        d.wires[w].finish = pin;
        break;
      }
    }
  }
  for (int i = 1; i <= d.wires.count(); ++i) {
    for (int end = 0; end < 2; ++end) {
      const Point p = end == 0 ? d.wires[i].start : d.wires[i].finish;
      bool shared = false;
      for (int j = 1; j <= d.wires.count(); ++j) {
        shared = shared || (j != i && (d.wires[j].start == p || d.wires[j].finish == p));
      }
      if (shared) {
        continue;
      }
      for (int q = 1; q <= d.wires.count(); ++q) {
        if (liesInside(p, d.wires[q])) {
          appendShort(d, p, d.wires[q].start);
        }
      }
    }
  }
}

TEST(NetlistJunctions, SameWiresAsAScanOfTheWholeList)
{
  std::mt19937 rng(8);
  auto coord = [&rng] { return 10 * static_cast<int>(rng() % 12); };
  for (int trial = 0; trial < 300; ++trial) {
    testing::Circuit c;
    const int parts = 1 + static_cast<int>(rng() % 8);
    for (int k = 0; k < parts; ++k) {
      c.add(rng() % 2 ? ComponentType::Resistor : ComponentType::Capacitor, coord(), coord(),
            1 + static_cast<int>(rng() % 2), 50.0);
    }
    const int wires = static_cast<int>(rng() % 30);
    for (int k = 0; k < wires; ++k) {
      const int x = coord();
      const int y = coord();
      switch (rng() % 4) {
      case 0:
        c.wire(x, y, x, coord()); // vertical (or a point)
        break;
      case 1:
        c.wire(x, y, coord(), y); // horizontal
        break;
      case 2:
        c.wire(x, y, coord(), coord()); // anything, diagonal mostly
        break;
      default: {
        const Wire copy =
            c.doc.drawdat.wires.empty()
                ? Wire{}
                : c.doc.drawdat.wires[1 + static_cast<int>(rng() % c.doc.drawdat.wires.count())];
        c.wire(copy.finish.x, copy.finish.y, copy.start.x, copy.start.y); // a duplicate
      }
      }
      if (rng() % 10 == 0) {
        c.doc.drawdat.wires.last().finishselected = true;
      }
    }
    c.port1(coord(), coord());
    Drawing expected = c.doc.drawdat;
    for (Component& comp : expected.components) {
      computePinPositions(comp);
    }
    plainJunctions(expected);
    ScriptedPrompts prompts;
    testing::numberDrawing(c.doc, prompts);
    const auto& got = c.doc.drawdat.wires;
    ASSERT_EQ(got.count(), expected.wires.count()) << "trial " << trial;
    for (int w = 1; w <= got.count(); ++w) {
      ASSERT_EQ(got[w].start, expected.wires[w].start) << "trial " << trial << " wire " << w;
      ASSERT_EQ(got[w].finish, expected.wires[w].finish) << "trial " << trial << " wire " << w;
    }
  }
}

} // namespace
} // namespace norvane
