#include "sim/lusolver.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <utility>

// Right-looking elimination over the matrix's pattern. The pattern of a row is a superset of
// its non-zero columns: it starts as what the stamps wrote (or, for luDecompose, what the
// values show) and each elimination step adds to a row the columns of the pivot row that it
// receives products for (the fill-in). The column sets, kept alongside, give the candidates of
// each pivot search and the rows each step updates. All sets are two machine words (n <= 100),
// so keeping them costs a few instructions per entry touched.
//
// Why this agrees bit for bit with the dense transcription (lusolverdense.cpp): the dense loops
// visit every position and skip the products with an exactly zero factor; an entry outside the
// pattern is an exact zero, so the products skipped here are among those. The remaining
// products are formed from the same operands in the same order (step k = 1, 2, ...), so every
// rounding is the same. The pivot search compares the same non-zero candidates in the same row
// order (zeros never win a strict comparison against a positive best), and the interchanges
// move the same entries.

namespace norvane {

namespace {

using ludetail::abs1;
using ludetail::subtractProduct;

bool fail(ComplexErrors& errors)
{
  errors.LUSingular = true;
  return false;
}

// Exchanges positions p and q of a set.
void swapMembers(IndexSet& s, int p, int q)
{
  const bool hasP = s.test(p);
  const bool hasQ = s.test(q);
  if (hasP != hasQ) {
    IndexSet both;
    both.set(p);
    both.set(q);
    s.w[0] ^= both.w[0];
    s.w[1] ^= both.w[1];
  }
}

bool decompose(ComplexMatrix& a, int n, LUDecomposition& lu, ComplexErrors& errors)
{
  const IndexSet all = IndexSet::range(1, n);
  const IndexSet outside = ~all; // column 0 and beyond n: their pattern bits stay with the row

  // A row without a single non-zero entry: nothing can be solved (the matrix is untouched).
  // The same pass gives each column's rows.
  std::array<IndexSet, kMatrixDim> cols{};
  for (int i = 1; i <= n; ++i) {
    const Complex* row = a[i];
    bool nonZero = false;
    (a.pattern(i) & all).forEach([&](int j) {
      nonZero = nonZero || !isZero(row[j]);
      cols[static_cast<std::size_t>(j)].set(i);
    });
    if (!nonZero) {
      return fail(errors);
    }
  }

  std::array<int, kMatrixDim> uCols;
  for (int k = 1; k <= n; ++k) {
    IndexSet& colK = cols[static_cast<std::size_t>(k)];
    double best = 0.0;
    int p = 0;
    (colK & IndexSet::range(k, n)).forEach([&](int i) {
      const double m = abs1(a[i][k]);
      if (m > best) {
        best = m;
        p = i;
      }
    });
    if (p == 0) {
      return fail(errors);
    }
    if (p != k && abs1(a[k][k]) >= ludetail::kDiagonalPreference * best) {
      p = k; // the diagonal is nearly as large: no interchange, no fill-in from one
      best = abs1(a[k][k]);
    }
    double formedFrom = 0.0;
    {
      const Complex* row = a[p];
      (a.pattern(p) & IndexSet::range(1, k - 1)).forEach([&](int m) {
        const Complex u = a[m][k];
        if (!isZero(row[m]) && !isZero(u)) {
          formedFrom += abs1(row[m]) * abs1(u);
        }
      });
    }
    if (ludetail::negligiblePivot(best, k, formedFrom)) {
      return fail(errors);
    }

    if (p != k) {
      IndexSet& rowK = a.pattern(k);
      IndexSet& rowP = a.pattern(p);
      Complex* ek = a[k];
      Complex* ep = a[p];
      ((rowK | rowP) & all).forEach([&](int j) {
        std::swap(ek[j], ep[j]);
        if (j >= k) {
          swapMembers(cols[static_cast<std::size_t>(j)], k, p);
        }
      });
      const IndexSet oldK = rowK;
      rowK = (oldK & outside) | (rowP & all);
      rowP = (rowP & outside) | (oldK & all);
      lu.d = -lu.d;
    }
    lu.pivots[k] = p;
    if (k == n) {
      break;
    }

    // Row k of U: its non-zero entries right of the diagonal.
    Complex* pivotRow = a[k];
    int uCount = 0;
    IndexSet uSet;
    (a.pattern(k) & IndexSet::range(k + 1, n)).forEach([&](int j) {
      if (!isZero(pivotRow[j])) {
        uCols[static_cast<std::size_t>(uCount++)] = j;
        uSet.set(j);
      }
    });

    // Column k of L, and the update of every row with a non-zero multiplier.
    const Complex r = complexDiv(Complex{1.0, 0.0}, pivotRow[k], errors);
    IndexSet active;
    (colK & IndexSet::range(k + 1, n)).forEach([&](int i) {
      Complex* row = a[i];
      if (isZero(row[k])) {
        return;
      }
      row[k] = complexMul(row[k], r);
      const Complex l = row[k];
      if (isZero(l) || uCount == 0) {
        return;
      }
      for (int t = 0; t < uCount; ++t) {
        const int j = uCols[static_cast<std::size_t>(t)];
        subtractProduct(row[j], l, pivotRow[j]);
      }
      a.pattern(i) |= uSet;
      active.set(i);
    });
    if (!active.empty()) {
      for (int t = 0; t < uCount; ++t) {
        cols[static_cast<std::size_t>(uCols[static_cast<std::size_t>(t)])] |= active;
      }
    }
  }
  lu.ok = true;
  return true;
}

bool start(int n, LUDecomposition& lu, ComplexErrors& errors)
{
  lu.n = n;
  lu.d = 1.0;
  lu.ok = false;
  if (n < 1 || n > kMaxSystemSize) {
    return fail(errors);
  }
  return true;
}

} // namespace

bool luDecompose(ComplexMatrix& a, int n, LUDecomposition& lu, ComplexErrors& errors)
{
  if (!start(n, lu, errors)) {
    return false;
  }
  // The caller may have written entries directly: take the pattern from the values. Only a
  // cell of two +0 parts stays outside, as a cleared cell would: a -0 must still move with its
  // row in the interchanges, bit for bit as in the dense solver.
  for (int i = 1; i <= n; ++i) {
    IndexSet s;
    const Complex* row = a[i];
    for (int j = 1; j <= n; ++j) {
      if ((std::bit_cast<std::uint64_t>(row[j].re) | std::bit_cast<std::uint64_t>(row[j].im)) !=
          0) {
        s.set(j);
      }
    }
    a.pattern(i) = s;
  }
  a.setPatternIncomplete();
  return decompose(a, n, lu, errors);
}

bool luDecomposeStamped(ComplexMatrix& a, int n, LUDecomposition& lu, ComplexErrors& errors)
{
  return start(n, lu, errors) && decompose(a, n, lu, errors);
}

namespace {

// Forward and back substitution of K right-hand sides in one pass over the factors; each
// vector sees exactly the operations a solve of its own would do.
template <int K>
bool substitute(const ComplexMatrix& a, const LUDecomposition& lu, std::array<ComplexVector*, K> b,
                ComplexErrors& errors)
{
  const int n = lu.n;
  if (!lu.ok || n < 1 || n > kMaxSystemSize) {
    return false;
  }
  // Forward substitution with the unit lower triangle, applying the interchanges as it goes.
  for (int i = 1; i <= n; ++i) {
    const int ip = lu.pivots[i];
    std::array<Complex, K> sum;
    for (int v = 0; v < K; ++v) {
      ComplexVector& x = *b[static_cast<std::size_t>(v)];
      sum[static_cast<std::size_t>(v)] = x[ip];
      x[ip] = x[i];
    }
    const Complex* row = a[i];
    (a.pattern(i) & IndexSet::range(1, i - 1)).forEach([&](int j) {
      if (isZero(row[j])) {
        return;
      }
      for (int v = 0; v < K; ++v) {
        const Complex xj = (*b[static_cast<std::size_t>(v)])[j];
        if (!isZero(xj)) {
          subtractProduct(sum[static_cast<std::size_t>(v)], row[j], xj);
        }
      }
    });
    for (int v = 0; v < K; ++v) {
      (*b[static_cast<std::size_t>(v)])[i] = sum[static_cast<std::size_t>(v)];
    }
  }
  // Back substitution with U.
  for (int i = n; i >= 1; --i) {
    const Complex* row = a[i];
    std::array<Complex, K> sum;
    for (int v = 0; v < K; ++v) {
      sum[static_cast<std::size_t>(v)] = (*b[static_cast<std::size_t>(v)])[i];
    }
    (a.pattern(i) & IndexSet::range(i + 1, n)).forEach([&](int j) {
      if (isZero(row[j])) {
        return;
      }
      for (int v = 0; v < K; ++v) {
        const Complex xj = (*b[static_cast<std::size_t>(v)])[j];
        if (!isZero(xj)) {
          subtractProduct(sum[static_cast<std::size_t>(v)], row[j], xj);
        }
      }
    });
    for (int v = 0; v < K; ++v) {
      (*b[static_cast<std::size_t>(v)])[i] =
          complexDiv(sum[static_cast<std::size_t>(v)], row[i], errors);
    }
  }
  return true;
}

} // namespace

bool luBackSubstitute(const ComplexMatrix& a, const LUDecomposition& lu, ComplexVector& b,
                      ComplexErrors& errors)
{
  return substitute<1>(a, lu, {&b}, errors);
}

bool luBackSubstitute(const ComplexMatrix& a, const LUDecomposition& lu, ComplexVector& b1,
                      ComplexVector& b2, ComplexErrors& errors)
{
  return substitute<2>(a, lu, {&b1, &b2}, errors);
}

namespace {

// A^T y = c for K right-hand sides in one pass over the factors (P A = L U, so
// A^T = U^T L^T P): U^T w = c, L^T z = w, y = P^T z.
template <int K>
bool substituteTransposed(const ComplexMatrix& a, const LUDecomposition& lu,
                          std::array<ComplexVector*, K> c, ComplexErrors& errors)
{
  const int n = lu.n;
  if (!lu.ok || n < 1 || n > kMaxSystemSize) {
    return false;
  }
  // U^T w = c: each w[i] is final once the rows above have scattered into it.
  for (int i = 1; i <= n; ++i) {
    const Complex* row = a[i];
    std::array<Complex, K> w;
    bool any = false;
    for (int v = 0; v < K; ++v) {
      ComplexVector& x = *c[static_cast<std::size_t>(v)];
      x[i] = complexDiv(x[i], row[i], errors);
      w[static_cast<std::size_t>(v)] = x[i];
      any = any || !isZero(x[i]);
    }
    if (!any) {
      continue;
    }
    (a.pattern(i) & IndexSet::range(i + 1, n)).forEach([&](int j) {
      if (isZero(row[j])) {
        return;
      }
      for (int v = 0; v < K; ++v) {
        if (!isZero(w[static_cast<std::size_t>(v)])) {
          subtractProduct((*c[static_cast<std::size_t>(v)])[j], row[j],
                          w[static_cast<std::size_t>(v)]);
        }
      }
    });
  }
  // L^T z = w (unit diagonal), from the last row up.
  for (int i = n; i >= 1; --i) {
    std::array<Complex, K> z;
    bool any = false;
    for (int v = 0; v < K; ++v) {
      z[static_cast<std::size_t>(v)] = (*c[static_cast<std::size_t>(v)])[i];
      any = any || !isZero(z[static_cast<std::size_t>(v)]);
    }
    if (!any) {
      continue;
    }
    const Complex* row = a[i];
    (a.pattern(i) & IndexSet::range(1, i - 1)).forEach([&](int j) {
      if (isZero(row[j])) {
        return;
      }
      for (int v = 0; v < K; ++v) {
        if (!isZero(z[static_cast<std::size_t>(v)])) {
          subtractProduct((*c[static_cast<std::size_t>(v)])[j], row[j],
                          z[static_cast<std::size_t>(v)]);
        }
      }
    });
  }
  // y = P^T z: the interchanges undone in reverse order.
  for (int i = n; i >= 1; --i) {
    const int ip = lu.pivots[i];
    if (ip != i) {
      for (int v = 0; v < K; ++v) {
        std::swap((*c[static_cast<std::size_t>(v)])[i], (*c[static_cast<std::size_t>(v)])[ip]);
      }
    }
  }
  return true;
}

} // namespace

bool luBackSubstituteTransposed(const ComplexMatrix& a, const LUDecomposition& lu, ComplexVector& c,
                                ComplexErrors& errors)
{
  return substituteTransposed<1>(a, lu, {&c}, errors);
}

bool luBackSubstituteTransposed(const ComplexMatrix& a, const LUDecomposition& lu,
                                ComplexVector& c1, ComplexVector& c2, ComplexErrors& errors)
{
  return substituteTransposed<2>(a, lu, {&c1, &c2}, errors);
}

void luRefine(const ComplexMatrix& original, const ComplexMatrix& factors,
              const LUDecomposition& lu, const ComplexVector& b, ComplexVector& x,
              ComplexErrors& errors)
{
  const int n = lu.n;
  if (!lu.ok || n < 1 || n > kMaxSystemSize) {
    return;
  }
  const IndexSet all = IndexSet::range(1, n);
  ComplexVector r;
  for (int i = 1; i <= n; ++i) {
    long double re = b[i].re;
    long double im = b[i].im;
    const Complex* row = original[i];
    (original.pattern(i) & all).forEach([&](int j) {
      const long double ar = row[j].re;
      const long double ai = row[j].im;
      const long double xr = x[j].re;
      const long double xi = x[j].im;
      re -= ar * xr - ai * xi;
      im -= ar * xi + ai * xr;
    });
    r[i] = Complex{static_cast<double>(re), static_cast<double>(im)};
  }
  luBackSubstitute(factors, lu, r, errors);
  for (int i = 1; i <= n; ++i) {
    x[i] = x[i] + r[i];
  }
}

bool worthRefining(const ComplexMatrix& stamped, int n)
{
  constexpr double kIdealElement = 1e6; // S; physical admittances of a drawn circuit stay below
  const IndexSet all = IndexSet::range(1, std::clamp(n, 0, kMaxSystemSize));
  bool large = false;
  for (int i = 1; i <= n && i <= kMaxSystemSize; ++i) {
    const Complex* row = stamped[i];
    (stamped.pattern(i) & all).forEach([&](int j) {
      large = large || abs1(row[j]) > kIdealElement;
    });
  }
  return large;
}

bool solveComplexSystem(ComplexMatrix& a, int n, ComplexVector& b, ComplexErrors& errors)
{
  LUDecomposition lu;
  const bool decomposed = luDecompose(a, n, lu, errors);
  if (!decomposed) {
    return false;
  }
  return luBackSubstitute(a, lu, b, errors);
}

} // namespace norvane
