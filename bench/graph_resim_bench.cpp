// What the user waits for after changing a setting in the graph window: one whole simulation
// run of a 20-component circuit (an LC ladder of 7 nodes: 7 capacitors, 6 inductors, 7
// grounds) over 501 points, fed point by point into the graph window's core, which draws
// every new trace segment at once and repaints the whole graph at the first point, then
// places the cursor.
//   BM_GraphResimulate   the rectangular graph (two dB traces) including those redraws.
//   BM_ChartResimulate   the same run shown as a Smith chart.
//   BM_GraphRedraw       one full redraw of the finished 501-point graph alone.
// The canvas draws nothing, so the figures are the program's own work; the pixels are
// Qt's, measured by the widget tests' pictures rather than here.

#include "ladder.h"

#include "config/environment.h"
#include "graph/graphhost.h"
#include "graph/graphwindowcore.h"
#include "platform/canvas.h"
#include "sim/simulate.h"
#include "support/scriptedprompts.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace norvane::bench {
namespace {

// A canvas that only counts its drawing calls.
class NullCanvas : public Canvas
{
public:
  int pixelsPerInch() const override { return 96; }
  void rectangle(int, int, int, int) override { ++calls; }
  void fillRect(int, int, int, int) override { ++calls; }
  void frameRect(int, int, int, int) override { ++calls; }
  void ellipse(int, int, int, int) override { ++calls; }
  void arc(int, int, int, int, int, int, int, int) override { ++calls; }
  void polygon(const std::vector<CanvasPoint>&) override { ++calls; }
  void setPixel(int, int, Color) override { ++calls; }
  void textOut(int, int, const std::string&) override { ++calls; }
  TextExtent textExtent(const std::string& text) override
  {
    return {static_cast<int>(text.size()) * 6, 12};
  }
  long long calls = 0;

protected:
  void drawLine(CanvasPoint, CanvasPoint) override { ++calls; }
};

// The graph window without widgets: its picture is the null canvas.
class BenchHost : public GraphHost
{
public:
  void simulate() override {}
  void repaintGraph() override { core->paint(canvas, area); }
  Canvas* liveCanvas() override { return &canvas; }
  IntRect drawingArea() const override { return area; }

  GraphWindowCore* core = nullptr;
  NullCanvas canvas;
  IntRect area{0, 0, 640, 400};
};

struct Bench
{
  explicit Bench(PlotFormat plotformat) : doc(ladderCircuit(7)), core(*doc, env, host)
  {
    fillBuiltInDefaults(env);
    host.core = &core;
    doc->plotformat = plotformat;
    doc->Y1ax = {-60, 0, measwhat::S21, tracetype::Log20};
    doc->Y2ax = {-60, 0, measwhat::S11, tracetype::Log20};
    doc->polarmeaswhat = measwhat::S11;
    doc->polarS11mag = 1;
  }
  Environment env;
  std::unique_ptr<Schematic> doc;
  BenchHost host;
  GraphWindowCore core;
  SimulationSession session;
  ScriptedPrompts prompts;
};

// The bench lives on the heap. As a local of some 30 kB its place on the stack moved with the
// size of every member, and with it the redraw's figure, by up to 12 % between builds whose
// drawing code was the same instruction for instruction (data that share their offsets
// within a page slow the processor's loads).
std::unique_ptr<Bench> makeBench(PlotFormat plotformat)
{
  return std::make_unique<Bench>(plotformat);
}

void resimulate(benchmark::State& state, PlotFormat plotformat)
{
  const auto bench = makeBench(plotformat);
  Bench& b = *bench;
  for (auto _ : state) {
    const SimulateResult r = simulateForDisplay(*b.doc, b.session, b.core, {}, b.prompts);
    benchmark::DoNotOptimize(r.points);
  }
  if (b.core.points().count() != 501) state.SkipWithError("the run did not give 501 points");
  state.counters["points"] = b.core.points().count();
  state.counters["components"] = b.doc->drawdat.components.count();
}

void BM_GraphResimulate(benchmark::State& state)
{
  resimulate(state, plotformat::Rectangular);
}

void BM_ChartResimulate(benchmark::State& state)
{
  resimulate(state, plotformat::SmithZ);
}

void BM_GraphRedraw(benchmark::State& state)
{
  const auto bench = makeBench(plotformat::Rectangular);
  Bench& b = *bench;
  simulateForDisplay(*b.doc, b.session, b.core, {}, b.prompts);
  for (auto _ : state) {
    b.host.repaintGraph();
    benchmark::DoNotOptimize(b.host.canvas.calls);
  }
}

BENCHMARK(BM_GraphResimulate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChartResimulate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GraphRedraw)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace norvane::bench
