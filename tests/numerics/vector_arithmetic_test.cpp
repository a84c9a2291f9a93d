// SPDX-License-Identifier: GPL-3.0-or-later
#include "numerics/vector_arithmetic.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vrel {
namespace {

Vector MakeVector(std::initializer_list<double> values) {
  Vector v(static_cast<int>(values.size()));
  int i = 0;
  for (double x : values) v[i++] = x;
  return v;
}

TEST(CentreSegment, CentresTheWholeRangeOrAPartOfIt) {
  Vector v = MakeVector({1, 2, 3, 6});
  EXPECT_DOUBLE_EQ(CentreSegment(v, 0, 4), 3.0);
  EXPECT_DOUBLE_EQ(v[0], -2.0);
  EXPECT_DOUBLE_EQ(v[1], -1.0);
  EXPECT_DOUBLE_EQ(v[2], 0.0);
  EXPECT_DOUBLE_EQ(v[3], 3.0);

  Vector w = MakeVector({1, 2, 3, 6});
  EXPECT_DOUBLE_EQ(CentreSegment(w, 1, 3), 2.5);
  EXPECT_DOUBLE_EQ(w[0], 1.0);
  EXPECT_DOUBLE_EQ(w[1], -0.5);
  EXPECT_DOUBLE_EQ(w[2], 0.5);
  EXPECT_DOUBLE_EQ(w[3], 6.0);
}

TEST(NormaliseSegment, ScalesToUnitLengthAndReturnsTheFormerLength) {
  Vector v = MakeVector({3, 4, 7});
  EXPECT_DOUBLE_EQ(NormaliseSegment(v, 0, 2), 5.0);
  EXPECT_DOUBLE_EQ(v[0], 0.6);
  EXPECT_DOUBLE_EQ(v[1], 0.8);
  EXPECT_DOUBLE_EQ(v[2], 7.0);  // outside the range
}

TEST(NormaliseSegment, AZeroRangeStaysZeroInsteadOfTurningIntoNaN) {
  Vector v = MakeVector({0, 0, 0});
  EXPECT_EQ(NormaliseSegment(v, 0, 3), 0.0);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(v[i], 0.0);
}

TEST(MatrixProducts, MultiplyRowsAndCombineColumnsTakeTheCountsInTheirOwnOrder) {
  Matrix m(2, 2);
  m[0][0] = 1;
  m[0][1] = 2;
  m[1][0] = 3;
  m[1][1] = 4;
  const Vector x = MakeVector({1, 1});
  Vector out(2);
  out.Fill(99.0);  // every output is reset before the sum
  MultiplyRows(m, x, out, 2, 2);
  EXPECT_EQ(out[0], 3.0);
  EXPECT_EQ(out[1], 7.0);
  out.Fill(99.0);
  CombineColumns(m, x, out, 2, 2);
  EXPECT_EQ(out[0], 3.0);
  EXPECT_EQ(out[1], 7.0);
  CombineColumns(m, x, out, 1, 2);  // the first column only
  EXPECT_EQ(out[0], 1.0);
  EXPECT_EQ(out[1], 3.0);
  // A 3 x 2 product with rows and columns of different counts.
  Matrix tall(3, 2);
  tall[2][0] = 5;
  tall[2][1] = -1;
  Vector three(3);
  MultiplyRows(tall, MakeVector({2, 3}), three, 3, 2);
  EXPECT_EQ(three[2], 7.0);
}

TEST(ColumnAngle, UsesTheSixDigitDegreeConstant) {
  Matrix m(2, 3);
  m[0][0] = 1;  // column 0 = (1, 0)
  m[1][1] = 1;  // column 1 = (0, 1)
  m[0][2] = 1;  // column 2 = (1, 0)
  EXPECT_NEAR(ColumnAngle(m, 2, 0, 1), 90.0000322, 5e-8);
  EXPECT_NE(ColumnAngle(m, 2, 0, 1), 90.0);
  EXPECT_EQ(ColumnAngle(m, 2, 0, 2), 0.0);
}

TEST(ColumnAngle, ClampsADotProductJustOutsideTheUnitRange) {
  Matrix m(2, 3);
  const double slightlyLong = 1.0 + 1e-12;
  m[0][0] = slightlyLong;
  m[0][1] = slightlyLong;
  m[0][2] = -slightlyLong;
  const double same = ColumnAngle(m, 2, 0, 1);
  const double opposite = ColumnAngle(m, 2, 0, 2);
  ASSERT_TRUE(std::isfinite(same));
  ASSERT_TRUE(std::isfinite(opposite));
  EXPECT_EQ(same, 0.0);
  EXPECT_NEAR(opposite, 3.14159265358979 * 57.2958, 1e-9);
}

}  // namespace
}  // namespace vrel
