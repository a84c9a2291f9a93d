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

// A header and count numbers 1.5, 2.5, 3.5, ... one per line.
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

// Line breaks carry no meaning and what follows the last number needed is not read; the
// capacities are accepted exactly.
TEST(OpenData, ReadsCountsAndCoordinatesAndLogsTwoLines) {
  struct Case {
    std::string text;
    int n, p, k;
    double sum, last;  // of the coordinates read, and the last of them
  };
  const Case cases[] = {
      {kTwoTriangles, 2, 3, 2, 15.85, -0.15},
      {"2 3 2 0 0 4 0 0 3 1 1 2 2 3 -1.5e-1", 2, 3, 2, 15.85, -0.15},
      {"2\n3\n2\n0\n0\n4\n0\n0\n3\n1\n1\n2\n2\n3\n-1.5e-1\n", 2, 3, 2, 15.85, -0.15},
      {"2\t3 2\r\n0 0 4 0 0 3\r\n1 1 2 2 3 -0.15   \r\n17 18 and some words\n", 2, 3, 2, 15.85,
       -0.15},
      {Numbered("1 33 3", 99), 1, 33, 3, 4999.5, 99.5},
      {Numbered("300 2 1", 600), 300, 2, 1, 180600.0, 600.5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 20));
    Session s;
    ScriptedFrontend fe;
    const std::string path = test::WriteScratch("read.dat", c.text);
    Open(s, fe, path);
    EXPECT_TRUE(fe.messages.empty()) << fe.LastMessage();
    EXPECT_EQ(fe.dialogs, std::vector<FileDialog>{FileDialog::OpenData});
    EXPECT_EQ(fe.log, (std::vector<std::string>{"Data File : " + path,
                                                "Data: " + std::to_string(c.n) + " Specimens, " +
                                                    std::to_string(c.p) + " Points, " +
                                                    std::to_string(c.k) + " Dimensions."}));
    ASSERT_EQ(s.SpecimenCount, c.n);
    ASSERT_EQ(s.LandmarkCount, c.p);
    ASSERT_EQ(s.DimensionCount, c.k);
    EXPECT_TRUE(s.DataLoaded);
    double sum = 0.0;
    for (int i = 0; i < c.n; ++i)
      for (int j = 0; j < c.p * c.k; ++j) sum += s.Coordinates[i][j];
    EXPECT_DOUBLE_EQ(sum, c.sum);
    EXPECT_EQ(s.Coordinates[c.n - 1][c.p * c.k - 1], c.last);
    EXPECT_EQ(fe.events.front(), "hide:About");
    EXPECT_EQ(fe.events.back(), "toolbar");
    ASSERT_TRUE(fe.toolbar.has_value());
    EXPECT_TRUE((*fe.toolbar)[static_cast<int>(ToolbarControl::BoutonGpa)]);
  }
}

TEST(OpenData, LeavesAHiddenAboutBoxAlone) {
  Session s;
  ScriptedFrontend fe;
  fe.visible[Window::About] = false;
  Open(s, fe, test::WriteScratch("triangles.dat", kTwoTriangles));
  EXPECT_EQ(fe.Count("hide:About"), 0);
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
