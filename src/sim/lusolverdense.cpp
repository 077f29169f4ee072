#include "sim/lusolverdense.h"

#include <utility>

namespace norvane {

using ludetail::abs1;
using ludetail::subtractProduct;

bool luDecomposeDense(ComplexMatrix& a, int n, LUDecomposition& lu, ComplexErrors& errors)
{
  lu.n = n;
  lu.d = 1.0;
  lu.ok = false;
  if (n < 1 || n > kMaxSystemSize) {
    errors.LUSingular = true;
    return false;
  }
  for (int i = 1; i <= n; ++i) {
    bool nonZero = false;
    for (int j = 1; j <= n && !nonZero; ++j) {
      nonZero = !isZero(a[i][j]);
    }
    if (!nonZero) {
      errors.LUSingular = true;
      return false;
    }
  }
  for (int k = 1; k <= n; ++k) {
    // The largest magnitude at or below the diagonal; the upper of equal ones.
    double best = 0.0;
    int p = 0;
    for (int i = k; i <= n; ++i) {
      const double m = abs1(a[i][k]);
      if (m > best) {
        best = m;
        p = i;
      }
    }
    if (p != 0 && p != k && abs1(a[k][k]) >= ludetail::kDiagonalPreference * best) {
      p = k;
      best = abs1(a[k][k]);
    }
    double formedFrom = 0.0;
    if (p != 0) {
      for (int m = 1; m < k; ++m) {
        if (!isZero(a[p][m]) && !isZero(a[m][k])) {
          formedFrom += abs1(a[p][m]) * abs1(a[m][k]);
        }
      }
    }
    if (p == 0 || ludetail::negligiblePivot(best, k, formedFrom)) {
      errors.LUSingular = true;
      return false;
    }
    if (p != k) {
      for (int j = 1; j <= n; ++j) {
        std::swap(a[k][j], a[p][j]);
      }
      lu.d = -lu.d;
    }
    lu.pivots[k] = p;
    if (k == n) {
      break;
    }
    const Complex r = complexDiv(Complex{1.0, 0.0}, a[k][k], errors);
    for (int i = k + 1; i <= n; ++i) {
      if (!isZero(a[i][k])) {
        a[i][k] = complexMul(a[i][k], r);
      }
    }
    for (int i = k + 1; i <= n; ++i) {
      const Complex l = a[i][k];
      if (isZero(l)) {
        continue;
      }
      for (int j = k + 1; j <= n; ++j) {
        if (!isZero(a[k][j])) {
          subtractProduct(a[i][j], l, a[k][j]);
        }
      }
    }
  }
  lu.ok = true;
  return true;
}

bool luBackSubstituteDense(const ComplexMatrix& a, const LUDecomposition& lu, ComplexVector& b,
                           ComplexErrors& errors)
{
  const int n = lu.n;
  if (!lu.ok || n < 1 || n > kMaxSystemSize) {
    return false;
  }
  for (int i = 1; i <= n; ++i) {
    const int ip = lu.pivots[i];
    Complex sum = b[ip];
    b[ip] = b[i];
    for (int j = 1; j < i; ++j) {
      if (!isZero(a[i][j]) && !isZero(b[j])) {
        subtractProduct(sum, a[i][j], b[j]);
      }
    }
    b[i] = sum;
  }
  for (int i = n; i >= 1; --i) {
    Complex sum = b[i];
    for (int j = i + 1; j <= n; ++j) {
      if (!isZero(a[i][j]) && !isZero(b[j])) {
        subtractProduct(sum, a[i][j], b[j]);
      }
    }
    b[i] = complexDiv(sum, a[i][i], errors);
  }
  return true;
}

} // namespace norvane
