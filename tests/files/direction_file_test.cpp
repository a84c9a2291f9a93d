// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/direction_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "files/file_commands.h"
#include "support/scripted_frontend.h"
#include "support/stages.h"
#include "support/test_data.h"

namespace vrel {
namespace {

using test::RowDot;
using test::ScriptedFrontend;

TEST(Deflation, ProjectsResidualsAndRebuildsCoordinates) {
  Session s;
  test::FillSuperimposedSession(s, 4);
  const Matrix before = s.Residuals;
  ScriptedFrontend fe;
  // The x coordinate of landmark 2, in the consensus layout.
  const std::string path = test::WriteScratch("dir.dat", "   1   3   2\n0 0\n1 0\n0 0\n");
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
  test::FillSuperimposedSession(s, 3);
  const Matrix before = s.Residuals;
  ScriptedFrontend fe;
  fe.files.push_back(test::WriteScratch("zero.dat", "1 3 2 0 0 0 0 0 0"));
  DeflationClick(s, fe);
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 6; ++j) EXPECT_EQ(s.Residuals[i][j], before[i][j]);
  EXPECT_FALSE(s.ComponentsComputed);
  EXPECT_EQ(s.VectorsView, 0);

  // A single saved component (header m, 1, 1) serves as well.
  Session t;
  test::FillSuperimposedSession(t, 3);
  fe.files.push_back(test::WriteScratch("one.vec", "   6   1   1\n0.6\n0\n0\n0.8\n0\n0\n"));
  DeflationClick(t, fe);
  ASSERT_TRUE(fe.messages.empty());
  EXPECT_EQ(t.ResultVector[3], 0.8);
  for (int i = 0; i < 3; ++i) EXPECT_NEAR(RowDot(t.Residuals, i, t.ResultVector, 6), 0.0, 1e-15);
}

}  // namespace
}  // namespace vrel
