// SPDX-License-Identifier: GPL-3.0-or-later
#include "numerics/components_commands.h"

#include <cmath>

#include "numerics/components.h"
#include "numerics/large_svd.h"
#include "numerics/superimposition.h"
#include "numerics/svd.h"
#include "numerics/vector_arithmetic.h"
#include "shell/enabling.h"
#include "shell/format.h"
#include "shell/messages.h"
#include "shell/specimen_names.h"

namespace vrel {

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

namespace {

// The root-mean-square residual per coordinate below which residuals are rounding noise.
constexpr double NoiseLevel = 1e-12;

}  // namespace

void FinishComponents(Session& s, Frontend& fe) {
  for (int i = 0; i < s.SpecimenCount; ++i) s.Factor[i] = s.Sizes[static_cast<std::size_t>(i)];
  ScaleFactorColumn(s);
  s.ComponentsComputed = true;
  ForgetGroupResults(s, fe);
  fe.SetComboText(Combo::Comp, "");
  fe.SetComboIndex(Combo::Xaxis, s.PlotAxisX);
  fe.SetComboIndex(Combo::Yaxis, s.PlotAxisY);
  ActiverBoutons(s, fe);
}

namespace {

// The components of the residuals in the first m columns of Scores: every singular value in w,
// sorted, and the first `kept` axes in v with the matching left vectors in u. Within the default
// capacity the program's own decomposition; beyond it LAPACK's, pointed the same way.
bool Decompose(const Session& s, int kept, Matrix& u, Vector& w, Matrix& v) {
  const int n = s.SpecimenCount;
  const int m = s.CoordinateCount();
  if (n > MaxSpecimens || m > MaxCoordinates) {
    u = Matrix(n, kept);
    v = Matrix(m, kept);
    return LargeSvd(s.Scores, n, m, kept, w, v, u);
  }
  u = Matrix(n, m);
  CopyBlock(s.Scores, u, n, m);
  v = Matrix(m, m);
  Svd(u, n, m, w, v);
  SortComponents(u, w, v, s.Dimensions());
  return true;
}

}  // namespace

void PcsClick(Session& s, Frontend& fe) {
  const int n = s.SpecimenCount;
  const int m = s.CoordinateCount();
  // The score table keeps 96 components when there are more than its 99 columns, and the
  // vector list a 97th, as it does for 97 to 99 coordinates.
  const bool beyond = m > MaxComponents;
  const int axes = beyond ? SizeColumn + 1 : m;
  const int scored = beyond ? SizeColumn : m;

  // Decompose a copy of the residuals; the session changes only once the result is usable.
  Matrix u, v;
  Vector w(m);
  if (!Decompose(s, axes, u, w, v)) {
    ShowProgramMessage(fe, Message::IncorrectData);
    ActiverBoutons(s, fe);
    return;
  }

  double total = 0.0;
  for (int c = 0; c < m; ++c) total += w[c] * w[c];
  // Residuals without any variation have no principal axes and no percentages. The shapes have
  // unit size, so the fit leaves rounding residue of about 1e-16 per coordinate where specimens
  // are the same shape; real variation is many orders above 1e-12 per coordinate (the smallest
  // studies measure about 1e-4). Variation below that is rounding noise, not shape.
  const double noise = static_cast<double>(n) * m * NoiseLevel * NoiseLevel;
  if (!(total > noise) || !std::isfinite(total) || !AllFinite(u, n, axes) ||
      !AllFinite(v, m, axes)) {
    ShowProgramMessage(fe, Message::IncorrectData);
    ActiverBoutons(s, fe);
    return;
  }

  for (int c = 0; c < m; ++c) s.SingularValues[c] = w[c];
  for (int r = 0; r < m; ++r)
    for (int c = 0; c < axes; ++c) s.Pcs[r][c] = v[r][c];
  // Beyond 99 coordinates the superimposition left residuals in the regression and
  // discrimination columns too: they are emptied, and their vectors forgotten.
  ForgetOverwrittenResultVectors(s, beyond ? MaxComponents : m);
  s.VarianceSharesKnown = true;
  for (int i = 0; i < n; ++i) {
    for (int c = 0; c < scored; ++c) s.Scores[i][c] = u[i][c] * s.SingularValues[c];
    if (beyond) s.Scores[i][RegressionColumn] = s.Scores[i][DiscriminationColumn] = 0.0;
  }
  if (beyond)
    for (int r = 0; r < m; ++r) s.Pcs[r][RegressionColumn] = s.Pcs[r][DiscriminationColumn] = 0.0;

  const int count = m > 8 ? 8 : m - 1;
  fe.AppendLog("PCS and scores computed");
  fe.AppendLog(Format("Percentages of variance for the %d first PCS", count));
  double cumulative = 0.0;
  for (int c = 0; c < count; ++c) {
    const double share = VarianceShare(s.SingularValues, m, c);
    cumulative = cumulative + share;
    fe.AppendLog(Format("%f%%                  %f%%", share, cumulative));
  }
  if (beyond) fe.AppendLog(Format("Components kept: the first %d of %d.", SizeColumn, m));
  FinishComponents(s, fe);
}

}  // namespace vrel
