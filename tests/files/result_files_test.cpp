// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "files/file_commands.h"
#include "shell/command_ids.h"
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

std::string SaveTo(CommandHandler command, Session& s, ScriptedFrontend& fe,
                   const std::string& name) {
  const std::string path = test::ScratchDir() + name;
  std::filesystem::remove(path);
  fe.files.push_back(path);
  command(s, fe);
  return test::ReadWhole(path);
}

// Each save command's layout: header integers in 4 characters, values as %15.6e, the column
// asked for (components cut to the coordinate count, ranks outside 1..99 an empty body), every
// line ending with a line end; the prompt comes before the file dialog.
TEST(ResultFiles, LayoutsByCommandAndAnswer) {
  struct Asks {
    FileDialog dialog;
    const char* prompt;  // nullptr: the command asks nothing
  };
  const std::map<CommandHandler, Asks> asks = {
      {SaveConsensusClick, {FileDialog::SaveData, nullptr}},
      {SaveSizeClick, {FileDialog::SaveSizes, nullptr}},
      {SaveResidualsClick, {FileDialog::SaveText, nullptr}},
      {SavePcsClick, {FileDialog::SaveVect, "Number of PCS"}},
      {SaveSinglePcsClick,
       {FileDialog::SaveVect, "Rank of the PCS? regression: 98; discrimination: 99"}},
      {SaveSingleScoreClick,
       {FileDialog::SaveScores, "Rank of the projection? regression: 98; discrimination: 99"}},
      {SaveScoresClick, {FileDialog::SaveScores, "Number of Projections"}}};
  struct Case {
    CommandHandler command;
    int n, p, k;
    std::optional<int> answer;  // nothing: the prompt is cancelled
    std::size_t lines;
    std::string begins;
    std::size_t lastWidth;
  };
  const Case cases[] = {
      {SaveConsensusClick, 30, 12, 2, {}, 13, "   1  12   2\n  -2.500000e-01  -1.500000e-01\n", 30},
      {SaveSizeClick, 30, 10, 2, {}, 31, "  30   1   1\n   1.000000e+02\n", 15},
      {SaveResidualsClick, 30, 10, 2, {}, 30, "   1.000000e-03   9.000000e-04", 300},
      {SavePcsClick, 30, 10, 2, 5, 21, "  20   5   1\n   0.000000e+00   1.000000e+00", 75},
      {SavePcsClick, 30, 10, 2, 50, 21, "  20  20   1\n", 300},
      {SavePcsClick, 3, 2, 2, -1, 5, "   4  -1   1\n\n", 0},
      {SaveSinglePcsClick, 4, 10, 2, 98, 21, "  20   1   1\n   9.700000e+01\n", 15},
      {SaveSinglePcsClick, 3, 2, 2, 0, 1, "   4   1   1\n", 12},
      {SaveSinglePcsClick, 3, 2, 2, 100, 1, "   4   1   1\n", 12},
      {SaveSingleScoreClick, 4, 10, 2, 1, 4, "  -5.000000e-01\n   5.000000e-01\n", 15},
      {SaveSingleScoreClick, 4, 10, 2, 99, 4, "   4.800000e-01\n", 15},
      {SaveSingleScoreClick, 3, 2, 2, 0, 0, "", 0},
      {SaveScoresClick, 2, 2, 2, 7, 2, "  -5.000000e-01  -4.900000e-01  -4.800000e-01  -4.7", 60},
      // Cancelled: the dialog still comes, and n empty lines follow.
      {SaveScoresClick, 3, 2, 2, {}, 3, "\n\n\n", 0},
  };
  int row = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "row " << row++);
    const Asks& asked = asks.at(c.command);
    Session s;
    Fill(s, c.n, c.p, c.k);
    ScriptedFrontend fe;
    if (c.answer) fe.numbers = {*c.answer};
    const std::string text = SaveTo(c.command, s, fe, "layout.out");
    const auto lines = Lines(text);
    ASSERT_EQ(lines.size(), c.lines) << text;
    EXPECT_EQ(text.substr(0, c.begins.size()), c.begins);
    if (!lines.empty()) {
      EXPECT_EQ(lines.back().size(), c.lastWidth);
      EXPECT_EQ(text.back(), '\n');
    }
    EXPECT_EQ(fe.dialogs, std::vector<FileDialog>{asked.dialog});
    EXPECT_EQ(fe.events.back(), "file:" + std::to_string(static_cast<int>(asked.dialog)));
    if (asked.prompt != nullptr) {
      EXPECT_EQ(fe.prompts, std::vector<std::string>{asked.prompt});
      EXPECT_EQ(s.PromptResult, c.answer.value_or(0));
      EXPECT_EQ(fe.events[fe.events.size() - 2], std::string("prompt:") + asked.prompt);
    } else {
      EXPECT_TRUE(fe.prompts.empty());
    }
    EXPECT_TRUE(fe.log.empty());
    EXPECT_TRUE(fe.messages.empty());
  }
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
