// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "files/file_commands.h"
#include "graphics/drawings.h"
#include "graphics/view_commands.h"
#include "numerics/components_commands.h"
#include "numerics/superimposition_commands.h"
#include "support/scripted_frontend.h"
#include "support/stages.h"
#include "support/test_data.h"

namespace vrel {
namespace {

using test::ScriptedFrontend;
using test::Stage;

// The macaque skulls (7 landmarks in space) superimposed, their components taken, turned by
// three arrow-key steps and a quarter of a tilt.
const Session& TurnedMacaques() {
  static const Session turned = [] {
    Session s;
    ScriptedFrontend fe;
    fe.files = {test::DataFile("macaques.dat")};
    OpenDataClick(s, fe);
    GpaClick(s, fe);
    PcsClick(s, fe);
    for (int key : {KeyLeft, KeyLeft, KeyUp}) SpecimensKeyDown(s, fe, key);
    ShapesDragged(s, fe, 0, -40);
    if (!fe.messages.empty() || s.DimensionCount != 3) throw std::runtime_error("no macaques");
    return s;
  }();
  return turned;
}

// How the picture's points lie in its area: the least slack to the 5 % margin over the four
// sides (negative: beyond it), and whether every point is inside the area.
struct Placement {
  double slack = 1e300;
  bool inside = true;
};

Placement Place(const Picture& picture) {
  const double w = picture.width;
  const double h = picture.height;
  Placement placement;
  auto point = [&](int x, int y) {
    placement.inside = placement.inside && x >= 0 && x <= w && y >= 0 && y <= h;
    placement.slack =
        std::min({placement.slack, x - 0.05 * w, 0.95 * w - x, y - 0.05 * h, 0.95 * h - y});
  };
  for (const PictureItem& item : picture.items) {
    point(item.x1, item.y1);
    if (item.kind != PictureItem::Text) point(item.x2, item.y2);
  }
  return placement;
}

struct FitCase {
  const char* name;
  bool spatial;  // the turned macaques, else the gorillas
  Window window;
  int view;      // the window's view: 2 draws a chosen specimen on top
  bool options;  // colour off, extremes and the grid (planar data) on
};

const FitCase FitCases[] = {
    {"planar specimens", false, Window::Specimens, 1, false},
    {"planar specimen chosen, options", false, Window::Specimens, 2, true},
    {"planar vectors, options", false, Window::Vectors, 1, true},
    {"spatial specimens turned", true, Window::Specimens, 1, false},
    {"spatial vectors turned, options", true, Window::Vectors, 1, true},
};

Session SessionOf(const FitCase& c) {
  Session s = c.spatial ? TurnedMacaques() : test::GorillaAt(Stage::Components);
  (c.window == Window::Specimens ? s.SpecimensView : s.VectorsView) = c.view;
  s.SelectedSpecimen = 11;
  s.SelectedComponent = 1;
  s.ShapeMagnitude = 0.25f;
  if (c.options) {
    s.ColorOption = false;
    s.ExtremesOption = s.GridOption = true;
  }
  return s;
}

// Pixels a drawn point may stand off its exact place: the markers' half side and truncation.
constexpr double MarkerSlack = 3.0;

// Fit, then the drawing at that size: everything inside the window, something at the margin;
// Fit on resize draws the same way whatever the zoom.
TEST(Fit, EverythingDrawnFitsTheWindowAndTouchesItsMargin) {
  constexpr std::array<std::array<int, 2>, 3> Sizes = {{{568, 375}, {120, 500}, {1400, 90}}};
  for (const FitCase& c : FitCases)
    for (const auto& [width, height] : Sizes) {
      SCOPED_TRACE(std::string(c.name) + " at " + std::to_string(width) + "x" +
                   std::to_string(height));
      Session s = SessionOf(c);
      ScriptedFrontend fe;
      s.Zoom = 0.01f;
      s.DrawScale = 10.0f;
      FitDrawing(s, fe, c.window, width, height);
      EXPECT_TRUE(fe.Invalidated(Window::Specimens) && fe.Invalidated(Window::Vectors));
      EXPECT_FLOAT_EQ(s.DrawScale, s.Zoom * 1000.0f);
      const auto draw = c.window == Window::Specimens ? DrawSpecimens : DrawVectors;
      const Placement fitted = Place(draw(s, width, height));
      EXPECT_TRUE(fitted.inside);
      EXPECT_GE(fitted.slack, -MarkerSlack);
      EXPECT_LE(fitted.slack, 1.0);

      s.Zoom = 7.0f;
      s.DrawScale = 7000.0f;
      s.FitOnResizeOption = true;
      const Placement resized = Place(draw(s, width, height));
      EXPECT_TRUE(resized.inside);
      EXPECT_GE(resized.slack, -MarkerSlack);
      EXPECT_LE(resized.slack, 1.0);
    }
}

// The zoom keeps its bounds, and stays as it was when there is nothing to fit.
TEST(Fit, KeepsTheZoomWithinItsBoundsAndLeavesItWithNothingDrawn) {
  struct Row {
    const char* name;
    double spread;  // the consensus and specimens scaled by this
    int specimensView;
    float zoom;  // after Fit
  };
  const Row rows[] = {{"tiny shapes", 1e-12, 1, 1.0e6f},
                      {"huge shapes", 1e12, 1, 1.0e-6f},
                      {"nothing drawn", 1.0, 0, 2.5f}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Session s = test::GorillaAt(Stage::Superimposed);
    s.SpecimensView = row.specimensView;
    for (int i = 0; i < s.CoordinateCount(); ++i) {
      s.Consensus[i] *= row.spread;
      for (int n = 0; n < s.SpecimenCount; ++n) s.Coordinates[n][i] *= row.spread;
    }
    s.Zoom = 2.5f;
    ScriptedFrontend fe;
    FitDrawing(s, fe, Window::Specimens, 568, 375);
    EXPECT_FLOAT_EQ(s.Zoom, row.zoom);
  }
}

// Fit to Window fits the front shape window, or the other one when the front one draws nothing.
TEST(Fit, TheMenuCommandFitsTheFrontWindowThatDraws) {
  struct Row {
    Window front;
    int vectorsView;
    Window fitted;
  };
  for (const Row& row :
       {Row{Window::Vectors, 1, Window::Vectors}, Row{Window::Specimens, 1, Window::Specimens},
        Row{Window::Vectors, 0, Window::Specimens}}) {
    Session s = test::GorillaAt(Stage::Components);
    s.SpecimensView = 1;
    s.VectorsView = row.vectorsView;
    ScriptedFrontend fe;
    fe.frontShapeWindow = row.front;
    fe.drawingSizes = {{Window::Specimens, {300, 200}}, {Window::Vectors, {900, 100}}};
    FitToWindowClick(s, fe);
    const std::array<int, 2> size = fe.drawingSizes[row.fitted];
    const std::optional<double> scale = FittingScale(s, row.fitted, size[0], size[1]);
    ASSERT_TRUE(scale);
    EXPECT_NEAR(s.DrawScale, *scale, *scale * 1e-6) << static_cast<int>(row.front);
  }
}

}  // namespace
}  // namespace vrel
