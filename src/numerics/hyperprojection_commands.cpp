// SPDX-License-Identifier: GPL-3.0-or-later
#include "numerics/hyperprojection_commands.h"

#include "numerics/hyperprojection.h"
#include "numerics/vector_arithmetic.h"
#include "shell/enabling.h"
#include "shell/format.h"
#include "shell/messages.h"
#include "shell/specimen_names.h"

namespace vrel {

bool ApplyHyperprojection(Session& s, Frontend& fe, const std::vector<double>& direction,
                          const std::string& source) {
  const int n = s.SpecimenCount;
  const int m = s.CoordinateCount();
  // Project into scratch storage: a direction too large for the arithmetic (residuals whose
  // squares would overflow every later analysis) leaves the session as it was.
  Vector u = AllocVector(s.Room.Coordinates);
  for (int j = 0; j < m; ++j) u[j] = direction[static_cast<std::size_t>(j)];
  Matrix projected = AllocMatrix(n, m);
  Hyperproject(s.Residuals, projected, s.Dimensions(), u);
  Matrix coordinates = AllocMatrix(n, m);
  for (int i = 0; i < n; ++i)
    for (int c = 0; c < m; ++c) coordinates[i][c] = projected[i][c] + s.Consensus[c];
  if (!AllSquarable(projected, n, m) || !AllSquarable(coordinates, n, m)) return false;

  for (int j = 0; j < m; ++j) s.ResultVector[j] = u[j];
  for (int i = 0; i < n; ++i) {
    for (int c = 0; c < m; ++c) {
      s.Scores[i][c] = projected[i][c];
      s.Coordinates[i][c] = coordinates[i][c];
      s.Residuals[i][c] = projected[i][c];
    }
  }
  s.ComponentsComputed = false;
  // What was found from the residuals and scores before no longer holds.
  ForgetGroupResults(s, fe);
  s.Anova.clear();
  fe.Invalidate(Window::Specimens);
  s.VectorsView = 0;
  fe.Invalidate(Window::Vectors);
  s.PlotView = 0;
  fe.Invalidate(Window::Plot);
  ActiverBoutons(s, fe);
  fe.AppendLog("Hyperprojection computed with " + source);
  return true;
}

}  // namespace vrel
