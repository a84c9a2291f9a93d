#pragma once

#include "shell/frontend.h"
#include "shell/session.h"

namespace vrel {

void GpaClick(Session& s, Frontend& fe);         // Compute > Superimposition
void PcsClick(Session& s, Frontend& fe);         // Compute > Components
void DeflationClick(Session& s, Frontend& fe);   // Compute > Hyperprojection
void DifferenceClick(Session& s, Frontend& fe);  // Compute > Shape difference

}  // namespace vrel
