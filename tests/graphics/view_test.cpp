// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "graphics/drawings.h"
#include "graphics/plot.h"
#include "graphics/projection.h"
#include "graphics/view_commands.h"
#include "support/scripted_frontend.h"
#include "support/stages.h"

namespace vrel {
namespace {

using test::ScriptedFrontend;

TEST(ScreenMapping, CentreScaleAndTruncation) {
  const ScreenMapping map(568, 375, 1000.0);
  EXPECT_EQ(map.X(0.0), 284);
  EXPECT_EQ(map.Y(0.0), 187);
  EXPECT_EQ(map.X(0.125), 409);
  EXPECT_EQ(map.Y(0.125), 62);
  // The square of half-size 1 around (0.125, 0.125), and truncation toward zero left of 0.
  EXPECT_EQ(map.X(0.125, -1.0), 408);
  EXPECT_EQ(map.Y(0.125, -1.0), 61);
  EXPECT_EQ(map.X(0.125, 1.0), 410);
  EXPECT_EQ(map.Y(0.125, 1.0), 63);
  EXPECT_EQ(map.X(-0.2845), 0);
  EXPECT_EQ(map.X(-0.2855), -1);
  EXPECT_EQ(map.X(1e300), 1000000000);  // far outside stays far outside
}

TEST(ViewCommands, ZoomStepsAreFloatsAndNotInverse) {
  Session s;
  ScriptedFrontend fe;
  BoutonZoomPlusClick(s, fe);
  EXPECT_EQ(s.DrawScale, 1100.0f);
  BoutonZoomMoinsClick(s, fe);
  EXPECT_EQ(s.DrawScale, 990.0f);
  EXPECT_TRUE(fe.Invalidated(Window::Specimens) && fe.Invalidated(Window::Vectors));
}

// However often it is stepped, the zoom stops at 1e6 and at 1e-6, and steps back from there.
TEST(ViewCommands, ZoomStopsAtItsBounds) {
  Session s;
  ScriptedFrontend fe;
  int steps = 0;
  while (s.Zoom < 1.0e6f && steps < 1000) BoutonZoomPlusClick(s, fe), ++steps;
  EXPECT_EQ(steps, 145);  // 1.1 ^ 145 first reaches beyond 1e6
  EXPECT_EQ(s.Zoom, 1.0e6f);
  BoutonZoomPlusClick(s, fe);
  EXPECT_EQ(s.Zoom, 1.0e6f);
  EXPECT_EQ(s.DrawScale, 1.0e9f);
  BoutonZoomMoinsClick(s, fe);
  EXPECT_EQ(s.Zoom, 9.0e5f);
  for (int i = 0; i < 2000; ++i) BoutonZoomMoinsClick(s, fe);
  EXPECT_EQ(s.Zoom, 1.0e-6f);
  BoutonZoomPlusClick(s, fe);
  EXPECT_EQ(s.Zoom, static_cast<float>(1.0e-6f * 1.1));
}

TEST(ViewCommands, ArrowKeysCycleThroughFortyPositions) {
  Session s;
  ScriptedFrontend fe;
  for (int press = 1; press <= 39; ++press) SpecimensKeyDown(s, fe, KeyUp);
  EXPECT_NEAR(s.TiltAngle, 6.126, 1e-3);
  SpecimensKeyDown(s, fe, KeyUp);
  EXPECT_EQ(s.TiltAngle, 0.0f);
  SpecimensKeyDown(s, fe, KeyDown);
  EXPECT_EQ(s.TiltAngle, 6.2831855f);
  VectorsKeyDown(s, fe, KeyLeft);
  EXPECT_NEAR(s.TurnAngle, 0.1570796, 1e-7);
  EXPECT_NEAR(s.Rotation[0], std::cos(0.1570796), 1e-7);
  // Each window repaints only itself.
  EXPECT_EQ(fe.Count("invalidate:Specimens"), 41);
  EXPECT_EQ(fe.Count("invalidate:Vectors"), 1);
}

TEST(ViewCommands, QuarterTurnsFromTheFrontAndBack) {
  Session s;
  ScriptedFrontend fe;
  BoutonUpClick(s, fe);
  EXPECT_EQ(s.Rotation[0], 1.0);
  EXPECT_EQ(s.Rotation[1], 0.0);
  EXPECT_NEAR(s.Rotation[4], -4.37e-8, 1e-9);
  EXPECT_NEAR(s.Rotation[5], 1.0, 1e-14);
  BoutonRightClick(s, fe);  // from any turned view: the front view
  EXPECT_EQ(s.Rotation, (RotationRows{1, 0, 0, 0, 1, 0}));
  BoutonRightClick(s, fe);
  EXPECT_NEAR(s.Rotation[0], 0.0, 1e-7);
  EXPECT_NEAR(s.Rotation[2], 1.0, 1e-14);
  EXPECT_EQ(s.Rotation[4], 1.0);
}

TEST(ViewCommands, ListChoicesAreCappedByWhatExists) {
  Session s;
  s.SpecimenCount = 10;
  s.LandmarkCount = 10;
  s.DimensionCount = 3;
  ScriptedFrontend fe;
  ComboBoxIndiClick(s, fe, 299);
  EXPECT_EQ(s.SelectedSpecimen, 9);
  EXPECT_EQ(s.SpecimensView, 2);
  ComboBoxIndiKeyDown(s, fe, 9, KeyRight);
  EXPECT_EQ(s.SelectedSpecimen, 9);
  ComboBoxIndiKeyDown(s, fe, -1, KeyLeft);  // nothing chosen yet
  EXPECT_EQ(s.SelectedSpecimen, 0);

  ComboBoxCompClick(s, fe, 29);  // "30" with 10 spatial landmarks: "23"
  EXPECT_EQ(s.SelectedComponent, 22);
  EXPECT_EQ(fe.comboIndex[Combo::Comp], 22);
  s.DimensionCount = 2;
  ComboBoxCompKeyDown(s, fe, 15, KeyRight);  // the last planar one is "16"
  EXPECT_EQ(s.SelectedComponent, 15);
  ComboBoxCompKeyDown(s, fe, 97, KeyLeft);  // from "Regres" to "97", whatever exists
  EXPECT_EQ(s.SelectedComponent, 96);
  EXPECT_EQ(s.VectorsView, 1);

  ComboBoxCompClick(s, fe, 98);  // "Discrim" before any discrimination
  EXPECT_EQ(s.SelectedComponent, 0);
  EXPECT_EQ(s.VectorsView, 0);
  s.RegressionVectorReady = true;
  ComboBoxCompClick(s, fe, 97);  // an existing vector is shown
  EXPECT_EQ(s.SelectedComponent, 97);
  EXPECT_EQ(s.VectorsView, 1);
  s.LandmarkCount = 2;  // no component at all: nothing rather than a negative column
  ComboBoxCompClick(s, fe, 0);
  EXPECT_EQ(s.VectorsView, 0);

  TrackBar1Change(s, fe, -10);
  EXPECT_EQ(s.ShapeMagnitude, -0.25f);
  TrackBar1Change(s, fe, 10);
  EXPECT_EQ(s.ShapeMagnitude, 0.25f);
}

// Two specimens of three landmarks drawn in view 2.
Session Triangles(int k) {
  Session s;
  s.SpecimenCount = 2;
  s.LandmarkCount = 3;
  s.DimensionCount = k;
  s.SpecimensView = 2;
  for (int j = 0; j < 3 * k; ++j) {
    s.Consensus[j] = 0.1 * (j + 1);
    s.Coordinates[0][j] = s.Consensus[j] + 0.01;
    s.Coordinates[1][j] = s.Consensus[j] - 0.01;
  }
  // Links to landmarks that are not there (0, p + 1 and beyond) are passed over.
  const int ends[] = {1, 3, 2, 7, 3, 4, 0, 2};
  std::copy(std::begin(ends), std::end(ends), s.Links.begin());
  s.LinkCount = 4;
  return s;
}

int CountItems(const Picture& picture, PictureItem::Kind kind) {
  int count = 0;
  for (const PictureItem& item : picture.items) count += item.kind == kind ? 1 : 0;
  return count;
}

TEST(Drawings, LinksToMissingLandmarksAndSpecimensBeyondTheLoadedAreSkipped) {
  Session s = Triangles(2);
  const Picture view2 = DrawSpecimens(s, 568, 375);
  // Green lines 2 x 3, one consensus link, one highlighted link.
  EXPECT_EQ(CountItems(view2, PictureItem::Line), 8);
  EXPECT_EQ(CountItems(view2, PictureItem::Rectangle), 9);
  EXPECT_EQ(CountItems(view2, PictureItem::Text), 3);
  s.SelectedSpecimen = 2;  // beyond the specimens now loaded
  const Picture beyond = DrawSpecimens(s, 568, 375);
  EXPECT_EQ(CountItems(beyond, PictureItem::Rectangle), 6);
  s.SpecimensView = 0;
  const Picture empty = DrawSpecimens(s, 100, 50);
  EXPECT_EQ(PictureListing(empty), "picture 100 50\n");
}

TEST(Drawings, OneCoordinatePerLandmarkLiesOnTheHorizontalAxis) {
  const Session s = Triangles(1);
  for (const PictureItem& item : DrawSpecimens(s, 568, 375).items)
    if (item.kind == PictureItem::Line) {
      EXPECT_EQ(item.y1, 187);
      EXPECT_EQ(item.y2, 187);
    }
}

TEST(Drawings, VectorsAtMagnitudeZeroDrawTheConsensusTwice) {
  Session s = Triangles(2);
  s.VectorsView = 1;
  s.ShapeMagnitude = 0.0f;
  s.Pcs[0][0] = 0.5;
  const Picture picture = DrawVectors(s, 560, 367);
  ASSERT_EQ(CountItems(picture, PictureItem::Rectangle), 6);
  // Dotted reference, then the plus end: blue, two pixels, larger squares at the same places.
  EXPECT_EQ(picture.items[0].pen, (Pen{Black, 1, PenStyle::Dot}));
  const PictureItem& small = picture.items[1];
  const PictureItem& large = picture.items[5];
  EXPECT_EQ(large.pen, (Pen{Blue, 2, PenStyle::Solid}));
  EXPECT_EQ(large.x1 + 1, small.x1);
  s.ShapeMagnitude = 0.1f;  // 0.5 x 0.1 x 1000: 50 pixels to the right
  EXPECT_EQ(DrawVectors(s, 560, 367).items[5].x1, large.x1 + 50);
}

// n specimens with horizontal scores from the list and vertical scores 0, components taken.
Session PlotSession(const std::vector<double>& across, const std::vector<double>& up = {}) {
  Session s;
  s.SpecimenCount = static_cast<int>(across.size());
  s.LandmarkCount = 10;
  s.DimensionCount = 2;
  s.ComponentsComputed = true;
  for (std::size_t i = 0; i < across.size(); ++i) {
    s.Scores[static_cast<int>(i)][0] = across[i];
    s.Scores[static_cast<int>(i)][1] = i < up.size() ? up[i] : 0.0;
  }
  s.ShowLabels = false;
  return s;
}

// The markers' boxes of a plot, as drawn: [left, top, right, bottom].
std::vector<std::array<int, 4>> MarkerBoxes(const Picture& plot) {
  std::vector<std::array<int, 4>> boxes;
  for (const PictureItem& item : plot.items)
    if (item.kind == PictureItem::Rectangle || item.kind == PictureItem::Ellipse)
      boxes.push_back({std::min(item.x1, item.x2), std::min(item.y1, item.y2),
                       std::max(item.x1, item.x2), std::max(item.y1, item.y2)});
  return boxes;
}

TEST(Plot, FrameAxesAndOneScaleFromTheHorizontalColumn) {
  Session s = PlotSession({-1.0, 2.0});
  ScriptedFrontend fe;
  EXPECT_FALSE(DrawPlot(s, 550, 349).has_value());  // nothing to plot yet: the window keeps its own
  ViewPlotClick(s, fe);
  const Picture plot = *DrawPlot(s, 550, 349);
  const std::string head = PictureListing(plot).substr(0, 260);
  EXPECT_EQ(head.substr(0, head.find("rect")),
            "picture 550 349\n"
            "line 10 10 10 339 #000000 1 solid\nline 10 339 540 339 #000000 1 solid\n"
            "line 540 339 540 10 #000000 1 solid\nline 540 10 10 10 #000000 1 solid\n"
            "line 10 174 540 174 #000000 1 solid\nline 275 10 275 339 #000000 1 solid\n"
            "text 2 174 0\ntext 277 339 0\n");
  // s = 0.66 x 550 / 3.0001: the value 2 lies at 275 + 241.99, each corner truncated on its own.
  const PictureItem& two = plot.items[9];
  EXPECT_EQ((std::array<int, 4>{two.x1, two.y1, two.x2, two.y2}),
            (std::array<int, 4>{518, 176, 514, 172}));
}

TEST(Plot, EveryMarkerStaysInsideTheFrame) {
  struct Case {
    int width, height;
    std::vector<double> across, up;
    bool keepsItsScale;  // the scale of the horizontal spread, as everything fits
  };
  const Case cases[] = {
      {550, 349, {-1.0, 2.0}, {0.5, -0.5}, true},
      {550, 349, {-1.0, 2.0}, {}, true},
      // The range always holds 0: values 1 .. 5 would put 5 at 275 + 5 x 72.6 beyond the frame.
      {550, 349, {1.0, 5.0}, {}, false},
      {550, 349, {-5.0, -1.0}, {}, false},
      // A vertical spread larger than the horizontal one: above, below, and both.
      {550, 349, {-1.0, 1.0}, {3.0, 0.0}, false},
      {550, 349, {-1.0, 1.0}, {0.0, -3.0}, false},
      {780, 400, {-1.0, 1.0, 0.2}, {0.1, -0.1, 2.0}, false},
      // Odd sizes: the halves are truncated, the room on each side differs by a pixel.
      {551, 351, {-1.0, 1.0}, {-3.0, 3.0}, false},
      // No room inside the frame: the markers sit at the centre rather than mirrored.
      {20, 20, {-1.0, 1.0}, {}, false},
  };
  ScriptedFrontend fe;
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " first " << c.across[0]);
    Session s = PlotSession(c.across, c.up);
    ViewPlotClick(s, fe);
    const double spread =
        0.66 * c.width /
        (std::max(0.0, *std::max_element(c.across.begin(), c.across.end())) -
         std::min(0.0, *std::min_element(c.across.begin(), c.across.end())) + 0.0001);
    const double scale = PlotMappingOf(s, c.width, c.height)->scale;
    if (c.keepsItsScale) {
      EXPECT_EQ(scale, spread);
      continue;
    }
    EXPECT_LT(scale, spread);
    EXPECT_GE(scale, 0.0);
    const auto boxes = MarkerBoxes(*DrawPlot(s, c.width, c.height));
    ASSERT_EQ(boxes.size(), c.across.size());
    if (c.width < 24) continue;
    // Inside the frame, and one of them at its margin (truncation may leave a pixel).
    int closest = c.width;
    for (const auto& [left, top, right, bottom] : boxes) {
      EXPECT_GE(left, 10);
      EXPECT_GE(top, 10);
      EXPECT_LE(right, c.width - 10);
      EXPECT_LE(bottom, c.height - 10);
      closest =
          std::min({closest, left - 10, top - 10, c.width - 10 - right, c.height - 10 - bottom});
    }
    EXPECT_LE(closest, 1);
  }
}

TEST(Plot, TheGorillaSpecimensAllShowInWideWindows) {
  Session s = test::GorillaAt(test::Stage::Components);
  ScriptedFrontend fe;
  ViewPlotClick(s, fe);
  for (auto [width, height] : {std::pair{780, 400}, {900, 400}, {550, 349}, {300, 900}}) {
    const auto boxes = MarkerBoxes(*DrawPlot(s, width, height));
    ASSERT_EQ(boxes.size(), 59u);
    for (const auto& [left, top, right, bottom] : boxes) {
      EXPECT_TRUE(left >= 10 && top >= 10 && right <= width - 10 && bottom <= height - 10)
          << width << "x" << height << ": " << left << " " << top << " " << right << " " << bottom;
    }
  }
}

TEST(Plot, AxisChoicesAreCappedAndMissingVectorsPlotNothing) {
  Session s = PlotSession({0.1, 0.2, 0.3});
  ScriptedFrontend fe;
  PlotAxesChosen(s, fe, 40, 96);  // beyond the 16 components of 10 planar landmarks; Cs/Fac
  EXPECT_EQ(s.PlotAxisX, 15);
  EXPECT_EQ(fe.comboIndex[Combo::Xaxis], 15);
  EXPECT_EQ(s.PlotAxisY, 96);
  EXPECT_EQ(s.PlotView, 1);
  for (auto [x, y] : {std::pair{97, 0}, {0, 98}, {-1, 0}}) {
    PlotAxesChosen(s, fe, x, y);
    EXPECT_EQ(s.PlotView, 0) << x << " " << y;
  }
  s.GroupLimit = 5;  // beyond the specimens loaded: only they are drawn
  PlotAxesChosen(s, fe, 0, 1);
  EXPECT_EQ(CountItems(*DrawPlot(s, 550, 349), PictureItem::Rectangle), 3);
}

}  // namespace
}  // namespace vrel
