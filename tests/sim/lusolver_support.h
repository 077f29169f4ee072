#pragma once
// An independent yardstick for the solver tests: Gaussian elimination with full pivoting in
// long double (64-bit mantissa), written plainly, with no code shared with the solver. Also the
// 1-norm condition number of a matrix from its inverse computed the same way.

#include "sim/complexmatrix.h"

#include <cmath>
#include <complex>
#include <numeric>
#include <utility>
#include <vector>

namespace norvane::lutest {

using LC = std::complex<long double>;
using LMatrix = std::vector<std::vector<LC>>; // 0-based, n x n

inline LMatrix toLong(const ComplexMatrix& m, int n)
{
  LMatrix a(static_cast<std::size_t>(n), std::vector<LC>(static_cast<std::size_t>(n)));
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j) {
      const Complex c = m[i + 1][j + 1];
      a[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] = LC(c.re, c.im);
    }
  }
  return a;
}

// Solves a x = b for every column of b (n x r); false when a pivot is exactly zero.
inline bool solveFullPivot(LMatrix a, LMatrix& b)
{
  const std::size_t n = a.size();
  const std::size_t r = b.empty() ? 0 : b[0].size();
  std::vector<std::size_t> colOf(n);
  std::iota(colOf.begin(), colOf.end(), std::size_t{0});
  for (std::size_t k = 0; k < n; ++k) {
    std::size_t pi = k;
    std::size_t pj = k;
    long double best = -1;
    for (std::size_t i = k; i < n; ++i) {
      for (std::size_t j = k; j < n; ++j) {
        const long double m = std::abs(a[i][j]);
        if (m > best) {
          best = m;
          pi = i;
          pj = j;
        }
      }
    }
    if (best == 0) {
      return false;
    }
    std::swap(a[k], a[pi]);
    std::swap(b[k], b[pi]);
    for (auto& row : a) {
      std::swap(row[k], row[pj]);
    }
    std::swap(colOf[k], colOf[pj]);
    for (std::size_t i = k + 1; i < n; ++i) {
      const LC l = a[i][k] / a[k][k];
      for (std::size_t j = k; j < n; ++j) {
        a[i][j] -= l * a[k][j];
      }
      for (std::size_t c = 0; c < r; ++c) {
        b[i][c] -= l * b[k][c];
      }
    }
  }
  for (std::size_t c = 0; c < r; ++c) {
    std::vector<LC> y(n);
    for (std::size_t i = n; i-- > 0;) {
      LC s = b[i][c];
      for (std::size_t j = i + 1; j < n; ++j) {
        s -= a[i][j] * y[j];
      }
      y[i] = s / a[i][i];
    }
    for (std::size_t i = 0; i < n; ++i) {
      b[colOf[i]][c] = y[i];
    }
  }
  return true;
}

// x = a^-1 b for one right-hand side b[1..n]; empty when singular.
inline std::vector<LC> referenceSolve(const ComplexMatrix& m, int n, const ComplexVector& rhs)
{
  LMatrix b(static_cast<std::size_t>(n), std::vector<LC>(1));
  for (int i = 0; i < n; ++i) {
    b[static_cast<std::size_t>(i)][0] = LC(rhs[i + 1].re, rhs[i + 1].im);
  }
  if (!solveFullPivot(toLong(m, n), b)) {
    return {};
  }
  std::vector<LC> x(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) {
    x[static_cast<std::size_t>(i)] = b[static_cast<std::size_t>(i)][0];
  }
  return x;
}

// ||A||_1 ||A^-1||_1; infinity when singular.
inline long double conditionNumber(const ComplexMatrix& m, int n)
{
  const LMatrix a = toLong(m, n);
  LMatrix inv(static_cast<std::size_t>(n), std::vector<LC>(static_cast<std::size_t>(n)));
  for (std::size_t i = 0; i < inv.size(); ++i) {
    inv[i][i] = 1;
  }
  if (!solveFullPivot(a, inv)) {
    return INFINITY;
  }
  auto norm1 = [](const LMatrix& x) {
    long double best = 0;
    for (std::size_t j = 0; j < x.size(); ++j) {
      long double s = 0;
      for (const auto& row : x) {
        s += std::abs(row[j]);
      }
      best = std::max(best, s);
    }
    return best;
  };
  return norm1(a) * norm1(inv);
}

// max |x - ref| / max |ref| over 1..n.
inline double relativeError(const ComplexVector& x, const std::vector<LC>& ref)
{
  long double err = 0;
  long double size = 0;
  for (std::size_t i = 0; i < ref.size(); ++i) {
    const Complex c = x[static_cast<int>(i) + 1];
    err = std::max(err, std::abs(LC(c.re, c.im) - ref[i]));
    size = std::max(size, std::abs(ref[i]));
  }
  return static_cast<double>(size > 0 ? err / size : err);
}

} // namespace norvane::lutest
