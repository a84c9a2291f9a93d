// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "shell/frontend.h"
#include "shell/session.h"

namespace vrel {

// The name a specimen is shown and written under: the name its file gave it, else its 1-based
// number. i is the 0-based row.
std::string SpecimenName(const Session& s, int i);

// The specimen list's items, one for each row the session holds: the 1-based number, and
// with the option Names as labels the name the file gave a loaded specimen after it: "3 G12".
std::vector<std::string> SpecimenListItems(const Session& s);
// Gives the specimen list the items above; only while the option is on, as names change.
void ShowNamesInSpecimenList(const Session& s, Frontend& fe);

// The name of column j of Scores, as the plot's axis lists, its titles and CSV headers show it:
// "PC1" .. "PC96", "Cs/Fac", "Regres", "Discrim", then the canonical axes "CV1" onwards.
std::string ScoreColumnName(int column);

// How many canonical axes the last Canonical Variates left, and the items of the plot's axis
// lists with them: "1" to "96", "Cs/Fac", "Regres", "Discrim", then "CV1" onwards. Item c plots
// column c of Scores, or from 99 on canonical axis c - 99.
int CanonicalAxisCount(const Session& s);
std::vector<std::string> AxisListItems(int canonicalAxes);
// Forgets the results of the analyses of the groups (or the variables and all that follows), and
// takes the canonical axes out of the axis lists.
void ForgetGroupResults(Session& s, Frontend& fe);
void ForgetVariables(Session& s, Frontend& fe);

// The name of the difference of a pair: the second member's name, a minus sign, the first's.
std::string DifferenceName(const std::string& first, const std::string& second);

}  // namespace vrel
