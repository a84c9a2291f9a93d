// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "shell/matrix.h"

namespace vrel {

// sqrt(a*a + b*b) without destructive overflow or underflow.
double Hypot(double a, double b);

// Decomposes a (m rows, n columns) into U diag(w) V-transposed by the Golub-Reinsch method:
// a is overwritten by U, w receives the n singular values (unsorted), v the n x n matrix V.
void Svd(Matrix& a, int m, int n, Vector& w, Matrix& v);

// The first step of Svd alone: the Householder reduction of a to upper bidiagonal form, with the
// diagonal in w and the superdiagonal in e (e[i] above w[i], e[0] = 0). Returns the norm that
// Svd's negligibility tests use.
double Bidiagonalise(Matrix& a, int m, int n, Vector& w, Vector& e);

// The last step of Svd alone, on an upper bidiagonal form of n columns (w, e as Bidiagonalise
// leaves them): w receives the singular values exactly as Svd leaves them, unsorted, and
// firstRow the first row of V. The left vectors and the other rows of V are not formed, which
// takes the work from the cube of n down to its square; the signs of the vectors Svd would
// form can be read off that row.
void DiagonaliseFirstRowOfV(Vector& w, Vector& e, int n, std::vector<double>& firstRow);

}  // namespace vrel
