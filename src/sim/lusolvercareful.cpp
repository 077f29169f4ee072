#include "sim/lusolvercareful.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <utility>
#include <vector>

namespace norvane {

namespace {

// Complex numbers in long double, with the plain textbook products (no special handling of
// infinities: every value here is finite).
struct LComplex
{
  long double re = 0;
  long double im = 0;
};

LComplex operator-(LComplex a, LComplex b)
{
  return {a.re - b.re, a.im - b.im};
}

LComplex operator+(LComplex a, LComplex b)
{
  return {a.re + b.re, a.im + b.im};
}

LComplex operator*(LComplex a, LComplex b)
{
  return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re};
}

LComplex operator/(LComplex a, LComplex b)
{
  // Smith's division: no overflow of the divisor's square for large entries.
  if (std::fabs(b.re) >= std::fabs(b.im)) {
    const long double r = b.im / b.re;
    const long double d = b.re + b.im * r;
    return {(a.re + a.im * r) / d, (a.im - a.re * r) / d};
  }
  const long double r = b.re / b.im;
  const long double d = b.re * r + b.im;
  return {(a.re * r + a.im) / d, (a.im * r - a.re) / d};
}

long double abs1(LComplex a)
{
  return std::fabs(a.re) + std::fabs(a.im);
}

// The power of two nearest below 1/x (x > 0): scaling by it is exact.
long double reciprocalPowerOfTwo(long double x)
{
  int e = 0;
  std::frexp(x, &e); // x = m 2^e, 0.5 <= m < 1
  return std::ldexp(1.0L, -e);
}

class CarefulSolver
{
public:
  CarefulSolver(const ComplexMatrix& a, int n)
      : m_a(a), m_n(static_cast<std::size_t>(n)), m_lu(m_n * m_n), m_rowScale(m_n, 1),
        m_colScale(m_n, 1), m_rowOf(m_n), m_colOf(m_n)
  {
  }

  // Scales and factors; false when the matrix is singular to working accuracy.
  bool factor()
  {
    const std::size_t n = m_n;
    for (std::size_t i = 0; i < n; ++i) {
      for (std::size_t j = 0; j < n; ++j) {
        const Complex c = original(i, j);
        at(i, j) = LComplex{c.re, c.im};
      }
    }
    // Rows first, then columns, each to a largest entry in [0.5, 1).
    for (std::size_t i = 0; i < n; ++i) {
      long double big = 0;
      for (std::size_t j = 0; j < n; ++j) {
        big = std::max(big, abs1(at(i, j)));
      }
      if (big == 0) {
        return false;
      }
      m_rowScale[i] = reciprocalPowerOfTwo(big);
    }
    for (std::size_t j = 0; j < n; ++j) {
      long double big = 0;
      for (std::size_t i = 0; i < n; ++i) {
        big = std::max(big, abs1(at(i, j)) * m_rowScale[i]);
      }
      if (big == 0) {
        return false;
      }
      m_colScale[j] = reciprocalPowerOfTwo(big);
    }
    for (std::size_t i = 0; i < n; ++i) {
      for (std::size_t j = 0; j < n; ++j) {
        const long double s = m_rowScale[i] * m_colScale[j];
        at(i, j) = LComplex{at(i, j).re * s, at(i, j).im * s};
      }
    }

    // Complete pivoting: at each step the largest remaining entry becomes the pivot.
    std::iota(m_rowOf.begin(), m_rowOf.end(), std::size_t{0});
    std::iota(m_colOf.begin(), m_colOf.end(), std::size_t{0});
    const long double negligible = ludetail::kSingularScaledPivot * static_cast<long double>(n);
    for (std::size_t k = 0; k < n; ++k) {
      long double best = -1;
      std::size_t pi = k;
      std::size_t pj = k;
      for (std::size_t i = k; i < n; ++i) {
        for (std::size_t j = k; j < n; ++j) {
          const long double m = abs1(at(i, j));
          if (m > best) {
            best = m;
            pi = i;
            pj = j;
          }
        }
      }
      if (!(best > negligible)) {
        return false;
      }
      if (pi != k) {
        for (std::size_t j = 0; j < n; ++j) {
          std::swap(at(k, j), at(pi, j));
        }
        std::swap(m_rowOf[k], m_rowOf[pi]);
      }
      if (pj != k) {
        for (std::size_t i = 0; i < n; ++i) {
          std::swap(at(i, k), at(i, pj));
        }
        std::swap(m_colOf[k], m_colOf[pj]);
      }
      const LComplex pivot = at(k, k);
      for (std::size_t i = k + 1; i < n; ++i) {
        if (abs1(at(i, k)) == 0) {
          continue;
        }
        const LComplex l = at(i, k) / pivot;
        at(i, k) = l;
        for (std::size_t j = k + 1; j < n; ++j) {
          at(i, j) = at(i, j) - l * at(k, j);
        }
      }
    }
    return true;
  }

  // x = A^-1 b, b[1..n] of the unscaled system, x 0-based.
  void apply(const std::vector<LComplex>& b, std::vector<LComplex>& x) const
  {
    const std::size_t n = m_n;
    // (R A C) y = R b, x = C y; the rows in pivot order, the columns permuted back.
    std::vector<LComplex> y(n);
    for (std::size_t i = 0; i < n; ++i) {
      const std::size_t r = m_rowOf[i];
      LComplex s = b[r];
      s = LComplex{s.re * m_rowScale[r], s.im * m_rowScale[r]};
      for (std::size_t j = 0; j < i; ++j) {
        s = s - at(i, j) * y[j];
      }
      y[i] = s;
    }
    for (std::size_t i = n; i-- > 0;) {
      LComplex s = y[i];
      for (std::size_t j = i + 1; j < n; ++j) {
        s = s - at(i, j) * y[j];
      }
      y[i] = s / at(i, i);
    }
    x.assign(n, LComplex{});
    for (std::size_t k = 0; k < n; ++k) {
      const std::size_t c = m_colOf[k];
      x[c] = LComplex{y[k].re * m_colScale[c], y[k].im * m_colScale[c]};
    }
  }

  // Solves for one right-hand side with refinement; false when it does not settle.
  bool solve(ComplexVector& b) const
  {
    const std::size_t n = m_n;
    std::vector<LComplex> rhs(n);
    for (std::size_t i = 0; i < n; ++i) {
      rhs[i] = LComplex{b[static_cast<int>(i) + 1].re, b[static_cast<int>(i) + 1].im};
    }
    std::vector<LComplex> x;
    apply(rhs, x);
    std::vector<LComplex> r(n);
    std::vector<LComplex> dx;
    bool settled = false;
    long double lastStep = INFINITY;
    constexpr int kMostSteps = 8;
    for (int step = 0; step < kMostSteps && !settled; ++step) {
      for (std::size_t i = 0; i < n; ++i) {
        LComplex s = rhs[i];
        for (std::size_t j = 0; j < n; ++j) {
          const Complex c = original(i, j);
          if (c.re != 0.0 || c.im != 0.0) {
            s = s - LComplex{c.re, c.im} * x[j];
          }
        }
        r[i] = s;
      }
      apply(r, dx);
      long double size = 0;
      long double change = 0;
      for (std::size_t i = 0; i < n; ++i) {
        x[i] = x[i] + dx[i];
        size = std::max(size, abs1(x[i]));
        change = std::max(change, abs1(dx[i]));
      }
      if (!(size <= std::numeric_limits<double>::max()) || !std::isfinite(change)) {
        return false; // NaN, or a solution beyond the range of a double
      }
      // Settled when the change is below a double's last place, or when it stops shrinking
      // at a size the program can accept.
      if (change <= 0x1p-53L * size) {
        settled = true;
      } else if (change > 0.5L * lastStep) {
        if (change > ludetail::kRefinedAccuracy * size) {
          return false;
        }
        settled = true;
      }
      lastStep = change;
    }
    if (!settled) {
      return false;
    }
    for (std::size_t i = 0; i < n; ++i) {
      b[static_cast<int>(i) + 1] =
          Complex{static_cast<double>(x[i].re), static_cast<double>(x[i].im)};
    }
    return true;
  }

private:
  LComplex& at(std::size_t i, std::size_t j) { return m_lu[i * m_n + j]; }
  const LComplex& at(std::size_t i, std::size_t j) const { return m_lu[i * m_n + j]; }
  Complex original(std::size_t i, std::size_t j) const
  {
    return m_a[static_cast<int>(i) + 1][static_cast<int>(j) + 1];
  }

  const ComplexMatrix& m_a;
  std::size_t m_n;
  std::vector<LComplex> m_lu;          // the scaled matrix, then its factors (row major)
  std::vector<long double> m_rowScale; // powers of two
  std::vector<long double> m_colScale; // powers of two
  std::vector<std::size_t> m_rowOf;    // original row of each pivot row
  std::vector<std::size_t> m_colOf;    // original column of each pivot column
};

} // namespace

bool carefulSolve(const ComplexMatrix& a, int n, ComplexVector* b1, ComplexVector* b2)
{
  if (n < 1 || n > kMaxSystemSize) {
    return false;
  }
  CarefulSolver solver(a, n);
  if (!solver.factor()) {
    return false;
  }
  // Both solutions first, so that a refusal leaves both vectors as they were.
  ComplexVector x1;
  ComplexVector x2;
  if (b1 != nullptr) {
    x1 = *b1;
    if (!solver.solve(x1)) {
      return false;
    }
  }
  if (b2 != nullptr) {
    x2 = *b2;
    if (!solver.solve(x2)) {
      return false;
    }
  }
  if (b1 != nullptr) {
    *b1 = x1;
  }
  if (b2 != nullptr) {
    *b2 = x2;
  }
  return true;
}

} // namespace norvane
