#include "graph/tracekinds.h"

#include "config/environment.h"
#include "document/clearschematic.h"
#include "sim/plotpoint.h"
#include "document_support.h"

#include <gtest/gtest.h>

namespace norvane {
namespace {

using testing::freshDocument;

TEST(TraceKinds, ListItemsUnitsAndRememberedPairs)
{
  struct Row
  {
    TraceType tracetype;
    int listIndex;
    const char* item;
    const char* unit;
    DisplayRange Schematic::*pair;
  };
  const Row rows[] = {
      {tracetype::Log20, 1, "20Log(V)", "dB", &Schematic::mmdB},
      {tracetype::Linear, 2, "Linear V", "", &Schematic::mmLin},
      {tracetype::Phase, 3, "Phase", "deg", &Schematic::mmPhase},
      {tracetype::Log10Power, 0, "10Log(P)", "dB", &Schematic::mmdB},
      {tracetype::GroupDelay, 4, "GrpDelay", "s", &Schematic::mmGrpDelay},
  };
  Schematic doc = freshDocument();
  for (const Row& r : rows) {
    EXPECT_EQ(traceTypeListIndex(r.tracetype), r.listIndex);
    EXPECT_EQ(traceTypeOfListIndex(r.listIndex), r.tracetype);
    EXPECT_STREQ(kTraceTypeItems[static_cast<size_t>(r.listIndex)], r.item);
    EXPECT_EQ(traceUnitText(r.tracetype), r.unit);
    EXPECT_EQ(&rememberedRange(doc, r.tracetype), &(doc.*r.pair));
  }
}

TEST(TraceKinds, SwitchingToPhaseAndBackRestoresTheDbLimits)
{
  Schematic doc = freshDocument();
  doc.Y1ax.tracetype = tracetype::Log20;
  doc.Y1ax.max = 5;
  doc.Y1ax.min = -25;
  EXPECT_EQ(changeTraceType(doc, 1, tracetype::Phase), TraceTypeChange::Resimulate);
  EXPECT_EQ(doc.Y1ax.tracetype, tracetype::Phase);
  EXPECT_DOUBLE_EQ(doc.Y1ax.max, 180);
  EXPECT_DOUBLE_EQ(doc.Y1ax.min, -180);
  EXPECT_DOUBLE_EQ(doc.mmdB.max, 5); // what was shown is remembered for dB
  doc.Y1ax.max = 90;                 // shown phase limits change before switching back
  changeTraceType(doc, 1, tracetype::Log20);
  EXPECT_DOUBLE_EQ(doc.Y1ax.max, 5);
  EXPECT_DOUBLE_EQ(doc.Y1ax.min, -25);
  EXPECT_DOUBLE_EQ(doc.mmPhase.max, 90);
  // The two dB kinds share one pair.
  changeTraceType(doc, 1, tracetype::Log10Power);
  EXPECT_DOUBLE_EQ(doc.Y1ax.max, 5);
  // Trace 2 uses Y2ax and the same memory.
  changeTraceType(doc, 2, tracetype::Linear);
  EXPECT_DOUBLE_EQ(doc.Y2ax.max, 1);
  EXPECT_DOUBLE_EQ(doc.Y2ax.min, 0);
  EXPECT_DOUBLE_EQ(doc.Y1ax.max, 5);
}

TEST(TraceKinds, GroupDelayOfAReflectionSwitchesToS21)
{
  Schematic doc = freshDocument();
  doc.Y2ax.measwhat = measwhat::S11;
  EXPECT_EQ(changeTraceType(doc, 2, tracetype::GroupDelay), TraceTypeChange::SwitchedToS21);
  EXPECT_EQ(doc.Y2ax.measwhat, measwhat::S21);
  EXPECT_DOUBLE_EQ(doc.Y2ax.max, 1e-6);
  EXPECT_DOUBLE_EQ(doc.Y2ax.min, 0);

  doc.Y1ax.measwhat = measwhat::S12;
  EXPECT_EQ(changeTraceType(doc, 1, tracetype::GroupDelay), TraceTypeChange::Resimulate);
  EXPECT_EQ(doc.Y1ax.measwhat, measwhat::S12);
  doc.Y1ax.measwhat = measwhat::S22;
  EXPECT_EQ(changeTraceType(doc, 1, tracetype::GroupDelay), TraceTypeChange::SwitchedToS21);
}

TEST(TraceKinds, EditedLimitsAreRememberedForTheCurrentKind)
{
  Schematic doc = freshDocument();
  doc.Y1ax.tracetype = tracetype::Log10Power;
  storeTraceMax(doc, 1, 20);
  storeTraceMin(doc, 1, -60);
  EXPECT_DOUBLE_EQ(doc.Y1ax.max, 20);
  EXPECT_DOUBLE_EQ(doc.mmdB.max, 20);
  EXPECT_DOUBLE_EQ(doc.mmdB.min, -60);
  doc.Y2ax.tracetype = tracetype::Phase;
  storeTraceMin(doc, 2, -90);
  EXPECT_DOUBLE_EQ(doc.mmPhase.min, -90);
  EXPECT_DOUBLE_EQ(doc.mmdB.min, -60);
}

} // namespace
} // namespace norvane
