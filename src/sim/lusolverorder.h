#pragma once
// A node order for the solver with less fill-in than the drawing's numbering.
//
// The drawing numbers nodes in the order the components are listed, so a circuit with
// bridging elements or couplings between distant nodes (a 100-node circuit with a few of them
// goes from 330 non-zeros to 2700 after elimination) makes the elimination fill most of the
// matrix. Minimum degree ordering (eliminate next the node with the fewest neighbours still
// present; Tinney and Walker, "Direct solutions of sparse network equations by optimally
// ordered triangular factorization", Proc. IEEE 55, 1967) on the pattern of A + A^T keeps the
// factors sparse. Partial pivoting still chooses the pivots within the reordered matrix, so
// the accuracy is that of the solver in any order; the results differ from those of the
// drawing's order only by rounding.

#include "sim/complexmatrix.h"

namespace norvane {

// From the pattern of a stamped matrix (rows and columns 1..n): the minimum degree order when
// its symbolic fill-in is smaller than that of the natural order, else the natural order (so
// that chains and ladders, already numbered along the chain, keep their results bit for bit).
ComplexMatrix::NodeOrder fillReducingOrder(const ComplexMatrix& stamped, int n);

} // namespace norvane
