#include "numerics/components.h"

#include <cmath>
#include <utility>

#include "numerics/vector_arithmetic.h"

namespace vrel {

void SortComponents(Matrix& u, Vector& w, Matrix& v, const DataDimensions& dims) {
  const int n = dims.SpecimenCount;
  const int m = dims.LandmarkCount * dims.DimensionCount;
  for (int c = 0; c < m - 1; ++c) {
    double best = w[c];
    int pick = c;
    // ">=" takes the last of equal largest values.
    for (int j = c; j < m; ++j)
      if (w[j] >= best) {
        best = w[j];
        pick = j;
      }
    if (pick == c) continue;
    w[pick] = w[c];
    w[c] = best;
    for (int r = 0; r < m; ++r) std::swap(v[r][c], v[r][pick]);
    for (int r = 0; r < n; ++r) std::swap(u[r][c], u[r][pick]);
  }
}

double ScaleFactorColumn(Session& s) {
  const int n = s.SpecimenCount;
  // A constant factor centres to exact zeros, whatever the rounding of its mean.
  const bool constant = IsConstantSegment(s.Factor, 0, n);
  CentreSegment(s.Factor, 0, n);
  if (constant)
    for (int i = 0; i < n; ++i) s.Factor[i] = 0.0;

  double sum = 0.0;
  for (int i = 0; i < n; ++i)
    sum = static_cast<double>(static_cast<long double>(sum) +
                              std::pow(static_cast<long double>(s.Factor[i]), 2.0L));
  const double length = std::sqrt(sum);
  const double t = length / s.SingularValues[0];
  // Without variation in the factor, or without a first component to match, there is
  // nothing to rescale: the column stays zero instead of turning into NaN.
  const bool usable = length > 0.0 && std::isfinite(t) && t > 0.0;
  for (int i = 0; i < n; ++i) s.Scores[i][SizeColumn] = usable ? s.Factor[i] / t : 0.0;
  return length;
}

void ForgetOverwrittenResultVectors(Session& s, int columnsWritten) {
  if (columnsWritten > RegressionColumn) s.RegressionVectorReady = false;
  if (columnsWritten > DiscriminationColumn) s.DiscriminationVectorReady = false;
}

}  // namespace vrel
