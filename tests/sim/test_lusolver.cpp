#include "sim/lusolver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <random>
#include <vector>

namespace norvane {
namespace {

// The decomposition written out literally, left-looking, with nothing skipped: the yardstick
// for the optimised solver, which must agree with it bit for bit.
struct Reference
{
  std::vector<std::vector<Complex>> a; // 1-based
  std::vector<int> pivots;
  double d = 1.0;
};

bool referenceDecompose(Reference& r, int n, ComplexErrors& errors)
{
  auto& a = r.a;
  r.pivots.assign(static_cast<std::size_t>(n) + 1, 0);
  r.d = 1.0;
  std::vector<Complex> vv(static_cast<std::size_t>(n) + 1);
  for (int i = 1; i <= n; ++i) {
    Complex big{0, 0};
    for (int j = 1; j <= n; ++j) {
      if (ComplexAbs(a[i][j]) > ComplexAbs(big)) {
        big = a[i][j];
      }
    }
    if (ComplexAbs(big) == 0.0) {
      errors.LUSingular = true;
      return false;
    }
    vv[i] = ComplexDiv(Complex{1, 0}, big, errors);
  }
  for (int j = 1; j <= n; ++j) {
    for (int i = 1; i < j; ++i) {
      Complex sum = a[i][j];
      for (int k = 1; k < i; ++k) {
        sum = ComplexSub(sum, ComplexMul(a[i][k], a[k][j]));
      }
      a[i][j] = sum;
    }
    Complex best{0, 0};
    int imax = j;
    for (int i = j; i <= n; ++i) {
      Complex sum = a[i][j];
      for (int k = 1; k < j; ++k) {
        sum = ComplexSub(sum, ComplexMul(a[i][k], a[k][j]));
      }
      a[i][j] = sum;
      const Complex dum = ComplexMul(vv[i], sum);
      if (ComplexAbs(dum) >= ComplexAbs(best)) {
        best = dum;
        imax = i;
      }
    }
    if (imax != j) {
      std::swap(a[imax], a[j]);
      r.d = -r.d;
      vv[imax] = vv[j];
    }
    r.pivots[j] = imax;
    if (ComplexAbs(a[j][j]) == 0.0) {
      a[j][j] = Complex{1e-30, 1e-30};
    }
    if (j != n) {
      const Complex dum = ComplexDiv(Complex{1, 0}, a[j][j], errors);
      for (int i = j + 1; i <= n; ++i) {
        a[i][j] = ComplexMul(a[i][j], dum);
      }
    }
  }
  return true;
}

void referenceSubstitute(const Reference& r, int n, std::vector<Complex>& b, ComplexErrors& errors)
{
  const auto& a = r.a;
  int ii = 0;
  for (int i = 1; i <= n; ++i) {
    const int ip = r.pivots[i];
    Complex sum = b[ip];
    b[ip] = b[i];
    if (ii != 0) {
      for (int j = ii; j <= i - 1; ++j) {
        sum = ComplexSub(sum, ComplexMul(a[i][j], b[j]));
      }
    } else if (ComplexAbs(sum) != 0.0) {
      ii = i;
    }
    b[i] = sum;
  }
  for (int i = n; i >= 1; --i) {
    Complex sum = b[i];
    for (int j = i + 1; j <= n; ++j) {
      sum = ComplexSub(sum, ComplexMul(a[i][j], b[j]));
    }
    b[i] = ComplexDiv(sum, a[i][i], errors);
  }
}

bool sameBits(double x, double y)
{
  if (std::isnan(x) || std::isnan(y)) {
    return std::isnan(x) && std::isnan(y);
  }
  return std::memcmp(&x, &y, sizeof x) == 0;
}
bool sameBits(Complex x, Complex y)
{
  return sameBits(x.re, y.re) && sameBits(x.im, y.im);
}

// A random test matrix: `density` of the entries non-zero, optionally a few special values.
struct Generator
{
  std::mt19937_64 rng;
  explicit Generator(unsigned seed) : rng(seed) {}
  double uniform(double lo, double hi) { return std::uniform_real_distribution<>(lo, hi)(rng); }
  bool chance(double p) { return uniform(0, 1) < p; }
  Complex entry()
  {
    // Mixed scales, like admittances of 1e-9 .. 1e7 S.
    const double mag = std::pow(10.0, uniform(-9, 7));
    const double re = chance(0.2) ? 0.0 : mag * uniform(-1, 1);
    const double im = chance(0.2) ? 0.0 : mag * uniform(-1, 1);
    return Complex{re, im};
  }
};

struct Case
{
  int n;
  std::unique_ptr<ComplexMatrix> m = std::make_unique<ComplexMatrix>();
  Reference ref;
};

void fill(Case& c, Generator& g, double density, double specialChance)
{
  const int n = c.n;
  c.ref.a.assign(static_cast<std::size_t>(n) + 1, std::vector<Complex>(n + 1));
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n; ++j) {
      Complex v{};
      if (i == j || g.chance(density)) {
        v = g.entry();
      }
      if (g.chance(specialChance)) {
        const double specials[] = {-0.0, std::numeric_limits<double>::infinity(), std::nan(""),
                                   1e300, 1e-300};
        v.re = specials[g.rng() % 5];
      }
      (*c.m)[i][j] = v;
      c.ref.a[i][j] = v;
    }
  }
}

void expectSameAsReference(Case& c, Generator& g, const std::string& label)
{
  const int n = c.n;
  ComplexErrors fastErrors;
  ComplexErrors refErrors;
  LUDecomposition lu;
  const bool ok = LUDecompose(*c.m, n, lu, fastErrors);
  const bool refOk = referenceDecompose(c.ref, n, refErrors);
  ASSERT_EQ(ok, refOk) << label;
  EXPECT_EQ(fastErrors.LUSingular, refErrors.LUSingular) << label;
  if (!ok) {
    return;
  }
  EXPECT_EQ(lu.d, c.ref.d) << label;
  for (int i = 1; i <= n; ++i) {
    ASSERT_EQ(lu.pivots[i], c.ref.pivots[i]) << label << " pivot " << i;
    for (int j = 1; j <= n; ++j) {
      ASSERT_TRUE(sameBits((*c.m)[i][j], c.ref.a[i][j])) << label << " factor " << i << "," << j;
    }
  }
  // Several right-hand sides from the same factors: a port excitation (one non-zero), a full
  // random vector, one with a negative zero.
  for (int rhs = 0; rhs < 3; ++rhs) {
    ComplexVector b;
    std::vector<Complex> rb(static_cast<std::size_t>(n) + 1);
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
      rb[i] = v;
    }
    LUBackSubstitute(*c.m, lu, b, fastErrors);
    referenceSubstitute(c.ref, n, rb, refErrors);
    for (int i = 1; i <= n; ++i) {
      ASSERT_TRUE(sameBits(b[i], rb[i])) << label << " rhs " << rhs << " x" << i << " " << b[i].re
                                         << "," << b[i].im << " vs " << rb[i].re << "," << rb[i].im;
    }
  }
  EXPECT_EQ(fastErrors.ComplexOverflow, refErrors.ComplexOverflow) << label;
}

TEST(LUSolver, AgreesBitForBitWithThePlainAlgorithm)
{
  Generator g(12345);
  const double densities[] = {1.0, 0.5, 0.1, 0.03, 0.0};
  for (int trial = 0; trial < 400; ++trial) {
    Case c;
    c.n = 1 + static_cast<int>(g.rng() % 40);
    const double density = densities[trial % 5];
    const double special = trial % 7 == 0 ? 0.02 : 0.0;
    fill(c, g, density, special);
    // Now and then a structurally awkward matrix: a zero column (zero pivot), a zero row.
    if (trial % 11 == 3 && c.n > 1) {
      const int col = 1 + static_cast<int>(g.rng() % c.n);
      for (int i = 1; i <= c.n; ++i) {
        (*c.m)[i][col] = Complex{};
        c.ref.a[i][col] = Complex{};
      }
    }
    if (trial % 13 == 5) {
      const int row = 1 + static_cast<int>(g.rng() % c.n);
      for (int j = 1; j <= c.n; ++j) {
        (*c.m)[row][j] = Complex{};
        c.ref.a[row][j] = Complex{};
      }
    }
    expectSameAsReference(c, g, "trial " + std::to_string(trial));
  }
}

TEST(LUSolver, BandedAdmittanceMatricesAgreeBitForBit)
{
  // A ladder's tridiagonal matrix, where the skips do the most work, including exact
  // cancellations that leave zeros inside the band.
  Generator g(777);
  for (int n : {1, 2, 3, 10, 57, 100}) {
    Case c;
    c.n = n;
    c.ref.a.assign(static_cast<std::size_t>(n) + 1, std::vector<Complex>(n + 1));
    for (int i = 1; i <= n; ++i) {
      for (int j = std::max(1, i - 1); j <= std::min(n, i + 1); ++j) {
        Complex v = i == j ? Complex{1.0 + i % 3, 0.25 * i} : Complex{-1.0, i % 4 == 0 ? 0 : 0.5};
        (*c.m)[i][j] = v;
        c.ref.a[i][j] = v;
      }
    }
    expectSameAsReference(c, g, "band n=" + std::to_string(n));
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
    EXPECT_TRUE(SolveComplexSystem(m, 1, b, errors));
    EXPECT_DOUBLE_EQ(b[1].re, 1.0);
    EXPECT_DOUBLE_EQ(b[1].im, -1.0);
  }
  // First column (0, x): the rows are exchanged and d becomes -1.
  {
    ComplexMatrix m;
    m[1][1] = Complex{0, 0};
    m[1][2] = Complex{1, 0};
    m[2][1] = Complex{2, 0};
    m[2][2] = Complex{1, 0};
    LUDecomposition lu;
    ASSERT_TRUE(LUDecompose(m, 2, lu, errors));
    EXPECT_EQ(lu.pivots[1], 2);
    EXPECT_EQ(lu.d, -1.0);
    ComplexVector b;
    b[1] = Complex{3, 0}; // y = 3
    b[2] = Complex{5, 0}; // 2x + y = 5
    LUBackSubstitute(m, lu, b, errors);
    EXPECT_DOUBLE_EQ(b[1].re, 1.0);
    EXPECT_DOUBLE_EQ(b[2].re, 3.0);
  }
  // Equal scaled candidates: row 1 (1, 0.5) scales by 1, row 2 (2, -1) by 0.5; both candidates
  // are 1, and the later row wins.
  {
    ComplexMatrix m;
    m[1][1] = Complex{1, 0};
    m[1][2] = Complex{0.5, 0};
    m[2][1] = Complex{2, 0};
    m[2][2] = Complex{-1, 0};
    LUDecomposition lu;
    ASSERT_TRUE(LUDecompose(m, 2, lu, errors));
    EXPECT_EQ(lu.pivots[1], 2);
    EXPECT_EQ(lu.d, -1.0);
    ComplexVector b;
    b[1] = Complex{2, 0}; // x + y/2 = 2
    b[2] = Complex{0, 0}; // 2x - y = 0  -> x = 1, y = 2
    LUBackSubstitute(m, lu, b, errors);
    EXPECT_DOUBLE_EQ(b[1].re, 1.0);
    EXPECT_DOUBLE_EQ(b[2].re, 2.0);
  }
  // The larger scaled candidate wins even when its raw entry is smaller.
  {
    ComplexMatrix m;
    m[1][1] = Complex{1, 0};
    m[1][2] = Complex{100, 0}; // scale 1/100: candidate 0.01
    m[2][1] = Complex{0.5, 0};
    m[2][2] = Complex{0.1, 0}; // scale 2: candidate 1
    LUDecomposition lu;
    ASSERT_TRUE(LUDecompose(m, 2, lu, errors));
    EXPECT_EQ(lu.pivots[1], 2);
  }
  EXPECT_FALSE(errors.any());
}

TEST(LUSolver, ZeroRowAndZeroPivot)
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
    EXPECT_FALSE(SolveComplexSystem(m, 3, b, errors));
    EXPECT_TRUE(errors.LUSingular);
    EXPECT_FALSE(errors.ComplexOverflow);
    EXPECT_EQ(m[1][2], (Complex{2, 0}));
    EXPECT_EQ(m[3][3], (Complex{1, 1}));
  }
  // A singular matrix without a zero row: the zero pivot becomes 1e-30 + j1e-30, the solve goes
  // on and yields huge values, nothing is reported.
  {
    ComplexErrors errors;
    ComplexMatrix m;
    m[1][1] = Complex{1, 0};
    m[1][2] = Complex{1, 0};
    m[2][1] = Complex{1, 0};
    m[2][2] = Complex{1, 0};
    LUDecomposition lu;
    ASSERT_TRUE(LUDecompose(m, 2, lu, errors));
    EXPECT_EQ(m[2][2], (Complex{1e-30, 1e-30}));
    ComplexVector b;
    b[1] = Complex{1, 0};
    b[2] = Complex{2, 0};
    LUBackSubstitute(m, lu, b, errors);
    EXPECT_GT(ComplexAbs(b[2]), 1e29);
    EXPECT_FALSE(errors.any());
  }
  // Sizes the solver cannot take.
  {
    ComplexErrors errors;
    ComplexMatrix m;
    ComplexVector b;
    EXPECT_FALSE(SolveComplexSystem(m, 0, b, errors));
    EXPECT_FALSE(SolveComplexSystem(m, 101, b, errors));
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
    ASSERT_TRUE(LUDecompose(*m, n, lu, errors));
    ComplexVector b1;
    b1[1] = Complex{0.02, 0};
    ComplexVector b2;
    b2[n] = Complex{0.02, 0};
    LUBackSubstitute(*m, lu, b1, errors);
    LUBackSubstitute(*m, lu, b2, errors);
    ComplexVector c2;
    c2[n] = Complex{0.02, 0};
    ASSERT_TRUE(SolveComplexSystem(*copy, n, c2, errors));
    for (int i = 1; i <= n; ++i) {
      EXPECT_TRUE(sameBits(b2[i], c2[i]));
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
    ASSERT_TRUE(SolveComplexSystem(*m, n, b, errors));
    for (int i = 1; i <= n; ++i) {
      EXPECT_NEAR(b[i].re, x[i].re, 1e-12);
      EXPECT_NEAR(b[i].im, x[i].im, 1e-12);
    }
  }
}

} // namespace
} // namespace norvane
