// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/matrix.h"

namespace vrel {

// The principal axes of a large residual matrix x (rows specimens, cols coordinates) by LAPACK,
// pointing the way Svd would point them. w receives every singular value, sorted as
// SortComponents sorts them (cols values, zeros beyond the rank of a wide matrix); v the first
// keep right singular vectors (cols x keep) and u the matching left ones (rows x keep). Returns
// false when LAPACK reports a failure or is out of memory, leaving the outputs unusable.
bool LargeSvd(const Matrix& x, int rows, int cols, int keep, Vector& w, Matrix& v, Matrix& u);

}  // namespace vrel
