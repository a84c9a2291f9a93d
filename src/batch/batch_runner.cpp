#include "batch/batch_runner.h"

#include <sstream>
#include <vector>

#include "app/command_table.h"
#include "batch/batch_frontend.h"
#include "shell/enabling.h"
#include "shell/prompt.h"

namespace vrel {

std::vector<std::string> SplitScriptLine(const std::string& line) {
  std::vector<std::string> words;
  std::istringstream stream(line);
  std::string word;
  // A word that starts with '#' starts a comment; a '#' inside a word (a file name such as
  // res#1.txt) is part of it.
  while (stream >> word && word[0] != '#') words.push_back(word);
  return words;
}

CommandOutcome RunGatedCommand(Session& session, HeadlessFrontend& fe, const CommandInfo& command) {
  if (command.handler == nullptr) return CommandOutcome::NotInThisVersion;
  if (!MenuItemEnabled(session, command.id)) return CommandOutcome::NotAvailableNow;
  const int messagesBefore = fe.messageCount;
  command.handler(session, fe);
  return fe.messageCount == messagesBefore ? CommandOutcome::Completed
                                           : CommandOutcome::ShowedMessage;
}

namespace {

// One script line; returns false when it was refused or showed a message.
bool RunLine(Session& session, BatchFrontend& fe, const std::vector<std::string>& words) {
  const std::string& word = words[0];
  const CommandInfo* command = CommandByBatchWord(word);
  if (command == nullptr) {
    fe.ReportError("unknown command '" + word + "'");
    return false;
  }
  const std::size_t given = words.size() - 1;
  if (given != command->args.size()) {
    fe.ReportError("'" + word + "' takes " + std::to_string(command->args.size()) +
                   (command->args.size() == 1 ? " argument" : " arguments") + ", " +
                   std::to_string(given) + " given");
    return false;
  }
  fe.ClearQueues();
  for (std::size_t i = 0; i < command->args.size(); ++i) {
    const std::string& arg = words[i + 1];
    if (command->args[i] == ArgKind::File) {
      fe.files.push_back(arg == "-" ? std::nullopt : std::optional<std::string>(arg));
    } else {
      int value = 0;
      if (arg == "cancel" || !ParseInteger(arg, value)) value = 0;
      fe.numbers.push_back(value);
    }
  }
  switch (RunGatedCommand(session, fe, *command)) {
    case CommandOutcome::Completed:
      return true;
    case CommandOutcome::ShowedMessage:
      return false;
    case CommandOutcome::NotInThisVersion:
      fe.ReportError("'" + word + "' is not available in this version");
      return false;
    case CommandOutcome::NotAvailableNow:
      fe.ReportError("'" + word + "' is not available now");
      return false;
  }
  return false;
}

}  // namespace

int RunBatchScript(Session& session, const std::string& scriptName, std::istream& script,
                   std::ostream& out, std::ostream& err, bool keepGoing) {
  BatchFrontend fe(out, err);
  std::string line;
  int lineNumber = 0;
  int status = 0;
  while (std::getline(script, line)) {
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::vector<std::string> words = SplitScriptLine(line);
    if (words.empty()) continue;
    fe.SetLocation(scriptName, lineNumber);
    if (!RunLine(session, fe, words)) {
      status = 1;
      if (!keepGoing) break;
    }
  }
  out.flush();
  return status;
}

}  // namespace vrel
