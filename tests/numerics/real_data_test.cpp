// SPDX-License-Identifier: GPL-3.0-or-later
// The whole road from a data file to components, on every real data set.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "files/file_commands.h"
#include "numerics/components_commands.h"
#include "numerics/superimposition_commands.h"
#include "numerics/svd_oracle.h"
#include "support/scripted_frontend.h"
#include "support/test_data.h"

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

}  // namespace
}  // namespace vrel
