// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "shell/frontend.h"
#include "shell/session.h"

namespace vrel {

void GpaClick(Session& s, Frontend& fe);  // Compute > Superimposition

// A fit of the specimens: works in place on copies of the session's coordinates, consensus and
// sizes, and throws DegenerateData on data it cannot fit.
using SuperimpositionFit =
    std::function<void(Matrix& coordinates, Vector& consensus, double* sizes)>;

// Runs the fit on copies and, when it gives finite values, makes it the session's: the
// coordinates, consensus and sizes, the residuals in Residuals and Scores, the stage flags, and
// the two log lines (methodLine, then the sum of squared deviations). Data the fit cannot
// handle, or memory running out, shows "Incorrect data" and leaves the session as it was.
// Returns whether the fit was committed.
bool FitAndCommit(Session& s, Frontend& fe, const SuperimpositionFit& fit,
                  const std::string& methodLine);

// Each specimen's Procrustes distance to the consensus: the length of its row of residuals.
std::vector<double> ProcrustesDistances(const Session& s);

}  // namespace vrel
