// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "files/file_commands.h"
#include "support/scripted_frontend.h"
#include "support/test_data.h"

namespace vrel {
namespace {

using test::ScriptedFrontend;

// A header and count numbers 1, 2, 3, ... one per line.
std::string Numbered(const std::string& header, int count) {
  std::string text = header + "\n";
  for (int i = 1; i <= count; ++i) text += std::to_string(i) + ".5\n";
  return text;
}

void Open(Session& s, ScriptedFrontend& fe, const std::string& path) {
  fe.files.push_back(path);
  OpenDataClick(s, fe);
}

const std::string kTwoTriangles = "2 3 2\n0 0 4 0 0 3\n1 1 2 2 3 -1.5e-1\n";

TEST(OpenData, ReadsCountsAndCoordinatesAndLogsTwoLines) {
  Session s;
  ScriptedFrontend fe;
  const std::string path = test::WriteScratch("triangles.dat", kTwoTriangles);
  Open(s, fe, path);
  EXPECT_TRUE(fe.messages.empty());
  ASSERT_EQ(fe.dialogs.size(), 1u);
  EXPECT_EQ(fe.dialogs[0], FileDialog::OpenData);
  EXPECT_EQ(fe.log, (std::vector<std::string>{"Data File : " + path,
                                              "Data: 2 Specimens, 3 Points, 2 Dimensions."}));
  EXPECT_EQ(s.SpecimenCount, 2);
  EXPECT_EQ(s.LandmarkCount, 3);
  EXPECT_EQ(s.DimensionCount, 2);
  EXPECT_TRUE(s.DataLoaded);
  EXPECT_EQ(s.Coordinates[0][2], 4.0);
  EXPECT_EQ(s.Coordinates[0][5], 3.0);
  EXPECT_EQ(s.Coordinates[1][4], 3.0);
  EXPECT_EQ(s.Coordinates[1][5], -0.15);
  EXPECT_EQ(fe.events.front(), "hide:About");
  EXPECT_EQ(fe.events.back(), "toolbar");
  ASSERT_TRUE(fe.toolbar.has_value());
  EXPECT_TRUE((*fe.toolbar)[static_cast<int>(ToolbarControl::BoutonGpa)]);
}

TEST(OpenData, LeavesAHiddenAboutBoxAlone) {
  Session s;
  ScriptedFrontend fe;
  fe.visible[Window::About] = false;
  Open(s, fe, test::WriteScratch("triangles.dat", kTwoTriangles));
  EXPECT_EQ(fe.Count("hide:About"), 0);
}

TEST(OpenData, LineBreaksCarryNoMeaningAndTrailingMatterIsIgnored) {
  const std::string layouts[] = {
      "2 3 2 0 0 4 0 0 3 1 1 2 2 3 -1.5e-1", "2\n3\n2\n0\n0\n4\n0\n0\n3\n1\n1\n2\n2\n3\n-1.5e-1\n",
      "2\t3 2\r\n0 0 4 0 0 3\r\n1 1 2 2 3 -0.15   \r\n17 18 and some words\n"};
  int index = 0;
  for (const std::string& text : layouts) {
    Session s;
    ScriptedFrontend fe;
    Open(s, fe, test::WriteScratch("layout" + std::to_string(index++) + ".dat", text));
    ASSERT_TRUE(fe.messages.empty()) << fe.LastMessage();
    const double expected[2][6] = {{0, 0, 4, 0, 0, 3}, {1, 1, 2, 2, 3, -0.15}};
    for (int i = 0; i < 2; ++i)
      for (int j = 0; j < 6; ++j) EXPECT_EQ(s.Coordinates[i][j], expected[i][j]);
  }
}

TEST(OpenData, AcceptsTheCapacitiesExactly) {
  {
    Session s;
    ScriptedFrontend fe;
    Open(s, fe, test::WriteScratch("99.dat", Numbered("1 33 3", 99)));
    EXPECT_TRUE(fe.messages.empty());
    EXPECT_EQ(s.Coordinates[0][98], 99.5);
  }
  {
    Session s;
    ScriptedFrontend fe;
    Open(s, fe, test::WriteScratch("300.dat", Numbered("300 2 1", 600)));
    EXPECT_TRUE(fe.messages.empty());
    EXPECT_EQ(s.SpecimenCount, 300);
    EXPECT_EQ(s.Coordinates[299][1], 600.5);
    EXPECT_EQ(fe.log[1], "Data: 300 Specimens, 2 Points, 1 Dimensions.");
  }
}

TEST(OpenData, KeepsUnusedCellsAndResetsGroupsTheNewFileCannotHold) {
  Session s;
  ScriptedFrontend fe;
  Open(s, fe, test::WriteScratch("wide.dat", Numbered("6 4 2", 48)));
  s.GroupLimit = 3;
  Open(s, fe, test::WriteScratch("five.dat", Numbered("5 3 1", 15)));
  EXPECT_EQ(s.GroupLimit, 3);            // 3 + 2 specimens still make two groups
  EXPECT_EQ(s.Coordinates[0][3], 4.5);   // beyond the new three coordinates
  EXPECT_EQ(s.Coordinates[5][0], 41.5);  // beyond the new five specimens
  s.GroupLimit = 4;
  Open(s, fe, test::WriteScratch("five.dat", Numbered("5 3 1", 15)));
  EXPECT_EQ(s.GroupLimit, 0);
  s.GroupLimit = 0;
  Open(s, fe, test::WriteScratch("five.dat", Numbered("5 3 1", 15)));
  EXPECT_EQ(s.GroupLimit, 0);
}

}  // namespace
}  // namespace vrel
