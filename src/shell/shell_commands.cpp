// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/shell_commands.h"

#include <algorithm>

#include "shell/enabling.h"
#include "shell/specimen_names.h"

namespace vrel {

void ClearSessionClick(Session& s, Frontend& fe) {
  s.LinkCount = 0;
  ForgetVariables(s, fe);
  s.SpecimenCount = s.LandmarkCount = s.DimensionCount = 0;
  std::fill(s.SpecimenNames.begin(), s.SpecimenNames.end(), std::string());

  s.DifferenceComputed = s.ComponentsComputed = s.Superimposed = s.DataLoaded = false;
  s.DiscriminationVectorReady = s.RegressionVectorReady = false;
  s.ColorOption = true;
  s.SelectedComponent = 0;
  fe.SetComboText(Combo::Comp, "");

  s.GroupLimit = 0;
  s.PlotView = s.VectorsView = s.SpecimensView = 0;

  for (Window window : {Window::Specimens, Window::Vectors, Window::Plot}) {
    fe.ClearPicture(window);
    fe.Invalidate(window);
  }

  s.ShowLabels = false;
  s.SelectedSpecimen = 0;
  ShowNamesInSpecimenList(s, fe);
  fe.SetComboText(Combo::Indi, "");

  s.PlotAxisX = 0;
  s.PlotAxisY = 1;
  s.TurnAngle = s.TiltAngle = 0.0f;
  s.Rotation = {1, 0, 0, 0, 1, 0};
  s.ShapeMagnitude = MagnitudeOfPosition(DefaultTrackBarPosition);

  s.Coordinates.Clear();
  s.Scores.Clear();
  s.Residuals.Clear();
  s.Pcs.Clear();
  s.ResultVector.Fill(0.0);
  s.Consensus.Fill(0.0);

  fe.ClearLog();
  ViewLogClick(s, fe);
  fe.SetTrackBarPosition(DefaultTrackBarPosition);
  ActiverBoutons(s, fe);
}

void QuitClick(Session&, Frontend& fe) { fe.QuitProgram(); }

void ViewLogClick(Session&, Frontend& fe) { fe.ShowWindow(Window::Log); }

void ViewAboutClick(Session&, Frontend& fe) {
  if (fe.IsWindowVisible(Window::About))
    fe.ShowWindow(Window::About);
  else
    fe.ShowModal(Window::About);
}

void Help1Click(Session&, Frontend& fe) { fe.ShowHelp(); }

}  // namespace vrel
