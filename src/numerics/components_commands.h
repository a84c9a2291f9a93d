// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/frontend.h"
#include "shell/session.h"

namespace vrel {

void PcsClick(Session& s, Frontend& fe);  // Compute > Components

// The last step of Components and of Reload PCS: the centroid sizes become the factor and its
// scaled copy the Cs/Fac column, the stage flag is set, the vector and axis lists are reset and
// the toolbar follows.
void FinishComponents(Session& s, Frontend& fe);

// Centres Factor over the specimens and writes it to score column 96, rescaled to the length
// SingularValues[0] of the first score column. A factor of zero length gives a column of
// zeros. Returns the length of the centred factor.
double ScaleFactorColumn(Session& s);

// Component columns 97 and 98 hold the regression and discrimination vectors; when new
// components are written over them (columnsWritten > 97 or > 98), those vectors are gone.
void ForgetOverwrittenResultVectors(Session& s, int columnsWritten);

}  // namespace vrel
