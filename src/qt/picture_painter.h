// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include "graphics/picture.h"

class QPainter;

namespace vrel {

// Replays a recorded picture on any painter (a window, an image, an SVG or PDF file, a printer),
// the way a classic canvas draws it: rectangles and ellipses span their corners' pixels less the
// right and bottom edge, filled white; text stands with its top-left corner at its point.
// Antialiased, lines and text are smoothed; a screen's pixels are drawn without.
void ReplayPicture(const Picture& picture, QPainter& painter, bool antialiased = false);

// The picture rendered into an image of its own size on white; a scale above 1 draws it that
// many times larger, pens, markers and text with it, antialiased.
QImage PictureImage(const Picture& picture, int scale = 1);

}  // namespace vrel
