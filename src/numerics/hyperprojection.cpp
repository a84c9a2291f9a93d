// SPDX-License-Identifier: GPL-3.0-or-later
#include "numerics/hyperprojection.h"

namespace vrel {

void Hyperproject(const Matrix& r, Matrix& t, const DataDimensions& dims, const Vector& u) {
  const int m = dims.LandmarkCount * dims.DimensionCount;
  for (int i = 0; i < dims.SpecimenCount; ++i) {
    for (int c = 0; c < m; ++c) {
      double value = 0.0;
      for (int j = 0; j < m; ++j) {
        if (j != c)
          value -= r[i][j] * u[j] * u[c];
        else
          value += (1.0 - u[c] * u[c]) * r[i][c];
      }
      t[i][c] = value;
    }
  }
}

void PairDifferences(Matrix& r, Vector& consensus, double* sizes, DataDimensions& dims) {
  const int h = dims.SpecimenCount / 2;
  const int m = dims.LandmarkCount * dims.DimensionCount;
  dims.SpecimenCount = h;
  // Row i is written after rows 2i and 2i+1 have been read, so going upward in place is safe.
  for (int i = 0; i < h; ++i)
    for (int j = 0; j < m; ++j) r[i][j] = r[2 * i + 1][j] - r[2 * i][j];
  for (int i = 0; i < h; ++i) sizes[i] = sizes[2 * i + 1] - sizes[2 * i];
  if (h == 0) return;
  for (int j = 0; j < m; ++j) {
    double sum = 0.0;
    for (int i = 0; i < h; ++i) sum += r[i][j];
    const double mean = sum / h;
    for (int i = 0; i < h; ++i) r[i][j] -= mean;
    consensus[j] += mean;
  }
}

}  // namespace vrel
