// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/view_commands.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numbers>

#include "graphics/drawings.h"
#include "graphics/plot.h"
#include "graphics/projection.h"
#include "numerics/components.h"
#include "shell/capacities.h"
#include "shell/enabling.h"
#include "shell/specimen_names.h"

namespace vrel {

namespace {

constexpr double AngleStep = 0.1570796326794895;  // pi / 20, nine degrees
constexpr double UpperThreshold = 6.1;
constexpr double LowerThreshold = 0.2;
constexpr float FullTurn = FullTurnAngle;
constexpr float QuarterTurn = 1.5707964f;  // pi / 2 as a float
constexpr double DragRadiansPerPixel = 0.01;

// Turns a display option over and repaints the windows that show it.
void Toggle(bool& option, Frontend& fe, std::initializer_list<Window> windows) {
  option = !option;
  for (Window window : windows) fe.Invalidate(window);
}

void RepaintShapes(Frontend& fe) {
  fe.Invalidate(Window::Specimens);
  fe.Invalidate(Window::Vectors);
}

// One arrow-key step of an angle: up from the threshold wraps to 0, down from the lower one to
// a full turn; the sum is formed in extended precision and kept as a float.
void StepUp(float& angle) {
  if (static_cast<double>(angle) >= UpperThreshold)
    angle = 0.0f;
  else
    angle = static_cast<float>(static_cast<long double>(angle) + AngleStep);
}

void StepDown(float& angle) {
  if (static_cast<double>(angle) <= LowerThreshold)
    angle = FullTurn;
  else
    angle = static_cast<float>(static_cast<long double>(angle) - AngleStep);
}

void TurnByKey(Session& s, int key) {
  switch (key) {
    case KeyUp:
      StepUp(s.TiltAngle);
      break;
    case KeyDown:
      StepDown(s.TiltAngle);
      break;
    case KeyLeft:
      StepUp(s.TurnAngle);
      break;
    case KeyRight:
      StepDown(s.TurnAngle);
      break;
    default:
      return;
  }
  SetRotation(s.Rotation, s.TiltAngle, s.TurnAngle);
}

void Zoom(Session& s, Frontend& fe, double factor) {
  SetZoom(s, fe, static_cast<float>(s.Zoom * factor));
}

// A quarter turn from the front view, or back to the front view from any other.
void QuarterTurnOrFront(Session& s, Frontend& fe, float& turned, float& other) {
  if (s.TiltAngle == 0.0f && s.TurnAngle == 0.0f) {
    turned = QuarterTurn;
    other = 0.0f;
  } else {
    s.TiltAngle = s.TurnAngle = 0.0f;
  }
  SetRotation(s.Rotation, s.TiltAngle, s.TurnAngle);
  RepaintShapes(fe);
}

}  // namespace

void BoutonZoomPlusClick(Session& s, Frontend& fe, int) { Zoom(s, fe, 1.1); }

void BoutonZoomMoinsClick(Session& s, Frontend& fe, int) { Zoom(s, fe, 0.9); }

void BoutonUpClick(Session& s, Frontend& fe, int) {
  QuarterTurnOrFront(s, fe, s.TiltAngle, s.TurnAngle);
}

void BoutonRightClick(Session& s, Frontend& fe, int) {
  QuarterTurnOrFront(s, fe, s.TurnAngle, s.TiltAngle);
}

void BoutonLabelClick(Session& s, Frontend& fe, int) {
  Toggle(s.ShowLabels, fe, {Window::Specimens, Window::Vectors, Window::Plot});
}

void SpecimensKeyDown(Session& s, Frontend& fe, int key) {
  TurnByKey(s, key);
  fe.Invalidate(Window::Specimens);
}

void VectorsKeyDown(Session& s, Frontend& fe, int key) {
  TurnByKey(s, key);
  fe.Invalidate(Window::Vectors);
}

void ComboBoxIndiClick(Session& s, Frontend& fe, int item) {
  s.SelectedSpecimen = item;
  if (s.SelectedSpecimen > s.SpecimenCount - 1) {
    s.SelectedSpecimen = s.SpecimenCount - 1;
    fe.SetComboIndex(Combo::Indi, s.SelectedSpecimen);
  }
  s.SpecimensView = 2;
  fe.ShowWindow(Window::Specimens);
  fe.Invalidate(Window::Specimens);
}

void ComboBoxIndiKeyDown(Session& s, Frontend& fe, int item, int key) {
  s.SelectedSpecimen = item;
  if (key == KeyRight && s.SelectedSpecimen < s.SpecimenCount - 1) ++s.SelectedSpecimen;
  if (key == KeyLeft && s.SelectedSpecimen >= 1) --s.SelectedSpecimen;
  if (s.SelectedSpecimen < 0) s.SelectedSpecimen = 0;
  fe.SetComboIndex(Combo::Indi, s.SelectedSpecimen);
  s.SpecimensView = 2;
  fe.Invalidate(Window::Specimens);
}

void TrackBar1Change(Session& s, Frontend& fe, int position) {
  s.ShapeMagnitude = MagnitudeOfPosition(position);
  if (s.VectorsView == 1) fe.Invalidate(Window::Vectors);
}

int LastComponentIndex(const Session& s) {
  return std::min(ShapeSpaceDimension(s.Dimensions()) - 1, SizeColumn);
}

void ComboBoxCompClick(Session& s, Frontend& fe, int item) {
  int i = item;
  s.SelectedComponent = i;
  if (i < 97) {
    i = std::min(i, LastComponentIndex(s));
    if (i < 0) {
      // No item chosen, or a shape space without components: nothing to show.
      s.SelectedComponent = 0;
      s.VectorsView = 0;
    } else {
      s.SelectedComponent = i;
      fe.SetComboIndex(Combo::Comp, i);
      s.VectorsView = 1;
    }
  } else if ((i == 97 && !s.RegressionVectorReady) || (i == 98 && !s.DiscriminationVectorReady) ||
             i > 98) {
    s.SelectedComponent = 0;
    s.VectorsView = 0;
  } else {
    // A result vector that exists: the user chose it and expects to see it.
    s.VectorsView = 1;
  }
  fe.ShowWindow(Window::Vectors);
  fe.Invalidate(Window::Vectors);
}

void ComboBoxCompKeyDown(Session& s, Frontend& fe, int item, int key) {
  int i = item;
  if (key == KeyRight && i < LastComponentIndex(s)) ++i;
  if (key == KeyLeft && i >= 1) --i;
  if (i < 0) i = 0;
  // With no component at all in the shape space there is nothing to step to.
  if (LastComponentIndex(s) < 0 && i < 97) {
    s.VectorsView = 0;
    fe.Invalidate(Window::Vectors);
    return;
  }
  s.SelectedComponent = i;
  fe.SetComboIndex(Combo::Comp, i);
  s.VectorsView = 1;
  fe.Invalidate(Window::Vectors);
}

void ViewAllClick(Session& s, Frontend& fe) {
  s.SpecimensView = 1;
  fe.SetComboText(Combo::Indi, "");
  fe.ShowWindow(Window::Specimens);
  if (s.Superimposed) fe.Invalidate(Window::Specimens);
}

void ViewPcsClick(Session& s, Frontend& fe) {
  if (!s.ComponentsComputed) return;
  fe.ShowWindow(Window::Vectors);
  s.VectorsView = 1;
  fe.SetComboIndex(Combo::Comp, s.SelectedComponent);
  fe.Invalidate(Window::Vectors);
}

namespace {

// An axis item as the plot uses it: components capped at the last one of the shape space and
// written back to the list; the size column and the two projections as they are; -1 (nothing
// chosen) or a projection whose vector does not exist: no plot.
int PlotColumn(Session& s, Frontend& fe, Combo combo, int item) {
  if (item >= 0 && item < SizeColumn && item > LastComponentIndex(s)) {
    item = LastComponentIndex(s);
    fe.SetComboIndex(combo, item);
  }
  if (!PlottedColumn(s, item)) s.PlotView = 0;
  if ((item == RegressionColumn && !s.RegressionVectorReady) ||
      (item == DiscriminationColumn && !s.DiscriminationVectorReady))
    s.PlotView = 0;
  return item;
}

}  // namespace

void PlotAxesChosen(Session& s, Frontend& fe, int xItem, int yItem) {
  if (!s.ComponentsComputed) return;
  s.PlotView = 1;
  s.PlotAxisX = PlotColumn(s, fe, Combo::Xaxis, xItem);
  s.PlotAxisY = PlotColumn(s, fe, Combo::Yaxis, yItem);
  fe.ShowWindow(Window::Plot);
  fe.Invalidate(Window::Plot);
}

void ViewPlotClick(Session& s, Frontend& fe) { PlotAxesChosen(s, fe, s.PlotAxisX, s.PlotAxisY); }

void ComboXaxisClick(Session& s, Frontend& fe, int item) {
  PlotAxesChosen(s, fe, item, s.PlotAxisY);
}

void ComboYaxisClick(Session& s, Frontend& fe, int item) {
  PlotAxesChosen(s, fe, s.PlotAxisX, item);
}

void OptionColorClick(Session& s, Frontend& fe) {
  Toggle(s.ColorOption, fe, {Window::Specimens, Window::Vectors, Window::Plot});
}

void EnveloppeClick(Session& s, Frontend& fe) { Toggle(s.ExtremesOption, fe, {Window::Vectors}); }

void DeformationGridClick(Session& s, Frontend& fe) { Toggle(s.GridOption, fe, {Window::Vectors}); }

void EllipsesClick(Session& s, Frontend& fe) { Toggle(s.EllipsesOption, fe, {Window::Plot}); }

void AxisTitlesClick(Session& s, Frontend& fe) { Toggle(s.AxisTitlesOption, fe, {Window::Plot}); }

void AxisScalesClick(Session& s, Frontend& fe) { Toggle(s.AxisScalesOption, fe, {Window::Plot}); }

void LegendClick(Session& s, Frontend& fe) { Toggle(s.LegendOption, fe, {Window::Plot}); }

void LargeMarkersClick(Session& s, Frontend& fe) {
  Toggle(s.LargeMarkersOption, fe, {Window::Plot});
}

void NameLabelsClick(Session& s, Frontend& fe) {
  Toggle(s.NameLabelsOption, fe, {Window::Plot});
  fe.SetComboItems(Combo::Indi, SpecimenListItems(s));
}

void FitOnResizeClick(Session& s, Frontend& fe) {
  Toggle(s.FitOnResizeOption, fe, {Window::Specimens, Window::Vectors});
}

void FitDrawing(Session& s, Frontend& fe, Window window, int width, int height) {
  const std::optional<double> scale = FittingScale(s, window, width, height);
  if (!scale) return;
  SetZoom(s, fe,
          static_cast<float>(std::clamp(*scale / 1000.0, static_cast<double>(SmallestZoom),
                                        static_cast<double>(LargestZoom))));
}

void SetZoom(Session& s, Frontend& fe, float zoom) {
  s.Zoom = std::clamp(zoom, SmallestZoom, LargestZoom);
  s.DrawScale = s.Zoom * 1000.0f;
  RepaintShapes(fe);
}

void SetViewAngles(Session& s, Frontend& fe, float tilt, float turn) {
  s.TiltAngle = tilt;
  s.TurnAngle = turn;
  SetRotation(s.Rotation, s.TiltAngle, s.TurnAngle);
  RepaintShapes(fe);
}

void FitToWindowClick(Session& s, Frontend& fe) {
  Window window = fe.FrontShapeWindow();
  if (!DrawsShapes(s, window))
    window = window == Window::Specimens ? Window::Vectors : Window::Specimens;
  if (!DrawsShapes(s, window)) return;
  const std::array<int, 2> size = fe.DrawingSize(window);
  FitDrawing(s, fe, window, size[0], size[1]);
}

namespace {

// An angle turned by a drag, kept within 0 to 2 pi like the arrow keys keep it.
float Dragged(float angle, double radians) {
  const double turn = 2.0 * std::numbers::pi;
  double turned = std::fmod(static_cast<double>(angle) + radians, turn);
  if (turned < 0.0) turned += turn;
  return static_cast<float>(turned);
}

}  // namespace

void ShapesDragged(Session& s, Frontend& fe, int dx, int dy) {
  // Planar data has no depth to turn.
  if (s.DimensionCount != 3 || (dx == 0 && dy == 0)) return;
  // The near side follows the mouse: right turns it right, down tilts it down.
  SetViewAngles(s, fe, Dragged(s.TiltAngle, -DragRadiansPerPixel * dy),
                Dragged(s.TurnAngle, DragRadiansPerPixel * dx));
}

void ShapesWheelTurned(Session& s, Frontend& fe, int notches) {
  for (int i = 0; i < notches; ++i) BoutonZoomPlusClick(s, fe);
  for (int i = 0; i > notches; --i) BoutonZoomMoinsClick(s, fe);
}

void PlotClicked(Session& s, Frontend& fe, int width, int height, int x, int y) {
  // The specimen list is there once the specimens are superimposed.
  if (!s.Superimposed) return;
  const int specimen = PlotSpecimenAt(s, width, height, x, y);
  if (specimen < 0) return;
  fe.SetComboIndex(Combo::Indi, specimen);
  ComboBoxIndiClick(s, fe, specimen);
}

}  // namespace vrel
