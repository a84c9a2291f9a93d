// SPDX-License-Identifier: GPL-3.0-or-later
// The decomposition exactly as it stood before its loops were reordered for row-major storage,
// kept unchanged as the yardstick of bit identity: Svd must give the same bits on every input.
#include "numerics/svd_frozen.h"

#include <algorithm>
#include <cmath>

namespace vrel::test {

namespace {

// |x| carrying the sign of y (y = 0 counts as positive).
double Sign(double x, double y) { return y >= 0.0 ? std::fabs(x) : -std::fabs(x); }

// x is negligible when adding it to the matrix norm changes nothing.
bool Negligible(double x, double anorm) { return std::fabs(x) + anorm == anorm; }

double FrozenHypot(double a, double b) {
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

}  // namespace

void FrozenSvd(Matrix& a, int m, int n, Vector& w, Matrix& v) {
  if (n <= 0) return;
  Vector e(n);  // superdiagonal of the bidiagonal form
  double g = 0.0, scale = 0.0, anorm = 0.0;
  int l = 0;

  // Householder reduction to bidiagonal form.
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
        for (int j = l; j < n; ++j) {
          double t = 0.0;
          for (int r = i; r < m; ++r) t += a[r][i] * a[r][j];
          const double factor = t / h;
          for (int r = i; r < m; ++r) a[r][j] += factor * a[r][i];
        }
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
        for (int j = l; j < m; ++j) {
          double t = 0.0;
          for (int c = l; c < n; ++c) t += a[j][c] * a[i][c];
          for (int c = l; c < n; ++c) a[j][c] += t * e[c];
        }
        for (int c = l; c < n; ++c) a[i][c] *= scale;
      }
    }
    anorm = std::max(anorm, std::fabs(w[i]) + std::fabs(e[i]));
  }

  // Accumulation of the right-hand transformations.
  g = 0.0;
  for (int i = n - 1; i >= 0; --i) {
    if (i < n - 1) {
      if (g != 0.0) {
        for (int j = l; j < n; ++j) v[j][i] = (a[i][j] / a[i][l]) / g;
        for (int j = l; j < n; ++j) {
          double t = 0.0;
          for (int c = l; c < n; ++c) t += a[i][c] * v[c][j];
          for (int c = l; c < n; ++c) v[c][j] += t * v[c][i];
        }
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
      for (int j = l; j < n; ++j) {
        double t = 0.0;
        for (int r = l; r < m; ++r) t += a[r][i] * a[r][j];
        const double f = (t / a[i][i]) * g;
        for (int r = i; r < m; ++r) a[r][j] += f * a[r][i];
      }
      for (int r = i; r < m; ++r) a[r][i] *= g;
    } else {
      for (int r = i; r < m; ++r) a[r][i] = 0.0;
    }
    a[i][i] += 1.0;
  }

  // Diagonalisation of the bidiagonal form by implicitly shifted QR.
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
          double h = FrozenHypot(f, g);
          w[i] = h;
          h = 1.0 / h;
          c = g * h;
          s = -f * h;
          for (int j = 0; j < m; ++j) {
            const double y = a[j][nm];
            const double z = a[j][i];
            a[j][nm] = y * c + z * s;
            a[j][i] = z * c - y * s;
          }
        }
      }
      double z = w[k];
      if (l == k) {
        // Converged: singular values are kept non-negative by flipping the right vector.
        if (z < 0.0) {
          w[k] = -z;
          for (int j = 0; j < n; ++j) v[j][k] = -v[j][k];
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
      g = FrozenHypot(f, 1.0);
      f = ((x - z) * (x + z) + h * ((y / (f + Sign(g, f))) - h)) / x;
      // QR sweep.
      double c = 1.0, s = 1.0;
      for (int j = l; j <= nm; ++j) {
        const int i = j + 1;
        g = e[i];
        y = w[i];
        h = s * g;
        g = c * g;
        z = FrozenHypot(f, h);
        e[j] = z;
        c = f / z;
        s = h / z;
        f = x * c + g * s;
        g = g * c - x * s;
        h = y * s;
        y = y * c;
        for (int jj = 0; jj < n; ++jj) {
          x = v[jj][j];
          z = v[jj][i];
          v[jj][j] = x * c + z * s;
          v[jj][i] = z * c - x * s;
        }
        z = FrozenHypot(f, h);
        w[j] = z;
        if (z != 0.0) {
          z = 1.0 / z;
          c = f * z;
          s = h * z;
        }
        f = c * g + s * y;
        x = c * y - s * g;
        for (int jj = 0; jj < m; ++jj) {
          y = a[jj][j];
          z = a[jj][i];
          a[jj][j] = y * c + z * s;
          a[jj][i] = z * c - y * s;
        }
      }
      e[l] = 0.0;
      e[k] = f;
      w[k] = x;
    }
  }
}

}  // namespace vrel::test
