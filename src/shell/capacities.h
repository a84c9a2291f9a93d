// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vrel {

// Every session array is allocated once at these sizes; the counts say how much is in use.
inline constexpr int MaxSpecimens = 300;
inline constexpr int MaxCoordinates = 99;  // landmarks x dimensions
inline constexpr int MaxDimensions = 3;
inline constexpr int MaxComponents = 99;   // columns of Scores and Pcs
inline constexpr int MaxLinks = 49;        // pairs, 98 landmark numbers
inline constexpr int MaxSelection = 99;    // one entry per landmark of a one-dimensional set

// Reserved columns of Scores and Pcs.
inline constexpr int SizeColumn = 96;            // "Cs/Fac"
inline constexpr int RegressionColumn = 97;      // "Regres"
inline constexpr int DiscriminationColumn = 98;  // "Discrim"

}  // namespace vrel
