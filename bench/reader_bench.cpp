// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "batch/batch_runner.h"
#include "files/number_reader.h"
#include "files/text_source.h"
#include "shell/session.h"

namespace {

// Reads every number of a landmark data file as Open Data does: the header's three integers,
// then n x p x k coordinates. One token per number.
long ReadDataFile(vrel::NumberReader& in) {
  int n = 0, p = 0, k = 0;
  if (!in.ReadInt(n) || !in.ReadInt(p) || !in.ReadInt(k)) return 0;
  long tokens = 3;
  double value = 0.0;
  for (long i = 0, count = static_cast<long>(n) * p * k; i < count; ++i, ++tokens)
    if (!in.ReadDouble(value)) return 0;
  return tokens;
}

// The largest data set of the test data, read from the disk (the page cache, once warm) and
// parsed, as Open Data does.
void BM_ReadLargestDataSetFromFile(benchmark::State& state) {
  const std::string path = std::string(VREL_BENCH_DATA_DIR) + "/mice.dat";
  long tokens = 0;
  for (auto _ : state) {
    vrel::NumberReader in(path);
    tokens = ReadDataFile(in);
    benchmark::DoNotOptimize(tokens);
  }
  if (tokens == 0) state.SkipWithError("mice.dat did not read");
  state.SetItemsProcessed(state.iterations() * tokens);
}
BENCHMARK(BM_ReadLargestDataSetFromFile);

// A full-capacity data file: 300 specimens of 33 landmarks in 3-D around one shape, every number
// written to full precision.
std::string FullCapacityText() {
  std::mt19937 gen(4u);
  std::normal_distribution<double> noise(0.0, 2.0);
  std::string text = "300 33 3\n";
  char number[32];
  for (int i = 0; i < 300; ++i) {
    for (int j = 0; j < 99; ++j) {
      std::snprintf(number, sizeof number, "%.17g ", 100.0 * ((j * 7) % 11) + noise(gen));
      text += number;
    }
    text += '\n';
  }
  return text;
}

// The full-capacity file parsed from memory: the parser's own speed.
void BM_ParseFullCapacityText(benchmark::State& state) {
  const std::string text = FullCapacityText();
  long tokens = 0;
  for (auto _ : state) {
    vrel::NumberReader in = vrel::NumberReader::FromText(text);
    tokens = ReadDataFile(in);
    benchmark::DoNotOptimize(tokens);
  }
  if (tokens == 0) state.SkipWithError("the text did not read");
  state.SetItemsProcessed(state.iterations() * tokens);
  state.SetBytesProcessed(state.iterations() * static_cast<long>(text.size()));
}
BENCHMARK(BM_ParseFullCapacityText);

// The whole analysis of the full-capacity file through the batch runner, in a fresh session each
// time: open, superimposition, components, regression on size and its test.
void BM_WholeAnalysisOfFullCapacitySet(benchmark::State& state) {
  vrel::InMemoryFiles files;
  files.Set("full.dat", FullCapacityText());
  const std::string script =
      "open-data full.dat\nsuperimpose\ncomponents\nregression 5\nregression-test 5\n";
  for (auto _ : state) {
    vrel::Session session;
    std::istringstream in(script);
    std::ostringstream out, err;
    if (vrel::RunBatchScript(session, "bench.vrel", in, out, err, false) != 0)
      state.SkipWithError(err.str().c_str());
    benchmark::DoNotOptimize(out.str().size());
  }
}
BENCHMARK(BM_WholeAnalysisOfFullCapacitySet)->Unit(benchmark::kMillisecond);

// A larger data set: n specimens of p landmarks in 3-D, a mean shape with a change that grows with
// size, each specimen sized, turned at random, moved and jittered; full precision.
std::string LargeSetText(int n, int p) {
  std::mt19937 gen(7u);
  std::normal_distribution<double> unit(0.0, 1.0);
  std::uniform_real_distribution<double> size(0.5, 1.5), shift(-10.0, 10.0);
  std::vector<double> mean(3 * static_cast<std::size_t>(p)), change(mean.size());
  for (std::size_t j = 0; j < mean.size(); ++j) mean[j] = unit(gen), change[j] = 0.05 * unit(gen);
  std::string text = std::to_string(n) + " " + std::to_string(p) + " 3\n";
  char number[32];
  for (int i = 0; i < n; ++i) {
    double q[4], norm = 0.0;
    for (double& v : q) v = unit(gen), norm += v * v;
    for (double& v : q) v /= std::sqrt(norm);
    const double w = q[0], x = q[1], y = q[2], z = q[3];
    const double r[3][3] = {{1 - 2 * (y * y + z * z), 2 * (x * y - z * w), 2 * (x * z + y * w)},
                            {2 * (x * y + z * w), 1 - 2 * (x * x + z * z), 2 * (y * z - x * w)},
                            {2 * (x * z - y * w), 2 * (y * z + x * w), 1 - 2 * (x * x + y * y)}};
    const double s = size(gen), move[3] = {shift(gen), shift(gen), shift(gen)};
    for (int l = 0; l < p; ++l) {
      double point[3];
      for (int a = 0; a < 3; ++a)
        point[a] = mean[3 * l + a] + s * change[3 * l + a] + 0.02 * unit(gen);
      for (int a = 0; a < 3; ++a) {
        const double value =
            50.0 * s * (r[a][0] * point[0] + r[a][1] * point[1] + r[a][2] * point[2]) + move[a];
        std::snprintf(number, sizeof number, "%.17g ", value);
        text += number;
      }
    }
    text += '\n';
  }
  return text;
}

// The whole analysis of a larger set, in a session that makes room for it, step by step: the
// time of each step is a counter (seconds per run).
void BM_WholeAnalysisOfLargeSet(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0)), p = static_cast<int>(state.range(1));
  vrel::InMemoryFiles files;
  files.Set("large.dat", LargeSetText(n, p));
  const char* steps[] = {"open-data large.dat", "superimpose", "components", "regression 5",
                         "regression-test 5"};
  const char* names[] = {"open", "superimpose", "components", "regression", "test"};
  double seconds[5] = {};
  for (auto _ : state) {
    vrel::Session session;
    for (int step = 0; step < 5; ++step) {
      std::istringstream in(steps[step]);
      std::ostringstream out, err;
      const auto start = std::chrono::steady_clock::now();
      if (vrel::RunBatchScript(session, "bench.vrel", in, out, err, false, nullptr, true) != 0)
        state.SkipWithError(err.str().c_str());
      seconds[step] +=
          std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
  }
  for (int step = 0; step < 5; ++step)
    state.counters[names[step]] =
        benchmark::Counter(seconds[step], benchmark::Counter::kAvgIterations);
}
// 2,000 specimens of 500 landmarks (1,500 coordinates) and 10,000 of 100 (300 coordinates).
BENCHMARK(BM_WholeAnalysisOfLargeSet)
    ->Args({2000, 500})
    ->Args({10000, 100})
    ->Unit(benchmark::kSecond)
    ->Iterations(1);

}  // namespace
