// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/plot.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <numbers>
#include <string>

#include "graphics/projection.h"
#include "numerics/components.h"
#include "shell/format.h"
#include "shell/specimen_names.h"

namespace vrel {

namespace {

// The frame is drawn this many pixels inside the window's edges, and a marker reaches this far
// from its centre.
constexpr int FrameInset = 10;
constexpr int MarkerHalf = 2;
constexpr int LargeMarkerHalf = 4;
// A marker is hit this many pixels around its centre, a little beyond its box.
constexpr int HitMargin = 2;
// The width of a character of the default font, at the most, for placing a title that ends
// near the frame, and the height of a line of it.
constexpr int TitleCharacterWidth = 8;
constexpr int TextLineHeight = 14;
// A tick mark reaches this far on each side of its axis.
constexpr int TickHalf = 3;

int MarkerHalfOf(const Session& s) { return s.LargeMarkersOption ? LargeMarkerHalf : MarkerHalf; }

// The legend: a row per group, its marker and its name, within a padding.
constexpr int LegendPadding = 4;
constexpr int LegendGap = 6;
constexpr int LegendRowHeight = TextLineHeight + 2;
constexpr int LegendNameLength = 7;  // "Group 1"

int TextWidth(const std::string& text) {
  return static_cast<int>(text.size()) * TitleCharacterWidth;
}

// The ellipse of the specimens first .. last - 1 (of a variable's group, when given) as a closed
// chain of lines, in the pen in force.
void DrawEllipse(const Session& s, const PlotMapping& map, Canvas& canvas, int first, int last,
                 int variableGroup = -1) {
  std::vector<double> x, y;
  for (int i = first; i < last; ++i)
    if (variableGroup < 0 || s.Groups.of[static_cast<std::size_t>(i)] == variableGroup) {
      x.push_back(PlotValue(s, i, s.PlotAxisX));
      y.push_back(PlotValue(s, i, s.PlotAxisY));
    }
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

// The marker of specimen i's group, centred on (x, y), in the group's pen and fill.
struct MarkerStyle {
  bool circle = false;
  std::uint32_t colour = Black;
  bool filled = false;
};

MarkerStyle GroupMarker(const Session& s, bool secondGroup) {
  if (!secondGroup) return {};
  // Filled circles tell group 2 from the hollow squares of group 1 also in black and white.
  return {true, s.ColorOption ? Red : Black, s.LargeMarkersOption};
}

// Whether the plot shows the groups of a variable (which come before those of Define groups).
bool VariableGroupsShown(const Session& s) {
  return static_cast<int>(s.Groups.of.size()) == s.SpecimenCount && s.SpecimenCount > 0;
}

// The marker of a group of a variable: squares and circles, hollow and filled, tell four groups
// apart in grey too; the colours, with the option, six.
MarkerStyle VariableGroupMarker(const Session& s, int group) {
  static constexpr std::uint32_t palette[] = {Black, Red, Blue, 0x008000, 0xa000a0, 0xc06000};
  return {group % 2 == 1, s.ColorOption ? palette[group % std::size(palette)] : Black,
          group % 4 >= 2};
}

MarkerStyle MarkerOf(const Session& s, int specimen, int firstGroupEnd) {
  if (VariableGroupsShown(s))
    return VariableGroupMarker(s, s.Groups.of[static_cast<std::size_t>(specimen)]);
  return GroupMarker(s, s.GroupLimit > 0 && specimen >= firstGroupEnd);
}

// The legend's rows: the groups of a variable, else the two of Define groups (none: no legend).
std::vector<std::string> LegendNames(const Session& s) {
  if (VariableGroupsShown(s)) return s.Groups.names;
  if (s.GroupLimit > 0) return {"Group 1", "Group 2"};
  return {};
}

void DrawMarker(Canvas& canvas, const MarkerStyle& style, double x, double y, int half) {
  canvas.SetPenColour(style.colour);
  canvas.SetFill(style.filled ? std::optional<std::uint32_t>(style.colour) : std::nullopt);
  const int x1 = TruncateToPixel(x + half), y1 = TruncateToPixel(y + half);
  const int x2 = TruncateToPixel(x - half), y2 = TruncateToPixel(y - half);
  if (style.circle)
    canvas.Ellipse(x1, y1, x2, y2);
  else
    canvas.Rectangle(x1, y1, x2, y2);
  canvas.SetFill(std::nullopt);
}

// A value of the scale, step x multiple, as exact as its printed decimals.
double TickValue(const AxisScale& scale, int multiple) {
  if (scale.exponent >= 0) return multiple * scale.mantissa * std::pow(10.0, scale.exponent);
  return multiple * scale.mantissa / std::pow(10.0, -scale.exponent);
}

void DrawAxisScales(const PlotMapping& map, Canvas& canvas) {
  const int w = map.width;
  const int h = map.height;
  const std::optional<AxisScale> scale = PlotAxisScale(map);
  if (!scale) return;
  canvas.SetPenColour(Black);
  canvas.SetPenStyle(PenStyle::Solid);
  const int lowX = FrameInset + 2, highX = w - FrameInset - 2;
  const int lowY = FrameInset + 2, highY = h - FrameInset - 2;
  for (const int multiple : TickMultiples(map, *scale, true)) {
    const double value = TickValue(*scale, multiple);
    const int x = TruncateToPixel(map.X(value));
    canvas.MoveTo(x, h / 2 - TickHalf);
    canvas.LineTo(x, h / 2 + TickHalf);
    const std::string text = FormatTickValue(*scale, multiple);
    canvas.TextOut(
        std::clamp(x - TextWidth(text) / 2, lowX, std::max(lowX, highX - TextWidth(text))),
        std::clamp(h / 2 + TickHalf + 1, lowY, std::max(lowY, highY - TextLineHeight)), text);
  }
  for (const int multiple : TickMultiples(map, *scale, false)) {
    const double value = TickValue(*scale, multiple);
    const int y = TruncateToPixel(map.Y(value));
    canvas.MoveTo(w / 2 - TickHalf, y);
    canvas.LineTo(w / 2 + TickHalf, y);
    const std::string text = FormatTickValue(*scale, multiple);
    canvas.TextOut(std::clamp(w / 2 - TickHalf - 2 - TextWidth(text), lowX,
                              std::max(lowX, highX - TextWidth(text))),
                   std::clamp(y - TextLineHeight / 2, lowY, std::max(lowY, highY - TextLineHeight)),
                   text);
  }
}

}  // namespace

bool PlottedColumn(const Session& s, int column) {
  return column >= 0 && column < MaxComponents + CanonicalAxisCount(s);
}

double PlotValue(const Session& s, int specimen, int column) {
  if (column < MaxComponents) return s.Scores[specimen][column];
  return s.CanonicalScores[static_cast<std::size_t>(specimen)]
                          [static_cast<std::size_t>(column - MaxComponents)];
}

std::optional<PlotMapping> PlotMappingOf(const Session& s, int width, int height) {
  if (s.PlotView != 1 || !PlottedColumn(s, s.PlotAxisX) || !PlottedColumn(s, s.PlotAxisY))
    return std::nullopt;
  double xmax = 0.0, xmin = 0.0, ymax = 0.0, ymin = 0.0;
  for (int i = 0; i < s.SpecimenCount; ++i) {
    xmax = std::max(xmax, PlotValue(s, i, s.PlotAxisX));
    xmin = std::min(xmin, PlotValue(s, i, s.PlotAxisX));
    ymax = std::max(ymax, PlotValue(s, i, s.PlotAxisY));
    ymin = std::min(ymin, PlotValue(s, i, s.PlotAxisY));
  }
  double scale = 0.66 * width / (xmax - xmin + 0.0001);
  // The scale comes from the horizontal spread; where it would put a marker beyond the frame,
  // the largest scale that keeps every marker box inside it, the same on both axes.
  const int halfWidth = width / 2;
  const int halfHeight = height / 2;
  const double reach = MarkerHalfOf(s) + FrameInset;
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

double AxisScale::Step() const {
  return exponent >= 0 ? mantissa * std::pow(10.0, exponent) : mantissa / std::pow(10.0, -exponent);
}

std::vector<int> TickMultiples(const PlotMapping& map, const AxisScale& scale, bool horizontal) {
  std::vector<int> multiples;
  const double pixelsPerStep = map.scale * scale.Step();
  if (!(pixelsPerStep > 0.0) || !std::isfinite(pixelsPerStep)) return multiples;
  const int size = horizontal ? map.width : map.height;
  const int low = FrameInset + 2, high = size - FrameInset - 2;
  const double reach = (size / 2 + 1.0) / pixelsPerStep + 1.0;
  // Too fine a step for the frame has no ticks worth drawing.
  if (reach > 1000.0) return multiples;
  const int last = static_cast<int>(reach);
  for (int m = -last; m <= last; ++m) {
    if (m == 0) continue;
    const double value = TickValue(scale, m);
    const int pixel = TruncateToPixel(horizontal ? map.X(value) : map.Y(value));
    if (pixel >= low && pixel <= high) multiples.push_back(m);
  }
  return multiples;
}

std::optional<AxisScale> PlotAxisScale(const PlotMapping& map) {
  const int longer = std::max(map.width, map.height) - 2 * FrameInset;
  if (longer <= 0 || !(map.scale > 0.0) || !std::isfinite(map.scale)) return std::nullopt;
  // The finest round step that puts 4 to 10 ticks on each axis; where the frame's shape allows
  // none, the finest with at most 10 on either.
  const int top = static_cast<int>(std::floor(std::log10(longer / map.scale)));
  std::optional<AxisScale> fallback;
  for (int exponent = top - 2; exponent <= top + 1; ++exponent)
    for (const int mantissa : {1, 2, 5}) {
      const AxisScale scale{mantissa, exponent};
      const std::size_t across = TickMultiples(map, scale, true).size();
      const std::size_t upward = TickMultiples(map, scale, false).size();
      if (across > 10 || upward > 10) continue;
      if (std::min(across, upward) >= 4) return scale;
      if (!fallback) fallback = scale;
    }
  return fallback;
}

std::string FormatTickValue(const AxisScale& scale, int multiple) {
  return Format("%.*f", std::max(0, -scale.exponent), TickValue(scale, multiple));
}

PixelBox PlotLegendBox(const Session& s, const PlotMapping& map) {
  const int half = MarkerHalfOf(s);
  std::size_t longest = LegendNameLength;
  const std::vector<std::string> names = LegendNames(s);
  for (const std::string& name : names) longest = std::max(longest, name.size());
  const int width =
      2 * LegendPadding + 2 * half + LegendGap + static_cast<int>(longest) * TitleCharacterWidth;
  const int height = 2 * LegendPadding +
                     static_cast<int>(std::max<std::size_t>(names.size(), 2)) * LegendRowHeight;
  const int left = FrameInset + 2, right = map.width - FrameInset - 2;
  const int top = FrameInset + 2, bottom = map.height - FrameInset - 2;
  const PixelBox corners[] = {{right - width, top, right, top + height},
                              {left, top, left + width, top + height},
                              {right - width, bottom - height, right, bottom},
                              {left, bottom - height, left + width, bottom}};
  for (const PixelBox& corner : corners) {
    bool free = true;
    for (int i = 0; i < s.SpecimenCount && free; ++i) {
      const double x = map.X(PlotValue(s, i, s.PlotAxisX));
      const double y = map.Y(PlotValue(s, i, s.PlotAxisY));
      free = TruncateToPixel(x + half) < corner.left || TruncateToPixel(x - half) > corner.right ||
             TruncateToPixel(y + half) < corner.top || TruncateToPixel(y - half) > corner.bottom;
    }
    if (free) return corner;
  }
  return corners[0];
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
  if (s.EllipsesOption && VariableGroupsShown(s)) {
    for (int g = 0; g < static_cast<int>(s.Groups.names.size()); ++g) {
      canvas.SetPenColour(VariableGroupMarker(s, g).colour);
      DrawEllipse(s, *map, canvas, 0, n, g);
    }
    canvas.SetPenColour(Black);
  } else if (s.EllipsesOption) {
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
  auto px = [&](int i) { return map->X(PlotValue(s, i, x)); };
  auto py = [&](int i) { return map->Y(PlotValue(s, i, y)); };
  const int half = MarkerHalfOf(s);
  if (VariableGroupsShown(s))
    for (int i = 0; i < n; ++i) DrawMarker(canvas, MarkerOf(s, i, limit), px(i), py(i), half);
  else
    for (int i = 0; i < (s.GroupLimit > 0 ? n : limit); ++i)
      DrawMarker(canvas, MarkerOf(s, i, limit), px(i), py(i), half);
  if (s.ShowLabels)
    for (int i = 0; i < n; ++i)
      canvas.TextOut(TruncateToPixel(px(i)), TruncateToPixel(py(i)),
                     s.NameLabelsOption ? SpecimenName(s, i) : std::to_string(i + 1));

  if (s.AxisTitlesOption) {
    // Under the horizontal axis, ending near the frame; beside the vertical axis, at its top.
    const std::string across = AxisTitle(s, x);
    const int length = static_cast<int>(across.size()) * TitleCharacterWidth;
    canvas.TextOut(std::max(12, w - 14 - length), h / 2 + 3, across);
    canvas.TextOut(w / 2 + 4, 12, AxisTitle(s, y));
  }
  if (s.AxisScalesOption) DrawAxisScales(*map, canvas);
  // On top of everything, in a corner where it hides no marker.
  const std::vector<std::string> names = LegendNames(s);
  if (s.LegendOption && !names.empty()) {
    const PixelBox box = PlotLegendBox(s, *map);
    canvas.SetPenColour(Black);
    canvas.SetPenStyle(PenStyle::Solid);
    canvas.Rectangle(box.left, box.top, box.right, box.bottom);
    for (int group = 0; group < static_cast<int>(names.size()); ++group) {
      const int top = box.top + LegendPadding + group * LegendRowHeight;
      const int centre = top + TextLineHeight / 2;
      const MarkerStyle style =
          VariableGroupsShown(s) ? VariableGroupMarker(s, group) : GroupMarker(s, group == 1);
      DrawMarker(canvas, style, box.left + LegendPadding + half, centre, half);
      canvas.TextOut(box.left + LegendPadding + 2 * half + LegendGap, top,
                     names[static_cast<std::size_t>(group)]);
    }
  }
  return picture;
}

int PlotSpecimenAt(const Session& s, int width, int height, int x, int y) {
  const std::optional<PlotMapping> map = PlotMappingOf(s, width, height);
  if (!map) return -1;
  int found = -1;
  double nearest = 0.0;
  for (int i = 0; i < s.SpecimenCount; ++i) {
    const double dx = std::fabs(map->X(PlotValue(s, i, s.PlotAxisX)) - x);
    const double dy = std::fabs(map->Y(PlotValue(s, i, s.PlotAxisY)) - y);
    const double reach = MarkerHalfOf(s) + HitMargin;
    if (dx > reach || dy > reach) continue;
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
         Format(": %f", PlotValue(s, i, s.PlotAxisX)) + "\n" + ScoreColumnName(s.PlotAxisY) +
         Format(": %f", PlotValue(s, i, s.PlotAxisY));
}

}  // namespace vrel
