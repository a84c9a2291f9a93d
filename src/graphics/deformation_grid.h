// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <vector>

namespace vrel {

struct PlanePoint {
  double x = 0.0;
  double y = 0.0;
};

// The thin-plate spline of the plane (kernel U(r) = r^2 log r^2) that sends p source landmarks
// onto p target landmarks, both given as x, y pairs. The (p + 3) x (p + 3) system is solved
// once, here. When it is singular (landmarks that coincide, or all on one line) the map is
// only its affine part: the least-squares affine map from the sources to the targets, or the
// mean shift when even that is undetermined. It never yields NaN for finite landmarks.
class ThinPlateSpline {
 public:
  ThinPlateSpline(const double* source, const double* target, int p);

  PlanePoint operator()(double x, double y) const;
  // Whether the map bends (false: the affine fallback).
  bool Bends() const { return !weightsX_.empty(); }

 private:
  std::vector<double> sourceX_, sourceY_;
  std::vector<double> weightsX_, weightsY_;
  std::array<double, 3> affineX_{}, affineY_{};  // constant, x and y coefficients
};

// The square grid over a shape's bounding box enlarged by 10 % of its width and height on each
// side: cells of side cell, starting at the enlarged box's lower-left corner, 20 along its
// longer side and as many as cover the shorter one.
struct GridLayout {
  double left = 0.0;
  double bottom = 0.0;
  double cell = 0.0;
  int columns = 0;
  int rows = 0;
};

inline constexpr int GridCellsAlongLongerSide = 20;
// Each cell side is drawn as this many segments, so that the warped lines look smooth.
inline constexpr int GridStepsPerCell = 4;

// The grid over the p landmarks of a planar shape; nothing when the shape has no extent.
std::optional<GridLayout> GridOver(const double* shape, int p);

// The grid over the source landmarks, warped by the spline that sends them onto the targets:
// each line a chain of points a quarter cell apart, the vertical lines from left to right, then
// the horizontal lines from bottom to top.
std::vector<std::vector<PlanePoint>> DeformationGridLines(const double* source,
                                                          const double* target, int p);

}  // namespace vrel
