#pragma once
// The LU solver written out densely: every entry of every row and column is visited and tested,
// the row interchanges move whole rows. It makes the same pivot choices and forms the same
// products in the same order as luDecompose / luBackSubstitute, which find the non-zero entries
// through the matrix's pattern instead, so the two agree bit for bit. This one is the yardstick
// of the tests, and the plain statement of what the solver computes.

#include "sim/lusolver.h"

namespace norvane {

bool luDecomposeDense(ComplexMatrix& a, int n, LUDecomposition& lu, ComplexErrors& errors);
bool luBackSubstituteDense(const ComplexMatrix& a, const LUDecomposition& lu, ComplexVector& b,
                           ComplexErrors& errors);

} // namespace norvane
