// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "files/file_commands.h"
#include "numerics/components_commands.h"
#include "numerics/hyperprojection_commands.h"
#include "numerics/superimposition_commands.h"
#include "stats/statistics_commands.h"
#include "support/scripted_frontend.h"
#include "support/test_data.h"

namespace vrel {
namespace {

// The recorded log of a complete analysis, from the first regression to the end of the given
// number of homogeneity tests.
std::vector<std::string> RecordedStatisticsLines(const std::string& study, int tests) {
  const auto path =
      std::filesystem::path(VREL_SOURCE_DIR) / "tests" / "expected" / study / "stdout.txt";
  std::ifstream in(path);
  std::vector<std::string> lines;
  bool inside = false;
  int homogeneityEnds = 0;
  for (std::string line; std::getline(in, line) && homogeneityEnds < tests;) {
    if (line.rfind("Multivariate regression coefficients", 0) == 0) inside = true;
    if (!inside) continue;
    lines.push_back(line);
    if (line.rfind(" and permuted z", 0) == 0) ++homogeneityEnds;
  }
  return lines;
}

TEST(GorillaAnalysis, StatisticsMatchTheRecordedLog) {
  const std::vector<std::string> expected = RecordedStatisticsLines("gorilla", 2);
  ASSERT_GT(expected.size(), 50u);

  Session s;
  test::ScriptedFrontend fe;
  fe.files = {test::DataFile("gorilla.dat")};
  OpenDataClick(s, fe);
  GpaClick(s, fe);
  PcsClick(s, fe);
  ASSERT_TRUE(s.ComponentsComputed);
  fe.log.clear();

  // A fresh program: the C library generator as it starts, used only by the homogeneity tests.
  std::srand(1);
  s.Random = SubtractiveRandomState{};
  fe.numbers = {5, 5, 20, 20, 31, 5, 5, 5, 5, 5, 5, 1000, 5, 1000};
  RegressionClick(s, fe);
  RegressionTestClick(s, fe);
  RegressionClick(s, fe);
  RegressionTestClick(s, fe);
  DefineGroupsClick(s, fe);
  MeanRegressionClick(s, fe);
  MeanRegressionTestClick(s, fe);
  DiscriminationClick(s, fe);
  DiscriminationTestClick(s, fe);
  RegressionClick(s, fe);
  MantelTestClick(s, fe);
  MantelTestClick(s, fe);

  EXPECT_TRUE(fe.messages.empty());
  EXPECT_EQ(fe.log, expected);
}

TEST(MacaqueAnalysis, StatisticsMatchTheRecordedLog) {
  const std::vector<std::string> expected = RecordedStatisticsLines("macaques", 1);
  ASSERT_GT(expected.size(), 30u);

  Session s;
  test::ScriptedFrontend fe;
  fe.files = {test::DataFile("macaques.dat")};
  OpenDataClick(s, fe);
  GpaClick(s, fe);
  PcsClick(s, fe);
  ASSERT_TRUE(s.ComponentsComputed);
  fe.log.clear();

  std::srand(1);
  s.Random = SubtractiveRandomState{};
  // 16 components are capped to the 3 x 7 - 7 = 14 of the shape space.
  fe.numbers = {3, 3, 10, 3, 3, 3, 3, 16, 16, 3, 1000};
  RegressionClick(s, fe);
  RegressionTestClick(s, fe);
  DefineGroupsClick(s, fe);
  MeanRegressionClick(s, fe);
  MeanRegressionTestClick(s, fe);
  DiscriminationClick(s, fe);
  DiscriminationTestClick(s, fe);
  DiscriminationClick(s, fe);
  DiscriminationTestClick(s, fe);
  MantelTestClick(s, fe);

  EXPECT_TRUE(fe.messages.empty());
  EXPECT_EQ(fe.log, expected);
}

}  // namespace
}  // namespace vrel
