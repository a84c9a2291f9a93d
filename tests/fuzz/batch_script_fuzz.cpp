// SPDX-License-Identifier: GPL-3.0-or-later
// The fuzzer's input is a vrel-batch script, run with --keep-going on an empty session. The
// script may open a few real data files by fixed names, served from memory; every other file
// argument is sent into a scratch folder of this process, so that no input writes elsewhere.
#include <filesystem>
#include <sstream>

#include "app/command_table.h"
#include "app/session_script.h"
#include "batch/batch_runner.h"
#include "files/text_source.h"
#include "fuzz/fuzz_support.h"
#include "shell/prompt.h"
#include "support/test_data.h"

namespace {

using namespace vrel;

// Longer permutation runs add time, not cases.
constexpr int MaxPermutations = 100;

const char* const Inputs[] = {"gorilla.dat",  "gorilla.lie",       "gorilla_sex.vec",
                              "macaques.dat", "macaques_wire.lie", "direction_x1.dat",
                              "sooty2.dat",   "gorilla.csv"};

bool IsInput(const std::string& name) {
  for (const char* input : Inputs)
    if (name == input) return true;
  return false;
}

// The commands whose last number counts permutations.
bool Permutes(CommandId id) {
  return id == CommandId::MantelTest || id == CommandId::CanonicalVariates ||
         id == CommandId::LinearModel || id == CommandId::Repeatability;
}

// The script with its file arguments confined and its permutation counts capped.
std::string Confined(const std::string& script, const std::string& scratch) {
  std::istringstream in(script);
  std::string out, line;
  while (std::getline(in, line)) {
    std::vector<std::string> words = SplitScriptLine(line);
    const CommandInfo* command = words.empty() ? nullptr : CommandByBatchWord(words[0]);
    int number = 0;
    if (command != nullptr && Permutes(command->id) && words.size() > 2 &&
        ParseInteger(words.back(), number) && number > MaxPermutations)
      words.back() = std::to_string(MaxPermutations);
    if (command != nullptr && words.size() == command->args.size() + 1)
      for (std::size_t i = 0; i < command->args.size(); ++i) {
        std::string& arg = words[i + 1];
        if (command->args[i] == ArgKind::File && arg != "-" && !IsInput(arg))
          arg = scratch + (arg.find('/') == std::string::npos ? "out" : "missing/out");
      }
    if (command != nullptr) {
      line.clear();
      for (const std::string& word : words) line += QuotedWord(word) + ' ';
    }
    out += line + '\n';
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const Session empty;
  static const auto contents = [] {
    std::vector<std::string> texts;
    for (const char* input : Inputs) texts.push_back(test::ReadWhole(test::DataFile(input)));
    return texts;
  }();
  InMemoryFiles files;
  for (std::size_t i = 0; i < std::size(Inputs); ++i) files.Set(Inputs[i], contents[i]);

  Session session = empty;
  std::istringstream script(
      Confined(std::string(reinterpret_cast<const char*>(data), size), test::ScratchDir()));
  std::ostringstream out, err;
  RunBatchScript(session, "fuzz.vrel", script, out, err, /*keepGoing=*/true);

  if (std::string fault = test::SessionFault(session); !fault.empty()) fuzz::Fail(fault);
  std::istringstream log(out.str());
  for (std::string line; std::getline(log, line);)
    if (std::string fault = test::LogLineFault(line); !fault.empty()) fuzz::Fail(fault);
  std::error_code ignored;
  std::filesystem::remove(test::ScratchDir() + "out", ignored);
  return 0;
}
