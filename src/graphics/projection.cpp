// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/projection.h"

#include <cmath>

namespace vrel {

void SetRotation(RotationRows& rotation, float a, float b) {
  const double tilt = a;
  const double turn = b;
  rotation[0] = std::cos(turn);
  rotation[3] = 0.0;
  rotation[1] = -std::sin(tilt) * std::sin(turn);
  rotation[4] = std::cos(tilt);
  rotation[2] = std::cos(tilt) * std::sin(turn);
  rotation[5] = std::sin(tilt);
}

void ProjectShape(const double* shape, const RotationRows& rotation, double* out, int p) {
  for (int j = 0; j < p; ++j)
    for (int r = 0; r < 2; ++r) {
      out[2 * j + r] = 0.0;
      for (int c = 0; c < 3; ++c) out[2 * j + r] += shape[3 * j + c] * rotation[3 * r + c];
    }
}

void ProjectSpecimen(const Matrix& shapes, const RotationRows& rotation, double* out, int i,
                     int p) {
  ProjectShape(shapes[i], rotation, out, p);
}

void ScreenPlanePoints(const double* shape, int p, int k, const RotationRows& rotation,
                       double* out) {
  if (k == 3) return ProjectShape(shape, rotation, out, p);
  for (int j = 0; j < p; ++j) {
    out[2 * j] = shape[k * j];
    out[2 * j + 1] = k == 2 ? shape[k * j + 1] : 0.0;
  }
}

int TruncateToPixel(double value) {
  constexpr double Limit = 1.0e9;
  if (!(value > -Limit)) return static_cast<int>(-Limit);
  if (!(value < Limit)) return static_cast<int>(Limit);
  return static_cast<int>(value);
}

int ScreenMapping::X(double u, double offset) const {
  return TruncateToPixel(centreX_ + scale_ * u + offset);
}

int ScreenMapping::Y(double v, double offset) const {
  return TruncateToPixel(centreY_ - scale_ * v + offset);
}

}  // namespace vrel
