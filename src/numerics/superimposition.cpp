// SPDX-License-Identifier: GPL-3.0-or-later
#include "numerics/superimposition.h"

#include <array>
#include <cmath>

#include "numerics/svd.h"

namespace vrel {

void CentreAndScale(Matrix& x, const DataDimensions& dims, double* sizes) {
  const int n = dims.SpecimenCount;
  const int p = dims.LandmarkCount;
  const int k = dims.DimensionCount;
  const int m = p * k;
  for (int i = 0; i < n; ++i) {
    double* row = x[i];
    for (int a = 0; a < k; ++a) {
      double sum = 0.0;
      for (int l = 0; l < p; ++l) sum += row[l * k + a];
      const double mean = sum / p;
      for (int l = 0; l < p; ++l) row[l * k + a] -= mean;
    }
    double sum = 0.0;
    for (int j = 0; j < m; ++j) sum += row[j] * row[j];
    const double size = std::sqrt(sum);
    // Coinciding landmarks (or values too large to square) leave no shape to scale.
    if (!(size > 0.0) || !std::isfinite(size))
      throw DegenerateData("specimen without a finite, non-zero centroid size");
    sizes[i] = size;
    for (int j = 0; j < m; ++j) row[j] /= size;
  }
}

void SetConsensusToSpecimen(const Matrix& x, const DataDimensions& dims, Vector& consensus, int r) {
  const int m = dims.LandmarkCount * dims.DimensionCount;
  for (int j = 0; j < m; ++j) consensus[j] = x[r][j];
}

void RotateAndAverage(Matrix& x, const DataDimensions& dims, Vector& consensus) {
  const int n = dims.SpecimenCount;
  const int p = dims.LandmarkCount;
  const int k = dims.DimensionCount;
  const int m = p * k;
  Matrix cross(MaxDimensions, MaxDimensions);
  Matrix v(MaxDimensions, MaxDimensions);
  Matrix rotation(MaxDimensions, MaxDimensions);
  Vector w(MaxDimensions);
  Matrix y(p, k);
  Matrix z(p, k);

  for (int l = 0; l < p; ++l)
    for (int a = 0; a < k; ++a) y[l][a] = consensus[l * k + a];

  for (int i = 0; i < n; ++i) {
    double* row = x[i];
    for (int l = 0; l < p; ++l)
      for (int a = 0; a < k; ++a) z[l][a] = row[l * k + a];
    for (int a = 0; a < k; ++a)
      for (int b = 0; b < k; ++b) {
        double sum = 0.0;
        for (int l = 0; l < p; ++l) sum += y[l][a] * z[l][b];
        cross[a][b] = sum;
      }
    Svd(cross, k, k, w, v);  // cross now holds U
    // The least-squares orthogonal fit V U-transposed; reflections are allowed.
    for (int a = 0; a < k; ++a)
      for (int c = 0; c < k; ++c) {
        double sum = 0.0;
        for (int t = 0; t < k; ++t) sum += v[a][t] * cross[c][t];
        rotation[a][c] = sum;
      }
    for (int l = 0; l < p; ++l)
      for (int b = 0; b < k; ++b) {
        double sum = 0.0;
        for (int c = 0; c < k; ++c) sum += z[l][c] * rotation[c][b];
        row[l * k + b] = sum;
      }
  }

  for (int j = 0; j < m; ++j) {
    double sum = 0.0;
    for (int i = 0; i < n; ++i) sum += x[i][j];
    consensus[j] = sum / n;
  }
}

void DistancesToConsensus(const Matrix& x, const DataDimensions& dims, const Vector& consensus,
                          double* distances) {
  const int n = dims.SpecimenCount;
  const int m = dims.LandmarkCount * dims.DimensionCount;
  for (int i = 0; i < n; ++i) {
    double sum = 0.0;
    for (int j = 0; j < m; ++j) {
      const double d = x[i][j] - consensus[j];
      sum += d * d;
    }
    distances[i] = std::sqrt(sum);
  }
}

void ProjectToTangentSpace(Matrix& x, const DataDimensions& dims, const double* distances) {
  const int n = dims.SpecimenCount;
  const int m = dims.LandmarkCount * dims.DimensionCount;
  for (int i = 0; i < n; ++i) {
    const long double angle = 2.0L * std::asin(static_cast<long double>(distances[i]) * 0.5L);
    const long double factor = 1.0L / std::cos(angle);
    // A specimen a right angle or more away from the consensus has no image on the tangent
    // plane on its own side.
    if (!(factor > 0.0L) || !std::isfinite(factor))
      throw DegenerateData("specimen too far from the consensus for the tangent projection");
    for (int j = 0; j < m; ++j) x[i][j] = static_cast<double>(factor * x[i][j]);
  }
}

void Superimpose(Matrix& x, const DataDimensions& dims, Vector& consensus, double* sizes) {
  const int n = dims.SpecimenCount;
  const int m = dims.LandmarkCount * dims.DimensionCount;
  std::vector<double> distances(static_cast<std::size_t>(n));

  CentreAndScale(x, dims, sizes);
  SetConsensusToSpecimen(x, dims, consensus, 0);
  RotateAndAverage(x, dims, consensus);
  DistancesToConsensus(x, dims, consensus, distances.data());

  // The specimen nearest the first mean becomes the reference; a first mean of zero length
  // (specimens that cancel out) leaves every distance at 1 or more and no reference.
  double best = 1.0;
  int reference = -1;
  for (int i = 0; i < n; ++i)
    if (distances[i] < best) {
      best = distances[i];
      reference = i;
    }
  if (reference < 0) throw DegenerateData("no specimen near the first mean shape");

  SetConsensusToSpecimen(x, dims, consensus, reference);
  RotateAndAverage(x, dims, consensus);
  RotateAndAverage(x, dims, consensus);

  double sum = 0.0;
  for (int j = 0; j < m; ++j) sum += consensus[j] * consensus[j];
  const double length = std::sqrt(sum);
  if (!(length > 0.0) || !std::isfinite(length)) throw DegenerateData("mean shape of zero length");
  for (int j = 0; j < m; ++j) consensus[j] /= length;

  DistancesToConsensus(x, dims, consensus, distances.data());
  ProjectToTangentSpace(x, dims, distances.data());
}

double SumOfSquaredDeviations(const Matrix& x, const DataDimensions& dims,
                              const Vector& consensus) {
  const int n = dims.SpecimenCount;
  const int p = dims.LandmarkCount;
  const int k = dims.DimensionCount;
  double sum = 0.0;
  for (int i = 0; i < n; ++i)
    for (int l = 0; l < p; ++l)
      for (int a = 0; a < k; ++a) {
        const double d = x[i][l * k + a] - consensus[l * k + a];
        sum += d * d;
      }
  return sum;
}

}  // namespace vrel
