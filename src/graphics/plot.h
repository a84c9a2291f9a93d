#pragma once

#include <optional>

#include "graphics/picture.h"
#include "shell/session.h"

namespace vrel {

// The plot window's drawing for a drawing area of width x height pixels: the scores of column
// PlotAxisX across and PlotAxisY upward, group 1 as squares and group 2 as circles, one scale
// for both axes from the horizontal column. Nothing while PlotView is not 1: the window then keeps
// the picture it has.
std::optional<Picture> DrawPlot(const Session& s, int width, int height);

}  // namespace vrel
