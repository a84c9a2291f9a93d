#include "numerics/hyperprojection.h"

#include <string>
#include <vector>

#include "files/number_reader.h"
#include "numerics/numeric_commands.h"
#include "shell/commands.h"
#include "shell/format.h"

namespace vrel {

void Hyperproject(const Matrix& r, Matrix& t, const DataDimensions& dims, const Vector& u) {
  const int m = dims.LandmarkCount * dims.DimensionCount;
  for (int i = 0; i < dims.SpecimenCount; ++i) {
    for (int c = 0; c < m; ++c) {
      double value = 0.0;
      for (int j = 0; j < m; ++j) {
        if (j != c)
          value -= r[i][j] * u[j] * u[c];
        else
          value += (1.0 - u[c] * u[c]) * r[i][c];
      }
      t[i][c] = value;
    }
  }
}

void PairDifferences(Matrix& r, Vector& consensus, double* sizes, DataDimensions& dims) {
  const int h = dims.SpecimenCount / 2;
  const int m = dims.LandmarkCount * dims.DimensionCount;
  dims.SpecimenCount = h;
  // Row i is written after rows 2i and 2i+1 have been read, so going upward in place is safe.
  for (int i = 0; i < h; ++i)
    for (int j = 0; j < m; ++j) r[i][j] = r[2 * i + 1][j] - r[2 * i][j];
  for (int i = 0; i < h; ++i) sizes[i] = sizes[2 * i + 1] - sizes[2 * i];
  if (h == 0) return;
  for (int j = 0; j < m; ++j) {
    double sum = 0.0;
    for (int i = 0; i < h; ++i) sum += r[i][j];
    const double mean = sum / h;
    for (int i = 0; i < h; ++i) r[i][j] -= mean;
    consensus[j] += mean;
  }
}

namespace {

// Reads a direction saved as a consensus (1, p, k) or as one shape vector (m, 1, 1).
bool ReadDirection(const std::string& path, const Session& s, std::vector<double>& direction) {
  NumberReader in(path);
  int a = 0, b = 0, c = 0;
  if (!in.ReadInt(a) || !in.ReadInt(b) || !in.ReadInt(c)) return false;
  const int m = s.CoordinateCount();
  const bool asConsensus = a == 1 && b == s.LandmarkCount && c == s.DimensionCount;
  const bool asVector = a == m && b == 1 && c == 1;
  if (!asConsensus && !asVector) return false;
  direction.assign(static_cast<std::size_t>(m), 0.0);
  for (double& value : direction)
    if (!in.ReadDouble(value)) return false;
  return true;
}

}  // namespace

void DeflationClick(Session& s, Frontend& fe) {
  const auto path = fe.ChooseFile(FileDialog::OpenVector);
  if (!path) return;
  std::vector<double> direction;
  if (!ReadDirection(*path, s, direction)) {
    fe.ShowMessage("Incorrect file", "", Icon::None);
    return;
  }
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
  fe.AppendLog("Hyperprojection computed with " + *path);
}

void DifferenceClick(Session& s, Frontend& fe) {
  if (s.SpecimenCount % 2 != 0) {
    fe.ShowMessage("Number of specimens must be even", "WARNING", Icon::Exclamation);
    return;
  }
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
