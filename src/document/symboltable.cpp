#include "document/symboltable.h"

#include <initializer_list>

namespace norvane {
namespace {

constexpr SymbolSegment L(int x1, int y1, int x2, int y2)
{
  return {kSegmentLine, x1, y1, x2, y2};
}
constexpr SymbolSegment E(int x1, int y1, int x2, int y2)
{
  return {kSegmentEllipse, x1, y1, x2, y2};
}

constexpr PinSet pinTable(std::initializer_list<Point> points)
{
  PinSet pins;
  int i = 1;
  for (const Point& p : points) {
    pins.nodes[i++] = p;
  }
  pins.count = static_cast<int>(points.size());
  return pins;
}

// Two-terminal symbols drawn vertically: pin 1 on top, pin 2 below.
constexpr std::array kResistor{
    L(0, -20, 0, -10), L(-5, -10, 5, -10), L(5, -10, 5, 10),
    L(5, 10, -5, 10),  L(-5, 10, -5, -10), L(0, 10, 0, 20),
};

constexpr std::array kCapacitor{
    L(0, -20, 0, -3), L(-10, -3, 10, -3), L(-10, -2, 10, -2),
    L(-10, 2, 10, 2), L(-10, 3, 10, 3),   L(0, 3, 0, 20),
};

constexpr std::array kInductor{
    L(0, -20, 0, -15), L(0, -15, 5, -15), L(5, -15, 8, -10), L(8, -10, 5, -5),
    L(0, -5, 5, -5),   L(5, -5, 8, 0),    L(8, 0, 5, 5),     L(0, 5, 5, 5),
    L(5, 5, 8, 10),    L(8, 10, 5, 15),   L(5, 15, 0, 15),   L(0, 15, 0, 20),
};

// The last segment is a single dot at the tip of the earth mark.
constexpr std::array kGround{
    L(0, -10, 0, -5),
    L(-5, -5, 5, -5),
    L(-3, -3, 3, -3),
    L(0, -1, 0, -1),
};

// Triangle with the inputs on the left, "+" at the upper one (pin 1) and "-" at the lower
// one (pin 2), and the output (pin 3) on the right.
constexpr std::array kOpAmp{
    L(-10, -20, 20, 0),    L(20, 0, -10, 20),   L(-10, 20, -10, -20),
    L(-10, -10, -20, -10), L(-10, 10, -20, 10), L(20, 0, 30, 0),
    L(-5, -13, -5, -7),    L(-7, -10, -3, -10), L(-7, 10, -3, 10),
};

// A resistor-like box with cross hatching and two side bars.
constexpr std::array kTxLine{
    L(-7, -10, -7, 10), L(7, -10, 7, 10), L(0, -20, 0, -10),  L(-5, -10, 5, -10),
    L(5, -10, 5, 10),   L(5, 10, -5, 10), L(-5, 10, -5, -10), L(0, 10, 0, 20),
    L(-5, -10, 5, -5),  L(-5, -5, 5, 0),  L(-5, 0, 5, 5),     L(-5, 5, 5, 10),
    L(5, -10, -5, -5),  L(5, -5, -5, 0),  L(5, 0, -5, 5),     L(5, 5, -5, 10),
};

// Box with an arrow; port 1 left, port 2 right, common terminal below.
constexpr std::array kSParam2{
    L(-20, -20, 20, -20),  L(20, -20, 20, 20),  L(20, 20, -20, 20),
    L(-20, 20, -20, -20),  L(-10, -5, 10, -5),  L(10, -5, 5, -10),
    L(-30, -10, -20, -10), L(30, -10, 20, -10), L(0, 20, 0, 30),
};

constexpr std::array kSParam1{
    L(-12, -12, 12, -12), L(12, -12, 12, 12), L(12, 12, -12, 12),
    L(-12, 12, -12, -12), L(0, 12, 0, 20),    L(0, -12, 0, -20),
};

// Transformer: the left winding (a dot, the lead and three turns), the core, and the right
// winding, which is the left one mirrored (x becomes -x).
constexpr std::array kTransformer{
    // left winding
    L(-10, -17, -10, -19),
    L(-10, -19, -12, -19),
    L(-12, -19, -12, -17),
    L(-12, -17, -10, -17),
    L(-15, -20, -20, -20),
    L(-15, -20, -15, -15),
    L(-15, -15, -10, -15),
    L(-10, -15, -7, -10),
    L(-7, -10, -10, -5),
    L(-15, -5, -10, -5),
    L(-10, -5, -7, 0),
    L(-7, 0, -10, 5),
    L(-15, 5, -10, 5),
    L(-10, 5, -7, 10),
    L(-7, 10, -10, 15),
    L(-10, 15, -15, 15),
    L(-15, 15, -15, 20),
    L(-15, 20, -20, 20),
    // core
    L(0, -15, 0, 15),
    L(-3, -15, -3, 15),
    L(3, -15, 3, 15),
    // right winding
    L(10, -17, 10, -19),
    L(10, -19, 12, -19),
    L(12, -19, 12, -17),
    L(12, -17, 10, -17),
    L(15, -20, 20, -20),
    L(15, -20, 15, -15),
    L(15, -15, 10, -15),
    L(10, -15, 7, -10),
    L(7, -10, 10, -5),
    L(15, -5, 10, -5),
    L(10, -5, 7, 0),
    L(7, 0, 10, 5),
    L(15, 5, 10, 5),
    L(10, 5, 7, 10),
    L(7, 10, 10, 15),
    L(10, 15, 15, 15),
    L(15, 15, 15, 20),
    L(15, 20, 20, 20),
};

// Mutual inductance: the two windings of the transformer without the core.
constexpr std::array kMutual{
    L(-10, -17, -10, -19), L(-10, -19, -12, -19), L(-12, -19, -12, -17), L(-12, -17, -10, -17),
    L(-15, -20, -20, -20), L(-15, -20, -15, -15), L(-15, -15, -10, -15), L(-10, -15, -7, -10),
    L(-7, -10, -10, -5),   L(-15, -5, -10, -5),   L(-10, -5, -7, 0),     L(-7, 0, -10, 5),
    L(-15, 5, -10, 5),     L(-10, 5, -7, 10),     L(-7, 10, -10, 15),    L(-10, 15, -15, 15),
    L(-15, 15, -15, 20),   L(-15, 20, -20, 20),   L(10, -17, 10, -19),   L(10, -19, 12, -19),
    L(12, -19, 12, -17),   L(12, -17, 10, -17),   L(15, -20, 20, -20),   L(15, -20, 15, -15),
    L(15, -15, 10, -15),   L(10, -15, 7, -10),    L(7, -10, 10, -5),     L(15, -5, 10, -5),
    L(10, -5, 7, 0),       L(7, 0, 10, 5),        L(15, 5, 10, 5),       L(10, 5, 7, 10),
    L(7, 10, 10, 15),      L(10, 15, 15, 15),     L(15, 15, 15, 20),     L(15, 20, 20, 20),
};

// Collector on top, base left, emitter below with its arrow; pins 4 and 5 sit on the
// reference point and stand for the model's internal node.
constexpr std::array kBipolar{
    L(0, -10, 0, 10),    L(-10, 0, 0, 0),  L(0, -5, 10, -10), L(0, 5, 10, 10), L(10, 10, 10, 20),
    L(10, -10, 10, -20), L(10, 10, 6, 10), L(10, 10, 10, 5),  L(6, 10, 10, 5),
};

// Controlled sources: the four terminal stubs, then the source picture on the right.
constexpr std::array kVCVS{
    L(-10, -20, -20, -20), L(-10, 20, -20, 20), L(10, -20, 20, -20), L(10, 20, 20, 20),
    L(10, -20, 10, -10),   L(10, 20, 10, 10),   E(0, -10, 20, 10),   L(15, -15, 20, -15),
    L(17, -13, 17, -18),   L(15, 15, 20, 15),
};

constexpr std::array kVCCS{
    L(-10, -20, -20, -20), L(-10, 20, -20, 20), L(10, -20, 20, -20), L(10, 20, 20, 20),
    L(10, -20, 10, -15),   L(10, 20, 10, 15),   L(-5, 10, -5, -10),  L(-5, 10, -10, 5),
    E(0, -15, 20, 5),      E(0, 15, 20, -5),
};

// The current-controlled sources add the short across the sensing terminals.
constexpr std::array kCCVS{
    L(-10, -20, -20, -20), L(-10, 20, -20, 20), L(10, -20, 20, -20),  L(10, 20, 20, 20),
    L(10, -20, 10, -10),   L(10, 20, 10, 10),   E(0, -10, 20, 10),    L(15, -15, 20, -15),
    L(17, -13, 17, -18),   L(15, 15, 20, 15),   L(-10, -20, -10, 20),
};

constexpr std::array kCCCS{
    L(-10, -20, -20, -20), L(-10, 20, -20, 20), L(10, -20, 20, -20),  L(10, 20, 20, 20),
    L(10, -20, 10, -15),   L(10, 20, 10, 15),   L(-5, 10, -5, -10),   L(-5, 10, -10, 5),
    E(0, -15, 20, 5),      E(0, 15, 20, -5),    L(-10, -20, -10, 20),
};

// Ports: an octagon for the circle, the port's own mark inside, and the earth mark below.
constexpr std::array kPort1{
    L(-10, -5, -10, 5), L(-10, 5, -5, 10),  L(-5, 10, 5, 10),    L(5, 10, 10, 5),  L(10, 5, 10, -5),
    L(10, -5, 5, -10),  L(5, -10, -5, -10), L(-5, -10, -10, -5), L(0, -5, 0, 5),   L(0, -5, -3, -3),
    L(-2, 5, 3, 5),     L(0, 10, 0, 20),    L(-5, 20, 6, 20),    L(-3, 22, 4, 22), L(0, 24, 1, 24),
};

constexpr std::array kPort2{
    L(-10, -5, -10, 5), L(-10, 5, -5, 10), L(-5, 10, 5, 10),   L(5, 10, 10, 5),
    L(10, 5, 10, -5),   L(10, -5, 5, -10), L(5, -10, -5, -10), L(-5, -10, -10, -5),
    L(-3, -5, 3, -5),   L(-3, -5, -5, -3), L(3, -5, 5, -3),    L(5, -3, 5, 0),
    L(5, 0, -5, 5),     L(-5, 5, 6, 5),    L(0, 10, 0, 20),    L(-5, 20, 6, 20),
    L(-3, 22, 4, 22),   L(0, 24, 1, 24),
};

// The 2-port block numbers its terminals; in orientation 2 the block is mirrored, so the
// "1" and "2" exchange places.
constexpr std::array kSParam2Marks{
    SymbolText{-30, -25, "1", "2"},
    SymbolText{25, -25, "2", "1"},
    SymbolText{5, 22, "0", "0"},
    SymbolText{-10, -3, "S2P", "S2P"},
};
constexpr std::array kSParam1Marks{SymbolText{-8, -7, "S1P", "S1P"}};

constexpr PinSet kTwoPins = pinTable({{0, -20}, {0, 20}});
constexpr PinSet kFourPins = pinTable({{-20, -20}, {-20, 20}, {20, -20}, {20, 20}});

constexpr std::array<SymbolDefinition, kSymbolCount> kTable{{
    {kindCode(ComponentType::Resistor), kTwoPins, {10, 0}, kClassQuarterTurn, kResistor},
    {kindCode(ComponentType::Capacitor), kTwoPins, {10, 0}, kClassQuarterTurn, kCapacitor},
    {kindCode(ComponentType::Inductor), kTwoPins, {10, 0}, kClassQuarterTurn, kInductor},
    {kindCode(ComponentType::Ground), pinTable({{0, -10}}), {0, 0}, kClassGround, kGround},
    {kindCode(ComponentType::OpAmp),
     pinTable({{-20, -10}, {-20, 10}, {30, 0}}),
     {0, 20},
     kClassMirrored,
     kOpAmp},
    {kindCode(ComponentType::TxLine), kTwoPins, {10, 0}, kClassQuarterTurn, kTxLine},
    {kindCode(ComponentType::SParam2),
     pinTable({{-30, -10}, {30, -10}, {0, 30}}),
     {-25, -35},
     kClassMirrored,
     kSParam2,
     kSParam2Marks},
    {kindCode(ComponentType::SParam1),
     kTwoPins,
     {17, 8},
     kClassQuarterTurn,
     kSParam1,
     kSParam1Marks},
    {kindCode(ComponentType::Transformer), kFourPins, {10, 0}, kClassQuarterTurn, kTransformer},
    {kindCode(ComponentType::Mutual), kFourPins, {10, 0}, kClassQuarterTurn, kMutual},
    {kindCode(ComponentType::Bipolar),
     pinTable({{10, -20}, {-10, 0}, {10, 20}, {0, 0}, {0, 0}}),
     {10, 0},
     kClassMirrored,
     kBipolar},
    {kindCode(ComponentType::VCVS), kFourPins, {-20, -35}, kClassMirrored, kVCVS},
    {kindCode(ComponentType::VCCS), kFourPins, {-20, -35}, kClassMirrored, kVCCS},
    {kindCode(ComponentType::CCVS), kFourPins, {-20, -35}, kClassMirrored, kCCVS},
    {kindCode(ComponentType::CCCS), kFourPins, {-20, -35}, kClassMirrored, kCCCS},
    {ckPort1, pinTable({{20, 0}}), {-10, -25}, kClassPort1, kPort1},
    {ckPort2, pinTable({{-20, 0}}), {-10, -25}, kClassPort2, kPort2},
}};

static_assert(kTransformer.size() == 39 && kMutual.size() == 36);

// The kinds' symbols come first, in code order, so that a kind finds its symbol by its code.
constexpr bool kindsInCodeOrder()
{
  for (int i = 0; i < kComponentTypeCount; ++i) {
    if (kTable[static_cast<std::size_t>(i)].kind != kindCode(kFirstComponentType) + i) {
      return false;
    }
  }
  return true;
}
static_assert(kindsInCodeOrder());
static_assert(kPort1.size() <= kMaxSegments && kTransformer.size() <= kMaxSegments);

} // namespace

const std::array<SymbolDefinition, kSymbolCount>& symbolTable()
{
  return kTable;
}

const SymbolDefinition* symbolFor(int code)
{
  if (isKindCode(code)) {
    return &kTable[static_cast<std::size_t>(code - kindCode(kFirstComponentType))];
  }
  for (std::size_t i = kComponentTypeCount; i < kTable.size(); ++i) {
    if (kTable[i].kind == code) {
      return &kTable[i];
    }
  }
  return nullptr;
}

const SymbolDefinition* symbolFor(ComponentType kind)
{
  return isComponentKind(kind) ? symbolFor(kindCode(kind)) : nullptr;
}

} // namespace norvane
