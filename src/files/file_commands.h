// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/frontend.h"
#include "shell/session.h"

namespace vrel {

// The commands that read or write files, each in the source of its file's layout:
//   data_file.cpp        Open Data (the .dat, TPS and NTS layouts are read in landmark_data.cpp,
//                        tps_file.cpp and nts_file.cpp)
//   companion_files.cpp  Open Link, Open Factor, Open Selection
//   reload.cpp           Reload > Consensus, Reload > PCS
//   result_files.cpp     the Save commands, text and CSV
//   direction_file.cpp   Compute > Hyperprojection, which starts by reading a direction file
void OpenDataClick(Session& s, Frontend& fe);
void OpenLinkClick(Session& s, Frontend& fe);
void OpenFactorClick(Session& s, Frontend& fe);
void OpenSelectClick(Session& s, Frontend& fe);
// File > Open Variables (variables_file.cpp): a CSV table of the specimens' variables.
void OpenVariablesClick(Session& s, Frontend& fe);
void ConsensusClick(Session& s, Frontend& fe);     // Reload > Consensus
void ShapeVectorsClick(Session& s, Frontend& fe);  // Reload > PCS
void SaveResidualsClick(Session& s, Frontend& fe);
void SaveConsensusClick(Session& s, Frontend& fe);
void SaveSizeClick(Session& s, Frontend& fe);
void SaveScoresClick(Session& s, Frontend& fe);
void SaveSingleScoreClick(Session& s, Frontend& fe);
void SavePcsClick(Session& s, Frontend& fe);
void SaveSinglePcsClick(Session& s, Frontend& fe);
// File > Save Distances: each specimen's Procrustes distance to the consensus, as CSV.
void SaveDistancesClick(Session& s, Frontend& fe);
// File > Save Canonical Variates, Save Group Distances and Save Classification: what the last
// analyses of the groups found, as CSV.
void SaveCvaClick(Session& s, Frontend& fe);
void SaveGroupDistancesClick(Session& s, Frontend& fe);
void SaveClassificationClick(Session& s, Frontend& fe);
// The table of the last linear model or repeatability analysis, as CSV.
void SaveAnovaClick(Session& s, Frontend& fe);
void DeflationClick(Session& s, Frontend& fe);  // Compute > Hyperprojection: reads a direction

}  // namespace vrel
