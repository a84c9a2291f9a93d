// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>

namespace vrel {

// Every session array is allocated once at these sizes; the counts say how much is in use.
inline constexpr int MaxSpecimens = 300;
inline constexpr int MaxCoordinates = 99;  // landmarks x dimensions
inline constexpr int MaxDimensions = 3;
inline constexpr int MaxComponents = 99;  // columns of Scores and Pcs
inline constexpr int MaxLinks = 49;       // pairs, 98 landmark numbers
inline constexpr int MaxSelection = 99;   // one entry per landmark of a one-dimensional set

// How much a session holds: specimens, and coordinates per specimen. Every session holds the
// default unless the user asks for more.
struct Capacity {
  int Specimens = MaxSpecimens;
  int Coordinates = MaxCoordinates;
  bool operator==(const Capacity&) const = default;
};
inline constexpr int LargestSpecimenCapacity = 100000;
inline constexpr int LargestCoordinateCapacity = 30000;

// The links a session holds: 49 pairs by default, and a pair for every two coordinates of a
// larger capacity. The landmark selection has an entry for every landmark, at most one for
// every coordinate.
constexpr int LinkCapacity(const Capacity& c) { return std::max(MaxLinks, c.Coordinates / 2); }
constexpr int SelectionCapacity(const Capacity& c) { return c.Coordinates; }
// The columns of Scores (the residuals before Components, the scores after) and the number of
// singular values: the 99 score columns, or every coordinate of a larger capacity.
constexpr int ScoreTableWidth(const Capacity& c) { return std::max(MaxComponents, c.Coordinates); }

// Reserved columns of Scores and Pcs.
inline constexpr int SizeColumn = 96;            // "Cs/Fac"
inline constexpr int RegressionColumn = 97;      // "Regres"
inline constexpr int DiscriminationColumn = 98;  // "Discrim"

}  // namespace vrel
