#include "app/windows.h"

#include <stdexcept>

namespace vrel {

const std::vector<DrawingWindowInfo>& DrawingWindowTable() {
  // The client sizes are the frames less a border of 4 pixels on each side and a title bar:
  // the sizes the drawings are made for.
  static const std::vector<DrawingWindowInfo> table = {
      {Window::Specimens,
       "DrawWindow",
       "Specimens Window",
       40,
       121,
       576,
       402,
       568,
       375,
       "PopupMenu1",
       true,
       {{"Copy1", "Copy"},
        {"N2", "-"},
        {"SauveMetafile", "Save to metafile"},
        {"N1", "-"},
        {"Print1", "Print"}}},
      {Window::Vectors,
       "PcsDraw",
       "Vectors Window",
       19,
       97,
       568,
       394,
       560,
       367,
       "PopupMenu2",
       false,
       {{"Copy1", "Copy"},
        {"N1", "-"},
        {"SauveMetafile", "Save to metafile"},
        {"N2", "-"},
        {"Print1", "Print"}}},
      {Window::Plot,
       "PlotDraw",
       "Plot Window",
       0,
       75,
       558,
       376,
       550,
       349,
       "PopupMenu3",
       false,
       {{"Copy1", "Copy"},
        {"N1", "-"},
        {"SauveMetafile", "Save to metafile"},
        {"N2", "-"},
        {"Print1", "Print"}}},
  };
  return table;
}

const DrawingWindowInfo& DrawingWindowDetails(Window id) {
  for (const DrawingWindowInfo& info : DrawingWindowTable())
    if (info.id == id) return info;
  throw std::invalid_argument("not a drawing window");
}

}  // namespace vrel
