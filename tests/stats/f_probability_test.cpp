// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/f_probability.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

namespace vrel {
namespace {

// Regularised incomplete beta by the series of positive terms
// I_x(a, b) = x^a (1 - x)^b / (a B(a, b)) sum over k of prod over m < k of (a + b + m) x / (a + 1 +
// m), in long double, with I_x(a, b) = 1 - I_(1-x)(b, a) keeping x at or below one half.
double ReferenceIncompleteBeta(double a, double b, double x) {
  if (x <= 0.0) return 0.0;
  if (x >= 1.0) return 1.0;
  if (x > 0.5) return 1.0 - ReferenceIncompleteBeta(b, a, 1.0 - x);
  const long double la = a, lb = b, lx = x;
  const long double logFront = la * std::log(lx) + lb * std::log1p(-lx) - std::log(la) -
                               (std::lgamma(la) + std::lgamma(lb) - std::lgamma(la + lb));
  long double term = 1.0L;
  long double sum = 1.0L;
  for (int k = 0; k < 100000; ++k) {
    term *= (la + lb + k) * lx / (la + 1 + k);
    sum += term;
    if (term < 1e-22L * sum) break;
  }
  return static_cast<double>(std::exp(logFront) * sum);
}

double ReferenceFProbability(int df1, int df2, double f) {
  return ReferenceIncompleteBeta(0.5 * df2, 0.5 * df1, df2 / (df2 + df1 * f));
}

TEST(FProbability, TabulatedFivePercentPoints) {
  EXPECT_NEAR(FProbability(1, 10, 4.96f), 0.05, 2e-4);
  EXPECT_NEAR(FProbability(2, 20, 3.49f), 0.05, 2e-4);
  EXPECT_NEAR(FProbability(5, 53, 3.003693f), ReferenceFProbability(5, 53, 3.003693), 1e-6);
}

TEST(FProbability, EndsOfTheRange) {
  EXPECT_EQ(FProbability(3, 14, 0.0f), 1.0f);
  EXPECT_LT(FProbability(5, 53, 48.707963f), 5e-7f);
  EXPECT_EQ(FProbability(4, 54, INFINITY), 0.0f);
  // A negative F would give x > 1; it is clamped to 1.
  EXPECT_EQ(FProbability(2, 10, -0.5f), 1.0f);
}

TEST(FProbability, AgreesWithAnIndependentDoubleComputation) {
  const int dfs[] = {1, 2, 3, 5, 8, 14, 25, 53, 120, 297};
  const float fs[] = {0.05f, 0.3f, 0.9f, 1.0f, 1.7f, 3.0f, 6.25f, 12.0f, 40.0f};
  for (int df1 : dfs)
    for (int df2 : dfs)
      for (float f : fs) {
        const double expected = ReferenceFProbability(df1, df2, f);
        const double got = FProbability(df1, df2, f);
        // The front factor combines three log-gammas rounded to single precision: its relative
        // error grows with their size, a few float units of the largest.
        const double a = 0.5 * df2, b = 0.5 * df1;
        const double logScale = 1.0 + std::fabs(std::lgamma(a + b)) + std::fabs(std::lgamma(a)) +
                                std::fabs(std::lgamma(b));
        EXPECT_NEAR(got, expected, 1e-6 + 4.0 * FLT_EPSILON * logScale)
            << "df1=" << df1 << " df2=" << df2 << " F=" << f;
      }
}

TEST(FProbability, IncompleteBetaIsSymmetricAndContinuedFractionConverges) {
  for (float x : {0.1f, 0.35f, 0.5f, 0.8f}) {
    EXPECT_NEAR(IncompleteBeta(2.5f, 4.0f, x) + IncompleteBeta(4.0f, 2.5f, 1.0f - x), 1.0, 3e-6);
  }
  EXPECT_EQ(IncompleteBeta(2.0f, 3.0f, 0.0f), 0.0f);
  EXPECT_EQ(IncompleteBeta(2.0f, 3.0f, 1.0f), 1.0f);
  // I_x(1, 1) = x.
  EXPECT_NEAR(IncompleteBeta(1.0f, 1.0f, 0.3f), 0.3, 1e-6);
  EXPECT_NE(BetaContinuedFraction(26.5f, 2.5f, 0.2f), 2.0f);
}

TEST(FProbability, LogGammaMatchesTheLibrary) {
  for (float x : {0.5f, 1.0f, 2.5f, 7.0f, 26.5f, 150.0f})
    EXPECT_NEAR(LogGamma(x), std::lgamma(static_cast<double>(x)),
                1e-5 * (1 + std::fabs(std::lgamma(x))))
        << x;
}

}  // namespace
}  // namespace vrel
