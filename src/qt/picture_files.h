// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "graphics/picture.h"
#include "shell/frontend.h"

class QPainter;

namespace vrel {

// Writes the picture at its own size: SVG with that size and view box, PDF on one page of that
// many points, PNG on white (drawn pngScale times larger, antialiased, when above 1). An existing
// file is replaced only once the new one is complete. Returns false when the file cannot be
// written.
bool WritePictureFile(const Picture& picture, const std::string& path, PictureFileFormat format,
                      int pngScale = 1);

// Saves the picture under the name as given, in the format its extension names (SVG for a
// name without one; a name with any other extension is refused, naming the formats written). A
// picture without area is not written and the user is told there is nothing to export yet; a file
// that cannot be written is reported. Returns whether the file was written.
bool ExportPictureFile(const Picture& picture, const std::string& path, Frontend& fe,
                       int pngScale = 1);

// The scale at which the drawing windows' Save to metafile writes PNG: about 300 dots per inch
// for a picture of a window's size.
inline constexpr int SavedImageScale = 3;

// Draws the picture as the printed page shows it: stretched to the page width, keeping its
// proportions, from the painter's origin. A picture without width draws nothing.
void DrawPictureOnPage(const Picture& picture, QPainter& painter, double pageWidth);

}  // namespace vrel
