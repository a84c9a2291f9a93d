// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/drawings.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "graphics/deformation_grid.h"
#include "graphics/projection.h"

namespace vrel {

namespace {

// Screen-plane points of one shape: two values per landmark.
using PlanePoints = std::vector<double>;

// The screen-plane box of the points a drawing places.
struct Extent {
  double left = std::numeric_limits<double>::infinity();
  double right = -std::numeric_limits<double>::infinity();
  double bottom = std::numeric_limits<double>::infinity();
  double top = -std::numeric_limits<double>::infinity();

  void Add(double u, double v) {
    left = std::min(left, u);
    right = std::max(right, u);
    bottom = std::min(bottom, v);
    top = std::max(top, v);
  }
  bool Empty() const { return left > right; }
};

// The session's view as the drawings use it. With an extent it also notes every point it
// places, so that a drawing can be measured by the very code that draws it.
class ShapeDrawer {
 public:
  ShapeDrawer(const Session& s, Picture& picture, int width, int height, double scale,
              Extent* extent = nullptr)
      : s_(s),
        canvas_(picture),
        map_(width, height, scale),
        extent_(extent),
        p_(s.LandmarkCount),
        k_(s.DimensionCount) {
    picture.width = width;
    picture.height = height;
  }
  void FilterRepeats(RepeatFilter* filter) { canvas_.SetRepeatFilter(filter); }

  Canvas& Pen() { return canvas_; }

  void Points(const double* shape, PlanePoints& out) const {
    out.resize(2 * static_cast<std::size_t>(p_));
    ScreenPlanePoints(shape, p_, k_, s_.Rotation, out.data());
  }

  void Line(const PlanePoints& from, int a, const PlanePoints& to, int b) {
    Note(from[2 * a], from[2 * a + 1]);
    Note(to[2 * b], to[2 * b + 1]);
    canvas_.MoveTo(map_.X(from[2 * a]), map_.Y(from[2 * a + 1]));
    canvas_.LineTo(map_.X(to[2 * b]), map_.Y(to[2 * b + 1]));
  }

  // A line for every link whose two landmarks exist; links read before a data set with fewer
  // landmarks name landmarks that are not there, and are passed over.
  void Links(const PlanePoints& shape) {
    for (int l = 0; l < s_.LinkCount; ++l) {
      const int a = s_.Links[static_cast<std::size_t>(2 * l)] - 1;
      const int b = s_.Links[static_cast<std::size_t>(2 * l + 1)] - 1;
      if (a < 0 || a >= p_ || b < 0 || b >= p_) continue;
      Line(shape, a, shape, b);
    }
  }

  void Squares(const PlanePoints& shape, double h) {
    for (int j = 0; j < p_; ++j) {
      const double u = shape[2 * j];
      const double v = shape[2 * j + 1];
      Note(u, v);
      canvas_.Rectangle(map_.X(u, -h), map_.Y(v, -h), map_.X(u, h), map_.Y(v, h));
    }
  }

  void Labels(const PlanePoints& shape) {
    for (int j = 0; j < p_; ++j) {
      Note(shape[2 * j], shape[2 * j + 1]);
      canvas_.TextOut(map_.X(shape[2 * j], 1.0), map_.Y(shape[2 * j + 1], 1.0),
                      std::to_string(j + 1));
    }
  }

  int LandmarkCount() const { return p_; }

  // A chain of lines through points of the screen plane.
  void Chain(const std::vector<PlanePoint>& points) {
    if (points.empty()) return;
    for (const PlanePoint& point : points) Note(point.x, point.y);
    canvas_.MoveTo(map_.X(points[0].x), map_.Y(points[0].y));
    for (std::size_t t = 1; t < points.size(); ++t)
      canvas_.LineTo(map_.X(points[t].x), map_.Y(points[t].y));
  }

 private:
  void Note(double u, double v) {
    if (extent_ != nullptr) extent_->Add(u, v);
  }

  const Session& s_;
  Canvas canvas_;
  ScreenMapping map_;
  Extent* extent_;
  int p_;
  int k_;
};

void SpecimensOn(const Session& s, ShapeDrawer& draw) {
  const int n = s.SpecimenCount;
  const int p = draw.LandmarkCount();
  PlanePoints consensus{};
  PlanePoints specimen{};
  if (s.SpecimensView == 1 || s.SpecimensView == 2) {
    draw.Points(s.Consensus.data(), consensus);
    if (s.ColorOption) {
      draw.Pen().SetPenColour(LimeGreen);
      for (int i = 0; i < n; ++i) {
        draw.Points(s.Coordinates[i], specimen);
        for (int j = 0; j < p; ++j) draw.Line(consensus, j, specimen, j);
      }
    }
    draw.Pen().SetPenColour(Black);
    draw.Links(consensus);
    for (int i = 0; i < n; ++i) {
      draw.Points(s.Coordinates[i], specimen);
      draw.Squares(specimen, 1.0);
    }
    if (s.ShowLabels) draw.Labels(consensus);
  }
  // Only a specimen now loaded is highlighted (Shape difference halves them).
  const int c = s.SelectedSpecimen;
  if (s.SpecimensView == 2 && c >= 0 && c < n) {
    draw.Pen().SetPenWidth(2);
    draw.Points(s.Coordinates[c], specimen);
    if (s.ColorOption) {
      draw.Pen().SetPenColour(Red);
    } else {
      draw.Pen().SetPenColour(Black);
      draw.Pen().SetPenStyle(PenStyle::Dot);
    }
    draw.Links(specimen);
    draw.Squares(specimen, s.DimensionCount == 3 ? 1.0 : 2.0);
  }
}

void VectorsOn(const Session& s, ShapeDrawer& draw) {
  const int c = s.SelectedComponent;
  if (s.VectorsView != 1 || c < 0 || c >= MaxComponents) return;
  const int m = s.CoordinateCount();
  const double magnitude = s.ShapeMagnitude;
  PlanePoints consensus{};
  draw.Points(s.Consensus.data(), consensus);
  std::vector<double> deformed(static_cast<std::size_t>(m));
  auto deform = [&](double sign) {
    for (int i = 0; i < m; ++i)
      deformed[static_cast<std::size_t>(i)] = sign < 0 ? s.Consensus[i] - magnitude * s.Pcs[i][c]
                                                       : s.Consensus[i] + magnitude * s.Pcs[i][c];
  };
  if (s.GridOption && s.DimensionCount == 2) {
    // Under the shapes: the grid over the consensus, warped onto the plus end.
    deform(1.0);
    draw.Pen().SetPenColour(GridGrey);
    for (const std::vector<PlanePoint>& line :
         DeformationGridLines(s.Consensus.data(), deformed.data(), draw.LandmarkCount()))
      draw.Chain(line);
    draw.Pen().SetPenColour(Black);
  }
  if (!s.ExtremesOption) {
    draw.Pen().SetPenColour(Black);
    draw.Pen().SetPenStyle(PenStyle::Dot);
    draw.Links(consensus);
    draw.Pen().SetPenStyle(PenStyle::Solid);
    draw.Squares(consensus, 1.0);
  }
  if (s.ColorOption) draw.Pen().SetPenWidth(2);

  PlanePoints points{};
  auto drawEnd = [&](double sign) {
    deform(sign);
    draw.Points(deformed.data(), points);
    draw.Links(points);
    draw.Squares(points, 2.0);
  };
  if (s.ExtremesOption) {
    if (s.ColorOption) {
      draw.Pen().SetPenColour(Red);
    } else {
      draw.Pen().SetPenStyle(PenStyle::Dash);
      draw.Pen().SetPenColour(Black);
    }
    drawEnd(-1.0);
  }
  draw.Pen().SetPenStyle(PenStyle::Solid);
  draw.Pen().SetPenColour(s.ColorOption ? Blue : Black);
  drawEnd(1.0);
  if (s.ShowLabels) draw.Labels(consensus);
}

using DrawingBody = void (*)(const Session&, ShapeDrawer&);

// The margin left free on each side when a drawing fits its area: a share of that side.
constexpr double FitMargin = 0.05;

// The largest scale at which the extent's points fall within the area less its margins, the
// origin staying at the centre (W div 2, H div 2) where the drawing puts it.
std::optional<double> ScaleToFit(const Extent& extent, int width, int height) {
  if (extent.Empty() || width <= 0 || height <= 0) return std::nullopt;
  const double centreX = width / 2;
  const double centreY = height / 2;
  // Room from the centre to the margin on each side, in pixels; each bound holds only where
  // the drawing reaches out that way.
  double scale = std::numeric_limits<double>::infinity();
  auto limit = [&scale](double room, double reach) {
    if (reach > 0.0) scale = std::min(scale, room / reach);
  };
  limit(centreX - FitMargin * width, -extent.left);
  limit((1.0 - FitMargin) * width - centreX, extent.right);
  limit(centreY - FitMargin * height, extent.top);
  limit((1.0 - FitMargin) * height - centreY, -extent.bottom);
  if (!std::isfinite(scale) || scale <= 0.0) return std::nullopt;
  return scale;
}

std::optional<double> FitScale(const Session& s, DrawingBody body, int width, int height) {
  Picture scratch;
  Extent extent;
  ShapeDrawer probe(s, scratch, width, height, 1.0, &extent);
  body(s, probe);
  return ScaleToFit(extent, width, height);
}

// The session's scale, or with Fit on resize the one that fits the area.
Picture Draw(const Session& s, DrawingBody body, int width, int height) {
  double scale = static_cast<double>(s.DrawScale);
  if (s.FitOnResizeOption) {
    const std::optional<double> fitted = FitScale(s, body, width, height);
    if (fitted) scale = std::clamp(*fitted, 1000.0 * SmallestZoom, 1000.0 * LargestZoom);
  }
  Picture picture;
  // Beyond the default capacity most marks of a crowd of specimens fall on marks drawn again
  // later: a first drawing notes which, and only the last of each is recorded. (Within it every
  // item is recorded, as always.)
  const bool crowd = CrowdedDrawing(s);
  RepeatFilter filter;
  if (crowd) {
    Picture notes;
    ShapeDrawer first(s, notes, width, height, scale);
    first.FilterRepeats(&filter);
    body(s, first);
    filter.StartKeeping();
  }
  ShapeDrawer draw(s, picture, width, height, scale);
  if (crowd) draw.FilterRepeats(&filter);
  body(s, draw);
  return picture;
}

}  // namespace

bool CrowdedDrawing(const Session& s) {
  return s.SpecimenCount > MaxSpecimens || s.CoordinateCount() > MaxCoordinates;
}

Picture DrawSpecimens(const Session& s, int width, int height) {
  return Draw(s, SpecimensOn, width, height);
}

Picture DrawVectors(const Session& s, int width, int height) {
  return Draw(s, VectorsOn, width, height);
}

std::optional<double> FittingScale(const Session& s, Window window, int width, int height) {
  if (window == Window::Specimens) return FitScale(s, SpecimensOn, width, height);
  if (window == Window::Vectors) return FitScale(s, VectorsOn, width, height);
  return std::nullopt;
}

}  // namespace vrel
