// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vrel {

// Upper-tail probability of an F variable with df1 and df2 degrees of freedom beyond f.
// Works in single precision, like the tables users compare it with.
float FProbability(int df1, int df2, float f);

// Regularised incomplete beta function I_x(a, b), single precision.
float IncompleteBeta(float a, float b, float x);

// Continued fraction of the incomplete beta function (modified Lentz), single precision.
// Gives 2.0 when 100 steps do not converge.
float BetaContinuedFraction(float a, float b, float x);

// ln Gamma(x) by the six-term Lanczos series, evaluated in double precision.
float LogGamma(float x);

}  // namespace vrel
