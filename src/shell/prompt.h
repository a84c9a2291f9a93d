// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "shell/frontend.h"
#include "shell/session.h"

namespace vrel {

// Shows the number prompt and keeps its answer in PromptResult.
int AskPrompt(Session& s, Frontend& fe, const std::string& question);

// The one reading of a whole number, for the prompt's edit box, a script's arguments and every
// integer of a file: decimal digits with an optional sign and blanks around them (spaces, tabs,
// line ends), within 32 bits. Anything else gives nothing and leaves value as it was.
bool ParseInteger(std::string_view text, int& value);

}  // namespace vrel
