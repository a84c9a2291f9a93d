// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "shell/frontend.h"
#include "shell/session.h"

namespace vrel {

// Removes the shape direction from the residuals, rebuilds the coordinates from them and the
// consensus, and logs where the direction came from. The components are gone afterwards.
// Returns false, changing nothing and showing nothing, when the results would not be finite.
bool ApplyHyperprojection(Session& s, Frontend& fe, const std::vector<double>& direction,
                          const std::string& source);

}  // namespace vrel
