#pragma once

#include <istream>
#include <ostream>
#include <string>

#include "shell/command_ids.h"
#include "shell/headless_frontend.h"
#include "shell/session.h"

namespace vrel {

// Runs a vrel-batch script against the session. Returns the exit status: 0 when every line
// ran without a message, 1 otherwise. Without keepGoing the run stops at the first message
// or error.
int RunBatchScript(Session& session, const std::string& scriptName, std::istream& script,
                   std::ostream& out, std::ostream& err, bool keepGoing);

// How a command fared when run the way vrel-batch runs it.
enum class CommandOutcome { Completed, ShowedMessage, NotAvailableNow, NotInThisVersion };

// Runs the command with the answers queued in the frontend, unless this version has no handler
// for it or its menu item is disabled in the session's state: then nothing runs at all.
CommandOutcome RunGatedCommand(Session& session, HeadlessFrontend& fe, const CommandInfo& command);

// Splits a script line into words; '#' at the start of the line or after white space starts a
// comment that runs to the end of the line.
std::vector<std::string> SplitScriptLine(const std::string& line);

}  // namespace vrel
