// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the complete analyses of tests/expected through vrel-batch and compares the log and
// every saved file with the recorded ones.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>

#include "support/test_data.h"

namespace vrel {
namespace {

namespace fs = std::filesystem;

// The recorded log marks where Clear Session empties the log window; standard output has no
// such line.
std::string WithoutClearMarks(const std::string& log) {
  std::istringstream in(log);
  std::string line, kept;
  while (std::getline(in, line))
    if (line != "LOG-CLEARED") kept += line + "\n";
  return kept;
}

void RunAnalysis(const std::string& name) {
  const fs::path expected = fs::path(VREL_SOURCE_DIR) / "tests" / "expected" / name;
  const fs::path work = fs::path(test::ScratchDir()) / "vrel-expected" / name;
  fs::remove_all(work);
  fs::create_directories(work);
  fs::create_directory_symlink(fs::path(VREL_TEST_DATA_DIR), work / "data");
  const std::string command = "cd '" + work.string() + "' && '" + VREL_BATCH_PATH + "' '" +
                              (expected / "script.vrel").string() + "' > stdout.txt 2> stderr.txt";
  ASSERT_EQ(std::system(command.c_str()), 0) << test::ReadWhole(work / "stderr.txt");
  EXPECT_EQ(test::ReadWhole(work / "stdout.txt"),
            WithoutClearMarks(test::ReadWhole(expected / "stdout.txt")));
  for (const auto& entry : fs::directory_iterator(expected)) {
    const std::string file = entry.path().filename().string();
    if (file == "script.vrel" || file == "stdout.txt" || file == "log-window.txt") continue;
    ASSERT_TRUE(fs::exists(work / file)) << file << " was not written";
    EXPECT_EQ(test::ReadWhole(work / file), test::ReadWhole(entry.path())) << file << " differs";
  }
}

// gorilla and macaques: the two analyses computed independently; drawings: the listings of the
// three windows, reviewed once; sets/: every other data set through the whole road
// (superimposition, components, regression and their saves; groups, reloads, hyperprojection or
// shape difference where the set suits them), recorded by Vrel itself so that a change of speed
// can be shown to change no result.
class ExpectedAnalyses : public ::testing::TestWithParam<const char*> {};

TEST_P(ExpectedAnalyses, WriteTheRecordedLogAndFiles) { RunAnalysis(GetParam()); }

INSTANTIATE_TEST_SUITE_P(Recorded, ExpectedAnalyses,
                         ::testing::Values("gorilla", "macaques", "drawings", "sets/digit3",
                                           "sets/gorf", "sets/gorm", "sets/macf", "sets/macm",
                                           "sets/mice", "sets/sooty2"),
                         [](const auto& info) {
                           std::string name = info.param;
                           std::replace(name.begin(), name.end(), '/', '_');
                           return name;
                         });

}  // namespace
}  // namespace vrel
