// SPDX-License-Identifier: GPL-3.0-or-later
// Analyses > Linear Model and Analyses > Repeatability: Procrustes ANOVA of the residuals.
#include <algorithm>
#include <cmath>

#include "shell/format.h"
#include "shell/messages.h"
#include "shell/progress.h"
#include "shell/prompt.h"
#include "stats/analysis_inputs.h"
#include "stats/linear_model.h"
#include "stats/statistics_commands.h"

namespace vrel {

namespace {

constexpr int MostIterations = 1000000;

// Asks how many randomizations; 0 after Cancel or, with a message, outside 1 .. 1000000.
int AskIterations(Session& s, Frontend& fe) {
  const int iterations = AskPrompt(s, fe, "How many iterations?");
  if (iterations == 0) return 0;
  if (iterations >= 1 && iterations <= MostIterations) return iterations;
  ShowProgramMessage(fe, Message::IterationsOutOfRange);
  return 0;
}

// A value of the table, blank where it does not apply.
std::string Cell(const char* format, double value) {
  return std::isnan(value) ? std::string() : Format(format, value);
}

// Logs the table as R prints it: a row per term, then Residuals and Total.
void LogTable(Frontend& fe, const std::vector<AnovaRow>& rows) {
  int width = 0;
  for (const AnovaRow& row : rows) width = std::max(width, static_cast<int>(row.term.size()));
  fe.AppendLog(Format("%-*s %5s %12s %12s %8s %10s %8s %7s", width, "", "Df", "SS", "MS", "Rsq",
                      "F", "Z", "Pr(>F)"));
  for (const AnovaRow& row : rows) {
    std::string line = Format("%-*s %5d %12s %12s %8s %10s %8s %7s", width, row.term.c_str(),
                              row.df, Cell("%.6g", row.ss).c_str(), Cell("%.6g", row.ms).c_str(),
                              Cell("%.5f", row.rsq).c_str(), Cell("%.4f", row.f).c_str(),
                              Cell("%.4f", row.z).c_str(), Cell("%.4g", row.p).c_str());
    while (!line.empty() && line.back() == ' ') line.pop_back();
    fe.AppendLog(line);
  }
}

// Fits the terms to the residuals with the progress shown; false when it refused or stopped.
bool Fit(Session& s, Frontend& fe, const std::vector<ModelTerm>& terms, int iterations,
         bool exactAllowed, LinearModelFit& fit) {
  {
    ProgressRun progress(fe, static_cast<long>(terms.size()) * iterations);
    fit = FitLinearModel(ResidualRows(s), terms, iterations, exactAllowed,
                         [&progress](long done, long) { return progress.Report(done); });
  }
  if (!fit.dependentTerm.empty()) {
    ShowProgramMessageText(fe, Message::TermAddsNoRank,
                           MessageText(Message::TermAddsNoRank, fit.dependentTerm.c_str()));
    return false;
  }
  if (fit.exact && !exactAllowed) {
    ShowProgramMessage(fe, Message::NoResidualVariation);
    return false;
  }
  return !fit.stopped;
}

}  // namespace

void LinearModelClick(Session& s, Frontend& fe) {
  if (!s.Superimposed) return;
  std::string question = "Terms of the model (";
  for (const SpecimenVariable& variable : s.Variables) question += variable.name + ", ";
  const std::optional<std::string> text = fe.AskText(question + "Cs, logCs)?");
  if (!text) return;
  const std::vector<double> sizes(s.Sizes.begin(), s.Sizes.begin() + s.SpecimenCount);
  const ModelTerms model = ReadModelTerms(*text, s.Variables, sizes);
  if (!model.error.empty())
    return ShowProgramMessageText(fe, Message::ModelRefused,
                                  MessageText(Message::ModelRefused, model.error.c_str()));
  const int iterations = AskIterations(s, fe);
  if (iterations == 0) return;
  LinearModelFit fit;
  if (!Fit(s, fe, model.terms, iterations, false, fit)) return;
  std::string formula;
  for (const ModelTerm& term : model.terms) formula += (formula.empty() ? "" : " + ") + term.name;
  fe.AppendLog(
      Format("Linear model shape ~ %s: type I sums of squares, %d iterations of residual "
             "randomization",
             formula.c_str(), iterations));
  LogTable(fe, fit.rows);
  s.Anova = std::move(fit.rows);
}

void RepeatabilityClick(Session& s, Frontend& fe) {
  if (!s.Superimposed || s.Variables.empty()) return;
  VariableGroups individuals;
  if (!AskVariableGroups(s, fe, "Which variable names the individuals?", individuals)) return;
  const std::string& name = individuals.variable;
  const std::size_t count = individuals.names.size();
  if (count == static_cast<std::size_t>(s.SpecimenCount))
    return ShowProgramMessageText(fe, Message::NoReplicates,
                                  MessageText(Message::NoReplicates, name.c_str()));
  const int iterations = AskIterations(s, fe);
  if (iterations == 0) return;
  const ModelTerm term{name, LevelIndicators(individuals.of, count)};
  LinearModelFit fit;
  if (!Fit(s, fe, {term}, iterations, true, fit)) return;
  const Repeatability r = RepeatabilityOf(fit.rows[0], fit.rows[1], s.SpecimenCount);
  fe.AppendLog(
      Format("Repeatability of shape: %d individuals of %s measured %g times on average, "
             "%d iterations of residual randomization",
             static_cast<int>(count), name.c_str(), r.replicates, iterations));
  LogTable(fe, fit.rows);
  fe.AppendLog(Format("Variance among individuals %.6g, measurement error %.6g", r.among, r.error));
  fe.AppendLog(std::isnan(r.r) ? std::string("Repeatability R: none, the shapes do not vary")
                               : Format("Repeatability R = %f", r.r));
  s.Anova = std::move(fit.rows);
}

}  // namespace vrel
