// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/matrix.h"

namespace vrel {

// sqrt(a*a + b*b) without destructive overflow or underflow.
double Hypot(double a, double b);

// Decomposes a (m rows, n columns) into U diag(w) V-transposed by the Golub-Reinsch method:
// a is overwritten by U, w receives the n singular values (unsorted), v the n x n matrix V.
void Svd(Matrix& a, int m, int n, Vector& w, Matrix& v);

}  // namespace vrel
