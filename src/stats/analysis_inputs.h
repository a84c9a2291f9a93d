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

// Asks which variable, listing them by number after the question ("Which variable? 1 species
// 2 site"); nothing after Cancel or, with a message, for a number outside the table.
const SpecimenVariable* AskVariable(Session& s, Frontend& fe, const std::string& question);

// The groups a variable makes: a factor's levels, or each value of a covariate of whole numbers
// in increasing order; false for a covariate with other values.
bool GroupsOfVariable(const SpecimenVariable& variable, VariableGroups& groups);

}  // namespace vrel
