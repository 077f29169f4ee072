// The transformer: two windings on a core, by turns ratio, ideal or with a primary
// inductance and a coupling factor.

#include "kinds/coupledwindings.h"

namespace norvane::kinds {
namespace {

constexpr auto kParameters = windingParameters(value(1), value(1), value(0), value(1e-8), value(1));

// The left winding (a dot, the lead and three turns), the core, and the right winding,
// which is the left one mirrored (x becomes -x).
constexpr std::array kSymbol{
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

void stamp(ComplexMatrix& m, const Component& c, const PinNodes& nodes, double f)
{
  stampWindings(m, c, nodes, f, WindingKind::Transformer);
}

bool spice(Deck& d)
{
  return writeWindings(d, WindingKind::Transformer);
}

void noise(NoiseSources& n, const Component& c, const PinNodes& nodes, double f)
{
  windingNoise(n, c, nodes, f, WindingKind::Transformer);
}

constexpr DeviceModel kDevice{frequencyStamp<stamp>, windingListing, windingDivisors, spice,
                              frequencyNoise<noise>};

[[maybe_unused]] const bool registered = registerComponentKind({
    .type = T::Transformer,
    .codeName = "ckTransformer",
    .prefix = "T",
    .title = "transformer",
    .pins = 4,
    .templateRecord = &Schematic::lastTransformer,
    .templateValues = 5,
    .parameters = kParameters,
    .tunedParameter = "secondaryTurns",
    .symbol = {kindCode(T::Transformer), kFourPins, {10, 0}, kClassQuarterTurn, kSymbol},
    .device = &kDevice,
});

} // namespace
} // namespace norvane::kinds
