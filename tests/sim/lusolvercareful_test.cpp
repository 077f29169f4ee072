// The careful solve that a sweep falls back on where the fast decomposition gives up: it must
// solve what is merely badly scaled, to full accuracy, and refuse what is singular (else a
// floating part of a circuit would come out as numbers instead of a message).

#include "lusolver_support.h"
#include "sim/lusolvercareful.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <random>
#include <vector>

namespace norvane {
namespace {

struct Random
{
  std::mt19937_64 rng{7};
  double uniform(double lo, double hi) { return std::uniform_real_distribution<>(lo, hi)(rng); }
  int below(int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }
  Complex entry(double lo, double hi)
  {
    const double mag = std::pow(10.0, uniform(lo, hi));
    return Complex{mag * uniform(-1, 1), mag * uniform(-1, 1)};
  }
};

void branch(ComplexMatrix& m, int a, int b, Complex y)
{
  m.add(a, a, y);
  m.add(b, b, y);
  m.add(a, b, -y);
  m.add(b, a, -y);
}

TEST(LUSolverCareful, SolvesBadlyScaledSystemsToFullAccuracy)
{
  // A = R B C with B of moderate condition and row and column scalings over 18 decades: the
  // scaling is undone exactly, so both solutions agree with the long double reference to the
  // last digits.
  Random g;
  for (int trial = 0; trial < 60; ++trial) {
    const int n = 2 + g.below(trial % 4 == 0 ? 99 : 30);
    std::vector<double> row(static_cast<std::size_t>(n) + 1);
    std::vector<double> col(static_cast<std::size_t>(n) + 1);
    for (int i = 1; i <= n; ++i) {
      row[static_cast<std::size_t>(i)] = std::pow(10.0, g.uniform(-9, 9));
      col[static_cast<std::size_t>(i)] = std::pow(10.0, g.uniform(-9, 9));
    }
    auto m = std::make_unique<ComplexMatrix>();
    for (int i = 1; i <= n; ++i) {
      for (int j = 1; j <= n; ++j) {
        Complex b{g.uniform(-1, 1), g.uniform(-1, 1)};
        if (i == j) {
          b = b + Complex{2.0 + 0.5 * std::sqrt(n), 0};
        }
        m->add(i, j, row[static_cast<std::size_t>(i)] * col[static_cast<std::size_t>(j)] * b);
      }
    }
    ComplexVector b1;
    ComplexVector b2;
    b1[1] = Complex{0.02, 0};
    b2[n] = Complex{0, 1e-3};
    const auto ref1 = lutest::referenceSolve(*m, n, b1);
    const auto ref2 = lutest::referenceSolve(*m, n, b2);
    const ComplexMatrix before = *m;
    ASSERT_TRUE(carefulSolve(*m, n, &b1, &b2)) << "trial " << trial;
    EXPECT_LT(lutest::relativeError(b1, ref1), 1e-13) << "trial " << trial << " n " << n;
    EXPECT_LT(lutest::relativeError(b2, ref2), 1e-13) << "trial " << trial << " n " << n;
    for (int i = 1; i <= n; ++i) {
      ASSERT_EQ(before[i][i], (*m)[i][i]); // the matrix is only read
    }
  }
}

TEST(LUSolverCareful, RefusesSingularMatrices)
{
  ComplexVector b;
  b[1] = Complex{1, 0};
  const ComplexVector unchanged = b;
  auto expectRefused = [&](const ComplexMatrix& m, int n, const char* what) {
    ComplexVector x = b;
    EXPECT_FALSE(carefulSolve(m, n, &x, nullptr)) << what;
    for (int i = 1; i <= std::min(n, kMaxSystemSize); ++i) {
      EXPECT_EQ(x[i], unchanged[i]) << what;
    }
  };
  {
    auto m = std::make_unique<ComplexMatrix>();
    m->add(1, 1, Complex{1, 0});
    m->add(1, 2, Complex{2, 0});
    m->add(3, 3, Complex{1, 1});
    expectRefused(*m, 3, "a zero row");
    expectRefused(*m, 0, "no rows");
    expectRefused(*m, 101, "too many rows");
  }
  {
    auto m = std::make_unique<ComplexMatrix>();
    m->add(1, 1, Complex{1, 0});
    m->add(1, 2, Complex{1, 0});
    m->add(2, 1, Complex{1, 0});
    m->add(2, 2, Complex{1, 0});
    expectRefused(*m, 2, "two equal rows");
  }
  // Floating islands: nodes joined to each other but with no path to ground or to the rest of
  // the circuit, whose branches reach 1e16 S. Rounding leaves the island's rows summing to
  // noise instead of zero; scaled, that noise is at the last digit and is refused as zero.
  int refused = 0;
  Random g;
  for (int trial = 0; trial < 200; ++trial) {
    const int grounded = 1 + g.below(20);
    const int n = grounded + 2 + g.below(12);
    auto m = std::make_unique<ComplexMatrix>();
    for (int i = 1; i <= grounded; ++i) {
      branch(*m, i, g.below(i), g.entry(-3, 16));
    }
    for (int i = grounded + 2; i <= n; ++i) {
      branch(*m, i, grounded + 1 + g.below(i - grounded - 1), g.entry(-1, 1));
    }
    for (int e = 0; e < n - grounded; ++e) {
      branch(*m, grounded + 1 + g.below(n - grounded), grounded + 1 + g.below(n - grounded),
             g.entry(-1, 1));
    }
    ComplexVector x = b;
    refused += carefulSolve(*m, n, &x, nullptr) ? 0 : 1;
  }
  EXPECT_EQ(refused, 200);
}

} // namespace
} // namespace norvane
