// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "shell/capacities.h"
#include "shell/matrix.h"

namespace vrel {

// Track bar position at start-up and after Clear Session.
inline constexpr int DefaultTrackBarPosition = 4;

// The shape change magnitude of a track bar position: position x 0.025, the product formed in
// extended precision and kept as a float.
constexpr float MagnitudeOfPosition(int position) { return static_cast<float>(position * 0.025L); }

// The three counts, passed together to the numerical routines.
struct DataDimensions {
  std::int32_t SpecimenCount = 0;
  std::int32_t LandmarkCount = 0;
  std::int32_t DimensionCount = 0;
};

// State of the subtractive random generator; it lives for the whole run.
struct SubtractiveRandomState {
  std::array<std::int32_t, 56> Table{};  // entries 1..55 are used
  int Next = 0;
  int Partner = 0;
  bool Initialised = false;
};

// One line of the script that the user's actions in the main window write (see
// app/session_script.h): a command's words, which of them name files (written relative to the
// script's folder), a comment, and whether the line only tells what was not done.
struct ScriptEntry {
  std::vector<std::string> words = {};
  std::vector<std::size_t> fileWords = {};
  std::string note = {};
  bool commented = false;  // refused, cancelled or not replayable: shown as a comment
  bool section = false;    // Clear Session: a new section of the script starts here
};

// One column of the table of variables read beside the data (File > Open Variables).
struct SpecimenVariable {
  std::string name = {};            // the header cell
  bool factor = false;              // else a covariate
  std::vector<double> values = {};  // covariate: one value per specimen, in specimen order
  std::vector<std::string> levels =
      {};                       // factor: its levels, sorted bytewise (std::string operator<)
  std::vector<int> codes = {};  // factor: each specimen's index into levels, in specimen order
};

// The groups of the Analyses menu, from a variable (Options > Groups from Variable).
struct VariableGroups {
  std::string variable;            // the variable they come from (empty: no groups)
  std::vector<int> of;             // each specimen's group, 0 .. names.size() - 1
  std::vector<std::string> names;  // the groups' names
};

// A pair of groups as Canonical Variates compares them: the distances between their means and
// the permutation p values.
struct GroupDistance {
  int a = 0, b = 0;
  double procrustes = 0, pProcrustes = 0, mahalanobis = 0, pMahalanobis = 0;
};

// A row of the table of a linear model of shape: a term, Residuals or Total. Values that do not
// apply to the row (a Total's mean square, say) are NaN.
struct AnovaRow {
  std::string term = {};
  int df = 0;
  double ss = NAN, ms = NAN, rsq = NAN, f = NAN, z = NAN, p = NAN;
};

// The one record of everything loaded and computed in a run. All arrays are allocated at
// full capacity by the constructor; commands only change counts and overwrite contents.
struct Session : DataDimensions {
  // Allocates every array. A non-negative failAtAllocation makes that allocation step
  // (0-based, in allocation order) fail, so that the out-of-memory path can be exercised.
  explicit Session(int failAtAllocation = -1) : Session(Capacity{}, failAtAllocation) {}
  explicit Session(Capacity capacity, int failAtAllocation = -1);

  // Allocates every array again at another capacity, keeping what fits of their contents and
  // every setting. Throws std::bad_alloc, leaving the session as it was.
  void Reallocate(Capacity capacity);

  DataDimensions& Dimensions() { return *this; }
  const DataDimensions& Dimensions() const { return *this; }
  int CoordinateCount() const { return LandmarkCount * DimensionCount; }

  // What the arrays hold: N specimens of M coordinates, 300 x 99 unless the user asked for more.
  Capacity Room;
  Matrix Coordinates;         // N x M
  Vector Consensus;           // M
  Matrix Residuals;           // N x M
  Matrix Scores;              // N x max(99, M): scores 0..95, Cs/Fac 96, Regres 97, Discrim 98
  Matrix Pcs;                 // M x 99: components 0..96, regression 97, discrimination 98
  Vector SingularValues;      // max(99, M)
  Vector ResultVector;        // M
  Vector Projections;         // N
  Vector Coefficients;        // M
  Vector GroupCoefficients;   // M
  Vector Factor;              // N
  Vector GroupCodes;          // N
  std::vector<double> Sizes;  // N
  // The name each specimen came with (empty: known by its number); see SpecimenName.
  std::vector<std::string> SpecimenNames;  // N
  Vector LandmarkSelection;                // one entry per landmark
  std::int32_t LinkCount = 0;
  std::vector<std::int32_t> Links;  // two landmark numbers per link
  // The variables of the specimens, in the order of their file's columns (none: not read), the
  // groups taken from one of them, and what the analyses of those groups found.
  std::vector<SpecimenVariable> Variables;
  VariableGroups Groups;
  std::vector<std::vector<double>> CanonicalScores;  // one row per specimen
  std::vector<GroupDistance> GroupDistances;
  std::vector<int> Assigned, AssignedLeftOut;  // each specimen's nearest group
  // The table of the last linear model or repeatability analysis of the residuals (empty: none).
  std::vector<AnovaRow> Anova;

  std::int32_t PcsRetained = 0;
  std::int32_t GroupLimit = 0;
  std::int32_t PromptResult = 0;

  bool DataLoaded = false;
  bool Superimposed = false;
  bool ComponentsComputed = false;
  bool DifferenceComputed = false;
  bool RegressionVectorReady = false;
  bool DiscriminationVectorReady = false;
  // SingularValues are those of Components, whose percentages of variance the log showed (not
  // after Reload PCS).
  bool VarianceSharesKnown = false;

  bool ShowLabels = true;
  bool ColorOption = true;
  bool ExtremesOption = false;
  // Figure options, all off until the user turns them on: the deformation grid of the vectors
  // window (planar data), the plot's confidence ellipses and its axis titles.
  bool GridOption = false;
  bool EllipsesOption = false;
  bool AxisTitlesOption = false;
  // The plot's tick marks with their values, its legend of the groups, markers twice the size
  // with group 2 filled, and specimen names for labels (also in the specimen list).
  bool AxisScalesOption = false;
  bool LegendOption = false;
  bool LargeMarkersOption = false;
  bool NameLabelsOption = false;
  // The specimens and vectors drawings fit their window whenever they are drawn: at a new size
  // and with new data alike. Off until the user turns it on.
  bool FitOnResizeOption = false;

  float Zoom = 1.0f;
  float DrawScale = 1000.0f;
  float ShapeMagnitude = MagnitudeOfPosition(DefaultTrackBarPosition);
  std::array<double, 6> Rotation{1, 0, 0, 0, 1, 0};
  float TiltAngle = 0.0f;
  float TurnAngle = 0.0f;
  std::int32_t SelectedSpecimen = 0;
  std::int32_t SelectedComponent = 0;
  std::int32_t SpecimensView = 0;
  std::int32_t VectorsView = 0;
  std::int32_t PlotView = 0;
  std::int32_t PlotAxisX = 0;
  std::int32_t PlotAxisY = 1;

  SubtractiveRandomState Random;

  // The capacity the program started with, and what the user did since, in order: kept through
  // Clear Session and capacity changes for as long as the program runs.
  Capacity StartRoom;
  std::vector<ScriptEntry> Script;
};

}  // namespace vrel
