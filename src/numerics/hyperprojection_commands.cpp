#include "numerics/hyperprojection_commands.h"

#include "numerics/hyperprojection.h"
#include "shell/enabling.h"
#include "shell/format.h"
#include "shell/messages.h"

namespace vrel {

void ApplyHyperprojection(Session& s, Frontend& fe, const std::vector<double>& direction,
                          const std::string& source) {
  const int m = s.CoordinateCount();
  for (int j = 0; j < m; ++j) s.ResultVector[j] = direction[static_cast<std::size_t>(j)];
  Hyperproject(s.Residuals, s.Scores, s.Dimensions(), s.ResultVector);
  for (int i = 0; i < s.SpecimenCount; ++i) {
    for (int c = 0; c < m; ++c) {
      s.Coordinates[i][c] = s.Scores[i][c] + s.Consensus[c];
      s.Residuals[i][c] = s.Scores[i][c];
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
}

void DifferenceClick(Session& s, Frontend& fe) {
  if (s.SpecimenCount % 2 != 0) return ShowProgramMessage(fe, Message::SpecimensNotEven);
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
