// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/frontend.h"
#include "shell/session.h"

namespace vrel {

// Compute > Shape difference: each pair of consecutive specimens becomes one specimen, the
// difference of its residuals, named after the pair.
void DifferenceClick(Session& s, Frontend& fe);

}  // namespace vrel
