#include <benchmark/benchmark.h>

#include <random>

#include "numerics/superimposition.h"
#include "numerics/svd.h"
#include "shell/session.h"

namespace {

vrel::Matrix RandomMatrix(int rows, int cols, unsigned seed) {
  std::mt19937 gen(seed);
  std::normal_distribution<double> dist(0.0, 1.0);
  vrel::Matrix a(rows, cols);
  for (int i = 0; i < rows; ++i)
    for (int j = 0; j < cols; ++j) a[i][j] = dist(gen);
  return a;
}

// The components of the largest data set the session holds: 300 specimens, 99 coordinates.
void BM_SvdOfFullResiduals(benchmark::State& state) {
  const vrel::Matrix residuals = RandomMatrix(300, 99, 1u);
  vrel::Vector w(99);
  vrel::Matrix v(99, 99);
  for (auto _ : state) {
    vrel::Matrix u = residuals;
    vrel::Svd(u, 300, 99, w, v);
    benchmark::DoNotOptimize(w.data());
  }
}
BENCHMARK(BM_SvdOfFullResiduals)->Unit(benchmark::kMillisecond);

// Three fitting passes over 300 specimens, in two and in three dimensions.
void BM_SuperimposeFullSample(benchmark::State& state) {
  const int k = static_cast<int>(state.range(0));
  vrel::DataDimensions dims{300, 99 / k, k};
  vrel::Matrix base = RandomMatrix(1, 99, 2u);
  vrel::Matrix noise = RandomMatrix(300, 99, 3u);
  vrel::Matrix data(300, 99);
  for (int i = 0; i < 300; ++i)
    for (int j = 0; j < 99; ++j) data[i][j] = base[0][j] + 0.1 * noise[i][j];
  vrel::Vector consensus(99);
  double sizes[300];
  for (auto _ : state) {
    vrel::Matrix x = data;
    vrel::Superimpose(x, dims, consensus, sizes);
    benchmark::DoNotOptimize(consensus.data());
  }
}
BENCHMARK(BM_SuperimposeFullSample)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

}  // namespace
