#pragma once

#include <string>

#include "shell/frontend.h"
#include "shell/session.h"

namespace vrel {

// Logs the heading and the line "R²= ..., F= ... with df1 and df2 DF, p< ..." for an R² on q
// components of n specimens, then raises the log. A perfect fit has an infinite F and p = 0.
void LogTestStatistic(Frontend& fe, const std::string& heading, double r2, int q, int n);

}  // namespace vrel
