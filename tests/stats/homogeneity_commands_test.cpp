// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "stats/homogeneity.h"
#include "stats/random.h"
#include "stats/statistics_commands.h"
#include "stats/stats_fixture.h"
#include "support/checks.h"
#include "support/scripted_frontend.h"

namespace vrel {
namespace {

struct Homogeneity : ::testing::Test {
  Session s;
  test::ScriptedFrontend fe;
  void SetUp() override {
    test::FillComponentSession(s, 20, 5, 2);
    test::DefineGroupLimit(s, 8);
  }
  std::string Run(int q, int permutations) {
    fe.numbers = {q, permutations};
    MantelTestClick(s, fe);
    return fe.log.empty() ? std::string() : fe.log.back();
  }
};

TEST_F(Homogeneity, LogsTheCorrelationAndTheCounts) {
  std::srand(1);
  Run(4, 1000);
  ASSERT_EQ(fe.log.size(), 2u);
  EXPECT_EQ(fe.log[0].rfind("For 4 PCS, the correlation coefficient is : ", 0), 0u);
  EXPECT_EQ(fe.log[1].rfind(" and permuted z is over initial z for ", 0), 0u);
  EXPECT_NE(fe.log[1].find(" on 1000"), std::string::npos);
  EXPECT_EQ(fe.prompts, (std::vector<std::string>{"How many Pcs?", "How many Permutations?"}));
  EXPECT_EQ(s.PcsRetained, 4);
  EXPECT_FALSE(s.RegressionVectorReady);
  EXPECT_FALSE(fe.Invalidated(Window::Vectors));
}

TEST_F(Homogeneity, SuccessiveTestsDifferAndAFreshRunRepeats) {
  std::srand(1);
  const std::string first = Run(4, 1000);
  const std::string second = Run(4, 1000);
  EXPECT_NE(first, second);
  std::srand(1);
  s.Random = SubtractiveRandomState{};
  EXPECT_EQ(Run(4, 1000), first);
}

TEST_F(Homogeneity, CancelledPromptsMeanOneComponentAndNoPermutation) {
  fe.numbers = {};
  MantelTestClick(s, fe);
  ASSERT_EQ(fe.log.size(), 2u);
  EXPECT_EQ(fe.log[0].rfind("For 1 PCS", 0), 0u);
  EXPECT_EQ(fe.log[1], " and permuted z is over initial z for 0 on 0");
  // 50 is capped to the plane's 2 x 5 - 4 = 6, with no check against the specimens.
  Run(50, 10);
  EXPECT_EQ(s.PcsRetained, 6);
}

// However the permutations end, the last report closes the progress: exactly one report is
// final, and it says how far the loop got and whether the user stopped it.
TEST_F(Homogeneity, ProgressEndsWithOneFinalReport) {
  const long every = PermutationProgressInterval;
  struct Case {
    int permutations;
    std::optional<long> stopAt;
    long done;
    bool stopped;
  };
  const Case cases[] = {{5000, std::nullopt, 5000, false},
                        {5000, every, every, true},
                        {0, std::nullopt, 0, false},
                        {100000, 2 * every, 2 * every, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.permutations << " permutations");
    fe = test::ScriptedFrontend();
    fe.stopProgressAt = c.stopAt;
    Run(3, c.permutations);
    ASSERT_FALSE(fe.progressReports.empty());
    const ProgressReport last = fe.progressReports.back();
    long finals = 0;
    for (const ProgressReport& report : fe.progressReports) finals += report.finished ? 1 : 0;
    EXPECT_EQ(finals, 1);
    EXPECT_TRUE(last.finished);
    EXPECT_EQ(last.done, c.done);
    EXPECT_EQ(last.total, c.permutations);
    EXPECT_EQ(last.stopped, c.stopped);
    const std::string counted = " on " + std::to_string(c.done);
    EXPECT_EQ(fe.log.back().substr(fe.log.back().size() - counted.size()), counted);
  }
}

TEST_F(Homogeneity, RefusesGroupsWithoutRegression) {
  for (int i = 0; i < 8; ++i) s.Factor[i] = 0.125;
  const double before = s.Coefficients[0];
  EXPECT_EQ(Run(3, 100), "");
  test::ExpectOneMessage(fe, Message::ConstantFactorWithinAGroup);
  EXPECT_EQ(s.Coefficients[0], before);
}

TEST_F(Homogeneity, NothingWhenTheShapeSpaceHasNoDimension) {
  s.LandmarkCount = 2;  // 2 x 2 - 4 = 0
  EXPECT_EQ(Run(3, 100), "");
  EXPECT_TRUE(fe.messages.empty());
  EXPECT_EQ(fe.prompts.size(), 1u);
}

}  // namespace
}  // namespace vrel
