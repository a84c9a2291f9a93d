// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

namespace vrel {

// The median and the quartiles of a sample, each the value at fraction (n - 1) p of the sorted
// values, between two neighbours in proportion (the common default of statistics programs).
struct SampleQuartiles {
  double lower = 0.0;
  double median = 0.0;
  double upper = 0.0;
};
SampleQuartiles Quartiles(std::vector<double> values);

// The specimens beyond the upper quartile, farthest first (ties in specimen order).
std::vector<int> BeyondUpperQuartile(const std::vector<double>& distances, double upper);

}  // namespace vrel
