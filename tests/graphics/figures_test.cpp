// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "files/file_commands.h"
#include "graphics/deformation_grid.h"
#include "graphics/drawings.h"
#include "graphics/plot.h"
#include "graphics/projection.h"
#include "graphics/view_commands.h"
#include "numerics/components_commands.h"
#include "numerics/superimposition_commands.h"
#include "shell/capacities.h"
#include "support/scripted_frontend.h"
#include "support/stages.h"
#include "support/test_data.h"

namespace vrel {
namespace {

using test::ScriptedFrontend;
using test::Stage;

// The gorilla consensus and the shape drawn at the plus end of component 1 at magnitude 0.1.
struct ShapePair {
  std::vector<double> consensus, deformed;
  int p = 0;
};

ShapePair GorillaChange(double magnitude) {
  const Session& s = test::GorillaAt(Stage::Components);
  ShapePair pair;
  pair.p = s.LandmarkCount;
  for (int i = 0; i < s.CoordinateCount(); ++i) {
    pair.consensus.push_back(s.Consensus[i]);
    pair.deformed.push_back(s.Consensus[i] + magnitude * s.Pcs[i][0]);
  }
  return pair;
}

TEST(DeformationGrid, TheSplineSendsEachLandmarkOntoItsTarget) {
  const ShapePair gorilla = GorillaChange(0.25);
  // Five landmarks, one of them pulled far off an affine map.
  const ShapePair square{
      {0, 0, 1, 0, 1, 1, 0, 1, 0.5, 0.5}, {0, 0, 1, 0.1, 1.2, 1, 0, 1, 0.9, 0.2}, 5};
  for (const ShapePair& pair : {gorilla, square}) {
    const ThinPlateSpline warp(pair.consensus.data(), pair.deformed.data(), pair.p);
    EXPECT_TRUE(warp.Bends());
    for (int j = 0; j < pair.p; ++j) {
      const PlanePoint at = warp(pair.consensus[2 * j], pair.consensus[2 * j + 1]);
      EXPECT_NEAR(at.x, pair.deformed[2 * j], 1e-9) << "landmark " << j + 1;
      EXPECT_NEAR(at.y, pair.deformed[2 * j + 1], 1e-9) << "landmark " << j + 1;
    }
  }
}

// The lines of an affine image of the grid: each line straight with evenly spaced points, and
// the lines themselves evenly spaced, their first points one constant step apart.
void ExpectStraightAndEven(const std::vector<std::vector<PlanePoint>>& lines, std::size_t first,
                           std::size_t count) {
  const double tolerance = 1e-9;
  for (std::size_t l = first; l < first + count; ++l) {
    const std::vector<PlanePoint>& line = lines[l];
    ASSERT_GE(line.size(), 3u);
    const double stepX = line[1].x - line[0].x;
    const double stepY = line[1].y - line[0].y;
    for (std::size_t t = 1; t < line.size(); ++t) {
      EXPECT_NEAR(line[t].x - line[t - 1].x, stepX, tolerance) << "line " << l << " point " << t;
      EXPECT_NEAR(line[t].y - line[t - 1].y, stepY, tolerance) << "line " << l << " point " << t;
    }
    if (l > first) {
      EXPECT_NEAR(line[0].x - lines[l - 1][0].x, lines[first + 1][0].x - lines[first][0].x,
                  tolerance);
      EXPECT_NEAR(line[0].y - lines[l - 1][0].y, lines[first + 1][0].y - lines[first][0].y,
                  tolerance);
    }
  }
}

TEST(DeformationGrid, AffineChangesGiveStraightEvenlySpacedLines) {
  const ShapePair gorilla = GorillaChange(0.0);
  const std::optional<GridLayout> grid = GridOver(gorilla.consensus.data(), gorilla.p);
  ASSERT_TRUE(grid.has_value());
  const std::size_t vertical = static_cast<std::size_t>(grid->columns) + 1;
  const std::size_t horizontal = static_cast<std::size_t>(grid->rows) + 1;
  struct Case {
    const char* name;
    std::function<PlanePoint(double, double)> map;
  };
  const Case cases[] = {
      {"translation",
       [](double x, double y) {
         return PlanePoint{x + 0.03, y - 0.02};
       }},
      {"scaling",
       [](double x, double y) {
         return PlanePoint{1.4 * x, 0.7 * y};
       }},
      {"shear",
       [](double x, double y) {
         return PlanePoint{x + 0.5 * y, y};
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<double> moved;
    for (int j = 0; j < gorilla.p; ++j) {
      const PlanePoint to = c.map(gorilla.consensus[2 * j], gorilla.consensus[2 * j + 1]);
      moved.insert(moved.end(), {to.x, to.y});
    }
    const auto lines = DeformationGridLines(gorilla.consensus.data(), moved.data(), gorilla.p);
    ASSERT_EQ(lines.size(), vertical + horizontal);
    ExpectStraightAndEven(lines, 0, vertical);
    ExpectStraightAndEven(lines, vertical, horizontal);
    // And it is the affine map itself, at the grid's corner.
    const PlanePoint corner = c.map(grid->left, grid->bottom);
    EXPECT_NEAR(lines[0][0].x, corner.x, 1e-9);
    EXPECT_NEAR(lines[0][0].y, corner.y, 1e-9);
  }
}

TEST(DeformationGrid, CellsAndLinesOverTheEnlargedBox) {
  struct Case {
    std::vector<double> shape;
    double left, bottom, cell;
    int columns, rows;
  };
  const Case cases[] = {
      // 1 x 0.5 enlarged to 1.2 x 0.6: cells of 0.06, 20 across and 10 up.
      {{0, 0, 1, 0, 1, 0.5}, -0.1, -0.05, 0.06, 20, 10},
      // Taller than wide: 20 cells up; 0.5 x 1.2 / 0.12 = 5 across.
      {{0, 0, 0.5, 2, 0.25, 1}, -0.05, -0.2, 0.12, 5, 20},
      // Square: 20 each way, not 21 by rounding.
      {{0, 0, 1, 1}, -0.1, -0.1, 0.06, 20, 20},
      // 1 x 0.51 enlarged: 10.2 cells of 0.06 up, so 11.
      {{0, 0, 1, 0.51}, -0.1, -0.051, 0.06, 20, 11},
  };
  for (const Case& c : cases) {
    const int p = static_cast<int>(c.shape.size() / 2);
    const std::optional<GridLayout> grid = GridOver(c.shape.data(), p);
    ASSERT_TRUE(grid.has_value());
    EXPECT_NEAR(grid->left, c.left, 1e-12);
    EXPECT_NEAR(grid->bottom, c.bottom, 1e-12);
    EXPECT_NEAR(grid->cell, c.cell, 1e-12);
    EXPECT_EQ(grid->columns, c.columns);
    EXPECT_EQ(grid->rows, c.rows);
    const auto lines = DeformationGridLines(c.shape.data(), c.shape.data(), p);
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(c.columns + c.rows + 2));
    EXPECT_EQ(lines.front().size(), static_cast<std::size_t>(4 * c.rows + 1));
    EXPECT_EQ(lines.back().size(), static_cast<std::size_t>(4 * c.columns + 1));
  }
  const double point[] = {0.3, 0.3, 0.3, 0.3};
  EXPECT_FALSE(GridOver(point, 2).has_value());  // no extent, no grid
}

TEST(DeformationGrid, CoincidentOrCollinearLandmarksFallBackToTheAffinePart) {
  // Landmarks 1 and 4 coincide; the targets are an affine image, so the fallback is exact.
  auto affine = [](double x, double y) { return PlanePoint{2 * x + y + 1, x - y}; };
  const std::vector<double> coincide = {0, 0, 1, 0, 0, 1, 0, 0, 1, 1};
  const std::vector<double> collinear = {0, 0, 1, 1, 2, 2, 3, 3};
  for (const std::vector<double>* source : {&coincide, &collinear}) {
    const int p = static_cast<int>(source->size() / 2);
    std::vector<double> target;
    for (int j = 0; j < p; ++j) {
      const PlanePoint to = affine((*source)[2 * j], (*source)[2 * j + 1]);
      target.insert(target.end(), {to.x, to.y});
    }
    target[0] += 0.1;  // one landmark pulled off the affine image
    const ThinPlateSpline warp(source->data(), target.data(), p);
    EXPECT_FALSE(warp.Bends());
    for (const auto& line : DeformationGridLines(source->data(), target.data(), p))
      for (const PlanePoint& at : line) ASSERT_TRUE(std::isfinite(at.x) && std::isfinite(at.y));
  }
  // The least-squares affine map of the coincident set: its four distinct places are fitted
  // exactly but for the pulled landmark, which shares its place with landmark 4.
  std::vector<double> target;
  for (int j = 0; j < 5; ++j) {
    const PlanePoint to = affine(coincide[2 * j], coincide[2 * j + 1]);
    target.insert(target.end(), {to.x, to.y});
  }
  const ThinPlateSpline exact(coincide.data(), target.data(), 5);
  const PlanePoint at = exact(0.25, 0.5);
  EXPECT_NEAR(at.x, affine(0.25, 0.5).x, 1e-12);
  EXPECT_NEAR(at.y, affine(0.25, 0.5).y, 1e-12);
}

// The lines of a picture whose pen passes the test.
template <typename PenTest>
int CountLines(const Picture& picture, PenTest test) {
  int count = 0;
  for (const PictureItem& item : picture.items)
    if (item.kind == PictureItem::Line && test(item.pen)) ++count;
  return count;
}

int CountPen(const Picture& picture, std::uint32_t colour) {
  return CountLines(picture, [colour](const Pen& pen) { return pen.colour == colour; });
}

TEST(DeformationGrid, TheVectorsWindowDrawsItUnderTheShapesInThePlaneOnly) {
  Session s = test::GorillaAt(Stage::Components);
  s.VectorsView = 1;
  s.ShapeMagnitude = 0.0f;
  const Picture plain = DrawVectors(s, 560, 367);
  s.GridOption = true;
  const Picture gridded = DrawVectors(s, 560, 367);
  const std::optional<GridLayout> grid = GridOver(s.Consensus.data(), s.LandmarkCount);
  ASSERT_TRUE(grid.has_value());
  const int segments = (grid->columns + 1) * grid->rows * 4 + (grid->rows + 1) * grid->columns * 4;
  ASSERT_EQ(CountPen(gridded, GridGrey), segments);
  // First the grid, in its own pen, then the drawing as without it.
  EXPECT_EQ(gridded.items[0].pen, (Pen{GridGrey, 1, PenStyle::Solid}));
  EXPECT_EQ(std::vector<PictureItem>(gridded.items.begin() + segments, gridded.items.end()),
            plain.items);
  // Magnitude 0: the regular grid, vertical lines first, then horizontal ones.
  for (int l = 0; l < segments; ++l) {
    const PictureItem& line = gridded.items[static_cast<std::size_t>(l)];
    if (l < (grid->columns + 1) * grid->rows * 4)
      EXPECT_EQ(line.x1, line.x2) << l;
    else
      EXPECT_EQ(line.y1, line.y2) << l;
  }
  // No grid for spatial data, whatever the option.
  s.DimensionCount = 3;
  s.LandmarkCount = 5;
  EXPECT_EQ(CountPen(DrawVectors(s, 560, 367), GridGrey), 0);
}

// Points on an ellipse given by its semi-axes and its angle, 4 of them: their covariance is
// diag(2 a^2 / 3, 2 b^2 / 3) turned by the angle.
std::pair<std::vector<double>, std::vector<double>> Diamond(double a, double b, double angle,
                                                            double cx, double cy) {
  std::vector<double> x, y;
  for (auto [u, v] : {std::pair{a, 0.0}, {-a, 0.0}, {0.0, b}, {0.0, -b}}) {
    x.push_back(cx + u * std::cos(angle) - v * std::sin(angle));
    y.push_back(cy + u * std::sin(angle) + v * std::cos(angle));
  }
  return {x, y};
}

TEST(ConfidenceEllipse, AxesFollowTheSampleCovariance) {
  const double angle = 0.5235987755982988;  // 30 degrees
  const auto [x, y] = Diamond(3.0, 1.0, angle, 2.0, -1.0);
  const std::vector<PlanePoint> outline = ConfidenceEllipse(x, y);
  ASSERT_EQ(outline.size(), 72u);
  const double major = std::sqrt(5.991 * 2 * 9 / 3.0);
  const double minor = std::sqrt(5.991 * 2 * 1 / 3.0);
  EXPECT_NEAR(outline[0].x, 2.0 + major * std::cos(angle), 1e-9);
  EXPECT_NEAR(outline[0].y, -1.0 + major * std::sin(angle), 1e-9);
  EXPECT_NEAR(outline[18].x, 2.0 - minor * std::sin(angle), 1e-9);
  EXPECT_NEAR(outline[18].y, -1.0 + minor * std::cos(angle), 1e-9);
  EXPECT_NEAR(outline[36].x, 2.0 - major * std::cos(angle), 1e-9);
  // Fewer than three points: none; points all alike: a point, not NaN.
  EXPECT_TRUE(ConfidenceEllipse({1, 2}, {3, 4}).empty());
  for (const PlanePoint& at : ConfidenceEllipse({1, 1, 1}, {2, 2, 2})) {
    EXPECT_EQ(at.x, 1.0);
    EXPECT_EQ(at.y, 2.0);
  }
}

// Whether (x, y) lies inside the closed polygon.
bool Inside(const std::vector<PlanePoint>& polygon, double x, double y) {
  bool inside = false;
  for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
    const PlanePoint& a = polygon[i];
    const PlanePoint& b = polygon[j];
    if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) inside = !inside;
  }
  return inside;
}

TEST(ConfidenceEllipse, HoldsNinetyFivePercentOfALargeNormalSample) {
  // Covariance [[4, 1.5], [1.5, 1]] from independent normals: x = 2 z1, y = 0.75 z1 + 0.661 z2.
  std::mt19937 generator(20261209);
  std::normal_distribution<double> normal;
  const int n = 40000;
  std::vector<double> x(n), y(n);
  for (int i = 0; i < n; ++i) {
    const double z1 = normal(generator);
    const double z2 = normal(generator);
    x[static_cast<std::size_t>(i)] = 1.0 + 2.0 * z1;
    y[static_cast<std::size_t>(i)] = -2.0 + 0.75 * z1 + std::sqrt(1.0 - 0.5625) * z2;
  }
  const std::vector<PlanePoint> outline = ConfidenceEllipse(x, y);
  ASSERT_EQ(outline.size(), 72u);
  // The eigenvalues of the covariance: 2.5 +- sqrt(2.25 + 2.25).
  const double centreX = (outline[0].x + outline[36].x) / 2;
  const double centreY = (outline[0].y + outline[36].y) / 2;
  EXPECT_NEAR(centreX, 1.0, 0.03);
  EXPECT_NEAR(centreY, -2.0, 0.02);
  EXPECT_NEAR(std::hypot(outline[0].x - centreX, outline[0].y - centreY),
              std::sqrt(5.991 * (2.5 + std::sqrt(4.5))), 0.05);
  EXPECT_NEAR(std::hypot(outline[18].x - centreX, outline[18].y - centreY),
              std::sqrt(5.991 * (2.5 - std::sqrt(4.5))), 0.02);
  int inside = 0;
  for (int i = 0; i < n; ++i)
    if (Inside(outline, x[static_cast<std::size_t>(i)], y[static_cast<std::size_t>(i)])) ++inside;
  EXPECT_NEAR(static_cast<double>(inside) / n, 0.95, 0.005);
}

// The lines of the plot in a pen.
int PlotLines(const Session& s, const Pen& pen) {
  return CountLines(*DrawPlot(s, 550, 349), [&pen](const Pen& drawn) { return drawn == pen; });
}

TEST(ConfidenceEllipse, ThePlotDrawsOnePerGroupInTheGroupsPen) {
  Session s = test::GorillaAt(Stage::Groups);
  s.PlotView = 1;
  const Pen black{Black, 1, PenStyle::Solid};
  const int frameAndAxes = PlotLines(s, black);
  s.EllipsesOption = true;
  EXPECT_EQ(PlotLines(s, black), frameAndAxes + 72);
  EXPECT_EQ(PlotLines(s, Pen{Red, 1, PenStyle::Solid}), 72);
  s.ColorOption = false;
  EXPECT_EQ(PlotLines(s, Pen{Black, 1, PenStyle::Dash}), 72);
  // Group 2 of two specimens has none; without groups, one around all.
  s.GroupLimit = s.SpecimenCount - 2;
  EXPECT_EQ(PlotLines(s, Pen{Black, 1, PenStyle::Dash}), 0);
  s.GroupLimit = 0;
  EXPECT_EQ(PlotLines(s, black), frameAndAxes + 72);
  // The closed chain ends where it starts, around the mean of the plotted scores.
  const Picture plot = *DrawPlot(s, 550, 349);
  const PictureItem& first = plot.items[8];  // after the frame, the axes and their zeros
  const PictureItem& last = plot.items[8 + 71];
  EXPECT_EQ(first.x1, last.x2);
  EXPECT_EQ(first.y1, last.y2);
}

TEST(AxisTitles, ShowTheColumnAndThePercentageTheLogPrinted) {
  Session s = test::GorillaAt(Stage::Superimposed);
  ScriptedFrontend fe;
  PcsClick(s, fe);
  s.AxisTitlesOption = true;
  s.ShowLabels = false;
  struct Case {
    int x, y;
    const char* across;
    const char* upward;
  };
  const Case cases[] = {{0, 1, "PC1 (46.1%)", "PC2 (16.9%)"},
                        {96, 2, "Cs/Fac", "PC3 (10.6%)"},
                        {97, 98, "Regres", "Discrim"}};
  for (const Case& c : cases) {
    s.PlotView = 1;
    s.PlotAxisX = c.x;
    s.PlotAxisY = c.y;
    const Picture plot = *DrawPlot(s, 550, 349);
    ASSERT_GE(plot.items.size(), 2u);
    const PictureItem& across = plot.items[plot.items.size() - 2];
    const PictureItem& upward = plot.items.back();
    EXPECT_EQ(across.text, c.across);
    EXPECT_EQ(upward.text, c.upward);
    // Under the horizontal axis and beside the vertical one, inside the frame.
    EXPECT_GT(across.y1, 174);
    EXPECT_GE(across.x1, 12);
    EXPECT_GT(upward.x1, 275);
    EXPECT_GE(upward.y1, 10);
  }
  // Reloaded components have no percentages in the log, nor in the titles.
  fe.files = {test::WriteScratch("one_pc.vec", [&] {
    std::string text = "16 1 1\n";
    for (int j = 0; j < 16; ++j) text += std::to_string(s.Pcs[j][0]) + "\n";
    return text;
  }())};
  ShapeVectorsClick(s, fe);
  ASSERT_TRUE(fe.messages.empty()) << fe.LastMessage();
  EXPECT_EQ(AxisTitle(s, 0), "PC1");
}

TEST(Mouse, ADragTurnsSpatialDataAndTheWheelZooms) {
  Session s;
  ScriptedFrontend fe;
  fe.files = {test::DataFile("macaques.dat")};
  OpenDataClick(s, fe);
  ASSERT_EQ(s.DimensionCount, 3);
  ShapesDragged(s, fe, 30, -10);  // right and up: turned by 0.3, tilted by 0.1
  EXPECT_FLOAT_EQ(s.TurnAngle, 0.3f);
  EXPECT_FLOAT_EQ(s.TiltAngle, 0.1f);
  RotationRows expected{};
  SetRotation(expected, s.TiltAngle, s.TurnAngle);
  EXPECT_EQ(s.Rotation, expected);
  EXPECT_TRUE(fe.Invalidated(Window::Specimens) && fe.Invalidated(Window::Vectors));
  ShapesDragged(s, fe, -60, 0);  // back past the front view: the angle stays within a turn
  EXPECT_NEAR(s.TurnAngle, 2 * 3.14159265 - 0.3, 1e-5);
  // Planar data has nothing to turn.
  s.DimensionCount = 2;
  const Session before = s;
  ShapesDragged(s, fe, 50, 50);
  EXPECT_EQ(s.Rotation, before.Rotation);
  ShapesWheelTurned(s, fe, 2);
  EXPECT_FLOAT_EQ(s.DrawScale, 1210.0f);
  ShapesWheelTurned(s, fe, -1);
  EXPECT_FLOAT_EQ(s.DrawScale, 1089.0f);
}

TEST(Mouse, APlotPointShowsItsScoresAndAClickChoosesItsSpecimen) {
  Session s = test::GorillaAt(Stage::Groups);
  ScriptedFrontend fe;
  ViewPlotClick(s, fe);
  const PlotMapping map = *PlotMappingOf(s, 550, 349);
  const int x = static_cast<int>(map.X(s.Scores[40][0]));
  const int y = static_cast<int>(map.Y(s.Scores[40][1]));
  EXPECT_EQ(PlotTipAt(s, 550, 349, x, y).substr(0, 7), "41\nPC1:");
  EXPECT_NE(PlotTipAt(s, 550, 349, x, y).find("\nPC2: "), std::string::npos);
  EXPECT_EQ(PlotTipAt(s, 550, 349, 15, 15), "");  // a corner of the frame, far from all
  PlotClicked(s, fe, 550, 349, x, y);
  EXPECT_EQ(s.SelectedSpecimen, 40);
  EXPECT_EQ(s.SpecimensView, 2);
  EXPECT_EQ(fe.comboIndex[Combo::Indi], 40);
  EXPECT_TRUE(fe.Invalidated(Window::Specimens));
  // Of two markers at one place, the one drawn last lies on top: it is the one picked.
  s.Scores[41][s.PlotAxisX] = s.Scores[40][s.PlotAxisX];
  s.Scores[41][s.PlotAxisY] = s.Scores[40][s.PlotAxisY];
  EXPECT_EQ(PlotSpecimenAt(s, 550, 349, x, y), 41);
  // Nothing plotted: no specimen under the mouse.
  s.PlotView = 0;
  EXPECT_EQ(PlotSpecimenAt(s, 550, 349, x, y), -1);
}

}  // namespace
}  // namespace vrel
