// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/specimen_names.h"

#include "shell/capacities.h"

namespace vrel {

std::string SpecimenName(const Session& s, int i) {
  const std::string& name = s.SpecimenNames[static_cast<std::size_t>(i)];
  return name.empty() ? std::to_string(i + 1) : name;
}

std::vector<std::string> SpecimenListItems(const Session& s) {
  std::vector<std::string> items;
  items.reserve(static_cast<std::size_t>(s.Room.Specimens));
  for (int i = 0; i < s.Room.Specimens; ++i) {
    std::string item = std::to_string(i + 1);
    const std::string& name = s.SpecimenNames[static_cast<std::size_t>(i)];
    if (s.NameLabelsOption && i < s.SpecimenCount && !name.empty()) item += " " + name;
    items.push_back(std::move(item));
  }
  return items;
}

void ShowNamesInSpecimenList(const Session& s, Frontend& fe) {
  if (s.NameLabelsOption) fe.SetComboItems(Combo::Indi, SpecimenListItems(s));
}

std::string ScoreColumnName(int column) {
  if (column >= MaxComponents) return "CV" + std::to_string(column - MaxComponents + 1);
  if (column == SizeColumn) return "Cs/Fac";
  if (column == RegressionColumn) return "Regres";
  if (column == DiscriminationColumn) return "Discrim";
  return "PC" + std::to_string(column + 1);
}

int CanonicalAxisCount(const Session& s) {
  return s.CanonicalScores.empty() ? 0 : static_cast<int>(s.CanonicalScores[0].size());
}

std::vector<std::string> AxisListItems(int canonicalAxes) {
  std::vector<std::string> items;
  for (int column = 0; column < MaxComponents + canonicalAxes; ++column)
    items.push_back(column < SizeColumn ? std::to_string(column + 1) : ScoreColumnName(column));
  return items;
}

void ForgetGroupResults(Session& s, Frontend& fe) {
  const bool axes = CanonicalAxisCount(s) > 0;
  s.CanonicalScores.clear();
  s.GroupDistances.clear();
  s.Assigned.clear();
  s.AssignedLeftOut.clear();
  if (!axes) return;
  const std::vector<std::string> items = AxisListItems(0);
  fe.SetComboItems(Combo::Xaxis, items);
  fe.SetComboItems(Combo::Yaxis, items);
}

void ForgetVariables(Session& s, Frontend& fe) {
  ForgetGroupResults(s, fe);
  s.Variables.clear();
  s.Anova.clear();
  s.Groups = {};
}

std::string DifferenceName(const std::string& first, const std::string& second) {
  return second + "\u2212" + first;  // U+2212 MINUS SIGN
}

}  // namespace vrel
