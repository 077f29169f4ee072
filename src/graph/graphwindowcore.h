#pragma once
// The graph window without its widgets: it receives the points of a simulation run (it is the
// run's RunDisplay), stores them, draws the rectangular graph or the chart into any canvas
// (window, bitmap, printer page), keeps the cursor and its readouts, and turns the user's
// choices on the window into document settings followed by a new simulation. The Qt window
// only forwards its events here and copies panelState() and readouts() onto its widgets.

#include "config/environment.h"
#include "document/schematic.h"
#include "graph/chartgeometry.h"
#include "graph/datalist.h"
#include "graph/graphcolors.h"
#include "graph/graphhost.h"
#include "graph/graphpanels.h"
#include "graph/graphreadouts.h"
#include "graph/intgeometry.h"
#include "graph/markerglyph.h"
#include "graph/markerpoints.h"
#include "graph/markertable.h"
#include "graph/noisecircles.h"
#include "graph/plotstore.h"
#include "graph/rectaxes.h"
#include "graph/rectlabels.h"
#include "graph/rectticks.h"
#include "graph/simulationrun.h"

#include <array>
#include <optional>
#include <string>

#include <vector>

namespace norvane {

// One row of the data list: frequency, then magnitude and angle of S11, S21, S12, S22.
using DataListRow = std::array<std::string, kDataListColumns>;

// The four value fields of the side panels.
enum class ValueField { Trace1Max, Trace1Min, Trace2Max, Trace2Min };

class GraphWindowCore final : public RunDisplay
{
public:
  GraphWindowCore(Schematic& doc, const Environment& env, GraphHost& host);

  // ---- The simulation run's display --------------------------------------------------------
  // The layout in this order: S data notice, parameter buttons, limits, the window shown,
  // a new plot, the data list's rows.
  void beginRun(const RunLayout& layout) override;
  void endRun(bool list, bool cursor) override;
  void showGraphWindow();
  void enableParameterButtons(bool port1, bool port2);
  void setSDataWarning(bool on);
  bool stabilityCircles() const override { return m_circlesOn; }
  void turnOffStabilityCircles() override;
  void SetSweepLimits(double start, double stop);
  void SetTrace1Limits(double min, double max);
  void SetTrace2Limits(double min, double max);
  void BeginPlot(PlotFormat plotformat, int freqmode);
  // Stores the point; the first one repaints the window (unless a multi-sweep run is going
  // on), every further one draws its segment at once.
  void AddPoint(const PlotPoint& point) override;
  void pointMeasures(const TwoPortMeasures& measures) override { m_pendingMeasures = measures; }
  // The stability read-out (circles on) and the figure traces' legends and read-outs.
  bool wantsMeasures() const override;
  void pointSwept(const SweepPoint& point) override { m_pendingSwept = point; }
  void reviseLastPoint(const PlotPoint& point) override;
  // After the last point: the cursor on the window, then the cursor handler.
  void DrawCursor();
  // List mode: the grid gets `rows` rows (the heading and one per point), each sweep point
  // fills its row, and the window shows the list anew at the end. The rows stay until the
  // next list-mode sweep.
  void beginDataList(int rows);
  void dataListRow(int row, const SweepPoint& point) override;
  void endDataList();
  // The data rows (list row 1 is element 0), nine cells each.
  const std::vector<DataListRow>& dataListRows() const { return m_list; }

  // ---- Drawing into any canvas -----------------------------------------------------------
  // Grid and traces of the current graph type into the given area. `printing` selects the
  // printer's pen width.
  void DrawGraph(Canvas& canvas, int left, int top, int width, int height, bool printing = false);
  // Cursor markers of half-size markerSize (and the stability circle on a chart) for the
  // given area; updates the readouts (1 digit).
  void DrawCursor(Canvas& canvas, int markerSize, int left, int top, int width, int height);
  // The window's paint: background, DrawGraph over the area and, with more than one point,
  // DrawCursor with marker size 2. This picture is what later incremental drawing and
  // cursor moves change.
  void paint(Canvas& canvas, const IntRect& area);

  // ---- Cursor ------------------------------------------------------------------------------
  int cursorMinimum() const { return 1; }
  int cursorMaximum() const; // numpoints + 1 (at most 501)
  int cursorPosition() const;
  // The scroll bar moved (or was set): erase the old markers, draw the new ones, update the
  // readouts (2 digits). With stability circles on a reflection chart the whole graph is
  // repainted instead, so the hatching does not flicker.
  void cursorChanged(int position);
  // Whether the cursor handler repaints the whole graph (circles shown on a S11/S22 chart).
  bool cursorRedrawsWholeGraph() const;
  const GraphReadouts& readouts() const { return m_readouts; }
  // The point a click at this pixel of the window's picture means (nearest by frequency on
  // the rectangular graph, by distance on the charts); 0 when nothing is plotted.
  int pointAtPixel(IntPoint pixel) const;

  // ---- Markers (graphwindowmarkers.cpp) ----------------------------------------------------
  // The document's markers, drawn over the graph like the cursor: each change erases their
  // signs on the window's picture by drawing them again and draws the new ones, then the
  // window refreshes its marker table. Numbers run 1..count.
  const GraphMarkers& markers() const { return m_doc.graphMarkers; }
  // The selected marker, which Delete, "Set Reference" and the max/min search act on; 0 when
  // none is.
  int selectedMarker() const;
  void selectMarker(int number);
  // The stored point a marker stands on; 0 when nothing is plotted.
  int markerPoint(int number) const;
  // Whether a marker can be added: a plot is there and fewer than eight markers are.
  bool canAddMarker() const;
  // A new marker at the cursor's point, or at the point a click at this pixel of the window's
  // picture means; it becomes the selected one. Its number, 0 when none was added.
  int addMarkerAtCursor();
  int addMarkerAtPixel(IntPoint pixel);
  // The marker whose sign covers this pixel of the window's picture; 0 when none does.
  int markerAtPixel(IntPoint pixel) const;
  // A dragged marker: to the point a click at this pixel means.
  void moveMarkerToPixel(int number, IntPoint pixel);
  void deleteSelectedMarker();
  void clearMarkers();
  // The selected marker (a new one when none is selected) to the largest or smallest value of
  // trace 1 or 2 on the rectangular graph, of the charted magnitude on a chart.
  void markerToExtreme(int trace, Extreme extreme);
  // The selected marker becomes the reference, or stops being it.
  void toggleReferenceOfSelected();
  // The rows the window's marker table shows.
  MarkerTable markerTable() const;

  // ---- Controls ----------------------------------------------------------------------------
  GraphPanelState panelState() const;
  // While the window copies panelState() onto its widgets their change handlers must not
  // start simulations; the window brackets that copying with setPainting(true/false).
  void setPainting(bool painting) { m_painting = painting; }
  bool painting() const { return m_painting; }

  // Graph type commands (plotformat 1..6) and the sweep commands (freqmode 1, 2).
  void setGraphType(PlotFormat plotformat);
  void setFreqMode(int freqmode);
  // Another item (0..4) in a trace-type list.
  void traceTypeChosen(int trace, int listIndex);
  // The "Graph Limit &Setup" menu title: the trace-1 list's item is applied again.
  void graphLimitSetupMenu();
  // A parameter radio button: side 1 is the left group, 2 the right.
  void parameterChosen(int side, MeasuredParameter measwhat);
  // A value field was left or Enter pressed, with the value it now holds.
  void valueFieldLeft(ValueField field, double value);
  // The "Start:", "Stop:" and points fields.
  void startFieldLeft(double hz);
  void stopFieldLeft(double hz);
  void pointsFieldLeft(double points);
  // The "Stability Circles" toggle.
  void setStabilityCircles(bool on);
  // The "Noise Circles" toggle: on a chart, the noise and available-gain circles of the
  // cursor's frequency in the source plane, with their values in the read-outs.
  void setNoiseCircles(bool on);
  bool noiseCircles() const override { return m_noiseCirclesOn; }
  // The circles the chart shows at the cursor; absent when the toggle is off, on the
  // rectangular graph or where the point has no noise parameters.
  std::optional<NoiseCircleSet> noiseCirclesAtCursor() const;

  // ---- Tolerance multi-sweep ---------------------------------------------------------------
  // Before the first run: room for `runs` runs; earlier runs are forgotten.
  void beginMultiSweep(int runs);
  // Runs 2..N are simulated in the multi-sweep tolerance mode: their first point does not
  // repaint the window and no cursor is drawn.
  void setMultiSweepRunInProgress(bool inProgress) { m_multiSweepRun = inProgress; }
  bool multiSweepRunInProgress() const { return m_multiSweepRun; }
  // After a run: its trace values are kept.
  void captureMultiSweepRun(int run);
  // All runs done: they are drawn under the traces of the next simulation (the final nominal
  // one) and stay until the simulation after it.
  void endMultiSweep();
  bool multiSweepResultShown() const { return m_runsShown; }

  // ---- Document exchange -------------------------------------------------------------------
  // Before saving: cursorpos and circleson into the document. After loading: back from it.
  void copyToDocument();
  void takeFromDocument();

  // ---- For tests and the print preview ---------------------------------------------------
  const PlotStore& points() const { return m_store; }
  PlotFormat plotFormat() const { return m_plotformat; }
  bool logarithmicAxis() const { return m_logX; }
  double sweepStart() const { return m_xMin; }
  double sweepStop() const { return m_xMax; }
  // The chart magnitude M the next paint uses (that of the charted parameter).
  double chartMagnitude() const;
  bool port1Present() const { return m_port1; }
  bool port2Present() const { return m_port2; }

private:
  struct Scaling
  {
    bool valid = false;
    IntRect area;
    PlotFormat plotformat = PlotFormat::Rectangular;
    FrequencyAxis x;
    ValueAxis y1, y2;
    ChartGeometry chart;
  };
  Scaling scalingFor(const IntRect& area) const;
  GraphColors colors() const { return graphColorsFrom(m_env); }
  // Units and legend of the rectangular graph's axes, from the traces' kinds and parameters.
  RectLabelling rectLabelling() const;
  // A trace's legend: its kind's, with MAG or MSG where one holds over the sweep, and a notice
  // when the circuit lacks a port the trace needs.
  std::string traceLegend(const TraceAxis& axis) const;
  // The figures of the plotted point at this position (none before the first run).
  const TwoPortMeasures* measuresAt(int position) const;
  // The value read-out of a trace: MAG/MSG says which one holds at the point.
  std::string traceReadout(const TraceAxis& axis, double value, int position, int digits) const;
  void addStabilityReadouts(GraphReadouts& r, int position, int digits) const;
  bool chartMode() const;
  bool reflectionChart() const;
  bool drawsStabilityCircle() const;
  // The noise and gain circles of the point at `position`, unless a multi-sweep is running.
  void drawNoiseCircles(Canvas& canvas, const Scaling& s, int position, int penWidth) const;
  void addNoiseReadouts(GraphReadouts& r, int position, int digits) const;
  int clampedCursor(int position) const;
  // Draws the cursor markers (and the stability circle when asked) and returns where the
  // markers went, so that drawing them again there erases them. With `within`, markers
  // outside that rectangle are left out.
  std::vector<CanvasPoint> drawMarkers(Canvas& canvas, const Scaling& s, int position,
                                       int markerSize, bool withCircle,
                                       const IntRect* within = nullptr);
  void updateReadouts(int position, int digits);
  // The marker signs for an area: sized by `scale`, without the selection when printing, and
  // those outside `within` left out.
  std::vector<MarkerGlyph> markerGlyphs(const Scaling& s, int scale, bool printing,
                                        const IntRect* within = nullptr) const;
  static void drawGlyphs(Canvas& canvas, const std::vector<MarkerGlyph>& glyphs);
  // After a change of the markers: the signs on the picture and the table follow.
  void markersChanged();
  void drawSegment(const PlotPoint& from, const PlotPoint& to);
  void resimulate();

  Schematic& m_doc;
  const Environment& m_env;
  GraphHost& m_host;
  RectTickCache m_ticks;

  PlotStore m_store;
  // The two-port figures of every stored point (index i for point i + 1), for the stability
  // read-outs and the MAG/MSG legend.
  std::vector<TwoPortMeasures> m_measures;
  TwoPortMeasures m_pendingMeasures;
  // The sweep points behind the stored points (index i for point i + 1), for the noise
  // circles.
  std::vector<SweepPoint> m_swept;
  SweepPoint m_pendingSwept;
  MultiSweepRuns m_runs;
  bool m_multiSweepRun = false;
  // Points were revised after their segments were drawn: the run ends with a full redraw.
  bool m_pointsRevised = false;
  bool m_runsShown = false;
  bool m_runsKeptForNextPlot = false;

  PlotFormat m_plotformat = PlotFormat::Rectangular;
  bool m_logX = false;
  double m_xMin = 0.0, m_xMax = 1.0;
  double m_y1Min = 0.0, m_y1Max = 1.0;
  double m_y2Min = 0.0, m_y2Max = 1.0;

  bool m_port1 = true, m_port2 = true;
  bool m_sDataWarning = false;
  bool m_circlesOn = false;
  bool m_noiseCirclesOn = false;
  bool m_painting = false;

  int m_cursor = 1;
  Scaling m_live;                         // scaling of the last paint of the window's picture
  std::vector<CanvasPoint> m_liveMarkers; // cursor markers now on that picture
  std::vector<MarkerGlyph> m_liveGlyphs;  // marker signs now on that picture
  bool m_glyphsLive = false;              // whether the picture holds them
  int m_selectedMarker = 0;

  GraphReadouts m_readouts;
  std::vector<DataListRow> m_list;
};

} // namespace norvane
