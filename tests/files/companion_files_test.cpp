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

// Each selection keeps the landmarks marked 1, in their order, in every specimen; links to a
// removed landmark go and the others are renumbered. Keeping none keeps the data as it was.
TEST(OpenSelection, RemovesLandmarksAndRenumbersLinks) {
  struct Case {
    int n, p, k;
    std::vector<int> links, keep, keptLinks;
  };
  std::vector<int> allButFirst(60, 1);
  allButFirst[0] = 0;
  const Case cases[] = {
      {2, 5, 2, {1, 2, 2, 3, 3, 4, 4, 5}, {1, 0, 1, 1, 1}, {2, 3, 3, 4}},
      {1, 3, 2, {1, 2, 1, 3}, {0, 1, 1}, {}},
      {2, 4, 2, {1, 2, 3, 4}, {0, 0, 0, 0}, {}},
      {2, 60, 1, {59, 60, 1, 60}, allButFirst, {58, 59}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.p << " landmarks in " << c.k << " dimensions");
    Session s;
    Load(s, c.n, c.p, c.k);
    SetLinks(s, c.links);
    std::string file = "1 " + std::to_string(c.p) + " 1\n";
    std::vector<int> kept;
    for (int l = 0; l < c.p; ++l) {
      file += std::to_string(c.keep[static_cast<std::size_t>(l)]) + "\n";
      if (c.keep[static_cast<std::size_t>(l)] == 1) kept.push_back(l);
    }
    if (kept.empty())
      for (int l = 0; l < c.p; ++l) kept.push_back(l);
    ScriptedFrontend fe;
    fe.files.push_back(test::WriteScratch("selection.vec", file));
    OpenSelectClick(s, fe);
    EXPECT_TRUE(fe.messages.empty());
    EXPECT_EQ(fe.dialogs, std::vector<FileDialog>{FileDialog::OpenVector});
    EXPECT_EQ(s.LandmarkCount, static_cast<int>(kept.size()));
    EXPECT_EQ(LinksOf(s), c.keptLinks);
    for (int l = 0; l < c.p; ++l)
      EXPECT_EQ(s.LandmarkSelection[l], c.keep[static_cast<std::size_t>(l)]) << l;
    for (int i = 0; i < c.n; ++i)
      for (std::size_t j = 0; j < kept.size(); ++j)
        for (int d = 0; d < c.k; ++d)
          EXPECT_EQ(s.Coordinates[i][static_cast<int>(j) * c.k + d], 100.0 * i + kept[j] * c.k + d);
    EXPECT_EQ(fe.log, std::vector<std::string>{"New data : " + std::to_string(c.n) +
                                               " Specimens, " + std::to_string(kept.size()) +
                                               " Points, " + std::to_string(c.k) + " Dimensions."});
  }
}

// Up to 49 links are read, endpoints beyond the landmarks kept (the drawings skip them); a
// negative count holds none, and 50 are too many: the old links go too.
TEST(OpenLink, ReadsUpTo49Links) {
  std::string links49 = "49\n", links50 = "50\n";
  std::vector<int> ends49;
  for (int l = 1; l <= 49; ++l) {
    links49 += std::to_string(l) + " " + std::to_string(l % 49 + 1) + "\n";
    ends49.insert(ends49.end(), {l, l % 49 + 1});
    links50 += "1 2\n";
  }
  links50 += "1 2\n";
  struct Case {
    std::string file;
    std::vector<int> links;
    bool tooMany = false;
  };
  const Case cases[] = {
      {links49, ends49}, {links50, {}, true}, {"2  1 2  3 12", {1, 2, 3, 12}},
      {"0", {}},         {"-1 1 2", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file.substr(0, 12));
    Session s;
    Load(s, 1, 49, 2);
    SetLinks(s, {1, 2});
    ScriptedFrontend fe;
    const std::string path = test::WriteScratch("links.lie", c.file);
    fe.files.push_back(path);
    OpenLinkClick(s, fe);
    EXPECT_EQ(LinksOf(s), c.links);
    if (c.tooMany) {
      test::ExpectOneMessage(fe, Message::TooManyLinks);
      EXPECT_TRUE(fe.log.empty());
    } else {
      EXPECT_TRUE(fe.messages.empty());
      EXPECT_EQ(fe.log, std::vector<std::string>{"Link File : " + path});
    }
    EXPECT_TRUE(fe.Invalidated(Window::Specimens));
    EXPECT_EQ(fe.dialogs, std::vector<FileDialog>{FileDialog::OpenLink});
  }
}

}  // namespace
}  // namespace vrel
