#pragma once

#include "shell/matrix.h"

namespace vrel::test {

// Today's decomposition in its first, column-walking loop order, frozen; see svd_frozen.cpp.
void FrozenSvd(Matrix& a, int m, int n, Vector& w, Matrix& v);

}  // namespace vrel::test
