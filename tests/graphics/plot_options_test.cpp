// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "files/file_commands.h"
#include "graphics/plot.h"
#include "graphics/projection.h"
#include "graphics/view_commands.h"
#include "shell/shell_commands.h"
#include "shell/specimen_names.h"
#include "support/scripted_frontend.h"
#include "support/test_data.h"

namespace vrel {
namespace {

using test::ScriptedFrontend;

// A plot of the points (across[i], up[i]) in columns 0 and 1, without labels; the specimens
// from groupLimit on form group 2 (0: no groups).
Session Points(const std::vector<double>& across, const std::vector<double>& up,
               int groupLimit = 0) {
  Session s;
  s.SpecimenCount = static_cast<int>(across.size());
  s.LandmarkCount = 10;
  s.DimensionCount = 2;
  s.ComponentsComputed = true;
  s.PlotView = 1;
  for (std::size_t i = 0; i < across.size(); ++i) {
    s.Scores[static_cast<int>(i)][0] = across[i];
    s.Scores[static_cast<int>(i)][1] = up[i];
  }
  s.ShowLabels = false;
  s.GroupLimit = groupLimit;
  return s;
}

// The items of a picture after the first `skip`.
std::vector<PictureItem> After(const Picture& picture, std::size_t skip) {
  return {picture.items.begin() + static_cast<std::ptrdiff_t>(skip), picture.items.end()};
}

// The next finer round step: 5 to 2, 2 to 1, 1 to 0.5.
AxisScale Finer(const AxisScale& scale) {
  if (scale.mantissa == 1) return {5, scale.exponent - 1};
  return {scale.mantissa == 5 ? 2 : 1, scale.exponent};
}

TEST(AxisScales, TicksSitAtRoundValuesWhereThePlotsScalePutsThem) {
  struct Case {
    int width, height;
    std::vector<double> across, up;
    int fewestUpward;  // 4, unless no round step gives 4 to 10 on both axes
  };
  const Case cases[] = {
      {550, 349, {-1.0, 2.0}, {0.5, -0.5}, 4},
      {568, 375, {-0.03, 0.05}, {0.01, -0.02}, 4},
      // The vertical spread limits the scale: a step of 200 gives 14 ticks across, one of 500
      // two upward; the fewer ticks are taken.
      {550, 349, {-1200.0, 800.0}, {300.0, -900.0}, 2},
      {300, 300, {0.0004, -0.001}, {0.0, 0.0}, 4},
      {400, 600, {-7.0, 3.0}, {2.0, 0.0}, 4},
      {800, 500, {-0.5, 0.5}, {0.0, 0.0}, 4},
      {551, 351, {-1.0, 1.0}, {-3.0, 3.0}, 4},  // odd sizes, the vertical spread the larger
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " first " << c.across[0]);
    Session s = Points(c.across, c.up);
    s.AxisScalesOption = true;
    const PlotMapping map = *PlotMappingOf(s, c.width, c.height);
    const std::optional<AxisScale> scale = PlotAxisScale(map);
    ASSERT_TRUE(scale.has_value());
    EXPECT_TRUE(scale->mantissa == 1 || scale->mantissa == 2 || scale->mantissa == 5);
    // The frame, the axes, their zeros and the markers come first, then a line and a value
    // per tick.
    const std::vector<PictureItem> ticks =
        After(*DrawPlot(s, c.width, c.height), 8 + c.across.size());
    ASSERT_EQ(ticks.size() % 2, 0u);
    int across = 0, upward = 0;
    for (std::size_t t = 0; t < ticks.size(); t += 2) {
      const PictureItem& line = ticks[t];
      const PictureItem& value = ticks[t + 1];
      ASSERT_EQ(line.kind, PictureItem::Line);
      ASSERT_EQ(value.kind, PictureItem::Text);
      const double number = std::stod(value.text);
      EXPECT_NE(number, 0.0);  // the two zeros are the axes' own
      // A whole number of steps.
      const double steps = number / scale->Step();
      EXPECT_NEAR(steps, std::round(steps), 1e-9) << value.text;
      if (line.x1 == line.x2) {
        ++across;
        EXPECT_EQ(line.x1, TruncateToPixel(map.X(number))) << value.text;
        EXPECT_EQ(line.y1 + line.y2, 2 * (c.height / 2));  // across the horizontal axis
      } else {
        ++upward;
        EXPECT_EQ(line.y1, TruncateToPixel(map.Y(number))) << value.text;
        EXPECT_EQ(line.x1 + line.x2, 2 * (c.width / 2));
      }
      const int length = std::abs(line.x2 - line.x1) + std::abs(line.y2 - line.y1);
      EXPECT_TRUE(length >= 3 && length <= 8) << length;
      // Tick and value inside the frame (a character is at most 8 pixels wide, 14 high).
      for (int x : {line.x1, line.x2, value.x1, value.x1 + 8 * static_cast<int>(value.text.size())})
        EXPECT_TRUE(x >= 10 && x <= c.width - 10) << value.text << " at x " << x;
      for (int y : {line.y1, line.y2, value.y1, value.y1 + 14})
        EXPECT_TRUE(y >= 10 && y <= c.height - 10) << value.text << " at y " << y;
    }
    EXPECT_TRUE(across >= 4 && across <= 10) << across << " across";
    EXPECT_TRUE(upward >= c.fewestUpward && upward <= 10) << upward << " upward";
    // The finest such step: a finer one puts more than 10 on an axis.
    const AxisScale finer = Finer(*scale);
    EXPECT_GT(
        std::max(TickMultiples(map, finer, true).size(), TickMultiples(map, finer, false).size()),
        10u);
  }
}

TEST(AxisScales, ValuesKeepTheStepsDecimalsAndTinyFramesHaveNone) {
  struct Case {
    AxisScale scale;
    int multiple;
    const char* text;
  };
  const Case cases[] = {{{5, -2}, -1, "-0.05"}, {{2, 1}, 3, "60"},      {{1, 0}, 7, "7"},
                        {{2, -1}, 3, "0.6"},    {{5, 3}, -2, "-10000"}, {{1, -4}, 9, "0.0009"}};
  for (const Case& c : cases) EXPECT_EQ(FormatTickValue(c.scale, c.multiple), c.text);
  // No room inside the frame, or no scale: no ticks.
  EXPECT_FALSE(PlotAxisScale(PlotMapping{20, 20, 5.0}).has_value());
  EXPECT_FALSE(PlotAxisScale(PlotMapping{550, 349, 0.0}).has_value());
}

// Markers at the corners of a 400 x 400 plot, the scale set by the points (-1, 0) and (1, 0).
TEST(Legend, TakesTheFirstCornerWhereItHidesNoMarker) {
  enum Corner { TopRight, TopLeft, BottomRight, BottomLeft };
  struct Case {
    std::vector<Corner> occupied;
    Corner expected;
  };
  const Case cases[] = {{{}, TopRight},
                        {{TopRight}, TopLeft},
                        {{TopRight, TopLeft}, BottomRight},
                        {{TopRight, TopLeft, BottomRight}, BottomLeft},
                        {{TopLeft, BottomLeft}, TopRight},
                        // No corner free: top-right all the same.
                        {{TopRight, TopLeft, BottomRight, BottomLeft}, TopRight}};
  const int size = 400;
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.occupied.size() << " corners taken");
    std::vector<double> across = {-1.0, 1.0}, up = {0.0, 0.0};
    for (Corner corner : c.occupied) {
      across.push_back(corner == TopLeft || corner == BottomLeft ? -1.0 : 1.0);
      up.push_back(corner == TopRight || corner == TopLeft ? 1.2 : -1.2);
    }
    Session s = Points(across, up, 1);
    s.LegendOption = true;
    const Picture plot = *DrawPlot(s, size, size);
    // The box, then each group's marker and name.
    const std::vector<PictureItem> legend = After(plot, plot.items.size() - 5);
    const PixelBox box{legend[0].x1, legend[0].y1, legend[0].x2, legend[0].y2};
    EXPECT_EQ(box, PlotLegendBox(s, *PlotMappingOf(s, size, size)));
    EXPECT_EQ(legend[0].kind, PictureItem::Rectangle);
    EXPECT_EQ(legend[1].kind, PictureItem::Rectangle);
    EXPECT_EQ(legend[2].text, "Group 1");
    EXPECT_EQ(legend[3].kind, PictureItem::Ellipse);
    EXPECT_EQ(legend[3].pen.colour, Red);
    EXPECT_EQ(legend[4].text, "Group 2");
    const bool right = box.right > size / 2, top = box.top < size / 2;
    const Corner found = top ? (right ? TopRight : TopLeft) : (right ? BottomRight : BottomLeft);
    EXPECT_EQ(found, c.expected);
    EXPECT_TRUE(box.left >= 10 && box.top >= 10 && box.right <= size - 10 &&
                box.bottom <= size - 10);
    if (c.occupied.size() == 4) continue;
    // The markers drawn before it: none under the box.
    for (std::size_t i = 8; i < 8 + across.size(); ++i) {
      const PictureItem& m = plot.items[i];
      const bool apart = std::max(m.x1, m.x2) < box.left || std::min(m.x1, m.x2) > box.right ||
                         std::max(m.y1, m.y2) < box.top || std::min(m.y1, m.y2) > box.bottom;
      EXPECT_TRUE(apart) << "marker " << i - 8;
    }
  }
  // Without groups there is nothing to tell apart.
  Session s = Points({-1.0, 1.0}, {0.0, 0.0});
  s.LegendOption = true;
  EXPECT_EQ(DrawPlot(s, size, size)->items.size(), 10u);
}

TEST(LargeMarkers, TwiceTheSizeGroupTwoFilledAndStillInsideTheFrame) {
  // Two specimens in group 1, two in group 2; the right-most value limits the scale.
  Session s = Points({-1.0, 5.0, 0.5, -0.5}, {0.0, 0.0, 1.0, -1.0}, 2);
  s.LargeMarkersOption = true;
  struct Case {
    bool colour;
    const char* fill;
  };
  for (const Case& c : {Case{true, " fill #ff0000\n"}, Case{false, " fill #000000\n"}}) {
    s.ColorOption = c.colour;
    const Picture plot = *DrawPlot(s, 550, 349);
    for (std::size_t i = 8; i < 12; ++i) {
      const PictureItem& m = plot.items[i];
      EXPECT_EQ(std::abs(m.x1 - m.x2), 8);
      EXPECT_EQ(std::abs(m.y1 - m.y2), 8);
      EXPECT_TRUE(std::min(m.x1, m.x2) >= 10 && std::max(m.x1, m.x2) <= 540);
      // Group 1's squares hollow (white), group 2's circles filled in their pen's colour.
      EXPECT_EQ(m.kind, i < 10 ? PictureItem::Rectangle : PictureItem::Ellipse);
      EXPECT_EQ(m.fill.has_value(), i >= 10);
      if (m.fill) EXPECT_EQ(*m.fill, m.pen.colour);
    }
    // The value 5 puts its marker's edge at the frame's margin: 540 - 2 less a pixel at most.
    EXPECT_GE(std::max(plot.items[9].x1, plot.items[9].x2), 537);
    // A filled circle's listing line ends with its fill.
    const std::string circle = PictureListing(Picture{550, 349, {plot.items[10]}});
    EXPECT_TRUE(circle.ends_with(std::string(" solid") + c.fill)) << circle;
  }
  // The mouse finds a marker 2 pixels beyond its box: 6 from the centre of a large one, 4 of a
  // small one.
  struct Reach {
    bool large;
    int offset;
    int found;
  };
  for (const Reach& r :
       {Reach{true, 6, 0}, Reach{true, 7, -1}, Reach{false, 4, 0}, Reach{false, 5, -1}}) {
    s.LargeMarkersOption = r.large;
    // The pixel at most `offset` to the left of the first specimen's centre, less than one more.
    const PlotMapping map = *PlotMappingOf(s, 550, 349);
    const int x = static_cast<int>(std::ceil(map.X(s.Scores[0][0]) - r.offset));
    const int y = TruncateToPixel(map.Y(s.Scores[0][1]));
    EXPECT_EQ(PlotSpecimenAt(s, 550, 349, x, y), r.found) << r.large << " " << r.offset;
  }
  // Off: the markers of half-size 2, none filled, and the smaller reach.
  s.LargeMarkersOption = false;
  const Picture plot = *DrawPlot(s, 550, 349);
  EXPECT_EQ(std::abs(plot.items[8].x1 - plot.items[8].x2), 4);
  EXPECT_EQ(PictureListing(plot).find("fill"), std::string::npos);
  EXPECT_GE(std::max(plot.items[9].x1, plot.items[9].x2), 537);
}

TEST(NameLabels, ThePlotAndTheSpecimenListShowTheFilesNames) {
  // Three named specimens and a fourth without a name.
  const std::string tps =
      test::WriteScratch("named.tps",
                         "LM=3\n0 0\n4 0\n0 3\nID=Gg 12\nLM=3\n1 0\n4 1\n0 2\nID=B\n"
                         "LM=3\n0 1\n5 0\n1 3\nID=C\nLM=3\n0 0\n3 0\n0 4\n");
  Session s;
  ScriptedFrontend fe;
  fe.files = {tps};
  OpenDataClick(s, fe);
  ASSERT_TRUE(fe.messages.empty()) << fe.LastMessage();
  EXPECT_EQ(fe.comboItems.count(Combo::Indi), 0u);  // off: the list keeps its numbers
  for (int i = 0; i < 4; ++i) s.Scores[i][0] = s.Scores[i][1] = i - 1.5;
  s.ComponentsComputed = true;
  s.PlotView = 1;
  s.ShowLabels = true;
  auto labels = [&s] {
    std::vector<std::string> texts;
    for (const PictureItem& item : After(*DrawPlot(s, 550, 349), 12)) texts.push_back(item.text);
    return texts;
  };
  EXPECT_EQ(labels(), (std::vector<std::string>{"1", "2", "3", "4"}));

  NameLabelsClick(s, fe);
  EXPECT_TRUE(fe.Invalidated(Window::Plot));
  EXPECT_EQ(labels(), (std::vector<std::string>{"Gg 12", "B", "C", "4"}));
  const std::vector<std::string>& items = fe.comboItems[Combo::Indi];
  ASSERT_EQ(items.size(), static_cast<std::size_t>(MaxSpecimens));
  EXPECT_EQ(items[0], "1 Gg 12");
  EXPECT_EQ(items[2], "3 C");
  EXPECT_EQ(items[3], "4");
  EXPECT_EQ(items[299], "300");

  // Clear Session forgets the names, and the list shows numbers only; turned off, it does too.
  ClearSessionClick(s, fe);
  EXPECT_EQ(fe.comboItems[Combo::Indi][0], "1");
  s.SpecimenNames[0] = "X";
  s.SpecimenCount = 1;
  NameLabelsClick(s, fe);
  EXPECT_EQ(fe.comboItems[Combo::Indi], SpecimenListItems(Session{}));
}

}  // namespace
}  // namespace vrel
