#include <array>
#include <cmath>
#include <new>
#include <string>
#include <utility>

#include "files/file_commands.h"
#include "files/number_reader.h"
#include "numerics/components.h"
#include "numerics/superimposition.h"
#include "shell/capacities.h"
#include "shell/commands.h"
#include "shell/format.h"

namespace vrel {

namespace {

void Refuse(Frontend& fe, const char* text) { fe.ShowMessage(text, "", Icon::Stop); }

}  // namespace

void ConsensusClick(Session& s, Frontend& fe) {
  const auto path = fe.ChooseFile(FileDialog::OpenData);
  if (!path) return;
  NumberReader in(*path);
  int a = 0, b = 0, c = 0;
  if (!in.ReadInt(a) || !in.ReadInt(b) || !in.ReadInt(c)) return Refuse(fe, "Invalid file");
  if (a != 1) return Refuse(fe, "Incorrect consensus");
  if (b != s.LandmarkCount || c != s.DimensionCount) return Refuse(fe, "Incorrect Consensus");
  const int n = s.SpecimenCount;
  const int m = s.CoordinateCount();
  Matrix reloaded = AllocMatrix(1, MaxCoordinates);
  for (int j = 0; j < m; ++j)
    if (!in.ReadDouble(reloaded[0][j])) return Refuse(fe, "Input failed");

  try {
    // Fit copies: data that cannot be fitted leave the session as it was.
    DataDimensions one = s.Dimensions();
    one.SpecimenCount = 1;
    double reloadedSize = 0.0;
    CentreAndScale(reloaded, one, &reloadedSize);

    Matrix coordinates = s.Coordinates;
    Vector consensus = s.Consensus;
    std::array<double, MaxSpecimens> sizes = s.Sizes;
    for (int j = 0; j < m; ++j) consensus[j] = reloaded[0][j];
    CentreAndScale(coordinates, s.Dimensions(), sizes.data());
    RotateAndAverage(coordinates, s.Dimensions(), consensus);
    // One fitting pass only: the session keeps the reloaded consensus, not the mean.
    for (int j = 0; j < m; ++j) consensus[j] = reloaded[0][j];
    std::array<double, MaxSpecimens> distances{};
    DistancesToConsensus(coordinates, s.Dimensions(), consensus, distances.data());
    ProjectToTangentSpace(coordinates, s.Dimensions(), distances.data());
    if (!AllFinite(coordinates, n, m))
      throw DegenerateData("superimposition gave values that are not finite");
    StoreSuperimposition(s, fe, std::move(coordinates), std::move(consensus), sizes,
                         "All specimen superimposed on reloaded consensus");
    ActiverBoutons(s, fe);
  } catch (const DegenerateData&) {
    fe.ShowMessage("Incorrect data", "", Icon::Exclamation);
  } catch (const std::bad_alloc&) {
    fe.ShowMessage("Incorrect data", "", Icon::Exclamation);
  }
}

void ShapeVectorsClick(Session& s, Frontend& fe) {
  const auto path = fe.ChooseFile(FileDialog::OpenVector);
  if (!path) return;
  NumberReader in(*path);
  int r = 0, c = 0, d = 0;
  if (!in.ReadInt(r) || !in.ReadInt(c) || !in.ReadInt(d)) return Refuse(fe, "Invalid file");
  const int m = s.CoordinateCount();
  // Pcs and Scores have room for 99 columns.
  if (r != m || d != 1 || c < 1 || c > MaxComponents) return Refuse(fe, "Incorrect Vector file");
  Matrix vectors = AllocMatrix(MaxCoordinates, MaxComponents);
  for (int j = 0; j < r; ++j)
    for (int t = 0; t < c; ++t)
      if (!in.ReadDouble(vectors[j][t])) return Refuse(fe, "Input failed");

  const int n = s.SpecimenCount;
  for (int j = 0; j < r; ++j)
    for (int t = 0; t < c; ++t) s.Pcs[j][t] = vectors[j][t];
  ForgetOverwrittenResultVectors(s, c);
  // The superimposed coordinates, not the residuals, are projected.
  for (int i = 0; i < n; ++i)
    for (int t = 0; t < c; ++t) {
      double sum = 0.0;
      for (int j = 0; j < r; ++j) sum += s.Coordinates[i][j] * s.Pcs[j][t];
      s.Scores[i][t] = sum;
    }
  double first = 0.0;
  for (int i = 0; i < n; ++i) first += s.Scores[i][0] * s.Scores[i][0];
  s.SingularValues[0] = std::sqrt(first);
  for (int i = 0; i < n; ++i) s.Factor[i] = s.Sizes[static_cast<std::size_t>(i)];
  ScaleFactorColumn(s);

  fe.AppendLog("Shape vectors reloaded and scores computed");
  s.ComponentsComputed = true;
  ActiverBoutons(s, fe);
  fe.SetComboText(Combo::Comp, "");
  fe.SetComboIndex(Combo::Xaxis, s.PlotAxisX);
  fe.SetComboIndex(Combo::Yaxis, s.PlotAxisY);
}

}  // namespace vrel
