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
  Vector u = AllocVector(MaxCoordinates);
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
  fe.Invalidate(Window::Specimens);
  s.VectorsView = 0;
  fe.Invalidate(Window::Vectors);
  s.PlotView = 0;
  fe.Invalidate(Window::Plot);
  ActiverBoutons(s, fe);
  fe.AppendLog("Hyperprojection computed with " + source);
  return true;
}

void DifferenceClick(Session& s, Frontend& fe) {
  if (s.SpecimenCount % 2 != 0) return ShowProgramMessage(fe, Message::SpecimensNotEven);
  // Pair i is named before row i is overwritten: rows 2i and 2i + 1 are never below it.
  for (int i = 0; 2 * i + 1 < s.SpecimenCount; ++i)
    s.SpecimenNames[static_cast<std::size_t>(i)] =
        DifferenceName(SpecimenName(s, 2 * i), SpecimenName(s, 2 * i + 1));
  PairDifferences(s.Residuals, s.Consensus, s.Sizes.data(), s.Dimensions());
  const int m = s.CoordinateCount();
  for (int i = 0; i < s.SpecimenCount; ++i) {
    for (int j = 0; j < m; ++j) {
      s.Scores[i][j] = s.Residuals[i][j];
      s.Coordinates[i][j] = s.Residuals[i][j] + s.Consensus[j];
    }
  }
  s.DifferenceComputed = true;
  s.ComponentsComputed = false;
  ActiverBoutons(s, fe);
  fe.AppendLog(Format("Difference data : %d Specimens, %d Points, %d Dimensions.", s.SpecimenCount,
                      s.LandmarkCount, s.DimensionCount));
}

}  // namespace vrel
