// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "shell/command_ids.h"

namespace vrel {

// The one list of commands that the menus, vrel-batch and the tests read.
const std::vector<CommandInfo>& CommandTable();
const CommandInfo& Command(CommandId id);
const CommandInfo* CommandByBatchWord(const std::string& word);

// The menu bar, menu by menu.
const std::vector<MenuSpec>& MenuBar();

}  // namespace vrel
