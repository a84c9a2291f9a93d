// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <cmath>

#include "stats/homogeneity.h"

namespace {

// The permutation loop of the homogeneity test on d = 2 x landmarks coordinates.
void BM_PermuteAndCount(benchmark::State& state) {
  const int landmarks = static_cast<int>(state.range(0));
  const int d = 2 * landmarks;
  vrel::Vector g(d), h(d);
  for (int i = 0; i < d; ++i) {
    g[i] = std::sin(1.0 + i) / std::sqrt(d / 2.0);
    h[i] = std::cos(0.3 * i) / std::sqrt(d / 2.0);
  }
  vrel::SubtractiveRandomState random;
  for (auto _ : state) {
    int seed = -1;
    const auto counts = vrel::PermuteAndCount(g, h, landmarks, 2, 0.1, 100000, random, seed,
                                              [](long, long) { return true; });
    benchmark::DoNotOptimize(counts.count);
  }
  state.SetItemsProcessed(state.iterations() * 100000);
}
BENCHMARK(BM_PermuteAndCount)->Arg(8)->Arg(49);

}  // namespace
