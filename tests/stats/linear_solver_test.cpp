// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/linear_solver.h"

#include <gtest/gtest.h>

namespace vrel {
namespace {

TEST(SolveLinear, SolvesAPivotingSystemAndKeepsTheRightHandSideLayout) {
  // The leading zero forces a row exchange.
  const double a0[3][3] = {{0, 2, 1}, {1, -1, 3}, {4, 1, -2}};
  const double x0[3] = {1.5, -2, 0.25};
  Matrix a = AllocMatrix(99, 99);
  Matrix b = AllocMatrix(99, 1);
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) {
      a[i][j] = a0[i][j];
      b[i][0] += a0[i][j] * x0[j];
    }
  }
  SolveLinear(a, b, 3, 1);
  for (int i = 0; i < 3; ++i) EXPECT_NEAR(b[i][0], x0[i], 1e-12);
}

TEST(SolveLinear, SeveralRightHandSidesGiveTheInverse) {
  Matrix a = AllocMatrix(4, 4);
  Matrix b = AllocMatrix(4, 4);
  const double a0[4][4] = {{4, 1, 0, 2}, {1, 5, 1, 0}, {0, 1, 6, 1}, {2, 0, 1, 7}};
  for (int i = 0; i < 4; ++i) {
    b[i][i] = 1.0;
    for (int j = 0; j < 4; ++j) a[i][j] = a0[i][j];
  }
  SolveLinear(a, b, 4, 4);
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) {
      double product = 0.0;
      for (int k = 0; k < 4; ++k) product += a0[i][k] * b[k][j];
      EXPECT_NEAR(product, i == j ? 1.0 : 0.0, 1e-12);
    }
}

TEST(SolveLinear, ZeroPivotIsReplacedNotDividedBy) {
  // Second unknown absent from the system: its column and row are zero.
  Matrix a = AllocMatrix(2, 2);
  Matrix b = AllocMatrix(2, 1);
  a[0][0] = 2.0;
  b[0][0] = 3.0;
  SolveLinear(a, b, 2, 1);
  EXPECT_DOUBLE_EQ(b[0][0], 1.5);
  EXPECT_EQ(b[1][0], 0.0);
  EXPECT_EQ(a[1][1], 1.0e-20);
}

}  // namespace
}  // namespace vrel
