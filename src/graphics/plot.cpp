#include "graphics/plot.h"

#include <algorithm>
#include <string>

#include "graphics/projection.h"

namespace vrel {

std::optional<Picture> DrawPlot(const Session& s, int width, int height) {
  if (s.PlotView != 1) return std::nullopt;
  Picture picture;
  picture.width = width;
  picture.height = height;
  const int x = s.PlotAxisX;
  const int y = s.PlotAxisY;
  if (x < 0 || x >= MaxComponents || y < 0 || y >= MaxComponents) return picture;
  Canvas canvas(picture);
  const int w = width;
  const int h = height;
  canvas.SetPenColour(Black);
  canvas.MoveTo(10, 10);
  canvas.LineTo(10, h - 10);
  canvas.LineTo(w - 10, h - 10);
  canvas.LineTo(w - 10, 10);
  canvas.LineTo(10, 10);
  canvas.MoveTo(10, h / 2);
  canvas.LineTo(w - 10, h / 2);
  canvas.MoveTo(w / 2, 10);
  canvas.LineTo(w / 2, h - 10);
  canvas.TextOut(2, h / 2, "0");
  canvas.TextOut(w / 2 + 2, h - 10, "0");

  const int n = s.SpecimenCount;
  double xmax = 0.0;
  double xmin = 0.0;
  for (int i = 0; i < n; ++i) {
    xmax = std::max(xmax, s.Scores[i][x]);
    xmin = std::min(xmin, s.Scores[i][x]);
  }
  const double scale = 0.66 * w / (xmax - xmin + 0.0001);
  auto px = [&](int i) { return w / 2 + scale * s.Scores[i][x]; };
  auto py = [&](int i) { return h / 2 - scale * s.Scores[i][y]; };
  // Only the specimens now loaded, even where the group limit lies beyond them.
  const int limit = s.GroupLimit > 0 ? std::min(s.GroupLimit, n) : n;
  for (int i = 0; i < limit; ++i)
    canvas.Rectangle(TruncateToPixel(px(i) + 2), TruncateToPixel(py(i) + 2),
                     TruncateToPixel(px(i) - 2), TruncateToPixel(py(i) - 2));
  if (s.GroupLimit > 0) {
    canvas.SetPenColour(s.ColorOption ? Red : Black);
    for (int i = limit; i < n; ++i)
      canvas.Ellipse(TruncateToPixel(px(i) + 2), TruncateToPixel(py(i) + 2),
                     TruncateToPixel(px(i) - 2), TruncateToPixel(py(i) - 2));
  }
  if (s.ShowLabels)
    for (int i = 0; i < n; ++i)
      canvas.TextOut(TruncateToPixel(px(i)), TruncateToPixel(py(i)), std::to_string(i + 1));
  return picture;
}

}  // namespace vrel
