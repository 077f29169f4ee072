#include "sim/lusolver.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <utility>

// Crout's method with implicit pivoting (Press et al., Numerical Recipes, "ludcmp"/"lubksb"),
// in complex arithmetic. The scale factor of a row is the complex reciprocal of its largest
// entry; pivot candidates are compared by the magnitude of (scale * entry), ties going to the
// later row.
//
// Evaluation order. The textbook loop is left-looking: entry (i, j) is computed once as
//   s = a[i][j]; s = s - a[i][1]*a[1][j]; ...; s = s - a[i][m-1]*a[m-1][j]   (m = min(i, j)).
// Here the same subtractions are done right-looking: at step k every entry (i, j) with i, j > k
// receives "- a[i][k]*a[k][j]". Each entry still sees exactly the same products, formed from the
// same operands, in the same order k = 1, 2, ..., so every rounding is the same. Row
// interchanges move whole rows in both forms, and a row carries its partial sums with it, so the
// interchanges commute with the reordering.
//
// Why skipping exact zeros changes no bit. A skipped term is a product p = x*y where x or y is
// an exact complex zero and the other factor is finite; each part of p is then a zero of some
// sign. For a running sum s, s - (+-0) equals s bit for bit unless s is -0 (then -0 - (-0) gives
// +0). A running sum is never -0 provided no starting entry has a -0 part: in round-to-nearest
// x - y is -0 only when x is -0 and y is +0 (an exact cancellation of non-zero values gives +0).
// So the skips are taken only while
//   - no entry of the original matrix (right-hand side, in the substitutions) has a -0 part, and
//   - every factor they would multiply is finite (0 * inf is NaN, which a skip would lose).
// Both are checked: the first once per decomposition or solve, the second for the operands of
// each step. Once an infinity or NaN appears the remaining steps run without skips; up to that
// step the state is exactly that of the plain algorithm. Zero pivots candidates are handled in
// the same spirit: |scale * 0| is 0 when the scale factor is finite, so only the comparison is
// kept.

namespace norvane {

namespace {

// Bit tests: cheaper than floating-point compares (no NaN handling) in the scans that touch
// every entry.
constexpr std::uint64_t kSignBit = std::uint64_t{1} << 63;
inline std::uint64_t bitsOf(double x)
{
  return std::bit_cast<std::uint64_t>(x);
}
// Both parts +0 or -0.
inline bool zeroBits(Complex c)
{
  return ((bitsOf(c.re) | bitsOf(c.im)) << 1) == 0;
}
inline bool hasNegativeZero(Complex c)
{
  return bitsOf(c.re) == kSignBit || bitsOf(c.im) == kSignBit;
}
inline bool finite(Complex c)
{
  return std::isfinite(c.re) && std::isfinite(c.im);
}

constexpr double kZeroPivot = 1e-30; // replaces a pivot that is exactly zero after elimination
constexpr Complex kOne{1.0, 0.0};

// s = s - x*y with the rounding of ComplexSub(s, ComplexMul(x, y)).
inline void subtractProduct(Complex& s, Complex x, Complex y)
{
  s.re = s.re - (x.re * y.re - x.im * y.im);
  s.im = s.im - (y.re * x.im + x.re * y.im);
}

void swapRows(ComplexMatrix& a, int r1, int r2, int n)
{
  Complex* p = a[r1];
  Complex* q = a[r2];
  for (int c = 1; c <= n; ++c) {
    std::swap(p[c], q[c]);
  }
}

} // namespace

bool LUDecompose(ComplexMatrix& a, int n, LUDecomposition& lu, ComplexErrors& errors)
{
  lu.n = n;
  lu.d = 1.0;
  lu.ok = false;
  if (n < 1 || n > kMaxSystemSize) {
    errors.LUSingular = true;
    return false;
  }

  // Zero pattern bookkeeping, valid while skipping: row i is exactly zero before column
  // rowFirst[i] and after column rowLast[i]; column j is exactly zero below row colLast[j].
  std::array<int, kMatrixDim> rowFirst;
  std::array<int, kMatrixDim> rowLast;
  std::array<int, kMatrixDim> colLast;
  std::fill(colLast.begin(), colLast.begin() + n + 1, 0);

  // Implicit scaling: the reciprocal of each row's largest entry (the first of equal maxima).
  std::array<Complex, kMatrixDim> vv;
  bool scalesFinite = true;
  bool negativeZeroSeen = false;
  for (int i = 1; i <= n; ++i) {
    const Complex* row = a[i];
    Complex big{};
    double bigAbs = 0.0;
    int first = n + 1;
    int last = 0;
    for (int j = 1; j <= n; ++j) {
      const Complex c = row[j];
      negativeZeroSeen = negativeZeroSeen || hasNegativeZero(c);
      if (zeroBits(c)) {
        continue; // |c| = 0 never replaces the candidate
      }
      first = std::min(first, j);
      last = j;
      colLast[j] = i;
      const double m = ComplexAbs(c);
      if (m > bigAbs) {
        bigAbs = m;
        big = c;
      }
    }
    if (bigAbs == 0.0) {
      errors.LUSingular = true;
      return false;
    }
    rowFirst[i] = first;
    rowLast[i] = last;
    vv[i] = ComplexDiv(kOne, big, errors);
    scalesFinite = scalesFinite && finite(vv[i]);
  }

  // Skips are exact while no entry started as -0 and every operand so far is finite.
  bool skip = !negativeZeroSeen;
  std::array<int, kMatrixDim> activeRows; // rows below the pivot with a non-zero multiplier
  for (int k = 1; k <= n; ++k) {
    // Column k now holds its finished sums from row k down: choose the pivot. Below
    // colLast[k] there are only zeros, which win only while the best candidate is zero.
    const bool boundedColumn = skip && scalesFinite;
    const int scanEnd = boundedColumn ? std::max(colLast[k], k) : n;
    double bestAbs = 0.0;
    int imax = k;
    for (int i = k; i <= scanEnd; ++i) {
      const Complex c = a[i][k];
      if (scalesFinite && zeroBits(c)) {
        if (0.0 >= bestAbs) {
          imax = i; // |scale * 0| = 0 ties with a zero best: the later row wins
        }
        continue;
      }
      const double m = ComplexAbs(ComplexMul(vv[i], c));
      if (m >= bestAbs) {
        bestAbs = m;
        imax = i;
      }
    }
    if (scanEnd < n && 0.0 >= bestAbs) {
      imax = n;
    }
    if (imax != k) {
      if (skip) {
        // Outside both rows' non-zero stretches the two rows hold the same zeros: beyond
        // them +0, and in the finished L columns the one value every zero of that column
        // received (see the division by the pivot below).
        const int lo = std::min(rowFirst[k], rowFirst[imax]);
        const int hi = std::max(rowLast[k], rowLast[imax]);
        for (int j = lo; j <= hi; ++j) {
          std::swap(a[k][j], a[imax][j]);
        }
        std::swap(rowFirst[k], rowFirst[imax]);
        std::swap(rowLast[k], rowLast[imax]);
        for (int j = std::max(k + 1, rowFirst[imax]); j <= rowLast[imax]; ++j) {
          colLast[j] = std::max(colLast[j], imax);
        }
      } else {
        swapRows(a, imax, k, n);
      }
      lu.d = -lu.d;
      vv[imax] = vv[k];
    }
    lu.pivots[k] = imax;
    Complex* pivotRow = a[k];
    if (ComplexAbs(pivotRow[k]) == 0.0) {
      pivotRow[k] = Complex{kZeroPivot, kZeroPivot};
    }

    // Row k of U is final now: its non-zero extent, and whether it is finite.
    int firstU = n + 1;
    int lastU = k;
    bool rowFinite = true;
    const int rowEnd = skip ? rowLast[k] : n;
    for (int j = k + 1; j <= rowEnd; ++j) {
      const Complex c = pivotRow[j];
      if (!zeroBits(c)) {
        firstU = std::min(firstU, j);
        lastU = j;
        rowFinite = rowFinite && finite(c);
      }
    }
    lu.lastU[k] = static_cast<std::int16_t>(lastU);
    if (k == n) {
      break;
    }

    // Column k of L: divide by the pivot. Under skips every zero entry is exactly +0 + j0 (a
    // running sum is never -0), so its product with r is one fixed value, stored without the
    // multiplication.
    const Complex r = ComplexDiv(kOne, pivotRow[k], errors);
    int active = 0;
    bool columnFinite = true;
    if (skip && finite(r)) {
      const Complex zeroTimesR = ComplexMul(Complex{0.0, 0.0}, r);
      const int colEnd = std::max(colLast[k], k);
      for (int i = k + 1; i <= colEnd; ++i) {
        Complex& c = a[i][k];
        if (zeroBits(c)) {
          c = zeroTimesR;
        } else {
          c = ComplexMul(c, r);
          columnFinite = columnFinite && finite(c);
          activeRows[active++] = i;
        }
      }
      for (int i = colEnd + 1; i <= n; ++i) {
        a[i][k] = zeroTimesR;
      }
    } else {
      for (int i = k + 1; i <= n; ++i) {
        a[i][k] = ComplexMul(a[i][k], r);
      }
    }
    skip = skip && finite(r) && rowFinite && columnFinite;

    if (skip) {
      // Only rows with a non-zero multiplier, only the non-zero stretch of row k.
      if (active == 0 || firstU > lastU) {
        continue;
      }
      for (int t = 0; t < active; ++t) {
        const int i = activeRows[t];
        Complex* row = a[i];
        const Complex m = row[k];
        for (int j = firstU; j <= lastU; ++j) {
          subtractProduct(row[j], m, pivotRow[j]);
        }
        rowLast[i] = std::max(rowLast[i], lastU);
      }
      const int lowestActive = activeRows[active - 1];
      for (int j = firstU; j <= lastU; ++j) {
        colLast[j] = std::max(colLast[j], lowestActive);
      }
    } else {
      for (int i = k + 1; i <= n; ++i) {
        Complex* row = a[i];
        const Complex m = row[k];
        for (int j = k + 1; j <= n; ++j) {
          subtractProduct(row[j], m, pivotRow[j]);
        }
      }
    }
  }

  // Zero pattern of L for the substitutions.
  for (int i = 1; i <= n; ++i) {
    int j = 1;
    if (skip) {
      j = std::min(rowFirst[i], i);
    } else {
      const Complex* row = a[i];
      while (j < i && zeroBits(row[j])) {
        ++j;
      }
    }
    lu.firstL[i] = static_cast<std::int16_t>(j);
  }
  lu.ok = true;
  return true;
}

bool LUBackSubstitute(const ComplexMatrix& a, const LUDecomposition& lu, ComplexVector& b,
                      ComplexErrors& errors)
{
  const int n = lu.n;
  if (!lu.ok || n < 1 || n > kMaxSystemSize) {
    return false;
  }
  bool skip = true;
  for (int i = 1; i <= n; ++i) {
    if (hasNegativeZero(b[i])) {
      skip = false;
    }
  }

  // Forward substitution with the unit lower triangle, applying the interchanges as it goes;
  // ii marks the first non-zero entry so that leading zeros of b cost nothing.
  int ii = 0;
  for (int i = 1; i <= n; ++i) {
    const int ip = lu.pivots[i];
    Complex sum = b[ip];
    b[ip] = b[i];
    if (ii != 0) {
      const Complex* row = a[i];
      int jFirst = ii;
      if (skip && lu.firstL[i] > jFirst) {
        jFirst = lu.firstL[i];
      }
      for (int j = jFirst; j <= i - 1; ++j) {
        subtractProduct(sum, row[j], b[j]);
      }
    } else if (ComplexAbs(sum) != 0.0) {
      ii = i;
    }
    b[i] = sum;
    skip = skip && finite(sum);
  }

  // Back substitution with U.
  for (int i = n; i >= 1; --i) {
    const Complex* row = a[i];
    Complex sum = b[i];
    const int jLast = skip ? lu.lastU[i] : n;
    for (int j = i + 1; j <= jLast; ++j) {
      subtractProduct(sum, row[j], b[j]);
    }
    b[i] = ComplexDiv(sum, row[i], errors);
    skip = skip && finite(b[i]);
  }
  return true;
}

bool SolveComplexSystem(ComplexMatrix& a, int n, ComplexVector& b, ComplexErrors& errors)
{
  LUDecomposition lu;
  const bool decomposed = LUDecompose(a, n, lu, errors);
  if (!decomposed) {
    return false;
  }
  return LUBackSubstitute(a, lu, b, errors);
}

} // namespace norvane
