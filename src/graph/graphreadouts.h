#pragma once
// Everything the graph window shows as text about the cursor point and the chart: the three
// status-bar readouts, the "Chart Zo=" panel, the impedance/admittance and equivalent-circuit
// panels, the dB panels of a transmission chart and the stability-circle legend.

#include "graph/chartreadouts.h"
#include "platform/canvas.h"

#include <string>
#include <vector>

namespace norvane {

struct GraphReadouts
{
  std::string frequency; // "f=1.5GHz"
  std::string value1;    // trace-1 value + unit, or the chart magnitude
  std::string value2;    // trace-2 value + unit, or the chart angle + "Deg"
  Color mark2Color = 0;  // trace-2 mark: trace2color (rectangular) or trace1color (charts)

  bool chartZoVisible = false; // "Chart Zo=" panel (S11, S22 charts)
  std::string chartZo;         // "50R"

  bool impedanceVisible = false; // "Impedance", "Admittance", "Series"/"Parallel" "Equivalent"
  ImpedancePanelTexts impedance;

  bool gainVisible = false; // "dB Mag" "(20log[V])" and "(10log[P])" (S21, S12 charts)
  GainPanelTexts gain;

  bool legendVisible = false; // stability-circle legend
  std::string legendPort;     // "Port 1" or "Port 2"

  // With the legend: the verdict over the sweep ("unconditionally stable" or "Potentially
  // unstable: 100 MHz - 450 MHz, ...") and the figures at the cursor ("K=0.812",
  // "mu1=0.903", "MSG=18.06dB"; mu2 on a port-2 chart).
  std::string stabilityVerdict;
  // The same in short lines for the side panel: "Potentially", "unstable:", "100 MHz -",
  // "450 MHz", ..., "K=0.812", "mu1=0.903", "MSG=18.06dB".
  std::vector<std::string> stabilityLines;

  // The noise-circle panel: "NFmin=0.62dB", "Gopt=0.41 108.2Deg", "Rn=9.8R", then the value
  // of each circle drawn ("NF 1.12dB", "GA 15.3dB").
  bool noiseVisible = false;
  std::vector<std::string> noiseLines;
};

// The fixed texts of the legend's two framed boxes.
inline constexpr const char* kLegendTexts[5] = {"stability", "circle.", "Shaded", "area",
                                                "unstable"};

} // namespace norvane
