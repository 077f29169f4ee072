// Odd and broken documents: every run ends with messages or results, never with a crash, and
// nothing it hands on is NaN or infinite.

#include "sim/simulate.h"

#include "graph/datalist.h"
#include "graph/sweep_support.h"
#include "sim/listing.h"
#include "sim/netlist_support.h"
#include "sim/results.h"
#include "support/scriptedprompts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

namespace norvane {
namespace {

using testing::Circuit;
using testing::RecordingOutput;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

bool hasBadText(const std::string& s)
{
  return s.find("nan") != std::string::npos || s.find("inf") != std::string::npos ||
         s.find("NAN") != std::string::npos || s.find("INF") != std::string::npos;
}

void checkRun(Schematic doc, const std::string& what)
{
  for (PlotFormat format :
       {plotformat::Rectangular, plotformat::SmithZ, plotformat::Polar, plotformat::DataList}) {
    SCOPED_TRACE(what + ", plotformat " + std::to_string(static_cast<int>(format)));
    Schematic copy = doc;
    copy.plotformat = format;
    copy.Y1ax.tracetype = tracetype::GroupDelay;
    RecordingOutput out;
    out.circles = true;
    ScriptedPrompts prompts;
    SimulationSession session;
    const SimulateResult r = simulateForDisplay(copy, session, out, out.chores, prompts);
    for (const PlotPoint& p : out.plotted) {
      for (double v : {p.freq, p.trace1, p.trace2, p.circleCentreRe, p.circleCentreIm,
                       p.circleRadius, p.stability}) {
        ASSERT_TRUE(std::isfinite(v));
      }
    }
    for (const SweepPoint& p : out.points) {
      ASSERT_TRUE(std::isfinite(p.freq));
      for (const auto& cell : formatDataListRow(p)) {
        ASSERT_FALSE(hasBadText(cell)) << cell;
      }
      ASSERT_FALSE(hasBadText(formatResultFileLine(p)));
      ASSERT_FALSE(hasBadText(formatCsvLine(p)));
    }
    EXPECT_LE(static_cast<int>(out.points.size()), kPlotPointCapacity);
    if (!r.ran) {
      EXPECT_FALSE(prompts.messages.empty());
    }
    ScriptedPrompts listingPrompts;
    for (const auto& line : listNetlist(copy, listingPrompts)) {
      ASSERT_FALSE(hasBadText(line)) << line;
    }
  }
}

TEST(SweepMalformed, OddDocumentsNeverCrash)
{
  struct Case
  {
    const char* what;
    std::function<void(Circuit&)> spoil;
  };
  const Case cases[] = {
      {"zero inductance", [](Circuit& c) { c.add(ComponentType::Inductor, 180, 120, 1, 0.0); }},
      {"zero resistance", [](Circuit& c) { c.add(ComponentType::Resistor, 180, 120, 1, 0.0); }},
      {"NaN capacitance", [](Circuit& c) { c.add(ComponentType::Capacitor, 180, 120, 1, kNaN); }},
      {"infinite resistance",
       [](Circuit& c) { c.add(ComponentType::Resistor, 180, 120, 1, kInf); }},
      {"unknown kind", [](Circuit& c) { c.add(kindOfCode(99), 180, 120, 1, 1.0); }},
      {"kind zero", [](Circuit& c) { c.add(kindOfCode(0), 180, 120, 1, 1.0); }},
      {"block without data", [](Circuit& c) { c.add(ComponentType::SParam2, 180, 130, 1, 77.0); }},
      {"line of zero velocity",
       [](Circuit& c) {
         Component& t = c.add(ComponentType::TxLine, 180, 120, 1, 50.0);
         t.value[3].nom = 0.1;
       }},
      {"transformer without turns",
       [](Circuit& c) { c.add(ComponentType::Transformer, 180, 120, 1, 0.0); }},
      {"mutual with zero turns",
       [](Circuit& c) {
         Component& m = c.add(ComponentType::Mutual, 180, 120, 1, 0.0);
         m.value[5].TolEn = true;
         m.value[1].TolEn = true;
       }},
      {"bipolar of zeros", [](Circuit& c) { c.add(ComponentType::Bipolar, 180, 120, 1, 0.0); }},
      {"op-amp of zeros", [](Circuit& c) { c.add(ComponentType::OpAmp, 180, 120, 1, 0.0); }},
      {"controlled sources",
       [](Circuit& c) {
         const int first = kindCode(ComponentType::VCVS);
         for (int k = first; k <= kindCode(ComponentType::CCCS); ++k) {
           c.add(kindOfCode(k), 180, 120 + 60 * (k - first), 1, 1e30);
         }
       }},
      {"bad sweep",
       [](Circuit& c) {
         c.doc.Xax = {kNaN, -kInf, -3, true, 9};
       }},
      {"huge sweep",
       [](Circuit& c) {
         c.doc.Xax = {1e-300, 1e300, 2000000000, false, 2};
       }},
      {"bad display codes",
       [](Circuit& c) {
         c.doc.Y1ax.measwhat = static_cast<MeasuredParameter>(9);
         c.doc.Y2ax.measwhat = static_cast<MeasuredParameter>(-1);
         c.doc.Y2ax.tracetype = static_cast<TraceType>(42);
         c.doc.polarmeaswhat = static_cast<MeasuredParameter>(0);
       }},
      {"bad port impedance", [](Circuit& c) { c.doc.drawdat.P2.Zo = kNaN; }},
      {"ports off sheet",
       [](Circuit& c) {
         c.doc.drawdat.P2.pos = {-5, 100};
       }},
      {"port orientation 7", [](Circuit& c) { c.doc.drawdat.P1.crot = 7; }},
      {"component orientation 7",
       [](Circuit& c) { c.add(ComponentType::Resistor, 180, 120, 7, 10.0); }},
      {"zero-length and diagonal wires",
       [](Circuit& c) {
         c.wire(120, 100, 120, 100);
         c.wire(120, 100, 170, 150);
         c.wire(170, 150, 170, 150);
       }},
  };
  for (const Case& k : cases) {
    Circuit c = Circuit::series(ComponentType::Resistor, 25.0);
    c.add(ComponentType::Resistor, 160, 120, 1,
          100.0); // a shunt at port 2, so the circuit is useful
    c.add(ComponentType::Ground, 160, 150);
    k.spoil(c);
    checkRun(c.doc, k.what);
  }
}

TEST(SweepMalformed, EmptyAndDegenerateDrawings)
{
  checkRun(Circuit().doc, "empty document");
  Circuit grounds;
  grounds.port1(100, 100);
  grounds.add(ComponentType::Ground, 120, 110);
  checkRun(grounds.doc, "port on a ground");
  Circuit stack; // many components on one spot
  stack.port1(100, 100);
  for (int k = 0; k < 50; ++k) {
    stack.add(ComponentType::Resistor, 120, 120, 1, 50.0);
  }
  stack.add(ComponentType::Ground, 120, 150);
  checkRun(stack.doc, "stacked resistors");
}

} // namespace
} // namespace norvane
