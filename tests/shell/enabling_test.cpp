// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/enabling.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "app/command_table.h"
#include "shell/session.h"

namespace vrel {
namespace {

using C = CommandId;
using T = ToolbarControl;

struct Stage {
  const char* name;
  void (*apply)(Session&);
  std::set<C> menuEnabled;
  std::set<T> toolbarEnabled;
};

// The ladder's sessions have no dimension count, so the deformation grid is offered too.
const std::set<C> kAlways = {C::ClearSession, C::Quit,        C::ViewLog,         C::DefineGroups,
                             C::OptionColor,  C::Enveloppe,   C::DeformationGrid, C::Ellipses,
                             C::AxisTitles,   C::AxisScales,  C::Legend,          C::LargeMarkers,
                             C::NameLabels,   C::FitOnResize, C::Help1,           C::ViewAbout,
                             C::DataCapacity};

std::set<C> With(std::set<C> extra) {
  extra.insert(kAlways.begin(), kAlways.end());
  return extra;
}

const std::set<T> kSuperimposedTools = {T::BoutonZoomPlus, T::BoutonZoomMoins, T::BoutonUp,
                                        T::BoutonRight,    T::BoutonAll,       T::ComboBoxIndi,
                                        T::BoutonLabel};
const std::set<T> kComponentTools = {T::BoutonZoomPlus, T::BoutonZoomMoins, T::BoutonUp,
                                     T::BoutonRight,    T::BoutonAll,       T::ComboBoxIndi,
                                     T::BoutonLabel,    T::TrackBar1,       T::ComboBoxComp,
                                     T::BoutonPlot,     T::ComboXaxis,      T::ComboYaxis};

const std::set<C> kComponentMenu = {
    C::OpenLink,      C::OpenFactor, C::Consensus,      C::ShapeVectors,    C::SaveResiduals,
    C::SaveConsensus, C::SaveSize,   C::SaveScores,     C::SaveSingleScore, C::SavePcs,
    C::SaveSinglePcs, C::Regression, C::RegressionTest, C::Deflation,       C::Difference,
    C::ViewAll,       C::ViewPcs,    C::ViewPlot,       C::OpenVariables,   C::Outliers,
    C::SaveDistances, C::LinearModel};

std::set<C> Plus(std::set<C> base, std::initializer_list<C> extra) {
  base.insert(extra);
  return base;
}

std::set<C> Minus(std::set<C> base, std::initializer_list<C> gone) {
  for (C id : gone) base.erase(id);
  return base;
}

const Stage kStages[] = {
    {"empty", [](Session&) {}, With({C::OpenData}), {T::BoutonZoomPlus, T::BoutonZoomMoins}},
    {"data loaded",
     [](Session& s) { s.DataLoaded = true; },
     With({C::OpenData, C::OpenLink, C::OpenSelect, C::Consensus, C::Gpa, C::OpenVariables}),
     {T::BoutonGpa, T::BoutonZoomPlus, T::BoutonZoomMoins}},
    {"superimposed", [](Session& s) { s.DataLoaded = s.Superimposed = true; },
     With({C::OpenLink, C::Consensus, C::ShapeVectors, C::SaveResiduals, C::SaveConsensus,
           C::SaveSize, C::Pcs, C::Deflation, C::Difference, C::ViewAll, C::OpenVariables,
           C::Outliers, C::SaveDistances, C::LinearModel}),
     [] {
       auto t = kSuperimposedTools;
       t.insert(T::BoutonPcs);
       return t;
     }()},
    {"components", [](Session& s) { s.DataLoaded = s.Superimposed = s.ComponentsComputed = true; },
     With(kComponentMenu), kComponentTools},
    {"groups",
     [](Session& s) {
       s.DataLoaded = s.Superimposed = s.ComponentsComputed = true;
       s.GroupLimit = 30;
     },
     With(Plus(kComponentMenu, {C::MeanRegression, C::MeanRegressionTest, C::MantelTest,
                                C::Discrimination, C::DiscriminationTest})),
     kComponentTools},
    {"shape difference taken",
     [](Session& s) {
       s.DataLoaded = s.Superimposed = s.ComponentsComputed = s.DifferenceComputed = true;
     },
     With(Minus(kComponentMenu, {C::Difference})), kComponentTools},
    {"shape difference, components not yet recomputed",
     [](Session& s) { s.DataLoaded = s.Superimposed = s.DifferenceComputed = true; },
     With({C::OpenLink, C::Consensus, C::ShapeVectors, C::SaveResiduals, C::SaveConsensus,
           C::SaveSize, C::Pcs, C::Deflation, C::ViewAll, C::OpenVariables, C::Outliers,
           C::SaveDistances, C::LinearModel}),
     [] {
       auto t = kSuperimposedTools;
       t.insert(T::BoutonPcs);
       return t;
     }()},
};

TEST(Enabling, MenuItemsFollowTheStageLadder) {
  for (const Stage& stage : kStages) {
    Session s;
    stage.apply(s);
    for (const CommandInfo& command : CommandTable())
      EXPECT_EQ(MenuItemEnabled(s, command.id), stage.menuEnabled.count(command.id) == 1)
          << stage.name << ": " << command.name;
  }
}

TEST(Enabling, ToolbarFollowsTheStageLadder) {
  for (const Stage& stage : kStages) {
    Session s;
    stage.apply(s);
    const ToolbarEnabling enabled = ToolbarEnabled(s);
    for (int i = 0; i < ToolbarControlCount; ++i)
      EXPECT_EQ(enabled[static_cast<std::size_t>(i)],
                stage.toolbarEnabled.count(static_cast<T>(i)) == 1)
          << stage.name << ": control " << i;
  }
}

TEST(Enabling, OptionsMenuChecksFollowTheDisplayOptions) {
  Session s;
  EXPECT_TRUE(MenuItemChecked(s, C::OptionColor));
  EXPECT_FALSE(MenuItemChecked(s, C::Enveloppe));
  s.ColorOption = false;
  s.ExtremesOption = true;
  EXPECT_FALSE(MenuItemChecked(s, C::OptionColor));
  EXPECT_TRUE(MenuItemChecked(s, C::Enveloppe));
  EXPECT_FALSE(MenuItemChecked(s, C::DefineGroups));
  // The figure options: off until turned on, each with its own check mark.
  for (auto [id, option] : {std::pair{C::DeformationGrid, &Session::GridOption},
                            {C::Ellipses, &Session::EllipsesOption},
                            {C::AxisTitles, &Session::AxisTitlesOption},
                            {C::AxisScales, &Session::AxisScalesOption},
                            {C::Legend, &Session::LegendOption},
                            {C::LargeMarkers, &Session::LargeMarkersOption},
                            {C::NameLabels, &Session::NameLabelsOption},
                            {C::FitOnResize, &Session::FitOnResizeOption}}) {
    EXPECT_FALSE(MenuItemChecked(s, id));
    s.*option = true;
    EXPECT_TRUE(MenuItemChecked(s, id));
  }
  // The options alone carry check marks.
  const std::set<C> checkable = {C::OptionColor, C::Enveloppe,  C::DeformationGrid, C::Ellipses,
                                 C::AxisTitles,  C::AxisScales, C::Legend,          C::LargeMarkers,
                                 C::NameLabels,  C::FitOnResize};
  for (const CommandInfo& command : CommandTable())
    EXPECT_EQ(MenuItemCheckable(command.id), checkable.count(command.id) == 1) << command.name;
}

// Fit to Window is offered while the specimens or the vectors window draws shapes.
TEST(Enabling, FitToWindowNeedsADrawnShapeWindow) {
  struct Row {
    bool superimposed, components;
    int specimensView, vectorsView;
    bool enabled;
  };
  const Row rows[] = {{false, false, 0, 0, false}, {false, false, 1, 0, false},
                      {true, false, 0, 0, false},  {true, false, 1, 0, true},
                      {true, false, 2, 0, true},   {true, false, 3, 0, false},
                      {true, false, 0, 1, false},  {true, true, 0, 1, true},
                      {true, true, 0, 2, false},   {true, true, 2, 1, true}};
  for (const Row& row : rows) {
    Session s;
    s.DataLoaded = true;
    s.Superimposed = row.superimposed;
    s.ComponentsComputed = row.components;
    s.SpecimensView = row.specimensView;
    s.VectorsView = row.vectorsView;
    EXPECT_EQ(MenuItemEnabled(s, C::FitToWindow), row.enabled)
        << row.superimposed << row.components << " views " << row.specimensView << ' '
        << row.vectorsView;
  }
}

TEST(Enabling, TheDeformationGridIsForPlanarDataOnly) {
  Session s;
  for (auto [k, enabled] : {std::pair{0, true}, {1, false}, {2, true}, {3, false}}) {
    s.DimensionCount = k;
    EXPECT_EQ(MenuItemEnabled(s, C::DeformationGrid), enabled) << k << " dimensions";
    EXPECT_TRUE(MenuItemEnabled(s, C::Ellipses));
  }
}

}  // namespace
}  // namespace vrel
