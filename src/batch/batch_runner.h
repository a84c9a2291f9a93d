// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <istream>
#include <ostream>
#include <string>

#include "graphics/picture.h"
#include "shell/command_ids.h"
#include "shell/headless_frontend.h"
#include "shell/session.h"

namespace vrel {

// Runs a vrel-batch script against the session. Returns the exit status: 0 when every line
// ran without a message, 1 otherwise. Without keepGoing the run stops at the first message
// or error.
// Writes a picture to an image file (SVG, PDF or PNG by the name's extension; a PNG drawn scale
// times larger) and reports through the frontend what went wrong; returns whether the file was
// written.
using ImageFileWriter =
    std::function<bool(const Picture& picture, const std::string& path, Frontend& fe, int scale)>;

// The scales export takes for a PNG image (xS).
inline constexpr int MinImageScale = 1;
inline constexpr int MaxImageScale = 8;

// Runs a vrel-batch script against the session. Returns the exit status: 0 when every line
// ran without a message, 1 otherwise. Without keepGoing the run stops at the first message
// or error. Without an image writer, export writes picture listings only.
// With autoCapacity, every Open Data while no data are loaded makes room for a file beyond the
// session's capacity.
int RunBatchScript(Session& session, const std::string& scriptName, std::istream& script,
                   std::ostream& out, std::ostream& err, bool keepGoing,
                   const ImageFileWriter& writeImage = nullptr, bool autoCapacity = false);

// How a command fared when run the way vrel-batch runs it.
enum class CommandOutcome { Completed, ShowedMessage, NotAvailableNow };

// Runs the command with the answers queued in the frontend, unless its menu item is disabled in
// the session's state: then nothing runs at all.
CommandOutcome RunGatedCommand(Session& session, HeadlessFrontend& fe, const CommandInfo& command);

// Splits a script line into words; '#' at the start of the line or after white space starts a
// comment that runs to the end of the line.
std::vector<std::string> SplitScriptLine(const std::string& line);

}  // namespace vrel
