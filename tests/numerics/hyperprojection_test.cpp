#include "numerics/hyperprojection.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <string>
#include <vector>

#include "files/file_commands.h"
#include "numerics/components_commands.h"
#include "numerics/hyperprojection_commands.h"
#include "numerics/superimposition_commands.h"
#include "support/scripted_frontend.h"
#include "support/test_data.h"

namespace vrel {
namespace {

using test::ScriptedFrontend;

std::string WriteTemp(const std::string& name, const std::string& text) {
  const std::string path = test::ScratchDir() + "vrel_hp_" + name;
  std::ofstream(path) << text;
  return path;
}

// A superimposed session of n specimens, 3 landmarks in 2-D, with uneven residuals.
void Superimposed(Session& s, int n) {
  s.SpecimenCount = n;
  s.LandmarkCount = 3;
  s.DimensionCount = 2;
  s.DataLoaded = s.Superimposed = s.ComponentsComputed = true;
  s.VectorsView = s.PlotView = 1;
  for (int j = 0; j < 6; ++j) s.Consensus[j] = 0.3 - 0.1 * j;
  for (int i = 0; i < n; ++i) {
    s.Sizes[static_cast<std::size_t>(i)] = 10.0 + i * i;
    for (int j = 0; j < 6; ++j) {
      s.Residuals[i][j] = std::sin(1.0 + 7 * i + 3 * j) * 0.05;
      s.Scores[i][j] = s.Residuals[i][j];
      s.Coordinates[i][j] = s.Residuals[i][j] + s.Consensus[j];
    }
  }
}

double RowDot(const Matrix& m, int row, const Vector& u, int count) {
  double dot = 0.0;
  for (int j = 0; j < count; ++j) dot += m[row][j] * u[j];
  return dot;
}

TEST(Hyperproject, RemovesAUnitDirectionOnce) {
  Session s;
  Superimposed(s, 5);
  Vector u(6);
  const double raw[6] = {1, -2, 0.5, 3, 0, 1};
  double length = 0;
  for (double x : raw) length += x * x;
  for (int j = 0; j < 6; ++j) u[j] = raw[j] / std::sqrt(length);

  Matrix once(MaxSpecimens, MaxCoordinates), twice(MaxSpecimens, MaxCoordinates);
  Hyperproject(s.Residuals, once, s.Dimensions(), u);
  Hyperproject(once, twice, s.Dimensions(), u);
  for (int i = 0; i < 5; ++i) {
    EXPECT_NEAR(RowDot(once, i, u, 6), 0.0, 1e-15);
    // What was removed lies along u.
    const double along = RowDot(s.Residuals, i, u, 6);
    for (int j = 0; j < 6; ++j) {
      EXPECT_NEAR(s.Residuals[i][j] - once[i][j], along * u[j], 1e-15);
      EXPECT_NEAR(twice[i][j], once[i][j], 1e-15);
    }
  }
}

TEST(Deflation, ProjectsResidualsAndRebuildsCoordinates) {
  Session s;
  Superimposed(s, 4);
  const Matrix before = s.Residuals;
  ScriptedFrontend fe;
  // The x coordinate of landmark 2, in the consensus layout.
  const std::string path = WriteTemp("dir.dat", "   1   3   2\n0 0\n1 0\n0 0\n");
  fe.files.push_back(path);
  DeflationClick(s, fe);
  ASSERT_TRUE(fe.messages.empty());
  for (int i = 0; i < 4; ++i) {
    for (int j = 0; j < 6; ++j) {
      const double expected = j == 2 ? 0.0 : before[i][j];
      EXPECT_EQ(s.Residuals[i][j], expected);
      EXPECT_EQ(s.Scores[i][j], expected);
      EXPECT_EQ(s.Coordinates[i][j], expected + s.Consensus[j]);
    }
    EXPECT_FALSE(std::signbit(s.Residuals[i][2]));  // written as 0.000000e+00
  }
  EXPECT_EQ(s.ResultVector[2], 1.0);
  EXPECT_FALSE(s.ComponentsComputed);
  EXPECT_TRUE(s.Superimposed);
  EXPECT_EQ(s.VectorsView, 0);
  EXPECT_EQ(s.PlotView, 0);
  for (Window w : {Window::Specimens, Window::Vectors, Window::Plot})
    EXPECT_TRUE(fe.Invalidated(w));
  EXPECT_EQ(fe.toolbarUpdates, 1);
  EXPECT_EQ(fe.log, std::vector<std::string>{"Hyperprojection computed with " + path});
  EXPECT_EQ(fe.dialogs, std::vector<FileDialog>{FileDialog::OpenVector});
}

TEST(Deflation, ZeroDirectionAndShapeVectorLayout) {
  Session s;
  Superimposed(s, 3);
  const Matrix before = s.Residuals;
  ScriptedFrontend fe;
  fe.files.push_back(WriteTemp("zero.dat", "1 3 2 0 0 0 0 0 0"));
  DeflationClick(s, fe);
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 6; ++j) EXPECT_EQ(s.Residuals[i][j], before[i][j]);
  EXPECT_FALSE(s.ComponentsComputed);
  EXPECT_EQ(s.VectorsView, 0);

  // A single saved component (header m, 1, 1) serves as well.
  Session t;
  Superimposed(t, 3);
  fe.files.push_back(WriteTemp("one.vec", "   6   1   1\n0.6\n0\n0\n0.8\n0\n0\n"));
  DeflationClick(t, fe);
  ASSERT_TRUE(fe.messages.empty());
  EXPECT_EQ(t.ResultVector[3], 0.8);
  for (int i = 0; i < 3; ++i) EXPECT_NEAR(RowDot(t.Residuals, i, t.ResultVector, 6), 0.0, 1e-15);
}

TEST(Deflation, RefusedFilesChangeNothing) {
  Session s;
  Superimposed(s, 3);
  s.ResultVector[0] = 7.0;
  const Session before = s;
  ScriptedFrontend fe;
  fe.files = {WriteTemp("p4.dat", "1 4 2 0 0 0 0 0 0 0 0"),
              WriteTemp("n2.dat", "2 3 2 0 0 0 0 0 0"),
              WriteTemp("k3.dat", "1 3 3 0 0 0 0 0 0 0 0 0"),
              WriteTemp("cols.vec", "6 2 1 0 0 0 0 0 0 0 0 0 0 0 0"),
              WriteTemp("short.dat", "1 3 2 1 0 0 0 0"),
              WriteTemp("word.dat", "1 3 2 1 0 0 x 0 0"),
              WriteTemp("head.dat", "1 3"),
              test::ScratchDir() + "no_such_direction.dat"};
  for (int run = 0; run < 8; ++run) DeflationClick(s, fe);
  ASSERT_EQ(fe.messages.size(), 8u);
  for (const auto& message : fe.messages) {
    EXPECT_EQ(message.text, "Incorrect file");
    EXPECT_EQ(message.caption, "");
    EXPECT_EQ(message.icon, Icon::None);
  }
  DeflationClick(s, fe);  // cancelled
  EXPECT_EQ(fe.messages.size(), 8u);
  EXPECT_TRUE(fe.log.empty());
  EXPECT_EQ(fe.toolbarUpdates, 0);
  EXPECT_TRUE(s.ComponentsComputed);
  EXPECT_EQ(s.VectorsView, 1);
  EXPECT_EQ(s.ResultVector[0], 7.0);
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 6; ++j) {
      EXPECT_EQ(s.Residuals[i][j], before.Residuals[i][j]);
      EXPECT_EQ(s.Coordinates[i][j], before.Coordinates[i][j]);
    }
}

TEST(ShapeDifference, FourSpecimensGiveTwoCentredPairs) {
  Session s;
  Superimposed(s, 4);
  const Session before = s;
  ScriptedFrontend fe;
  DifferenceClick(s, fe);
  ASSERT_EQ(s.SpecimenCount, 2);
  for (int j = 0; j < 6; ++j) {
    const double first = before.Residuals[1][j] - before.Residuals[0][j];
    const double second = before.Residuals[3][j] - before.Residuals[2][j];
    const double mean = (first + second) / 2;
    EXPECT_DOUBLE_EQ(s.Residuals[0][j], first - mean);
    EXPECT_DOUBLE_EQ(s.Residuals[1][j], second - mean);
    EXPECT_DOUBLE_EQ(s.Consensus[j], before.Consensus[j] + mean);
    for (int i = 0; i < 2; ++i) {
      EXPECT_EQ(s.Scores[i][j], s.Residuals[i][j]);
      EXPECT_EQ(s.Coordinates[i][j], s.Residuals[i][j] + s.Consensus[j]);
    }
    EXPECT_EQ(s.Residuals[2][j], before.Residuals[2][j]);  // rows beyond the pairs stay
  }
  EXPECT_EQ(s.Sizes[0], 1.0);  // 11 - 10
  EXPECT_EQ(s.Sizes[1], 5.0);  // 19 - 14
  EXPECT_TRUE(s.DifferenceComputed);
  EXPECT_FALSE(s.ComponentsComputed);
  EXPECT_EQ(fe.toolbarUpdates, 1);
  EXPECT_EQ(fe.log,
            std::vector<std::string>{"Difference data : 2 Specimens, 3 Points, 2 Dimensions."});
}

TEST(ShapeDifference, TwoSpecimensAndAnOddCount) {
  Session s;
  Superimposed(s, 2);
  const Session before = s;
  ScriptedFrontend fe;
  DifferenceClick(s, fe);
  EXPECT_EQ(s.SpecimenCount, 1);
  for (int j = 0; j < 6; ++j) {
    EXPECT_EQ(s.Residuals[0][j], 0.0);
    EXPECT_DOUBLE_EQ(s.Consensus[j],
                     before.Consensus[j] + before.Residuals[1][j] - before.Residuals[0][j]);
  }
  EXPECT_EQ(fe.log.back(), "Difference data : 1 Specimens, 3 Points, 2 Dimensions.");

  Session odd;
  Superimposed(odd, 3);
  const Session oddBefore = odd;
  ScriptedFrontend oddFe;
  DifferenceClick(odd, oddFe);
  ASSERT_EQ(oddFe.messages.size(), 1u);
  EXPECT_EQ(oddFe.messages[0].text, "Number of specimens must be even");
  EXPECT_EQ(oddFe.messages[0].caption, "WARNING");
  EXPECT_EQ(oddFe.messages[0].icon, Icon::Exclamation);
  EXPECT_EQ(odd.SpecimenCount, 3);
  EXPECT_FALSE(odd.DifferenceComputed);
  EXPECT_TRUE(odd.ComponentsComputed);
  EXPECT_EQ(odd.Residuals[1][1], oddBefore.Residuals[1][1]);
  EXPECT_TRUE(oddFe.log.empty());
}

}  // namespace
}  // namespace vrel
