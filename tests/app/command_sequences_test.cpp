// SPDX-License-Identifier: GPL-3.0-or-later
// Random sequences of commands with hostile answers and files: after every command the session
// holds only what its capacities allow and only finite numbers, the log shows no "nan" or
// "inf", and a command that was refused or showed a message changed nothing.
// VREL_SEQUENCES and VREL_SEQUENCE_SEED choose how many sequences run and from which seed
// (tools/sequences.sh sets them).
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdlib>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "app/command_table.h"
#include "app/toolbar.h"
#include "batch/batch_runner.h"
#include "files/text_source.h"
#include "shell/enabling.h"
#include "shell/file_dialogs.h"
#include "support/invariants.h"
#include "support/stages.h"
#include "support/test_data.h"

namespace vrel {
namespace {

constexpr int CommandsPerSequence = 40;

const int HostileNumbers[] = {0,  -1, 1,  2,  3,  5,   12,      29,     30,
                              31, 96, 97, 98, 99, 300, INT_MAX, INT_MIN};

// Tokens that replace a number of a real file.
const char* const HostileTokens[] = {"0",      "-1",         "1",           "2",     "99",
                                     "100",    "300",        "301",         "1e308", "-1e308",
                                     "1e-320", "2147483647", "-2147483648", "x",     "nan"};

// Real files, and files that only a hostile user would give.
const std::vector<std::string>& RealFiles() {
  static const std::vector<std::string> files = {
      test::DataFile("gorilla.dat"),
      test::DataFile("macaques.dat"),
      test::DataFile("sooty2.dat"),
      test::DataFile("mice.dat"),
      test::DataFile("gorilla.lie"),
      test::DataFile("macaques_wire.lie"),
      test::DataFile("gorilla_sex.vec"),
      test::DataFile("direction_x1.dat"),
      VREL_SOURCE_DIR "/tests/expected/gorilla/pcs.vec",
      VREL_SOURCE_DIR "/tests/expected/gorilla/consensus.dat",
      VREL_SOURCE_DIR "/tests/expected/gorilla/regression.vec"};
  return files;
}

const std::vector<std::string>& RealTexts() {
  static const std::vector<std::string> texts = [] {
    std::vector<std::string> read;
    for (const std::string& path : RealFiles()) read.push_back(test::ReadWhole(path));
    return read;
  }();
  return texts;
}

const char* const EdgeFiles[] = {
    "",
    "0 0 0",
    "1 1 1\n5\n",
    "301 2 2\n",
    "1 100 1\n",
    "2 50 2\n",
    "-1 3 2\n",
    "2147483647 1 1\n",
    "2 3 2\n0 0 0 0 0 0\n0 0 0 0 0 0\n",
    "3 2 1\n1 2 1 2 1 2\n",
    "2 3 2\n1e308 0 0 1e308 -1e308 0\n1 1 5 1 1 4\n",
    "3 3 2\n0 0 4 0 0 3\n1e-310 0 4 0 0 3\n1 1 5 1 1 4\n",
    "50\n1 2 2 3",
    "1 8 1\n0 0 0 0 0 0 0 0\n",
    "1 8 1\n1 1 1 1 1 1 1 0\n",
    "16 1 1\n1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0\n",
    "1 8 2\n0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0\n",
};

std::vector<std::string> Tokens(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> tokens;
  for (std::string token; in >> token;) tokens.push_back(token);
  return tokens;
}

// A real file with a few numbers replaced, or cut short.
std::string Mutated(const std::string& text, std::mt19937& random) {
  std::vector<std::string> tokens = Tokens(text);
  if (tokens.empty()) return text;
  auto pick = [&random](std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
  };
  const std::size_t changes = 1 + pick(3);
  for (std::size_t c = 0; c < changes; ++c) {
    // The header is where most of the trouble is.
    const std::size_t at =
        pick(2) == 0 ? pick(std::min<std::size_t>(4, tokens.size())) : pick(tokens.size());
    tokens[at] = HostileTokens[pick(std::size(HostileTokens))];
  }
  if (pick(4) == 0) tokens.resize(pick(tokens.size()) + 1);
  std::string out;
  for (const std::string& token : tokens) out += token + ' ';
  return out;
}

// Answers save dialogs with a scratch file or a path that cannot be written, whatever was
// queued, so that no sequence writes over a data file.
class SequenceFrontend : public test::LogOnlyFrontend {
 public:
  std::string savePath;
  std::optional<std::string> ChooseFile(FileDialog dialog) override {
    auto answer = HeadlessFrontend::ChooseFile(dialog);
    if (DialogSpec(dialog).save && answer) return savePath;
    return answer;
  }
};

class SequenceRunner {
 public:
  SequenceRunner() {
    fe_.stopProgressAt = 300;  // a long permutation test is cut short as a user would
  }

  // Runs the sequence of this seed; returns what went wrong, with the commands that led to it.
  std::string Run(unsigned seed) {
    random_.seed(seed);
    InMemoryFiles files;
    for (std::size_t i = 0; i < std::size(EdgeFiles); ++i)
      files.Set("edge-" + std::to_string(i), EdgeFiles[i]);
    const int mutations = 4;
    for (int i = 0; i < mutations; ++i)
      files.Set("mutated-" + std::to_string(i),
                Mutated(RealTexts()[Pick(RealTexts().size())], random_));

    Session s =
        test::GorillaAt(test::AllStages[Pick(2) == 0 ? 0 : Pick(std::size(test::AllStages))]);
    std::string trace;
    for (int step = 0; step < CommandsPerSequence; ++step) {
      before_ = s;  // assigning reuses the arrays: no allocation per command
      const Session& before = before_;
      fe_.Reset();
      std::string fault;
      if (Pick(8) == 0) {
        RunToolbarControl(s, trace);
        fault = test::CommandFault(before, s, fe_.messageCount > 0, fe_.log);
      } else {
        const CommandInfo& command = ChooseCommand(s);
        trace += command.name;
        QueueAnswers(command, mutations, trace);
        trace += "; ";
        const CommandOutcome outcome = RunGatedCommand(s, fe_, command);
        if (outcome == CommandOutcome::NotAvailableNow) {
          const std::vector<std::string> changes = test::SessionDifferences(before, s);
          if (!changes.empty() || !fe_.log.empty() || fe_.messageCount > 0)
            fault = "a command that is not available ran";
        }
        if (fault.empty())
          fault = test::CommandFault(before, s, outcome == CommandOutcome::ShowedMessage, fe_.log);
      }
      if (!fault.empty()) return fault + "\n  after: " + trace;
    }
    return {};
  }

 private:
  std::size_t Pick(std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
  }

  // Mostly a command that the menus offer now, so that sequences get far into an analysis.
  const CommandInfo& ChooseCommand(const Session& s) {
    const auto& table = CommandTable();
    if (Pick(5) > 0) {
      std::vector<const CommandInfo*> enabled;
      for (const CommandInfo& info : table)
        if (MenuItemEnabled(s, info.id) && info.id != CommandId::ClearSession)
          enabled.push_back(&info);
      if (!enabled.empty()) return *enabled[Pick(enabled.size())];
    }
    return table[Pick(table.size())];
  }

  int Number() {
    if (Pick(3) == 0) return static_cast<int>(Pick(60)) + 1;
    return HostileNumbers[Pick(std::size(HostileNumbers))];
  }

  void QueueAnswers(const CommandInfo& command, int mutations, std::string& trace) {
    fe_.savePath = Pick(4) == 0 ? "/nonexistent-vrel-folder/out" : test::ScratchDir() + "out";
    for (ArgKind kind : command.args) {
      if (kind == ArgKind::Text) {
        static const char* const models[] = {"Cs", "logCs * sex", "sex:sex + (Cs", "log(sex)",
                                             "a*b*c*d*e*f*g*h*i*j*k", "", "((((Cs))))"};
        fe_.texts.push_back(models[Pick(std::size(models))]);
        trace += std::string(" '") + *fe_.texts.back() + "'";
        continue;
      }
      if (kind == ArgKind::Number || kind == ArgKind::Variable) {
        fe_.numbers.push_back(Number());
        trace += ' ';
        trace += std::to_string(fe_.numbers.back());
        continue;
      }
      std::optional<std::string> file;
      switch (Pick(8)) {
        case 0:
          break;  // the dialog cancelled
        case 1:
        case 2:
          file = std::string("edge-").append(std::to_string(Pick(std::size(EdgeFiles))));
          break;
        case 3:
        case 4:
          file = std::string("mutated-").append(std::to_string(Pick(mutations)));
          break;
        default:
          file = RealFiles()[Pick(RealFiles().size())];
      }
      fe_.files.push_back(file);
      const std::size_t slash = file ? file->rfind('/') : std::string::npos;
      trace += ' ';
      trace += !file                        ? std::string("-")
               : slash == std::string::npos ? *file
                                            : file->substr(slash + 1);
    }
  }

  // A toolbar control that takes a value (the others run menu commands), through the toolbar's
  // enabling.
  void RunToolbarControl(Session& s, std::string& trace) {
    std::vector<const ToolbarControlInfo*> controls;
    for (const ToolbarControlInfo& control : ToolbarTable())
      if (control.handler != nullptr) controls.push_back(&control);
    const ToolbarControlInfo& control = *controls[Pick(controls.size())];
    const int value = Number();
    trace += std::string(control.name) + " " + std::to_string(value) + "; ";
    if (ToolbarEnabled(s)[static_cast<std::size_t>(control.id)]) control.handler(s, fe_, value);
  }

  std::mt19937 random_;
  SequenceFrontend fe_;
  Session before_;
};

long FromEnvironment(const char* name, long fallback) {
  const char* value = std::getenv(name);
  return value != nullptr ? std::strtol(value, nullptr, 10) : fallback;
}

TEST(CommandSequences, KeepTheSessionSoundWhateverTheAnswers) {
  const long count = FromEnvironment("VREL_SEQUENCES", 2000);
  const long seed = FromEnvironment("VREL_SEQUENCE_SEED", 1);
  int failures = 0;
  SequenceRunner runner;
  for (long i = 0; i < count && failures < 5; ++i) {
    const std::string fault = runner.Run(static_cast<unsigned>(seed * 1000003 + i));
    if (!fault.empty()) {
      ++failures;
      ADD_FAILURE() << "sequence " << i << " of seed " << seed << ": " << fault;
    }
  }
}

// The checks above are only worth what they catch.
TEST(CommandSequences, ChecksCatchUnsoundSessionsAndLogLines) {
  struct {
    const char* line;
    bool fault;
  } const lines[] = {
      {"R\u00b2= 1.000000, F= inf with 3 and 16 DF, p< 0.000000", false},
      {"R\u00b2= 0.500000, F= inf with 3 and 16 DF, p< 0.000000", true},
      {"R\u00b2= 1.000000, F= inf with 3 and 16 DF, p< nan", true},
      {"PCS 1 :  -nan", true},
      {"Sum of Squared Deviations =  -inf", true},
      {"Angle between vectors = NaN degrees", true},
      {"Data File : /home/nan/inf.dat", false},
      {"Shape vectors reloaded and scores computed", false},
  };
  for (const auto& [line, fault] : lines)
    EXPECT_EQ(!test::LogLineFault(line).empty(), fault) << line;

  const Session& sound = test::GorillaAt(test::Stage::Components);
  EXPECT_EQ(test::SessionFault(sound), "");
  Session s = sound;
  s.Residuals[58][15] = std::nan("");
  EXPECT_NE(test::SessionFault(s), "");
  s = sound;
  s.LinkCount = 50;
  EXPECT_NE(test::SessionFault(s), "");
  s = sound;
  s.Scores[3][96] = 1.5;
  EXPECT_EQ(test::CommandFault(sound, s, /*showedMessage=*/false, {}), "");
  EXPECT_NE(test::CommandFault(sound, s, /*showedMessage=*/true, {}), "");
  s = sound;
  s.PromptResult = -1;  // the prompt's answer stays, whatever the command then does
  EXPECT_EQ(test::CommandFault(sound, s, /*showedMessage=*/true, {}), "");
}

}  // namespace
}  // namespace vrel
