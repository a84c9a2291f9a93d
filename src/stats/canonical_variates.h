// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "shell/session.h"

namespace vrel {

// Rows of values, one per specimen, and each specimen's group (0 .. groups - 1).
using Rows = std::vector<std::vector<double>>;

// The pooled within-group covariance of the rows (divisor: rows less groups), row-major.
std::vector<double> PooledCovariance(const Rows& x, const std::vector<int>& group, int groups);

// The canonical axes: the eigenvectors of W^-1 B (W pooled within groups, B between the group
// means weighted by group size, divisor groups - 1), each of unit within-group variance and
// pointing so that the last group's mean scores above the mean of all rows; the largest
// min(groups - 1, columns) of them. Nothing when W is not positive definite.
struct CanonicalAxes {
  std::vector<double> eigenvalues;
  Rows coefficients;  // one row per axis
  Rows scores;        // one row per specimen: its scores, centred on the mean of all rows
};
std::optional<CanonicalAxes> CanonicalVariateAxes(const Rows& x, const std::vector<int>& group,
                                                  int groups);

// The Mahalanobis distance between the means of groups a and b with the pooled covariance, and
// the Euclidean distance between their means; nothing when W is not positive definite.
std::optional<double> MahalanobisBetween(const Rows& x, const std::vector<int>& group, int groups,
                                         int a, int b);
double EuclideanBetween(const Rows& x, const std::vector<int>& group, int a, int b);

// Each row's group by the nearest group mean in Mahalanobis distance with the pooled covariance;
// with leaveOneOut, the means and the covariance are computed without the row itself. -1 where W
// is not positive definite.
std::vector<int> NearestGroups(const Rows& x, const std::vector<int>& group, int groups,
                               bool leaveOneOut);

// The share of permutations of the labels of groups a and b among their rows whose distance is at
// least the observed one, the observed one counted: (1 + count) / (1 + permutations). The program's
// own generator is seeded by the number of permutations, so a run repeats.
double PermutationP(const std::vector<int>& group, int a, int b, int permutations, double observed,
                    const std::function<double(const std::vector<int>& labels)>& distance);

}  // namespace vrel
