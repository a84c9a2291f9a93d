// SPDX-License-Identifier: GPL-3.0-or-later
#include "numerics/vector_arithmetic.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vrel {

double CentreSegment(Vector& v, int from, int to) {
  double sum = 0.0;
  for (int i = from; i < to; ++i) sum += v[i];
  if (to <= from) return 0.0;
  const double mean = sum / static_cast<double>(to - from);
  for (int i = from; i < to; ++i) v[i] = v[i] - mean;
  return mean;
}

double NormaliseSegment(Vector& v, int from, int to) {
  double sum = 0.0;
  for (int i = from; i < to; ++i)
    sum = static_cast<double>(static_cast<long double>(sum) +
                              std::pow(static_cast<long double>(v[i]), 2.0L));
  const double norm = std::sqrt(sum);
  // A zero vector has no direction: it stays zero rather than turning into NaN.
  if (norm == 0.0) return 0.0;
  for (int i = from; i < to; ++i) v[i] = v[i] / norm;
  return norm;
}

void MultiplyRows(const Matrix& m, const Vector& x, Vector& out, int rows, int cols) {
  for (int i = 0; i < rows; ++i) {
    out[i] = 0.0;
    for (int j = 0; j < cols; ++j) out[i] = out[i] + m[i][j] * x[j];
  }
}

void CombineColumns(const Matrix& m, const Vector& x, Vector& out, int cols, int rows) {
  MultiplyRows(m, x, out, rows, cols);
}

bool IsConstantSegment(const Vector& v, int from, int to) {
  for (int i = from + 1; i < to; ++i)
    if (v[i] != v[from]) return false;
  return true;
}

double ColumnAngle(const Matrix& m, int rows, int a, int b) {
  double dot = 0.0;
  for (int i = 0; i < rows; ++i) dot += m[i][a] * m[i][b];
  // Rounding can push the dot product of two unit columns just past 1.
  if (dot > 1.0) dot = 1.0;
  if (dot < -1.0) dot = -1.0;
  const long double degreesPerRadian = 57.2958L;
  return static_cast<double>(std::acos(static_cast<long double>(dot)) * degreesPerRadian);
}

double ColumnLength(const Matrix& m, int rows, int col) {
  double sum = 0.0;
  double largest = 0.0;
  for (int i = 0; i < rows; ++i) {
    sum += m[i][col] * m[i][col];
    largest = std::max(largest, std::fabs(m[i][col]));
  }
  // Squares of very small or very large values lose their precision or overflow: only then
  // are they summed scaled.
  const bool plain = sum >= std::numeric_limits<double>::min() && std::isfinite(sum);
  if (plain || largest == 0.0 || !std::isfinite(largest)) return std::sqrt(sum);
  double scaled = 0.0;
  for (int i = 0; i < rows; ++i) {
    const double x = m[i][col] / largest;
    scaled += x * x;
  }
  return largest * std::sqrt(scaled);
}

void BringIntoSquarableRange(Vector& v, int count) {
  double largest = 0.0;
  for (int i = 0; i < count; ++i) largest = std::max(largest, std::fabs(v[i]));
  if (largest == 0.0 || !std::isfinite(largest)) return;
  // Squares and sums of squares of up to a few hundred values stay normal numbers within
  // 2^-500 .. 2^500.
  const int exponent = std::ilogb(largest);
  if (exponent >= -500 && exponent <= 500) return;
  for (int i = 0; i < count; ++i) v[i] = std::ldexp(v[i], -exponent);
}

bool AllSquarable(const Matrix& x, int rows, int cols) {
  const double limit = std::ldexp(1.0, 500);
  for (int i = 0; i < rows; ++i)
    for (int j = 0; j < cols; ++j)
      if (!(std::fabs(x[i][j]) < limit)) return false;
  return true;
}

bool AllFinite(const Matrix& x, int rows, int cols) {
  for (int i = 0; i < rows; ++i)
    for (int j = 0; j < cols; ++j)
      if (!std::isfinite(x[i][j])) return false;
  return true;
}

bool AllFinite(const Vector& v, int count) {
  for (int i = 0; i < count; ++i)
    if (!std::isfinite(v[i])) return false;
  return true;
}

}  // namespace vrel
