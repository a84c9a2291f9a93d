// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/file_commands.h"
#include "support/checks.h"
#include "support/scripted_frontend.h"
#include "support/test_data.h"

namespace vrel {
namespace {

using test::ScriptedFrontend;

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
  fe.files.push_back(test::WriteScratch(name, text));
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

TEST(OpenLink, ReadsUpTo49Links) {
  Session s;
  Load(s, 1, 49, 2);
  std::string text = "49\n";
  for (int l = 1; l <= 49; ++l) text += std::to_string(l) + " " + std::to_string(l % 49 + 1) + "\n";
  ScriptedFrontend fe;
  const std::string path = test::WriteScratch("links49.lie", text);
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
  fe.files.push_back(test::WriteScratch("links50.lie", text));
  OpenLinkClick(s, fe);
  EXPECT_EQ(s.LinkCount, 0);
  test::ExpectOneMessage(fe, Message::TooManyLinks);
  EXPECT_EQ(fe.log.size(), 1u);
}

TEST(OpenLink, KeepsEndpointsBeyondTheLandmarks) {
  Session s;
  Load(s, 1, 3, 2);
  ScriptedFrontend fe;
  fe.files.push_back(test::WriteScratch("links_far.lie", "2  1 2  3 12"));
  OpenLinkClick(s, fe);
  EXPECT_EQ(LinksOf(s), (std::vector<int>{1, 2, 3, 12}));

  fe.files.push_back(test::WriteScratch("links_neg.lie", "-3 1 2"));
  OpenLinkClick(s, fe);
  EXPECT_EQ(s.LinkCount, 0);
}

}  // namespace
}  // namespace vrel
