// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <sstream>
#include <string>

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

}  // namespace
