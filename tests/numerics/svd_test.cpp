// SPDX-License-Identifier: GPL-3.0-or-later
#include "numerics/svd.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "numerics/svd_oracle.h"

namespace vrel {
namespace {

Matrix RandomMatrix(int rows, int cols, std::mt19937& gen) {
  std::uniform_real_distribution<double> dist(-1.0, 1.0);
  Matrix a(rows, cols);
  for (int i = 0; i < rows; ++i)
    for (int j = 0; j < cols; ++j) a[i][j] = dist(gen);
  return a;
}

// A rows x cols matrix of the given rank, as the product of two random factors.
Matrix RandomMatrixOfRank(int rows, int cols, int rank, std::mt19937& gen) {
  const Matrix left = RandomMatrix(rows, rank, gen);
  const Matrix right = RandomMatrix(rank, cols, gen);
  Matrix a(rows, cols);
  for (int i = 0; i < rows; ++i)
    for (int j = 0; j < cols; ++j)
      for (int t = 0; t < rank; ++t) a[i][j] += left[i][t] * right[t][j];
  return a;
}

double MaxAbs(const Matrix& a, int rows, int cols) {
  double largest = 0.0;
  for (int i = 0; i < rows; ++i)
    for (int j = 0; j < cols; ++j) largest = std::max(largest, std::fabs(a[i][j]));
  return largest;
}

// Decomposes a copy of a and checks U diag(w) V' = a, V'V = I, w >= 0 and, when there are at
// least as many rows as columns, U'U = I. Returns the singular values.
std::vector<double> CheckDecomposition(const Matrix& a, int m, int n) {
  Matrix u = a;
  Vector w(n);
  Matrix v(n, n);
  Svd(u, m, n, w, v);
  const double tolerance = 1e-13 * std::max(1.0, MaxAbs(a, m, n)) * (m + n);
  for (int i = 0; i < m; ++i)
    for (int j = 0; j < n; ++j) {
      double sum = 0.0;
      for (int t = 0; t < n; ++t) sum += u[i][t] * w[t] * v[j][t];
      EXPECT_NEAR(sum, a[i][j], tolerance) << "element " << i << ", " << j;
    }
  for (int p = 0; p < n; ++p)
    for (int q = 0; q < n; ++q) {
      double vv = 0.0;
      for (int t = 0; t < n; ++t) vv += v[t][p] * v[t][q];
      EXPECT_NEAR(vv, p == q ? 1.0 : 0.0, 1e-13 * n) << "V columns " << p << ", " << q;
      if (m >= n) {
        double uu = 0.0;
        for (int t = 0; t < m; ++t) uu += u[t][p] * u[t][q];
        EXPECT_NEAR(uu, p == q ? 1.0 : 0.0, 1e-13 * m) << "U columns " << p << ", " << q;
      }
    }
  std::vector<double> values;
  for (int j = 0; j < n; ++j) {
    EXPECT_GE(w[j], 0.0);
    values.push_back(w[j]);
  }
  return values;
}

int CountBelow(const std::vector<double>& values, double limit) {
  return static_cast<int>(
      std::count_if(values.begin(), values.end(), [limit](double x) { return x < limit; }));
}

TEST(Hypot, AvoidsOverflowAndUnderflow) {
  EXPECT_DOUBLE_EQ(Hypot(3.0, -4.0), 5.0);
  EXPECT_DOUBLE_EQ(Hypot(-4.0, 3.0), 5.0);
  EXPECT_EQ(Hypot(0.0, 0.0), 0.0);
  EXPECT_DOUBLE_EQ(Hypot(1e300, 1e300), std::sqrt(2.0) * 1e300);
  EXPECT_DOUBLE_EQ(Hypot(3e-300, 4e-300), 5e-300);
  EXPECT_EQ(Hypot(0.0, -2.5), 2.5);
}

TEST(Svd, DiagonalWithANegativeEntryFlipsTheRightVector) {
  Matrix a(2, 2);
  a[0][0] = 3.0;
  a[1][1] = -2.0;
  Vector w(2);
  Matrix v(2, 2);
  Svd(a, 2, 2, w, v);
  EXPECT_DOUBLE_EQ(w[0], 3.0);
  EXPECT_DOUBLE_EQ(w[1], 2.0);
  EXPECT_DOUBLE_EQ(a[0][0], -1.0);
  EXPECT_DOUBLE_EQ(a[1][1], -1.0);
  EXPECT_EQ(a[0][1], 0.0);
  EXPECT_EQ(a[1][0], 0.0);
  EXPECT_DOUBLE_EQ(v[0][0], -1.0);
  EXPECT_DOUBLE_EQ(v[1][1], 1.0);
  EXPECT_EQ(v[0][1], 0.0);
  EXPECT_EQ(v[1][0], 0.0);
}

TEST(Svd, OneByOneAndZeroMatrices) {
  Matrix a(1, 1);
  a[0][0] = -5.0;
  Vector w(1);
  Matrix v(1, 1);
  Svd(a, 1, 1, w, v);
  EXPECT_EQ(w[0], 5.0);
  EXPECT_EQ(a[0][0], -1.0);
  EXPECT_EQ(v[0][0], 1.0);

  Matrix zero(3, 3);
  Vector w3(3);
  Matrix v3(3, 3);
  Svd(zero, 3, 3, w3, v3);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(w3[i], 0.0);
    for (int j = 0; j < 3; ++j) {
      EXPECT_EQ(zero[i][j], i == j ? 1.0 : 0.0);
      EXPECT_EQ(v3[i][j], i == j ? 1.0 : 0.0);
    }
  }
}

TEST(Svd, TouchesOnlyTheLeadingColumnsOfALargerMatrix) {
  std::mt19937 gen(7);
  Matrix a = RandomMatrix(4, 6, gen);
  for (int i = 0; i < 4; ++i) a[i][3] = a[i][4] = a[i][5] = 42.0;
  Vector w(3);
  Matrix v(3, 3);
  Svd(a, 4, 3, w, v);
  for (int i = 0; i < 4; ++i)
    for (int j = 3; j < 6; ++j) EXPECT_EQ(a[i][j], 42.0);
}

TEST(Svd, ReconstructsRandomMatricesOfEveryShape) {
  std::mt19937 gen(2024);
  const int shapes[][2] = {{2, 2}, {3, 3}, {8, 5}, {5, 8}, {1, 4}, {4, 1}, {30, 16}, {300, 99}};
  for (const auto& shape : shapes) {
    SCOPED_TRACE(testing::Message() << shape[0] << " x " << shape[1]);
    const Matrix a = RandomMatrix(shape[0], shape[1], gen);
    const std::vector<double> values = CheckDecomposition(a, shape[0], shape[1]);
    // With fewer rows than columns the surplus values vanish.
    if (shape[0] < shape[1]) {
      EXPECT_EQ(CountBelow(values, 1e-12), shape[1] - shape[0]);
    }
  }
}

TEST(Svd, ReconstructsRankDeficientMatrices) {
  std::mt19937 gen(99);
  for (int rank = 1; rank <= 3; ++rank) {
    SCOPED_TRACE(testing::Message() << "6 x 6 of rank " << rank);
    const std::vector<double> values =
        CheckDecomposition(RandomMatrixOfRank(6, 6, rank, gen), 6, 6);
    EXPECT_EQ(CountBelow(values, 1e-12), 6 - rank);
  }
  {
    SCOPED_TRACE("5 x 8 of rank 2");
    const std::vector<double> values = CheckDecomposition(RandomMatrixOfRank(5, 8, 2, gen), 5, 8);
    EXPECT_EQ(CountBelow(values, 1e-12), 6);
  }
  {
    SCOPED_TRACE("3 x 5");
    const std::vector<double> values = CheckDecomposition(RandomMatrix(3, 5, gen), 3, 5);
    EXPECT_EQ(CountBelow(values, 1e-12), 2);
  }
  {
    // A matrix with an exactly zero column and an exactly repeated one.
    SCOPED_TRACE("structured 5 x 4");
    Matrix a = RandomMatrix(5, 4, gen);
    for (int i = 0; i < 5; ++i) {
      a[i][1] = 0.0;
      a[i][3] = a[i][0];
    }
    const std::vector<double> values = CheckDecomposition(a, 5, 4);
    EXPECT_EQ(CountBelow(values, 1e-12), 2);
  }
}

TEST(Svd, LeavesTheValuesUnsorted) {
  // The decreasing order is the caller's business: a diagonal comes out as it stands.
  Matrix a(3, 3);
  a[0][0] = 1.0;
  a[1][1] = 3.0;
  a[2][2] = 2.0;
  Vector w(3);
  Matrix v(3, 3);
  Svd(a, 3, 3, w, v);
  EXPECT_DOUBLE_EQ(w[0], 1.0);
  EXPECT_DOUBLE_EQ(w[1], 3.0);
  EXPECT_DOUBLE_EQ(w[2], 2.0);
}

#ifdef VREL_HAVE_LAPACK
TEST(Svd, AgreesWithLapackOnRandomMatrices) {
  using test::ExpectSameSingularValues;
  std::mt19937 gen(5);
  const int shapes[][2] = {{10, 4}, {4, 10}, {59, 16}, {120, 99}};
  for (const auto& shape : shapes) {
    SCOPED_TRACE(testing::Message() << shape[0] << " x " << shape[1]);
    const Matrix a = RandomMatrix(shape[0], shape[1], gen);
    ExpectSameSingularValues(a, shape[0], shape[1]);
  }
}
#endif

}  // namespace
}  // namespace vrel
