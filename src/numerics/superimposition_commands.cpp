#include <array>
#include <cmath>
#include <utility>

#include "numerics/components.h"
#include "numerics/numeric_commands.h"
#include "numerics/superimposition.h"
#include "numerics/svd.h"
#include "shell/commands.h"
#include "shell/format.h"

namespace vrel {

namespace {

void ShowIncorrectData(Frontend& fe) { fe.ShowMessage("Incorrect data", "", Icon::Exclamation); }

}  // namespace

void GpaClick(Session& s, Frontend& fe) {
  const int n = s.SpecimenCount;
  const int m = s.CoordinateCount();
  try {
    // Fit copies, so that data the fit cannot handle leave the session as it was.
    Matrix coordinates = s.Coordinates;
    Vector consensus = s.Consensus;
    std::array<double, MaxSpecimens> sizes = s.Sizes;
    Superimpose(coordinates, s.Dimensions(), consensus, sizes.data());
    if (!AllFinite(coordinates, n, m) || !AllFinite(consensus, m))
      throw DegenerateData("superimposition gave values that are not finite");
    StoreSuperimposition(s, fe, std::move(coordinates), std::move(consensus), sizes,
                         "All specimen superimposed by GLS method");
  } catch (...) {
    ShowIncorrectData(fe);
  }
  ActiverBoutons(s, fe);
}

void PcsClick(Session& s, Frontend& fe) {
  const int n = s.SpecimenCount;
  const int m = s.CoordinateCount();

  // Decompose a copy of the residuals; the session changes only once the result is usable.
  Matrix u = s.Scores;
  Vector w(MaxComponents);
  Matrix v(MaxComponents, MaxComponents);
  Svd(u, n, m, w, v);
  SortComponents(u, w, v, s.Dimensions());

  double total = 0.0;
  for (int c = 0; c < m; ++c) total += w[c] * w[c];
  // Residuals without any variation have no principal axes and no percentages.
  if (!(total > 0.0) || !std::isfinite(total) || !AllFinite(u, n, m) || !AllFinite(v, m, m)) {
    ShowIncorrectData(fe);
    ActiverBoutons(s, fe);
    return;
  }

  for (int c = 0; c < m; ++c) s.SingularValues[c] = w[c];
  for (int r = 0; r < m; ++r)
    for (int c = 0; c < m; ++c) s.Pcs[r][c] = v[r][c];
  ForgetOverwrittenResultVectors(s, m);
  for (int i = 0; i < n; ++i)
    for (int c = 0; c < m; ++c) s.Scores[i][c] = u[i][c] * s.SingularValues[c];

  for (int i = 0; i < n; ++i) s.Factor[i] = s.Sizes[static_cast<std::size_t>(i)];
  ScaleFactorColumn(s);

  s.ComponentsComputed = true;
  const int count = m > 8 ? 8 : m - 1;
  fe.AppendLog("PCS and scores computed");
  fe.AppendLog(Format("Percentages of variance for the %d first PCS", count));
  double cumulative = 0.0;
  for (int c = 0; c < count; ++c) {
    const double share = s.SingularValues[c] * s.SingularValues[c] * 100.0 / total;
    cumulative = cumulative + share;
    fe.AppendLog(Format("%f%%                  %f%%", share, cumulative));
    fe.SetComboText(Combo::Comp, "");
    fe.SetComboIndex(Combo::Xaxis, s.PlotAxisX);
    fe.SetComboIndex(Combo::Yaxis, s.PlotAxisY);
  }
  ActiverBoutons(s, fe);
}

}  // namespace vrel
