// How long a sweep's worth of solves takes: 501 points, one decomposition and two port
// excitations each, for a 20-node and a 100-node LC ladder (the sparse band a filter gives).
// Optimised builds must stay inside the budget that keeps tune mode and tolerance sweeps
// interactive; other builds only report.

#include "sim/lusolver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <memory>

namespace norvane {
namespace {

void stampLadder(ComplexMatrix& m, int n, double f)
{
  m.clear(n);
  const double w = 6.283185307179586477 * f;
  const Complex series{0.0, -1.0 / (w * 50e-9)};
  for (int i = 1; i < n; ++i) {
    m.add(i, i, series);
    m.add(i + 1, i + 1, series);
    m.add(i, i + 1, -series);
    m.add(i + 1, i, -series);
  }
  for (int i = 1; i <= n; ++i) {
    m.add(i, i, Complex{0.0, w * 20e-12});
  }
  m.add(1, 1, Complex{0.02, 0.0});
  m.add(n, n, Complex{0.02, 0.0});
}

double sweepMilliseconds(int n)
{
  auto m = std::make_unique<ComplexMatrix>();
  double best = 1e30;
  for (int rep = 0; rep < 3; ++rep) {
    const auto t0 = std::chrono::steady_clock::now();
    for (int p = 0; p <= 500; ++p) {
      stampLadder(*m, n, 1e6 + 2e6 * p);
      ComplexErrors errors;
      LUDecomposition lu;
      EXPECT_TRUE(LUDecompose(*m, n, lu, errors));
      ComplexVector b1;
      b1[1] = Complex{0.02, 0};
      LUBackSubstitute(*m, lu, b1, errors);
      ComplexVector b2;
      b2[n] = Complex{0.02, 0};
      LUBackSubstitute(*m, lu, b2, errors);
      EXPECT_TRUE(std::isfinite(b1[n].re) && std::isfinite(b2[1].im));
    }
    const auto t1 = std::chrono::steady_clock::now();
    best = std::min(best, std::chrono::duration<double, std::milli>(t1 - t0).count());
  }
  return best;
}

TEST(LUSolverSpeed, SweepOfALadder)
{
  const double ms20 = sweepMilliseconds(20);
  const double ms100 = sweepMilliseconds(100);
  std::printf("501 points, 2 excitations: 20 nodes %.2f ms, 100 nodes %.2f ms\n", ms20, ms100);
#ifdef NDEBUG
  EXPECT_LT(ms20, 5.0);
  EXPECT_LT(ms100, 100.0);
#endif
}

} // namespace
} // namespace norvane
