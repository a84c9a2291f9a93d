// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "shell/headless_frontend.h"
#include "shell/session.h"

// What must hold after any command, whatever it was given. Free of the test framework, so that
// the fuzz targets can abort on a fault and the tests can report it.
namespace vrel::test {

// Every field that differs between two sessions, one line each (empty when they are the same):
// counts, flags, view state, the random generator, and every array over its full capacity.
std::vector<std::string> SessionDifferences(const Session& before, const Session& after);

// What is wrong with the session, or empty: counts outside the capacities, stage flags out of
// order, or a value that is not finite among those in use.
std::string SessionFault(const Session& s);

// What is wrong with a log line, or empty: a "nan" or an "inf" where a number is printed. The
// one infinity the log may show is the F of a perfect fit (R² of 1). Paths are the user's.
std::string LogLineFault(const std::string& line);

// Everything above for one command run: the session it started from, the one it left, whether
// it showed a message (then it must have changed nothing but the prompt's answer, the component
// count asked for, and the links that "Too many links" drops) and the log lines it wrote.
std::string CommandFault(const Session& before, const Session& after, bool showedMessage,
                         const std::vector<std::string>& logLines);

// A headless frontend that keeps only the log lines and the message count: enough for the
// checks above, and fast.
class LogOnlyFrontend : public HeadlessFrontend {
 public:
  LogOnlyFrontend() : HeadlessFrontend(/*record=*/false) {}
  void AppendLog(const std::string& line) override { log.push_back(line); }
  // Forgets what the last command left behind: queued answers, log lines, messages.
  void Reset() {
    numbers.clear();
    files.clear();
    log.clear();
    messageCount = 0;
  }
};

}  // namespace vrel::test
