// SPDX-License-Identifier: GPL-3.0-or-later
#include "numerics/components_commands.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

#include "numerics/superimposition_commands.h"
#include "support/checks.h"
#include "support/scripted_frontend.h"

namespace vrel {
namespace {

using test::ScriptedFrontend;

TEST(ScaleFactorColumn, MatchesTheFirstScoreColumnLength) {
  Session s;
  s.SpecimenCount = 4;
  const double factor[] = {1.0, 2.0, 4.0, 9.0};
  for (int i = 0; i < 4; ++i) s.Factor[i] = factor[i];
  s.SingularValues[0] = 0.5;
  const double length = ScaleFactorColumn(s);
  EXPECT_DOUBLE_EQ(length, std::sqrt(9.0 + 4.0 + 0.0 + 25.0));  // centred on 4
  double sum = 0.0;
  for (int i = 0; i < 4; ++i) {
    EXPECT_DOUBLE_EQ(s.Factor[i], factor[i] - 4.0);
    sum += s.Scores[i][SizeColumn] * s.Scores[i][SizeColumn];
  }
  EXPECT_DOUBLE_EQ(std::sqrt(sum), 0.5);
  EXPECT_GT(s.Scores[3][SizeColumn], 0.0);
}

TEST(ScaleFactorColumn, AConstantFactorOrAZeroFirstValueGivesZerosNotNaN) {
  Session s;
  s.SpecimenCount = 3;
  // Three equal values whose mean does not round back to the value itself.
  for (int i = 0; i < 3; ++i) s.Factor[i] = std::sqrt(3.0);
  s.SingularValues[0] = 1.0;
  s.Scores[1][SizeColumn] = 7.0;
  EXPECT_EQ(ScaleFactorColumn(s), 0.0);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(s.Factor[i], 0.0);
    EXPECT_EQ(s.Scores[i][SizeColumn], 0.0);
  }

  for (int i = 0; i < 3; ++i) s.Factor[i] = i;
  s.SingularValues[0] = 0.0;
  ScaleFactorColumn(s);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(s.Scores[i][SizeColumn], 0.0);
}

Session RandomSuperimposed(int n, int p, int k, unsigned seed) {
  Session s;
  s.SpecimenCount = n;
  s.LandmarkCount = p;
  s.DimensionCount = k;
  std::mt19937 gen(seed);
  std::normal_distribution<double> dist(0.0, 1.0);
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < p * k; ++j) s.Coordinates[i][j] = (j % 3) + 0.1 * dist(gen) + i % 2;
  s.DataLoaded = true;
  ScriptedFrontend fe;
  GpaClick(s, fe);
  EXPECT_TRUE(s.Superimposed);
  return s;
}

TEST(Components, LogsOnePercentageLinePerComponentUpToEight) {
  struct Case {
    int p, k, lines;
  };
  for (const Case& c : {Case{3, 2, 5}, Case{4, 2, 7}, Case{3, 3, 8}, Case{12, 2, 8}}) {
    SCOPED_TRACE(testing::Message() << c.p << " landmarks in " << c.k << " dimensions");
    Session s = RandomSuperimposed(20, c.p, c.k, 17u);
    s.PlotAxisX = 2;
    s.PlotAxisY = 3;
    ScriptedFrontend fe;
    PcsClick(s, fe);
    ASSERT_TRUE(s.ComponentsComputed);
    ASSERT_EQ(fe.log.size(), static_cast<std::size_t>(c.lines + 2));
    EXPECT_EQ(fe.log[0], "PCS and scores computed");
    EXPECT_EQ(fe.log[1],
              "Percentages of variance for the " + std::to_string(c.lines) + " first PCS");
    double previousCumulative = 0.0;
    for (int line = 0; line < c.lines; ++line) {
      double share = 0.0, cumulative = 0.0;
      char blanks[32] = {0};
      const std::string& text = fe.log[static_cast<std::size_t>(line + 2)];
      ASSERT_EQ(std::sscanf(text.c_str(), "%lf%%%31[ ]%lf%%", &share, blanks, &cumulative), 3)
          << text;
      EXPECT_EQ(std::string(blanks).size(), 18u);
      EXPECT_NEAR(cumulative, previousCumulative + share, 2e-6);
      previousCumulative = cumulative;
    }
    EXPECT_LE(previousCumulative, 100.0);
    // After the percentages: the vector list emptied, the axis lists on the session's axes.
    const std::vector<std::string> tail(fe.events.end() - 4, fe.events.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"combo-text:Comp=", "combo-index:Xaxis=2",
                                              "combo-index:Yaxis=3", "toolbar"}));
  }
}

TEST(Components, ReplaceAFactorByTheCentredSizes) {
  Session s = RandomSuperimposed(15, 5, 2, 23u);
  for (int i = 0; i < 15; ++i) s.Factor[i] = 1000.0 + i;
  ScriptedFrontend fe;
  PcsClick(s, fe);
  double mean = 0.0;
  for (int i = 0; i < 15; ++i) mean += s.Sizes[static_cast<std::size_t>(i)];
  mean /= 15;
  double length = 0.0;
  for (int i = 0; i < 15; ++i) {
    EXPECT_NEAR(s.Factor[i], s.Sizes[static_cast<std::size_t>(i)] - mean, 1e-12);
    length += s.Scores[i][SizeColumn] * s.Scores[i][SizeColumn];
  }
  EXPECT_NEAR(std::sqrt(length), s.SingularValues[0], 1e-12);
}

TEST(Components, ZeroResidualsAreRefusedAndChangeNothing) {
  // Specimens that differ only by position, size and orientation leave no shape variation.
  Session s;
  s.SpecimenCount = 3;
  s.LandmarkCount = 3;
  s.DimensionCount = 2;
  const double triangle[6] = {0, 0, 4, 0, 0, 3};
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 6; ++j) s.Coordinates[i][j] = (i + 1) * triangle[j] + i;
  s.DataLoaded = true;
  ScriptedFrontend gpa;
  GpaClick(s, gpa);
  ASSERT_TRUE(s.Superimposed);
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 6; ++j) s.Scores[i][j] = s.Residuals[i][j] = 0.0;
  s.Factor[0] = 5.0;
  s.SingularValues[0] = 2.0;
  s.Pcs[0][0] = 3.0;
  const Session before = s;

  ScriptedFrontend fe;
  PcsClick(s, fe);
  test::ExpectOneMessage(fe, Message::IncorrectData);
  EXPECT_TRUE(fe.log.empty());
  test::ExpectSessionUnchanged(before, s);
}

TEST(Components, EqualCentroidSizesGiveAZeroSizeColumn) {
  // Seven different shapes with the same centroid size, sqrt(6), computed exactly; seven
  // copies of sqrt(6) do not average back to sqrt(6) in doubles.
  const int n = 7;
  Session s;
  s.SpecimenCount = n;
  s.LandmarkCount = 4;
  s.DimensionCount = 2;
  const double shapes[n][8] = {{0, 1, 0, -1, 1, -1, -1, 1}, {-1, -1, 1, 0, -1, 1, 1, 0},
                               {-1, 1, 0, -1, 1, -1, 0, 1}, {0, 1, 0, 1, 0, 0, 0, -2},
                               {-1, 0, -1, 0, 1, 1, 1, -1}, {1, 0, 1, 0, -2, 0, 0, 0},
                               {-1, 1, 0, 1, 0, -1, 1, -1}};
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < 8; ++j) s.Coordinates[i][j] = shapes[i][j] + 3.0 * i;
  s.DataLoaded = true;
  ScriptedFrontend fe;
  GpaClick(s, fe);
  ASSERT_TRUE(s.Superimposed);
  for (int i = 1; i < n; ++i) ASSERT_EQ(s.Sizes[static_cast<std::size_t>(i)], s.Sizes[0]);
  PcsClick(s, fe);
  ASSERT_TRUE(s.ComponentsComputed);
  for (int i = 0; i < n; ++i) {
    EXPECT_EQ(s.Factor[i], 0.0);
    EXPECT_EQ(s.Scores[i][SizeColumn], 0.0);
  }
  for (const std::string& line : fe.log) EXPECT_EQ(line.find("nan"), std::string::npos) << line;
}

TEST(Components, ComponentsWrittenOverTheResultSlotsRetireTheirVectors) {
  // 98 and 99 one-dimensional landmarks give components in columns 97 and 98 too.
  for (const int p : {97, 98, 99}) {
    SCOPED_TRACE(testing::Message() << p << " landmarks");
    Session s = RandomSuperimposed(6, p, 1, 5u);
    s.RegressionVectorReady = s.DiscriminationVectorReady = true;
    ScriptedFrontend fe;
    PcsClick(s, fe);
    ASSERT_TRUE(s.ComponentsComputed);
    EXPECT_EQ(s.RegressionVectorReady, p <= 97);
    EXPECT_EQ(s.DiscriminationVectorReady, p <= 98);
  }
}

}  // namespace
}  // namespace vrel
