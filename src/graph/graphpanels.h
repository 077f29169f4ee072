#pragma once
// The state of the graph window's controls, computed from the document and the window's logic
// so the widget layer only copies it onto its widgets (and layout() says where they go).

#include "document/plotsettings.h"

#include <array>
#include <string>

namespace norvane {

enum class GraphView { Rectangular, Chart, List };

// Tool buttons of the graph-type group ("Smith chart (Z)" stands for all three Smith types).
enum class GraphTypeButton { SquareGrid, Smith, Polar, DataList };

struct GraphPanelState
{
  GraphView view = GraphView::Rectangular;
  std::string caption; // "Norvane - " + file name

  GraphTypeButton graphTypeButton = GraphTypeButton::SquareGrid;
  bool logSweep = false;
  bool circlesOn = false;
  bool trace2LimitsEnabled = true; // "Trace &2 Limits" menu item: square grid only

  // Parameter radio buttons S11, S21, S12, S22 (index 0..3 = measwhat - 1).
  std::array<bool, 4> parameterEnabled{true, true, true, true};
  MeasuredParameter leftChecked =
      MeasuredParameter::S11; // Y1ax.measwhat, or polarmeaswhat on the charts
  MeasuredParameter rightChecked = MeasuredParameter::S11; // Y2ax.measwhat

  // Trace-type lists (rectangular graph only).
  int trace1ListIndex = 1;
  int trace2ListIndex = 1;

  // Value fields (engineering notation, 5 decimals, unit after the number). On the charts only
  // the top-left field shows, holding the chart magnitude M without a unit.
  double trace1Max = 0, trace1Min = 0, trace2Max = 0, trace2Min = 0;
  std::string trace1Unit, trace2Unit;
  double chartMagnitude = 1;

  // Bottom panel: "Start:" and "Stop:" (unit "Hz") and the points field (unit " points").
  double start = 0, stop = 0;
  int points = 0;

  bool sDataWarning = false; // the blinking "S data freq" notice
};

// Decimals of the value fields and the unit of the points field.
inline constexpr int kValueFieldDecimals = 5;
inline constexpr const char* kPointsFieldUnit = " points";
// Decimals of the "Start:" and "Stop:" fields (unit "Hz").
inline constexpr int kSweepFieldDecimals = 3;

// Positions computed by the paint handler for a client area of the given size (pixels).
struct GraphPanelLayout
{
  int sidePanelMid = 0;         // mid-height of the side panels: the round marks sit here
  int radioGroupTop = 0;        // 20 pixels above mid-height minus the group's height
  int traceListTop = 0;         // 20 pixels below mid-height
  int chartRadioGroupTop = 32;  // charts: the left group moves to 32 pixels from the top
  int pointsFieldLeft = 0;      // centred in the bottom panel
  int listColumnWidth = 0;      // data list: (window width - 30)·2/19
  int listFirstColumnWidth = 0; // 1.5 times that
  int scrollBarWidth = 0;       // status bar width - its left position - 22
};

struct GraphPanelSizes
{
  int sidePanelHeight = 0;
  int radioGroupHeight = 0;
  int bottomPanelWidth = 0;
  int pointsFieldWidth = 0;
  int windowWidth = 0;
  int statusBarWidth = 0;
  int scrollBarLeft = 0;
};

GraphPanelLayout graphPanelLayout(const GraphPanelSizes& s);

} // namespace norvane
