// Coupled windings: the transformer and the mutual inductance (pins 1, 2 primary; 3, 4
// secondary). Both are purely susceptive: a primary susceptance B1, a secondary B2 and a
// mutual Bm, stamped as the 4 x 4 block
//   [ B1 -B1 -Bm  Bm ]
//   [-B1  B1  Bm -Bm ]
//   [-Bm  Bm  B2 -B2 ]
//   [ Bm -Bm -B2  B2 ]   (times j).
// Physical model: B = -1/(wL) for each winding and Bm = -k/(w sqrt(Lp Ls)). Ideal (no model):
// windings of -1e9 S scaled by the turns ratio, fully coupled (Bm = -sqrt(B1 B2)).

#include "document/kindparameters.h"
#include "sim/stamps.h"
#include "sim/stampsdetail.h"

#include <cmath>

namespace norvane::stampdetail {

using kindparameters::describe;
using kindparameters::kTransformer;
using kindparameters::read;

namespace {

struct Windings
{
  double B1 = 0.0;
  double B2 = 0.0;
  double Bm = 0.0;
};

Windings windingsOf(const Component& c, double f, bool transformer)
{
  // The transformer and the mutual inductance keep their windings in the same places.
  const double Ns = read(c, describe(kTransformer, "secondaryTurns"));
  const double Np = read(c, describe(kTransformer, "primaryTurns"));
  const double Lp = read(c, describe(kTransformer, "primaryInductance"));
  const double k = read(c, describe(kTransformer, "coupling"));
  const bool physical = read(c, describe(kTransformer, "physicalModel")) != 0.0;
  const double w = kTwoPi * f;
  Windings b;
  if (physical) {
    double Ls = 0.0;
    if (transformer) {
      const double ratio = Ns / Np;
      Ls = ratio * ratio * Lp; // inductance goes with the square of the turns
    } else {
      Ls = Lp * Ns / Np; // the mutual inductance dialog gives a linear ratio
    }
    b.B1 = -1.0 / (w * Lp);
    b.B2 = -1.0 / (w * Ls);
    b.Bm = -k / (w * std::sqrt(Lp * Ls));
  } else {
    b.B1 = -stampconst::kIdealWinding;
    if (transformer) {
      const double ratio = Np / Ns;
      b.B2 = -stampconst::kIdealWinding * (ratio * ratio);
    } else {
      b.B2 = -stampconst::kIdealWinding * Np / Ns;
    }
    b.Bm = -std::sqrt(b.B1 * b.B2);
  }
  return b;
}

} // namespace

void stampCoupledWindings(ComplexMatrix& m, const Component& c, const PinNodes& nodes, double f,
                          WindingKind kind)
{
  Pins p;
  if (!resolvePins(nodes, 4, p)) {
    return;
  }
  const bool transformer = kind == WindingKind::Transformer;
  const Windings b = windingsOf(c, f, transformer);
  const double block[4][4] = {
      {b.B1, -b.B1, -b.Bm, b.Bm},
      {-b.B1, b.B1, b.Bm, -b.Bm},
      {-b.Bm, b.Bm, b.B2, -b.B2},
      {b.Bm, -b.Bm, -b.B2, b.B2},
  };
  for (int r = 0; r < 4; ++r) {
    for (int col = 0; col < 4; ++col) {
      m.add(p[r + 1], p[col + 1], Complex{0.0, block[r][col]});
    }
  }
  if (transformer) {
    // The secondary susceptance once more at pins 2 and 4, with a tiny leak to ground.
    const Complex extra{stampconst::kTransformerLeak, b.B2};
    m.add(p[2], p[2], extra);
    m.add(p[4], p[4], extra);
  }
}

} // namespace norvane::stampdetail
