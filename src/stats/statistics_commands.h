// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/frontend.h"
#include "shell/session.h"

namespace vrel {

// The statistics of the Compute menu and the groups they use:
//   regression_commands.cpp   Regression, Mean Regression and their tests
//   groups_commands.cpp       Options > Define groups, Discrimination and its test
//   homogeneity_commands.cpp  Homogeneity Test
void RegressionClick(Session& s, Frontend& fe);
void RegressionTestClick(Session& s, Frontend& fe);
void MeanRegressionClick(Session& s, Frontend& fe);
void MeanRegressionTestClick(Session& s, Frontend& fe);
void MantelTestClick(Session& s, Frontend& fe);  // Compute > Homogeneity Test
void DiscriminationClick(Session& s, Frontend& fe);
void DiscriminationTestClick(Session& s, Frontend& fe);
void DefineGroupsClick(Session& s, Frontend& fe);  // Options > Define groups
// Analyses > Outliers (outliers.cpp): each specimen's Procrustes distance to the consensus, the
// quartiles, and the specimens beyond the upper one; the farthest is shown.
void OutliersClick(Session& s, Frontend& fe);
// group_analyses_commands.cpp: Options > Groups from Variable, Analyses > Canonical Variates and
// Analyses > Classification.
void GroupsFromVariableClick(Session& s, Frontend& fe);
void CanonicalVariatesClick(Session& s, Frontend& fe);
void ClassificationClick(Session& s, Frontend& fe);
// linear_model_commands.cpp: Analyses > Linear Model (the terms typed, then the iterations) and
// Analyses > Repeatability (the variable naming the individuals, then the iterations).
void LinearModelClick(Session& s, Frontend& fe);
void RepeatabilityClick(Session& s, Frontend& fe);

}  // namespace vrel
