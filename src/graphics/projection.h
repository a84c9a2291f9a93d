// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "shell/matrix.h"

namespace vrel {

using RotationRows = std::array<double, 6>;

// The 2 x 3 orthographic projection of a turn by -a about the x axis followed by b about the
// y axis, row by row: elements 0..2 give the horizontal screen coordinate, 3..5 the vertical.
void SetRotation(RotationRows& rotation, float a, float b);

// out[2j + r] = sum over c of shape[3j + c] x rotation[3r + c], for the p landmarks.
void ProjectShape(const double* shape, const RotationRows& rotation, double* out, int p);
// The same for row i of a matrix of spatial shapes.
void ProjectSpecimen(const Matrix& shapes, const RotationRows& rotation, double* out, int i, int p);

// The screen-plane points of a shape of p landmarks in k dimensions, two values per landmark:
// spatial shapes through the rotation, planar shapes as they are, and one coordinate per
// landmark on the horizontal axis.
void ScreenPlanePoints(const double* shape, int p, int k, const RotationRows& rotation,
                       double* out);

// A pixel coordinate: truncation toward zero; points far outside any drawing area stay far
// outside it instead of overflowing the integer.
int TruncateToPixel(double value);

// Where a point of the screen plane lands in a drawing area of W x H pixels at s pixels per
// unit: the centre (W div 2, H div 2) is the origin and the vertical axis points up; sums are
// truncated toward zero.
class ScreenMapping {
 public:
  ScreenMapping(int width, int height, double scale)
      : centreX_(width / 2), centreY_(height / 2), scale_(scale) {}

  // The pixel column of u + offset pixels, and the row of v + offset pixels (downward).
  int X(double u, double offset = 0.0) const;
  int Y(double v, double offset = 0.0) const;

 private:
  int centreX_;
  int centreY_;
  double scale_;
};

}  // namespace vrel
