#include "document/clearschematic.h"
#include "document/placement.h"

#include <gtest/gtest.h>

namespace norvane {
namespace {

void expectTol(const ToleranceValue& v, double nom, double mintol, double maxtol, bool en, bool pct,
               const char* what)
{
  SCOPED_TRACE(what);
  EXPECT_EQ(v.nom, nom);
  EXPECT_EQ(v.mintol, mintol);
  EXPECT_EQ(v.maxtol, maxtol);
  EXPECT_EQ(v.TolEn, en);
  EXPECT_EQ(v.TolPercent, pct);
}

TEST(ClearSchematic, DefaultsOfANewSchematic)
{
  Environment env;
  env.lowfreq = 2e6;
  env.highfreq = 3e9;
  env.numpoints = 250;
  env.mindB = -70;
  env.maxdB = 5;

  Schematic doc;
  clearSchematic(doc, env);

  EXPECT_EQ(doc.mmdB, (DisplayRange{10, -40}));
  EXPECT_EQ(doc.mmLin, (DisplayRange{1, 0}));
  EXPECT_EQ(doc.mmPhase, (DisplayRange{180, -180}));
  EXPECT_EQ(doc.mmGrpDelay, (DisplayRange{1e-6, 0}));
  EXPECT_EQ(doc.plotformat, PlotFormat::Rectangular);
  EXPECT_EQ(doc.current2port, 1);
  EXPECT_EQ(doc.current1port, 1);
  EXPECT_EQ(doc.Xax, (SweepAxis{2e6, 3e9, 250, false, 2}));
  EXPECT_EQ(doc.Y1ax, (TraceAxis{-70, 5, MeasuredParameter::S21, TraceType::Log20}));
  EXPECT_EQ(doc.Y2ax, (TraceAxis{-70, 5, MeasuredParameter::S11, TraceType::Log20}));
  EXPECT_EQ(doc.polarS11mag, 1);
  EXPECT_EQ(doc.polarS21mag, 10);
  EXPECT_EQ(doc.polarS12mag, 1);
  EXPECT_EQ(doc.polarS22mag, 1);
  EXPECT_EQ(doc.polarmeaswhat, MeasuredParameter::S11);

  for (const Port* p : {&doc.drawdat.P1, &doc.drawdat.P2}) {
    EXPECT_EQ(p->pos, kPortNotPlaced);
    EXPECT_EQ(p->Zo, 50);
    EXPECT_FALSE(p->selected);
  }
  EXPECT_EQ(doc.drawdat.components.count(), 0);
  EXPECT_EQ(doc.drawdat.wires.count(), 0);
  EXPECT_EQ(doc.drawdat.lines.count(), 0);
  EXPECT_EQ(doc.drawdat.texts.count(), 0);
  EXPECT_EQ(doc.drawdat.UnconnectedMarkers.count(), 0);

  expectTol(doc.lastC.value[1], 1e-11, -2, 2, true, true, "C1");
  EXPECT_EQ(doc.lastC.value[2].nom, 200);
  EXPECT_EQ(doc.lastC.value[3].nom, 1e8);
  EXPECT_EQ(doc.lastC.value[4].nom, 1e9);
  EXPECT_EQ(doc.lastC.value[5].nom, 1);
  EXPECT_FALSE(doc.lastC.value[5].TolEn);
  expectTol(doc.lastL.value[1], 1e-8, -5, 5, true, true, "L1");
  EXPECT_EQ(doc.lastL.value[2].nom, 50);
  EXPECT_EQ(doc.lastL.value[5].nom, 1);
  expectTol(doc.lastR.value[1], 50, -1, 1, true, true, "R1");
  EXPECT_EQ(doc.lastopamp.value[1].nom, 1e6);
  EXPECT_EQ(doc.lastopamp.value[2].nom, 0.1);
  EXPECT_EQ(doc.lastopamp.value[3].nom, 1e6);
  for (const Component* t : {&doc.lastVCVS, &doc.lastVCCS, &doc.lastCCVS, &doc.lastCCCS}) {
    EXPECT_EQ(t->value[1].nom, 1);
  }
  expectTol(doc.lasttxln.value[1], 50, -5, 5, true, false, "TL1");
  EXPECT_EQ(doc.lasttxln.value[2].nom, 3e8);
  expectTol(doc.lasttxln.value[3], 0.01, -2, 2, true, true, "TL3");
  expectTol(doc.lastTransformer.value[1], 1, 1, 0, false, false, "T1");
  EXPECT_EQ(doc.lastTransformer.value[2].nom, 1e-8);
  EXPECT_EQ(doc.lastTransformer.value[3].nom, 1);
  expectTol(doc.lastBipolar.value[1], 100, 0, 0, false, false, "Q1");
  expectTol(doc.lastBipolar.value[2], 16, 10, 5000, false, false, "Q2");
  expectTol(doc.lastBipolar.value[3], 1e-12, 5e-13, 1e-11, false, false, "Q3");
  expectTol(doc.lastBipolar.value[4], 5e-10, 3e7, 5e-10, false, false, "Q4");
  expectTol(doc.lastBipolar.value[5], 0.005, 3e9, 0, true, false, "Q5");
}

TEST(ClearSchematic, LeavesWhatOutlivesANewSchematic)
{
  Environment env;
  Schematic doc;
  doc.cursorpos = 17;
  doc.circleson = true;
  doc.simulated = true;
  doc.spareText = "x";
  doc.scaleNum = 3;
  doc.drawdat.onePortBlockCounter = 4;
  doc.drawdat.twoPortBlockCounter = 6;
  doc.drawdat.P1.crot = 2;
  doc.lastMutual.value[2].nom = 7e-9;
  doc.lastR.value[2].nom = 123; // not a listed default
  doc.lastR.name = "Rtemplate";
  doc.datasets.twoPort[3].name = "amp.s2p";
  doc.datasets.twoPort[3].index = 3;
  doc.datasets.twoPort[3].points.append({1e9, {0.5, 0}, {2, 1}, {0.1, 0}, {0.3, 0}});
  doc.datasets.onePort[50].name = "load.s1p";
  doc.datasets.onePort[50].points.append({1e9, {0.5, 0}});
  Component r;
  r.ctype = ComponentType::Resistor;
  doc.drawdat.components.append(r);
  doc.drawdat.UnconnectedMarkers.append({1, 2});

  clearSchematic(doc, env);

  EXPECT_EQ(doc.cursorpos, 17);
  EXPECT_TRUE(doc.circleson);
  EXPECT_TRUE(doc.simulated);
  EXPECT_EQ(doc.spareText, "");
  EXPECT_EQ(doc.scaleNum, 1);
  EXPECT_EQ(doc.scaleDen, 1);
  EXPECT_EQ(doc.drawdat.onePortBlockCounter, 4);
  EXPECT_EQ(doc.drawdat.twoPortBlockCounter, 0);
  EXPECT_EQ(doc.drawdat.P1.crot, 2);
  EXPECT_EQ(doc.lastMutual.value[2].nom, 7e-9);
  EXPECT_EQ(doc.lastR.value[2].nom, 123);
  EXPECT_EQ(doc.lastR.name, "Rtemplate");
  EXPECT_EQ(doc.datasets.twoPort[3].numpoints(), 0);
  EXPECT_EQ(doc.datasets.twoPort[3].name, "amp.s2p");
  EXPECT_EQ(doc.datasets.twoPort[3].index, 3);
  EXPECT_EQ(doc.datasets.onePort[50].numpoints(), 0);
  EXPECT_EQ(doc.datasets.onePort[50].name, "load.s1p");
  EXPECT_EQ(doc.drawdat.components.count(), 0);
  EXPECT_EQ(doc.drawdat.UnconnectedMarkers.count(), 0);
  EXPECT_EQ(doc.Xax.numpoints, 100);
  EXPECT_EQ(doc.Xax.min, 1000);
  EXPECT_EQ(doc.Xax.max, 1e10);
}

class Placement : public ::testing::Test
{
protected:
  void SetUp() override { clearSchematic(doc, env); }
  Environment env;
  Schematic doc;
};

TEST_F(Placement, CopiesTheTemplateValuesOfTheKind)
{
  doc.lastR.value[1].nom = 470;
  doc.lastR.value[4].nom = 99; // beyond the three values a resistor takes
  doc.lastR.name = "not copied";
  const PlacementResult r = placeComponent(doc, ComponentType::Resistor, 2, {100, 100});
  ASSERT_TRUE(r.placed());
  EXPECT_EQ(r.index, 1);
  const Component& c = doc.drawdat.components[1];
  EXPECT_EQ(c.ctype, ComponentType::Resistor);
  EXPECT_EQ(c.crot, 2);
  EXPECT_EQ(c.position, (Point{100, 100}));
  EXPECT_FALSE(c.selected);
  EXPECT_EQ(c.name, "");
  EXPECT_EQ(c.value[1], doc.lastR.value[1]);
  EXPECT_EQ(c.value[4].nom, 0);
  EXPECT_EQ(c.pins.count, 2);
  EXPECT_EQ(c.pins.nodes[1], (Point{80, 100}));

  ASSERT_TRUE(placeComponent(doc, ComponentType::VCCS, 1, {300, 300}).placed());
  const Component& g = doc.drawdat.components[2];
  EXPECT_EQ(g.value[1].nom, 1);
  EXPECT_EQ(g.value[2], ToleranceValue{});

  ASSERT_TRUE(placeComponent(doc, ComponentType::Ground, 1, {400, 300}).placed());
  EXPECT_EQ(doc.drawdat.components[3].value[1], ToleranceValue{});
  EXPECT_EQ(placeComponent(doc, kindOfCode(0), 1, {500, 300}).status, PlacementStatus::UnknownKind);
}

TEST_F(Placement, SamePositionIsIgnoredAndCapacityIsRefused)
{
  ASSERT_TRUE(placeComponent(doc, ComponentType::Capacitor, 1, {50, 50}).placed());
  const PlacementResult again = placeComponent(doc, ComponentType::Inductor, 1, {50, 50});
  EXPECT_EQ(again.status, PlacementStatus::PositionTaken);
  EXPECT_EQ(again.message, "");
  EXPECT_EQ(doc.drawdat.components.count(), 1);

  for (int i = 2; i <= kMaxComponents; ++i) {
    ASSERT_TRUE(placeComponent(doc, ComponentType::Ground, 1, {10 * i, 0}).placed());
  }
  const PlacementResult full = placeComponent(doc, ComponentType::Ground, 1, {0, 500});
  EXPECT_EQ(full.status, PlacementStatus::Full);
  EXPECT_EQ(full.message, "maximum of 1000 components");
  EXPECT_EQ(doc.drawdat.components.count(), kMaxComponents);
}

TEST_F(Placement, DataBlocksCountTheirDataSets)
{
  doc.drawdat.onePortBlockCounter = 4; // left over from before the reset
  ASSERT_TRUE(placeComponent(doc, ComponentType::SParam2, 1, {0, 0}).placed());
  ASSERT_TRUE(placeComponent(doc, ComponentType::SParam2, 1, {100, 0}).placed());
  ASSERT_TRUE(placeComponent(doc, ComponentType::SParam1, 1, {200, 0}).placed());
  EXPECT_EQ(doc.drawdat.components[1].value[1].nom, 1);
  EXPECT_EQ(doc.drawdat.components[2].value[1].nom, 2);
  EXPECT_EQ(doc.drawdat.components[3].value[1].nom, 5);
  EXPECT_EQ(doc.drawdat.twoPortBlockCounter, 2);
  EXPECT_EQ(doc.drawdat.onePortBlockCounter, 5);
}

TEST_F(Placement, BlockIndexesAreNeverShared)
{
  // A loaded drawing with 2-port blocks 1 and 3: the counters come from the blocks.
  for (int index : {3, 1}) {
    Component b;
    b.ctype = ComponentType::SParam2;
    b.position = {index * 100, 0};
    b.value[1].nom = index;
    doc.drawdat.components.append(b);
  }
  deriveBlockCounters(doc);
  EXPECT_EQ(doc.drawdat.twoPortBlockCounter, 3);
  EXPECT_EQ(doc.drawdat.onePortBlockCounter, 0);
  ASSERT_TRUE(placeComponent(doc, ComponentType::SParam2, 1, {0, 500}).placed());
  EXPECT_EQ(doc.drawdat.components.last().value[1].nom, 4);

  // Counter at 50: the lowest free index is taken, preferring an empty data set.
  doc.drawdat.twoPortBlockCounter = 50;
  doc.datasets.twoPort[2].points.append({});
  EXPECT_EQ(nextBlockIndex(doc, ComponentType::SParam2), 5);

  // Fill every index; the 51st block is refused with a message.
  for (int i = 5; i <= kMaxDataSets + 1; ++i) {
    const PlacementResult r = placeComponent(doc, ComponentType::SParam2, 1, {i * 10, 900});
    ASSERT_TRUE(r.placed()) << i;
  }
  const PlacementResult refused = placeComponent(doc, ComponentType::SParam2, 1, {0, 950});
  EXPECT_EQ(refused.status, PlacementStatus::NoFreeDataSet);
  EXPECT_EQ(refused.message, "maximum of 50 2-port data blocks");
  EXPECT_EQ(doc.drawdat.components.count(), kMaxDataSets);
  // Index 2 (whose set held data) was handed out last.
  EXPECT_EQ(doc.drawdat.components.last().value[1].nom, 2);
}

} // namespace
} // namespace norvane
