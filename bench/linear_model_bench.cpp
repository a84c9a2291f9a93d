// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "stats/linear_model.h"

namespace {

// A linear model of n specimens of 99 coordinates: a factor of three levels, a covariate and
// their interaction (six columns with the intercept), tested with 999 randomizations.
void BM_LinearModel(benchmark::State& state) {
  const auto n = static_cast<std::size_t>(state.range(0));
  const std::size_t p = 99;
  std::vector<std::vector<double>> y(n, std::vector<double>(p));
  vrel::ModelTerm group{"group", {std::vector<double>(n), std::vector<double>(n)}};
  vrel::ModelTerm size{"size", {std::vector<double>(n)}};
  vrel::ModelTerm both{"group:size", {std::vector<double>(n), std::vector<double>(n)}};
  for (std::size_t i = 0; i < n; ++i) {
    for (std::size_t k = 0; k < p; ++k) y[i][k] = std::sin(0.7 * i + 1.3 * k) * 0.01;
    group.columns[0][i] = i % 3 == 1;
    group.columns[1][i] = i % 3 == 2;
    size.columns[0][i] = std::log(50.0 + i % 17);
    for (int c = 0; c < 2; ++c) both.columns[c][i] = group.columns[c][i] * size.columns[0][i];
  }
  for (auto _ : state) {
    const vrel::LinearModelFit fit = vrel::FitLinearModel(y, {group, size, both}, 999, false);
    benchmark::DoNotOptimize(fit.rows.data());
  }
}
BENCHMARK(BM_LinearModel)->Arg(54)->Arg(300)->Unit(benchmark::kMillisecond);

}  // namespace
