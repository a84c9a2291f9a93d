// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/matrix.h"

namespace vrel::test {

#ifdef VREL_HAVE_LAPACK
// Checks the singular values of the m x n matrix a from Svd against LAPACK's dgesvd, to
// 1e-9 relative for every value that stands above the rounding noise.
void ExpectSameSingularValues(const Matrix& a, int m, int n);
#endif

}  // namespace vrel::test
