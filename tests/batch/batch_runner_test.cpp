#include "batch/batch_runner.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "batch/batch_frontend.h"
#include "support/test_data.h"

namespace vrel {
namespace {

struct ScriptRun {
  int status;
  std::string out;
  std::string err;
};

ScriptRun RunScript(Session& s, const std::string& script, bool keepGoing = false) {
  std::istringstream in(script);
  std::ostringstream out, err;
  const int status = RunBatchScript(s, "job.vrel", in, out, err, keepGoing);
  return {status, out.str(), err.str()};
}

TEST(BatchScript, SplitsWordsAndDropsComments) {
  EXPECT_EQ(SplitScriptLine("  save-scores\t12  scores.txt # twelve"),
            (std::vector<std::string>{"save-scores", "12", "scores.txt"}));
  EXPECT_TRUE(SplitScriptLine("# only a comment").empty());
  EXPECT_EQ(SplitScriptLine("save-residuals res#1.txt #a comment"),
            (std::vector<std::string>{"save-residuals", "res#1.txt"}));
  EXPECT_TRUE(SplitScriptLine("   ").empty());
}

TEST(BatchScript, CommentsAndClearSessionRunCleanly) {
  Session s;
  s.GroupLimit = 4;
  const ScriptRun run = RunScript(s, "# start afresh\n\nclear-session   # again\r\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(s.GroupLimit, 0);
}

TEST(BatchScript, RefusalsNameTheScriptAndLineAndStopTheRun) {
  Session s;
  ScriptRun run = RunScript(s, "clear-session\nfrobnicate 3\nclear-session\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "job.vrel:2: unknown command 'frobnicate'\n");

  run = RunScript(s, "# header\nregression\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "job.vrel:2: 'regression' takes 1 argument, 0 given\n");

  run = RunScript(s, "save-scores 5\n");
  EXPECT_EQ(run.err, "job.vrel:1: 'save-scores' takes 2 arguments, 1 given\n");

  run = RunScript(s, "clear-session extra\n");
  EXPECT_EQ(run.err, "job.vrel:1: 'clear-session' takes 0 arguments, 1 given\n");
}

TEST(BatchScript, ACommandThatIsDisabledNowIsRefused) {
  Session s;
  const ScriptRun run = RunScript(s, "superimpose\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "job.vrel:1: 'superimpose' is not available now\n");
  EXPECT_FALSE(s.Superimposed);
}

TEST(BatchScript, AMessageStopsTheRunAfterItsLine) {
  Session s;
  const ScriptRun run = RunScript(s, "open-data /nonexistent/file.dat\nclear-session\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "job.vrel:1: Invalid file\n");
}

TEST(BatchScript, KeepGoingReportsEveryRefusalAndStillFails) {
  Session s;
  const ScriptRun run = RunScript(s, "nope\nclear-session\nnope again\n", true);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "job.vrel:1: unknown command 'nope'\njob.vrel:3: unknown command 'nope'\n");
}

TEST(BatchFrontend, AnswersComeFromArgumentsAndMessagesGoToStandardError) {
  std::ostringstream out, err;
  BatchFrontend fe(out, err);
  fe.SetLocation("a.vrel", 7);
  fe.numbers.push_back(12);
  fe.files.push_back(std::string("x.txt"));
  fe.files.push_back(std::nullopt);
  EXPECT_EQ(fe.AskNumber("Number of PCS"), 12);
  EXPECT_EQ(fe.AskNumber("Number of PCS"), 0);  // nothing more queued: as Cancel
  EXPECT_EQ(fe.ChooseFile(FileDialog::SaveText), std::optional<std::string>("x.txt"));
  EXPECT_EQ(fe.ChooseFile(FileDialog::SaveText), std::nullopt);
  fe.AppendLog("a log line");
  fe.ShowMessage("Invalid file", "", Icon::Stop);
  EXPECT_EQ(out.str(), "a log line\n");
  EXPECT_EQ(err.str(), "a.vrel:7: Invalid file\n");
  EXPECT_EQ(fe.messageCount, 1);
}

// The installed program: exit status and standard error as a shell script sees them.
std::string ReadAll(FILE* pipe) {
  std::string text;
  std::array<char, 256> buffer{};
  while (std::fgets(buffer.data(), static_cast<int>(buffer.size()), pipe) != nullptr)
    text += buffer.data();
  return text;
}

int RunProgram(const std::string& script, std::string& output) {
  const std::string path = test::ScratchDir() + "program_test.vrel";
  std::ofstream(path) << script;
  const std::string command = std::string(VREL_BATCH_PATH) + " " + path + " 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return -1;
  output = ReadAll(pipe);
  const int status = pclose(pipe);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(BatchProgram, ExitStatusFollowsTheScript) {
  std::string output;
  EXPECT_EQ(RunProgram("# nothing but a comment\nclear-session\n", output), 0);
  EXPECT_EQ(output, "");
  EXPECT_EQ(RunProgram("clear-session\nunknown-word\n", output), 1);
  EXPECT_NE(output.find("program_test.vrel:2: unknown command 'unknown-word'"), std::string::npos)
      << output;
}

// A script that cannot be read is not run: status 2, apart from 1 for a message.
TEST(BatchProgram, UnreadableScriptsExitWithStatusTwo) {
  for (const std::string& script : {test::ScratchDir() + "missing.vrel", test::ScratchDir()}) {
    const std::string command = std::string(VREL_BATCH_PATH) + " " + script + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    const std::string output = ReadAll(pipe);
    const int status = pclose(pipe);
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 2) << script;
    EXPECT_NE(output.find("cannot read the script"), std::string::npos) << output;
  }
}

}  // namespace
}  // namespace vrel
