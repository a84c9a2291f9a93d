// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_table.h"

#include "app/session_script.h"
#include "files/file_commands.h"
#include "graphics/view_commands.h"
#include "numerics/components_commands.h"
#include "numerics/shape_difference_commands.h"
#include "numerics/superimposition_commands.h"
#include "shell/capacity.h"
#include "shell/shell_commands.h"
#include "stats/statistics_commands.h"

namespace vrel {

namespace {

using A = ArgKind;

std::vector<CommandInfo> BuildTable() {
  // A null handler marks a command that this version does not offer yet.
  // clang-format off
  return {
      {CommandId::OpenData, "OpenData", "Open &Data", OpenDataClick, "open-data", {A::File}},
      {CommandId::OpenLink, "OpenLink", "Open &Link", OpenLinkClick, "open-link", {A::File}},
      {CommandId::OpenFactor, "OpenFactor", "Open &Factor", OpenFactorClick, "open-factor", {A::File}},
      {CommandId::OpenSelect, "OpenSelect", "Open Se&lection", OpenSelectClick, "open-selection", {A::File}},
      {CommandId::OpenVariables, "OpenVariables", "Open &Variables\u2026", OpenVariablesClick, "open-variables", {A::File}},
      {CommandId::Consensus, "Consensus", "Consensus", ConsensusClick, "reload-consensus", {A::File}},
      {CommandId::ShapeVectors, "ShapeVectors", "PCS", ShapeVectorsClick, "reload-pcs", {A::File}},
      {CommandId::SaveResiduals, "SaveResiduals", "Save &Residuals", SaveResidualsClick, "save-residuals", {A::File}},
      {CommandId::SaveConsensus, "SaveConsensus", "Save &Consensus", SaveConsensusClick, "save-consensus", {A::File}},
      {CommandId::SaveSize, "SaveSize", "Save &Sizes", SaveSizeClick, "save-sizes", {A::File}},
      {CommandId::SaveScores, "SaveScores", "Save S&cores", SaveScoresClick, "save-scores", {A::Number, A::File}},
      {CommandId::SaveSingleScore, "SaveSingleScore", "Save one Projection", SaveSingleScoreClick, "save-one-projection", {A::Number, A::File}},
      {CommandId::SavePcs, "SavePcs", "Save &PCS", SavePcsClick, "save-pcs", {A::Number, A::File}},
      {CommandId::SaveSinglePcs, "SaveSinglePcs", "Save one PCS", SaveSinglePcsClick, "save-one-pcs", {A::Number, A::File}},
      {CommandId::SaveDistances, "SaveDistances", "Save Distances", SaveDistancesClick, "save-distances", {A::File}},
      {CommandId::SaveCva, "SaveCva", "Save Canonical Variates", SaveCvaClick, "save-cva", {A::File}},
      {CommandId::SaveGroupDistances, "SaveGroupDistances", "Save Group Distances", SaveGroupDistancesClick, "save-group-distances", {A::File}},
      {CommandId::SaveClassification, "SaveClassification", "Save Classification", SaveClassificationClick, "save-classification", {A::File}},
      {CommandId::SaveAnova, "SaveAnova", "Save ANOVA Table", SaveAnovaClick, "save-anova", {A::File}},
      {CommandId::SaveScript, "SaveScript", "Save Scrip&t\u2026", SaveScriptClick, nullptr, {A::File}},
      {CommandId::ClearSession, "ClearSession", "Clear Session", ClearSessionClick, "clear-session", {}},
      {CommandId::Quit, "Quit", "Quit", QuitClick, nullptr, {}},
      {CommandId::Gpa, "Gpa", "&Superimposition", GpaClick, "superimpose", {}},
      {CommandId::Pcs, "Pcs", "&Components", PcsClick, "components", {}},
      {CommandId::Regression, "Regression", "&Regression", RegressionClick, "regression", {A::Number}},
      {CommandId::RegressionTest, "RegressionTest", "Regression T&est", RegressionTestClick, "regression-test", {A::Number}},
      {CommandId::MeanRegression, "MeanRegression", "Mean Regression", MeanRegressionClick, "mean-regression", {A::Number}},
      {CommandId::MeanRegressionTest, "MeanRegressionTest", "Mean Regression Test", MeanRegressionTestClick, "mean-regression-test", {A::Number}},
      {CommandId::MantelTest, "MantelTest", "Homogeneity Test", MantelTestClick, "homogeneity", {A::Number, A::Number}},
      {CommandId::Discrimination, "Discrimination", "&Discrimination", DiscriminationClick, "discrimination", {A::Number}},
      {CommandId::DiscriminationTest, "DiscriminationTest", "Discrimination &Test", DiscriminationTestClick, "discrimination-test", {A::Number}},
      {CommandId::Deflation, "Deflation", "Hyperprojection", DeflationClick, "hyperprojection", {A::File}},
      {CommandId::Difference, "Difference", "Shape difference", DifferenceClick, "shape-difference", {}},
      {CommandId::Outliers, "Outliers", "Outliers", OutliersClick, "outliers", {}},
      {CommandId::CanonicalVariates, "CanonicalVariates", "Canonical Variates\u2026", CanonicalVariatesClick, "cva", {A::Number, A::Number}, "10000"},
      {CommandId::Classification, "Classification", "Classification\u2026", ClassificationClick, "classify", {A::Number}},
      {CommandId::LinearModel, "LinearModel", "Linear Model\u2026", LinearModelClick, "linear-model", {A::Text, A::Number}, "999"},
      {CommandId::Repeatability, "Repeatability", "Repeatability\u2026", RepeatabilityClick, "repeatability", {A::Variable, A::Number}, "999"},
      {CommandId::ViewAll, "ViewAll", "Specimens", ViewAllClick, "show-specimens", {}},
      {CommandId::ViewPcs, "ViewPcs", "Vectors", ViewPcsClick, "show-vectors", {}},
      {CommandId::ViewPlot, "ViewPlot", "Plot", ViewPlotClick, nullptr, {}},
      {CommandId::ViewLog, "ViewLog", "Log", ViewLogClick, nullptr, {}},
      {CommandId::FitToWindow, "FitToWindow", "Fit to Window", FitToWindowClick, "fit", {}},
      {CommandId::DefineGroups, "DefineGroups", "Define groups", DefineGroupsClick, "define-groups", {A::Number}},
      {CommandId::GroupsFromVariable, "GroupsFromVariable", "Groups from Variable\u2026", GroupsFromVariableClick, "groups", {A::Variable}},
      {CommandId::OptionColor, "OptionColor", "Color", OptionColorClick, "color", {}},
      {CommandId::Enveloppe, "Enveloppe", "Extremes", EnveloppeClick, "extremes", {}},
      {CommandId::DeformationGrid, "DeformationGrid", "Deformation grid", DeformationGridClick, "grid", {}},
      {CommandId::Ellipses, "Ellipses", "Ellipses", EllipsesClick, "ellipses", {}},
      {CommandId::AxisTitles, "AxisTitles", "Axis titles", AxisTitlesClick, "axis-titles", {}},
      {CommandId::AxisScales, "AxisScales", "Axis scales", AxisScalesClick, "axis-scales", {}},
      {CommandId::Legend, "Legend", "Legend", LegendClick, "legend", {}},
      {CommandId::LargeMarkers, "LargeMarkers", "Large markers", LargeMarkersClick, "large-markers", {}},
      {CommandId::NameLabels, "NameLabels", "Names as labels", NameLabelsClick, "name-labels", {}},
      {CommandId::FitOnResize, "FitOnResize", "Fit on resize", FitOnResizeClick, "fit-on-resize", {}},
      {CommandId::DataCapacity, "DataCapacity", "Data capacity\u2026", DataCapacityClick, "capacity", {A::Number, A::Number}},
      {CommandId::Help1, "Help1", "&Help", Help1Click, nullptr, {}},
      {CommandId::ViewAbout, "ViewAbout", "About", ViewAboutClick, nullptr, {}},
  };
  // clang-format on
}

}  // namespace

const std::vector<CommandInfo>& CommandTable() {
  static const std::vector<CommandInfo> table = BuildTable();
  return table;
}

const CommandInfo& Command(CommandId id) { return CommandTable()[static_cast<std::size_t>(id)]; }

const CommandInfo* CommandByBatchWord(const std::string& word) {
  for (const CommandInfo& info : CommandTable())
    if (info.batchWord != nullptr && word == info.batchWord) return &info;
  return nullptr;
}

const std::vector<MenuSpec>& MenuBar() {
  using C = CommandId;
  auto item = [](C id) { return MenuEntry{MenuEntry::Item, id, nullptr, nullptr, {}}; };
  const MenuEntry separator{MenuEntry::Separator, C::Quit, nullptr, nullptr, {}};
  // clang-format off
  static const std::vector<MenuSpec> menus = {
      {"FileMenu",
       "&File",
       {item(C::OpenData), item(C::OpenLink), item(C::OpenFactor), item(C::OpenSelect),
        item(C::OpenVariables), separator,
        MenuEntry{
            MenuEntry::Submenu, C::Consensus, "Reload", "Reload ", {C::Consensus, C::ShapeVectors}},
        separator, item(C::SaveResiduals), item(C::SaveConsensus), item(C::SaveSize), separator,
        item(C::SaveScores), item(C::SaveSingleScore), item(C::SavePcs), item(C::SaveSinglePcs),
        item(C::SaveDistances), item(C::SaveCva), item(C::SaveGroupDistances),
        item(C::SaveClassification), item(C::SaveAnova), separator, item(C::SaveScript), separator, item(C::ClearSession), item(C::Quit)}},
      {"ComputeMenu",
       "&Compute",
       {item(C::Gpa), item(C::Pcs), separator, item(C::Regression), item(C::RegressionTest),
        separator, item(C::MeanRegression), item(C::MeanRegressionTest), item(C::MantelTest),
        separator, item(C::Discrimination), item(C::DiscriminationTest), separator,
        item(C::Deflation), item(C::Difference)}},
      {"AnalysesMenu", "A&nalyses", {item(C::Outliers), separator, item(C::CanonicalVariates),
                                      item(C::Classification), separator, item(C::LinearModel),
                                      item(C::Repeatability)}},
      {"View1",
       "&Window",
       {item(C::ViewAll), item(C::ViewPcs), item(C::ViewPlot), item(C::ViewLog), separator,
        item(C::FitToWindow)}},
      {"Options1",
       "&Options",
       {item(C::DefineGroups), item(C::GroupsFromVariable), separator, item(C::OptionColor), item(C::Enveloppe), separator,
        item(C::DeformationGrid), item(C::Ellipses), item(C::AxisTitles), item(C::AxisScales),
        item(C::Legend), item(C::LargeMarkers), item(C::NameLabels), item(C::FitOnResize),
        separator, item(C::DataCapacity)}},
      {"About1", "&About", {item(C::Help1), separator, item(C::ViewAbout)}},
  };
  // clang-format on
  return menus;
}

}  // namespace vrel
