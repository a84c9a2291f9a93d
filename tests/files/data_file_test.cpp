#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "files/file_commands.h"
#include "support/scripted_frontend.h"
#include "support/test_data.h"

namespace vrel {
namespace {

using test::ScriptedFrontend;

std::string WriteFile(const std::string& name, const std::string& content) {
  const std::string path = test::ScratchDir() + "vrel_data_file_" + name;
  std::ofstream(path) << content;
  return path;
}

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
  const std::string path = WriteFile("triangles.dat", kTwoTriangles);
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
  Open(s, fe, WriteFile("triangles.dat", kTwoTriangles));
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
    Open(s, fe, WriteFile("layout" + std::to_string(index++) + ".dat", text));
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
    Open(s, fe, WriteFile("99.dat", Numbered("1 33 3", 99)));
    EXPECT_TRUE(fe.messages.empty());
    EXPECT_EQ(s.Coordinates[0][98], 99.5);
  }
  {
    Session s;
    ScriptedFrontend fe;
    Open(s, fe, WriteFile("300.dat", Numbered("300 2 1", 600)));
    EXPECT_TRUE(fe.messages.empty());
    EXPECT_EQ(s.SpecimenCount, 300);
    EXPECT_EQ(s.Coordinates[299][1], 600.5);
    EXPECT_EQ(fe.log[1], "Data: 300 Specimens, 2 Points, 1 Dimensions.");
  }
}

TEST(OpenData, RefusesHeadersInTheirOrderWithAStopIcon) {
  struct Case {
    const char* header;
    const char* message;
  };
  const Case cases[] = {
      {"0 3 2", "Incorrect number of specimens"},
      {"301 3 2", "Incorrect number of specimens"},
      {"-4 3 2", "Incorrect number of specimens"},
      {"1 34 3", "Incorrect number of landmarks"},
      {"5 30 4", "Incorrect number of landmarks"},
      {"5 10 4", "Incorrect number of dimensions"},
      {"5 0 2", "Incorrect number of landmarks"},
      {"5 -3 2", "Incorrect number of landmarks"},
      {"5 -3 -2", "Incorrect number of landmarks"},
      {"5 3 0", "Incorrect number of dimensions"},
      {"5 3 -1", "Incorrect number of dimensions"},
      {"5 2147483647 2", "Incorrect number of landmarks"},
      {"5 3", "Invalid file"},
      {"", "Invalid file"},
      {"5 3 2.0", "Invalid file"},
      {"five 3 2", "Invalid file"},
      {"99999999999 3 2", "Invalid file"},
  };
  int index = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.header);
    Session s;
    ScriptedFrontend loaded;
    Open(s, loaded, WriteFile("good.dat", kTwoTriangles));
    ScriptedFrontend fe;
    Open(s, fe, WriteFile("header" + std::to_string(index++) + ".dat", Numbered(c.header, 500)));
    ASSERT_EQ(fe.messages.size(), 1u);
    EXPECT_EQ(fe.messages[0].text, c.message);
    EXPECT_EQ(fe.messages[0].caption, "");
    EXPECT_EQ(fe.messages[0].icon, Icon::Stop);
    EXPECT_TRUE(fe.log.empty());
    EXPECT_EQ(fe.toolbarUpdates, 0);  // a rejected header does not touch the toolbar
    EXPECT_EQ(s.SpecimenCount, 2);
    EXPECT_EQ(s.LandmarkCount, 3);
    EXPECT_EQ(s.DimensionCount, 2);
    EXPECT_EQ(s.Coordinates[0][2], 4.0);
  }
}

TEST(OpenData, AMissingFileIsInvalid) {
  Session s;
  ScriptedFrontend fe;
  Open(s, fe, test::ScratchDir() + "vrel_no_such_file.dat");
  EXPECT_EQ(fe.LastMessage(), "Invalid file");
  EXPECT_EQ(fe.toolbarUpdates, 0);
  EXPECT_FALSE(s.DataLoaded);
}

TEST(OpenData, InputFailedLeavesTheSessionAsItWas) {
  const std::string shortFiles[] = {"3 2 2\n1 2 3 4\n5 6 7 8\n9 10 11\n",  // one coordinate too few
                                    "3 2 2\n1 2 3 4\n5 6 seven 8\n9 10 11 12\n",
                                    "3 2 2\n1 2 3 4\n5 6 nan 8\n9 10 11 12\n"};
  int index = 0;
  for (const std::string& text : shortFiles) {
    SCOPED_TRACE(text);
    Session s;
    ScriptedFrontend loaded;
    Open(s, loaded, WriteFile("good.dat", kTwoTriangles));
    s.GroupLimit = 1;
    const Matrix before = s.Coordinates;

    ScriptedFrontend fe;
    Open(s, fe, WriteFile("short" + std::to_string(index++) + ".dat", text));
    ASSERT_EQ(fe.messages.size(), 1u);
    EXPECT_EQ(fe.messages[0].text, "Input failed");
    EXPECT_EQ(fe.messages[0].icon, Icon::Stop);
    EXPECT_TRUE(fe.log.empty());
    EXPECT_EQ(fe.toolbarUpdates, 1);
    EXPECT_EQ(s.SpecimenCount, 2);
    EXPECT_EQ(s.LandmarkCount, 3);
    EXPECT_EQ(s.DimensionCount, 2);
    EXPECT_TRUE(s.DataLoaded);
    EXPECT_EQ(s.GroupLimit, 1);
    for (int i = 0; i < 3; ++i)
      for (int j = 0; j < 6; ++j) EXPECT_EQ(s.Coordinates[i][j], before[i][j]);
  }
  // Without earlier data the flag stays down.
  Session fresh;
  ScriptedFrontend fe;
  Open(fresh, fe, WriteFile("short0.dat", shortFiles[0]));
  EXPECT_FALSE(fresh.DataLoaded);
  EXPECT_EQ(fresh.SpecimenCount, 0);
}

TEST(OpenData, CancelChangesNothingButRefreshesTheToolbar) {
  Session s;
  ScriptedFrontend fe;
  fe.files.push_back(std::nullopt);
  OpenDataClick(s, fe);
  EXPECT_TRUE(fe.messages.empty());
  EXPECT_TRUE(fe.log.empty());
  EXPECT_EQ(fe.toolbarUpdates, 1);
  EXPECT_FALSE(s.DataLoaded);
}

TEST(OpenData, KeepsUnusedCellsAndResetsGroupsTheNewFileCannotHold) {
  Session s;
  ScriptedFrontend fe;
  Open(s, fe, WriteFile("wide.dat", Numbered("6 4 2", 48)));
  s.GroupLimit = 3;
  Open(s, fe, WriteFile("five.dat", Numbered("5 3 1", 15)));
  EXPECT_EQ(s.GroupLimit, 3);            // 3 + 2 specimens still make two groups
  EXPECT_EQ(s.Coordinates[0][3], 4.5);   // beyond the new three coordinates
  EXPECT_EQ(s.Coordinates[5][0], 41.5);  // beyond the new five specimens
  s.GroupLimit = 4;
  Open(s, fe, WriteFile("five.dat", Numbered("5 3 1", 15)));
  EXPECT_EQ(s.GroupLimit, 0);
  s.GroupLimit = 0;
  Open(s, fe, WriteFile("five.dat", Numbered("5 3 1", 15)));
  EXPECT_EQ(s.GroupLimit, 0);
}

}  // namespace
}  // namespace vrel
