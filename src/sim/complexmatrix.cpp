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
  m_pattern.fill(IndexSet{});
  m_patternComplete = true;
}

void ComplexMatrix::clearTouched(int n)
{
  if (!m_patternComplete) {
    clear(kMaxSystemSize);
    return;
  }
  n = std::clamp(n, 0, kMaxSystemSize);
  for (int r = 0; r <= n; ++r) {
    IndexSet& cols = m_pattern[static_cast<std::size_t>(r)];
    Complex* row = (*this)[r];
    cols.forEach([row](int c) { row[c] = Complex{}; });
    cols = IndexSet{};
  }
}

void ComplexMatrix::copyTouched(const ComplexMatrix& from)
{
  for (int r = 0; r < kMatrixDim; ++r) {
    const IndexSet& cols = from.m_pattern[static_cast<std::size_t>(r)];
    const Complex* source = from[r];
    Complex* row = (*this)[r];
    cols.forEach([&](int c) { row[c] = source[c]; });
    m_pattern[static_cast<std::size_t>(r)] |= cols;
  }
}

void ComplexVector::clear(int n)
{
  n = std::clamp(n, 0, kMaxSystemSize);
  std::fill(m_cells.begin(), m_cells.begin() + n + 1, Complex{});
}

} // namespace norvane
