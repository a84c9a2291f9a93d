// SPDX-License-Identifier: GPL-3.0-or-later
#include "numerics/superimposition_commands.h"

#include <array>
#include <cmath>
#include <new>
#include <utility>

#include "numerics/superimposition.h"
#include "numerics/vector_arithmetic.h"
#include "shell/enabling.h"
#include "shell/format.h"
#include "shell/messages.h"
#include "shell/specimen_names.h"

namespace vrel {

namespace {

void StoreSuperimposition(Session& s, Frontend& fe, const Matrix& coordinates, Vector consensus,
                          const std::vector<double>& sizes, const std::string& methodLine) {
  const int n = s.SpecimenCount;
  const int m = s.CoordinateCount();
  CopyBlock(coordinates, s.Coordinates, n, m);
  s.Consensus = std::move(consensus);
  s.Sizes = sizes;
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < m; ++j) {
      s.Scores[i][j] = s.Coordinates[i][j] - s.Consensus[j];
      s.Residuals[i][j] = s.Scores[i][j];
    }
  s.Superimposed = true;
  s.ComponentsComputed = false;
  ForgetGroupResults(s, fe);
  s.Anova.clear();  // it was fitted to the residuals before
  fe.AppendLog(methodLine);
  fe.AppendLog(Format("Sum of Squared Deviations =  %f",
                      SumOfSquaredDeviations(s.Coordinates, s.Dimensions(), s.Consensus)));
}

}  // namespace

bool FitAndCommit(Session& s, Frontend& fe, const SuperimpositionFit& fit,
                  const std::string& methodLine) {
  const int n = s.SpecimenCount;
  const int m = s.CoordinateCount();
  try {
    // Fit a copy sized to the data: the session changes only once the fit is usable.
    Matrix coordinates(n, m);
    CopyBlock(s.Coordinates, coordinates, n, m);
    Vector consensus = s.Consensus;
    std::vector<double> sizes = s.Sizes;
    fit(coordinates, consensus, sizes.data());
    if (!AllFinite(coordinates, n, m) || !AllFinite(consensus, m))
      throw DegenerateData("superimposition gave values that are not finite");
    StoreSuperimposition(s, fe, coordinates, std::move(consensus), sizes, methodLine);
    return true;
  } catch (const DegenerateData&) {
    ShowProgramMessage(fe, Message::IncorrectData);
  } catch (const std::bad_alloc&) {
    ShowProgramMessage(fe, Message::IncorrectData);
  }
  return false;
}

void GpaClick(Session& s, Frontend& fe) {
  const DataDimensions dims = s.Dimensions();
  FitAndCommit(
      s, fe,
      [&dims](Matrix& coordinates, Vector& consensus, double* sizes) {
        Superimpose(coordinates, dims, consensus, sizes);
      },
      "All specimen superimposed by GLS method");
  ActiverBoutons(s, fe);
}

std::vector<double> ProcrustesDistances(const Session& s) {
  std::vector<double> distances(static_cast<std::size_t>(s.SpecimenCount));
  for (int i = 0; i < s.SpecimenCount; ++i) {
    double sum = 0.0;
    for (int j = 0; j < s.CoordinateCount(); ++j) sum += s.Residuals[i][j] * s.Residuals[i][j];
    distances[static_cast<std::size_t>(i)] = std::sqrt(sum);
  }
  return distances;
}

}  // namespace vrel
