// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphics/picture.h"
#include "shell/session.h"

namespace vrel {

// The specimens window's drawing for a drawing area of width x height pixels: the superimposed
// specimens in views 1 and 2, the selected specimen on top in view 2.
Picture DrawSpecimens(const Session& s, int width, int height);

// The vectors window's drawing: the consensus deformed along the selected vector (and the
// consensus as reference, or the two ends of the change with the Extremes option).
Picture DrawVectors(const Session& s, int width, int height);

}  // namespace vrel
