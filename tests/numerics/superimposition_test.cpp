// SPDX-License-Identifier: GPL-3.0-or-later
#include "numerics/superimposition.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "numerics/superimposition_commands.h"
#include "support/scripted_frontend.h"

namespace vrel {
namespace {

using test::ScriptedFrontend;

// A session holding the given specimens (each p x k values) as freshly loaded data.
Session LoadedSession(const std::vector<std::vector<double>>& specimens, int p, int k) {
  Session s;
  s.SpecimenCount = static_cast<int>(specimens.size());
  s.LandmarkCount = p;
  s.DimensionCount = k;
  for (std::size_t i = 0; i < specimens.size(); ++i)
    for (int j = 0; j < p * k; ++j) s.Coordinates[static_cast<int>(i)][j] = specimens[i][j];
  s.DataLoaded = true;
  return s;
}

// The 2-D specimen rotated by angle, scaled and moved, and mirrored (x -> -x) when asked.
std::vector<double> Similar(const std::vector<double>& shape, double angle, double scale, double dx,
                            double dy, bool mirror) {
  std::vector<double> out(shape.size());
  for (std::size_t l = 0; l < shape.size() / 2; ++l) {
    const double x = mirror ? -shape[2 * l] : shape[2 * l];
    const double y = shape[2 * l + 1];
    out[2 * l] = scale * (std::cos(angle) * x - std::sin(angle) * y) + dx;
    out[2 * l + 1] = scale * (std::sin(angle) * x + std::cos(angle) * y) + dy;
  }
  return out;
}

std::vector<std::vector<double>> RandomSpecimens(int n, int m, double noise, unsigned seed) {
  std::mt19937 gen(seed);
  std::normal_distribution<double> base(0.0, 1.0), jitter(0.0, noise);
  std::vector<double> mean(static_cast<std::size_t>(m));
  for (double& x : mean) x = base(gen);
  std::vector<std::vector<double>> specimens(static_cast<std::size_t>(n));
  for (auto& specimen : specimens) {
    specimen = mean;
    for (double& x : specimen) x += jitter(gen);
  }
  return specimens;
}

double Length(const double* v, int m) {
  double sum = 0.0;
  for (int j = 0; j < m; ++j) sum += v[j] * v[j];
  return std::sqrt(sum);
}

double Dot(const double* a, const double* b, int m) {
  double sum = 0.0;
  for (int j = 0; j < m; ++j) sum += a[j] * b[j];
  return sum;
}

TEST(Superimposition, RemovesPositionSizeOrientationAndReflection) {
  const std::vector<double> shape = {0.3, 1.2, 2.5, 0.1, 3.1, 2.2, 1.0, 3.4, -0.7, 2.0};
  const std::vector<std::vector<double>> specimens = {
      Similar(shape, 0.0, 1.0, 0.0, 0.0, false), Similar(shape, 1.1, 3.0, 10.0, -4.0, false),
      Similar(shape, -2.5, 0.2, -7.0, 2.0, false), Similar(shape, 0.4, 5.0, 1.0, 1.0, true),
      Similar(shape, 3.0, 1.0, 0.0, 0.0, true)};
  Session s = LoadedSession(specimens, 5, 2);
  ScriptedFrontend fe;
  GpaClick(s, fe);
  ASSERT_TRUE(s.Superimposed);
  for (int i = 0; i < 5; ++i)
    for (int j = 0; j < 10; ++j) EXPECT_NEAR(s.Residuals[i][j], 0.0, 1e-12);
  EXPECT_EQ(fe.log[1], "Sum of Squared Deviations =  0.000000");
  // Each specimen keeps its own centroid size.
  const double unitSize = s.Sizes[0];
  EXPECT_NEAR(s.Sizes[1], 3.0 * unitSize, 1e-12);
  EXPECT_NEAR(s.Sizes[2], 0.2 * unitSize, 1e-12);
  EXPECT_NEAR(s.Sizes[3], 5.0 * unitSize, 1e-12);
}

TEST(Superimposition, RemovesThreeDimensionalRotation) {
  const std::vector<double> shape = {0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 3, 1, 1, 1};
  // A rotation about an oblique axis (Rodrigues), applied to a moved copy.
  const double axis[3] = {1 / std::sqrt(3.0), 1 / std::sqrt(3.0), 1 / std::sqrt(3.0)};
  const double c = std::cos(0.8), sn = std::sin(0.8);
  double r[3][3];
  for (int a = 0; a < 3; ++a)
    for (int b = 0; b < 3; ++b) r[a][b] = (a == b ? c : 0.0) + (1 - c) * axis[a] * axis[b];
  r[0][1] -= sn * axis[2];
  r[1][0] += sn * axis[2];
  r[0][2] += sn * axis[1];
  r[2][0] -= sn * axis[1];
  r[1][2] -= sn * axis[0];
  r[2][1] += sn * axis[0];
  std::vector<double> rotated(15);
  for (int l = 0; l < 5; ++l)
    for (int a = 0; a < 3; ++a) {
      double sum = 7.0 * a;
      for (int b = 0; b < 3; ++b) sum += 2.0 * r[a][b] * shape[3 * l + b];
      rotated[3 * l + a] = sum;
    }
  Session s = LoadedSession({shape, rotated}, 5, 3);
  ScriptedFrontend fe;
  GpaClick(s, fe);
  for (int i = 0; i < 2; ++i)
    for (int j = 0; j < 15; ++j) EXPECT_NEAR(s.Residuals[i][j], 0.0, 1e-12);
  EXPECT_NEAR(s.Sizes[1], 2.0 * s.Sizes[0], 1e-12);
}

TEST(Superimposition, ResidualsLieInTheTangentSpaceOfAUnitConsensus) {
  for (int k = 1; k <= 3; ++k) {
    SCOPED_TRACE(testing::Message() << k << " dimensions");
    const int p = 6;
    const int m = p * k;
    Session s = LoadedSession(RandomSpecimens(25, m, 0.2, 11u + static_cast<unsigned>(k)), p, k);
    ScriptedFrontend fe;
    GpaClick(s, fe);
    ASSERT_TRUE(s.Superimposed);
    EXPECT_NEAR(Length(s.Consensus.data(), m), 1.0, 1e-14);
    double sumOfSquares = 0.0;
    for (int i = 0; i < 25; ++i) {
      EXPECT_NEAR(Dot(s.Residuals[i], s.Consensus.data(), m), 0.0, 1e-14);
      // On the tangent plane the specimen is 1 / cos(angle) long, hence at least 1.
      const double length = Length(s.Coordinates[i], m);
      EXPECT_GE(length, 1.0);
      EXPECT_NEAR(Dot(s.Coordinates[i], s.Consensus.data(), m), 1.0, 1e-14);
      for (int j = 0; j < m; ++j) {
        EXPECT_EQ(s.Residuals[i][j], s.Scores[i][j]);
        EXPECT_EQ(s.Residuals[i][j], s.Coordinates[i][j] - s.Consensus[j]);
        sumOfSquares += s.Residuals[i][j] * s.Residuals[i][j];
      }
    }
    EXPECT_NEAR(SumOfSquaredDeviations(s.Coordinates, s, s.Consensus), sumOfSquares, 1e-15);
  }
}

TEST(Superimposition, FitsOneDimensionalSpecimensBySign) {
  const std::vector<double> a = {0.0, 1.0, 3.0, 7.0};
  std::vector<double> flipped(4);
  for (int j = 0; j < 4; ++j)
    flipped[static_cast<std::size_t>(j)] = 5.0 - 2.0 * a[static_cast<std::size_t>(j)];
  Session s = LoadedSession({a, flipped}, 4, 1);
  ScriptedFrontend fe;
  GpaClick(s, fe);
  for (int j = 0; j < 4; ++j) EXPECT_NEAR(s.Coordinates[1][j], s.Coordinates[0][j], 1e-15);
}

TEST(TangentProjection, ScalesByTheReciprocalCosineAndRefusesRightAngles) {
  DataDimensions dims{3, 2, 1};
  Matrix x(3, 2);
  for (int i = 0; i < 3; ++i) x[i][0] = x[i][1] = 1.0;
  const double distances[3] = {0.0, 1.0, std::sqrt(2.0 - std::sqrt(2.0))};
  ProjectToTangentSpace(x, dims, distances);
  EXPECT_DOUBLE_EQ(x[0][0], 1.0);
  EXPECT_NEAR(x[1][0], 2.0, 1e-15);             // 1 / (1 - d * d / 2)
  EXPECT_NEAR(x[2][1], std::sqrt(2.0), 1e-14);  // 45 degrees

  for (double far : {1.5, 2.0, 2.5}) {
    SCOPED_TRACE(far);
    Matrix y(1, 2);
    DataDimensions one{1, 2, 1};
    EXPECT_THROW(ProjectToTangentSpace(y, one, &far), DegenerateData);
  }
}

TEST(Superimposition, CentreAndScaleRaisesOnZeroSize) {
  Matrix x(1, 4);
  x[0][0] = x[0][2] = 3.0;
  x[0][1] = x[0][3] = -1.0;
  DataDimensions dims{1, 2, 2};
  double size = 0.0;
  EXPECT_THROW(CentreAndScale(x, dims, &size), DegenerateData);
}

}  // namespace
}  // namespace vrel
