// SPDX-License-Identifier: GPL-3.0-or-later
#include "numerics/svd.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace vrel {

// The method is written in the textbook by columns, but the matrices are stored by rows. So the
// loops here walk along rows: the sums down a column are gathered for all columns at once, row
// after row, and the plane rotations of the QR sweeps run on transposed copies whose rows are
// the columns of U and V. Every element still goes through the same operations in the same
// order as in the column-by-column loops, so the results are the same to the last bit (the
// build keeps the compiler from fusing a multiply and an add, which would round differently).

namespace {

// |x| carrying the sign of y (y = 0 counts as positive).
double Sign(double x, double y) { return y >= 0.0 ? std::fabs(x) : -std::fabs(x); }

// x is negligible when adding it to the matrix norm changes nothing.
bool Negligible(double x, double anorm) { return std::fabs(x) + anorm == anorm; }

// The kernels that walk rows are built twice on x86-64, for AVX2 and for the baseline
// processor, and the program picks one as it loads. Both round every element the same way: the
// wider registers only take more elements at once.
#if defined(__x86_64__) && defined(__ELF__) && defined(__GNUC__)
#define VREL_ROW_KERNEL [[gnu::target_clones("avx2", "default")]]
#else
#define VREL_ROW_KERNEL
#endif

// t[j] = sum over r = first .. last-1 of weight[r] * m[r][j], for every j = from .. to-1, each
// sum in ascending r.
VREL_ROW_KERNEL void SumWeightedRows(const Matrix& m, int first, int last, int from, int to,
                                     const double* weight, double* t) {
  std::fill(t + from, t + to, 0.0);
  for (int r = first; r < last; ++r) {
    const double* row = m[r];
    const double x = weight[r];
    for (int j = from; j < to; ++j) t[j] += x * row[j];
  }
}

// m[r][j] += f[j] * m[r][col] for r = first .. last-1 and j = from .. to-1 (col outside them).
VREL_ROW_KERNEL void AddColumnMultiples(Matrix& m, int col, int first, int last, int from, int to,
                                        const double* f) {
  for (int r = first; r < last; ++r) {
    double* row = m[r];
    const double x = row[col];
    for (int j = from; j < to; ++j) row[j] += f[j] * x;
  }
}

// For every row j = first .. last-1 of a: t = sum over c = from .. to-1 of a[j][c] * y[c], then
// a[j][c] += t * e[c].
VREL_ROW_KERNEL void ReflectRows(Matrix& a, int first, int last, int from, int to, const double* y,
                                 const double* e) {
  for (int j = first; j < last; ++j) {
    double* row = a[j];
    double t = 0.0;
    for (int c = from; c < to; ++c) t += row[c] * y[c];
    for (int c = from; c < to; ++c) row[c] += t * e[c];
  }
}

// The leading rows x cols block of m, transposed into a contiguous block of cols rows.
std::vector<double> Transposed(const Matrix& m, int rows, int cols) {
  std::vector<double> t(static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols));
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c)
      t[static_cast<std::size_t>(c) * static_cast<std::size_t>(rows) +
        static_cast<std::size_t>(r)] = m[r][c];
  return t;
}

void CopyTransposedBack(const std::vector<double>& t, Matrix& m, int rows, int cols) {
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c)
      m[r][c] = t[static_cast<std::size_t>(c) * static_cast<std::size_t>(rows) +
                  static_cast<std::size_t>(r)];
}

// The plane rotation x' = x c + z s, z' = z c - x s, along two distinct rows of count values.
VREL_ROW_KERNEL void Rotate(double* __restrict x, double* __restrict z, int count, double c,
                            double s) {
  for (int q = 0; q < count; ++q) {
    const double xq = x[q];
    const double zq = z[q];
    x[q] = xq * c + zq * s;
    z[q] = zq * c - xq * s;
  }
}

// The rotations of one QR sweep on the rows of t (each count values, stride apart): for
// j = first .. last-1 in turn, rows j and j + 1 are rotated by (c[j], s[j]).
void RotateSweep(double* t, std::size_t stride, int count, int first, int last, const double* c,
                 const double* s) {
  for (int j = first; j < last; ++j)
    Rotate(t + static_cast<std::size_t>(j) * stride, t + static_cast<std::size_t>(j + 1) * stride,
           count, c[j], s[j]);
}

}  // namespace

double Bidiagonalise(Matrix& a, int m, int n, Vector& w, Vector& e) {
  std::vector<double> t(static_cast<std::size_t>(n));  // one sum or factor per column
  std::vector<double> column(static_cast<std::size_t>(std::max(m, 0)));  // a column of a, gathered
  double g = 0.0, scale = 0.0, anorm = 0.0;
  int l = 0;
  for (int i = 0; i < n; ++i) {
    l = i + 1;
    e[i] = scale * g;
    g = 0.0;
    double s = 0.0;
    scale = 0.0;
    if (i < m) {
      for (int r = i; r < m; ++r) scale += std::fabs(a[r][i]);
      if (scale != 0.0) {
        for (int r = i; r < m; ++r) {
          a[r][i] /= scale;
          s += a[r][i] * a[r][i];
        }
        const double f = a[i][i];
        g = -Sign(std::sqrt(s), f);
        const double h = f * g - s;
        a[i][i] = f - g;
        for (int r = i; r < m; ++r) column[static_cast<std::size_t>(r)] = a[r][i];
        SumWeightedRows(a, i, m, l, n, column.data(), t.data());
        for (int j = l; j < n; ++j) t[static_cast<std::size_t>(j)] /= h;
        AddColumnMultiples(a, i, i, m, l, n, t.data());
        for (int r = i; r < m; ++r) a[r][i] *= scale;
      }
    }
    w[i] = scale * g;
    g = 0.0;
    s = 0.0;
    scale = 0.0;
    if (i < m && i < n - 1) {
      for (int c = l; c < n; ++c) scale += std::fabs(a[i][c]);
      if (scale != 0.0) {
        for (int c = l; c < n; ++c) {
          a[i][c] /= scale;
          s += a[i][c] * a[i][c];
        }
        const double f = a[i][l];
        g = -Sign(std::sqrt(s), f);
        const double h = f * g - s;
        a[i][l] = f - g;
        for (int c = l; c < n; ++c) e[c] = a[i][c] / h;
        ReflectRows(a, l, m, l, n, a[i], e.data());
        for (int c = l; c < n; ++c) a[i][c] *= scale;
      }
    }
    anorm = std::max(anorm, std::fabs(w[i]) + std::fabs(e[i]));
  }
  return anorm;
}

namespace {

void Diagonalise(Vector& w, Vector& e, int n, double anorm, double* ut, int uCount, double* vt,
                 int vCount) {
  const auto uColumn = [ut, uCount](int j) {
    return ut + static_cast<std::size_t>(j) * static_cast<std::size_t>(uCount);
  };
  const auto vColumn = [vt, vCount](int j) {
    return vt + static_cast<std::size_t>(j) * static_cast<std::size_t>(vCount);
  };
  std::vector<double> uRotations(2 * static_cast<std::size_t>(n));  // c, then s, per sweep step
  std::vector<double> vRotations(2 * static_cast<std::size_t>(n));
  double g = 0.0;
  int l = 0;
  for (int k = n - 1; k >= 0; --k) {
    for (int its = 1; its <= 30; ++its) {
      bool flag = true;
      int nm = 0;
      for (l = k; l >= 0; --l) {
        nm = l - 1;
        // e[0] is zero, so the scan always stops at l = 0; the explicit test also keeps a
        // non-finite norm from reading before the start of w.
        if (l == 0 || Negligible(e[l], anorm)) {
          flag = false;
          break;
        }
        if (Negligible(w[nm], anorm)) break;
      }
      if (flag) {
        // w[nm] is negligible: chase e[l] out of the way.
        double c = 0.0, s = 1.0;
        for (int i = l; i <= k; ++i) {
          const double f = s * e[i];
          e[i] = c * e[i];
          if (Negligible(f, anorm)) break;
          g = w[i];
          double h = Hypot(f, g);
          w[i] = h;
          h = 1.0 / h;
          c = g * h;
          s = -f * h;
          Rotate(uColumn(nm), uColumn(i), uCount, c, s);
        }
      }
      double z = w[k];
      if (l == k) {
        // Converged: singular values are kept non-negative by flipping the right vector.
        if (z < 0.0) {
          w[k] = -z;
          double* flipped = vColumn(k);
          for (int j = 0; j < vCount; ++j) flipped[j] = -flipped[j];
        }
        break;
      }
      // Shift from the bottom 2 x 2 minor.
      double x = w[l];
      nm = k - 1;
      double y = w[nm];
      g = e[nm];
      double h = e[k];
      double f = ((y - z) * (y + z) + (g - h) * (g + h)) / (2.0 * h * y);
      g = Hypot(f, 1.0);
      f = ((x - z) * (x + z) + h * ((y / (f + Sign(g, f))) - h)) / x;
      // QR sweep; its rotations of U and V are applied together once it is over.
      double c = 1.0, s = 1.0;
      for (int j = l; j <= nm; ++j) {
        const int i = j + 1;
        g = e[i];
        y = w[i];
        h = s * g;
        g = c * g;
        z = Hypot(f, h);
        e[j] = z;
        c = f / z;
        s = h / z;
        f = x * c + g * s;
        g = g * c - x * s;
        h = y * s;
        y = y * c;
        vRotations[static_cast<std::size_t>(j)] = c;
        vRotations[static_cast<std::size_t>(n + j)] = s;
        z = Hypot(f, h);
        w[j] = z;
        if (z != 0.0) {
          z = 1.0 / z;
          c = f * z;
          s = h * z;
        }
        f = c * g + s * y;
        x = c * y - s * g;
        uRotations[static_cast<std::size_t>(j)] = c;
        uRotations[static_cast<std::size_t>(n + j)] = s;
      }
      RotateSweep(vt, static_cast<std::size_t>(vCount), vCount, l, k, vRotations.data(),
                  vRotations.data() + n);
      RotateSweep(ut, static_cast<std::size_t>(uCount), uCount, l, k, uRotations.data(),
                  uRotations.data() + n);
      e[l] = 0.0;
      e[k] = f;
      w[k] = x;
    }
  }
}

}  // namespace

void Svd(Matrix& a, int m, int n, Vector& w, Matrix& v) {
  if (n <= 0) return;
  Vector e(n);                                         // superdiagonal of the bidiagonal form
  std::vector<double> t(static_cast<std::size_t>(n));  // one sum or factor per column
  std::vector<double> column(static_cast<std::size_t>(std::max(m, 0)));  // a column of a, gathered

  // Householder reduction to bidiagonal form.
  const double anorm = Bidiagonalise(a, m, n, w, e);

  // Accumulation of the right-hand transformations.
  double g = 0.0;
  int l = 0;
  for (int i = n - 1; i >= 0; --i) {
    if (i < n - 1) {
      if (g != 0.0) {
        for (int j = l; j < n; ++j) v[j][i] = (a[i][j] / a[i][l]) / g;
        SumWeightedRows(v, l, n, l, n, a[i], t.data());
        AddColumnMultiples(v, i, l, n, l, n, t.data());
      }
      for (int j = l; j < n; ++j) v[i][j] = v[j][i] = 0.0;
    }
    v[i][i] = 1.0;
    g = e[i];
    l = i;
  }

  // Accumulation of the left-hand transformations.
  for (int i = std::min(m, n) - 1; i >= 0; --i) {
    l = i + 1;
    g = w[i];
    for (int j = l; j < n; ++j) a[i][j] = 0.0;
    if (g != 0.0) {
      g = 1.0 / g;
      for (int r = l; r < m; ++r) column[static_cast<std::size_t>(r)] = a[r][i];
      SumWeightedRows(a, l, m, l, n, column.data(), t.data());
      for (int j = l; j < n; ++j)
        t[static_cast<std::size_t>(j)] = (t[static_cast<std::size_t>(j)] / a[i][i]) * g;
      AddColumnMultiples(a, i, i, m, l, n, t.data());
      for (int r = i; r < m; ++r) a[r][i] *= g;
    } else {
      for (int r = i; r < m; ++r) a[r][i] = 0.0;
    }
    a[i][i] += 1.0;
  }

  // Diagonalisation of the bidiagonal form by implicitly shifted QR, rotating the columns of U
  // and V as the contiguous rows of their transposes.
  std::vector<double> ut = Transposed(a, m, n);
  std::vector<double> vt = Transposed(v, n, n);
  Diagonalise(w, e, n, anorm, ut.data(), m, vt.data(), n);
  CopyTransposedBack(ut, a, m, n);
  CopyTransposedBack(vt, v, n, n);
}

double Hypot(double a, double b) {
  const double absA = std::fabs(a);
  const double absB = std::fabs(b);
  if (absA > absB) {
    const double r = absB / absA;
    return absA * std::sqrt(1.0 + r * r);
  }
  if (absB == 0.0) return 0.0;
  const double r = absA / absB;
  return absB * std::sqrt(1.0 + r * r);
}

void DiagonaliseFirstRowOfV(Vector& w, Vector& e, int n, std::vector<double>& firstRow) {
  firstRow.assign(static_cast<std::size_t>(std::max(n, 0)), 0.0);
  if (n <= 0) return;
  double anorm = 0.0;
  for (int i = 0; i < n; ++i) anorm = std::max(anorm, std::fabs(w[i]) + std::fabs(e[i]));
  firstRow[0] = 1.0;  // the right-hand transformations leave the first coordinate alone
  double noColumns = 0.0;
  Diagonalise(w, e, n, anorm, &noColumns, 0, firstRow.data(), 1);
}

}  // namespace vrel
