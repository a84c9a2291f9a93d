// SPDX-License-Identifier: GPL-3.0-or-later
#include <array>
#include <cmath>
#include <string>

#include "files/file_commands.h"
#include "files/number_reader.h"
#include "numerics/components_commands.h"
#include "numerics/superimposition.h"
#include "numerics/superimposition_commands.h"
#include "numerics/vector_arithmetic.h"
#include "shell/capacities.h"
#include "shell/enabling.h"
#include "shell/messages.h"

namespace vrel {

void ConsensusClick(Session& s, Frontend& fe) {
  const auto path = fe.ChooseFile(FileDialog::OpenConsensus);
  if (!path) return;
  NumberReader in(*path);
  const auto header = ReadHeader(in);
  if (!header) return ShowProgramMessage(fe, Message::InvalidFile);
  if (header->first != 1) return ShowProgramMessage(fe, Message::IncorrectConsensusCount);
  if (header->second != s.LandmarkCount || header->third != s.DimensionCount)
    return ShowProgramMessage(fe, Message::IncorrectConsensusShape);
  const int m = s.CoordinateCount();
  Matrix reloaded = AllocMatrix(1, s.Room.Coordinates);
  for (int j = 0; j < m; ++j)
    if (!in.ReadDouble(reloaded[0][j])) return ShowProgramMessage(fe, Message::InputFailed);

  const DataDimensions dims = s.Dimensions();
  const bool fitted = FitAndCommit(
      s, fe,
      [&](Matrix& coordinates, Vector& consensus, double* sizes) {
        DataDimensions one = dims;
        one.SpecimenCount = 1;
        double reloadedSize = 0.0;
        CentreAndScale(reloaded, one, &reloadedSize);
        for (int j = 0; j < m; ++j) consensus[j] = reloaded[0][j];
        CentreAndScale(coordinates, dims, sizes);
        RotateAndAverage(coordinates, dims, consensus);
        // One fitting pass only: the session keeps the reloaded consensus, not the mean.
        for (int j = 0; j < m; ++j) consensus[j] = reloaded[0][j];
        std::vector<double> distances(static_cast<std::size_t>(dims.SpecimenCount));
        DistancesToConsensus(coordinates, dims, consensus, distances.data());
        ProjectToTangentSpace(coordinates, dims, distances.data());
      },
      "All specimen superimposed on reloaded consensus");
  if (fitted) ActiverBoutons(s, fe);
}

void ShapeVectorsClick(Session& s, Frontend& fe) {
  const auto path = fe.ChooseFile(FileDialog::OpenVector);
  if (!path) return;
  NumberReader in(*path);
  const auto header = ReadHeader(in);
  if (!header) return ShowProgramMessage(fe, Message::InvalidFile);
  const int r = header->first;
  const int c = header->second;
  const int m = s.CoordinateCount();
  // Pcs and Scores have room for 99 columns.
  if (r != m || header->third != 1 || c < 1 || c > MaxComponents)
    return ShowProgramMessage(fe, Message::IncorrectVectorFile);
  Matrix vectors = AllocMatrix(r, c);
  for (int j = 0; j < r; ++j)
    for (int t = 0; t < c; ++t)
      if (!in.ReadDouble(vectors[j][t])) return ShowProgramMessage(fe, Message::InputFailed);

  // The superimposed coordinates, not the residuals, are projected; into scratch storage, so
  // that vectors too large for the arithmetic (scores whose squares would overflow every later
  // analysis) leave the session as it was.
  const int n = s.SpecimenCount;
  Matrix scores = AllocMatrix(n, c);
  for (int i = 0; i < n; ++i)
    for (int t = 0; t < c; ++t) {
      double sum = 0.0;
      for (int j = 0; j < r; ++j) sum += s.Coordinates[i][j] * vectors[j][t];
      scores[i][t] = sum;
    }
  const double first = ColumnLength(scores, n, 0);
  if (!AllSquarable(scores, n, c) || !std::isfinite(first))
    return ShowProgramMessage(fe, Message::IncorrectVectorFile);

  for (int j = 0; j < r; ++j)
    for (int t = 0; t < c; ++t) s.Pcs[j][t] = vectors[j][t];
  ForgetOverwrittenResultVectors(s, c);
  for (int i = 0; i < n; ++i)
    for (int t = 0; t < c; ++t) s.Scores[i][t] = scores[i][t];
  s.SingularValues[0] = first;
  s.VarianceSharesKnown = false;

  fe.AppendLog("Shape vectors reloaded and scores computed");
  FinishComponents(s, fe);
}

}  // namespace vrel
