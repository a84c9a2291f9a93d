// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/homogeneity.h"

#include <gtest/gtest.h>

#include <cmath>

#include "stats/random.h"

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

}  // namespace
}  // namespace vrel
