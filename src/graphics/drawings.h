// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "graphics/picture.h"
#include "shell/frontend.h"
#include "shell/session.h"

namespace vrel {

// The zoom stays finite and above the smallest normal numbers however often it is stepped or
// fitted; the drawings are made at 1000 pixels per unit times the zoom.
inline constexpr float SmallestZoom = 1.0e-6f;
inline constexpr float LargestZoom = 1.0e6f;

// The specimens window's drawing for a drawing area of width x height pixels: the superimposed
// specimens in views 1 and 2, the selected specimen on top in view 2.
Picture DrawSpecimens(const Session& s, int width, int height);

// Whether the data are beyond the default capacity: a crowd of specimens whose drawing records
// only the last of the shapes drawn again at the same place, and takes long enough for a window
// to keep it as an image.
bool CrowdedDrawing(const Session& s);

// The vectors window's drawing: the consensus deformed along the selected vector (and the
// consensus as reference, or the two ends of the change with the Extremes option).
Picture DrawVectors(const Session& s, int width, int height);

// The scale (pixels per unit) at which everything the specimens or the vectors window now draws
// (landmarks, links, vectors, the labels' anchor points) fits a drawing area of width x height
// with 5 % of each side free, the origin staying at the centre; nothing when the window draws
// nothing or only points at the origin. With the session's Fit on resize option the two
// drawings are made at this scale.
std::optional<double> FittingScale(const Session& s, Window window, int width, int height);

}  // namespace vrel
