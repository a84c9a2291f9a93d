// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "shell/session.h"

namespace vrel {

// One term of a linear model: its name as the table shows it ("Pop:Sex") and its columns of the
// design, one value per specimen.
struct ModelTerm {
  std::string name;
  std::vector<std::vector<double>> columns;
};

// The columns of a factor in a model: for each level after the first, the indicator of the
// specimens whose code is that level.
std::vector<std::vector<double>> LevelIndicators(const std::vector<int>& codes,
                                                 std::size_t levels);

// The terms of a model as written, or why they cannot be read.
struct ModelTerms {
  std::vector<ModelTerm> terms;
  std::string error;  // empty when the terms were read
};

// Reads model terms such as "log(CS) + Pop * Sex": names of variables (a factor gives a column
// per level after its first, a covariate its values), log(X) of a positive covariate, the
// centroid sizes Cs and their logarithm logCs, interactions a:b (the products of the columns)
// and crossings a * b, which stand for a + b + a:b. The terms come in the order written; a
// term written twice counts once.
ModelTerms ReadModelTerms(const std::string& text, const std::vector<SpecimenVariable>& variables,
                          const std::vector<double>& centroidSizes);

// The fit of a model's terms to the rows of a response, and their tests.
struct LinearModelFit {
  std::vector<AnovaRow> rows;  // the terms in order, then Residuals and Total
  std::string dependentTerm;   // a term that adds no rank to the terms before it (then no rows)
  bool exact = false;          // the model leaves no residual variation
  bool stopped = false;        // the user stopped the randomization (then no rows)
};

// Reports randomizations done out of the total; false asks to stop.
using ModelProgress = std::function<bool(long done, long total)>;

// Fits an intercept and the terms in order to the rows by least squares and gives each term's
// sequential sum of squares: the squared distance between the fitted values with and without
// it. Each term's F is tested by randomizing the residuals of the model without it over the
// specimens, added back to that model's fitted values: `iterations` permutations from the
// program's generator seeded by their count, the observed F counted among them. With
// `exactAllowed`, a model that leaves no residual variation still gives its sums of squares
// (F, Z and p are then not defined); without it the fit only says so.
LinearModelFit FitLinearModel(const std::vector<std::vector<double>>& response,
                              const std::vector<ModelTerm>& terms, int iterations,
                              bool exactAllowed, const ModelProgress& progress = {});

// The repeatability of a one-way Procrustes ANOVA of individuals (Lessells and Boag): the
// variance among individuals from the mean squares over the mean count of replicates, against
// the measurement error, the residual mean square.
struct Repeatability {
  double replicates = 0;  // the mean number of measurements per individual
  double among = 0;       // the variance among individuals
  double error = 0;       // the measurement error
  double r = 0;           // among / (among + error)
};
Repeatability RepeatabilityOf(const AnovaRow& individuals, const AnovaRow& residuals,
                              int specimens);

}  // namespace vrel
