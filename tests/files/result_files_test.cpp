// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "files/file_commands.h"
#include "support/checks.h"
#include "support/scripted_frontend.h"
#include "support/test_data.h"

namespace vrel {
namespace {

using test::ScriptedFrontend;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  std::istringstream in(text);
  while (std::getline(in, line)) lines.push_back(line);
  return lines;
}

// A session of n specimens with p landmarks in k dimensions whose arrays hold distinct values.
void Fill(Session& s, int n, int p, int k) {
  s.SpecimenCount = n;
  s.LandmarkCount = p;
  s.DimensionCount = k;
  s.DataLoaded = s.Superimposed = s.ComponentsComputed = true;
  for (int i = 0; i < MaxSpecimens; ++i) {
    s.Sizes[static_cast<std::size_t>(i)] = 100.0 + i;
    for (int j = 0; j < MaxComponents; ++j) {
      s.Residuals[i][j] = 0.001 * (i + 1) - 0.0001 * j;
      s.Scores[i][j] = -0.5 + i + 0.01 * j;
    }
  }
  for (int j = 0; j < MaxCoordinates; ++j) {
    s.Consensus[j] = 0.1 * j - 0.25;
    for (int c = 0; c < MaxComponents; ++c) s.Pcs[j][c] = 0.01 * j + c;
  }
}

template <typename Command>
std::string SaveTo(Command command, Session& s, ScriptedFrontend& fe, const std::string& name) {
  const std::string path = test::ScratchDir() + name;
  std::filesystem::remove(path);
  fe.files.push_back(path);
  command(s, fe);
  return test::ReadWhole(path);
}

TEST(ResultFiles, ConsensusIsAOneSpecimenDataFile) {
  Session s;
  Fill(s, 30, 12, 2);
  ScriptedFrontend fe;
  const auto lines = Lines(SaveTo(SaveConsensusClick, s, fe, "consensus.dat"));
  ASSERT_EQ(lines.size(), 13u);
  EXPECT_EQ(lines[0], "   1  12   2");
  for (std::size_t l = 1; l < lines.size(); ++l) EXPECT_EQ(lines[l].size(), 30u) << l;
  // Landmark 3 holds coordinates 6 and 7.
  EXPECT_EQ(lines[4], "   3.500000e-01   4.500000e-01");
  EXPECT_EQ(fe.dialogs, std::vector<FileDialog>{FileDialog::SaveData});
  EXPECT_TRUE(fe.log.empty());
  EXPECT_TRUE(fe.messages.empty());
}

TEST(ResultFiles, SizesAndResidualsLayouts) {
  Session s;
  Fill(s, 30, 10, 2);
  ScriptedFrontend fe;
  const std::string sizes = SaveTo(SaveSizeClick, s, fe, "sizes.vec");
  const auto lines = Lines(sizes);
  ASSERT_EQ(lines.size(), 31u);
  EXPECT_EQ(lines[0], "  30   1   1");
  EXPECT_EQ(lines[30], "   1.290000e+02");
  EXPECT_EQ(sizes.back(), '\n');

  const auto residuals = Lines(SaveTo(SaveResidualsClick, s, fe, "residuals.txt"));
  ASSERT_EQ(residuals.size(), 30u);
  EXPECT_EQ(residuals[0].size(), 20u * 15u);
  EXPECT_EQ(residuals[1].substr(0, 30), "   2.000000e-03   1.900000e-03");
  EXPECT_EQ(fe.dialogs, (std::vector<FileDialog>{FileDialog::SaveSizes, FileDialog::SaveText}));
}

TEST(ResultFiles, ComponentsAreCutToTheCoordinateCount) {
  Session s;
  Fill(s, 30, 10, 2);
  ScriptedFrontend fe;
  fe.numbers = {5, 50};
  const auto five = Lines(SaveTo(SavePcsClick, s, fe, "pcs5.vec"));
  ASSERT_EQ(five.size(), 21u);
  EXPECT_EQ(five[0], "  20   5   1");
  for (std::size_t j = 1; j < five.size(); ++j) EXPECT_EQ(five[j].size(), 75u);
  EXPECT_EQ(five[2].substr(15, 15), "   1.010000e+00");

  const auto capped = Lines(SaveTo(SavePcsClick, s, fe, "pcs50.vec"));
  ASSERT_EQ(capped.size(), 21u);
  EXPECT_EQ(capped[0], "  20  20   1");
  EXPECT_EQ(capped[1].size(), 300u);
  EXPECT_EQ(fe.prompts, (std::vector<std::string>{"Number of PCS", "Number of PCS"}));
  EXPECT_EQ(s.PromptResult, 50);
}

TEST(ResultFiles, SingleColumnsByRank) {
  Session s;
  Fill(s, 4, 10, 2);
  ScriptedFrontend fe;
  fe.numbers = {98, 1, 99};
  const auto regression = Lines(SaveTo(SaveSinglePcsClick, s, fe, "regression.vec"));
  ASSERT_EQ(regression.size(), 21u);
  EXPECT_EQ(regression[0], "  20   1   1");
  EXPECT_EQ(regression[3], "   9.702000e+01");  // Pcs[2][97]
  EXPECT_EQ(fe.prompts[0], "Rank of the PCS? regression: 98; discrimination: 99");

  const std::string first = SaveTo(SaveSingleScoreClick, s, fe, "first.txt");
  EXPECT_EQ(first, "  -5.000000e-01\n   5.000000e-01\n   1.500000e+00\n   2.500000e+00\n");
  const auto discrim = Lines(SaveTo(SaveSingleScoreClick, s, fe, "discrim.txt"));
  ASSERT_EQ(discrim.size(), 4u);
  EXPECT_EQ(discrim[0], "   4.800000e-01");  // Scores[0][98]
  EXPECT_EQ(fe.prompts[1], "Rank of the projection? regression: 98; discrimination: 99");
}

TEST(ResultFiles, OutOfRangeAnswers) {
  Session s;
  Fill(s, 3, 2, 2);
  ScriptedFrontend fe;
  fe.numbers = {0, 100, 0, -1};
  EXPECT_EQ(SaveTo(SaveSinglePcsClick, s, fe, "pcs0.vec"), "   4   1   1\n");
  EXPECT_EQ(SaveTo(SaveSinglePcsClick, s, fe, "pcs100.vec"), "   4   1   1\n");
  EXPECT_EQ(SaveTo(SaveSingleScoreClick, s, fe, "proj0.txt"), "");
  EXPECT_EQ(SaveTo(SavePcsClick, s, fe, "pcsneg.vec"), "   4  -1   1\n\n\n\n\n");
  // Nothing queued: the prompt is cancelled, the dialog still comes, and n empty lines follow.
  EXPECT_EQ(SaveTo(SaveScoresClick, s, fe, "scores.txt"), "\n\n\n");
  ASSERT_GE(fe.events.size(), 2u);
  EXPECT_EQ(fe.events[fe.events.size() - 2], "prompt:Number of Projections");
  EXPECT_EQ(fe.events.back(), "file:" + std::to_string(static_cast<int>(FileDialog::SaveScores)));
  EXPECT_TRUE(fe.messages.empty());
}

TEST(ResultFiles, ScoresLoweredToTheCoordinateCount) {
  Session s;
  Fill(s, 2, 2, 2);
  ScriptedFrontend fe;
  fe.numbers = {7};
  const auto lines = Lines(SaveTo(SaveScoresClick, s, fe, "scores4.txt"));
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1], "   5.000000e-01   5.100000e-01   5.200000e-01   5.300000e-01");
}

TEST(ResultFiles, CancelWritesNothingAndFailureIsReported) {
  Session s;
  Fill(s, 3, 2, 2);
  ScriptedFrontend fe;
  fe.numbers = {2};
  SaveScoresClick(s, fe);  // dialog cancelled
  EXPECT_EQ(fe.prompts.size(), 1u);
  EXPECT_TRUE(fe.messages.empty());

  const std::string path = test::ScratchDir() + "missing_dir/out.vec";
  fe.files.push_back(path);
  SaveSizeClick(s, fe);
  test::ExpectOneMessage(fe, Message::CannotWriteFile, path);
  EXPECT_FALSE(std::filesystem::exists(path));
  EXPECT_TRUE(fe.log.empty());

  // A device that accepts the open but not the data.
  if (std::filesystem::exists("/dev/full")) {
    fe.files.push_back("/dev/full");
    SaveResidualsClick(s, fe);
    ASSERT_EQ(fe.messages.size(), 2u);
    EXPECT_EQ(fe.messages[1].text, "Cannot write file /dev/full");
  }
}

// Holds writes to a file size limit while it lives; the signal a write beyond it raises is
// ignored, so that the write fails instead.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    previous_ = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{bytes, saved_.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previous_);
  }

 private:
  rlimit saved_{};
  void (*previous_)(int) = nullptr;
};

// Every result file, whatever its layout, is replaced only once written whole: a write that
// fails part way leaves the old file as it was, no temporary file beside it, and a message.
TEST(ResultFiles, AFailedWriteLeavesTheOldFileIntact) {
  Session s;
  Fill(s, 20, 4, 2);
  struct Case {
    void (*command)(Session&, Frontend&);
    const char* name;
  };
  const Case cases[] = {{SaveResidualsClick, "res.txt"},    {SaveConsensusClick, "cons.dat"},
                        {SaveSizeClick, "sizes.txt"},       {SaveSizeClick, "sizes.csv"},
                        {SaveScoresClick, "scores.csv"},    {SaveScoresClick, "scores.txt"},
                        {SaveSingleScoreClick, "one.csv"},  {SavePcsClick, "pcs.vec"},
                        {SaveSinglePcsClick, "one_pcs.vec"}};
  const std::string dir = test::ScratchDir() + "limited/";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directory(dir);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = test::WriteScratch(std::string("limited/") + c.name, "old\n");
    ScriptedFrontend fe;
    fe.numbers = {8};
    fe.files.push_back(path);
    {
      const FileSizeLimit limit(100);
      c.command(s, fe);
    }
    test::ExpectOneMessage(fe, Message::CannotWriteFile, path);
    EXPECT_EQ(test::ReadWhole(path), "old\n");
    // The same save without the limit writes the file whole.
    fe.files.push_back(path);
    fe.numbers = {8};
    c.command(s, fe);
    EXPECT_GT(test::ReadWhole(path).size(), 100u);
  }
  std::size_t files = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir)) ++files;
  EXPECT_EQ(files, std::size(cases));
}

}  // namespace
}  // namespace vrel
