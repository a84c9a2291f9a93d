// SPDX-License-Identifier: GPL-3.0-or-later
// The groups taken from a variable and the analyses of the Analyses menu that compare them.
#include <algorithm>
#include <cmath>

#include "shell/format.h"
#include "shell/messages.h"
#include "shell/prompt.h"
#include "shell/specimen_names.h"
#include "stats/analysis_inputs.h"
#include "stats/canonical_variates.h"
#include "stats/component_count.h"
#include "stats/statistics_commands.h"

namespace vrel {

namespace {

constexpr int MostPermutations = 1000000;

// The first q component scores of every specimen.
Rows ScoreRows(const Session& s, int q) {
  Rows x(static_cast<std::size_t>(s.SpecimenCount));
  for (int i = 0; i < s.SpecimenCount; ++i) x[i].assign(&s.Scores[i][0], &s.Scores[i][0] + q);
  return x;
}

// Asks how many components the analysis of the groups takes: 1 to n - k, within those there are.
int AskGroupComponents(Session& s, Frontend& fe) {
  const int q = AskPrompt(s, fe, "How many Pcs?");
  if (q == 0) return 0;
  const int most = std::min(s.SpecimenCount - static_cast<int>(s.Groups.names.size()),
                            CapComponentCount(s, MaxRetainedComponents));
  if (q < 1 || q > most) {
    ShowProgramMessageText(fe, Message::GroupComponentsOutOfRange,
                           MessageText(Message::GroupComponentsOutOfRange, std::max(most, 0)));
    return 0;
  }
  return q;
}

// Logs the table of true groups against assigned ones, under its title, and the share correct.
void LogTable(Frontend& fe, const Session& s, const std::vector<int>& assigned,
              const std::string& title) {
  const std::size_t k = s.Groups.names.size();
  std::vector<std::vector<int>> counts(k, std::vector<int>(k, 0));
  int correct = 0;
  for (std::size_t i = 0; i < assigned.size(); ++i) {
    const int truth = s.Groups.of[i];
    if (assigned[i] < 0) continue;
    ++counts[static_cast<std::size_t>(truth)][static_cast<std::size_t>(assigned[i])];
    correct += assigned[i] == truth ? 1 : 0;
  }
  fe.AppendLog(title);
  std::string header = Format("%-12s", "true \\ as");
  for (const std::string& name : s.Groups.names) header += Format(" %10s", name.c_str());
  fe.AppendLog(header);
  for (std::size_t t = 0; t < k; ++t) {
    std::string row = Format("%-12s", s.Groups.names[t].c_str());
    for (std::size_t a = 0; a < k; ++a) row += Format(" %10d", counts[t][a]);
    fe.AppendLog(row);
  }
  fe.AppendLog(Format("Correct: %d of %d, %f%%", correct, static_cast<int>(assigned.size()),
                      100.0 * correct / std::max<std::size_t>(assigned.size(), 1)));
}

}  // namespace

void GroupsFromVariableClick(Session& s, Frontend& fe) {
  if (s.Variables.empty()) return;
  VariableGroups groups;
  if (!AskVariableGroups(s, fe, "Which variable?", groups)) return;
  ForgetGroupResults(s, fe);
  s.Groups = std::move(groups);
  std::vector<int> sizes(s.Groups.names.size(), 0);
  for (int g : s.Groups.of) ++sizes[static_cast<std::size_t>(g)];
  std::string line = "Groups from " + s.Groups.variable + ":";
  for (std::size_t g = 0; g < sizes.size(); ++g)
    line += Format("%s %s %d", g == 0 ? "" : ",", s.Groups.names[g].c_str(), sizes[g]);
  fe.AppendLog(line);
}

void CanonicalVariatesClick(Session& s, Frontend& fe) {
  if (s.Groups.of.empty() || !s.ComponentsComputed) return;
  const int q = AskGroupComponents(s, fe);
  if (q == 0) return;
  const int permutations = AskPrompt(s, fe, "How many permutations?");
  if (permutations == 0) return;
  if (permutations < 1 || permutations > MostPermutations)
    return ShowProgramMessage(fe, Message::PermutationsOutOfRange);
  const int k = static_cast<int>(s.Groups.names.size());
  const Rows x = ScoreRows(s, q);
  const std::optional<CanonicalAxes> axes = CanonicalVariateAxes(x, s.Groups.of, k);
  if (!axes) return ShowProgramMessage(fe, Message::WithinGroupsSingular);

  double total = 0.0;
  for (double value : axes->eigenvalues) total += value;
  fe.AppendLog(Format("Canonical variates of %s on %d PCS, %d groups, %d permutations",
                      s.Groups.variable.c_str(), q, k, permutations));
  double cumulative = 0.0;
  for (std::size_t a = 0; a < axes->eigenvalues.size(); ++a) {
    const double share = total > 0 ? 100.0 * axes->eigenvalues[a] / total : 0.0;
    cumulative += share;
    fe.AppendLog(Format("CV%d  eigenvalue %f  %f%%  %f%%", static_cast<int>(a + 1),
                        axes->eigenvalues[a], share, cumulative));
  }
  const Rows residuals = ResidualRows(s);
  std::vector<GroupDistance> distances;
  fe.AppendLog("Group pair    Procrustes  p    Mahalanobis  p");
  for (int a = 0; a < k; ++a)
    for (int b = a + 1; b < k; ++b) {
      GroupDistance d{a, b};
      d.procrustes = EuclideanBetween(residuals, s.Groups.of, a, b);
      d.pProcrustes = PermutationP(s.Groups.of, a, b, permutations, d.procrustes,
                                   [&](const std::vector<int>& labels) {
                                     return EuclideanBetween(residuals, labels, a, b);
                                   });
      d.mahalanobis = *MahalanobisBetween(x, s.Groups.of, k, a, b);
      d.pMahalanobis = PermutationP(s.Groups.of, a, b, permutations, d.mahalanobis,
                                    [&](const std::vector<int>& labels) {
                                      return MahalanobisBetween(x, labels, k, a, b).value_or(0.0);
                                    });
      fe.AppendLog(Format("%s - %s  %f  %f  %f  %f", s.Groups.names[a].c_str(),
                          s.Groups.names[b].c_str(), d.procrustes, d.pProcrustes, d.mahalanobis,
                          d.pMahalanobis));
      distances.push_back(d);
    }
  s.CanonicalScores = axes->scores;
  s.GroupDistances = std::move(distances);
  // The axis lists offer the canonical axes after the columns of the scores.
  const std::vector<std::string> items = AxisListItems(CanonicalAxisCount(s));
  fe.SetComboItems(Combo::Xaxis, items);
  fe.SetComboItems(Combo::Yaxis, items);
}

void ClassificationClick(Session& s, Frontend& fe) {
  if (s.Groups.of.empty() || !s.ComponentsComputed) return;
  const int q = AskGroupComponents(s, fe);
  if (q == 0) return;
  const int k = static_cast<int>(s.Groups.names.size());
  const Rows x = ScoreRows(s, q);
  std::vector<int> assigned = NearestGroups(x, s.Groups.of, k, false);
  if (std::find(assigned.begin(), assigned.end(), -1) != assigned.end())
    return ShowProgramMessage(fe, Message::WithinGroupsSingular);
  std::vector<int> leftOut = NearestGroups(x, s.Groups.of, k, true);
  LogTable(fe, s, assigned,
           Format("Classification of %s on %d PCS (nearest group mean, Mahalanobis distance)",
                  s.Groups.variable.c_str(), q));
  LogTable(fe, s, leftOut, "Each specimen left out in turn:");
  s.Assigned = std::move(assigned);
  s.AssignedLeftOut = std::move(leftOut);
}

}  // namespace vrel
