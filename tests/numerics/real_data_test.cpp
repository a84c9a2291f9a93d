// SPDX-License-Identifier: GPL-3.0-or-later
// The whole road from a data file to components, on every real data set.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "files/file_commands.h"
#include "numerics/components.h"
#include "numerics/components_commands.h"
#include "numerics/superimposition_commands.h"
#include "numerics/svd_oracle.h"
#include "support/scripted_frontend.h"
#include "support/test_data.h"

extern "C" void dsyev_(const char* jobz, const char* uplo, const int* n, double* a, const int* lda,
                       double* w, double* work, const int* lwork, int* info, std::size_t jobzLength,
                       std::size_t uploLength);

namespace vrel {
namespace {

using test::ScriptedFrontend;

TEST(RealData, EveryDataSetRunsThroughSuperimpositionAndComponents) {
  const std::vector<std::string> names = test::LandmarkDataSets();
  ASSERT_GE(names.size(), 8u);
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    Session s;
    ScriptedFrontend fe;
    fe.files.push_back(test::DataFile(name));
    OpenDataClick(s, fe);
    ASSERT_TRUE(s.DataLoaded);
    GpaClick(s, fe);
    ASSERT_TRUE(s.Superimposed);
    const int n = s.SpecimenCount;
    const int m = s.CoordinateCount();

    double length = 0.0;
    for (int j = 0; j < m; ++j) length += s.Consensus[j] * s.Consensus[j];
    EXPECT_NEAR(std::sqrt(length), 1.0, 1e-14);
    for (int i = 0; i < n; ++i) {
      double dot = 0.0;
      for (int j = 0; j < m; ++j) dot += s.Residuals[i][j] * s.Consensus[j];
      EXPECT_NEAR(dot, 0.0, 1e-14) << "specimen " << i + 1;
    }

    const Matrix residuals = s.Residuals;
    PcsClick(s, fe);
    ASSERT_TRUE(s.ComponentsComputed);
    EXPECT_TRUE(fe.messages.empty());

    double total = 0.0, shares = 0.0;
    for (int c = 0; c < m; ++c) total += s.SingularValues[c] * s.SingularValues[c];
    for (int c = 0; c < m; ++c) {
      shares += s.SingularValues[c] * s.SingularValues[c] * 100.0 / total;
      if (c > 0) {
        EXPECT_GE(s.SingularValues[c - 1], s.SingularValues[c]);
      }
      double pcsLength = 0.0, scoreLength = 0.0;
      for (int r = 0; r < m; ++r) pcsLength += s.Pcs[r][c] * s.Pcs[r][c];
      EXPECT_NEAR(std::sqrt(pcsLength), 1.0, 1e-12) << "component " << c + 1;
      if (c < SizeColumn) {
        for (int i = 0; i < n; ++i) scoreLength += s.Scores[i][c] * s.Scores[i][c];
        EXPECT_NEAR(std::sqrt(scoreLength), s.SingularValues[c], 1e-12) << "component " << c + 1;
      }
    }
    EXPECT_NEAR(shares, 100.0, 1e-10);
    double sizeLength = 0.0;
    for (int i = 0; i < n; ++i) sizeLength += s.Scores[i][SizeColumn] * s.Scores[i][SizeColumn];
    EXPECT_NEAR(std::sqrt(sizeLength), s.SingularValues[0], 1e-12);

    // The scores on the components rebuild the residuals.
    for (int i = 0; i < n; ++i)
      for (int j = 0; j < m; ++j) {
        double sum = 0.0;
        for (int c = 0; c < m; ++c) sum += s.Scores[i][c] * s.Pcs[j][c];
        EXPECT_NEAR(sum, residuals[i][j], 1e-13);
      }
#ifdef VREL_HAVE_LAPACK
    test::ExpectSameSingularValues(residuals, n, m);
#endif
  }
}

// The fish set (54 specimens of 56 landmarks: 112 coordinates) in a session made larger for it,
// against the fit written out plainly for planar data (rotations by the closed-form polar factor
// of each 2 x 2 cross-product) and the components from LAPACK's symmetric eigensolver.
TEST(RealData, TheFishSetBeyondTheDefaultMatchesAnIndependentFit) {
  Session s(Capacity{300, 112});
  ScriptedFrontend fe;
  fe.files.push_back(test::DataFile("pupfish.tps"));
  OpenDataClick(s, fe);
  GpaClick(s, fe);
  PcsClick(s, fe);
  ASSERT_TRUE(s.ComponentsComputed) << fe.LastMessage();
  const int n = 54, p = 56, m = 112;
  ASSERT_EQ(s.CoordinateCount(), m);

  // The superimposition replaced the session's coordinates: the fit written out here reads the
  // file once more, then centres and scales every specimen.
  Session raw(Capacity{300, 112});
  ScriptedFrontend again;
  again.files.push_back(test::DataFile("pupfish.tps"));
  OpenDataClick(raw, again);
  std::vector<std::vector<double>> x(n, std::vector<double>(m));
  for (int i = 0; i < n; ++i) {
    double cx = 0.0, cy = 0.0, size = 0.0;
    for (int l = 0; l < p; ++l)
      cx += raw.Coordinates[i][2 * l], cy += raw.Coordinates[i][2 * l + 1];
    for (int l = 0; l < p; ++l) {
      x[i][2 * l] = raw.Coordinates[i][2 * l] - cx / p;
      x[i][2 * l + 1] = raw.Coordinates[i][2 * l + 1] - cy / p;
      size += x[i][2 * l] * x[i][2 * l] + x[i][2 * l + 1] * x[i][2 * l + 1];
    }
    for (double& v : x[i]) v /= std::sqrt(size);
  }
  std::vector<double> mean(m);
  const auto fitAll = [&] {
    for (auto& z : x) {
      double a = 0, b = 0, c = 0, d = 0;  // the cross-product z-transposed mean
      for (int l = 0; l < p; ++l) {
        a += z[2 * l] * mean[2 * l], b += z[2 * l] * mean[2 * l + 1];
        c += z[2 * l + 1] * mean[2 * l], d += z[2 * l + 1] * mean[2 * l + 1];
      }
      const double sign = a * d - b * c >= 0.0 ? 1.0 : -1.0;
      double q00 = a + sign * d, q01 = b - sign * c, q10 = c - sign * b, q11 = d + sign * a;
      const double norm = std::sqrt(std::fabs(q00 * q11 - q01 * q10));
      q00 /= norm, q01 /= norm, q10 /= norm, q11 /= norm;
      for (int l = 0; l < p; ++l) {
        const double u = z[2 * l], v = z[2 * l + 1];
        z[2 * l] = u * q00 + v * q10;
        z[2 * l + 1] = u * q01 + v * q11;
      }
    }
    for (int j = 0; j < m; ++j) {
      mean[j] = 0.0;
      for (const auto& z : x) mean[j] += z[j] / n;
    }
  };
  const auto distance = [&](const std::vector<double>& z) {
    double sum = 0.0;
    for (int j = 0; j < m; ++j) sum += (z[j] - mean[j]) * (z[j] - mean[j]);
    return std::sqrt(sum);
  };
  mean = x[0];
  fitAll();
  int reference = 0;
  for (int i = 1; i < n; ++i)
    if (distance(x[i]) < distance(x[reference])) reference = i;
  mean = x[reference];
  fitAll();
  fitAll();
  double length = 0.0;
  for (double v : mean) length += v * v;
  for (double& v : mean) v /= std::sqrt(length);
  for (int j = 0; j < m; ++j) EXPECT_NEAR(s.Consensus[j], mean[j], 1e-12) << j;

  // The residuals on the tangent plane, their cross-products and its eigenvalues.
  std::vector<double> cross(static_cast<std::size_t>(m) * m, 0.0);
  for (auto& z : x) {
    const double factor = 1.0 / std::cos(2.0 * std::asin(distance(z) / 2.0));
    for (int j = 0; j < m; ++j) z[j] = z[j] * factor - mean[j];
    for (int a = 0; a < m; ++a)
      for (int b = 0; b < m; ++b) cross[static_cast<std::size_t>(a) * m + b] += z[a] * z[b];
  }
  std::vector<double> eigenvalues(m), work(10 * m);
  int info = 0, size = m, lwork = 10 * m;
  dsyev_("V", "U", &size, cross.data(), &size, eigenvalues.data(), work.data(), &lwork, &info, 1,
         1);
  ASSERT_EQ(info, 0);
  double total = 0.0;
  for (double e : eigenvalues) total += e;
  for (int c = 0; c < 20; ++c) {
    const double expected = eigenvalues[static_cast<std::size_t>(m - 1 - c)] * 100.0 / total;
    EXPECT_NEAR(VarianceShare(s.SingularValues, m, c), expected, 1e-9) << "component " << c + 1;
    // The axis is the eigenvector, up to its sign.
    double dot = 0.0;
    for (int r = 0; r < m; ++r)
      dot += s.Pcs[r][c] * cross[static_cast<std::size_t>(m - 1 - c) * m + r];
    EXPECT_NEAR(std::fabs(dot), 1.0, 1e-9) << "component " << c + 1;
  }
  EXPECT_EQ(fe.log.back(), "Components kept: the first 96 of 112.");
  // The score table keeps its meaning: 96 scores, the size in its own column.
  double sizeLength = 0.0;
  for (int i = 0; i < n; ++i) sizeLength += s.Scores[i][SizeColumn] * s.Scores[i][SizeColumn];
  EXPECT_NEAR(std::sqrt(sizeLength), s.SingularValues[0], 1e-12);
}

}  // namespace
}  // namespace vrel
