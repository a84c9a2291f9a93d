// SPDX-License-Identifier: GPL-3.0-or-later
// Linear models of shape against least squares written differently here (Householder QR of each
// nested design instead of Gram-Schmidt on the whole one), their residual randomization, and
// repeatability.
#include "stats/linear_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "batch/batch_runner.h"
#include "stats/analysis_inputs.h"
#include "stats/random.h"
#include "support/test_data.h"

namespace vrel {
namespace {

using Rows = std::vector<std::vector<double>>;

std::string RunJob(Session& s, const std::string& script, std::string* err = nullptr) {
  std::istringstream in(script);
  std::ostringstream out, errors;
  const int status = RunBatchScript(s, "job.vrel", in, out, errors, /*keepGoing=*/true);
  if (err != nullptr)
    *err = errors.str();
  else
    EXPECT_EQ(status, 0) << errors.str();
  return out.str();
}

// The residuals of y after least squares on the columns x, by Householder QR: the reflections
// take y to Q^T y, whose first rows are dropped before the reflections take it back.
Rows ResidualsAfter(Rows x, Rows y) {
  const std::size_t n = y.size(), k = x.size();
  std::vector<std::vector<double>> reflectors;
  auto reflect = [&](const std::vector<double>& v, std::size_t c, auto get, auto set) {
    double dot = 0, vv = 0;
    for (std::size_t i = c; i < n; ++i) dot += v[i] * get(i), vv += v[i] * v[i];
    for (std::size_t i = c; i < n; ++i) set(i, get(i) - 2 * dot / vv * v[i]);
  };
  auto reflectY = [&](const std::vector<double>& v, std::size_t c) {
    for (std::size_t j = 0; j < y[0].size(); ++j)
      reflect(
          v, c, [&](std::size_t i) { return y[i][j]; },
          [&](std::size_t i, double a) { y[i][j] = a; });
  };
  for (std::size_t c = 0; c < k; ++c) {
    double norm = 0;
    for (std::size_t i = c; i < n; ++i) norm += x[c][i] * x[c][i];
    std::vector<double> v(n, 0.0);
    v[c] = x[c][c] + (x[c][c] >= 0 ? std::sqrt(norm) : -std::sqrt(norm));
    for (std::size_t i = c + 1; i < n; ++i) v[i] = x[c][i];
    for (std::size_t d = c; d < k; ++d)
      reflect(
          v, c, [&](std::size_t i) { return x[d][i]; },
          [&](std::size_t i, double a) { x[d][i] = a; });
    reflectY(v, c);
    reflectors.push_back(std::move(v));
  }
  for (std::size_t i = 0; i < k; ++i) std::fill(y[i].begin(), y[i].end(), 0.0);
  for (std::size_t c = k; c-- > 0;) reflectY(reflectors[c], c);
  return y;
}

double ResidualSs(const Rows& x, const Rows& y) {
  double rss = 0;
  for (const auto& row : ResidualsAfter(x, y))
    for (double e : row) rss += e * e;
  return rss;
}

// The columns of one variable: a factor's indicators of its later levels, a covariate's logarithm.
Rows Columns(const Session& s, const std::string& name) {
  for (const SpecimenVariable& v : s.Variables) {
    if (v.name != name) continue;
    Rows columns;
    if (!v.factor) columns.push_back({});
    for (double value : v.values) columns[0].push_back(std::log(value));
    for (std::size_t level = 1; v.factor && level < v.levels.size(); ++level) {
      columns.emplace_back();
      for (int code : v.codes) columns.back().push_back(code == int(level) ? 1.0 : 0.0);
    }
    return columns;
  }
  ADD_FAILURE() << "no variable " << name;
  return {};
}

void ExpectNear(double value, double expected, const std::string& what) {
  EXPECT_NEAR(value, expected, 1e-10 * std::abs(expected)) << what;
}

// Each term is the product of the columns of its variables; the table's sums of squares, mean
// squares, shares and F follow from the residual sums of squares of the nested designs.
TEST(LinearModel, TheTableFollowsLeastSquaresOfTheNestedDesigns) {
  struct Case {
    std::string setup, terms;
    std::vector<std::vector<std::string>> blocks;  // each term's variables
  };
  const Case cases[] = {
      {"open-data " + test::DataFile("plethodon.tps") + "\nopen-variables " +
           test::DataFile("plethodon.csv"),
       "species * site",
       {{"species"}, {"site"}, {"species", "site"}}},
      // The pupfish come aligned: their size is the table's CS.
      {"capacity 300 112\nopen-data " + test::DataFile("pupfish.tps") + "\nopen-variables " +
           test::DataFile("pupfish.csv"),
       "log(CS) + Pop * Sex",
       {{"CS"}, {"Pop"}, {"Sex"}, {"Pop", "Sex"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.terms);
    Session s;
    RunJob(s, c.setup + "\nsuperimpose\nlinear-model " + c.terms + " 9\n");
    const Rows y = ResidualRows(s);
    const std::size_t n = y.size();
    Rows design = {std::vector<double>(n, 1.0)};
    double before = ResidualSs(design, y), termTotal = 0;
    const double total = before;
    ASSERT_EQ(s.Anova.size(), c.blocks.size() + 2);
    const AnovaRow& residuals = s.Anova[c.blocks.size()];
    for (std::size_t t = 0; t < c.blocks.size(); ++t) {
      Rows block = {std::vector<double>(n, 1.0)};
      for (const std::string& name : c.blocks[t]) {
        Rows product;
        for (const auto& a : block)
          for (const auto& b : Columns(s, name)) {
            product.emplace_back(n);
            for (std::size_t i = 0; i < n; ++i) product.back()[i] = a[i] * b[i];
          }
        block = product;
      }
      design.insert(design.end(), block.begin(), block.end());
      const double after = ResidualSs(design, y);
      const AnovaRow& row = s.Anova[t];
      EXPECT_EQ(row.df, static_cast<int>(block.size())) << row.term;
      ExpectNear(row.ss, before - after, row.term);
      ExpectNear(row.ms, (before - after) / row.df, row.term);
      ExpectNear(row.rsq, (before - after) / total, row.term);
      ExpectNear(row.f, row.ms / residuals.ms, row.term);
      termTotal += row.ss;
      before = after;
    }
    EXPECT_EQ(residuals.term, "Residuals");
    EXPECT_EQ(residuals.df, static_cast<int>(n - design.size()));
    ExpectNear(residuals.ss, before, "residuals");
    EXPECT_TRUE(std::isnan(residuals.f) && std::isnan(s.Anova.back().ms));
    EXPECT_EQ(s.Anova.back().df, static_cast<int>(n) - 1);
    ExpectNear(s.Anova.back().ss, total, "total");
    ExpectNear(termTotal + residuals.ss, total, "the parts add up");
  }
}

TEST(LinearModel, ResidualRandomizationRepeatsAndTellsEffectsFromNoise) {
  Session s;
  RunJob(s, "open-data " + test::DataFile("plethodon.tps") + "\nopen-variables " +
                test::DataFile("plethodon.csv") + "\nsuperimpose\n");
  const Rows y = ResidualRows(s);
  const std::vector<double> sizes(s.Sizes.begin(), s.Sizes.begin() + s.SpecimenCount);
  const ModelTerms model = ReadModelTerms("species * site", s.Variables, sizes);
  ASSERT_EQ(model.error, "");
  const LinearModelFit fit = FitLinearModel(y, model.terms, 999, false);
  // Strong effects: no randomized F reaches the observed one.
  for (std::size_t t = 0; t < 3; ++t) {
    EXPECT_DOUBLE_EQ(fit.rows[t].p, 1.0 / 1000) << fit.rows[t].term;
    EXPECT_GT(fit.rows[t].z, 3) << fit.rows[t].term;
  }
  const LinearModelFit again = FitLinearModel(y, model.terms, 999, false);
  for (std::size_t t = 0; t < 3; ++t) {
    EXPECT_EQ(again.rows[t].p, fit.rows[t].p);
    EXPECT_EQ(again.rows[t].z, fit.rows[t].z);
  }
  // Each randomization refitted from scratch: the residuals of the model before the term,
  // permuted as the program's generator orders them, on that model's fitted values.
  const std::size_t n = y.size();
  std::mt19937 draw(3);
  ModelTerm noise{"noise", {std::vector<double>(n)}};
  for (double& v : noise.columns[0]) v = static_cast<double>(draw() % 2);
  const std::vector<ModelTerm> mixed = {noise, model.terms[0]};
  const int iterations = 19;
  const LinearModelFit small = FitLinearModel(y, mixed, iterations, false);
  const Rows whole = {std::vector<double>(n, 1.0), mixed[0].columns[0], mixed[1].columns[0]};
  for (std::size_t t = 0; t < mixed.size(); ++t) {
    const Rows reduced(whole.begin(), whole.begin() + 1 + static_cast<long>(t));
    const Rows full(whole.begin(), whole.begin() + 2 + static_cast<long>(t));
    const Rows e = ResidualsAfter(reduced, y);
    std::vector<std::size_t> order(n);
    std::iota(order.begin(), order.end(), std::size_t{0});
    SubtractiveRandomState state;
    int seed = -iterations;
    std::vector<double> logF = {std::log(small.rows[t].f)};
    int atLeast = 1;
    for (int i = 0; i < iterations; ++i) {
      Shuffle(n, state, seed, [&](std::size_t a, std::size_t b) { std::swap(order[a], order[b]); });
      Rows permuted = y;
      for (std::size_t r = 0; r < n; ++r)
        for (std::size_t k = 0; k < y[r].size(); ++k)
          permuted[r][k] = y[r][k] - e[r][k] + e[order[r]][k];
      const double f = (ResidualSs(reduced, permuted) - ResidualSs(full, permuted)) /
                       (ResidualSs(whole, permuted) / static_cast<double>(n - 3));
      atLeast += f >= small.rows[t].f * (1 - 1e-9) ? 1 : 0;
      logF.push_back(std::log(f));
    }
    double mean = 0, spread = 0;
    for (double v : logF) mean += v / logF.size();
    for (double v : logF) spread += (v - mean) * (v - mean) / logF.size();
    EXPECT_DOUBLE_EQ(small.rows[t].p, atLeast / (iterations + 1.0)) << small.rows[t].term;
    EXPECT_NEAR(small.rows[t].z, (logF[0] - mean) / std::sqrt(spread), 1e-8);
  }

  // A factor drawn at random has no effect: its p values spread over (0, 1].
  std::vector<double> ps;
  for (unsigned seed = 1; seed <= 20; ++seed) {
    std::mt19937 draw(seed);
    ModelTerm noise{"noise", {std::vector<double>(y.size())}};
    for (double& v : noise.columns[0]) v = static_cast<double>(draw() % 2);
    ps.push_back(FitLinearModel(y, {noise}, 999, false).rows[0].p);
  }
  const auto [low, high] = std::minmax_element(ps.begin(), ps.end());
  EXPECT_LT(*low, 0.25);
  EXPECT_GT(*high, 0.75);
  EXPECT_GE(*low, 1.0 / 1000);
  EXPECT_LE(*high, 1.0);
  int significant = 0;
  for (double p : ps) significant += p <= 0.05 ? 1 : 0;
  EXPECT_LE(significant, 4);
}

TEST(LinearModel, TermsThatAddNothingOrCannotBeReadAreRefusedByName) {
  const std::string lots = test::WriteScratch("lots.csv", [] {
    // A factor within species: lots a and b of Jord, c of Teyah; and a copy of species.
    std::string text = "specimen,lot,kind\n";
    for (int i = 1; i <= 40; ++i) {
      char row[32];
      std::snprintf(row, sizeof row, "pleth%02d,%s,%s\n", i,
                    i > 20 ? "c" : (i % 2 ? "a" : "b"), i > 20 ? "T" : "J");
      text += row;
    }
    return text;
  }());
  Session s;
  RunJob(s, "open-data " + test::DataFile("plethodon.tps") + "\nopen-variables " +
                test::DataFile("plethodon.csv") + "\nsuperimpose\n");
  struct Case {
    std::string line, err;
  };
  const std::string noRank =
      " adds nothing to the terms before it: it is collinear with them, or "
      "a combination of its levels has no specimen\n";
  const Case cases[] = {
      {"linear-model species 1", ""},
      {"linear-model \"species + site\" 2", ""},
      {"linear-model species 0", ""},
      {"linear-model species 1000001", "Iterations: 1 to 1000000\n"},
      {"linear-model cancel", ""},
      {"linear-model species + 9", "The model ends where a term is missing\n"},
      {"linear-model (species + site 9", "The model misses a \")\"\n"},
      {"linear-model species site 9", "The model cannot be read at \"site\"\n"},
      {"linear-model a*b*c*d*e*f*g*h*i*j 9", "The model has more than 1000 terms\n"},
      {"linear-model " + std::string(100, '(') + "site" + std::string(100, ')') + " 1", ""},
      {"linear-model " + std::string(101, '(') + "site" + std::string(101, ')') + " 1",
       "The model nests more than 100 brackets\n"},
      {"linear-model log(species) 9", "log(species): \"species\" is a factor, not a covariate\n"},
      {"linear-model log(Cs + site) 9", "log takes the name of one covariate: log(X)\n"},
      {"linear-model Size 9", "The model names \"Size\", which is no variable (nor Cs or logCs)\n"},
      {"linear-model logCs + log(Cs) 9", "The term log(Cs)" + noRank},
      {"open-variables " + lots + "\nlinear-model kind + lot 9", "The term lot" + noRank},
      {"linear-model lot * kind 9", "The term kind" + noRank},
      {"repeatability kind 9", ""},
      {"repeatability 4 9", "Variable 4: the table holds variables 1 to 2\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    std::string err;
    RunJob(s, c.line + "\n", &err);
    EXPECT_EQ(err.empty() ? "" : err.substr(err.find(": ") + 2), c.err);
  }
}

// Specimens of individuals digitized twice: copies of one another, or independent draws around
// one mean shape.
std::string Replicates(Session& s, bool copies) {
  std::mt19937 draw(7);
  std::normal_distribution<double> noise(0, 0.05);
  std::string tps, csv = "specimen,individual\n";
  for (int individual = 0; individual < 20; ++individual) {
    std::vector<double> shape;
    for (int l = 0; l < 10; ++l)
      for (double v : {std::cos(0.6 * l) + noise(draw), std::sin(0.6 * l) + noise(draw)})
        shape.push_back(v);
    for (int r = 0; r < 2; ++r) {
      char name[16];
      std::snprintf(name, sizeof name, "s%d_%d", individual, r);
      tps += "LM=10\n";
      for (int l = 0; l < 10; ++l) {
        const double dx = copies ? 0 : noise(draw), dy = copies ? 0 : noise(draw);
        tps += std::to_string(copies ? shape[2 * l] : std::cos(0.6 * l) + dx) + ' ' +
               std::to_string(copies ? shape[2 * l + 1] : std::sin(0.6 * l) + dy) + '\n';
      }
      tps += std::string("ID=") + name + '\n';
      csv += std::string(name) + ",i" + std::to_string(individual) + '\n';
    }
  }
  const std::string tag = copies ? "copies" : "draws";
  return RunJob(s, "open-data " + test::WriteScratch(tag + ".tps", tps) + "\nopen-variables " +
                       test::WriteScratch(tag + ".csv", csv) +
                       "\nsuperimpose\nrepeatability individual\n");
}

TEST(Repeatability, OneForExactReplicatesAndNearZeroForIndependentDraws) {
  Session copies;
  const std::string log = Replicates(copies, true);
  EXPECT_NE(log.find("Repeatability R = 1.000000"), std::string::npos) << log;
  EXPECT_TRUE(std::isnan(copies.Anova[0].f) && std::isnan(copies.Anova[0].p));
  EXPECT_NE(log.find("20 individuals of individual measured 2 times on average"),
            std::string::npos);

  Session draws;
  Replicates(draws, false);
  ASSERT_EQ(draws.Anova.size(), 3u);
  const Repeatability r = RepeatabilityOf(draws.Anova[0], draws.Anova[1], 40);
  EXPECT_LT(std::abs(r.r), 0.15) << r.r;
  EXPECT_GT(draws.Anova[0].p, 0.05);
  EXPECT_DOUBLE_EQ(r.replicates, 2.0);
  EXPECT_DOUBLE_EQ(r.error, draws.Anova[1].ms);
  // The table is forgotten with the residuals it was fitted to.
  RunJob(draws, "clear-session\n");
  EXPECT_TRUE(draws.Anova.empty());
}

}  // namespace
}  // namespace vrel
