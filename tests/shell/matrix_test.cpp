// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/matrix.h"

#include <gtest/gtest.h>

#include <string>

namespace vrel {
namespace {

// Clear empties tables of every size, whole pages and the partial pages at both ends alike, and
// the table can be written again afterwards.
TEST(Matrix, ClearSetsEveryElementToZero) {
  const int shapes[][2] = {{1, 1}, {3, 3}, {99, 99}, {300, 99}, {1, 1000}, {517, 13}};
  for (const auto& shape : shapes) {
    SCOPED_TRACE(std::to_string(shape[0]) + " x " + std::to_string(shape[1]));
    Matrix m(shape[0], shape[1]);
    for (int round = 0; round < 2; ++round) {
      for (int i = 0; i < shape[0]; ++i)
        for (int j = 0; j < shape[1]; ++j) m[i][j] = 1.0 + i + j;
      m.Clear();
      int nonZero = 0;
      for (int i = 0; i < shape[0]; ++i)
        for (int j = 0; j < shape[1]; ++j) nonZero += m[i][j] != 0.0;
      EXPECT_EQ(nonZero, 0);
    }
  }
}

TEST(Matrix, CopyBlockCopiesTheLeadingBlockOnly) {
  Matrix from(4, 5), to(3, 3);
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 5; ++j) from[i][j] = 10.0 * i + j;
  to[2][2] = -1.0;
  CopyBlock(from, to, 2, 3);
  for (int i = 0; i < 2; ++i)
    for (int j = 0; j < 3; ++j) EXPECT_EQ(to[i][j], 10.0 * i + j);
  EXPECT_EQ(to[2][2], -1.0);
  EXPECT_EQ(to[2][0], 0.0);
}

}  // namespace
}  // namespace vrel
