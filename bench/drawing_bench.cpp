// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

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

// The specimens window at full capacity: 300 specimens of p landmarks in k dimensions, p links
// round the outline, the selected specimen highlighted, labels and colour on, turned a little.
vrel::Session FullSession(int p, int k) {
  vrel::Session s;
  s.SpecimenCount = 300;
  s.LandmarkCount = p;
  s.DimensionCount = k;
  s.SpecimensView = 2;
  s.SelectedSpecimen = 7;
  s.DrawScale = 300.0f;
  vrel::SetRotation(s.Rotation, 0.3f, 0.5f);
  std::mt19937 gen(5u);
  std::normal_distribution<double> noise(0.0, 0.02);
  for (int j = 0; j < p * k; ++j) s.Consensus[j] = std::sin(0.7 * j);
  for (int i = 0; i < 300; ++i)
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
      FullSession(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  for (auto _ : state) benchmark::DoNotOptimize(vrel::DrawSpecimens(s, 568, 375));
}
BENCHMARK(BM_RecordSpecimens)->Args({49, 2})->Args({33, 3})->Unit(benchmark::kMillisecond);

#ifdef VREL_BENCH_QT
// A whole paint: record the drawing, then replay it into an image of the window's size.
void BM_RecordAndReplaySpecimens(benchmark::State& state) {
  // Text needs the fonts of a GUI application (offscreen does).
  static int argc = 1;
  static char name[] = "vrel_bench";
  static char* argv[] = {name, nullptr};
  static QGuiApplication application(argc, argv);
  const vrel::Session s =
      FullSession(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  for (auto _ : state)
    benchmark::DoNotOptimize(vrel::PictureImage(vrel::DrawSpecimens(s, 568, 375)));
}
BENCHMARK(BM_RecordAndReplaySpecimens)->Args({49, 2})->Args({33, 3})->Unit(benchmark::kMillisecond);

// The full-capacity specimens picture written to an image file (SVG, then PNG), as Save to
// metafile and vrel-batch's export do it.
void BM_ExportSpecimens(benchmark::State& state) {
  static int argc = 1;
  static char name[] = "vrel_bench";
  static char* argv[] = {name, nullptr};
  if (QGuiApplication::instance() == nullptr) static QGuiApplication application(argc, argv);
  const vrel::Picture picture = vrel::DrawSpecimens(FullSession(49, 2), 568, 375);
  const bool svg = state.range(0) == 0;
  const std::string path =
      QDir::temp().filePath(svg ? "vrel_bench.svg" : "vrel_bench.png").toStdString();
  for (auto _ : state)
    if (!vrel::WritePictureFile(picture, path,
                                svg ? vrel::PictureFileFormat::Svg : vrel::PictureFileFormat::Png))
      state.SkipWithError("the file cannot be written");
  QFile::remove(QString::fromStdString(path));
}
BENCHMARK(BM_ExportSpecimens)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
#endif

}  // namespace
