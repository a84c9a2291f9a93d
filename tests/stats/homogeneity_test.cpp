#include "stats/homogeneity.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "stats/random.h"
#include "stats/statistics_commands.h"
#include "stats/stats_fixture.h"
#include "support/scripted_frontend.h"

namespace vrel {
namespace {

TEST(SubtractiveRandom, UniformRepeatableAndReseededByNegativeSeeds) {
  SubtractiveRandomState a, b;
  int seedA = -1234, seedB = -1234;
  double sum = 0.0;
  for (int i = 0; i < 20000; ++i) {
    const double u = SubtractiveRandom(a, seedA);
    ASSERT_GE(u, 0.0);
    ASSERT_LT(u, 1.0);
    ASSERT_EQ(u, SubtractiveRandom(b, seedB));
    sum += u;
  }
  EXPECT_EQ(seedA, 1);
  EXPECT_NEAR(sum / 20000, 0.5, 0.01);
  // A zero seed continues an initialised sequence, a negative one starts it again.
  int zero = 0, again = -1234;
  SubtractiveRandomState fresh;
  const double first = SubtractiveRandom(fresh, again);
  const double next = SubtractiveRandom(a, zero);
  again = -1234;
  EXPECT_EQ(SubtractiveRandom(a, again), first);
  EXPECT_NE(next, first);
}

TEST(PermuteAndCount, TwoCoordinatesAlternate) {
  SubtractiveRandomState state;
  Vector g(2), h(2);
  g[0] = 1.0;  // swapped: (0, 1), which agrees with h better than r
  h[0] = 0.6, h[1] = 0.8;
  const double r = 0.6;
  for (long n : {0L, 1L, 2L, 7L, 1000L, 1001L}) {
    int seed = -5;
    g[0] = 1.0, g[1] = 0.0;
    const PermutationCounts c = PermuteAndCount(g, h, 2, 1, r, n, state, seed);
    EXPECT_EQ(c.done, n);
    EXPECT_EQ(c.count, (n + 1) / 2);
    EXPECT_EQ(g[0], n % 2 ? 0.0 : 1.0);  // the transpositions accumulate
  }
  // The other way round the swapped state is worse and never counts.
  int seed = -5;
  g[0] = 0.0, g[1] = 1.0;
  EXPECT_EQ(PermuteAndCount(g, h, 2, 1, 0.8, 999, state, seed).count, 0);
}

TEST(PermuteAndCount, IdenticalVectorsAreNeverExceeded) {
  SubtractiveRandomState state;
  int seed = -77;
  Vector g(12), h(12);
  for (int i = 0; i < 12; ++i) g[i] = h[i] = (i % 5 - 2) / std::sqrt(25.0);  // unit length
  double r = 0.0;
  for (int i = 0; i < 12; ++i) r += g[i] * h[i];
  const PermutationCounts c = PermuteAndCount(g, h, 6, 2, r, 1000, state, seed);
  EXPECT_EQ(c.done, 1000);
  EXPECT_EQ(c.count, 0);
}

TEST(PermuteAndCount, ProgressStopsTheLoopWithoutChangingTheCounts) {
  SubtractiveRandomState state1, state2;
  Vector g1(10), g2(10), h(10);
  for (int i = 0; i < 10; ++i) g1[i] = g2[i] = std::sin(i + 1.0), h[i] = std::cos(0.5 * i);
  int seed1 = -9, seed2 = -9;
  long calls = 0;
  const PermutationCounts full =
      PermuteAndCount(g1, h, 5, 2, 0.1, 20000, state1, seed1, [&calls](long done, long total) {
        EXPECT_EQ(done % PermutationProgressInterval, 0);
        EXPECT_EQ(total, 20000);
        ++calls;
        return true;
      });
  EXPECT_EQ(calls, 20000 / PermutationProgressInterval);
  int seed3 = -9;
  SubtractiveRandomState state3;
  Vector g3 = g2;
  const PermutationCounts plain = PermuteAndCount(g3, h, 5, 2, 0.1, 20000, state3, seed3);
  EXPECT_EQ(full.count, plain.count);
  EXPECT_EQ(full.done, plain.done);
  const PermutationCounts stopped =
      PermuteAndCount(g2, h, 5, 2, 0.1, 20000, state2, seed2, [](long, long) { return false; });
  EXPECT_EQ(stopped.done, PermutationProgressInterval);
  EXPECT_LE(stopped.count, full.count);
}

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

TEST_F(Homogeneity, CancelReportsTheCountsReached) {
  fe.stopProgressAt = 2 * PermutationProgressInterval;
  Run(3, 100000);
  EXPECT_NE(fe.log.back().find(" on " + std::to_string(2 * PermutationProgressInterval)),
            std::string::npos)
      << fe.log.back();
}

TEST_F(Homogeneity, RefusesGroupsWithoutRegression) {
  for (int i = 0; i < 8; ++i) s.Factor[i] = 0.125;
  const double before = s.Coefficients[0];
  EXPECT_EQ(Run(3, 100), "");
  EXPECT_EQ(fe.messages.size(), 1u);
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
