// SPDX-License-Identifier: GPL-3.0-or-later
#include "numerics/shape_difference_commands.h"

#include "numerics/hyperprojection.h"
#include "shell/enabling.h"
#include "shell/format.h"
#include "shell/messages.h"
#include "shell/specimen_names.h"

namespace vrel {

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
  ForgetVariables(s, fe);  // the pairs' differences are other specimens
  ShowNamesInSpecimenList(s, fe);
  ActiverBoutons(s, fe);
  fe.AppendLog(Format("Difference data : %d Specimens, %d Points, %d Dimensions.", s.SpecimenCount,
                      s.LandmarkCount, s.DimensionCount));
}

}  // namespace vrel
