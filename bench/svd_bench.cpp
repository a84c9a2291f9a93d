// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <vector>

#include "numerics/large_svd.h"
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

#ifdef VREL_BENCH_LAPACK
extern "C" void dgesdd_(const char* jobz, const int* m, const int* n, double* a, const int* lda,
                        double* s, double* u, const int* ldu, double* vt, const int* ldvt,
                        double* work, const int* lwork, int* iwork, int* info);

// The same decomposition by the system's LAPACK (OpenBLAS where installed: run with
// OPENBLAS_NUM_THREADS=1 for one thread): the thin U (300 x 99), the
// singular values and V, as Svd gives them. The column-major copy is part of the work, as the
// session's matrices are row-major.
void BM_LapackDgesddOfFullResiduals(benchmark::State& state) {
  const int m = 300, n = 99;
  const vrel::Matrix residuals = RandomMatrix(m, n, 1u);
  std::vector<double> a(static_cast<std::size_t>(m) * n), s(n), u(static_cast<std::size_t>(m) * n),
      vt(static_cast<std::size_t>(n) * n);
  std::vector<int> iwork(8 * static_cast<std::size_t>(n));
  int lwork = -1, info = 0;
  double query = 0.0;
  dgesdd_("S", &m, &n, a.data(), &m, s.data(), u.data(), &m, vt.data(), &n, &query, &lwork,
          iwork.data(), &info);
  lwork = static_cast<int>(query);
  std::vector<double> work(static_cast<std::size_t>(lwork));
  for (auto _ : state) {
    for (int i = 0; i < m; ++i)
      for (int j = 0; j < n; ++j) a[static_cast<std::size_t>(j) * m + i] = residuals[i][j];
    dgesdd_("S", &m, &n, a.data(), &m, s.data(), u.data(), &m, vt.data(), &n, work.data(), &lwork,
            iwork.data(), &info);
    benchmark::DoNotOptimize(s.data());
  }
  if (info != 0) state.SkipWithError("dgesdd failed");
}
BENCHMARK(BM_LapackDgesddOfFullResiduals)->Unit(benchmark::kMillisecond);
#endif

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

// The components of a larger residual matrix, as Components computes them beyond the default
// capacity: every singular value, the first 97 axes and their scores, pointed the way the
// program's own decomposition points them (rows specimens, columns coordinates).
void BM_LargeSvd(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0)), cols = static_cast<int>(state.range(1));
  const vrel::Matrix x = RandomMatrix(rows, cols, 3u);
  const int keep = std::min(cols, 97);
  vrel::Vector w(cols);
  vrel::Matrix v(cols, keep), u(rows, keep);
  for (auto _ : state)
    if (!vrel::LargeSvd(x, rows, cols, keep, w, v, u)) state.SkipWithError("LAPACK failed");
}
BENCHMARK(BM_LargeSvd)
    ->Args({2000, 1500})
    ->Args({10000, 300})
    ->Args({54, 112})
    ->Unit(benchmark::kMillisecond);

}  // namespace
