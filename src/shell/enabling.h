// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/command_ids.h"
#include "shell/frontend.h"
#include "shell/session.h"

namespace vrel {

// Menu enabling, recomputed each time a menu opens.
bool MenuItemEnabled(const Session& s, CommandId id);
// Check marks of the Options menu.
bool MenuItemChecked(const Session& s, CommandId id);
// Whether the menu item carries a check mark: the options that toggle.
bool MenuItemCheckable(CommandId id);
// Whether the specimens or the vectors window now draws shapes (what Fit to Window fits).
bool DrawsShapes(const Session& s, Window window);
// Toolbar enabling as the commands leave it.
ToolbarEnabling ToolbarEnabled(const Session& s);

// Brings the toolbar up to date with the stage flags.
void ActiverBoutons(const Session& s, Frontend& fe);

}  // namespace vrel
