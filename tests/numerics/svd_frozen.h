// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/matrix.h"

namespace vrel::test {

// Today's decomposition in its first, column-walking loop order, frozen; see svd_frozen.cpp.
void FrozenSvd(Matrix& a, int m, int n, Vector& w, Matrix& v);

}  // namespace vrel::test
