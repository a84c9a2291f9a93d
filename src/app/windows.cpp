// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windows.h"

#include <stdexcept>

#include "graphics/drawings.h"
#include "graphics/plot.h"
#include "graphics/view_commands.h"

namespace vrel {

namespace {

// Copy, Save to metafile and Print, with separators between them; only the separators' names
// differ from window to window.
std::vector<PopupItem> PictureMenu(const char* firstSeparator, const char* secondSeparator) {
  return {{"Copy1", "Copy"},
          {firstSeparator, "-"},
          {"SauveMetafile", "Save to metafile"},
          {secondSeparator, "-"},
          {"Print1", "Print"}};
}

// A drawing that is made on every paint.
template <Picture (*Draw)(const Session&, int, int)>
std::optional<Picture> Always(const Session& s, int width, int height) {
  return Draw(s, width, height);
}

}  // namespace

const std::vector<DrawingWindowInfo>& DrawingWindowTable() {
  // The client sizes are the frames less a border of 4 pixels on each side and a title bar:
  // the sizes the drawings are made for.
  static const std::vector<DrawingWindowInfo> table = {
      {Window::Specimens, "DrawWindow", "Specimens Window", 40, 121, 576, 402, 568, 375,
       "PopupMenu1", true, PictureMenu("N2", "N1"), Always<DrawSpecimens>, SpecimensKeyDown,
       "specimens", ShapesDragged, ShapesWheelTurned, nullptr, nullptr},
      {Window::Vectors, "PcsDraw", "Vectors Window", 19, 97, 568, 394, 560, 367, "PopupMenu2",
       false, PictureMenu("N1", "N2"), Always<DrawVectors>, VectorsKeyDown, "vectors",
       ShapesDragged, ShapesWheelTurned, nullptr, nullptr},
      {Window::Plot, "PlotDraw", "Plot Window", 0, 75, 558, 376, 550, 349, "PopupMenu3", false,
       PictureMenu("N1", "N2"), DrawPlot, nullptr, "plot", nullptr, nullptr, PlotClicked,
       PlotTipAt},
  };
  return table;
}

const DrawingWindowInfo& DrawingWindowDetails(Window id) {
  for (const DrawingWindowInfo& info : DrawingWindowTable())
    if (info.id == id) return info;
  throw std::invalid_argument("not a drawing window");
}

}  // namespace vrel
