// Small active circuits whose nodal matrices mix entries of 1e-9 to 1e16 S in one row (op-amps,
// current-sensing controlled sources, ideal couplings): the solver's port voltages against the
// long double full-pivoting reference, at frequencies across the band.

#include "lusolver_support.h"
#include "stamps_support.h"

#include <gtest/gtest.h>

namespace norvane {
namespace {

using namespace stamptest;

Component opAmp(int plus, int minus, int out)
{
  Component op = part(ComponentType::OpAmp, {plus, minus, out});
  setValue(op, 1, 1e6); // Ri
  setValue(op, 2, 75);  // Ro
  setValue(op, 3, 1e5); // open-loop gain
  return op;
}

Component twoPin(ComponentType ctype, int a, int b, double value)
{
  Component c = part(ctype, {a, b});
  setValue(c, 1, value);
  return c;
}

Component physicalCapacitor(int a, int b, double farads)
{
  Component c = twoPin(ComponentType::Capacitor, a, b, farads);
  setValue(c, 2, 80);    // Q
  setValue(c, 3, 100e6); // at 100 MHz
  setValue(c, 4, 6e9);   // self-resonance
  setValue(c, 5, 3);     // constant Q
  c.value[5].TolEn = true;
  return c;
}

// S11, S21, S12, S22 (2 V - 1 at the driven port, 2 V at the other, 50 Ohm ports) at every
// listed frequency, against the same values from the reference solution.
void expectSParametersAsReference(Bench& bench, int nodes, int port2, double tolerance,
                                  std::initializer_list<double> frequencies = {1e6, 3.3e7, 1e8,
                                                                               4.7e8, 1.2e9})
{
  for (double f : frequencies) {
    for (int driven : {1, port2}) {
      auto m = bench.matrix(f);
      const ComplexMatrix original = *m;
      ComplexVector b;
      b[driven] = Complex{0.02, 0};
      const auto ref = lutest::referenceSolve(original, nodes, b);
      ASSERT_FALSE(ref.empty());
      LUDecomposition lu;
      ASSERT_TRUE(luDecompose(*m, nodes, lu, bench.errors)) << f;
      luBackSubstitute(*m, lu, b, bench.errors);
      for (int node : {1, port2}) {
        const lutest::LC want =
            2.0L * ref[static_cast<std::size_t>(node - 1)] - (node == driven ? 1.0L : 0.0L);
        const C got = 2.0 * toStd(b[node]) - (node == driven ? 1.0 : 0.0);
        const double err = static_cast<double>(std::abs(lutest::LC(got.real(), got.imag()) - want) /
                                               std::max(1.0L, std::abs(want)));
        EXPECT_LT(err, tolerance) << "f " << f << " driven " << driven << " at " << node
                                  << " condition "
                                  << static_cast<double>(lutest::conditionNumber(original, nodes));
      }
    }
  }
}

// Op-amp 1 amplifies port 1 with feedback from node 3 to its inverting input (node 2); op-amp
// 2 follows node 3 at node 4; the current into the capacitor at node 5, sensed between nodes
// 4 and 5, is fed back into node 2 three times over.
void addOpAmpsWithCurrentFeedback(Bench& bench)
{
  bench.add(opAmp(1, 2, 3));
  bench.add(twoPin(ComponentType::Resistor, 2, 3, 1e3));
  bench.add(twoPin(ComponentType::Resistor, 2, 0, 1e3));
  bench.add(opAmp(3, 4, 4));
  Component f = part(ComponentType::CCCS, {4, 5, 2, 0});
  setValue(f, 1, 3);
  bench.add(f);
  bench.add(twoPin(ComponentType::Capacitor, 5, 0, 10e-12));
}

TEST(LUSolverCircuits, OpAmpsWithACurrentControlledCurrentSource)
{
  Bench bench(5, 4);
  addOpAmpsWithCurrentFeedback(bench);
  // Genuinely ill-conditioned (1-norm condition 5e11 at 470 MHz, 4e13 at 1 MHz): the current
  // through the 1e9 S sense branch is set by the capacitor's 0.03 .. 0.1 S, so the sensed
  // current carries about eps * 1e9 / Y of rounding whatever the solver. Below 100 MHz even the
  // 1e-6 bound fails, for the former solver as for this one.
  expectSParametersAsReference(bench, 5, 4, 1e-6, {4.7e8, 1.2e9, 2e9});
  EXPECT_FALSE(bench.errors.any());
}

TEST(LUSolverCircuits, CurrentControlledVoltageSourceWithCapacitorsAndALine)
{
  // Port 1 drives the sense branch (node 1 to node 2, node 2 loaded by a capacitor); the
  // output (node 3) drives a series capacitor and a 10 cm line into port 2 at node 5.
  Bench bench(5, 5);
  Component h = part(ComponentType::CCVS, {1, 2, 3, 0});
  setValue(h, 1, 50);
  bench.add(h);
  bench.add(physicalCapacitor(2, 0, 22e-12));
  bench.add(physicalCapacitor(3, 4, 4.7e-12));
  Component line = part(ComponentType::TxLine, {4, 5});
  setValue(line, 1, 75);
  setValue(line, 2, 2e8);
  setValue(line, 3, 0.1);
  bench.add(line);
  expectSParametersAsReference(bench, 5, 5, 1e-9);
  EXPECT_FALSE(bench.errors.any());
}

TEST(LUSolverCircuits, IdealTransformerWithControlledSourcesAndAnOpAmp)
{
  // Port 1 on a 1:3 ideal transformer (secondary node 2); the secondary current, sensed from
  // node 2 to node 3 (a 47 Ohm load to ground), drives a CCVS at node 4, buffered by an
  // op-amp follower at node 5 (port 2), loaded by a parallel RC.
  Bench bench(5, 5);
  Component t = part(ComponentType::Transformer, {1, 0, 2, 0});
  setValue(t, 1, 3);
  t.value[1].mintol = 1;
  bench.add(t);
  Component h = part(ComponentType::CCVS, {2, 3, 4, 0});
  setValue(h, 1, 100);
  bench.add(h);
  bench.add(twoPin(ComponentType::Resistor, 3, 0, 47));
  bench.add(opAmp(4, 5, 5));
  bench.add(twoPin(ComponentType::Resistor, 5, 0, 1e3));
  bench.add(twoPin(ComponentType::Capacitor, 5, 0, 3.3e-12));
  // Genuinely ill-conditioned (1-norm condition 2.8e18: 1e9 S windings beside 1e7 S sense
  // branches and a 1e-20 S leak); S21 agrees to 3e-7.
  expectSParametersAsReference(bench, 5, 5, 1e-6);
  EXPECT_FALSE(bench.errors.any());
}

TEST(LUSolverCircuits, RefinementRecoversDigitsOfIllConditionedCircuits)
{
  // The op-amp circuit with the current-sensing source below 100 MHz, where the solver alone
  // keeps only 4 to 6 digits of S21: one step of refinement brings it within 1e-6.
  Bench bench(5, 4);
  addOpAmpsWithCurrentFeedback(bench);
  for (double freq : {1e6, 3.3e7, 1e8}) {
    auto m = bench.matrix(freq);
    EXPECT_TRUE(worthRefining(*m, 5));
    const ComplexMatrix original = *m;
    ComplexVector rhs;
    rhs[1] = Complex{0.02, 0};
    const auto ref = lutest::referenceSolve(original, 5, rhs);
    LUDecomposition lu;
    ASSERT_TRUE(luDecompose(*m, 5, lu, bench.errors));
    ComplexVector x = rhs;
    luBackSubstitute(*m, lu, x, bench.errors);
    const double before = std::abs(toStd(x[4]) - C(double(ref[3].real()), double(ref[3].imag())));
    luRefine(original, *m, lu, rhs, x, bench.errors);
    const double after = std::abs(toStd(x[4]) - C(double(ref[3].real()), double(ref[3].imag())));
    EXPECT_LT(2 * after, 1e-6 * std::max(1.0, 2 * std::abs(toStd(x[4])))) << freq;
    EXPECT_LT(after, before / 100) << freq;
  }
  // A passive ladder has nothing to refine.
  Bench passive(3, 3);
  passive.add(twoPin(ComponentType::Resistor, 1, 2, 50));
  passive.add(twoPin(ComponentType::Inductor, 2, 3, 1e-8));
  passive.add(twoPin(ComponentType::Capacitor, 3, 0, 1e-12));
  EXPECT_FALSE(worthRefining(*passive.matrix(1e8), 3));
}

} // namespace
} // namespace norvane
