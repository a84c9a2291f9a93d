// SPDX-License-Identifier: GPL-3.0-or-later
#include "numerics/components.h"

#include <gtest/gtest.h>

#include <vector>

namespace vrel {
namespace {

// Sorts w and reports which former column ended up at each position (columns of U and V are
// tagged with their index).
std::vector<int> SortTagged(const std::vector<double>& values, std::vector<double>& sorted) {
  const int m = static_cast<int>(values.size());
  const int n = 2;
  Matrix u(n, m), v(m, m);
  Vector w(m);
  for (int c = 0; c < m; ++c) {
    w[c] = values[static_cast<std::size_t>(c)];
    for (int r = 0; r < m; ++r) v[r][c] = c + 100.0 * r;
    for (int r = 0; r < n; ++r) u[r][c] = c - 100.0 * r;
  }
  SortComponents(u, w, v, DataDimensions{n, m, 1});
  std::vector<int> order;
  sorted.clear();
  for (int c = 0; c < m; ++c) {
    sorted.push_back(w[c]);
    const int former = static_cast<int>(v[0][c]);
    order.push_back(former);
    // Every row of both matrices moved with its column.
    for (int r = 0; r < m; ++r) EXPECT_EQ(v[r][c], former + 100.0 * r);
    for (int r = 0; r < n; ++r) EXPECT_EQ(u[r][c], former - 100.0 * r);
  }
  return order;
}

TEST(SortComponents, SelectionSortTakesTheLastOfEqualValuesFirst) {
  std::vector<double> sorted;
  EXPECT_EQ(SortTagged({1, 3, 3}, sorted), (std::vector<int>{2, 1, 0}));
  EXPECT_EQ(sorted, (std::vector<double>{3, 3, 1}));
  EXPECT_EQ(SortTagged({2, 5, 1, 5, 3}, sorted), (std::vector<int>{3, 1, 4, 0, 2}));
  EXPECT_EQ(sorted, (std::vector<double>{5, 5, 3, 2, 1}));
  EXPECT_EQ(SortTagged({4, 3, 2}, sorted), (std::vector<int>{0, 1, 2}));
}

}  // namespace
}  // namespace vrel
