// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the complete analyses of tests/expected through vrel-batch and compares the log and
// every saved file with the recorded ones.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/test_data.h"

namespace vrel {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

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
  ASSERT_EQ(std::system(command.c_str()), 0) << ReadFile(work / "stderr.txt");
  EXPECT_EQ(ReadFile(work / "stdout.txt"), WithoutClearMarks(ReadFile(expected / "stdout.txt")));
  for (const auto& entry : fs::directory_iterator(expected)) {
    const std::string file = entry.path().filename().string();
    if (file == "script.vrel" || file == "stdout.txt" || file == "log-window.txt") continue;
    ASSERT_TRUE(fs::exists(work / file)) << file << " was not written";
    EXPECT_EQ(ReadFile(work / file), ReadFile(entry.path())) << file << " differs";
  }
}

TEST(ExpectedAnalyses, GorillaTwoDimensional) { RunAnalysis("gorilla"); }

TEST(ExpectedAnalyses, MacaquesThreeDimensional) { RunAnalysis("macaques"); }

// The pictures of the specimens, vectors and plot windows, as listings reviewed once.
TEST(ExpectedAnalyses, DrawingsOfTheThreeWindows) { RunAnalysis("drawings"); }

// Every other data set through the whole road (superimposition, components, regression and
// their saves; groups, reloads, hyperprojection or shape difference where the set suits them),
// recorded by Vrel itself so that a change of speed can be shown to change no result.
class DataSetAnalyses : public ::testing::TestWithParam<const char*> {};

TEST_P(DataSetAnalyses, WritesTheRecordedLogAndFiles) {
  RunAnalysis(std::string("sets/") + GetParam());
}

INSTANTIATE_TEST_SUITE_P(EveryDataSet, DataSetAnalyses,
                         ::testing::Values("digit3", "gorf", "gorm", "macf", "macm", "mice",
                                           "sooty2"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
}  // namespace vrel

namespace vrel {
namespace {

TEST(Examples, GorillaScriptPrintsItsRecordedLog) {
  const fs::path root(VREL_SOURCE_DIR);
  const fs::path output = fs::path(test::ScratchDir()) / "vrel-example-gorilla.txt";
  const std::string command = "cd '" + root.string() + "' && '" + VREL_BATCH_PATH +
                              "' examples/gorilla/analysis.vrel > '" + output.string() + "'";
  ASSERT_EQ(std::system(command.c_str()), 0);
  EXPECT_EQ(ReadFile(output), ReadFile(root / "examples" / "gorilla" / "expected-log.txt"));
}

}  // namespace
}  // namespace vrel
