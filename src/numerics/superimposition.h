// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>

#include "shell/matrix.h"
#include "shell/session.h"

namespace vrel {

// Raised by the superimposition steps on data they cannot fit (a specimen of zero centroid
// size, a zero consensus, a tangent factor that is not finite, no reference specimen);
// the commands turn it into the "Incorrect data" message and keep the session as it was.
class DegenerateData : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Each works in place on the first SpecimenCount rows of x, LandmarkCount x DimensionCount
// values per row.
void CentreAndScale(Matrix& x, const DataDimensions& dims, double* sizes);
void SetConsensusToSpecimen(const Matrix& x, const DataDimensions& dims, Vector& consensus, int r);
void RotateAndAverage(Matrix& x, const DataDimensions& dims, Vector& consensus);
void DistancesToConsensus(const Matrix& x, const DataDimensions& dims, const Vector& consensus,
                          double* distances);
void ProjectToTangentSpace(Matrix& x, const DataDimensions& dims, const double* distances);
void Superimpose(Matrix& x, const DataDimensions& dims, Vector& consensus, double* sizes);
double SumOfSquaredDeviations(const Matrix& x, const DataDimensions& dims, const Vector& consensus);

}  // namespace vrel
