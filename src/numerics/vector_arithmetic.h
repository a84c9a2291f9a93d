// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/matrix.h"

namespace vrel {

// Centres v[from..to) in place and returns the mean it had.
double CentreSegment(Vector& v, int from, int to);
// Scales v[from..to) to unit length and returns the length it had; an all-zero range stays
// zero and gives 0.
double NormaliseSegment(Vector& v, int from, int to);
// out[i] = sum over j < cols of m[i][j] * x[j], for i < rows (one projection per specimen).
void MultiplyRows(const Matrix& m, const Vector& x, Vector& out, int rows, int cols);
// The same product, counts in the other order: builds a shape vector from the first cols
// columns of the components.
void CombineColumns(const Matrix& m, const Vector& x, Vector& out, int cols, int rows);
// Whether v[from..to) holds one value only: then it varies not at all, even where centring
// would leave rounding residue in it.
bool IsConstantSegment(const Vector& v, int from, int to);
// Angle in degrees between two unit columns of m over rows [0, rows).
double ColumnAngle(const Matrix& m, int rows, int a, int b);

// The length of column col of m over rows [0, rows). Where the plain sum of squares would
// overflow or underflow, the column is scaled first, so that a finite column never has an
// infinite length nor a non-zero column a zero one.
double ColumnLength(const Matrix& m, int rows, int col);

// Scales v[0..count) by a power of two, which is exact, so that its largest magnitude is near 1
// when its squares would otherwise overflow or underflow; values of moderate size are left
// exactly as they are.
void BringIntoSquarableRange(Vector& v, int count);

// Whether the first rows x cols elements of x are finite and small enough for sums of their
// squares (below 2^500 in magnitude).
bool AllSquarable(const Matrix& x, int rows, int cols);

// Whether the first rows x cols elements of x (the first count of v) are all finite.
bool AllFinite(const Matrix& x, int rows, int cols);
bool AllFinite(const Vector& v, int count);

}  // namespace vrel
