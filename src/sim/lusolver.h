#pragma once
// Complex linear equations: LU decomposition with threshold partial pivoting on the entries'
// magnitudes, then forward and back substitution. Knows nothing about circuits.
//
// Pivoting. At each column the entry of largest magnitude at or below the diagonal becomes the
// pivot, unless the diagonal entry is at least half as large (then it stays, see
// kDiagonalPreference); of equal magnitudes the upper row wins. The magnitude is |re| + |im|
// (within a factor of 1.42 of the modulus, as LAPACK's complex pivot search measures it): no
// square root, and no overflow for any finite entry. Nodal matrices of active circuits mix
// entries from 1e-9 to 1e16 S in one row (a controlled source's sensing branch beside a
// capacitor), which is why the pivot is chosen by the entries themselves and not by entries
// scaled by their row's largest one: such a scaling makes a 1e7 S entry look smaller than a
// 0.01 S one and loses every digit of the result.
//
// Singular points. A row that is entirely zero, a column with no non-zero candidate (what a
// structurally singular matrix always comes to, since no product is ever formed into a
// structural zero), and a pivot that is negligible against the products it was formed from
// (see kNegligiblePivot) make the decomposition fail instead of solving through a made-up
// pivot. A sweep then solves the point once more with the careful solve of lusolvercareful.h,
// which tells a singular matrix from a merely badly scaled one, and reports only the former.
//
// The one rule of the arithmetic: a product with an exactly zero factor is never formed. Every
// other product is formed in the same order as in the textbook right-looking elimination, so
// the result does not depend on how the zero entries are found. luDecompose finds them through
// the matrix's pattern (sets of columns per row, with the fill-in added as the elimination
// goes), and lusolverdense.h holds the plain dense transcription that the tests hold it to, bit
// for bit.
//
// Factor once, solve many: luBackSubstitute only reads the factors and the pivots, so every
// excitation of one frequency point is solved from a single decomposition.

#include "sim/complexmatrix.h"

namespace norvane {

// What a decomposition records besides the factors left in the matrix.
struct LUDecomposition
{
  int n = 0;
  PivotIndex pivots{}; // pivots[j]: the row interchanged with row j at column j
  double d = 1.0;      // +1 or -1 by the parity of the interchanges
  bool ok = false;     // false: the matrix is singular and the factors are meaningless
};

// Decomposes rows and columns 1..n of `a` in place (row and column 0 are never read). The
// pattern is taken from the values, so any way of filling the matrix will do. Returns false
// and sets errors.LUSingular when the matrix is singular (see above); a zero row leaves `a`
// unchanged. n outside 1..100 is refused like a singular matrix.
bool luDecompose(ComplexMatrix& a, int n, LUDecomposition& lu, ComplexErrors& errors);

// The same for a matrix filled only through ComplexMatrix::add since its last clear: the
// recorded pattern is trusted, so nothing outside it is visited. Same results, bit for bit.
bool luDecomposeStamped(ComplexMatrix& a, int n, LUDecomposition& lu, ComplexErrors& errors);

// Solves with the factors of a successful decomposition: b[1..n] holds the right-hand side on
// entry and the solution on return. Returns true (false only for factors of a failed
// decomposition).
bool luBackSubstitute(const ComplexMatrix& a, const LUDecomposition& lu, ComplexVector& b,
                      ComplexErrors& errors);

// Two right-hand sides at once (both excitations of a frequency point): the same results as
// two calls, for one pass over the factors.
bool luBackSubstitute(const ComplexMatrix& a, const LUDecomposition& lu, ComplexVector& b1,
                      ComplexVector& b2, ComplexErrors& errors);

// Solves the transposed system A^T y = c with the factors of A (P A = L U, so
// A^T = U^T L^T P): c[1..n] on entry, y on return. The noise analysis uses it for the adjoint
// network: one solve gives the transfer from a current at every node to one node's voltage.
bool luBackSubstituteTransposed(const ComplexMatrix& a, const LUDecomposition& lu, ComplexVector& c,
                                ComplexErrors& errors);
// Two right-hand sides in one pass: the same results as two calls.
bool luBackSubstituteTransposed(const ComplexMatrix& a, const LUDecomposition& lu,
                                ComplexVector& c1, ComplexVector& c2, ComplexErrors& errors);

// One step of iterative refinement (Wilkinson; Higham, "Accuracy and Stability of Numerical
// Algorithms", 12.1): the residual r = b - A x is formed with products and sums in long
// double from `original` (the matrix before decomposition, at the same positions, entries
// found through its pattern), then x += A^-1 r from the factors. For the nodal matrices of
// ideal sources (entries of 1e7 to 1e18 S beside physical ones of 1e-3 S) one step brings the
// port voltages about three digits closer to the exact solution; a second step adds nothing.
void luRefine(const ComplexMatrix& original, const ComplexMatrix& factors,
              const LUDecomposition& lu, const ComplexVector& b, ComplexVector& x,
              ComplexErrors& errors);

// True when the stamped matrix holds an entry above 1e6 S (ideal sources and windings, a
// shorted port): the circuits whose solutions luRefine improves. Passive circuits have no such
// entries and are solved without it, at no cost.
bool worthRefining(const ComplexMatrix& stamped, int n);

// Decompose then substitute; the matrix is replaced by its factors. True when both succeed.
bool solveComplexSystem(ComplexMatrix& a, int n, ComplexVector& b, ComplexErrors& errors);

namespace ludetail {

// A pivot p at step k is negligible when |p| <= kNegligiblePivot * k * S, S being the sum of
// |l| |u| over the products subtracted from it (|.| the sum of the absolute values of the two
// parts). The computed pivot then lies within its own rounding error bound (about k units in
// the last place of S, Higham, "Accuracy and Stability of Numerical Algorithms", 9.3), so its
// true value may as well be zero. An untouched entry (S = 0) is negligible only when it is
// exactly zero. The bound is kept to the pivot's own column on purpose: rows of a nodal matrix
// mix scales over 19 decades, and a bound that took in the rest of the row would call many
// sound pivots of active circuits negligible.
constexpr double kNegligiblePivot = 4.0 * 2.220446049250313e-16;

// Threshold pivoting: the diagonal entry stays the pivot when it is at least this fraction of
// the largest candidate. Each interchange of a sparse matrix brings fill-in with it (a third
// of the time of a 100-node sweep went into the fill of interchanges the diagonal could have
// spared); keeping the pivot within a factor of 2 of the largest still bounds the growth of the
// factors, by 3 per step instead of 2 (Duff, Erisman and Reid, "Direct Methods for Sparse
// Matrices", 5.4). 0.1 was faster still but lost a digit on a current-sensing op-amp circuit.
constexpr double kDiagonalPreference = 0.5;

inline double abs1(Complex c)
{
  return std::fabs(c.re) + std::fabs(c.im);
}

// s = s - x*y with the rounding of complexSub(s, complexMul(x, y)).
inline void subtractProduct(Complex& s, Complex x, Complex y)
{
  s.re = s.re - (x.re * y.re - x.im * y.im);
  s.im = s.im - (y.re * x.im + x.re * y.im);
}

inline bool negligiblePivot(double pivotAbs, int step, double formedFrom)
{
  return pivotAbs <= kNegligiblePivot * step * formedFrom;
}

} // namespace ludetail

} // namespace norvane
