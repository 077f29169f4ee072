#include "document/symboltable.h"

#include "document/componentkinds.h"

#include <array>

namespace norvane {
namespace {

constexpr SymbolSegment L(int x1, int y1, int x2, int y2)
{
  return lineSegment(x1, y1, x2, y2);
}

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

constexpr SymbolDefinition kPortSymbols[2] = {
    {ckPort1, pinTable({{20, 0}}), {-10, -25}, kClassPort1, kPort1},
    {ckPort2, pinTable({{-20, 0}}), {-10, -25}, kClassPort2, kPort2},
};
static_assert(kPort1.size() <= kMaxSegments && kPort2.size() <= kMaxSegments);

} // namespace

const SymbolDefinition& portSymbol(int portCode)
{
  return portCode == ckPort1 ? kPortSymbols[0] : kPortSymbols[1];
}

const SymbolDefinition* symbolFor(int code)
{
  if (code == ckPort1 || code == ckPort2) {
    return &portSymbol(code);
  }
  const ComponentKind* kind = findComponentKind(kindOfCode(code));
  return kind != nullptr ? &kind->symbol : nullptr;
}

const SymbolDefinition* symbolFor(ComponentType kind)
{
  const ComponentKind* description = findComponentKind(kind);
  return description != nullptr ? &description->symbol : nullptr;
}

} // namespace norvane
