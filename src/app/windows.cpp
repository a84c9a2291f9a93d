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
  // clang-format off
  static const std::vector<DrawingWindowInfo> table = {
      {.id = Window::Specimens, .name = "DrawWindow", .caption = "Specimens Window",
       .left = 40, .top = 121, .width = 576, .height = 402, .clientWidth = 568, .clientHeight = 375,
       .popupName = "PopupMenu1", .popupOnPaintBox = true, .popup = PictureMenu("N2", "N1"),
       .draw = Always<DrawSpecimens>, .keyHandler = SpecimensKeyDown, .exportName = "specimens",
       .fits = true,
       .dragHandler = ShapesDragged, .wheelHandler = ShapesWheelTurned},
      {.id = Window::Vectors, .name = "PcsDraw", .caption = "Vectors Window",
       .left = 19, .top = 97, .width = 568, .height = 394, .clientWidth = 560, .clientHeight = 367,
       .popupName = "PopupMenu2", .popup = PictureMenu("N1", "N2"),
       .draw = Always<DrawVectors>, .keyHandler = VectorsKeyDown, .exportName = "vectors",
       .fits = true,
       .dragHandler = ShapesDragged, .wheelHandler = ShapesWheelTurned},
      {.id = Window::Plot, .name = "PlotDraw", .caption = "Plot Window",
       .left = 0, .top = 75, .width = 558, .height = 376, .clientWidth = 550, .clientHeight = 349,
       .popupName = "PopupMenu3", .popup = PictureMenu("N1", "N2"),
       .draw = DrawPlot, .exportName = "plot",
       .clickHandler = PlotClicked, .tipAt = PlotTipAt},
  };
  // clang-format on
  return table;
}

const DrawingWindowInfo& DrawingWindowDetails(Window id) {
  for (const DrawingWindowInfo& info : DrawingWindowTable())
    if (info.id == id) return info;
  throw std::invalid_argument("not a drawing window");
}

}  // namespace vrel
