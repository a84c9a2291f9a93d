// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/matrix.h"

namespace vrel {

// Crout LU decomposition with implicit partial pivoting of the n x n matrix a, in place.
// pivots[j] receives the row swapped with row j. A zero pivot is replaced by 1.0e-20 so that
// a singular matrix still yields numbers.
void LuDecompose(Matrix& a, int n, int* pivots);
// Solves a x = b for one right-hand side, given the factors of LuDecompose; x replaces b.
void LuBackSubstitute(const Matrix& a, int n, const int* pivots, double* b);
// Solves a X = b for the n x n matrix a and the columns right-hand sides of b; X replaces b
// and a is overwritten by its LU factors.
void SolveLinear(Matrix& a, Matrix& b, int n, int columns);

}  // namespace vrel
