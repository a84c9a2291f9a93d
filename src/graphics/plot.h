// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "graphics/deformation_grid.h"
#include "graphics/picture.h"
#include "shell/session.h"
#include "shell/specimen_names.h"

namespace vrel {

// The plot window's drawing for a drawing area of width x height pixels: the scores of column
// PlotAxisX across and PlotAxisY upward, group 1 as squares and group 2 as circles, one scale
// for both axes from the horizontal column. Nothing while PlotView is not 1: the window then keeps
// the picture it has. With the options: a 95 % ellipse around each group, axis titles, tick
// marks with their values, a legend of the groups, large markers (group 2 filled) and specimen
// names as labels.
std::optional<Picture> DrawPlot(const Session& s, int width, int height);

// Where the plot puts the scores: the centre of the area is 0 on both axes, one scale for both.
struct PlotMapping {
  int width = 0;
  int height = 0;
  double scale = 0.0;
  double X(double score) const { return width / 2 + scale * score; }
  double Y(double score) const { return height / 2 - scale * score; }
};

// The mapping of the plot the session asks for; nothing when no plot is drawn.
std::optional<PlotMapping> PlotMappingOf(const Session& s, int width, int height);
// Whether an axis item can be plotted: a column of Scores, or a canonical axis the last Canonical
// Variates left (items from 99 on); and specimen's value in it.
bool PlottedColumn(const Session& s, int column);
double PlotValue(const Session& s, int specimen, int column);

// The step of the plot's axis scales, mantissa x 10^exponent with a mantissa of 1, 2 or 5; the
// same on both axes, as they share one scale.
struct AxisScale {
  int mantissa = 1;
  int exponent = 0;
  double Step() const;
  bool operator==(const AxisScale&) const = default;
};

// The finest round step that gives 4 to 10 ticks on each axis of the mapped frame; for a frame
// too long for that, the finest with at most 10 on either; nothing when the frame has no room
// or no scale.
std::optional<AxisScale> PlotAxisScale(const PlotMapping& map);
// The nonzero multiples of the step whose ticks lie on the horizontal (or vertical) axis inside
// the frame, 2 pixels clear of it, in increasing order.
std::vector<int> TickMultiples(const PlotMapping& map, const AxisScale& scale, bool horizontal);
// The value a tick shows: "-0.05", "20", with the decimals of the step.
std::string FormatTickValue(const AxisScale& scale, int multiple);

struct PixelBox {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const PixelBox&) const = default;
};

// Where the legend of the groups goes: the first corner inside the frame, of top-right,
// top-left, bottom-right and bottom-left, that overlaps no marker; top-right when none is free.
PixelBox PlotLegendBox(const Session& s, const PlotMapping& map);

// An axis title: the column's name and, for a component whose percentage of variance the log
// showed, that percentage with one decimal: "PC1 (46.1%)".
std::string AxisTitle(const Session& s, int column);

// The chi-square quantile with 2 degrees of freedom at 95 %.
inline constexpr double EllipseQuantile = 5.991;
inline constexpr int EllipseSegments = 72;

// The ellipse that holds 95 % of a normal sample of the n points (x[i], y[i]): centred on their
// mean, {v : (v - mean)' S^-1 (v - mean) = 5.991} with S their covariance (divisor n - 1), as 72
// points evenly spaced in angle, the first at the end of the major axis and the 19th at the end
// of the minor one. Nothing for fewer than three points.
std::vector<PlanePoint> ConfidenceEllipse(const std::vector<double>& x,
                                          const std::vector<double>& y);

// The specimen whose marker lies under the pixel (x, y) of the plot drawn at width x height:
// the nearest within 4 pixels on each axis; -1 for none.
int PlotSpecimenAt(const Session& s, int width, int height, int x, int y);
// The tooltip over that pixel: the specimen and its two scores; empty over no specimen.
std::string PlotTipAt(const Session& s, int width, int height, int x, int y);

}  // namespace vrel
