// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/frontend.h"
#include "shell/session.h"

namespace vrel {

// Arrow keys, by their key codes.
enum Key : int { KeyLeft = 37, KeyUp = 38, KeyRight = 39, KeyDown = 40 };

// The toolbar's view controls. The value-taking ones receive the control's value: the list's
// item index, the track bar's position, the key pressed.
void BoutonZoomPlusClick(Session& s, Frontend& fe, int unused = 0);
void BoutonZoomMoinsClick(Session& s, Frontend& fe, int unused = 0);
void BoutonUpClick(Session& s, Frontend& fe, int unused = 0);
void BoutonRightClick(Session& s, Frontend& fe, int unused = 0);
void BoutonLabelClick(Session& s, Frontend& fe, int unused = 0);
void ComboBoxIndiClick(Session& s, Frontend& fe, int item);
// Left and Right in the specimen list, which shows item (-1: none).
void ComboBoxIndiKeyDown(Session& s, Frontend& fe, int item, int key);
void TrackBar1Change(Session& s, Frontend& fe, int position);
void ComboBoxCompClick(Session& s, Frontend& fe, int item);
// Left and Right in the vector list, which shows item (-1: none).
void ComboBoxCompKeyDown(Session& s, Frontend& fe, int item, int key);

// Arrow keys in the specimens and in the vectors window: each turns the view and repaints its
// own window only.
void SpecimensKeyDown(Session& s, Frontend& fe, int key);
void VectorsKeyDown(Session& s, Frontend& fe, int key);

// Menu commands of the views.
void ViewAllClick(Session& s, Frontend& fe);          // Window > Specimens, and the toolbar button
void ViewPcsClick(Session& s, Frontend& fe);          // Window > Vectors
void OptionColorClick(Session& s, Frontend& fe);      // Options > Color
void EnveloppeClick(Session& s, Frontend& fe);        // Options > Extremes
void DeformationGridClick(Session& s, Frontend& fe);  // Options > Deformation grid
void EllipsesClick(Session& s, Frontend& fe);         // Options > Ellipses
void AxisTitlesClick(Session& s, Frontend& fe);       // Options > Axis titles
void AxisScalesClick(Session& s, Frontend& fe);       // Options > Axis scales
void LegendClick(Session& s, Frontend& fe);           // Options > Legend
void LargeMarkersClick(Session& s, Frontend& fe);     // Options > Large markers
void NameLabelsClick(Session& s, Frontend& fe);       // Options > Names as labels
void FitOnResizeClick(Session& s, Frontend& fe);      // Options > Fit on resize
// Window > Fit to Window: fits the front one of the specimens and vectors windows (the other
// when the front one draws nothing).
void FitToWindowClick(Session& s, Frontend& fe);
// Sets the zoom (within its bounds) so that the window's drawing fits a drawing area of
// width x height, and repaints; nothing when the window draws nothing to fit. The key F.
void FitDrawing(Session& s, Frontend& fe, Window window, int width, int height);

// The largest angle of the view, 2 pi as a float: where the arrow keys wrap to.
inline constexpr float FullTurnAngle = 6.2831855f;
// Sets the zoom (within its bounds), or the view's tilt and turn in radians, and repaints the
// specimens and vectors windows: a fit's and a drag's outcome as a script gives it.
void SetZoom(Session& s, Frontend& fe, float zoom);
void SetViewAngles(Session& s, Frontend& fe, float tilt, float turn);

// The mouse in the specimens and vectors windows: a drag by (dx, dy) pixels with the left button
// turns spatial data (0.01 radian per pixel: across the turn, down the tilt), and the wheel steps
// Enlargement (notches > 0) or Reduction.
void ShapesDragged(Session& s, Frontend& fe, int dx, int dy);
void ShapesWheelTurned(Session& s, Frontend& fe, int notches);
// A click at pixel (x, y) of the plot drawn at width x height: the specimen under it is chosen
// as in the specimen list.
void PlotClicked(Session& s, Frontend& fe, int width, int height, int x, int y);

// The plot: Window > Plot and the Plot button take the axes the session has; a choice in an axis
// list takes that list's item for its axis.
void ViewPlotClick(Session& s, Frontend& fe);
void ComboXaxisClick(Session& s, Frontend& fe, int item);
void ComboYaxisClick(Session& s, Frontend& fe, int item);
// Plots column xItem across and yItem upward (items of the axis lists, -1: none chosen).
void PlotAxesChosen(Session& s, Frontend& fe, int xItem, int yItem);

// The last component index the vector list offers: p x 3 - 8 for spatial data, p x 2 - 5 for
// planar data, p - 3 for one coordinate per landmark (the shape space's dimension less one),
// never beyond the 97 component columns. Below 0 when the shape space has no dimension.
int LastComponentIndex(const Session& s);

}  // namespace vrel
