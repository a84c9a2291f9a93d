// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "numerics/components_commands.h"
#include "numerics/shape_difference_commands.h"
#include "shell/capacities.h"
#include "stats/component_count.h"
#include "stats/statistics_commands.h"
#include "stats/stats_fixture.h"
#include "support/checks.h"
#include "support/scripted_frontend.h"

namespace vrel {
namespace {

using test::ScriptedFrontend;

struct StatsCommand : ::testing::Test {
  Session s;
  ScriptedFrontend fe;
  void Build(int n, int p, int k) { test::FillComponentSession(s, n, p, k); }
  double ColumnLength(int col) const {
    double sum = 0.0;
    for (int r = 0; r < s.CoordinateCount(); ++r) sum += s.Pcs[r][col] * s.Pcs[r][col];
    return std::sqrt(sum);
  }
};

// "How many Pcs?": capped by the shape space (3p - 7 in space, 2p - 4 in the plane, p - 2 on a
// line) and the result slots, at most n - 2; an answer that is not positive ends silently. The
// answer is kept even when the command stops.
TEST_F(StatsCommand, ComponentCountIsCappedAndNeedsTwoMoreSpecimens) {
  struct Case {
    int n, p, k, answer, count, retained;
    bool tooFew;
  };
  const Case cases[] = {
      {60, 10, 3, 50, 23, 23, false},
      {60, 10, 2, 50, 16, 16, false},
      {50, 6, 1, 40, 4, 4, false},
      {250, 99, 1, 200, MaxRetainedComponents, MaxRetainedComponents, false},
      {12, 10, 3, 10, 10, 10, false},
      {12, 10, 3, 11, 0, 11, true},
      {20, 5, 2, 1, 1, 1, false},
      {20, 5, 2, 0, 0, 0, false},
      {20, 5, 2, -3, 0, -3, false},
      // Two landmarks in the plane: the cap is 0, reached after the check of the answer.
      {20, 2, 2, 3, 0, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.n << " x " << c.p << " x " << c.k << ": " << c.answer);
    s = Session();
    Build(c.n, c.p, c.k);
    fe = ScriptedFrontend();
    fe.numbers = {c.answer};
    EXPECT_EQ(AskComponentCount(s, fe), c.count);
    EXPECT_EQ(s.PcsRetained, c.retained);
    EXPECT_EQ(fe.prompts, std::vector<std::string>{"How many Pcs?"});
    if (c.tooFew) {
      test::ExpectOneMessage(fe, Message::NotEnoughSpecimens);
    } else {
      EXPECT_TRUE(fe.messages.empty());
    }
    // The regression runs on that many components, and not at all on none.
    fe = ScriptedFrontend();
    fe.numbers = {c.answer};
    RegressionClick(s, fe);
    EXPECT_EQ(s.RegressionVectorReady, c.count > 0);
    EXPECT_EQ(fe.log.empty(), c.count == 0);
  }
}

TEST_F(StatsCommand, RegressionPublishesAUnitVectorInSlot97) {
  Build(20, 5, 2);
  fe.numbers = {4};
  RegressionClick(s, fe);
  ASSERT_EQ(fe.log.size(), 5u);
  EXPECT_EQ(fe.log[0], "Multivariate regression coefficients (normalized) with     4 PCS");
  double logged = 0.0;
  for (int j = 0; j < 4; ++j) {
    const std::string prefix = "PCS " + std::to_string(j + 1) + " :  ";
    ASSERT_EQ(fe.log[j + 1].rfind(prefix, 0), 0u) << fe.log[j + 1];
    const double value = std::stod(fe.log[j + 1].substr(prefix.size()));
    logged += value * value;
  }
  EXPECT_NEAR(logged, 1.0, 1e-5);
  EXPECT_NEAR(ColumnLength(RegressionColumn), 1.0, 1e-12);
  // The components are the axes, so the vector's coordinates are the normalised sums.
  EXPECT_GT(s.Pcs[0][RegressionColumn], 0.0);
  EXPECT_EQ(s.Pcs[4][RegressionColumn], 0.0);
  for (int i = 0; i < 20; ++i) {
    double projection = 0.0;
    for (int r = 0; r < 10; ++r) projection += s.Residuals[i][r] * s.Pcs[r][RegressionColumn];
    EXPECT_NEAR(s.Scores[i][RegressionColumn], projection, 1e-14);
    EXPECT_EQ(s.Projections[i], s.Scores[i][RegressionColumn]);
  }
  EXPECT_TRUE(s.RegressionVectorReady);
  EXPECT_EQ(s.SelectedComponent, RegressionColumn);
  EXPECT_EQ(s.VectorsView, 1);
  EXPECT_EQ(fe.comboIndex[Combo::Comp], 97);
  EXPECT_TRUE(fe.Invalidated(Window::Vectors));
  EXPECT_FALSE(fe.Invalidated(Window::Plot));
  EXPECT_EQ(fe.Count("show:Vectors"), 0);
}

TEST_F(StatsCommand, AngleLineOnlyOnceBothVectorsExist) {
  Build(20, 5, 2);
  test::DefineGroupLimit(s, 5);
  fe.numbers = {4, 4, 4};
  RegressionClick(s, fe);
  for (const auto& line : fe.log) EXPECT_EQ(line.find("Angle"), std::string::npos);
  DiscriminationClick(s, fe);
  const std::string afterDiscrimination = fe.log.back();
  EXPECT_EQ(afterDiscrimination.rfind("Angle between vectors = ", 0), 0u);
  EXPECT_EQ(fe.comboIndex[Combo::Comp], 98);
  EXPECT_EQ(s.SelectedComponent, DiscriminationColumn);
  RegressionClick(s, fe);
  EXPECT_EQ(fe.log.back(), afterDiscrimination);  // same two vectors, same angle
}

TEST_F(StatsCommand, MeanRegressionWeighsEachGroupBySize) {
  Build(20, 5, 2);
  test::DefineGroupLimit(s, 5);
  fe.numbers = {3};
  MeanRegressionClick(s, fe);
  ASSERT_EQ(fe.log.size(), 4u);
  EXPECT_EQ(fe.log[0],
            "Mean multivariate regression coefficients (normalized) with     3 components.");
  for (int j = 0; j < 3; ++j) {
    double sums[2] = {0, 0};
    for (int g = 0; g < 2; ++g) {
      const int from = g ? 5 : 0, to = g ? 20 : 5;
      double my = 0, mx = 0;
      for (int i = from; i < to; ++i) my += s.Factor[i], mx += s.Scores[i][j];
      my /= to - from, mx /= to - from;
      for (int i = from; i < to; ++i) sums[g] += (s.Factor[i] - my) * (s.Scores[i][j] - mx);
    }
    EXPECT_NEAR(s.GroupCoefficients[j], sums[1], 1e-14);
    EXPECT_NEAR(s.Coefficients[j], (5 * sums[0] + 15 * sums[1]) / 20, 1e-14);
  }
}

TEST_F(StatsCommand, ConstantFactorIsRefusedAndChangesNothing) {
  Build(20, 5, 2);
  test::DefineGroupLimit(s, 5);
  for (int i = 0; i < 20; ++i) s.Factor[i] = 0.0;
  s.PromptResult = s.PcsRetained = 3;  // the answer each command is given
  const Session before = s;
  fe.numbers = {3, 3, 3, 3};
  RegressionClick(s, fe);
  RegressionTestClick(s, fe);
  MeanRegressionClick(s, fe);
  MeanRegressionTestClick(s, fe);
  std::vector<std::string> shown;
  for (const auto& m : fe.messages) shown.push_back(m.text);
  const std::string whole = MessageDetails(Message::ConstantFactor).text;
  const std::string groups = MessageDetails(Message::ConstantFactorWithinGroups).text;
  EXPECT_EQ(shown, (std::vector<std::string>{whole, whole, groups, groups}));
  EXPECT_TRUE(fe.log.empty());
  EXPECT_FALSE(fe.Invalidated(Window::Vectors));
  test::ExpectSessionUnchanged(before, s);
}

TEST_F(StatsCommand, FactorUncorrelatedWithTheScoresHasNoDirection) {
  Build(8, 3, 2);
  // Exactly orthogonal sign patterns: every cross-product is zero, the factor is not constant.
  const double first[8] = {1, 1, -1, -1, 1, 1, -1, -1};
  const double second[8] = {1, 1, 1, 1, -1, -1, -1, -1};
  for (int i = 0; i < 8; ++i) {
    s.Scores[i][0] = first[i];
    s.Scores[i][1] = second[i];
    s.Factor[i] = i % 2 ? -1.0 : 1.0;
  }
  s.Coefficients[0] = 9.0;
  fe.numbers = {2};
  RegressionClick(s, fe);
  test::ExpectOneMessage(fe, Message::NoDirection);
  EXPECT_TRUE(fe.log.empty());
  EXPECT_FALSE(s.RegressionVectorReady);
  EXPECT_EQ(s.Coefficients[0], 9.0);
  // The test of the same regression is defined: R² = 0, F = 0, p = 1.
  fe.numbers = {2};
  RegressionTestClick(s, fe);
  ASSERT_EQ(fe.log.size(), 2u);
  EXPECT_EQ(fe.log[1], "R\u00b2= 0.000000, F= 0.000000 with 2 and 5 DF, p< 1.000000");
}

TEST_F(StatsCommand, FactorConstantWithinGroupsHasNoPooledRegression) {
  Build(20, 5, 2);
  test::DefineGroupLimit(s, 5);
  for (int i = 0; i < 20; ++i) s.Factor[i] = i < 5 ? -0.75 : 0.25;
  fe.numbers = {3, 3};
  MeanRegressionTestClick(s, fe);
  MeanRegressionClick(s, fe);
  EXPECT_EQ(fe.messages.size(), 2u);
  EXPECT_TRUE(fe.log.empty());
  // The whole-sample regression on the same factor is defined.
  fe.numbers = {3};
  RegressionTestClick(s, fe);
  EXPECT_EQ(fe.log.size(), 2u);
}

TEST_F(StatsCommand, RegressionTestLineAndDegreesOfFreedom) {
  Build(30, 5, 2);
  fe.numbers = {4};
  RegressionTestClick(s, fe);
  ASSERT_EQ(fe.log.size(), 2u);
  EXPECT_EQ(fe.log[0], "Regression statistic for     4 components.");
  double r2 = 0, f = 0, p = 0;
  int df1 = 0, df2 = 0;
  ASSERT_EQ(std::sscanf(fe.log[1].c_str(), "R\xc2\xb2= %lf, F= %lf with %d and %d DF, p< %lf", &r2,
                        &f, &df1, &df2, &p),
            5)
      << fe.log[1];
  EXPECT_EQ(df1, 4);
  EXPECT_EQ(df2, 25);
  // R² is printed to six decimals; F magnifies that rounding by 6.25 / (1 - R²)².
  EXPECT_NEAR(f, 6.25 * r2 / (1 - r2), 6.25e-6 / ((1 - r2) * (1 - r2)) + 1e-5);
  EXPECT_GT(r2, 0.5);  // the factor was built from the first two scores
  EXPECT_EQ(fe.events.back(), "show:Log");
}

TEST_F(StatsCommand, PerfectFitPrintsInfinityAndZero) {
  Build(20, 5, 2);
  for (int i = 0; i < 20; ++i) s.Factor[i] = s.Scores[i][0] - 2.0 * s.Scores[i][2];
  // Make the fit exact to the last bit: the response is then reproduced without residue.
  for (int i = 0; i < 20; ++i)
    for (int j = 0; j < 3; ++j) s.Scores[i][j] = j == 0 ? s.Factor[i] : 0.0;
  fe.numbers = {3};
  RegressionTestClick(s, fe);
  ASSERT_EQ(fe.log.size(), 2u);
  EXPECT_EQ(fe.log[1], "R\u00b2= 1.000000, F= inf with 3 and 16 DF, p< 0.000000");
  EXPECT_TRUE(fe.messages.empty());
}

TEST_F(StatsCommand, MeanRegressionTestLogsThePooledStatistic) {
  Build(20, 5, 2);
  test::DefineGroupLimit(s, 8);
  fe.numbers = {2};
  MeanRegressionTestClick(s, fe);
  ASSERT_EQ(fe.log.size(), 2u);
  EXPECT_EQ(fe.log[0], "Mean regression statistic for     2 components.");
  EXPECT_NE(fe.log[1].find("with 2 and 17 DF"), std::string::npos) << fe.log[1];
  EXPECT_EQ(fe.log[1].find("nan"), std::string::npos);
}

// Each group holds a specimen now loaded, the second at least two: a limit kept from a larger
// data file, or from before Shape difference halved the specimens, is refused before any prompt.
TEST_F(StatsCommand, GroupsMustFitTheLoadedSpecimens) {
  struct Case {
    int limit;
    bool difference;  // Shape difference and Components first: 20 specimens become 10
    bool fits;
  };
  const Case cases[] = {{0, false, false},  {1, false, true}, {18, false, true}, {19, false, false},
                        {25, false, false}, {8, true, true},  {9, true, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "limit " << c.limit << (c.difference ? " after" : ""));
    s = Session();
    Build(20, 5, 2);
    fe = ScriptedFrontend();
    if (c.difference) {
      DifferenceClick(s, fe);
      PcsClick(s, fe);
      ASSERT_TRUE(s.ComponentsComputed) << fe.LastMessage();
      fe = ScriptedFrontend();
    }
    s.GroupLimit = c.limit;
    fe.numbers = {3};
    MeanRegressionClick(s, fe);
    if (c.fits) {
      EXPECT_EQ(fe.prompts.size(), 1u);
    } else {
      test::ExpectOneMessage(fe, Message::GroupsDoNotFit);
      EXPECT_TRUE(fe.prompts.empty());
      EXPECT_FALSE(s.RegressionVectorReady);
    }
  }
}

}  // namespace
}  // namespace vrel
