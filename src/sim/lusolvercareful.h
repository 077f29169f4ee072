#pragma once
// The second opinion on a matrix that the fast decomposition refused (lusolver.h).
//
// The fast solver pivots on the entries of a column within its sparse pattern and refuses a
// pivot that lies within the rounding error of its own products. That catches singular
// circuits cheaply, but it also refuses matrices that are merely badly scaled: a controlled
// source's sensing branch of 1e9 S beside capacitors of 1e-6 S cancels to a pivot of the
// small entries' size, which the partial pivot order cannot avoid, although the solution is
// well determined (a backward-stable solve of the same matrix is exact to 1e-9 and better).
//
// This solve is made only at such points, from the stamped matrix afresh: rows and then
// columns are scaled by powers of two so that their largest entries are about 1 (no rounding),
// the scaled matrix is factored with complete pivoting in long double, and the solution is
// improved by iterative refinement with its residual formed in long double from the unscaled
// matrix (Higham, "Accuracy and Stability of Numerical Algorithms", 9.8 and 12.1). The point
// is refused only when the matrix is singular to the precision its entries are stored in: a
// zero row or column, or a complete pivot of the scaled matrix no larger than n units in the
// last place of a double (the matrix then lies within the rounding of its entries from a
// singular one), or a refinement that does not settle to the program's accuracy.

#include "sim/complexmatrix.h"

namespace norvane {

// Solves a x = b for the given right-hand sides (b1 and/or b2, nullptr for none) from rows and
// columns 1..n of `a`, which is left as it is; each b holds its right-hand side on entry and
// its solution on return. False, with the vectors unchanged, when the matrix is singular to
// working accuracy (see above) or n lies outside 1..100. Allocates its working matrix.
bool carefulSolve(const ComplexMatrix& a, int n, ComplexVector* b1, ComplexVector* b2);

namespace ludetail {

// A complete pivot of the equilibrated matrix at or below this many units of a double's last
// place per row counts as zero.
constexpr double kSingularScaledPivot = 2.220446049250313e-16;

// The refined solution must settle to this relative change (of its largest entry), or the
// point is refused. Refinement with a long double residual settles at about the condition
// number times 5e-20 (1e-12 for a scaled condition of 1e11, as a badly scaled 28-node circuit
// with two current-sensing sources has); the program's S-parameters are good to 1e-9, and
// this keeps a factor of ten in hand.
constexpr double kRefinedAccuracy = 1e-10;

} // namespace ludetail

} // namespace norvane
