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

namespace vrel {
namespace {

// A shape drawn again later is dropped where it first came, and only there: what lies between
// the two and text stay in their order, as do the same corners with another pen, fill or kind.
TEST(PictureExport, DropsOnlyShapesThatTheSameShapeCoversLater) {
  const auto rect = [](int x, std::uint32_t colour, std::optional<std::uint32_t> fill) {
    return PictureItem{PictureItem::Rectangle, x, 0, x + 4, 4, Pen{colour}, "", fill};
  };
  const PictureItem a = rect(1, Black, std::nullopt), b = rect(3, Black, std::nullopt);
  const PictureItem red = rect(1, Red, std::nullopt), filled = rect(1, Black, Blue);
  const PictureItem line{PictureItem::Line, 1, 0, 5, 4, Pen{}, ""};
  const PictureItem text{PictureItem::Text, 1, 0, 0, 0, Pen{}, "1"};
  const PictureItem far{PictureItem::Line, 40000, 0, 40004, 4, Pen{}, ""};
  Picture picture{10, 10, {a, b, red, filled, line, text, a, text, far, far, a}};
  RepeatFilter filter;  // the two drawings of a crowd, replayed item by item
  for (const PictureItem& item : picture.items) filter.Pass(item);
  filter.StartKeeping();
  std::erase_if(picture.items, [&filter](const PictureItem& item) { return !filter.Pass(item); });
  EXPECT_EQ(picture.items,
            (std::vector<PictureItem>{b, red, filled, line, text, text, far, far, a}));
}

}  // namespace
}  // namespace vrel
