// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/frontend.h"
#include "shell/session.h"

namespace vrel {

// Commands of the application shell.
void ClearSessionClick(Session& s, Frontend& fe);
void QuitClick(Session& s, Frontend& fe);
void ViewLogClick(Session& s, Frontend& fe);
void ViewAboutClick(Session& s, Frontend& fe);
void Help1Click(Session& s, Frontend& fe);

}  // namespace vrel
