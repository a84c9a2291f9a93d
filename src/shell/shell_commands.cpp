#include <cctype>
#include <climits>
#include <cstdlib>

#include "shell/commands.h"

namespace vrel {

int AskPrompt(Session& s, Frontend& fe, const std::string& question) {
  s.PromptResult = fe.AskNumber(question);
  return s.PromptResult;
}

bool ParseInteger(const std::string& text, int& value) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && std::isspace(static_cast<unsigned char>(text[begin]))) ++begin;
  while (end > begin && std::isspace(static_cast<unsigned char>(text[end - 1]))) --end;
  std::size_t i = begin;
  bool negative = false;
  if (i < end && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == end) return false;
  long long magnitude = 0;
  for (; i < end; ++i) {
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
    magnitude = magnitude * 10 + (text[i] - '0');
    if (magnitude > static_cast<long long>(INT_MAX) + 1) return false;
  }
  const long long signedValue = negative ? -magnitude : magnitude;
  if (signedValue > INT_MAX || signedValue < INT_MIN) return false;
  value = static_cast<int>(signedValue);
  return true;
}

void ClearSessionClick(Session& s, Frontend& fe) {
  s.LinkCount = 0;
  s.SpecimenCount = s.LandmarkCount = s.DimensionCount = 0;

  s.DifferenceComputed = s.ComponentsComputed = s.Superimposed = s.DataLoaded = false;
  s.DiscriminationVectorReady = s.RegressionVectorReady = false;
  s.ColorOption = true;
  s.SelectedComponent = 0;
  fe.SetComboText(Combo::Comp, "");

  s.GroupLimit = 0;
  s.PlotView = s.VectorsView = s.SpecimensView = 0;

  fe.Invalidate(Window::Specimens);
  fe.Invalidate(Window::Vectors);
  fe.Invalidate(Window::Plot);

  s.ShowLabels = false;
  s.SelectedSpecimen = 0;
  fe.SetComboText(Combo::Indi, "");

  s.PlotAxisX = 0;
  s.PlotAxisY = 1;
  s.TurnAngle = s.TiltAngle = 0.0f;
  s.Rotation = {1, 0, 0, 0, 1, 0};
  s.ShapeMagnitude = 0.1f;

  s.Coordinates.Fill(0.0);
  s.Scores.Fill(0.0);
  s.Residuals.Fill(0.0);
  s.Pcs.Fill(0.0);
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
