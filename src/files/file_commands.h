// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/frontend.h"
#include "shell/session.h"

namespace vrel {

// File menu commands.
void OpenDataClick(Session& s, Frontend& fe);
void OpenLinkClick(Session& s, Frontend& fe);
void OpenFactorClick(Session& s, Frontend& fe);
void OpenSelectClick(Session& s, Frontend& fe);
void ConsensusClick(Session& s, Frontend& fe);     // Reload > Consensus
void ShapeVectorsClick(Session& s, Frontend& fe);  // Reload > PCS
void SaveResidualsClick(Session& s, Frontend& fe);
void SaveConsensusClick(Session& s, Frontend& fe);
void SaveSizeClick(Session& s, Frontend& fe);
void SaveScoresClick(Session& s, Frontend& fe);
void SaveSingleScoreClick(Session& s, Frontend& fe);
void SavePcsClick(Session& s, Frontend& fe);
void SaveSinglePcsClick(Session& s, Frontend& fe);
void DeflationClick(Session& s, Frontend& fe);  // Compute > Hyperprojection: reads a direction

}  // namespace vrel
