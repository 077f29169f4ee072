// One step of live tuning as the user feels it: the Up key in tune mode changes the chosen
// capacitor's value one place along E12 (alternately up and down, so the circuit stays the
// same from one iteration to the next), the 20-component circuit (an LC ladder of 7 nodes:
// 7 capacitors, 6 inductors, 7 grounds) is simulated again at 501 points into the graph
// window's core, which repaints the whole rectangular graph at the first point and draws
// every further segment through the Qt canvas into an off-screen QImage (640 x 400), then
// places its cursor.
//   BM_TuningStep             the step as described.
//   BM_TuningStepAndSchematic the same plus the schematic repainted into a 1500 x 1000 image,
//                             as the main window does after the step.

#include "ladder.h"

#include "common/qtcanvas.h"

#include "config/environment.h"
#include "editor/editorhost.h"
#include "editor/schematiceditor.h"
#include "editor/schematicpainter.h"
#include "graph/graphhost.h"
#include "graph/graphwindowcore.h"
#include "sim/simulate.h"
#include "support/scriptedprompts.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

namespace norvane::bench {
namespace {

// The graph window's picture without the window: an off-screen image kept open for drawing.
class ImageGraphHost : public GraphHost
{
public:
  ImageGraphHost() : image(640, 400, QImage::Format_RGB32), painter(&image), canvas(painter, 96) {}
  void simulate() override {}
  void repaintGraph() override { core->paint(canvas, area()); }
  Canvas* liveCanvas() override { return &canvas; }
  IntRect drawingArea() const override { return area(); }
  IntRect area() const { return {0, 0, image.width(), image.height()}; }

  GraphWindowCore* core = nullptr;
  QImage image;
  QPainter painter;
  QtCanvas canvas;
};

// The editor's window: the tuning dialog is cancelled, simulate runs the engine into the graph.
class BenchEditorHost : public EditorHost
{
public:
  void repaint() override {}
  void setCursor(EditorCursor) override {}
  bool editComponent(int) override { return false; }
  std::optional<std::string> editPortImpedance(const std::string&, const std::string&) override
  {
    return std::nullopt;
  }
  std::optional<TextItemEntry> editText(const TextItemEntry&) override { return std::nullopt; }
  std::optional<EditorCommand> showPopup(const PopupMenu&, Point) override { return std::nullopt; }
  void simulate() override { run(); }
  TextExtent textExtent(const std::string& text, const std::string&) override
  {
    return {static_cast<int>(text.size()) * 6, 12};
  }
  std::function<void()> run;
};

struct Bench
{
  Bench() : doc(ladderCircuit(7)), core(*doc, env, graph), editor(*doc, env, host, prompts)
  {
    fillBuiltInDefaults(env);
    graph.core = &core;
    doc->plotformat = plotformat::Rectangular;
    doc->Y1ax = {-60, 0, measwhat::S21, tracetype::Log20};
    doc->Y2ax = {-60, 0, measwhat::S11, tracetype::Log20};
    host.run = [this] { lastRun = simulateForDisplay(*doc, session, core, {}, prompts); };
    editor.setTuneMode(true);
    // Choose the first capacitor (at (20, 120)) as a click in tune mode does.
    editor.mousePress(MouseButton::Left, 20, 120);
    editor.mouseRelease(MouseButton::Left, 20, 120);
    editor.setTuneStep(TuneStep::E12);
  }
  Environment env;
  std::unique_ptr<Schematic> doc;
  ImageGraphHost graph;
  GraphWindowCore core;
  SimulationSession session;
  ScriptedPrompts prompts;
  BenchEditorHost host;
  SchematicEditor editor;
  SimulateResult lastRun;
};

void tuningStep(benchmark::State& state, bool withSchematic)
{
  Bench b;
  if (b.editor.tunedComponent() == 0) {
    state.SkipWithError("no component chosen for tuning");
    return;
  }
  QImage sheet(kDrawingAreaWidth, kDrawingAreaHeight, QImage::Format_RGB32);
  int direction = 1;
  for (auto _ : state) {
    b.editor.stepTunedValue(direction);
    direction = -direction;
    if (withSchematic) {
      QPainter painter(&sheet);
      QtCanvas canvas(painter, 96);
      paintSchematic(canvas, *b.doc, b.env, PaintScale{});
    }
    benchmark::DoNotOptimize(b.graph.image.constBits());
  }
  if (b.core.points().count() != 501 || !b.lastRun.ran)
    state.SkipWithError("the run did not give 501 points");
  state.counters["points"] = b.core.points().count();
  state.counters["components"] = b.doc->drawdat.components.count();
}

void BM_TuningStep(benchmark::State& state)
{
  tuningStep(state, false);
}

void BM_TuningStepAndSchematic(benchmark::State& state)
{
  tuningStep(state, true);
}

BENCHMARK(BM_TuningStep)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TuningStepAndSchematic)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace norvane::bench

int main(int argc, char** argv)
{
  // Fonts and images need a GUI application; no display is needed.
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
