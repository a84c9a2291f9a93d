// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/matrix.h"
#include "shell/session.h"

namespace vrel {

// Sorts the first m values of w into decreasing order by selection, taking the last of equal
// largest values first; exchange(c, pick) follows each exchange of w[c] and w[pick].
template <typename Exchange>
void SortDecreasing(Vector& w, int m, Exchange exchange) {
  for (int c = 0; c < m - 1; ++c) {
    double best = w[c];
    int pick = c;
    for (int j = c; j < m; ++j)
      if (w[j] >= best) {
        best = w[j];
        pick = j;
      }
    if (pick == c) continue;
    w[pick] = w[c];
    w[c] = best;
    exchange(c, pick);
  }
}

// Sorts w (LandmarkCount x DimensionCount values) into decreasing order, exchanging the
// columns of v (m rows) and u (SpecimenCount rows) alike.
void SortComponents(Matrix& u, Vector& w, Matrix& v, const DataDimensions& dims);

// The dimension of shape space for the loaded counts: centring, scaling and rotation leave
// 3p - 7 dimensions in space, 2p - 4 in the plane and p - 2 on a line. Without data (no
// dimension count) there is no bound: the 99 columns.
int ShapeSpaceDimension(const DataDimensions& dims);

// The percentage of the total variance that component c holds: its squared singular value over
// the sum of the squares of the m singular values, times 100.
double VarianceShare(const Vector& singularValues, int m, int c);

}  // namespace vrel
