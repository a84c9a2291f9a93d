// SPDX-License-Identifier: GPL-3.0-or-later
#include "numerics/hyperprojection.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "numerics/shape_difference_commands.h"
#include "support/checks.h"
#include "support/scripted_frontend.h"
#include "support/stages.h"

namespace vrel {
namespace {

using test::RowDot;
using test::ScriptedFrontend;

TEST(Hyperproject, RemovesAUnitDirectionOnce) {
  Session s;
  test::FillSuperimposedSession(s, 5);
  Vector u(6);
  const double raw[6] = {1, -2, 0.5, 3, 0, 1};
  double length = 0;
  for (double x : raw) length += x * x;
  for (int j = 0; j < 6; ++j) u[j] = raw[j] / std::sqrt(length);

  Matrix once(MaxSpecimens, MaxCoordinates), twice(MaxSpecimens, MaxCoordinates);
  Hyperproject(s.Residuals, once, s.Dimensions(), u);
  Hyperproject(once, twice, s.Dimensions(), u);
  for (int i = 0; i < 5; ++i) {
    EXPECT_NEAR(RowDot(once, i, u, 6), 0.0, 1e-15);
    // What was removed lies along u.
    const double along = RowDot(s.Residuals, i, u, 6);
    for (int j = 0; j < 6; ++j) {
      EXPECT_NEAR(s.Residuals[i][j] - once[i][j], along * u[j], 1e-15);
      EXPECT_NEAR(twice[i][j], once[i][j], 1e-15);
    }
  }
}

TEST(ShapeDifference, FourSpecimensGiveTwoCentredPairs) {
  Session s;
  test::FillSuperimposedSession(s, 4);
  const Session before = s;
  ScriptedFrontend fe;
  DifferenceClick(s, fe);
  ASSERT_EQ(s.SpecimenCount, 2);
  for (int j = 0; j < 6; ++j) {
    const double first = before.Residuals[1][j] - before.Residuals[0][j];
    const double second = before.Residuals[3][j] - before.Residuals[2][j];
    const double mean = (first + second) / 2;
    EXPECT_DOUBLE_EQ(s.Residuals[0][j], first - mean);
    EXPECT_DOUBLE_EQ(s.Residuals[1][j], second - mean);
    EXPECT_DOUBLE_EQ(s.Consensus[j], before.Consensus[j] + mean);
    for (int i = 0; i < 2; ++i) {
      EXPECT_EQ(s.Scores[i][j], s.Residuals[i][j]);
      EXPECT_EQ(s.Coordinates[i][j], s.Residuals[i][j] + s.Consensus[j]);
    }
    EXPECT_EQ(s.Residuals[2][j], before.Residuals[2][j]);  // rows beyond the pairs stay
  }
  EXPECT_EQ(s.Sizes[0], 1.0);  // 11 - 10
  EXPECT_EQ(s.Sizes[1], 5.0);  // 19 - 14
  EXPECT_TRUE(s.DifferenceComputed);
  EXPECT_FALSE(s.ComponentsComputed);
  EXPECT_EQ(fe.toolbarUpdates, 1);
  EXPECT_EQ(fe.log,
            std::vector<std::string>{"Difference data : 2 Specimens, 3 Points, 2 Dimensions."});
}

TEST(ShapeDifference, TwoSpecimensAndAnOddCount) {
  Session s;
  test::FillSuperimposedSession(s, 2);
  const Session before = s;
  ScriptedFrontend fe;
  DifferenceClick(s, fe);
  EXPECT_EQ(s.SpecimenCount, 1);
  for (int j = 0; j < 6; ++j) {
    EXPECT_EQ(s.Residuals[0][j], 0.0);
    EXPECT_DOUBLE_EQ(s.Consensus[j],
                     before.Consensus[j] + before.Residuals[1][j] - before.Residuals[0][j]);
  }
  EXPECT_EQ(fe.log.back(), "Difference data : 1 Specimens, 3 Points, 2 Dimensions.");

  Session odd;
  test::FillSuperimposedSession(odd, 3);
  const Session oddBefore = odd;
  ScriptedFrontend oddFe;
  DifferenceClick(odd, oddFe);
  test::ExpectOneMessage(oddFe, Message::SpecimensNotEven);
  EXPECT_EQ(odd.SpecimenCount, 3);
  EXPECT_FALSE(odd.DifferenceComputed);
  EXPECT_TRUE(odd.ComponentsComputed);
  EXPECT_EQ(odd.Residuals[1][1], oddBefore.Residuals[1][1]);
  EXPECT_TRUE(oddFe.log.empty());
}

}  // namespace
}  // namespace vrel
