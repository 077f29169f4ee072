#include "document/symboltable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace norvane {
namespace {

TEST(SymbolTable, EveryKindOnceWithItsClassAndSizes)
{
  struct Case
  {
    int kind;
    int drawClass;
    int pins;
    std::size_t segments;
    Point anchor;
  };
  const Case cases[] = {
      {kindCode(ComponentType::Resistor), kClassQuarterTurn, 2, 6, {10, 0}},
      {kindCode(ComponentType::Capacitor), kClassQuarterTurn, 2, 6, {10, 0}},
      {kindCode(ComponentType::Inductor), kClassQuarterTurn, 2, 12, {10, 0}},
      {kindCode(ComponentType::Ground), kClassGround, 1, 4, {0, 0}},
      {kindCode(ComponentType::OpAmp), kClassMirrored, 3, 9, {0, 20}},
      {kindCode(ComponentType::TxLine), kClassQuarterTurn, 2, 16, {10, 0}},
      {kindCode(ComponentType::SParam2), kClassMirrored, 3, 9, {-25, -35}},
      {kindCode(ComponentType::SParam1), kClassQuarterTurn, 2, 6, {17, 8}},
      {kindCode(ComponentType::Transformer), kClassQuarterTurn, 4, 39, {10, 0}},
      {kindCode(ComponentType::Mutual), kClassQuarterTurn, 4, 36, {10, 0}},
      {kindCode(ComponentType::Bipolar), kClassMirrored, 5, 9, {10, 0}},
      {kindCode(ComponentType::VCVS), kClassMirrored, 4, 10, {-20, -35}},
      {kindCode(ComponentType::VCCS), kClassMirrored, 4, 10, {-20, -35}},
      {kindCode(ComponentType::CCVS), kClassMirrored, 4, 11, {-20, -35}},
      {kindCode(ComponentType::CCCS), kClassMirrored, 4, 11, {-20, -35}},
      {ckPort1, kClassPort1, 1, 15, {-10, -25}},
      {ckPort2, kClassPort2, 1, 18, {-10, -25}},
  };
  std::set<int> seen;
  for (const Case& c : cases) {
    const SymbolDefinition* s = symbolFor(c.kind);
    ASSERT_NE(s, nullptr) << c.kind;
    EXPECT_EQ(s->kind, c.kind);
    EXPECT_EQ(s->drawClass, c.drawClass) << c.kind;
    EXPECT_EQ(s->pins.count, c.pins) << c.kind;
    EXPECT_EQ(s->segments.size(), c.segments) << c.kind;
    EXPECT_EQ(s->labelAnchor, c.anchor) << c.kind;
    EXPECT_LE(s->segments.size(), static_cast<std::size_t>(kMaxSegments));
    seen.insert(c.kind);
  }
  EXPECT_EQ(seen.size(), static_cast<std::size_t>(kSymbolCount));
  EXPECT_EQ(symbolFor(0), nullptr);
  EXPECT_EQ(symbolFor(16), nullptr);
  EXPECT_EQ(symbolFor(-3), nullptr);
}

std::vector<SymbolSegment> segmentsOf(int kind)
{
  const auto s = symbolFor(kind)->segments;
  return {s.begin(), s.end()};
}

TEST(SymbolTable, SharedPiecesAgree)
{
  // The right transformer winding is the left one mirrored; the mutual inductance is the
  // transformer without its three core lines.
  const auto tr = segmentsOf(kindCode(ComponentType::Transformer));
  for (int i = 0; i < 18; ++i) {
    const SymbolSegment& l = tr[static_cast<std::size_t>(i)];
    const SymbolSegment& r = tr[static_cast<std::size_t>(21 + i)];
    EXPECT_EQ(r, (SymbolSegment{l.type, -l.x1, l.y1, -l.x2, l.y2})) << "segment " << i;
  }
  auto withoutCore = tr;
  withoutCore.erase(withoutCore.begin() + 18, withoutCore.begin() + 21);
  EXPECT_EQ(withoutCore, segmentsOf(kindCode(ComponentType::Mutual)));
  EXPECT_EQ(tr[18], (SymbolSegment{kSegmentLine, 0, -15, 0, 15}));

  // The current-controlled sources are the voltage-controlled ones plus the sensing short.
  const SymbolSegment sense{kSegmentLine, -10, -20, -10, 20};
  auto ccvs = segmentsOf(kindCode(ComponentType::VCVS));
  ccvs.push_back(sense);
  EXPECT_EQ(ccvs, segmentsOf(kindCode(ComponentType::CCVS)));
  auto cccs = segmentsOf(kindCode(ComponentType::VCCS));
  cccs.push_back(sense);
  EXPECT_EQ(cccs, segmentsOf(kindCode(ComponentType::CCCS)));

  // Both ports share the octagon and the earth mark.
  const auto p1 = segmentsOf(ckPort1);
  const auto p2 = segmentsOf(ckPort2);
  EXPECT_TRUE(std::equal(p1.begin(), p1.begin() + 8, p2.begin()));
  EXPECT_TRUE(std::equal(p1.end() - 4, p1.end(), p2.end() - 4));

  // Ellipses appear only in the controlled sources.
  int ellipses = 0;
  for (const SymbolDefinition& c : symbolTable()) {
    for (const SymbolSegment& s : c.segments) {
      if (s.type == kSegmentEllipse) {
        ++ellipses;
        EXPECT_GE(c.kind, kindCode(ComponentType::VCVS));
      }
    }
  }
  EXPECT_EQ(ellipses, 1 + 2 + 1 + 2);
}

TEST(SymbolTable, PinsLieOnTheSymbolsLeads)
{
  // Every pin of a component kind is the end of some segment (the lead it connects to),
  // except the bipolar's internal-node pins on the reference point.
  for (const SymbolDefinition& c : symbolTable()) {
    for (int i = 1; i <= c.pins.count; ++i) {
      const Point p = c.pins.nodes[i];
      if (c.kind == kindCode(ComponentType::Bipolar) && i >= 4) {
        EXPECT_EQ(p, (Point{0, 0}));
        continue;
      }
      if (c.kind == ckPort1 || c.kind == ckPort2) {
        continue; // the port lead is drawn by the painter, not stored
      }
      const bool onLead =
          std::any_of(c.segments.begin(), c.segments.end(), [&](const SymbolSegment& s) {
            return (s.x1 == p.x && s.y1 == p.y) || (s.x2 == p.x && s.y2 == p.y);
          });
      EXPECT_TRUE(onLead) << "kind " << c.kind << " pin " << i;
    }
  }
}

} // namespace
} // namespace norvane
