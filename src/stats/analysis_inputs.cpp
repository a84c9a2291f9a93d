// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/analysis_inputs.h"

#include <cmath>
#include <map>

#include "shell/format.h"
#include "shell/messages.h"
#include "shell/prompt.h"

namespace vrel {

namespace {

const SpecimenVariable* AskVariable(Session& s, Frontend& fe, const std::string& question) {
  std::string asked = question;
  for (std::size_t v = 0; v < s.Variables.size(); ++v)
    asked += Format(" %d %s", static_cast<int>(v + 1), s.Variables[v].name.c_str());
  const int chosen = AskPrompt(s, fe, asked);
  if (chosen == 0) return nullptr;
  const int count = static_cast<int>(s.Variables.size());
  if (chosen >= 1 && chosen <= count) return &s.Variables[static_cast<std::size_t>(chosen - 1)];
  ShowProgramMessageText(fe, Message::NoSuchVariable,
                         MessageText(Message::NoSuchVariable, chosen, count));
  return nullptr;
}

// The groups a variable makes: a factor's levels, or each value of a covariate of whole numbers
// in increasing order; false for a covariate with other values.
bool GroupsOfVariable(const SpecimenVariable& variable, VariableGroups& groups) {
  groups = {variable.name, {}, {}};
  if (variable.factor) {
    groups.of = variable.codes;
    groups.names = variable.levels;
    return true;
  }
  std::map<double, int> values;
  for (double v : variable.values) {
    if (!std::isfinite(v) || v != std::floor(v) || std::abs(v) > 1e15) return false;
    values[v] = 0;
  }
  int next = 0;
  for (auto& [value, index] : values) {
    index = next++;
    groups.names.push_back(Format("%.0f", value));
  }
  for (double v : variable.values) groups.of.push_back(values[v]);
  return true;
}

}  // namespace

std::vector<std::vector<double>> ResidualRows(const Session& s) {
  std::vector<std::vector<double>> x(static_cast<std::size_t>(s.SpecimenCount));
  for (int i = 0; i < s.SpecimenCount; ++i)
    x[i].assign(&s.Residuals[i][0], &s.Residuals[i][0] + s.CoordinateCount());
  return x;
}

bool AskVariableGroups(Session& s, Frontend& fe, const std::string& question,
                       VariableGroups& groups) {
  const SpecimenVariable* variable = AskVariable(s, fe, question);
  if (variable == nullptr) return false;
  if (!GroupsOfVariable(*variable, groups)) {
    ShowProgramMessageText(fe, Message::VariableNotGroups,
                           MessageText(Message::VariableNotGroups, variable->name.c_str()));
    return false;
  }
  if (groups.names.size() < 2) {
    ShowProgramMessageText(fe, Message::SingleGroup,
                           MessageText(Message::SingleGroup, variable->name.c_str()));
    return false;
  }
  return true;
}

}  // namespace vrel
