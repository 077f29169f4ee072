#pragma once
// What every component kind's unit uses: the description types, the symbol pieces, the
// device model with its stamping and SPICE helpers, and short names for the table entries.
// Only the kind units include this.

#include "document/componentkinds.h"
#include "document/kindparameters.h"
#include "document/symboltable.h"
#include "document/zeroreplacement.h"
#include "numbers/valuetext.h"
#include "sim/devicemodel.h"
#include "sim/noisesources.h"
#include "sim/spicedeck.h"
#include "sim/stamps.h"
#include "sim/stampsdetail.h"

#include <array>
#include <string>
#include <vector>

// A kind's description names what the kind has (designated initialisers); whatever it leaves
// out takes its default, which is the point, not an oversight.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace norvane::kinds {

using namespace kindparameters;
using namespace stampdetail;
using namespace spicedetail;
using F = SlotField;
using T = ComponentType;

constexpr SymbolSegment L(int x1, int y1, int x2, int y2)
{
  return lineSegment(x1, y1, x2, y2);
}
constexpr SymbolSegment E(int x1, int y1, int x2, int y2)
{
  return ellipseSegment(x1, y1, x2, y2);
}

// The pins of the two-terminal symbols drawn vertically (pin 1 on top) and of the
// four-terminal ones (pins 1, 2 left, 3, 4 right).
inline constexpr PinSet kTwoPins = pinTable({{0, -20}, {0, 20}});
inline constexpr PinSet kFourPins = pinTable({{-20, -20}, {-20, 20}, {20, -20}, {20, 20}});

// The stamp adapters: every model gets the device model's one signature.
template <void (*Model)(ComplexMatrix&, const Component&, const PinNodes&)>
void plainStamp(ComplexMatrix& m, const Component& c, const PinNodes& nodes, double,
                const DataSets&, ComplexErrors&)
{
  Model(m, c, nodes);
}

template <void (*Model)(ComplexMatrix&, const Component&, const PinNodes&, double)>
void frequencyStamp(ComplexMatrix& m, const Component& c, const PinNodes& nodes, double f,
                    const DataSets&, ComplexErrors&)
{
  Model(m, c, nodes, f);
}

// The noise adapters, as the stamp adapters.
template <void (*Model)(NoiseSources&, const Component&, const PinNodes&, double)>
void frequencyNoise(NoiseSources& n, const Component& c, const PinNodes& nodes, double f,
                    const DataSets&, ComplexErrors&)
{
  Model(n, c, nodes, f);
}

// A kind whose model knows no noise (the op-amp and the controlled sources): noiseless, and
// the run says so once, naming the kind's title.
template <const char* Title>
void noiselessModel(NoiseSources& n, const Component&, const PinNodes&, double, const DataSets&,
                    ComplexErrors&)
{
  n.noteNoiseless(Title);
}

} // namespace norvane::kinds
