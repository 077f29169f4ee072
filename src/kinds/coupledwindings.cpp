// Coupled windings: the transformer and the mutual inductance (pins 1, 2 primary; 3, 4
// secondary). Both are purely susceptive: a primary susceptance B1, a secondary B2 and a
// mutual Bm, stamped as the 4 x 4 block
//   [ B1 -B1 -Bm  Bm ]
//   [-B1  B1  Bm -Bm ]
//   [-Bm  Bm  B2 -B2 ]
//   [ Bm -Bm -B2  B2 ]   (times j).
// Physical model: B = -1/(wL) for each winding and Bm = -k/(w sqrt(Lp Ls)). Ideal (no model):
// windings of -1e9 S scaled by the turns ratio, fully coupled (Bm = -sqrt(B1 B2)).

#include "kinds/coupledwindings.h"

#include <cmath>

namespace norvane::kinds {
namespace {

// The parameters' places, the same in both kinds.
constexpr auto kParameters = windingParameters({}, {}, {}, {}, {});

double parameter(const Component& c, std::string_view name)
{
  return parameterValue(c, name);
}

} // namespace

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
  const double Ns = read(c, describe(kParameters, "secondaryTurns"));
  const double Np = read(c, describe(kParameters, "primaryTurns"));
  const double Lp = read(c, describe(kParameters, "primaryInductance"));
  const double k = read(c, describe(kParameters, "coupling"));
  const bool physical = read(c, describe(kParameters, "physicalModel")) != 0.0;
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

void stampWindings(ComplexMatrix& m, const Component& c, const PinNodes& nodes, double f,
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

void windingNoise(NoiseSources& n, const Component& c, const PinNodes& nodes, double f,
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
  Complex y[16];
  for (int r = 0; r < 4; ++r) {
    for (int col = 0; col < 4; ++col) {
      y[r * 4 + col] = Complex{0.0, block[r][col]};
    }
  }
  const int pins[4] = {p[1], p[2], p[3], p[4]};
  n.addThermalBlock(pins, 4, y);
  if (transformer) {
    const Complex extra{stampconst::kTransformerLeak, b.B2};
    n.addThermal(p[2], 0, extra);
    n.addThermal(p[4], 0, extra);
  }
}

// Primary inductance and the secondary inductance it implies: L2 = L1 Ns/Np, the linear
// turns ratio the mutual inductance uses.
std::string windingListing(const Schematic&, const Component& c, const PinNodes& nodes)
{
  if (c.ctype == ComponentType::Transformer) {
    return "transformer " + listingNodes(nodes, 4) +
           " Primary turns=" + formatEngineering(1, parameter(c, "primaryTurns")) +
           " Secondary Turns=" + formatEngineering(1, parameter(c, "secondaryTurns"));
  }
  const double lp = parameter(c, "primaryInductance");
  const double np = parameter(c, "primaryTurns");
  const double ns = parameter(c, "secondaryTurns");
  const std::string l2 = np != 0.0 ? listingValue(lp * ns / np) : std::string("?");
  return "mutual inductance " + listingNodes(nodes, 4) + " L1=" + listingValue(lp) + "H" +
         " L2=" + l2 + "H";
}

std::vector<double> windingDivisors(const Component& c)
{
  if (parameter(c, "physicalModel") != 0.0) {
    return {parameter(c, "secondaryTurns"), parameter(c, "primaryTurns"),
            parameter(c, "primaryInductance")};
  }
  return {parameter(c, "secondaryTurns"), parameter(c, "primaryTurns")};
}

// The windings are stamped through their inverse-inductance matrix
//   Y = 1/(jw) [ 1/Lp, -k/sqrt(Lp Ls); -k/sqrt(Lp Ls), 1/Ls ],
// which splits exactly into w w^T + diag(0, (1 - k^2)/Ls) with w = (1/sqrt(Lp), -k/sqrt(Ls)):
// an inductance Lp in series with the primary of an ideal transformer of voltage ratio
// n = k sqrt(Lp/Ls), and Ls/(1 - k^2) across the secondary (absent when k = 1). Unlike a
// SPICE K coupling this stays finite at k = 1, as the stamp does. The ideal windings
// (no physical model) are the same with the series reactance of 1 nOhm left out.
bool writeWindings(Deck& d, WindingKind kind)
{
  const bool transformer = kind == WindingKind::Transformer;
  const Component& c = d.component();
  const double Ns = read(c, describe(kParameters, "secondaryTurns"));
  const double Np = read(c, describe(kParameters, "primaryTurns"));
  const double Lp = read(c, describe(kParameters, "primaryInductance"));
  const double k = read(c, describe(kParameters, "coupling"));
  const bool physical = read(c, describe(kParameters, "physicalModel")) != 0.0;
  const std::string a = d.inner("a");
  const std::string b = d.inner("b");
  double n = 0.0;
  double Ls = 0.0;
  if (physical) {
    Ls = transformer ? (Ns / Np) * (Ns / Np) * Lp : Lp * Ns / Np;
    n = k * std::sqrt(Lp / Ls);
    if (!std::isfinite(n) || !(Lp > 0.0) || !(Ls > 0.0)) {
      return false;
    }
    d.comment("Lp in series with an ideal transformer of ratio k sqrt(Lp/Ls) (E, F), and "
              "Ls/(1-k^2) across the secondary");
    d.line(d.name('L', "p") + ' ' + d.pin(1) + ' ' + a + ' ' + num(Lp));
    d.line(d.name('V', "s") + ' ' + a + ' ' + b + " 0");
  } else {
    n = transformer ? Np / Ns : std::sqrt(Np / Ns);
    if (!std::isfinite(n) || !(n > 0.0)) {
      return false;
    }
    d.comment("ideal transformer (E, F); the model's 1 nOhm series reactance is left out");
    d.line(d.name('V', "s") + ' ' + d.pin(1) + ' ' + b + " 0");
  }
  d.line(d.name('E') + ' ' + b + ' ' + d.pin(2) + ' ' + d.pin(3) + ' ' + d.pin(4) + ' ' + num(n));
  d.line(d.name('F') + ' ' + d.pin(4) + ' ' + d.pin(3) + ' ' + d.name('V', "s") + ' ' + num(n));
  if (physical && std::fabs(k) != 1.0) {
    d.line(d.name('L', "s") + ' ' + d.pin(3) + ' ' + d.pin(4) + ' ' + num(Ls / (1.0 - k * k)));
  }
  if (transformer) {
    // The transformer model adds the secondary susceptance once more from pins 2 and 4 to
    // ground (with a 1e-20 S leak, left out): the inductance Ls, or for ideal windings a
    // near short of 1e-9 (Ns/Np)^2 ohm, written as a resistance of that size.
    bool commented = false;
    for (int p : {2, 4}) {
      if (d.pin(p) == "0") {
        continue;
      }
      if (!commented) {
        d.comment("the model's secondary susceptance again from pins 2 and 4 to ground");
        commented = true;
      }
      const std::string suffix = "g" + std::to_string(p);
      if (physical) {
        d.line(d.name('L', suffix) + ' ' + d.pin(p) + " 0 " + num(Ls));
      } else {
        d.line(d.name('R', suffix) + ' ' + d.pin(p) + " 0 " +
               num(1.0 / (stampconst::kIdealWinding * n * n)));
      }
    }
  }
  return true;
}

} // namespace norvane::kinds
