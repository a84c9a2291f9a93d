// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "shell/frontend.h"
#include "shell/session.h"

namespace vrel {

// What the analyses of the Analyses menu take from the session.

// The residuals of the superimposition, one row of every coordinate per specimen.
std::vector<std::vector<double>> ResidualRows(const Session& s);

// Asks which variable makes the groups, listing the variables by number after the question
// ("Which variable? 1 species 2 site"), and gives its groups: a factor's levels, or each value of
// a covariate of whole numbers in increasing order. False after Cancel, or with a message for a
// number outside the table, a covariate with other values, or a single group.
bool AskVariableGroups(Session& s, Frontend& fe, const std::string& question,
                       VariableGroups& groups);

}  // namespace vrel
