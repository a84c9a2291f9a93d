// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/canonical_variates.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <utility>

#include "stats/random.h"

namespace vrel {

namespace {

using Square = std::vector<double>;  // q x q, row-major

std::size_t Columns(const Rows& x) { return x.empty() ? 0 : x[0].size(); }

Rows GroupMeans(const Rows& x, const std::vector<int>& group, int groups) {
  const std::size_t q = Columns(x);
  Rows means(static_cast<std::size_t>(groups), std::vector<double>(q, 0.0));
  std::vector<int> sizes(static_cast<std::size_t>(groups), 0);
  for (std::size_t i = 0; i < x.size(); ++i) {
    if (group[i] < 0 || group[i] >= groups) continue;  // left out, or of no group asked for
    ++sizes[static_cast<std::size_t>(group[i])];
    for (std::size_t j = 0; j < q; ++j) means[static_cast<std::size_t>(group[i])][j] += x[i][j];
  }
  for (std::size_t g = 0; g < means.size(); ++g)
    for (double& value : means[g]) value /= std::max(sizes[g], 1);
  return means;
}

// W = L L^T, L lower triangular in place of W; false when W is not positive definite.
bool Cholesky(Square& w, std::size_t q) {
  for (std::size_t j = 0; j < q; ++j) {
    double d = w[j * q + j];
    for (std::size_t k = 0; k < j; ++k) d -= w[j * q + k] * w[j * q + k];
    if (!(d > 0.0) || !std::isfinite(d)) return false;
    w[j * q + j] = std::sqrt(d);
    for (std::size_t i = j + 1; i < q; ++i) {
      double v = w[i * q + j];
      for (std::size_t k = 0; k < j; ++k) v -= w[i * q + k] * w[j * q + k];
      w[i * q + j] = v / w[j * q + j];
    }
    for (std::size_t i = 0; i < j; ++i) w[i * q + j] = 0.0;
  }
  return true;
}

// Solves L y = b (forward) in place.
void Forward(const Square& l, std::size_t q, std::vector<double>& b) {
  for (std::size_t i = 0; i < q; ++i) {
    for (std::size_t k = 0; k < i; ++k) b[i] -= l[i * q + k] * b[k];
    b[i] /= l[i * q + i];
  }
}

// Solves L^T y = b (backward) in place.
void Backward(const Square& l, std::size_t q, std::vector<double>& b) {
  for (std::size_t i = q; i-- > 0;) {
    for (std::size_t k = i + 1; k < q; ++k) b[i] -= l[k * q + i] * b[k];
    b[i] /= l[i * q + i];
  }
}

// The eigenvalues and eigenvectors (columns of v) of the symmetric matrix a, by Jacobi rotations.
void SymmetricEigen(Square a, std::size_t q, std::vector<double>& values, Square& v) {
  v.assign(q * q, 0.0);
  for (std::size_t i = 0; i < q; ++i) v[i * q + i] = 1.0;
  for (int sweep = 0; sweep < 100; ++sweep) {
    double off = 0.0;
    for (std::size_t i = 0; i < q; ++i)
      for (std::size_t j = i + 1; j < q; ++j) off += a[i * q + j] * a[i * q + j];
    if (off < 1e-30) break;
    for (std::size_t p = 0; p < q; ++p)
      for (std::size_t r = p + 1; r < q; ++r) {
        const double apr = a[p * q + r];
        if (apr == 0.0) continue;
        const double theta = (a[r * q + r] - a[p * q + p]) / (2.0 * apr);
        const double t =
            (theta >= 0 ? 1.0 : -1.0) / (std::abs(theta) + std::sqrt(theta * theta + 1));
        const double c = 1.0 / std::sqrt(t * t + 1), s = t * c;
        for (std::size_t k = 0; k < q; ++k) {
          const double akp = a[k * q + p], akr = a[k * q + r];
          a[k * q + p] = c * akp - s * akr;
          a[k * q + r] = s * akp + c * akr;
        }
        for (std::size_t k = 0; k < q; ++k) {
          const double apk = a[p * q + k], ark = a[r * q + k];
          a[p * q + k] = c * apk - s * ark;
          a[r * q + k] = s * apk + c * ark;
        }
        for (std::size_t k = 0; k < q; ++k) {
          const double vkp = v[k * q + p], vkr = v[k * q + r];
          v[k * q + p] = c * vkp - s * vkr;
          v[k * q + r] = s * vkp + c * vkr;
        }
      }
  }
  values.resize(q);
  for (std::size_t i = 0; i < q; ++i) values[i] = a[i * q + i];
}

// The Cholesky factor of the pooled covariance; nothing when it is not positive definite.
std::optional<Square> PooledFactor(const Rows& x, const std::vector<int>& group, int groups) {
  Square w = PooledCovariance(x, group, groups);
  if (x.empty() || !Cholesky(w, Columns(x))) return std::nullopt;
  return w;
}

double LengthThrough(const Square& l, std::size_t q, std::vector<double> d) {
  Forward(l, q, d);
  return std::sqrt(std::inner_product(d.begin(), d.end(), d.begin(), 0.0));
}

std::vector<double> Difference(const std::vector<double>& a, const std::vector<double>& b) {
  std::vector<double> d(a.size());
  for (std::size_t j = 0; j < a.size(); ++j) d[j] = a[j] - b[j];
  return d;
}

}  // namespace

std::vector<double> PooledCovariance(const Rows& x, const std::vector<int>& group, int groups) {
  const std::size_t q = Columns(x);
  const Rows means = GroupMeans(x, group, groups);
  Square w(q * q, 0.0);
  int n = 0;
  for (std::size_t i = 0; i < x.size(); ++i) {
    if (group[i] < 0) continue;
    ++n;
    const std::vector<double> d = Difference(x[i], means[static_cast<std::size_t>(group[i])]);
    for (std::size_t r = 0; r < q; ++r)
      for (std::size_t c = 0; c < q; ++c) w[r * q + c] += d[r] * d[c];
  }
  for (double& value : w) value /= std::max(n - groups, 1);
  return w;
}

std::optional<CanonicalAxes> CanonicalVariateAxes(const Rows& x, const std::vector<int>& group,
                                                  int groups) {
  const std::size_t q = Columns(x);
  const std::optional<Square> l = PooledFactor(x, group, groups);
  if (!l || groups < 2) return std::nullopt;
  const Rows means = GroupMeans(x, group, groups);
  std::vector<double> mean(q, 0.0);
  for (const std::vector<double>& row : x)
    for (std::size_t j = 0; j < q; ++j) mean[j] += row[j] / static_cast<double>(x.size());
  std::vector<int> sizes(static_cast<std::size_t>(groups), 0);
  for (int g : group) ++sizes[static_cast<std::size_t>(g)];
  Square b(q * q, 0.0);
  for (std::size_t g = 0; g < means.size(); ++g) {
    const std::vector<double> d = Difference(means[g], mean);
    for (std::size_t r = 0; r < q; ++r)
      for (std::size_t c = 0; c < q; ++c) b[r * q + c] += sizes[g] * d[r] * d[c] / (groups - 1);
  }
  // C = L^-1 B L^-T, symmetric, has the eigenvalues of W^-1 B.
  Square c(q * q);
  for (std::size_t col = 0; col < q; ++col) {
    std::vector<double> column(q);
    for (std::size_t r = 0; r < q; ++r) column[r] = b[r * q + col];
    Forward(*l, q, column);
    for (std::size_t r = 0; r < q; ++r) c[col * q + r] = column[r];  // (L^-1 B)^T
  }
  for (std::size_t col = 0; col < q; ++col) {
    std::vector<double> column(q);
    for (std::size_t r = 0; r < q; ++r) column[r] = c[r * q + col];
    Forward(*l, q, column);
    for (std::size_t r = 0; r < q; ++r) c[r * q + col] = column[r];
  }
  for (std::size_t r = 0; r < q; ++r)
    for (std::size_t col = r + 1; col < q; ++col)
      c[r * q + col] = c[col * q + r] = (c[r * q + col] + c[col * q + r]) / 2;
  std::vector<double> values;
  Square v;
  SymmetricEigen(c, q, values, v);
  std::vector<std::size_t> order(q);
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(),
                   [&values](std::size_t a, std::size_t b) { return values[a] > values[b]; });

  CanonicalAxes axes;
  const std::size_t kept = std::min<std::size_t>(static_cast<std::size_t>(groups - 1), q);
  const std::vector<double> last = Difference(means.back(), mean);
  for (std::size_t k = 0; k < kept; ++k) {
    std::vector<double> a(q);
    for (std::size_t r = 0; r < q; ++r) a[r] = v[r * q + order[k]];
    Backward(*l, q, a);  // unit within-group variance: a^T W a = 1
    if (std::inner_product(a.begin(), a.end(), last.begin(), 0.0) < 0)
      for (double& value : a) value = -value;
    axes.eigenvalues.push_back(values[order[k]]);
    axes.coefficients.push_back(std::move(a));
  }
  for (const std::vector<double>& row : x) {
    const std::vector<double> d = Difference(row, mean);
    std::vector<double> scores;
    for (const std::vector<double>& a : axes.coefficients)
      scores.push_back(std::inner_product(a.begin(), a.end(), d.begin(), 0.0));
    axes.scores.push_back(std::move(scores));
  }
  return axes;
}

std::optional<double> MahalanobisBetween(const Rows& x, const std::vector<int>& group, int groups,
                                         int a, int b) {
  const std::optional<Square> l = PooledFactor(x, group, groups);
  if (!l) return std::nullopt;
  const Rows means = GroupMeans(x, group, groups);
  return LengthThrough(
      *l, Columns(x),
      Difference(means[static_cast<std::size_t>(a)], means[static_cast<std::size_t>(b)]));
}

double EuclideanBetween(const Rows& x, const std::vector<int>& group, int a, int b) {
  const Rows means = GroupMeans(x, group, std::max(a, b) + 1);
  const std::vector<double> d =
      Difference(means[static_cast<std::size_t>(a)], means[static_cast<std::size_t>(b)]);
  return std::sqrt(std::inner_product(d.begin(), d.end(), d.begin(), 0.0));
}

std::vector<int> NearestGroups(const Rows& x, const std::vector<int>& group, int groups,
                               bool leaveOneOut) {
  std::vector<int> nearest(x.size(), -1);
  std::optional<Square> l;
  Rows means;
  if (!leaveOneOut) {
    l = PooledFactor(x, group, groups);
    means = GroupMeans(x, group, groups);
  }
  std::vector<int> without = group;
  for (std::size_t i = 0; i < x.size(); ++i) {
    if (leaveOneOut) {
      without[i] = -1;
      l = PooledFactor(x, without, groups);
      means = GroupMeans(x, without, groups);
      without[i] = group[i];
    }
    if (!l) continue;
    double best = 0.0;
    for (int g = 0; g < groups; ++g) {
      const double d =
          LengthThrough(*l, Columns(x), Difference(x[i], means[static_cast<std::size_t>(g)]));
      if (nearest[i] < 0 || d < best) {
        best = d;
        nearest[i] = g;
      }
    }
  }
  return nearest;
}

double PermutationP(const std::vector<int>& group, int a, int b, int permutations, double observed,
                    const std::function<double(const std::vector<int>& labels)>& distance) {
  std::vector<std::size_t> members;
  for (std::size_t i = 0; i < group.size(); ++i)
    if (group[i] == a || group[i] == b) members.push_back(i);
  std::vector<int> labels = group;
  SubtractiveRandomState state;
  int seed = -permutations;
  long count = 0;
  for (int t = 0; t < permutations; ++t) {
    Shuffle(members.size(), state, seed, [&](std::size_t i, std::size_t j) {
      std::swap(labels[members[i]], labels[members[j]]);
    });
    if (distance(labels) >= observed) ++count;
  }
  return static_cast<double>(1 + count) / static_cast<double>(1 + permutations);
}

}  // namespace vrel
