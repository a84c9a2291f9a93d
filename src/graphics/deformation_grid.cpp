// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/deformation_grid.h"

#include <algorithm>
#include <cmath>

namespace vrel {

namespace {

// A pivot this small beside the largest entry of the system means the system is singular.
constexpr double SingularPivot = 1e-12;

// The spline's kernel U(r) = r^2 log r^2, from the squared distance; 0 at r = 0.
double Kernel(double squaredDistance) {
  return squaredDistance > 0.0 ? squaredDistance * std::log(squaredDistance) : 0.0;
}

// Solves a x = b for the n x n matrix a (row by row) and `columns` right-hand sides (b row by
// row, n x columns) by Gaussian elimination with partial pivoting; x replaces b. False, with a
// and b spoilt, when the matrix is singular or the solution is not finite.
bool SolveSquare(std::vector<double>& a, int n, std::vector<double>& b, int columns) {
  auto at = [&a, n](int r, int c) -> double& { return a[static_cast<std::size_t>(r * n + c)]; };
  auto rhs = [&b, columns](int r, int c) -> double& {
    return b[static_cast<std::size_t>(r * columns + c)];
  };
  double largest = 0.0;
  for (double v : a) largest = std::max(largest, std::fabs(v));
  if (!(largest > 0.0) || !std::isfinite(largest)) return false;
  for (int col = 0; col < n; ++col) {
    int pivot = col;
    for (int r = col + 1; r < n; ++r)
      if (std::fabs(at(r, col)) > std::fabs(at(pivot, col))) pivot = r;
    if (!(std::fabs(at(pivot, col)) > SingularPivot * largest)) return false;
    if (pivot != col) {
      for (int c = 0; c < n; ++c) std::swap(at(col, c), at(pivot, c));
      for (int c = 0; c < columns; ++c) std::swap(rhs(col, c), rhs(pivot, c));
    }
    for (int r = col + 1; r < n; ++r) {
      const double factor = at(r, col) / at(col, col);
      if (factor == 0.0) continue;
      for (int c = col; c < n; ++c) at(r, c) -= factor * at(col, c);
      for (int c = 0; c < columns; ++c) rhs(r, c) -= factor * rhs(col, c);
    }
  }
  for (int r = n - 1; r >= 0; --r)
    for (int c = 0; c < columns; ++c) {
      double sum = rhs(r, c);
      for (int k = r + 1; k < n; ++k) sum -= at(r, k) * rhs(k, c);
      rhs(r, c) = sum / at(r, r);
    }
  return std::all_of(b.begin(), b.end(), [](double v) { return std::isfinite(v); });
}

}  // namespace

ThinPlateSpline::ThinPlateSpline(const double* source, const double* target, int p) {
  const int n = p + 3;
  sourceX_.resize(static_cast<std::size_t>(p));
  sourceY_.resize(static_cast<std::size_t>(p));
  for (int i = 0; i < p; ++i) {
    sourceX_[static_cast<std::size_t>(i)] = source[2 * i];
    sourceY_[static_cast<std::size_t>(i)] = source[2 * i + 1];
  }
  // [K P; P' 0] [w; a] = [target; 0], with P's rows (1, x, y).
  std::vector<double> a(static_cast<std::size_t>(n * n), 0.0);
  std::vector<double> b(static_cast<std::size_t>(n * 2), 0.0);
  auto at = [&a, n](int r, int c) -> double& { return a[static_cast<std::size_t>(r * n + c)]; };
  for (int i = 0; i < p; ++i) {
    for (int j = 0; j < p; ++j) {
      const double dx = source[2 * i] - source[2 * j];
      const double dy = source[2 * i + 1] - source[2 * j + 1];
      at(i, j) = Kernel(dx * dx + dy * dy);
    }
    const double row[3] = {1.0, source[2 * i], source[2 * i + 1]};
    for (int c = 0; c < 3; ++c) at(i, p + c) = at(p + c, i) = row[c];
    b[static_cast<std::size_t>(2 * i)] = target[2 * i];
    b[static_cast<std::size_t>(2 * i + 1)] = target[2 * i + 1];
  }
  if (p > 0 && SolveSquare(a, n, b, 2)) {
    weightsX_.resize(static_cast<std::size_t>(p));
    weightsY_.resize(static_cast<std::size_t>(p));
    for (int i = 0; i < p; ++i) {
      weightsX_[static_cast<std::size_t>(i)] = b[static_cast<std::size_t>(2 * i)];
      weightsY_[static_cast<std::size_t>(i)] = b[static_cast<std::size_t>(2 * i + 1)];
    }
    for (int c = 0; c < 3; ++c) {
      affineX_[static_cast<std::size_t>(c)] = b[static_cast<std::size_t>(2 * (p + c))];
      affineY_[static_cast<std::size_t>(c)] = b[static_cast<std::size_t>(2 * (p + c) + 1)];
    }
    return;
  }

  // The affine part alone: least squares over the landmarks, from the normal equations.
  std::vector<double> normal(9, 0.0);
  std::vector<double> moments(6, 0.0);
  double shiftX = 0.0;
  double shiftY = 0.0;
  for (int i = 0; i < p; ++i) {
    const double row[3] = {1.0, source[2 * i], source[2 * i + 1]};
    for (int r = 0; r < 3; ++r) {
      for (int c = 0; c < 3; ++c) normal[static_cast<std::size_t>(3 * r + c)] += row[r] * row[c];
      moments[static_cast<std::size_t>(2 * r)] += row[r] * target[2 * i];
      moments[static_cast<std::size_t>(2 * r + 1)] += row[r] * target[2 * i + 1];
    }
    shiftX += target[2 * i] - source[2 * i];
    shiftY += target[2 * i + 1] - source[2 * i + 1];
  }
  if (SolveSquare(normal, 3, moments, 2)) {
    for (int c = 0; c < 3; ++c) {
      affineX_[static_cast<std::size_t>(c)] = moments[static_cast<std::size_t>(2 * c)];
      affineY_[static_cast<std::size_t>(c)] = moments[static_cast<std::size_t>(2 * c + 1)];
    }
    return;
  }
  // Landmarks on one line or at one point: the mean shift.
  affineX_ = {p > 0 ? shiftX / p : 0.0, 1.0, 0.0};
  affineY_ = {p > 0 ? shiftY / p : 0.0, 0.0, 1.0};
}

PlanePoint ThinPlateSpline::operator()(double x, double y) const {
  PlanePoint out{affineX_[0] + affineX_[1] * x + affineX_[2] * y,
                 affineY_[0] + affineY_[1] * x + affineY_[2] * y};
  for (std::size_t i = 0; i < weightsX_.size(); ++i) {
    const double dx = x - sourceX_[i];
    const double dy = y - sourceY_[i];
    const double u = Kernel(dx * dx + dy * dy);
    out.x += weightsX_[i] * u;
    out.y += weightsY_[i] * u;
  }
  return out;
}

std::optional<GridLayout> GridOver(const double* shape, int p) {
  if (p < 1) return std::nullopt;
  double xmin = shape[0], xmax = shape[0], ymin = shape[1], ymax = shape[1];
  for (int j = 1; j < p; ++j) {
    xmin = std::min(xmin, shape[2 * j]);
    xmax = std::max(xmax, shape[2 * j]);
    ymin = std::min(ymin, shape[2 * j + 1]);
    ymax = std::max(ymax, shape[2 * j + 1]);
  }
  const double width = 1.2 * (xmax - xmin);
  const double height = 1.2 * (ymax - ymin);
  const double longer = std::max(width, height);
  if (!(longer > 0.0) || !std::isfinite(longer)) return std::nullopt;
  GridLayout grid;
  grid.left = xmin - 0.1 * (xmax - xmin);
  grid.bottom = ymin - 0.1 * (ymax - ymin);
  grid.cell = longer / GridCellsAlongLongerSide;
  // A shorter side that is a whole number of cells up to rounding takes no extra cell.
  const int across =
      std::max(1, static_cast<int>(std::ceil(std::min(width, height) / grid.cell - 1e-9)));
  grid.columns = width >= height ? GridCellsAlongLongerSide : across;
  grid.rows = width >= height ? across : GridCellsAlongLongerSide;
  return grid;
}

std::vector<std::vector<PlanePoint>> DeformationGridLines(const double* source,
                                                          const double* target, int p) {
  std::vector<std::vector<PlanePoint>> lines;
  const std::optional<GridLayout> grid = GridOver(source, p);
  if (!grid) return lines;
  const ThinPlateSpline warp(source, target, p);
  const double step = grid->cell / GridStepsPerCell;
  auto line = [&](double x0, double y0, double dx, double dy, int steps) {
    std::vector<PlanePoint> points;
    points.reserve(static_cast<std::size_t>(steps + 1));
    for (int t = 0; t <= steps; ++t) points.push_back(warp(x0 + t * dx, y0 + t * dy));
    lines.push_back(std::move(points));
  };
  for (int i = 0; i <= grid->columns; ++i)
    line(grid->left + i * grid->cell, grid->bottom, 0.0, step, grid->rows * GridStepsPerCell);
  for (int j = 0; j <= grid->rows; ++j)
    line(grid->left, grid->bottom + j * grid->cell, step, 0.0, grid->columns * GridStepsPerCell);
  return lines;
}

}  // namespace vrel
