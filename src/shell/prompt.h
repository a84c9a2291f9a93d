// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "shell/frontend.h"
#include "shell/session.h"

namespace vrel {

// Shows the number prompt and keeps its answer in PromptResult.
int AskPrompt(Session& s, Frontend& fe, const std::string& question);

// The prompt's reading of its edit box: a decimal integer with optional sign and
// surrounding blanks, within 32 bits; anything else gives nothing.
bool ParseInteger(const std::string& text, int& value);

}  // namespace vrel
