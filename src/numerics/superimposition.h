#pragma once

#include <array>
#include <stdexcept>
#include <string>

#include "shell/frontend.h"
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

bool AllFinite(const Matrix& x, int rows, int cols);
bool AllFinite(const Vector& v, int count);

// Makes a finished fit the session's: the coordinates, consensus and sizes, the residuals in
// Residuals and Scores, the stage flags, and the two log lines (the method, then the sum of
// squared deviations).
void StoreSuperimposition(Session& s, Frontend& fe, Matrix coordinates, Vector consensus,
                          const std::array<double, MaxSpecimens>& sizes,
                          const std::string& methodLine);

}  // namespace vrel
