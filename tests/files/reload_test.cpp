// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "files/file_commands.h"
#include "numerics/components_commands.h"
#include "numerics/superimposition_commands.h"
#include "support/scripted_frontend.h"
#include "support/test_data.h"

namespace vrel {
namespace {

using test::ScriptedFrontend;

void Open(Session& s, ScriptedFrontend& fe, const std::string& dataFile) {
  fe.files.push_back(test::DataFile(dataFile));
  OpenDataClick(s, fe);
  ASSERT_TRUE(s.DataLoaded);
}

// Data file, superimposition and components, as a user would run them.
void Analyse(Session& s, ScriptedFrontend& fe, const std::string& dataFile) {
  Open(s, fe, dataFile);
  GpaClick(s, fe);
  PcsClick(s, fe);
  ASSERT_TRUE(s.ComponentsComputed);
}

std::string Save(void (*command)(Session&, Frontend&), Session& s, ScriptedFrontend& fe,
                 const std::string& name, int answer = 0) {
  const std::string path = test::ScratchDir() + name;
  fe.numbers.push_back(answer);
  fe.files.push_back(path);
  command(s, fe);
  if (command == SaveConsensusClick || command == SaveResidualsClick || command == SaveSizeClick)
    fe.numbers.pop_back();  // these ask nothing
  return path;
}

double ColumnLength(const Matrix& m, int rows, int col) {
  double sum = 0.0;
  for (int i = 0; i < rows; ++i) sum += m[i][col] * m[i][col];
  return std::sqrt(sum);
}

TEST(ReloadConsensus, RefitsOnTheSavedConsensus) {
  Session first;
  ScriptedFrontend fe;
  Analyse(first, fe, "macaques.dat");
  const std::string consensus = Save(SaveConsensusClick, first, fe, "mac_consensus.dat");

  Session s;
  ScriptedFrontend fe2;
  Open(s, fe2, "macaques.dat");
  s.ComponentsComputed = true;  // a reload invalidates any components
  fe2.files.push_back(consensus);
  ConsensusClick(s, fe2);
  ASSERT_TRUE(fe2.messages.empty());
  EXPECT_TRUE(s.Superimposed);
  EXPECT_FALSE(s.ComponentsComputed);
  EXPECT_EQ(fe2.dialogs.back(), FileDialog::OpenConsensus);
  ASSERT_EQ(fe2.log.size(), 4u);
  EXPECT_EQ(fe2.log[2], "All specimen superimposed on reloaded consensus");
  EXPECT_EQ(fe2.toolbarUpdates, 2);

  const int m = s.CoordinateCount();
  double length = 0.0;
  for (int j = 0; j < m; ++j) length += s.Consensus[j] * s.Consensus[j];
  EXPECT_NEAR(length, 1.0, 1e-12);
  for (int i = 0; i < s.SpecimenCount; ++i) {
    EXPECT_NEAR(s.Sizes[static_cast<std::size_t>(i)], first.Sizes[static_cast<std::size_t>(i)],
                1e-9);
    double dot = 0.0;
    for (int j = 0; j < m; ++j) {
      EXPECT_EQ(s.Scores[i][j], s.Residuals[i][j]);
      EXPECT_NEAR(s.Residuals[i][j], first.Residuals[i][j], 1e-5);  // one pass, not three
      dot += s.Residuals[i][j] * s.Consensus[j];
    }
    EXPECT_NEAR(dot, 0.0, 1e-12);  // in the tangent space of the reloaded consensus
  }
}

TEST(ReloadPcs, FillsOnlyTheSavedColumnsAndTheSizeColumn) {
  Session first;
  ScriptedFrontend fe;
  Analyse(first, fe, "gorilla.dat");
  const std::string five = Save(SavePcsClick, first, fe, "gor_pcs5.vec", 5);
  const std::string regression = Save(SaveSinglePcsClick, first, fe, "gor_pc3.vec", 3);

  Session s;
  ScriptedFrontend fe2;
  Open(s, fe2, "gorilla.dat");
  GpaClick(s, fe2);
  for (int i = 0; i < s.SpecimenCount; ++i) s.Scores[i][5] = s.Scores[i][97] = 42.0;
  fe2.files.push_back(five);
  ShapeVectorsClick(s, fe2);
  ASSERT_TRUE(fe2.messages.empty());
  EXPECT_TRUE(s.ComponentsComputed);
  EXPECT_EQ(fe2.log.back(), "Shape vectors reloaded and scores computed");
  EXPECT_EQ(fe2.dialogs.back(), FileDialog::OpenVector);
  EXPECT_EQ(fe2.comboText[Combo::Comp], "");
  EXPECT_EQ(fe2.comboIndex[Combo::Yaxis], s.PlotAxisY);

  const int n = s.SpecimenCount;
  for (int t = 0; t < 5; ++t)
    for (int j = 0; j < 16; ++j) EXPECT_NEAR(s.Pcs[j][t], first.Pcs[j][t], 5e-7);
  // Superimposed coordinates projected on centred components: the same scores up to rounding.
  for (int i = 0; i < n; ++i) {
    for (int t = 0; t < 5; ++t) EXPECT_NEAR(s.Scores[i][t], first.Scores[i][t], 1e-6);
    EXPECT_EQ(s.Scores[i][5], 42.0);
    EXPECT_EQ(s.Scores[i][97], 42.0);
  }
  EXPECT_NEAR(s.SingularValues[0], ColumnLength(s.Scores, n, 0), 1e-15);
  EXPECT_NEAR(ColumnLength(s.Scores, n, 96), ColumnLength(s.Scores, n, 0), 1e-12);

  const double secondScore = s.Scores[7][1];
  fe2.files.push_back(regression);
  ShapeVectorsClick(s, fe2);
  EXPECT_EQ(s.Scores[7][1], secondScore);
  for (int i = 0; i < n; ++i) EXPECT_NEAR(s.Scores[i][0], first.Scores[i][2], 1e-6);
  for (int j = 0; j < 16; ++j) EXPECT_NEAR(s.Pcs[j][0], first.Pcs[j][2], 5e-7);
  for (int j = 0; j < 16; ++j) EXPECT_NEAR(s.Pcs[j][1], first.Pcs[j][1], 5e-7);  // kept
}

TEST(ReloadPcs, VectorsReloadedOverTheResultSlotsRetireTheirVectors) {
  Session s;
  ScriptedFrontend fe;
  Analyse(s, fe, "gorilla.dat");
  s.RegressionVectorReady = s.DiscriminationVectorReady = true;
  for (const int columns : {97, 98, 99}) {
    std::string file = "16 " + std::to_string(columns) + " 1";
    for (int j = 0; j < 16 * columns; ++j) file += j % 17 == 0 ? " 0.25" : " 0";
    fe.files = {test::WriteScratch("v_slots.vec", file)};
    ShapeVectorsClick(s, fe);
    ASSERT_TRUE(fe.messages.empty()) << fe.LastMessage();
    EXPECT_EQ(s.RegressionVectorReady, columns <= 97) << columns;
    EXPECT_EQ(s.DiscriminationVectorReady, columns <= 98) << columns;
  }
}

TEST(OpenFactor, SizesFileReadsBackAsTheFactor) {
  Session s;
  ScriptedFrontend fe;
  Analyse(s, fe, "gorilla.dat");
  const Session before = s;
  const std::string sizes = Save(SaveSizeClick, s, fe, "gor_sizes.vec");
  fe.files.push_back(sizes);
  OpenFactorClick(s, fe);
  ASSERT_TRUE(fe.messages.empty());
  EXPECT_EQ(fe.log.back(), "Factor File : " + sizes);
  const int n = s.SpecimenCount;
  for (int i = 0; i < n; ++i) {
    EXPECT_NEAR(s.Factor[i], before.Factor[i], 1e-4);  // centred sizes, to the file's precision
    EXPECT_NEAR(s.Scores[i][96], before.Scores[i][96], 1e-6);
  }
  EXPECT_NEAR(ColumnLength(s.Scores, n, 96), s.SingularValues[0], 1e-12);
}

}  // namespace
}  // namespace vrel
