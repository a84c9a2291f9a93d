#include <cmath>

#include "numerics/vector_arithmetic.h"
#include "shell/capacities.h"
#include "shell/format.h"
#include "stats/component_count.h"
#include "stats/regression.h"
#include "stats/result_vector.h"
#include "stats/stats_commands.h"
#include "stats/test_statistic.h"

namespace vrel {

namespace {

constexpr const char* ConstantFactor = "The factor is constant: there is no regression";
constexpr const char* ConstantWithinGroups =
    "The factor is constant within each group: there is no regression";
constexpr const char* NotComputable = "The regression cannot be computed with these components";

void CopyCoefficients(const Vector& from, Vector& to, int q) {
  for (int j = 0; j < q; ++j) to[j] = from[j];
}

void Refuse(Frontend& fe, const char* text) { fe.ShowMessage(text, "", Icon::Exclamation); }

bool ConstantWithinBothGroups(const Session& s) {
  return IsConstantSegment(s.Factor, 0, s.GroupLimit) &&
         IsConstantSegment(s.Factor, s.GroupLimit, s.SpecimenCount);
}

}  // namespace

void RegressionClick(Session& s, Frontend& fe) {
  const int q = AskComponentCount(s, fe);
  if (q <= 0) return;
  const int n = s.SpecimenCount;
  if (IsConstantSegment(s.Factor, 0, n)) return Refuse(fe, ConstantFactor);
  Vector b = AllocVector(MaxCoordinates);
  FactorCrossProducts(s.Scores, s.Factor, b, 0, n, q);
  if (!PublishResultVector(
          s, fe, b, q, RegressionColumn,
          Format("Multivariate regression coefficients (normalized) with %5d PCS", q)))
    return Refuse(fe, NoDirectionMessage);
  CopyCoefficients(b, s.Coefficients, q);
}

void MeanRegressionClick(Session& s, Frontend& fe) {
  if (!CheckGroups(s, fe)) return;
  const int q = AskComponentCount(s, fe);
  if (q <= 0) return;
  if (ConstantWithinBothGroups(s)) return Refuse(fe, ConstantWithinGroups);
  const int n = s.SpecimenCount;
  const int limit = s.GroupLimit;
  Vector group1 = AllocVector(MaxCoordinates);
  Vector group2 = AllocVector(MaxCoordinates);
  FactorCrossProducts(s.Scores, s.Factor, group1, 0, limit, q);
  FactorCrossProducts(s.Scores, s.Factor, group2, limit, n, q);
  // Each group's sums weigh by that group's size.
  Vector pooled = AllocVector(MaxCoordinates);
  for (int j = 0; j < q; ++j) pooled[j] = (limit * group1[j] + (n - limit) * group2[j]) / n;
  if (!PublishResultVector(
          s, fe, pooled, q, RegressionColumn,
          Format("Mean multivariate regression coefficients (normalized) with %5d components.", q)))
    return Refuse(fe, NoDirectionMessage);
  CopyCoefficients(pooled, s.Coefficients, q);
  CopyCoefficients(group2, s.GroupCoefficients, q);
}

void RegressionTestClick(Session& s, Frontend& fe) {
  const int q = AskComponentCount(s, fe);
  if (q <= 0) return;
  const int n = s.SpecimenCount;
  if (IsConstantSegment(s.Factor, 0, n)) return Refuse(fe, ConstantFactor);
  Vector slopes = AllocVector(MaxCoordinates);
  const double r2 = MultipleRegression(s.Factor, s.Scores, slopes, 0, n, q);
  if (!std::isfinite(r2)) return Refuse(fe, NotComputable);
  CopyCoefficients(slopes, s.Coefficients, q);
  LogTestStatistic(fe, Format("Regression statistic for %5d components.", q), r2, q, n);
}

void MeanRegressionTestClick(Session& s, Frontend& fe) {
  if (!CheckGroups(s, fe)) return;
  const int q = AskComponentCount(s, fe);
  if (q <= 0) return;
  if (ConstantWithinBothGroups(s)) return Refuse(fe, ConstantWithinGroups);
  const double r2 = PooledRegression(s.Factor, s.Scores, s.GroupLimit, s.SpecimenCount, q);
  if (!std::isfinite(r2)) return Refuse(fe, NotComputable);
  LogTestStatistic(fe, Format("Mean regression statistic for %5d components.", q), r2, q,
                   s.SpecimenCount);
}

}  // namespace vrel
