#include "sim/complexmatrix.h"

#include <algorithm>

namespace norvane {

void ComplexMatrix::clear(int n)
{
  n = std::clamp(n, 0, kMaxSystemSize);
  for (int r = 0; r <= n; ++r) {
    Complex* row = (*this)[r];
    std::fill(row, row + n + 1, Complex{});
  }
}

void ComplexVector::clear(int n)
{
  n = std::clamp(n, 0, kMaxSystemSize);
  std::fill(m_cells.begin(), m_cells.begin() + n + 1, Complex{});
}

} // namespace norvane
