// SPDX-License-Identifier: GPL-3.0-or-later
#include "numerics/components.h"

#include <utility>

namespace vrel {

void SortComponents(Matrix& u, Vector& w, Matrix& v, const DataDimensions& dims) {
  const int n = dims.SpecimenCount;
  const int m = dims.LandmarkCount * dims.DimensionCount;
  SortDecreasing(w, m, [&](int c, int pick) {
    for (int r = 0; r < m; ++r) std::swap(v[r][c], v[r][pick]);
    for (int r = 0; r < n; ++r) std::swap(u[r][c], u[r][pick]);
  });
}

int ShapeSpaceDimension(const DataDimensions& dims) {
  const int p = dims.LandmarkCount;
  switch (dims.DimensionCount) {
    case 3:
      return 3 * p - 7;
    case 2:
      return 2 * p - 4;
    case 1:
      return p - 2;
    default:
      return MaxComponents;
  }
}

double VarianceShare(const Vector& singularValues, int m, int c) {
  double total = 0.0;
  for (int j = 0; j < m; ++j) total += singularValues[j] * singularValues[j];
  return singularValues[c] * singularValues[c] * 100.0 / total;
}

}  // namespace vrel
