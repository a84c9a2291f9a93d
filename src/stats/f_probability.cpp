// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/f_probability.h"

#include <cmath>

namespace vrel {

namespace {
constexpr float Tiny = 1.0e-30f;
constexpr float Tolerance = 3.0e-7f;
constexpr int MaxSteps = 100;

float GuardTiny(float value) { return std::fabs(value) < Tiny ? Tiny : value; }
}  // namespace

float LogGamma(float xx) {
  static const double coefficients[6] = {76.18009172947146,    -86.50532032941678,
                                         24.01409824083091,    -1.231739572450155,
                                         0.001208650973866179, -5.395239384953e-06};
  const double x = xx;
  double y = x;
  double tmp = x + 5.5;
  tmp -= (x + 0.5) * std::log(tmp);
  double series = 1.000000000190015;
  for (double c : coefficients) series += c / ++y;
  return static_cast<float>(-tmp + std::log(2.5066282746310007 * series / x));
}

float BetaContinuedFraction(float a, float b, float x) {
  const float qab = a + b;
  const float qap = a + 1.0f;
  const float qam = a - 1.0f;
  float c = 1.0f;
  float d = 1.0f / GuardTiny(1.0f - qab * x / qap);
  float h = d;
  for (int m = 1; m <= MaxSteps; ++m) {
    const int m2 = 2 * m;
    float aa = m * (b - m) * x / ((qam + m2) * (a + m2));
    d = 1.0f / GuardTiny(1.0f + aa * d);
    c = GuardTiny(1.0f + aa / c);
    h *= d * c;
    aa = -(a + m) * (qab + m) * x / ((a + m2) * (qap + m2));
    d = 1.0f / GuardTiny(1.0f + aa * d);
    c = GuardTiny(1.0f + aa / c);
    const float del = d * c;
    h *= del;
    if (std::fabs(del - 1.0f) < Tolerance) return h;
  }
  return 2.0f;
}

float IncompleteBeta(float a, float b, float x) {
  float bt = 0.0f;
  if (x != 0.0f && x != 1.0f) {
    const float logGammas = LogGamma(a + b) - LogGamma(a) - LogGamma(b);
    bt = static_cast<float>(
        std::exp(logGammas + a * std::log(static_cast<double>(x)) + b * std::log(1.0 - x)));
  }
  if (x < (a + 1.0) / (a + b + 2.0)) return bt * BetaContinuedFraction(a, b, x) / a;
  return static_cast<float>(1.0 -
                            bt * BetaContinuedFraction(b, a, static_cast<float>(1.0 - x)) / b);
}

float FProbability(int df1, int df2, float f) {
  float x = df2 / (df2 + df1 * f);
  if (x < 0.0f) x = 0.0f;
  if (x > 1.0f) x = 1.0f;
  return IncompleteBeta(0.5f * df2, 0.5f * df1, x);
}

}  // namespace vrel
