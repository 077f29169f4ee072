// The mutual inductance: two coupled windings without a core, the secondary by a linear
// turns ratio. Its template keeps what the user last confirmed (no defaults).

#include "kinds/coupledwindings.h"

namespace norvane::kinds {
namespace {

constexpr auto kParameters = windingParameters(unset(), unset(), unset(), unset(), unset());

// The two windings of the transformer without the core.
constexpr std::array kSymbol{
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

void stamp(ComplexMatrix& m, const Component& c, const PinNodes& nodes, double f)
{
  stampWindings(m, c, nodes, f, WindingKind::Mutual);
}

bool spice(Deck& d)
{
  return writeWindings(d, WindingKind::Mutual);
}

void noise(NoiseSources& n, const Component& c, const PinNodes& nodes, double f)
{
  windingNoise(n, c, nodes, f, WindingKind::Mutual);
}

constexpr DeviceModel kDevice{frequencyStamp<stamp>, windingListing, windingDivisors, spice,
                              frequencyNoise<noise>};

[[maybe_unused]] const bool registered = registerComponentKind({
    .type = T::Mutual,
    .codeName = "ckMutual",
    .prefix = "M",
    .title = "mutual inductance",
    .pins = 4,
    .templateRecord = &Schematic::lastMutual,
    .templateValues = 5,
    .parameters = kParameters,
    .tunedParameter = "secondaryTurns",
    .symbol = {kindCode(T::Mutual), kFourPins, {10, 0}, kClassQuarterTurn, kSymbol},
    .device = &kDevice,
});

} // namespace
} // namespace norvane::kinds
