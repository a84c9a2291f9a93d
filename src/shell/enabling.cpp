// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/enabling.h"

namespace vrel {

bool DrawsShapes(const Session& s, Window window) {
  if (window == Window::Specimens)
    return s.Superimposed && (s.SpecimensView == 1 || s.SpecimensView == 2);
  if (window == Window::Vectors) return s.ComponentsComputed && s.VectorsView == 1;
  return false;
}

bool MenuItemEnabled(const Session& s, CommandId id) {
  const bool d = s.DataLoaded;
  const bool sup = s.Superimposed;
  const bool c = s.ComponentsComputed;
  const bool f = s.DifferenceComputed;
  const bool g = s.GroupLimit != 0;
  switch (id) {
    case CommandId::OpenData:
      return !sup;
    case CommandId::OpenLink:
    case CommandId::Consensus:
    case CommandId::OpenVariables:
      return d;
    case CommandId::OpenSelect:
    case CommandId::Gpa:
      return d && !sup;
    case CommandId::ShapeVectors:
    case CommandId::SaveResiduals:
    case CommandId::SaveConsensus:
    case CommandId::SaveSize:
    case CommandId::Deflation:
    case CommandId::ViewAll:
    case CommandId::Outliers:
    case CommandId::SaveDistances:
      return sup;
    case CommandId::OpenFactor:
    case CommandId::SaveScores:
    case CommandId::SaveSingleScore:
    case CommandId::SavePcs:
    case CommandId::SaveSinglePcs:
    case CommandId::Regression:
    case CommandId::RegressionTest:
    case CommandId::ViewPcs:
    case CommandId::ViewPlot:
      return c;
    case CommandId::Pcs:
      return sup && !c;
    case CommandId::MeanRegression:
    case CommandId::MeanRegressionTest:
    case CommandId::MantelTest:
    case CommandId::Discrimination:
    case CommandId::DiscriminationTest:
      return c && g;
    case CommandId::Difference:
      return sup && !f;
    case CommandId::SaveScript:
      return !s.Script.empty();
    case CommandId::GroupsFromVariable:
      return !s.Variables.empty();
    case CommandId::CanonicalVariates:
    case CommandId::Classification:
      return c && !s.Groups.of.empty();
    case CommandId::SaveCva:
    case CommandId::SaveGroupDistances:
      return !s.GroupDistances.empty();
    case CommandId::SaveClassification:
      return !s.Assigned.empty();
    case CommandId::LinearModel:
      return sup;
    case CommandId::Repeatability:
      return sup && !s.Variables.empty();
    case CommandId::SaveAnova:
      return !s.Anova.empty();
    case CommandId::FitToWindow:
      return DrawsShapes(s, Window::Specimens) || DrawsShapes(s, Window::Vectors);
    case CommandId::DeformationGrid:
      // The grid is drawn in the plane only; before any data it may be set beforehand.
      return s.DimensionCount == 0 || s.DimensionCount == 2;
    case CommandId::ClearSession:
    case CommandId::Quit:
    case CommandId::ViewLog:
    case CommandId::DefineGroups:
    case CommandId::OptionColor:
    case CommandId::Enveloppe:
    case CommandId::Ellipses:
    case CommandId::AxisTitles:
    case CommandId::AxisScales:
    case CommandId::Legend:
    case CommandId::LargeMarkers:
    case CommandId::NameLabels:
    case CommandId::FitOnResize:
    // Refused with a word of why while data are loaded.
    case CommandId::DataCapacity:
    case CommandId::Help1:
    case CommandId::ViewAbout:
      return true;
  }
  return false;
}

namespace {

// The options of the Options menu that carry a check mark, and the flag each one shows.
struct CheckedOption {
  CommandId id;
  bool Session::*flag;
};
constexpr CheckedOption CheckedOptions[] = {
    {CommandId::OptionColor, &Session::ColorOption},
    {CommandId::Enveloppe, &Session::ExtremesOption},
    {CommandId::DeformationGrid, &Session::GridOption},
    {CommandId::Ellipses, &Session::EllipsesOption},
    {CommandId::AxisTitles, &Session::AxisTitlesOption},
    {CommandId::AxisScales, &Session::AxisScalesOption},
    {CommandId::Legend, &Session::LegendOption},
    {CommandId::LargeMarkers, &Session::LargeMarkersOption},
    {CommandId::NameLabels, &Session::NameLabelsOption},
    {CommandId::FitOnResize, &Session::FitOnResizeOption},
};

const CheckedOption* FindCheckedOption(CommandId id) {
  for (const CheckedOption& option : CheckedOptions)
    if (option.id == id) return &option;
  return nullptr;
}

}  // namespace

bool MenuItemChecked(const Session& s, CommandId id) {
  const CheckedOption* option = FindCheckedOption(id);
  return option != nullptr && s.*(option->flag);
}

bool MenuItemCheckable(CommandId id) { return FindCheckedOption(id) != nullptr; }

ToolbarEnabling ToolbarEnabled(const Session& s) {
  const bool d = s.DataLoaded;
  const bool sup = s.Superimposed;
  const bool c = s.ComponentsComputed;
  ToolbarEnabling e{};
  auto set = [&e](ToolbarControl control, bool value) { e[static_cast<int>(control)] = value; };
  set(ToolbarControl::BoutonGpa, d && !sup);
  set(ToolbarControl::BoutonPcs, sup && !c);
  set(ToolbarControl::BoutonZoomPlus, true);
  set(ToolbarControl::BoutonZoomMoins, true);
  for (ToolbarControl control :
       {ToolbarControl::BoutonUp, ToolbarControl::BoutonRight, ToolbarControl::ComboBoxIndi,
        ToolbarControl::BoutonAll, ToolbarControl::BoutonLabel})
    set(control, sup);
  for (ToolbarControl control :
       {ToolbarControl::TrackBar1, ToolbarControl::ComboBoxComp, ToolbarControl::BoutonPlot,
        ToolbarControl::ComboXaxis, ToolbarControl::ComboYaxis})
    set(control, c);
  return e;
}

void ActiverBoutons(const Session& s, Frontend& fe) { fe.SetToolbarEnabled(ToolbarEnabled(s)); }

}  // namespace vrel
