// Pictures of the graph window for the documentation (docs/graph-*.png).

#include "pictures_support.h"
#include "ui/graph_support.h"

#include "document/pins.h"
#include "graph/graphdrawingarea.h"

#include <QScrollBar>
#include <QTest>

namespace norvane {
namespace {

using pictures::save;

using graphtest::GraphWindowTest;

// A common-emitter stage: port 1 on the base, port 2 on the collector, emitter grounded.
void commonEmitter(Schematic& doc)
{
  Component q = doc.lastBipolar;
  q.ctype = ComponentType::Bipolar;
  q.crot = 1;
  q.position = {300, 200};
  computePinPositions(q);
  const Point c = q.pins.nodes[1], b = q.pins.nodes[2], e = q.pins.nodes[3];
  doc.drawdat.components.append(q);
  Component g;
  g.ctype = ComponentType::Ground;
  g.crot = 1;
  g.position = {e.x, e.y + 10};
  computePinPositions(g);
  doc.drawdat.components.append(g);
  doc.drawdat.P1.pos = {b.x - 20, b.y};
  doc.drawdat.P1.crot = 1;
  doc.drawdat.P2.pos = {c.x + 20, c.y};
  doc.drawdat.P2.crot = 1;
}

TEST_F(GraphWindowTest, Screenshots)
{

  // The low-pass filter's S21 and S11 in dB over a logarithmic sweep.
  load("lowpass3.cct");
  GraphWindow& w = window();
  w.resize(820, 560);
  ASSERT_TRUE(w.runSimulation().ran);
  w.cursorScrollBar()->setValue(101);
  save(w, "graph-filter-db.png");

  // The data list of the same filter.
  w.runCommand(GraphCommand::List);
  save(w, "graph-data-list.png");

  // A transistor stage's input on the Smith chart with the stability circle at the cursor.
  clearSchematic(doc, env);
  commonEmitter(doc);
  doc.Xax = {50e6, 3e9, 100, false, freqmode::Logarithmic};
  doc.plotformat = plotformat::SmithZ;
  doc.polarmeaswhat = measwhat::S11;
  w.runSimulation();
  w.toolAction(GraphTool::StabilityCircles)->trigger();
  ASSERT_TRUE(w.core().stabilityCircles()) << prompts.lastText();
  w.cursorScrollBar()->setValue(40);
  save(w, "graph-smith-stability.png");
}

} // namespace
} // namespace norvane
