#include "graph/dialogplacement.h"
#include "graph/polarsetup.h"
#include "graph/sweepsetup.h"
#include "graph/tracesetup.h"

#include "config/environment.h"
#include "document/clearschematic.h"
#include "sim/plotpoint.h"
#include "document_support.h"

#include <gtest/gtest.h>

#include <cmath>

namespace norvane {
namespace {

using testing::freshDocument;

TEST(DialogPlacement, CentredOverTheGraphWindow)
{
  EXPECT_EQ(centredOver({100, 100, 450, 350}, 301, 200), (IntPoint{100 + 74, 100 + 75}));
}

TEST(TraceSetup, PrepareFillsFromTheTraceAndMarksChangedFieldsEdited)
{
  Schematic doc = freshDocument();
  doc.Y2ax = {-50, 10, measwhat::S11, tracetype::Phase};
  TraceSetupLogic dlg;
  dlg.prepare(doc, 2, TraceSetupLogic::Focus::Maximum);
  EXPECT_EQ(dlg.caption(), "Trace 2 setup");
  EXPECT_EQ(dlg.measure(), measwhat::S11);
  EXPECT_EQ(dlg.showAs(), TraceShowAs::Phase);
  EXPECT_EQ(dlg.unitLabel(), "Deg");
  EXPECT_EQ(dlg.maxText(), "10.00");
  EXPECT_EQ(dlg.minText(), "-50.00");
  EXPECT_TRUE(dlg.maximumEdited()); // the texts changed from the empty ones
  EXPECT_FALSE(dlg.resimulate());
  EXPECT_EQ(dlg.focus(), TraceSetupLogic::Focus::Maximum);

  // Opening it again on the same values leaves the flags clear.
  dlg.prepare(doc, 2, TraceSetupLogic::Focus::Measure);
  EXPECT_FALSE(dlg.maximumEdited());
  EXPECT_FALSE(dlg.minimumEdited());
}

TEST(TraceSetup, ChoosingPhaseLoadsAndRewritesTheRememberedPhasePair)
{
  Schematic doc = freshDocument();
  doc.Y1ax = {-40, 10, measwhat::S21, tracetype::Log20};
  TraceSetupLogic dlg;
  dlg.prepare(doc, 1, TraceSetupLogic::Focus::ShowAs);
  dlg.prepare(doc, 1, TraceSetupLogic::Focus::ShowAs); // flags clear
  dlg.clickShowAs(doc, TraceShowAs::Phase);
  EXPECT_EQ(dlg.maxText(), "180.000");
  EXPECT_EQ(dlg.minText(), "-180.000");
  EXPECT_TRUE(dlg.maximumEdited());
  EXPECT_TRUE(dlg.resimulate());
  dlg.ok(doc);
  EXPECT_EQ(doc.Y1ax.tracetype, tracetype::Phase);
  EXPECT_DOUBLE_EQ(doc.Y1ax.max, 180);
  EXPECT_DOUBLE_EQ(doc.Y1ax.min, -180);
  EXPECT_DOUBLE_EQ(doc.mmPhase.max, 180);
  EXPECT_DOUBLE_EQ(doc.mmdB.max, 10); // the dB pair is untouched
}

TEST(TraceSetup, EditedLimitsGoToTheNewKindsPair)
{
  Schematic doc = freshDocument();
  doc.Y1ax = {-40, 10, measwhat::S21, tracetype::Log20};
  TraceSetupLogic dlg;
  dlg.prepare(doc, 1, TraceSetupLogic::Focus::Measure);
  dlg.prepare(doc, 1, TraceSetupLogic::Focus::Measure);
  dlg.clickShowAs(doc, TraceShowAs::Linear);
  dlg.setMaxText("2.5");
  dlg.clickMeasure(measwhat::S12);
  dlg.ok(doc);
  EXPECT_EQ(doc.Y1ax.measwhat, measwhat::S12);
  EXPECT_EQ(doc.Y1ax.tracetype, tracetype::Linear);
  EXPECT_DOUBLE_EQ(doc.Y1ax.max, 2.5);
  EXPECT_DOUBLE_EQ(doc.mmLin.max, 2.5);
  EXPECT_DOUBLE_EQ(doc.mmLin.min, 0);

  // Unedited limits do not touch the remembered pair; a non-number is refused and leaves
  // the document as it was until the text reads.
  Schematic other = freshDocument();
  other.Y1ax = {-40, 10, measwhat::S21, tracetype::Log20};
  other.mmdB = {99, -99};
  TraceSetupLogic d2;
  d2.prepare(other, 1, TraceSetupLogic::Focus::Measure);
  d2.prepare(other, 1, TraceSetupLogic::Focus::Measure);
  d2.setMinText("lots");
  EXPECT_FALSE(d2.ok(other));
  EXPECT_TRUE(d2.maximumReads());
  EXPECT_DOUBLE_EQ(other.Y1ax.min, -40);
  EXPECT_DOUBLE_EQ(other.mmdB.min, -99);
  d2.setMinText("0");
  EXPECT_TRUE(d2.ok(other));
  EXPECT_DOUBLE_EQ(other.Y1ax.min, 0);
  EXPECT_DOUBLE_EQ(other.Y1ax.max, 10);
  EXPECT_DOUBLE_EQ(other.mmdB.min, 0);
  EXPECT_DOUBLE_EQ(other.mmdB.max, 99);

  // The polar dialog refuses its "Mag" the same way; exponent notation reads.
  PolarSetupLogic polar;
  polar.prepare(other, true);
  const double magnitudeBefore = polarMagnitude(other, polar.parameter());
  polar.setMagnitudeText("big");
  EXPECT_FALSE(polar.ok(other));
  EXPECT_DOUBLE_EQ(polarMagnitude(other, polar.parameter()), magnitudeBefore);
  polar.setMagnitudeText("2.5e-1");
  EXPECT_TRUE(polar.ok(other));
  EXPECT_DOUBLE_EQ(polarMagnitude(other, polar.parameter()), 0.25);
}

TEST(TraceSetup, GroupDelayKeepsTheButtonOfThePreviousUse)
{
  Schematic doc = freshDocument();
  doc.Y1ax = {0, 1e-6, measwhat::S21, tracetype::GroupDelay};
  TraceSetupLogic fresh;
  fresh.prepare(doc, 1, TraceSetupLogic::Focus::Measure);
  EXPECT_EQ(fresh.showAs(), TraceShowAs::None);
  fresh.ok(doc);
  EXPECT_EQ(doc.Y1ax.tracetype, tracetype::GroupDelay);

  TraceSetupLogic used;
  Schematic lin = freshDocument();
  lin.Y2ax.tracetype = tracetype::Linear;
  used.prepare(lin, 2, TraceSetupLogic::Focus::Measure);
  used.prepare(doc, 1, TraceSetupLogic::Focus::Measure);
  EXPECT_EQ(used.showAs(), TraceShowAs::Linear);
  EXPECT_EQ(used.unitLabel(), "");
  used.ok(doc);
  EXPECT_EQ(doc.Y1ax.tracetype, tracetype::Linear);
}

TEST(PolarSetup, MagnitudeOfTheCheckedParameter)
{
  Schematic doc = freshDocument();
  doc.polarmeaswhat = measwhat::S21;
  PolarSetupLogic dlg;
  dlg.prepare(doc, false);
  EXPECT_EQ(dlg.parameter(), measwhat::S21);
  EXPECT_EQ(dlg.magnitudeText(), "10");
  EXPECT_FALSE(dlg.parameterChanged());
  dlg.setMagnitudeText("2.5");
  dlg.ok(doc);
  EXPECT_DOUBLE_EQ(doc.polarS21mag, 2.5);
  EXPECT_DOUBLE_EQ(doc.polarS11mag, 1);

  dlg.prepare(doc, true);
  dlg.clickParameter(measwhat::S22);
  EXPECT_TRUE(dlg.parameterChanged());
  dlg.ok(doc);
  EXPECT_EQ(doc.polarmeaswhat, measwhat::S22);
  EXPECT_DOUBLE_EQ(doc.polarS22mag, 2.5); // "Mag" still held the S21 value
  EXPECT_DOUBLE_EQ(polarMagnitude(doc, measwhat::S22), 2.5);
}

TEST(SweepSetup, EntriesAndPointClamping)
{
  Schematic doc = freshDocument();
  doc.plotformat = plotformat::Rectangular;
  doc.Xax.centspan = true;
  SweepSetupLogic dlg;
  dlg.activate(doc);
  EXPECT_FALSE(doc.Xax.centspan);
  EXPECT_EQ(dlg.start.text(), "1kHz");
  EXPECT_EQ(dlg.stop.text(), "10GHz");
  EXPECT_EQ(dlg.pointsText, "101");

  dlg.start.setText("10MHz");
  dlg.stop.setText("1G");
  dlg.stop.focusOut();
  EXPECT_EQ(dlg.stop.text(), "1GHz");
  dlg.pointsText = "201";
  dlg.ok(doc);
  EXPECT_DOUBLE_EQ(doc.Xax.min, 1e7);
  EXPECT_DOUBLE_EQ(doc.Xax.max, 1e9);
  EXPECT_EQ(doc.Xax.numpoints, 200);

  EXPECT_EQ(sweepIntervalsFromPoints(1), 1);
  EXPECT_EQ(sweepIntervalsFromPoints(0), 1);
  EXPECT_EQ(sweepIntervalsFromPoints(-7), 1);
  EXPECT_EQ(sweepIntervalsFromPoints(2), 1);
  EXPECT_EQ(sweepIntervalsFromPoints(1000), 500);
  EXPECT_EQ(sweepIntervalsFromPoints(501), 500);
  EXPECT_EQ(sweepIntervalsFromPoints(51.4), 50);

  // Centre/span entry survives activation on a chart.
  doc.plotformat = plotformat::SmithZ;
  doc.Xax.centspan = true;
  dlg.activate(doc);
  EXPECT_TRUE(doc.Xax.centspan);
}

} // namespace
} // namespace norvane
