// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>

#include "numerics/vector_arithmetic.h"
#include "shell/capacities.h"
#include "shell/format.h"
#include "shell/messages.h"
#include "stats/component_count.h"
#include "stats/regression.h"
#include "stats/result_vector.h"
#include "stats/significance_report.h"
#include "stats/statistics_commands.h"

namespace vrel {

namespace {

void CopyCoefficients(const Vector& from, Vector& to, int q) {
  for (int j = 0; j < q; ++j) to[j] = from[j];
}

bool ConstantWithinBothGroups(const Session& s) {
  return IsConstantSegment(s.Factor, 0, s.GroupLimit) &&
         IsConstantSegment(s.Factor, s.GroupLimit, s.SpecimenCount);
}

}  // namespace

void RegressionClick(Session& s, Frontend& fe) {
  const int q = AskComponentCount(s, fe);
  if (q <= 0) return;
  const int n = s.SpecimenCount;
  if (IsConstantSegment(s.Factor, 0, n)) return ShowProgramMessage(fe, Message::ConstantFactor);
  Vector b = AllocVector(s.Room.Coordinates);
  FactorCrossProducts(s.Scores, s.Factor, b, 0, n, q);
  if (!PublishResultVector(
          s, fe, b, q, RegressionColumn,
          Format("Multivariate regression coefficients (normalized) with %5d PCS", q)))
    return ShowProgramMessage(fe, Message::NoDirection);
  CopyCoefficients(b, s.Coefficients, q);
}

void MeanRegressionClick(Session& s, Frontend& fe) {
  if (!CheckGroups(s, fe)) return;
  const int q = AskComponentCount(s, fe);
  if (q <= 0) return;
  if (ConstantWithinBothGroups(s))
    return ShowProgramMessage(fe, Message::ConstantFactorWithinGroups);
  const int n = s.SpecimenCount;
  const int limit = s.GroupLimit;
  Vector group1 = AllocVector(s.Room.Coordinates);
  Vector group2 = AllocVector(s.Room.Coordinates);
  GroupCrossProducts(s.Scores, s.Factor, group1, group2, limit, n, q);
  // Each group's sums weigh by that group's size.
  Vector pooled = AllocVector(s.Room.Coordinates);
  for (int j = 0; j < q; ++j) pooled[j] = (limit * group1[j] + (n - limit) * group2[j]) / n;
  if (!PublishResultVector(
          s, fe, pooled, q, RegressionColumn,
          Format("Mean multivariate regression coefficients (normalized) with %5d components.", q)))
    return ShowProgramMessage(fe, Message::NoDirection);
  CopyCoefficients(pooled, s.Coefficients, q);
  CopyCoefficients(group2, s.GroupCoefficients, q);
}

void RegressionTestClick(Session& s, Frontend& fe) {
  const int q = AskComponentCount(s, fe);
  if (q <= 0) return;
  const int n = s.SpecimenCount;
  if (IsConstantSegment(s.Factor, 0, n)) return ShowProgramMessage(fe, Message::ConstantFactor);
  Vector slopes = AllocVector(s.Room.Coordinates);
  const double r2 = MultipleRegression(s.Factor, s.Scores, slopes, 0, n, q);
  if (!UsableStatistic(fe, r2, Message::RegressionNotComputable)) return;
  CopyCoefficients(slopes, s.Coefficients, q);
  LogTestStatistic(fe, Format("Regression statistic for %5d components.", q), r2, q, n);
}

void MeanRegressionTestClick(Session& s, Frontend& fe) {
  if (!CheckGroups(s, fe)) return;
  const int q = AskComponentCount(s, fe);
  if (q <= 0) return;
  if (ConstantWithinBothGroups(s))
    return ShowProgramMessage(fe, Message::ConstantFactorWithinGroups);
  const double r2 = PooledRegression(s.Factor, s.Scores, s.GroupLimit, s.SpecimenCount, q);
  if (!UsableStatistic(fe, r2, Message::RegressionNotComputable)) return;
  LogTestStatistic(fe, Format("Mean regression statistic for %5d components.", q), r2, q,
                   s.SpecimenCount);
}

}  // namespace vrel
