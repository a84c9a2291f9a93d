// SPDX-License-Identifier: GPL-3.0-or-later
#include "numerics/large_svd.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "numerics/components.h"
#include "numerics/svd.h"

namespace vrel {
namespace {

Matrix Random(int rows, int cols, unsigned seed) {
  std::mt19937 gen(seed);
  std::normal_distribution<double> dist(0.0, 1.0);
  Matrix a(rows, cols);
  for (int i = 0; i < rows; ++i)
    for (int j = 0; j < cols; ++j) a[i][j] = dist(gen);
  return a;
}

// LAPACK's decomposition against the program's own on matrices both handle: the same singular
// values, and the kept components pointing the same way, for tall, square and wide shapes. Where
// two singular values lie close, the program's own signs turn on the last bits of the form it
// reduces to, which LAPACK reaches by another rounding: a pair of components may then point the
// other way (two of the 885 components here). Without the sign rule half of them would.
TEST(LargeSvd, AgreesWithTheProgramsOwnDecompositionValueForValueAndSignForSign) {
  const int shapes[][3] = {{40, 12, 12}, {12, 12, 12},  {60, 30, 8},
                           {9, 25, 9},   {54, 112, 40}, {300, 99, 96}};
  unsigned seed = 1;
  int kept = 0, flips = 0;
  for (const auto& shape : shapes) {
    const int rows = shape[0], cols = shape[1], keep = shape[2];
    SCOPED_TRACE(testing::Message() << rows << " x " << cols);
    for (int trial = 0; trial < 5; ++trial) {
      const Matrix x = Random(rows, cols, seed++);
      Matrix u(rows, cols), v(cols, cols);
      CopyBlock(x, u, rows, cols);
      Vector w(cols);
      Svd(u, rows, cols, w, v);
      SortComponents(u, w, v, DataDimensions{rows, cols, 1});

      Vector lw(cols);
      Matrix lv(cols, keep), lu(rows, keep);
      ASSERT_TRUE(LargeSvd(x, rows, cols, keep, lw, lv, lu));
      const int rank = std::min(rows, cols);
      for (int c = 0; c < cols; ++c) {
        if (c < rank)
          EXPECT_NEAR(lw[c], w[c], 1e-12 * w[c]) << c;
        else
          EXPECT_LT(std::fabs(w[c]), 1e-12 * w[0]) << c;
        EXPECT_EQ(lw[c] == 0.0, c >= rank) << c;
      }
      for (int c = 0; c < keep && c < rank; ++c) {
        double dot = 0.0;
        for (int r = 0; r < cols; ++r) dot += lv[r][c] * v[r][c];
        double udot = 0.0;
        for (int i = 0; i < rows; ++i) udot += lu[i][c] * u[i][c];
        flips += dot < 0.0;
        EXPECT_NEAR(std::fabs(dot), 1.0, 1e-8) << "component " << c;
        EXPECT_NEAR(udot * dot, 1.0, 1e-8) << "component " << c;
        ++kept;
      }
    }
  }
  EXPECT_EQ(kept, 885);
  EXPECT_LE(flips, 2);
}

}  // namespace
}  // namespace vrel
