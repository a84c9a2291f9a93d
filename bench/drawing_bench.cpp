// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "graphics/drawings.h"
#include "graphics/projection.h"
#include "shell/session.h"
#ifdef VREL_BENCH_QT
#include <QDir>
#include <QGuiApplication>

#include "qt/picture_files.h"
#include "qt/picture_painter.h"
#endif

namespace {

// The specimens window full: n specimens of p landmarks in k dimensions (in a session made large
// enough), p links round the outline, the selected specimen highlighted, labels and colour on,
// turned a little.
vrel::Session FullSession(int n, int p, int k) {
  vrel::Session s(
      vrel::Capacity{std::max(n, vrel::MaxSpecimens), std::max(p * k, vrel::MaxCoordinates)});
  s.SpecimenCount = n;
  s.LandmarkCount = p;
  s.DimensionCount = k;
  s.SpecimensView = 2;
  s.SelectedSpecimen = 7;
  s.DrawScale = 300.0f;
  vrel::SetRotation(s.Rotation, 0.3f, 0.5f);
  std::mt19937 gen(5u);
  std::normal_distribution<double> noise(0.0, 0.02);
  for (int j = 0; j < p * k; ++j) s.Consensus[j] = std::sin(0.7 * j);
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < p * k; ++j) s.Coordinates[i][j] = s.Consensus[j] + noise(gen);
  s.LinkCount = p;
  for (int l = 0; l < p; ++l) {
    s.Links[static_cast<std::size_t>(2 * l)] = l + 1;
    s.Links[static_cast<std::size_t>(2 * l + 1)] = (l + 1) % p + 1;
  }
  return s;
}

void BM_RecordSpecimens(benchmark::State& state) {
  const vrel::Session s =
      FullSession(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
                  static_cast<int>(state.range(2)));
  for (auto _ : state) benchmark::DoNotOptimize(vrel::DrawSpecimens(s, 568, 375));
}
// The default capacity filled in the plane and in space, and 2,000 specimens of 500 landmarks.
BENCHMARK(BM_RecordSpecimens)
    ->Args({300, 49, 2})
    ->Args({300, 33, 3})
    ->Args({2000, 500, 3})
    ->Unit(benchmark::kMillisecond);

#ifdef VREL_BENCH_QT
// A whole paint: record the drawing, then replay it into an image of the window's size.
void BM_RecordAndReplaySpecimens(benchmark::State& state) {
  // Text needs the fonts of a GUI application (offscreen does).
  static int argc = 1;
  static char name[] = "vrel_bench";
  static char* argv[] = {name, nullptr};
  static QGuiApplication application(argc, argv);
  const vrel::Session s =
      FullSession(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
                  static_cast<int>(state.range(2)));
  for (auto _ : state)
    benchmark::DoNotOptimize(vrel::PictureImage(vrel::DrawSpecimens(s, 568, 375)));
}
BENCHMARK(BM_RecordAndReplaySpecimens)
    ->Args({300, 49, 2})
    ->Args({300, 33, 3})
    ->Args({2000, 500, 3})
    ->Unit(benchmark::kMillisecond);

// The full-capacity specimens picture written to an image file (SVG, then PNG), as Save to
// metafile and vrel-batch's export do it.
void BM_ExportSpecimens(benchmark::State& state) {
  static int argc = 1;
  static char name[] = "vrel_bench";
  static char* argv[] = {name, nullptr};
  if (QGuiApplication::instance() == nullptr) static QGuiApplication application(argc, argv);
  const vrel::Picture picture = vrel::DrawSpecimens(
      FullSession(static_cast<int>(state.range(1)), static_cast<int>(state.range(2)),
                  static_cast<int>(state.range(3))),
      568, 375);
  const bool svg = state.range(0) == 0;
  const std::string path =
      QDir::temp().filePath(svg ? "vrel_bench.svg" : "vrel_bench.png").toStdString();
  for (auto _ : state)
    if (!vrel::WritePictureFile(picture, path,
                                svg ? vrel::PictureFileFormat::Svg : vrel::PictureFileFormat::Png))
      state.SkipWithError("the file cannot be written");
  QFile::remove(QString::fromStdString(path));
}
// SVG (0) and PNG (1) of the default capacity filled, and of 2,000 specimens of 500 landmarks.
BENCHMARK(BM_ExportSpecimens)
    ->Args({0, 300, 49, 2})
    ->Args({1, 300, 49, 2})
    ->Args({0, 2000, 500, 3})
    ->Args({1, 2000, 500, 3})
    ->Unit(benchmark::kMillisecond);
#endif

}  // namespace
