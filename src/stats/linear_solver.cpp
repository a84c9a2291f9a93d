// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/linear_solver.h"

#include <cmath>
#include <utility>
#include <vector>

namespace vrel {

namespace {
constexpr double TinyPivot = 1.0e-20;
}

void LuDecompose(Matrix& a, int n, int* pivots) {
  std::vector<double> scale(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) {
    double big = 0.0;
    for (int j = 0; j < n; ++j)
      if (std::fabs(a[i][j]) > big) big = std::fabs(a[i][j]);
    scale[i] = 1.0 / big;
  }
  for (int j = 0; j < n; ++j) {
    for (int i = 0; i < j; ++i) {
      double sum = a[i][j];
      for (int k = 0; k < i; ++k) sum -= a[i][k] * a[k][j];
      a[i][j] = sum;
    }
    double big = 0.0;
    int pivot = j;  // stays put when every candidate compares false (a row of zeros)
    for (int i = j; i < n; ++i) {
      double sum = a[i][j];
      for (int k = 0; k < j; ++k) sum -= a[i][k] * a[k][j];
      a[i][j] = sum;
      const double merit = scale[i] * std::fabs(sum);
      if (merit >= big) {
        big = merit;
        pivot = i;
      }
    }
    if (pivot != j) {
      for (int k = 0; k < n; ++k) std::swap(a[pivot][k], a[j][k]);
      scale[pivot] = scale[j];
    }
    pivots[j] = pivot;
    if (a[j][j] == 0.0) a[j][j] = TinyPivot;
    if (j != n - 1) {
      const double inverse = 1.0 / a[j][j];
      for (int i = j + 1; i < n; ++i) a[i][j] *= inverse;
    }
  }
}

void LuBackSubstitute(const Matrix& a, int n, const int* pivots, double* b) {
  for (int i = 0; i < n; ++i) {
    const int p = pivots[i];
    double sum = b[p];
    b[p] = b[i];
    for (int j = 0; j < i; ++j) sum -= a[i][j] * b[j];
    b[i] = sum;
  }
  for (int i = n - 1; i >= 0; --i) {
    double sum = b[i];
    for (int j = i + 1; j < n; ++j) sum -= a[i][j] * b[j];
    b[i] = sum / a[i][i];
  }
}

void SolveLinear(Matrix& a, Matrix& b, int n, int columns) {
  std::vector<int> pivots(static_cast<std::size_t>(n));
  std::vector<double> work(static_cast<std::size_t>(n));
  LuDecompose(a, n, pivots.data());
  for (int c = 0; c < columns; ++c) {
    for (int i = 0; i < n; ++i) work[i] = b[i][c];
    LuBackSubstitute(a, n, pivots.data(), work.data());
    for (int i = 0; i < n; ++i) b[i][c] = work[i];
  }
}

}  // namespace vrel
