// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/regression.h"

#include <array>

#include "shell/capacities.h"
#include "stats/linear_solver.h"

namespace vrel {

namespace {

double RangeMean(const Vector& y, int from, int to) {
  double sum = 0.0;
  for (int i = from; i < to; ++i) sum += y[i];
  return sum / static_cast<double>(to - from);
}

void ColumnMeans(const Matrix& scores, int from, int to, int q, double* means) {
  for (int j = 0; j < q; ++j) {
    double sum = 0.0;
    for (int i = from; i < to; ++i) sum += scores[i][j];
    means[j] = sum / static_cast<double>(to - from);
  }
}

// Adds to a and c the centred cross-products of one specimen range; returns the response's
// sum of squares about its mean over the range.
double AddCentredCrossProducts(const Vector& y, const Matrix& scores, int from, int to, int q,
                               Matrix& a, Matrix& c) {
  const double meanY = RangeMean(y, from, to);
  std::array<double, MaxComponents> means{};
  ColumnMeans(scores, from, to, q, means.data());
  double ss = 0.0;
  for (int i = from; i < to; ++i) ss += (y[i] - meanY) * (y[i] - meanY);
  for (int j = 0; j < q; ++j) {
    for (int l = 0; l < q; ++l) {
      double sum = 0.0;
      for (int i = from; i < to; ++i) sum += (scores[i][l] - means[l]) * (scores[i][j] - means[j]);
      a[j][l] += sum;
    }
    double sum = 0.0;
    for (int i = from; i < to; ++i) sum += (y[i] - meanY) * (scores[i][j] - means[j]);
    c[j][0] += sum;
  }
  return ss;
}

}  // namespace

double FactorCrossProducts(const Matrix& scores, const Vector& y, Vector& b, int from, int to,
                           int q) {
  const double meanY = RangeMean(y, from, to);
  double ss = 0.0;
  for (int i = from; i < to; ++i) ss += (y[i] - meanY) * (y[i] - meanY);
  for (int j = 0; j < q; ++j) {
    double sum = 0.0;
    for (int i = from; i < to; ++i) sum += scores[i][j];
    const double mean = sum / static_cast<double>(to - from);
    b[j] = 0.0;
    for (int i = from; i < to; ++i) b[j] += (y[i] - meanY) * (scores[i][j] - mean);
  }
  return ss;
}

void GroupCrossProducts(const Matrix& scores, const Vector& y, Vector& b1, Vector& b2, int limit,
                        int n, int q) {
  FactorCrossProducts(scores, y, b1, 0, limit, q);
  FactorCrossProducts(scores, y, b2, limit, n, q);
}

double MultipleRegression(const Vector& y, const Matrix& scores, Vector& b, int from, int to,
                          int q) {
  Matrix a = AllocMatrix(MaxComponents, MaxComponents);
  Matrix c = AllocMatrix(MaxComponents, 1);
  AddCentredCrossProducts(y, scores, from, to, q, a, c);
  SolveLinear(a, c, q, 1);
  for (int j = 0; j < q; ++j) b[j] = c[j][0];

  // The fit uses the scores as they are, without intercept, and the sums run about zero.
  Vector fitted = AllocVector(to);
  for (int i = from; i < to; ++i) {
    fitted[i] = 0.0;
    for (int j = 0; j < q; ++j) fitted[i] += scores[i][j] * b[j];
  }
  double ssy = 0.0;
  double ssres = 0.0;
  for (int i = from; i < to; ++i) {
    ssy += y[i] * y[i];
    ssres += (y[i] - fitted[i]) * (y[i] - fitted[i]);
  }
  FreeVector(fitted);
  FreeMatrix(c);
  FreeMatrix(a);
  return (ssy - ssres) / ssy;
}

double PooledRegression(const Vector& y, const Matrix& scores, int limit, int n, int q) {
  Matrix a1 = AllocMatrix(MaxComponents, MaxComponents);
  Matrix c1 = AllocMatrix(MaxComponents, 1);
  Matrix a2 = AllocMatrix(MaxComponents, MaxComponents);
  Matrix c2 = AllocMatrix(MaxComponents, 1);
  const double ss1 = AddCentredCrossProducts(y, scores, 0, limit, q, a1, c1);
  const double ss2 = AddCentredCrossProducts(y, scores, limit, n, q, a2, c2);
  for (int j = 0; j < q; ++j) {
    for (int l = 0; l < q; ++l) a1[j][l] += a2[j][l];
    c1[j][0] += c2[j][0];
  }
  const double ssw = ss1 + ss2;
  std::array<double, MaxComponents> w{};
  for (int j = 0; j < q; ++j) w[j] = c1[j][0] / ssw;
  SolveLinear(a1, c1, q, 1);
  double r2 = 0.0;
  for (int j = 0; j < q; ++j) r2 += w[j] * c1[j][0];
  FreeMatrix(c2);
  FreeMatrix(a2);
  FreeMatrix(c1);
  FreeMatrix(a1);
  return r2;
}

}  // namespace vrel
