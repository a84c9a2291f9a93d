// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/matrix.h"

namespace vrel {

// Cross-products of the centred response with the centred first q score columns over the
// specimens [from, to): b[j] = sum (y_i - mean y)(scores[i][j] - mean of column j).
// Returns the response's sum of squares about its mean. b is not divided by it: only its
// direction is used.
double FactorCrossProducts(const Matrix& scores, const Vector& y, Vector& b, int from, int to,
                           int q);

// FactorCrossProducts within each of the two groups, [0, limit) into b1 and [limit, n) into b2.
void GroupCrossProducts(const Matrix& scores, const Vector& y, Vector& b1, Vector& b2, int limit,
                        int n, int q);

// Least-squares slopes b of y on the first q score columns over [from, to), and
// R^2 = (SSy - SSres) / SSy with both sums taken about zero and the fit without intercept.
// With y and the scores centred over the whole sample this is the usual R^2.
// Gives NaN when y is all zero over the range.
double MultipleRegression(const Vector& y, const Matrix& scores, Vector& b, int from, int to,
                          int q);

// Share of the within-group variation of y explained by a common within-group regression on
// the first q score columns; group 1 is [0, limit), group 2 is [limit, n).
// Gives NaN when y is constant within each group.
double PooledRegression(const Vector& y, const Matrix& scores, int limit, int n, int q);

}  // namespace vrel
