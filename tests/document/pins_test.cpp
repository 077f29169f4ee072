#include "document/pins.h"
#include "document/symboltable.h"

#include <gtest/gtest.h>

namespace norvane {
namespace {

TEST(SnapToGrid, RoundsToNearestTenWithHalvesToEven)
{
  struct Case
  {
    int in;
    int out;
  };
  const Case cases[] = {{0, 0},     {4, 0},     {5, 0},     {6, 10},     {14, 10},    {15, 20},
                        {25, 20},   {35, 40},   {-4, 0},    {-5, 0},     {-6, -10},   {-15, -20},
                        {-25, -20}, {-35, -40}, {104, 100}, {996, 1000}, {-100, -100}};
  for (const Case& c : cases) {
    EXPECT_EQ(snapToGrid(c.in), c.out) << "c = " << c.in;
  }
  EXPECT_EQ(snapToGrid(Point{15, -26}), (Point{20, -30}));
}

Component placed(ComponentType kind, int crot, Point at)
{
  Component c;
  c.ctype = kind;
  c.crot = crot;
  c.position = at;
  computePinPositions(c);
  return c;
}

TEST(ComputePinPositions, ResistorInBothOrientations)
{
  Component r = placed(ComponentType::Resistor, 1, {100, 100});
  ASSERT_EQ(r.pins.count, 2);
  EXPECT_EQ(r.pins.nodes[1], (Point{100, 80}));
  EXPECT_EQ(r.pins.nodes[2], (Point{100, 120}));

  r.crot = 2;
  computePinPositions(r);
  EXPECT_EQ(r.pins.nodes[1], (Point{80, 100}));
  EXPECT_EQ(r.pins.nodes[2], (Point{120, 100}));
}

TEST(ComputePinPositions, OrientationByKind)
{
  struct Case
  {
    ComponentType kind;
    Point pins2[5]; // expected pins in orientation 2 at (0, 0)
  };
  const Case cases[] = {
      {ComponentType::Capacitor, {{-20, 0}, {20, 0}}},
      {ComponentType::Inductor, {{-20, 0}, {20, 0}}},
      {ComponentType::TxLine, {{-20, 0}, {20, 0}}},
      {ComponentType::SParam1, {{-20, 0}, {20, 0}}},
      {ComponentType::Ground, {{0, 0}}},
      {ComponentType::OpAmp, {{20, -10}, {20, 10}, {-30, 0}}},
      {ComponentType::SParam2, {{30, -10}, {-30, -10}, {0, 30}}},
      {ComponentType::Bipolar, {{-10, -20}, {10, 0}, {-10, 20}, {0, 0}, {0, 0}}},
      {ComponentType::Transformer, {{-20, 20}, {20, 20}, {-20, -20}, {20, -20}}},
      {ComponentType::Mutual, {{-20, 20}, {20, 20}, {-20, -20}, {20, -20}}},
      {ComponentType::VCVS, {{20, -20}, {20, 20}, {-20, -20}, {-20, 20}}},
      {ComponentType::VCCS, {{20, -20}, {20, 20}, {-20, -20}, {-20, 20}}},
      {ComponentType::CCVS, {{20, -20}, {20, 20}, {-20, -20}, {-20, 20}}},
      {ComponentType::CCCS, {{20, -20}, {20, 20}, {-20, -20}, {-20, 20}}},
  };
  for (const Case& c : cases) {
    const SymbolDefinition* symbol = symbolFor(c.kind);
    ASSERT_NE(symbol, nullptr);
    const Point at{300, 200};
    Component comp = placed(c.kind, 2, at);
    ASSERT_EQ(comp.pins.count, symbol->pins.count) << "kind " << kindCode(c.kind);
    for (int i = 1; i <= comp.pins.count; ++i) {
      const Point want{c.pins2[i - 1].x + at.x, c.pins2[i - 1].y + at.y};
      EXPECT_EQ(comp.pins.nodes[i], want) << "kind " << kindCode(c.kind) << " pin " << i;
    }
    // Turning back restores the pins of orientation 1, which are the symbol's own.
    comp.crot = 1;
    computePinPositions(comp);
    for (int i = 1; i <= comp.pins.count; ++i) {
      const Point want{symbol->pins.nodes[i].x + at.x, symbol->pins.nodes[i].y + at.y};
      EXPECT_EQ(comp.pins.nodes[i], want) << "kind " << kindCode(c.kind) << " pin " << i;
    }
  }
}

TEST(ComputePinPositions, UnknownKindOrOrientationIsHarmless)
{
  EXPECT_EQ(placed(kindOfCode(0), 1, {10, 10}).pins.count, 0);
  EXPECT_EQ(placed(kindOfCode(99), 2, {10, 10}).pins.count, 0);
  EXPECT_EQ(placed(kindOfCode(ckPort1), 1, {10, 10}).pins.count, 0);
  // Any orientation other than 2 leaves the pins as defined.
  Component r = placed(ComponentType::Resistor, 7, {0, 0});
  EXPECT_EQ(r.pins.nodes[1], (Point{0, -20}));
}

TEST(PortConnectionPoint, SidesByPortAndOrientation)
{
  Port p;
  p.pos = {200, 100};
  p.crot = 1;
  EXPECT_EQ(portConnectionPoint(1, p), (Point{220, 100}));
  EXPECT_EQ(portConnectionPoint(2, p), (Point{180, 100}));
  p.crot = 2;
  EXPECT_EQ(portConnectionPoint(1, p), (Point{180, 100}));
  EXPECT_EQ(portConnectionPoint(2, p), (Point{220, 100}));
}

} // namespace
} // namespace norvane
