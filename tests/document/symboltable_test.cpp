#include "document/symboltable.h"

#include "document/componentkinds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

namespace norvane {
namespace {

// Every symbol the program draws: each registered kind's, then the two ports'.
std::vector<const SymbolDefinition*> allSymbols()
{
  std::vector<const SymbolDefinition*> symbols;
  for (const ComponentKind& kind : componentKinds()) {
    symbols.push_back(&kind.symbol);
  }
  symbols.push_back(&portSymbol(ckPort1));
  symbols.push_back(&portSymbol(ckPort2));
  return symbols;
}

TEST(SymbolTable, EveryKindAndPortHasItsOwnSymbol)
{
  for (const ComponentKind& kind : componentKinds()) {
    SCOPED_TRACE(kind.codeName);
    const SymbolDefinition* s = symbolFor(kind.code());
    ASSERT_EQ(s, &kind.symbol);
    EXPECT_EQ(symbolFor(kind.type), s);
    EXPECT_EQ(s->kind, kind.code());
    EXPECT_EQ(s->pins.count, kind.pins);
    EXPECT_FALSE(s->segments.empty());
    EXPECT_LE(s->segments.size(), static_cast<std::size_t>(kMaxSegments));
    EXPECT_TRUE(s->drawClass == kClassQuarterTurn || s->drawClass == kClassMirrored ||
                s->drawClass == kClassGround || s->drawClass == kClassFixed);
  }
  EXPECT_EQ(symbolFor(ckPort1)->drawClass, kClassPort1);
  EXPECT_EQ(symbolFor(ckPort2)->drawClass, kClassPort2);
  EXPECT_EQ(symbolFor(ckPort1)->segments.size(), 15u);
  EXPECT_EQ(symbolFor(ckPort2)->segments.size(), 18u);
  EXPECT_EQ(symbolFor(0), nullptr);
  EXPECT_EQ(symbolFor(kMaxKindCode + 1), nullptr);
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
  for (const SymbolDefinition* c : allSymbols()) {
    for (const SymbolSegment& s : c->segments) {
      if (s.type == kSegmentEllipse) {
        ++ellipses;
        EXPECT_GE(c->kind, kindCode(ComponentType::VCVS));
      }
    }
  }
  EXPECT_EQ(ellipses, 1 + 2 + 1 + 2);
}

TEST(SymbolTable, PinsLieOnTheSymbolsLeads)
{
  // Every pin of a component kind is the end of some segment (the lead it connects to),
  // except the bipolar's internal-node pins on the reference point.
  for (const SymbolDefinition* symbol : allSymbols()) {
    const SymbolDefinition& c = *symbol;
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
