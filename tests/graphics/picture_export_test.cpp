// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "graphics/picture.h"

namespace vrel {
namespace {

TEST(PictureExport, PrintRectangleSpansThePageWidthAndTruncatesTheHeight) {
  struct Case {
    int width, height;
    double page;
    PrintArea area;
  };
  const Case cases[] = {
      {400, 300, 800.0, {0, 0, 800, 600}},
      {568, 375, 800.0, {0, 0, 800, 528}},     // 528.17
      {550, 349, 4959.5, {0, 0, 4959, 3147}},  // both corners truncated: 3147.03
      {100, 900, 800.0, {0, 0, 800, 7200}},    // taller than any page: runs off its bottom
      {0, 300, 800.0, {0, 0, 0, 0}},           // no width: nothing to print
      {0, 0, 800.0, {0, 0, 0, 0}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(PrintRectangle(c.width, c.height, c.page), c.area)
        << c.width << " x " << c.height << " on " << c.page;
}

TEST(PictureExport, FormatFollowsTheExtensionInAnyCase) {
  const std::pair<const char*, std::optional<PictureFileFormat>> cases[] = {
      {"fig.svg", PictureFileFormat::Svg}, {"out/Fig.PDF", PictureFileFormat::Pdf},
      {"a.b.Png", PictureFileFormat::Png}, {"figure", std::nullopt},
      {"fig.svg.txt", std::nullopt},       {"dir.png/figure", std::nullopt},
      {"fig.jpeg", std::nullopt},
  };
  for (const auto& [path, format] : cases)
    EXPECT_EQ(PictureFormatByExtension(path), format) << path;
}

}  // namespace
}  // namespace vrel
