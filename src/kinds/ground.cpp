// Ground: a pin on the reference node. It has no values and no device of its own; the
// netlist makes every pin on it node 0.

#include "kinds/kindunit.h"

namespace norvane::kinds {
namespace {

// The last segment is a single dot at the tip of the earth mark.
constexpr std::array kSymbol{
    L(0, -10, 0, -5),
    L(-5, -5, 5, -5),
    L(-3, -3, 3, -3),
    L(0, -1, 0, -1),
};

[[maybe_unused]] const bool registered = registerComponentKind({
    .type = T::Ground,
    .codeName = "ckGround",
    .prefix = "",
    .title = "ground",
    .pins = 1,
    .symbol = {kindCode(T::Ground), pinTable({{0, -10}}), {0, 0}, kClassGround, kSymbol},
});

} // namespace
} // namespace norvane::kinds
