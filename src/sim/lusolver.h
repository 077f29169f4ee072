#pragma once
// Complex linear equations: Crout LU decomposition with implicit (scaled) partial pivoting,
// then forward and back substitution. Knows nothing about circuits.
//
// Factor once, solve many: LUDecompose replaces the matrix by its factors and records the
// pivots; LUBackSubstitute only reads them, so every excitation of one frequency point is solved
// from a single decomposition. The result is bit for bit the one a fresh decomposition of a copy
// of the matrix would give, because the decomposition is deterministic.
//
// Speed: nodal admittance matrices are sparse. The decomposition skips products whose factor
// is an exact complex zero, and the substitutions skip the zero ends of each factor row. Those
// skips never change a bit of any result; lusolver.cpp gives the argument, and the tests
// compare against a plain transcription of the algorithm.

#include "sim/complexmatrix.h"

#include <array>
#include <cstdint>

namespace norvane {

// What a decomposition records besides the factors left in the matrix.
struct LUDecomposition
{
  int n = 0;
  PivotIndex pivots{}; // pivots[j]: the row interchanged with row j at column j
  double d = 1.0;      // +1 or -1 by the parity of the interchanges
  bool ok = false;     // false: a zero row was met and the factors are meaningless

  // Zero pattern of the factors, for the substitutions: row i of L is exactly zero before
  // column firstL[i]; row i of U is exactly zero after column lastU[i].
  std::array<std::int16_t, kMatrixDim> firstL{};
  std::array<std::int16_t, kMatrixDim> lastU{};
};

// Decomposes rows and columns 1..n of `a` in place (row and column 0 are never read). Returns
// false, sets errors.LUSingular and leaves `a` unchanged when some row is entirely zero. A pivot
// that is still zero after elimination becomes 1e-30 + j1e-30 and the decomposition goes on.
// n outside 1..100 is refused like a singular matrix.
bool LUDecompose(ComplexMatrix& a, int n, LUDecomposition& lu, ComplexErrors& errors);

// Solves with the factors of a successful LUDecompose: b[1..n] holds the right-hand side on
// entry and the solution on return. A zero diagonal raises errors.ComplexOverflow through the
// division. Returns true (false only for factors of a failed decomposition).
bool LUBackSubstitute(const ComplexMatrix& a, const LUDecomposition& lu, ComplexVector& b,
                      ComplexErrors& errors);

// Decompose then substitute; the matrix is replaced by its factors. True when both succeed.
bool SolveComplexSystem(ComplexMatrix& a, int n, ComplexVector& b, ComplexErrors& errors);

} // namespace norvane
