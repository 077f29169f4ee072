#include "sim/lusolver.h"
#include "sim/lusolverdense.h"

#include "lusolver_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace norvane {
namespace {

using lutest::referenceSolve;
using lutest::relativeError;

bool sameBits(double x, double y)
{
  return std::memcmp(&x, &y, sizeof x) == 0;
}
bool sameBits(Complex x, Complex y)
{
  return sameBits(x.re, y.re) && sameBits(x.im, y.im);
}

struct Generator
{
  std::mt19937_64 rng;
  explicit Generator(unsigned seed) : rng(seed) {}
  double uniform(double lo, double hi) { return std::uniform_real_distribution<>(lo, hi)(rng); }
  bool chance(double p) { return uniform(0, 1) < p; }
  int below(int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }
  // Magnitudes 10^lo .. 10^hi, either part sometimes exactly zero.
  Complex entry(double lo = -9, double hi = 7)
  {
    const double mag = std::pow(10.0, uniform(lo, hi));
    const double re = chance(0.2) ? 0.0 : mag * uniform(-1, 1);
    const double im = chance(0.2) ? 0.0 : mag * uniform(-1, 1);
    return Complex{re, im};
  }
};

// Decomposes copies of `m` with the pattern solver (pattern from the values, and pattern
// recorded by add()) and with the dense one, then solves three right-hand sides; everything
// must agree bit for bit.
void expectSameAsDense(const ComplexMatrix& m, int n, Generator& g, const std::string& label)
{
  auto fast = std::make_unique<ComplexMatrix>(m);
  auto stamped = std::make_unique<ComplexMatrix>();
  auto dense = std::make_unique<ComplexMatrix>(m);
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n; ++j) {
      if (!sameBits(m[i][j], Complex{})) {
        stamped->add(i, j, m[i][j]);
      }
    }
  }
  // add() turns a -0 part into +0; the dense copy must start from the same values.
  auto denseOfStamped = std::make_unique<ComplexMatrix>(*stamped);
  ComplexErrors fastErrors, stampedErrors, denseErrors, denseErrors2;
  LUDecomposition luFast, luStamped, luDense, luDense2;
  const bool ok = luDecompose(*fast, n, luFast, fastErrors);
  const bool okStamped = luDecomposeStamped(*stamped, n, luStamped, stampedErrors);
  const bool okDense = luDecomposeDense(*dense, n, luDense, denseErrors);
  const bool okDense2 = luDecomposeDense(*denseOfStamped, n, luDense2, denseErrors2);
  ASSERT_EQ(ok, okDense) << label;
  ASSERT_EQ(okStamped, okDense2) << label;
  EXPECT_EQ(fastErrors.LUSingular, denseErrors.LUSingular) << label;
  if (!ok) {
    return;
  }
  EXPECT_EQ(luFast.d, luDense.d) << label;
  for (int i = 1; i <= n; ++i) {
    ASSERT_EQ(luFast.pivots[i], luDense.pivots[i]) << label << " pivot " << i;
    for (int j = 1; j <= n; ++j) {
      ASSERT_TRUE(sameBits((*fast)[i][j], (*dense)[i][j])) << label << " factor " << i << "," << j;
      if (okStamped) {
        ASSERT_TRUE(sameBits((*stamped)[i][j], (*denseOfStamped)[i][j]))
            << label << " stamped factor " << i << "," << j;
      }
    }
  }
  // A port excitation (one non-zero), a full random vector, one with negative zeros.
  for (int rhs = 0; rhs < 3; ++rhs) {
    ComplexVector b;
    for (int i = 1; i <= n; ++i) {
      Complex v{};
      if (rhs == 0) {
        v = i == (n + 1) / 2 ? Complex{0.02, 0} : Complex{};
      } else {
        v = g.chance(0.5) ? g.entry() : Complex{};
        if (rhs == 2 && g.chance(0.3)) {
          v.im = -0.0;
        }
      }
      b[i] = v;
    }
    ComplexVector bDense = b;
    luBackSubstitute(*fast, luFast, b, fastErrors);
    luBackSubstituteDense(*dense, luDense, bDense, denseErrors);
    for (int i = 1; i <= n; ++i) {
      ASSERT_TRUE(sameBits(b[i], bDense[i])) << label << " rhs " << rhs << " x" << i;
    }
  }
  EXPECT_EQ(fastErrors.ComplexOverflow, denseErrors.ComplexOverflow) << label;
}

TEST(LUSolver, AgreesBitForBitWithTheDenseSolver)
{
  Generator g(12345);
  const double densities[] = {1.0, 0.5, 0.1, 0.03, 0.0};
  for (int trial = 0; trial < 400; ++trial) {
    const int n = 1 + g.below(trial % 4 == 0 ? 100 : 40);
    const double density = densities[trial % 5];
    const double special = trial % 7 == 0 ? 0.02 : 0.0;
    auto m = std::make_unique<ComplexMatrix>();
    for (int i = 1; i <= n; ++i) {
      for (int j = 1; j <= n; ++j) {
        Complex v{};
        if (i == j || g.chance(density)) {
          v = g.entry();
        }
        if (g.chance(special)) {
          const double specials[] = {-0.0, std::numeric_limits<double>::infinity(), std::nan(""),
                                     1e300, 1e-300};
          v.re = specials[g.rng() % 5];
        }
        (*m)[i][j] = v;
      }
    }
    // Now and then a structurally awkward matrix: a zero column, a zero row, two equal rows.
    if (trial % 11 == 3 && n > 1) {
      const int col = 1 + g.below(n);
      for (int i = 1; i <= n; ++i) {
        (*m)[i][col] = Complex{};
      }
    }
    if (trial % 13 == 5) {
      const int row = 1 + g.below(n);
      for (int j = 1; j <= n; ++j) {
        (*m)[row][j] = Complex{};
      }
    }
    if (trial % 17 == 8 && n > 2) {
      for (int j = 1; j <= n; ++j) {
        (*m)[n][j] = (*m)[1][j];
      }
    }
    expectSameAsDense(*m, n, g, "trial " + std::to_string(trial));
  }
}

TEST(LUSolver, BandedAdmittanceMatricesAgreeBitForBit)
{
  // A ladder's tridiagonal matrix, including exact cancellations that leave zeros in the band.
  Generator g(777);
  for (int n : {1, 2, 3, 10, 57, 100}) {
    auto m = std::make_unique<ComplexMatrix>();
    for (int i = 1; i <= n; ++i) {
      for (int j = std::max(1, i - 1); j <= std::min(n, i + 1); ++j) {
        (*m)[i][j] = i == j ? Complex{1.0 + i % 3, 0.25 * i} : Complex{-1.0, i % 4 == 0 ? 0 : 0.5};
      }
    }
    expectSameAsDense(*m, n, g, "band n=" + std::to_string(n));
  }
}

TEST(LUSolver, SmallWorkedCases)
{
  ComplexErrors errors;
  // n = 1: the solution is b / a.
  {
    ComplexMatrix m;
    m[1][1] = Complex{2, 2};
    ComplexVector b;
    b[1] = Complex{4, 0};
    EXPECT_TRUE(solveComplexSystem(m, 1, b, errors));
    EXPECT_DOUBLE_EQ(b[1].re, 1.0);
    EXPECT_DOUBLE_EQ(b[1].im, -1.0);
  }
  // First column (0, x): the rows are exchanged and d becomes -1.
  {
    ComplexMatrix m;
    m[1][2] = Complex{1, 0};
    m[2][1] = Complex{2, 0};
    m[2][2] = Complex{1, 0};
    LUDecomposition lu;
    ASSERT_TRUE(luDecompose(m, 2, lu, errors));
    EXPECT_EQ(lu.pivots[1], 2);
    EXPECT_EQ(lu.d, -1.0);
    ComplexVector b;
    b[1] = Complex{3, 0}; // y = 3
    b[2] = Complex{5, 0}; // 2x + y = 5
    luBackSubstitute(m, lu, b, errors);
    EXPECT_DOUBLE_EQ(b[1].re, 1.0);
    EXPECT_DOUBLE_EQ(b[2].re, 3.0);
  }
  // Equal magnitudes (|1| + |-1| = |2|): the upper row stays.
  {
    ComplexMatrix m;
    m[1][1] = Complex{1, -1};
    m[1][2] = Complex{1, 0};
    m[2][1] = Complex{2, 0};
    m[2][2] = Complex{-1, 0};
    LUDecomposition lu;
    ASSERT_TRUE(luDecompose(m, 2, lu, errors));
    EXPECT_EQ(lu.pivots[1], 1);
    EXPECT_EQ(lu.d, 1.0);
  }
  // The larger entry wins whatever the rest of its row holds: a 1 S entry beside a 1e7 S one
  // (a source's sensing branch) is still a better pivot than 0.5 S.
  {
    ComplexMatrix m;
    m[1][1] = Complex{1, 0};
    m[1][2] = Complex{1e7, 0};
    m[2][1] = Complex{0.5, 0};
    m[2][2] = Complex{0.1, 0};
    LUDecomposition lu;
    ASSERT_TRUE(luDecompose(m, 2, lu, errors));
    EXPECT_EQ(lu.pivots[1], 1);
  }
  EXPECT_FALSE(errors.any());
}

TEST(LUSolver, SingularMatricesAreReported)
{
  // One all-zero row: false, LUSingular, no overflow, the matrix untouched.
  {
    ComplexErrors errors;
    ComplexMatrix m;
    m[1][1] = Complex{1, 0};
    m[1][2] = Complex{2, 0};
    m[3][3] = Complex{1, 1};
    ComplexVector b;
    b[1] = Complex{1, 0};
    EXPECT_FALSE(solveComplexSystem(m, 3, b, errors));
    EXPECT_TRUE(errors.LUSingular);
    EXPECT_FALSE(errors.ComplexOverflow);
    EXPECT_EQ(m[1][2], (Complex{2, 0}));
    EXPECT_EQ(m[3][3], (Complex{1, 1}));
  }
  // A pivot that is exactly zero after elimination: reported, never replaced by a tiny value.
  {
    ComplexErrors errors;
    ComplexMatrix m;
    m[1][1] = m[1][2] = m[2][1] = m[2][2] = Complex{1, 0};
    ComplexVector b;
    b[1] = Complex{1, 0};
    EXPECT_FALSE(solveComplexSystem(m, 2, b, errors));
    EXPECT_TRUE(errors.LUSingular);
  }
  // A floating triangle of capacitors (nodes 2, 3, 4 joined only to each other) beside a
  // resistor at node 1: no zero row, and rounding leaves a tiny pivot instead of zero.
  {
    ComplexErrors errors;
    auto m = std::make_unique<ComplexMatrix>();
    m->add(1, 1, Complex{0.02, 0});
    const double c[3] = {1e-12 * 6.283185307e8, 3.3e-12 * 6.283185307e8, 4.7e-12 * 6.283185307e8};
    const int ends[3][2] = {{2, 3}, {3, 4}, {2, 4}};
    for (int e = 0; e < 3; ++e) {
      const int a = ends[e][0];
      const int b = ends[e][1];
      m->add(a, a, Complex{0, c[e]});
      m->add(b, b, Complex{0, c[e]});
      m->add(a, b, Complex{0, -c[e]});
      m->add(b, a, Complex{0, -c[e]});
    }
    LUDecomposition lu;
    EXPECT_FALSE(luDecomposeStamped(*m, 4, lu, errors));
    EXPECT_TRUE(errors.LUSingular);
  }
  // Floating islands: nodes joined to each other but with no path to ground or to the rest of
  // the circuit (whose branches reach 1e16 S). With branch values that are exact in binary the
  // elimination leaves an exact zero where the island's last pivot is: always reported. With
  // arbitrary values rounding leaves noise there; the noise is caught when it stays within the
  // rounding bound of the pivot's own products (see kNegligiblePivot), which holds for all but a
  // few of these islands, whose noise comes in from the other entries of the island. (An
  // island whose branches span more than the 16 digits of a double is another matter: its
  // stored rows no longer sum to zero, and the matrix as stored is not singular.)
  {
    Generator g(5);
    int caught = 0;
    for (int trial = 0; trial < 200; ++trial) {
      const bool exact = trial % 2 == 0;
      auto islandBranch = [&] {
        return exact ? Complex{std::ldexp(1.0, g.below(8) - 4), std::ldexp(1.0, g.below(8) - 4)}
                     : g.entry(-1, 1);
      };
      const int grounded = 1 + g.below(20);
      const int n = grounded + 2 + g.below(12);
      auto m = std::make_unique<ComplexMatrix>();
      auto branch = [&](int a, int b, Complex y) {
        m->add(a, a, y);
        m->add(b, b, y);
        m->add(a, b, -y);
        m->add(b, a, -y);
      };
      for (int i = 1; i <= grounded; ++i) {
        branch(i, g.below(i), g.entry(-3, 16));
      }
      for (int i = grounded + 2; i <= n; ++i) {
        branch(i, grounded + 1 + g.below(i - grounded - 1), islandBranch()); // a tree ...
      }
      for (int e = 0; e < n - grounded; ++e) { // ... and loops
        branch(grounded + 1 + g.below(n - grounded), grounded + 1 + g.below(n - grounded),
               islandBranch());
      }
      ComplexErrors errors;
      LUDecomposition lu;
      const bool solved = luDecomposeStamped(*m, n, lu, errors);
      if (exact) {
        EXPECT_FALSE(solved) << "trial " << trial;
      }
      caught += solved ? 0 : 1;
    }
    EXPECT_GE(caught, 195);
  }
  // Sizes the solver cannot take.
  {
    ComplexErrors errors;
    ComplexMatrix m;
    ComplexVector b;
    EXPECT_FALSE(solveComplexSystem(m, 0, b, errors));
    EXPECT_FALSE(solveComplexSystem(m, 101, b, errors));
  }
}

TEST(LUSolver, MixedScaleSystemsAgainstAnExactReference)
{
  // A = R B C: B a random dense or sparse matrix of moderate condition, R and C diagonal
  // scalings of 10^-1.5 .. 10^8 each, so that the entries of A range over 1e-3 .. 1e16 and the
  // rows mix scales as nodal rows with controlled sources do. Compared with the long double
  // full-pivoting reference.
  Generator g(2024);
  for (int trial = 0; trial < 200; ++trial) {
    const int n = 2 + g.below(trial % 3 == 0 ? 99 : 30);
    const double density = trial % 2 == 0 ? 1.0 : 3.0 / n;
    std::vector<double> rowScale(static_cast<std::size_t>(n) + 1);
    std::vector<double> colScale(static_cast<std::size_t>(n) + 1);
    for (int i = 1; i <= n; ++i) {
      rowScale[static_cast<std::size_t>(i)] = std::pow(10.0, g.uniform(-1.5, 8));
      colScale[static_cast<std::size_t>(i)] = std::pow(10.0, g.uniform(-1.5, 8));
    }
    auto m = std::make_unique<ComplexMatrix>();
    for (int i = 1; i <= n; ++i) {
      for (int j = 1; j <= n; ++j) {
        if (i != j && !g.chance(density)) {
          continue;
        }
        Complex b{g.uniform(-1, 1), g.uniform(-1, 1)};
        if (i == j) {
          b = b + Complex{2.0 + 0.5 * std::sqrt(density * n), 0};
        }
        const double s =
            rowScale[static_cast<std::size_t>(i)] * colScale[static_cast<std::size_t>(j)];
        m->add(i, j, s * b);
      }
    }
    const ComplexMatrix original = *m;
    ComplexVector b;
    for (int i = 1; i <= n; ++i) {
      b[i] = g.chance(0.3) ? g.entry(-3, 3) : Complex{};
    }
    b[1] = Complex{0.02, 0};
    const auto ref = referenceSolve(original, n, b);
    ASSERT_FALSE(ref.empty());
    ComplexErrors errors;
    LUDecomposition lu;
    ASSERT_TRUE(luDecomposeStamped(*m, n, lu, errors)) << "trial " << trial;
    luBackSubstitute(*m, lu, b, errors);
    EXPECT_LT(relativeError(b, ref), 1e-9)
        << "trial " << trial << " n " << n << " condition "
        << static_cast<double>(lutest::conditionNumber(original, n));
  }
}

TEST(LUSolver, FactorOnceSolvesLikeACopy)
{
  // The second excitation solved from the first decomposition equals a fresh solve of a copy.
  Generator g(99);
  for (int trial = 0; trial < 20; ++trial) {
    const int n = 2 + trial * 4;
    auto m = std::make_unique<ComplexMatrix>();
    for (int i = 1; i <= n; ++i) {
      for (int j = 1; j <= n; ++j) {
        if (i == j || g.chance(0.2)) {
          (*m)[i][j] = g.entry();
        }
      }
    }
    auto copy = std::make_unique<ComplexMatrix>(*m);
    ComplexErrors errors;
    LUDecomposition lu;
    ASSERT_TRUE(luDecompose(*m, n, lu, errors));
    ComplexVector b1;
    b1[1] = Complex{0.02, 0};
    ComplexVector b2;
    b2[n] = Complex{0.02, 0};
    luBackSubstitute(*m, lu, b1, errors);
    luBackSubstitute(*m, lu, b2, errors);
    ComplexVector c2;
    c2[n] = Complex{0.02, 0};
    ASSERT_TRUE(solveComplexSystem(*copy, n, c2, errors));
    for (int i = 1; i <= n; ++i) {
      EXPECT_TRUE(sameBits(b2[i], c2[i]));
    }
  }
}

TEST(LUSolver, ClearTouchedLeavesAZeroMatrix)
{
  // Stamp, factor (with fill-in and interchanges), clear the touched entries: every cell is
  // zero again, so the next point's stamps start from nothing.
  Generator g(31);
  auto m = std::make_unique<ComplexMatrix>();
  for (int round = 0; round < 5; ++round) {
    const int n = 20 + round;
    for (int e = 0; e < 3 * n; ++e) {
      m->add(g.below(n + 1), g.below(n + 1), g.entry());
    }
    for (int i = 1; i <= n; ++i) {
      m->add(i, i, Complex{1, 0});
    }
    ComplexErrors errors;
    LUDecomposition lu;
    luDecomposeStamped(*m, n, lu, errors);
    m->clearTouched();
    for (int i = 0; i < kMatrixDim; ++i) {
      for (int j = 0; j < kMatrixDim; ++j) {
        ASSERT_TRUE(sameBits((*m)[i][j], Complex{})) << round << ": " << i << "," << j;
      }
    }
  }
}

TEST(LUSolver, SolutionSatisfiesTheSystem)
{
  Generator g(4242);
  for (int n : {1, 5, 20, 100}) {
    auto m = std::make_unique<ComplexMatrix>();
    for (int i = 1; i <= n; ++i) {
      for (int j = 1; j <= n; ++j) {
        (*m)[i][j] = Complex{g.uniform(-1, 1), g.uniform(-1, 1)};
      }
      (*m)[i][i] = (*m)[i][i] + Complex{2.0 * n, 0};
    }
    const ComplexMatrix original = *m;
    ComplexVector x;
    for (int i = 1; i <= n; ++i) {
      x[i] = Complex{g.uniform(-1, 1), g.uniform(-1, 1)};
    }
    ComplexVector b;
    for (int i = 1; i <= n; ++i) {
      Complex s{};
      for (int j = 1; j <= n; ++j) {
        s = s + original[i][j] * x[j];
      }
      b[i] = s;
    }
    ComplexErrors errors;
    ASSERT_TRUE(solveComplexSystem(*m, n, b, errors));
    for (int i = 1; i <= n; ++i) {
      EXPECT_NEAR(b[i].re, x[i].re, 1e-12);
      EXPECT_NEAR(b[i].im, x[i].im, 1e-12);
    }
  }
}

TEST(LUSolver, TransposedSolveFromTheSameFactors)
{
  // A^T y = c from the factors of A, against y_k = (column k of A^-1) . c from the ordinary
  // solves; normwise, as the generator mixes scales over many decades.
  Generator g(7);
  for (int trial = 0; trial < 20; ++trial) {
    const int n = 2 + trial * 4;
    auto m = std::make_unique<ComplexMatrix>();
    for (int i = 1; i <= n; ++i) {
      for (int j = 1; j <= n; ++j) {
        if (i == j || g.chance(0.2)) {
          (*m)[i][j] = g.entry();
        }
      }
    }
    ComplexErrors errors;
    LUDecomposition lu;
    ASSERT_TRUE(luDecompose(*m, n, lu, errors));
    ComplexVector c;
    for (int i = 1; i <= n; ++i) {
      c[i] = g.entry();
    }
    ComplexVector y = c;
    ASSERT_TRUE(luBackSubstituteTransposed(*m, lu, y, errors));
    ComplexVector want;
    double scale = 0.0;
    for (int k = 1; k <= n; ++k) {
      ComplexVector column;
      column[k] = Complex{1.0, 0.0};
      luBackSubstitute(*m, lu, column, errors);
      for (int j = 1; j <= n; ++j) {
        want[k] = want[k] + column[j] * c[j];
      }
      scale = std::max(scale, complexAbs(want[k]));
    }
    for (int k = 1; k <= n; ++k) {
      EXPECT_LE(complexAbs(y[k] - want[k]), 1e-9 * scale) << "trial " << trial << ", row " << k;
    }
  }
}

} // namespace
} // namespace norvane
