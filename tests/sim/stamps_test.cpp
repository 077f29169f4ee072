#include "stamps_support.h"

#include "kinds/reactivemodel.h"

#include <gtest/gtest.h>

#include <cmath>

namespace norvane {
namespace {

using namespace stamptest;
using kinds::physicalCapacitorAdmittance;
using kinds::physicalInductorAdmittance;
using kinds::PhysicalModel;
using kinds::QMode;
using kinds::qModeOf;
constexpr double kTwoPi = 6.283185307179586477;

void expectNear(C got, C want, double tol, const char* what)
{
  EXPECT_NEAR(got.real(), want.real(), tol) << what;
  EXPECT_NEAR(got.imag(), want.imag(), tol) << what;
}

void expectSParams(const SParams& got, const SParams& want, double tol)
{
  expectNear(got.s11, want.s11, tol, "S11");
  expectNear(got.s21, want.s21, tol, "S21");
  expectNear(got.s12, want.s12, tol, "S12");
  expectNear(got.s22, want.s22, tol, "S22");
}

TEST(Stamps, ResistorToGroundAtAMatchedPort)
{
  Bench bench(1, 0);
  Component r = part(ComponentType::Resistor, {1, 0});
  setValue(r, 1, 50);
  bench.add(r);
  auto m = bench.matrix(1e6);
  EXPECT_DOUBLE_EQ((*m)[1][1].re, 0.04);
  EXPECT_EQ((*m)[1][1].im, 0.0);
  EXPECT_NEAR(std::abs(bench.solve(1e6).s11), 0.0, 1e-15);
}

TEST(Stamps, IdealCapacitorAndInductorEntries)
{
  const double f = 123e6;
  Bench bench(2);
  Component c = part(ComponentType::Capacitor, {1, 2});
  setValue(c, 1, 4.7e-12);
  Component l = part(ComponentType::Inductor, {2, 0});
  setValue(l, 1, 33e-9);
  bench.add(c);
  bench.add(l);
  auto m = bench.matrix(f);
  const double yc = kTwoPi * f * 4.7e-12;
  const double yl = -1.0 / (kTwoPi * f * 33e-9);
  EXPECT_EQ((*m)[1][2], (Complex{-0.0, -yc}));
  EXPECT_EQ((*m)[1][1], (Complex{0.02, yc}));
  EXPECT_EQ((*m)[2][2].im, yc + yl);
  EXPECT_EQ((*m)[0][0].im, yl);
}

TEST(Stamps, LadderCircuitsAgainstTwoPortFormulas)
{
  // Series R, series L, shunt C, and an L-C low-pass, each between two 50 Ohm ports. At 1 kHz
  // the inductor's 1600 S across 0.02 S ports costs about 5 digits (S11 = 2 V1 - 1 with V1
  // near 0.5), hence an absolute tolerance of 1e-10 on quantities of order 1.
  constexpr double kTol = 1e-10;
  for (double f : {1e3, 10e6, 300e6, 2.4e9}) {
    const double w = kTwoPi * f;
    {
      Bench bench(2);
      Component r = part(ComponentType::Resistor, {1, 2});
      setValue(r, 1, 100);
      bench.add(r);
      expectSParams(bench.solve(f), fromAbcd(1, 100, 0, 1), kTol);
    }
    {
      Bench bench(2);
      Component l = part(ComponentType::Inductor, {2, 1});
      setValue(l, 1, 100e-9);
      bench.add(l);
      expectSParams(bench.solve(f), fromAbcd(1, C(0, w * 100e-9), 0, 1), kTol);
    }
    {
      Bench bench(1, 1);
      Component c = part(ComponentType::Capacitor, {0, 1});
      setValue(c, 1, 10e-12);
      bench.add(c);
      expectSParams(bench.solve(f), fromAbcd(1, 0, C(0, w * 10e-12), 1), kTol);
    }
    {
      // Port 1 - series L - node 2 (port 2) with shunt C at node 2.
      Bench bench(2);
      Component l = part(ComponentType::Inductor, {1, 2});
      setValue(l, 1, 56e-9);
      Component c = part(ComponentType::Capacitor, {2, 0});
      setValue(c, 1, 22e-12);
      bench.add(l);
      bench.add(c);
      const C Z(0, w * 56e-9);
      const C Y(0, w * 22e-12);
      // [1 Z; 0 1] [1 0; Y 1]
      expectSParams(bench.solve(f), fromAbcd(1.0 + Z * Y, Z, Y, 1), kTol);
    }
  }
}

TEST(Stamps, TransmissionLine)
{
  // A 75 Ohm line between 50 Ohm ports: ABCD [cos t, jZ sin t; j sin t / Z, cos t].
  for (double f : {50e6, 1e9, 3.3e9}) {
    Bench bench(2);
    Component line = part(ComponentType::TxLine, {1, 2});
    setValue(line, 1, 75);
    setValue(line, 2, 2e8);
    setValue(line, 3, 0.123);
    bench.add(line);
    const double t = 0.123 * kTwoPi * f / 2e8;
    expectSParams(
        bench.solve(f),
        fromAbcd(std::cos(t), C(0, 75 * std::sin(t)), C(0, std::sin(t) / 75), std::cos(t)), 1e-9);
  }
  // The tolerance value is used only when its tolerance is enabled.
  {
    Bench bench(2);
    Component line = part(ComponentType::TxLine, {1, 2});
    setValue(line, 1, 50);
    line.value[1].actual = 60; // ignored: TolEn false
    setValue(line, 2, 3e8);
    setValue(line, 3, 0.1);
    line.value[3].actual = 0.2;
    line.value[3].TolEn = true; // used
    bench.add(line);
    const double t = 0.2 * kTwoPi * 1e9 / 3e8;
    expectSParams(
        bench.solve(1e9),
        fromAbcd(std::cos(t), C(0, 50 * std::sin(t)), C(0, std::sin(t) / 50), std::cos(t)), 1e-9);
  }
  // sin(theta) exactly 0: cot and csc give 1e25.
  {
    Bench bench(2);
    Component line = part(ComponentType::TxLine, {1, 2});
    setValue(line, 1, 50);
    setValue(line, 2, 3e8);
    setValue(line, 3, 0.0);
    bench.add(line);
    auto m = bench.matrix(1e9);
    EXPECT_EQ((*m)[1][2], (Complex{0, 1e25 / 50}));
    EXPECT_EQ((*m)[2][1], (Complex{0, 1e25 / 50}));
    EXPECT_EQ((*m)[2][2], (Complex{0.02, -1e25 / 50}));
  }
}

// The loss models follow the laws their dialogs state. With the self-resonance far away the
// element's Q at f is B/G for the capacitor and -B/G for the inductor.
TEST(Stamps, PhysicalModelQFollowsTheStatedLaw)
{
  const double Q0 = 200;
  const double F = 100e6;
  for (int mode = 1; mode <= 3; ++mode) {
    for (double f : {1e6, 30e6, 100e6, 450e6, 2e9}) {
      PhysicalModel cap{10e-12, Q0, F, 1e15, qModeOf(mode)};
      const Complex yc = physicalCapacitorAdmittance(cap, f);
      const double qc = yc.im / yc.re;
      const double wantC = mode == 1 ? Q0 * F / f : mode == 2 ? Q0 * std::sqrt(F / f) : Q0;
      EXPECT_NEAR(qc / wantC, 1.0, 1e-9) << "capacitor mode " << mode << " f " << f;

      PhysicalModel ind{10e-9, Q0, F, 1e15, qModeOf(mode)};
      const Complex yl = physicalInductorAdmittance(ind, f);
      const double ql = -yl.im / yl.re;
      const double wantL = mode == 1 ? Q0 * f / F : mode == 2 ? Q0 * std::sqrt(f / F) : Q0;
      EXPECT_NEAR(ql / wantL, 1.0, 1e-9) << "inductor mode " << mode << " f " << f;
    }
  }
  // Mode 1 keeps the resistive losses constant: the capacitor's equivalent series resistance
  // tends to 1/(2 pi F C Q) as Q grows, and the inductor's Rs is 2 pi F L / Q at every f.
  for (double f : {10e6, 100e6, 1e9}) {
    PhysicalModel cap{10e-12, Q0, F, 1e15, QMode::ResistiveLossConstant};
    const C zc = 1.0 / toStd(physicalCapacitorAdmittance(cap, f));
    // Rp parallel C in series form: ESR = Rp / (1 + Q(f)^2) = 1/(2 pi F C Q) * Q^2/(1 + Q^2).
    const double q = Q0 * F / f;
    const double esr = 1.0 / (kTwoPi * F * 10e-12 * Q0) * (q * q / (1 + q * q));
    EXPECT_NEAR(zc.real() / esr, 1.0, 1e-9) << f;
    PhysicalModel ind{10e-9, Q0, F, 1e15, QMode::ResistiveLossConstant};
    const C zl = 1.0 / toStd(physicalInductorAdmittance(ind, f));
    EXPECT_NEAR(zl.real() / (kTwoPi * F * 10e-9 / Q0), 1.0, 1e-9) << f;
  }
  // Stored modes other than 1 and 2 mean constant Q; 1.4 rounds to 1.
  EXPECT_EQ(qModeOf(0), QMode::ConstantQ);
  EXPECT_EQ(qModeOf(7), QMode::ConstantQ);
  EXPECT_EQ(qModeOf(1.4), QMode::ResistiveLossConstant);
  EXPECT_EQ(qModeOf(2), QMode::SquareRoot);
}

TEST(Stamps, PhysicalModelsAgainstTheirCircuits)
{
  // Capacitor: (Rp || C) in series with Ls; inductor: (Rs + jwL) || Cp.
  const double f = 700e6;
  const double w = kTwoPi * f;
  const double srf = 2.2e9;
  {
    Bench bench(1, 0);
    Component c = part(ComponentType::Capacitor, {1, 0});
    setValue(c, 1, 5e-12);
    setValue(c, 2, 150);
    setValue(c, 3, 100e6);
    setValue(c, 4, srf);
    setValue(c, 5, 2);
    c.value[5].TolEn = true;
    bench.add(c);
    const double Rp = std::sqrt(100e6 / f) * 150 / (w * 5e-12);
    const double Ls = 1.0 / std::pow(kTwoPi * srf, 2) / 5e-12;
    const C Z = 1.0 / (1.0 / Rp + C(0, w * 5e-12)) + C(0, w * Ls);
    auto m = bench.matrix(f);
    expectNear(toStd((*m)[0][0]), 1.0 / Z, 1e-12, "capacitor");
  }
  {
    Bench bench(1, 0);
    Component l = part(ComponentType::Inductor, {0, 1});
    setValue(l, 1, 27e-9);
    setValue(l, 2, 60);
    setValue(l, 3, 100e6);
    setValue(l, 4, srf);
    setValue(l, 5, 1);
    l.value[5].TolEn = true;
    bench.add(l);
    const double Rs = kTwoPi * 100e6 * 27e-9 / 60; // constant loss resistance
    const double Cp = 1.0 / std::pow(kTwoPi * srf, 2) / 27e-9;
    const C Y = 1.0 / C(Rs, w * 27e-9) + C(0, w * Cp);
    auto m = bench.matrix(f);
    expectNear(toStd((*m)[0][0]), Y, 1e-12, "inductor");
  }
}

TEST(Stamps, IdealTransformerEntries)
{
  Bench bench(4);
  Component t = part(ComponentType::Transformer, {1, 2, 3, 4});
  setValue(t, 1, 1);        // Ns
  t.value[1].mintol = 1;    // Np
  t.value[1].TolEn = false; // ideal
  bench.add(t);
  auto m = bench.matrix(1e6);
  const double B = -1e9;
  const double want[4][4] = {{B, -B, -B, B}, {-B, B, B, -B}, {-B, B, B, -B}, {B, -B, -B, B}};
  const double portG[4] = {0.02, 0.02, 0, 0};
  for (int r = 0; r < 4; ++r) {
    for (int c = 0; c < 4; ++c) {
      Complex expected{r == c ? portG[r] : 0.0, want[r][c]};
      if ((r == 1 && c == 1) || (r == 3 && c == 3)) {
        expected = expected + Complex{1e-20, B}; // pins 2 and 4 once more
      }
      EXPECT_EQ((*m)[r + 1][c + 1], expected) << r << "," << c;
    }
  }
}

TEST(Stamps, TransformersInCircuits)
{
  // Ideal 1:3 transformer into a port of 9 x 50 Ohm: matched, voltage ratio 3.
  {
    Bench bench(2, 2, 50, 450);
    Component t = part(ComponentType::Transformer, {1, 0, 2, 0});
    setValue(t, 1, 3);
    t.value[1].mintol = 1;
    bench.add(t);
    const SParams s = bench.solve(10e6);
    EXPECT_NEAR(std::abs(s.s11), 0.0, 1e-6);
    expectNear(s.s21, 1.0, 1e-6, "S21");
  }
  // Physical transformer: susceptances -1/(wLp), -1/(wLs) with Ls = n^2 Lp, and
  // Bm = -k/(w sqrt(Lp Ls)); checked entry by entry.
  {
    const double f = 5e6;
    const double w = kTwoPi * f;
    Bench bench(4);
    Component t = part(ComponentType::Transformer, {1, 2, 3, 4});
    setValue(t, 1, 2);
    t.value[1].mintol = 1;
    t.value[1].TolEn = true;
    setValue(t, 2, 1e-6);
    setValue(t, 3, 0.9);
    bench.add(t);
    auto m = bench.matrix(f);
    const double Ls = 4e-6;
    EXPECT_NEAR((*m)[1][1].im, -1.0 / (w * 1e-6), 1e-9);
    EXPECT_NEAR((*m)[3][3].im, -1.0 / (w * Ls), 1e-9);
    EXPECT_NEAR((*m)[1][3].im, 0.9 / (w * std::sqrt(1e-6 * Ls)), 1e-9);
    EXPECT_NEAR((*m)[2][2].im, -1.0 / (w * 1e-6) - 1.0 / (w * Ls), 1e-9);
  }
  // Mutual inductance: the secondary inductance is Lp Ns/Np, no extra entries at pins 2, 4.
  {
    const double f = 5e6;
    const double w = kTwoPi * f;
    Bench bench(4);
    Component t = part(ComponentType::Mutual, {1, 2, 3, 4});
    setValue(t, 1, 2);
    t.value[1].mintol = 1;
    t.value[1].TolEn = true;
    setValue(t, 2, 1e-6);
    setValue(t, 3, 0.5);
    bench.add(t);
    auto m = bench.matrix(f);
    EXPECT_NEAR((*m)[3][3].im, -1.0 / (w * 2e-6), 1e-9);
    EXPECT_NEAR((*m)[4][4].im, -1.0 / (w * 2e-6), 1e-9);
    EXPECT_NEAR((*m)[1][4].im, -0.5 / (w * std::sqrt(2e-12)), 1e-9);
  }
  // Ideal mutual inductance: B2 = -1e9 Np/Ns.
  {
    Bench bench(4);
    Component t = part(ComponentType::Mutual, {1, 2, 3, 4});
    setValue(t, 1, 4);
    t.value[1].mintol = 1;
    bench.add(t);
    auto m = bench.matrix(1e6);
    EXPECT_EQ((*m)[3][3].im, -1e9 / 4);
    EXPECT_EQ((*m)[3][1].im, std::sqrt(1e9 * 1e9 / 4));
  }
}

TEST(Stamps, ControlledSources)
{
  // Control across port 1 (pins 1, 2 = node 1, ground), output at port 2 (pins 3, 4 = node 2,
  // ground), both 50 Ohm.
  {
    // VCVS A = 4: the control input draws no current (port 1 open, V1 = 1) and an ideal
    // source drives port 2 (V2 = 4, port 2 sees a short).
    Bench bench(2);
    Component e = part(ComponentType::VCVS, {1, 0, 2, 0});
    setValue(e, 1, 4);
    bench.add(e);
    const SParams s = bench.solve(1e6);
    expectNear(s.s11, 1.0, 1e-9, "S11");
    expectNear(s.s21, 2.0 * 4, 1e-6, "S21");
    expectNear(s.s22, -1.0, 1e-6, "S22");
    expectNear(s.s12, 0.0, 1e-9, "S12");
  }
  {
    // VCCS gm: gm V1 leaves node 2 into ground, so V2 = -gm Z0 V1 with V1 = 1 (open input);
    // the output is a current source (port 2 open, up to the 1 nS leak).
    Bench bench(2);
    Component g = part(ComponentType::VCCS, {1, 0, 2, 0});
    setValue(g, 1, 0.1);
    bench.add(g);
    const SParams s = bench.solve(1e6);
    expectNear(s.s11, 1.0, 1e-9, "S11");
    expectNear(s.s21, -2.0 * 0.1 * 50, 1e-5, "S21");
    expectNear(s.s22, 1.0, 1e-6, "S22");
  }
  {
    Bench bench(2); // CCCS beta: port 1 is shorted through the sense, I = 1/Z0 -> V2 = -beta
    Component cs = part(ComponentType::CCCS, {1, 0, 2, 0});
    setValue(cs, 1, 3);
    bench.add(cs);
    const SParams s = bench.solve(1e6);
    expectNear(s.s11, -1.0, 1e-6, "S11");
    expectNear(s.s21, -2.0 * 3, 1e-6, "S21");
  }
  {
    Bench bench(2); // CCVS Rm: V2 = Rm I with I = 1/Z0 through the shorted port 1
    Component h = part(ComponentType::CCVS, {1, 0, 2, 0});
    setValue(h, 1, 25);
    bench.add(h);
    const SParams s = bench.solve(1e6);
    expectNear(s.s11, -1.0, 1e-6, "S11");
    expectNear(s.s21, 2.0 * 25 / 50, 1e-6, "S21");
  }
}

TEST(Stamps, OpAmp)
{
  // Input 1 at port 1, input 2 grounded, output at port 2. Ri loads port 1; the output is
  // A V1 behind Ro into Z0.
  Bench bench(2);
  Component op = part(ComponentType::OpAmp, {1, 0, 2});
  setValue(op, 1, 200);
  setValue(op, 2, 10);
  setValue(op, 3, 30);
  bench.add(op);
  const SParams s = bench.solve(1e6);
  const double v1 = (1.0 / 50) / (1.0 / 50 + 1.0 / 200);
  const double v2 = 30 * v1 / 10 / (1.0 / 10 + 1.0 / 50);
  expectNear(s.s11, 2 * v1 - 1, 1e-12, "S11");
  expectNear(s.s21, 2 * v2, 1e-12, "S21");
}

TEST(Stamps, BipolarAgainstItsHybridPi)
{
  const double f = 150e6;
  const double w = kTwoPi * f;
  Bench bench(4);
  Component q = part(ComponentType::Bipolar, {1, 2, 3, 4, 4});
  setValue(q, 1, 120);
  q.value[2] = ToleranceValue{20, 15, 8000, 0, false, false};          // Re, Rbb, Ro
  q.value[3] = ToleranceValue{2e-12, 0.5e-12, 3e-10, 0, false, false}; // Cbe, Ccb, tau
  q.value[4] = ToleranceValue{1e-9, 40e6, 0.7e-9, 0, false, false};    // Lb, fbeta, Le
  bench.add(q);
  auto m = bench.matrix(f);

  const double phi = f * 3e-10 / kTwoPi;
  const C beta = 120.0 * std::exp(C(0, -phi)) / C(1, f / 40e6);
  const C Yb = 1.0 / C(15, w * 1e-9);
  const C Ye = 1.0 / (1.0 / (1.0 / 20 + C(0, w * 2e-12)) + C(0, w * 0.7e-9));
  const C Yc = 1.0 / 8000 + C(0, w * 0.5e-12);
  // Node order c, b, e, b'. Currents out of each node as functions of the node voltages.
  C want[4][4] = {};
  auto branch = [&](int a, int b, C y) {
    want[a][a] += y;
    want[b][b] += y;
    want[a][b] -= y;
    want[b][a] -= y;
  };
  branch(1, 3, Yb);
  branch(2, 3, Ye);
  branch(0, 3, Yc);
  // beta Ib leaves the collector and enters b', Ib = Yb (Vb - Vb').
  want[0][1] += beta * Yb;
  want[0][3] -= beta * Yb;
  want[3][1] -= beta * Yb;
  want[3][3] += beta * Yb;
  const double port[4] = {0.02, 0.02, 0, 0};
  for (int r = 0; r < 4; ++r) {
    for (int c = 0; c < 4; ++c) {
      const C expected = want[r][c] + (r == c ? port[r] : 0.0);
      EXPECT_NEAR((*m)[r + 1][c + 1].re, expected.real(), 1e-12 * (1 + std::abs(expected)));
      EXPECT_NEAR((*m)[r + 1][c + 1].im, expected.imag(), 1e-12 * (1 + std::abs(expected)));
    }
  }
}

TEST(Stamps, PortsAndThingsThatStampNothing)
{
  Bench bench(2, 2, 0, 75); // port 1 with Zo exactly 0
  Component g = part(ComponentType::Ground, {0});
  bench.add(g);
  Component loose = part(ComponentType::Resistor, {1, 2});
  setValue(loose, 1, 10);
  loose.pins.nodes[2] = Point{120, 80}; // not a node reference
  bench.add(loose);
  Component block = part(ComponentType::SParam2, {1, 2, 0});
  setValue(block, 1, 51); // no such data set
  bench.add(block);
  Component empty = part(ComponentType::SParam1, {1, 2});
  setValue(empty, 1, 3); // data set 3 holds no points
  bench.add(empty);
  auto m = bench.matrix(1e6);
  for (int r = 0; r <= 2; ++r) {
    for (int c = 0; c <= 2; ++c) {
      Complex expected{};
      if (r == 1 && c == 1) {
        expected = Complex{1e18, 0};
      } else if (r == 2 && c == 2) {
        expected = Complex{1.0 / 75, 0};
      }
      EXPECT_EQ((*m)[r][c], expected) << r << "," << c;
    }
  }
  EXPECT_FALSE(bench.errors.any());
}

} // namespace
} // namespace norvane
