// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>

#include "shell/session.h"

namespace vrel::test {

// The stages of an analysis, each reached from the one before by the user's next command.
enum class Stage { Empty, Loaded, Superimposed, Components, Groups };
inline constexpr Stage AllStages[] = {Stage::Empty, Stage::Loaded, Stage::Superimposed,
                                      Stage::Components, Stage::Groups};

// The gorilla skulls (59 specimens, 8 landmarks in the plane) taken to a stage through the real
// commands: Open Data, Superimposition, Components, then groups of 29 and 30 specimens. Built
// once; a test copies the session it needs.
const Session& GorillaAt(Stage stage);

// A superimposed session built by hand: n specimens, 3 landmarks in the plane, uneven residuals,
// the components taken and the vectors and plot windows showing them.
inline void FillSuperimposedSession(Session& s, int n) {
  s.SpecimenCount = n;
  s.LandmarkCount = 3;
  s.DimensionCount = 2;
  s.DataLoaded = s.Superimposed = s.ComponentsComputed = true;
  s.VectorsView = s.PlotView = 1;
  for (int j = 0; j < 6; ++j) s.Consensus[j] = 0.3 - 0.1 * j;
  for (int i = 0; i < n; ++i) {
    s.Sizes[static_cast<std::size_t>(i)] = 10.0 + i * i;
    for (int j = 0; j < 6; ++j) {
      s.Residuals[i][j] = std::sin(1.0 + 7 * i + 3 * j) * 0.05;
      s.Scores[i][j] = s.Residuals[i][j];
      s.Coordinates[i][j] = s.Residuals[i][j] + s.Consensus[j];
    }
  }
}

// The dot product of row `row` of m with the first count elements of u.
inline double RowDot(const Matrix& m, int row, const Vector& u, int count) {
  double dot = 0.0;
  for (int j = 0; j < count; ++j) dot += m[row][j] * u[j];
  return dot;
}

}  // namespace vrel::test
