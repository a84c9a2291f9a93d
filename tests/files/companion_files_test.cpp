#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "files/file_commands.h"
#include "support/scripted_frontend.h"
#include "support/test_data.h"

namespace vrel {
namespace {

using test::ScriptedFrontend;

std::string WriteTemp(const std::string& name, const std::string& text) {
  const std::string path = test::ScratchDir() + "vrel_cf_" + name;
  std::ofstream(path) << text;
  return path;
}

// n specimens of p landmarks in k dimensions; coordinate j of specimen i is 100 i + j.
void Load(Session& s, int n, int p, int k) {
  s.SpecimenCount = n;
  s.LandmarkCount = p;
  s.DimensionCount = k;
  s.DataLoaded = true;
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < p * k; ++j) s.Coordinates[i][j] = 100.0 * i + j;
}

void SetLinks(Session& s, const std::vector<int>& ends) {
  s.LinkCount = static_cast<int>(ends.size() / 2);
  for (std::size_t e = 0; e < ends.size(); ++e) s.Links[e] = ends[e];
}

std::vector<int> LinksOf(const Session& s) {
  return std::vector<int>(s.Links.begin(), s.Links.begin() + 2 * s.LinkCount);
}

void OpenSelection(Session& s, ScriptedFrontend& fe, const std::string& name,
                   const std::string& text) {
  fe.files.push_back(WriteTemp(name, text));
  OpenSelectClick(s, fe);
}

TEST(OpenSelection, RemovesLandmarksAndRenumbersLinks) {
  Session s;
  Load(s, 2, 5, 2);
  SetLinks(s, {1, 2, 2, 3, 3, 4, 4, 5});
  ScriptedFrontend fe;
  OpenSelection(s, fe, "sel1.vec", "1 5 1\n1\n0\n1\n1\n1\n");
  EXPECT_EQ(s.LandmarkCount, 4);
  EXPECT_EQ(LinksOf(s), (std::vector<int>{2, 3, 3, 4}));
  // Specimen 1 keeps landmarks 1, 3, 4, 5: coordinates 0 1, 4 5, 6 7, 8 9.
  const std::vector<double> expected = {100, 101, 104, 105, 106, 107, 108, 109};
  for (int j = 0; j < 8; ++j) EXPECT_EQ(s.Coordinates[1][j], expected[static_cast<size_t>(j)]);
  EXPECT_EQ(s.LandmarkSelection[1], 0.0);
  EXPECT_EQ(fe.log, std::vector<std::string>{"New data : 2 Specimens, 4 Points, 2 Dimensions."});
  EXPECT_TRUE(fe.messages.empty());
  EXPECT_EQ(fe.dialogs, std::vector<FileDialog>{FileDialog::OpenVector});
}

TEST(OpenSelection, RemovedFirstLandmarkTakesAllItsLinks) {
  Session s;
  Load(s, 1, 3, 2);
  SetLinks(s, {1, 2, 1, 3});
  ScriptedFrontend fe;
  OpenSelection(s, fe, "sel2.vec", "1 3 1 0 1 1");
  EXPECT_EQ(s.LinkCount, 0);
  EXPECT_EQ(s.LandmarkCount, 2);
  EXPECT_EQ(s.Coordinates[0][0], 2.0);
}

TEST(OpenSelection, AllZerosKeepsTheDataButNoLinks) {
  Session s;
  Load(s, 2, 4, 2);
  SetLinks(s, {1, 2, 3, 4});
  ScriptedFrontend fe;
  OpenSelection(s, fe, "sel3.vec", "1 4 1 0 0 0 0");
  EXPECT_EQ(s.LinkCount, 0);
  EXPECT_EQ(s.LandmarkCount, 4);
  for (int j = 0; j < 8; ++j) EXPECT_EQ(s.Coordinates[1][j], 100.0 + j);
  EXPECT_EQ(fe.log.back(), "New data : 2 Specimens, 4 Points, 2 Dimensions.");
}

TEST(OpenSelection, WorksForMoreThan33Landmarks) {
  Session s;
  Load(s, 2, 60, 1);
  SetLinks(s, {59, 60, 1, 60});
  std::string text = "1 60 1";
  for (int l = 0; l < 60; ++l) text += l == 0 ? " 0" : " 1";
  ScriptedFrontend fe;
  OpenSelection(s, fe, "sel4.vec", text);
  EXPECT_EQ(s.LandmarkCount, 59);
  EXPECT_EQ(s.LandmarkSelection[59], 1.0);
  EXPECT_EQ(s.Coordinates[1][58], 159.0);
  EXPECT_EQ(LinksOf(s), (std::vector<int>{58, 59}));
}

TEST(OpenSelection, RefusedFilesChangeNothing) {
  Session s;
  Load(s, 2, 3, 2);
  SetLinks(s, {1, 2});
  const Session before = s;
  ScriptedFrontend fe;

  OpenSelection(s, fe, "sel5.vec", "1 4 1 1 1 1 1");
  ASSERT_EQ(fe.messages.size(), 1u);
  EXPECT_EQ(fe.messages[0].text, "Data not congruent");
  EXPECT_EQ(fe.messages[0].icon, Icon::Exclamation);
  EXPECT_EQ(fe.log, std::vector<std::string>{"New data : 2 Specimens, 3 Points, 2 Dimensions."});

  OpenSelection(s, fe, "sel6.vec", "1 3 1 1 0");  // one value short
  OpenSelection(s, fe, "sel7.vec", "1 3 1 1 zero 1");
  OpenSelection(s, fe, "sel8.vec", "1 3");
  fe.files.push_back(test::ScratchDir() + "no_such_selection.vec");
  OpenSelectClick(s, fe);
  ASSERT_EQ(fe.messages.size(), 5u);
  EXPECT_EQ(fe.messages[1].text, "Input failed");
  EXPECT_EQ(fe.messages[1].icon, Icon::Stop);
  EXPECT_EQ(fe.messages[2].text, "Input failed");
  EXPECT_EQ(fe.messages[3].text, "Invalid file");
  EXPECT_EQ(fe.messages[4].text, "Invalid file");
  EXPECT_EQ(fe.messages[4].icon, Icon::Stop);
  EXPECT_EQ(fe.log.size(), 1u);

  EXPECT_EQ(s.LandmarkCount, 3);
  EXPECT_EQ(LinksOf(s), (std::vector<int>{1, 2}));
  for (int j = 0; j < 6; ++j) EXPECT_EQ(s.Coordinates[1][j], before.Coordinates[1][j]);
  EXPECT_EQ(s.LandmarkSelection[1], before.LandmarkSelection[1]);

  OpenSelectClick(s, fe);  // cancelled
  EXPECT_EQ(fe.log.size(), 1u);
}

TEST(OpenLink, ReadsUpTo49Links) {
  Session s;
  Load(s, 1, 49, 2);
  std::string text = "49\n";
  for (int l = 1; l <= 49; ++l) text += std::to_string(l) + " " + std::to_string(l % 49 + 1) + "\n";
  ScriptedFrontend fe;
  const std::string path = WriteTemp("links49.lie", text);
  fe.files.push_back(path);
  OpenLinkClick(s, fe);
  EXPECT_EQ(s.LinkCount, 49);
  EXPECT_EQ(s.Links[96], 49);
  EXPECT_EQ(s.Links[97], 1);
  EXPECT_EQ(fe.log, std::vector<std::string>{"Link File : " + path});
  EXPECT_TRUE(fe.Invalidated(Window::Specimens));
  EXPECT_EQ(fe.dialogs, std::vector<FileDialog>{FileDialog::OpenLink});

  text = "50\n";
  for (int l = 1; l <= 50; ++l) text += "1 2\n";
  fe.files.push_back(WriteTemp("links50.lie", text));
  OpenLinkClick(s, fe);
  EXPECT_EQ(s.LinkCount, 0);
  ASSERT_EQ(fe.messages.size(), 1u);
  EXPECT_EQ(fe.messages[0].text, "Too many links");
  EXPECT_EQ(fe.log.size(), 1u);
}

TEST(OpenLink, KeepsEndpointsBeyondTheLandmarks) {
  Session s;
  Load(s, 1, 3, 2);
  ScriptedFrontend fe;
  fe.files.push_back(WriteTemp("links_far.lie", "2  1 2  3 12"));
  OpenLinkClick(s, fe);
  EXPECT_EQ(LinksOf(s), (std::vector<int>{1, 2, 3, 12}));

  fe.files.push_back(WriteTemp("links_neg.lie", "-3 1 2"));
  OpenLinkClick(s, fe);
  EXPECT_EQ(s.LinkCount, 0);
}

TEST(OpenLink, BadFilesKeepTheLinksAndCancelStillRepaints) {
  Session s;
  Load(s, 1, 4, 2);
  SetLinks(s, {1, 2, 2, 3});
  ScriptedFrontend fe;
  fe.files = {WriteTemp("short.lie", "3 1 2 2 3 3"), WriteTemp("word.lie", "2 1 two 2 3"),
              WriteTemp("empty.lie", ""), std::nullopt};
  for (int run = 0; run < 4; ++run) OpenLinkClick(s, fe);
  ASSERT_EQ(fe.messages.size(), 3u);
  EXPECT_EQ(fe.messages[0].text, "Input failed");
  EXPECT_EQ(fe.messages[1].text, "Input failed");
  EXPECT_EQ(fe.messages[2].text, "Invalid file");
  for (const auto& message : fe.messages) EXPECT_EQ(message.icon, Icon::Stop);
  EXPECT_EQ(LinksOf(s), (std::vector<int>{1, 2, 2, 3}));
  EXPECT_TRUE(fe.log.empty());
  EXPECT_EQ(fe.Count("invalidate:Specimens"), 4);
}

}  // namespace
}  // namespace vrel
