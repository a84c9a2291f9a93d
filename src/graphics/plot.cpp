// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/plot.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "graphics/projection.h"
#include "numerics/components.h"
#include "shell/format.h"

namespace vrel {

namespace {

// The frame is drawn this many pixels inside the window's edges, and a marker reaches this far
// from its centre.
constexpr int FrameInset = 10;
constexpr int MarkerHalf = 2;
// A marker is hit this many pixels around its centre, a little beyond its 2-pixel box.
constexpr double HitReach = 4.0;
// The width of a character of the default font, at the most, for placing a title that ends
// near the frame.
constexpr int TitleCharacterWidth = 8;

bool PlottedColumn(int column) { return column >= 0 && column < MaxComponents; }

// The scores of the specimens first .. last - 1 in the two plotted columns.
void GroupScores(const Session& s, int first, int last, std::vector<double>& x,
                 std::vector<double>& y) {
  x.clear();
  y.clear();
  for (int i = first; i < last; ++i) {
    x.push_back(s.Scores[i][s.PlotAxisX]);
    y.push_back(s.Scores[i][s.PlotAxisY]);
  }
}

// The ellipse of the specimens first .. last - 1 as a closed chain of lines, in the pen in force.
void DrawEllipse(const Session& s, const PlotMapping& map, Canvas& canvas, int first, int last) {
  std::vector<double> x, y;
  GroupScores(s, first, last, x, y);
  const std::vector<PlanePoint> outline = ConfidenceEllipse(x, y);
  if (outline.empty()) return;
  auto px = [&map](const PlanePoint& point) { return TruncateToPixel(map.X(point.x)); };
  auto py = [&map](const PlanePoint& point) { return TruncateToPixel(map.Y(point.y)); };
  canvas.MoveTo(px(outline.back()), py(outline.back()));
  for (const PlanePoint& point : outline) canvas.LineTo(px(point), py(point));
}

// The number of specimens in the first group: all of them without groups, and only those now
// loaded where the group limit lies beyond them.
int FirstGroupEnd(const Session& s) {
  return s.GroupLimit > 0 ? std::min(s.GroupLimit, s.SpecimenCount) : s.SpecimenCount;
}

}  // namespace

std::optional<PlotMapping> PlotMappingOf(const Session& s, int width, int height) {
  if (s.PlotView != 1 || !PlottedColumn(s.PlotAxisX) || !PlottedColumn(s.PlotAxisY))
    return std::nullopt;
  double xmax = 0.0, xmin = 0.0, ymax = 0.0, ymin = 0.0;
  for (int i = 0; i < s.SpecimenCount; ++i) {
    xmax = std::max(xmax, s.Scores[i][s.PlotAxisX]);
    xmin = std::min(xmin, s.Scores[i][s.PlotAxisX]);
    ymax = std::max(ymax, s.Scores[i][s.PlotAxisY]);
    ymin = std::min(ymin, s.Scores[i][s.PlotAxisY]);
  }
  double scale = 0.66 * width / (xmax - xmin + 0.0001);
  // The scale comes from the horizontal spread; where it would put a marker beyond the frame,
  // the largest scale that keeps every marker box inside it, the same on both axes.
  const int halfWidth = width / 2;
  const int halfHeight = height / 2;
  const double reach = MarkerHalf + FrameInset;
  // A window too small for any room inside its frame puts the markers at the centre, unmirrored.
  auto limit = [&scale](double room, double extent) {
    scale = std::min(scale, std::max(0.0, room) / extent);
  };
  if (xmax > 0.0) limit(width - reach - halfWidth, xmax);
  if (xmin < 0.0) limit(halfWidth - reach, -xmin);
  if (ymax > 0.0) limit(halfHeight - reach, ymax);
  if (ymin < 0.0) limit(height - reach - halfHeight, -ymin);
  return PlotMapping{width, height, scale};
}

std::string AxisTitle(const Session& s, int column) {
  std::string title = ScoreColumnName(column);
  const int m = s.CoordinateCount();
  if (column < SizeColumn && column < m && s.VarianceSharesKnown)
    title += Format(" (%.1f%%)", VarianceShare(s.SingularValues, m, column));
  return title;
}

std::vector<PlanePoint> ConfidenceEllipse(const std::vector<double>& x,
                                          const std::vector<double>& y) {
  const std::size_t n = std::min(x.size(), y.size());
  if (n < 3) return {};
  double meanX = 0.0, meanY = 0.0;
  for (std::size_t i = 0; i < n; ++i) {
    meanX += x[i];
    meanY += y[i];
  }
  meanX /= static_cast<double>(n);
  meanY /= static_cast<double>(n);
  double sxx = 0.0, sxy = 0.0, syy = 0.0;
  for (std::size_t i = 0; i < n; ++i) {
    sxx += (x[i] - meanX) * (x[i] - meanX);
    sxy += (x[i] - meanX) * (y[i] - meanY);
    syy += (y[i] - meanY) * (y[i] - meanY);
  }
  const double divisor = static_cast<double>(n - 1);
  sxx /= divisor;
  sxy /= divisor;
  syy /= divisor;
  // The principal axes of S: its eigenvalues, the larger one along the angle theta.
  const double half = (sxx + syy) / 2.0;
  const double spread = std::hypot((sxx - syy) / 2.0, sxy);
  const double major = std::sqrt(EllipseQuantile * std::max(0.0, half + spread));
  const double minor = std::sqrt(EllipseQuantile * std::max(0.0, half - spread));
  const double theta = 0.5 * std::atan2(2.0 * sxy, sxx - syy);
  const double c = std::cos(theta);
  const double s = std::sin(theta);
  std::vector<PlanePoint> outline;
  outline.reserve(EllipseSegments);
  for (int t = 0; t < EllipseSegments; ++t) {
    const double phi = 2.0 * std::numbers::pi * t / EllipseSegments;
    const double a = major * std::cos(phi);
    const double b = minor * std::sin(phi);
    outline.push_back({meanX + a * c - b * s, meanY + a * s + b * c});
  }
  return outline;
}

std::optional<Picture> DrawPlot(const Session& s, int width, int height) {
  if (s.PlotView != 1) return std::nullopt;
  Picture picture;
  picture.width = width;
  picture.height = height;
  const std::optional<PlotMapping> map = PlotMappingOf(s, width, height);
  if (!map) return picture;
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
  const int limit = FirstGroupEnd(s);
  // The ellipses lie under the markers, which are filled white.
  if (s.EllipsesOption) {
    DrawEllipse(s, *map, canvas, 0, limit);
    if (s.GroupLimit > 0) {
      if (s.ColorOption) {
        canvas.SetPenColour(Red);
      } else {
        canvas.SetPenStyle(PenStyle::Dash);
      }
      DrawEllipse(s, *map, canvas, limit, n);
      canvas.SetPenColour(Black);
      canvas.SetPenStyle(PenStyle::Solid);
    }
  }

  const int x = s.PlotAxisX;
  const int y = s.PlotAxisY;
  auto px = [&](int i) { return map->X(s.Scores[i][x]); };
  auto py = [&](int i) { return map->Y(s.Scores[i][y]); };
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

  if (s.AxisTitlesOption) {
    // Under the horizontal axis, ending near the frame; beside the vertical axis, at its top.
    const std::string across = AxisTitle(s, x);
    const int length = static_cast<int>(across.size()) * TitleCharacterWidth;
    canvas.TextOut(std::max(12, w - 14 - length), h / 2 + 3, across);
    canvas.TextOut(w / 2 + 4, 12, AxisTitle(s, y));
  }
  return picture;
}

int PlotSpecimenAt(const Session& s, int width, int height, int x, int y) {
  const std::optional<PlotMapping> map = PlotMappingOf(s, width, height);
  if (!map) return -1;
  int found = -1;
  double nearest = 0.0;
  for (int i = 0; i < s.SpecimenCount; ++i) {
    const double dx = std::fabs(map->X(s.Scores[i][s.PlotAxisX]) - x);
    const double dy = std::fabs(map->Y(s.Scores[i][s.PlotAxisY]) - y);
    if (dx > HitReach || dy > HitReach) continue;
    // Of markers at the same distance, the one drawn last lies on top.
    const double distance = dx * dx + dy * dy;
    if (found < 0 || distance <= nearest) {
      found = i;
      nearest = distance;
    }
  }
  return found;
}

std::string PlotTipAt(const Session& s, int width, int height, int x, int y) {
  const int i = PlotSpecimenAt(s, width, height, x, y);
  if (i < 0) return {};
  return SpecimenName(s, i) + "\n" + ScoreColumnName(s.PlotAxisX) +
         Format(": %f", s.Scores[i][s.PlotAxisX]) + "\n" + ScoreColumnName(s.PlotAxisY) +
         Format(": %f", s.Scores[i][s.PlotAxisY]);
}

}  // namespace vrel
