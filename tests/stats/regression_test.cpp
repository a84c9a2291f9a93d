// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/regression.h"

#include <gtest/gtest.h>

#include <cmath>

#include "numerics/vector_arithmetic.h"
#include "stats/stats_fixture.h"

namespace vrel {
namespace {

struct Regression : ::testing::Test {
  Session s;
  void SetUp() override { test::FillComponentSession(s, 20, 5, 2); }

  // Pearson correlation over the whole sample, with its own centring.
  double Correlation(const Vector& a, const Vector& b) const {
    const int n = s.SpecimenCount;
    double ma = 0, mb = 0;
    for (int i = 0; i < n; ++i) ma += a[i], mb += b[i];
    ma /= n, mb /= n;
    double sab = 0, saa = 0, sbb = 0;
    for (int i = 0; i < n; ++i) {
      sab += (a[i] - ma) * (b[i] - mb);
      saa += (a[i] - ma) * (a[i] - ma);
      sbb += (b[i] - mb) * (b[i] - mb);
    }
    return sab / std::sqrt(saa * sbb);
  }
  Vector Column(int j) const {
    Vector v(300);
    for (int i = 0; i < s.SpecimenCount; ++i) v[i] = s.Scores[i][j];
    return v;
  }
};

TEST_F(Regression, CrossProductsAreCentredOnTheRange) {
  Vector b(99);
  b[3] = 42.0;  // must be cleared, not added to
  const double ss = FactorCrossProducts(s.Scores, s.Factor, b, 4, 12, 4);
  double my = 0, m3 = 0;
  for (int i = 4; i < 12; ++i) my += s.Factor[i], m3 += s.Scores[i][3];
  my /= 8, m3 /= 8;
  double expect3 = 0, expectSs = 0;
  for (int i = 4; i < 12; ++i) {
    expect3 += (s.Factor[i] - my) * (s.Scores[i][3] - m3);
    expectSs += (s.Factor[i] - my) * (s.Factor[i] - my);
  }
  EXPECT_NEAR(b[3], expect3, 1e-14);
  EXPECT_NEAR(ss, expectSs, 1e-14);
}

TEST_F(Regression, CentredDataGiveTheOrdinaryRSquared) {
  Vector b(99);
  // One regressor: R² is the squared correlation.
  const double r = Correlation(s.Factor, Column(0));
  EXPECT_NEAR(MultipleRegression(s.Factor, s.Scores, b, 0, 20, 1), r * r, 1e-12);
  // Two regressors: the closed form in the three correlations.
  const double r1 = Correlation(s.Factor, Column(0));
  const double r2 = Correlation(s.Factor, Column(1));
  const double r12 = Correlation(Column(0), Column(1));
  const double expected = (r1 * r1 + r2 * r2 - 2 * r1 * r2 * r12) / (1 - r12 * r12);
  EXPECT_NEAR(MultipleRegression(s.Factor, s.Scores, b, 0, 20, 2), expected, 1e-12);
  // The slopes reproduce the known construction up to the added noise.
  EXPECT_NEAR(b[0], 2.0, 0.3);
  EXPECT_NEAR(b[1], -1.0, 0.3);
}

TEST_F(Regression, NonZeroMeanResponseGivesASmallerRSquared) {
  Vector b(99);
  const int q = 3;
  const double centred = MultipleRegression(s.Factor, s.Scores, b, 0, 20, q);
  double ssy = 0;
  for (int i = 0; i < 20; ++i) ssy += s.Factor[i] * s.Factor[i];
  const double m = 0.8;
  Vector shifted(300);
  for (int i = 0; i < 20; ++i) shifted[i] = s.Factor[i] + m;
  const double r2 = MultipleRegression(shifted, s.Scores, b, 0, 20, q);
  // n m² joins both sums of squares.
  EXPECT_NEAR(r2, centred * ssy / (ssy + 20 * m * m), 1e-12);
  EXPECT_LT(r2, centred);
}

TEST_F(Regression, ExactFitGivesOne) {
  Vector y(300), b(99);
  for (int i = 0; i < 20; ++i) y[i] = 0.5 * s.Scores[i][0] + 3.0 * s.Scores[i][2];
  EXPECT_NEAR(MultipleRegression(y, s.Scores, b, 0, 20, 3), 1.0, 1e-12);
  EXPECT_NEAR(b[1], 0.0, 1e-12);
  EXPECT_NEAR(b[2], 3.0, 1e-12);
}

TEST_F(Regression, PooledRegressionRemovesTheGroupMeans) {
  // Same slope in both groups, different levels: the within-group fit is perfect.
  Vector y(300);
  for (int i = 0; i < 20; ++i) y[i] = 1.5 * s.Scores[i][1] + (i < 7 ? 10.0 : -4.0);
  EXPECT_NEAR(PooledRegression(y, s.Scores, 7, 20, 2), 1.0, 1e-12);

  // One regressor: c² / (A SSw) with the within-group sums built here.
  double c = 0, a = 0, ssw = 0;
  for (int g = 0; g < 2; ++g) {
    const int from = g == 0 ? 0 : 7, to = g == 0 ? 7 : 20;
    double my = 0, mx = 0;
    for (int i = from; i < to; ++i) my += s.Factor[i], mx += s.Scores[i][0];
    my /= to - from, mx /= to - from;
    for (int i = from; i < to; ++i) {
      c += (s.Factor[i] - my) * (s.Scores[i][0] - mx);
      a += (s.Scores[i][0] - mx) * (s.Scores[i][0] - mx);
      ssw += (s.Factor[i] - my) * (s.Factor[i] - my);
    }
  }
  EXPECT_NEAR(PooledRegression(s.Factor, s.Scores, 7, 20, 1), c * c / (a * ssw), 1e-12);
}

TEST(ConstantSegment, SeesRoundingResidueAsConstant) {
  Vector v(10);
  for (int i = 0; i < 10; ++i) v[i] = 1.7 - 1.7000000000000002;
  EXPECT_TRUE(IsConstantSegment(v, 0, 10));
  v[9] = 0.0;
  EXPECT_FALSE(IsConstantSegment(v, 0, 10));
  EXPECT_TRUE(IsConstantSegment(v, 0, 9));
}

}  // namespace
}  // namespace vrel
