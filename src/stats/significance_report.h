// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "shell/frontend.h"
#include "shell/messages.h"
#include "shell/session.h"

namespace vrel {

// Whether r2 can be reported: when it is not a number, shows notComputable; when it falls
// outside 0..1 (scores that are not centred on the loaded data, e.g. components reloaded from
// another study), shows that. Nothing is logged either way.
bool UsableStatistic(Frontend& fe, double r2, Message notComputable);

// Logs the heading and the line "R²= ..., F= ... with df1 and df2 DF, p< ..." for an R² on q
// components of n specimens, then raises the log. A perfect fit has an infinite F and p = 0.
void LogTestStatistic(Frontend& fe, const std::string& heading, double r2, int q, int n);

}  // namespace vrel
