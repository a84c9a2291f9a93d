// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/linear_model.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <numeric>
#include <set>

#include "stats/random.h"

namespace vrel {

namespace {

// More terms than a model could hold for any data: crossings of many names are refused rather
// than expanded.
constexpr std::size_t MostTerms = 1000;
constexpr const char* TooManyTerms = "The model has more than 1000 terms";

// A term as written: the names it multiplies, in the order written.
using TermNames = std::vector<std::string>;

// Terms in the order written; a term written again, its names in any order, counts once.
class Terms {
 public:
  void Add(const TermNames& term) {
    TermNames key = term;
    std::sort(key.begin(), key.end());
    if (known_.insert(std::move(key)).second) list_.push_back(term);
  }
  const std::vector<TermNames>& List() const { return list_; }
  std::size_t Size() const { return list_.size(); }

 private:
  std::vector<TermNames> list_;
  std::set<TermNames> known_;
};

Terms Interaction(const Terms& a, const Terms& b, std::string& error) {
  Terms product;
  if (a.Size() * b.Size() > MostTerms) {
    error = TooManyTerms;
    return product;
  }
  for (const TermNames& x : a.List())
    for (const TermNames& y : b.List()) {
      TermNames term = x;
      for (const std::string& name : y)
        if (std::find(term.begin(), term.end(), name) == term.end()) term.push_back(name);
      product.Add(term);
    }
  return product;
}

// Reads sums of crossings of interactions of names, log(name) or a bracketed sum.
class TermReader {
 public:
  explicit TermReader(const std::string& text) {
    for (std::size_t at = 0; at < text.size();) {
      const char c = text[at];
      if (c == ' ' || c == '\t') {
        ++at;
      } else if (IsOperator(c)) {
        tokens_.emplace_back(1, c);
        ++at;
      } else {
        std::size_t end = at;
        while (end < text.size() && !IsOperator(text[end]) && text[end] != ' ' && text[end] != '\t')
          ++end;
        tokens_.push_back(text.substr(at, end - at));
        at = end;
      }
    }
  }

  Terms Read(std::string& error) {
    Terms terms = Sum(error);
    if (error.empty() && terms.Size() > MostTerms) error = TooManyTerms;
    if (error.empty() && next_ < tokens_.size())
      error = "The model cannot be read at \"" + tokens_[next_] + "\"";
    return terms;
  }

 private:
  static bool IsOperator(char c) {
    return c == '+' || c == '*' || c == ':' || c == '(' || c == ')';
  }
  bool Take(const char* token) {
    if (next_ < tokens_.size() && tokens_[next_] == token) return ++next_, true;
    return false;
  }

  Terms Sum(std::string& error) {
    Terms terms = Crossing(error);
    while (error.empty() && Take("+")) {
      const Terms right = Crossing(error);
      for (const TermNames& term : right.List()) terms.Add(term);
      if (terms.Size() > MostTerms) error = TooManyTerms;
    }
    return terms;
  }
  Terms Crossing(std::string& error) {
    Terms terms = Product(error);
    while (error.empty() && Take("*")) {
      const Terms right = Product(error);
      const Terms both = Interaction(terms, right, error);
      for (const TermNames& term : right.List()) terms.Add(term);
      for (const TermNames& term : both.List()) terms.Add(term);
    }
    return terms;
  }
  Terms Product(std::string& error) {
    Terms terms = Operand(error);
    while (error.empty() && Take(":")) {
      const Terms right = Operand(error);
      terms = Interaction(terms, right, error);
    }
    return terms;
  }
  // One name, log(name) or a bracketed sum.
  Terms Operand(std::string& error) {
    if (next_ >= tokens_.size()) {
      error = "The model ends where a term is missing";
      return {};
    }
    if (Take("(")) {
      if (++depth_ > MostBrackets) {
        error = "The model nests more than 100 brackets";
        return {};
      }
      Terms inner = Sum(error);
      --depth_;
      if (error.empty() && !Take(")")) error = "The model misses a \")\"";
      return inner;
    }
    const std::string& token = tokens_[next_];
    if (token.size() == 1 && IsOperator(token[0])) {
      error = "The model cannot be read at \"" + token + "\"";
      return {};
    }
    ++next_;
    if (token == "log" && Take("(")) {
      if (next_ < tokens_.size() && !IsOperator(tokens_[next_][0]) && tokens_.size() > next_ + 1 &&
          tokens_[next_ + 1] == ")") {
        const std::string name = "log(" + tokens_[next_] + ")";
        next_ += 2;
        return One(name);
      }
      error = "log takes the name of one covariate: log(X)";
      return {};
    }
    return One(token);
  }
  static Terms One(const std::string& name) {
    Terms terms;
    terms.Add({name});
    return terms;
  }

  static constexpr int MostBrackets = 100;
  std::vector<std::string> tokens_;
  std::size_t next_ = 0;
  int depth_ = 0;
};

using Columns = std::vector<std::vector<double>>;

// The columns of one name: a factor's indicators of its levels after the first, a covariate's
// values, the centroid sizes, or the logarithm of one of these.
bool NameColumns(const std::string& name, const std::vector<SpecimenVariable>& variables,
                 const std::vector<double>& sizes, Columns& columns, std::string& error) {
  const bool logarithm = name.starts_with("log(") && name.ends_with(")");
  const std::string inner = logarithm ? name.substr(4, name.size() - 5) : name;
  std::vector<double> values;
  const auto variable = std::find_if(variables.begin(), variables.end(),
                                     [&](const SpecimenVariable& v) { return v.name == inner; });
  if (variable != variables.end() && variable->factor) {
    if (logarithm) {
      error = "log(" + inner + "): \"" + inner + "\" is a factor, not a covariate";
      return false;
    }
    columns = LevelIndicators(variable->codes, variable->levels.size());
    return true;
  }
  if (variable != variables.end()) {
    values = variable->values;
  } else if (inner == "Cs" || inner == "logCs") {
    values = sizes;
    if (inner == "logCs")
      for (double& v : values) v = std::log(v);
  } else {
    error = "The model names \"" + inner + "\", which is no variable (nor Cs or logCs)";
    return false;
  }
  if (logarithm) {
    for (double& v : values) {
      if (!(v > 0)) {
        error = "log(" + inner + "): \"" + inner + "\" has values that are not positive";
        return false;
      }
      v = std::log(v);
    }
  }
  columns.push_back(std::move(values));
  return true;
}

double SquaredNorm(const double* v, std::size_t n) {
  double sum = 0;
  for (std::size_t i = 0; i < n; ++i) sum += v[i] * v[i];
  return sum;
}

// An orthonormal basis of the design, built column by column in term order, so that the first
// columns up to any term span the model of the terms before it.
struct Basis {
  Columns q;
  std::vector<std::size_t> start;  // each term's first column, then the number of columns
  std::string dependentTerm;
};

Basis Orthonormalise(std::size_t n, const std::vector<ModelTerm>& terms) {
  Basis basis;
  basis.q.emplace_back(n, 1.0 / std::sqrt(static_cast<double>(n)));
  for (const ModelTerm& term : terms) {
    basis.start.push_back(basis.q.size());
    for (std::vector<double> v : term.columns) {
      const double before = std::sqrt(SquaredNorm(v.data(), n));
      // Twice, so that what remains is orthogonal to working precision.
      for (int pass = 0; pass < 2; ++pass)
        for (const std::vector<double>& q : basis.q) {
          const double along = std::inner_product(v.begin(), v.end(), q.begin(), 0.0);
          for (std::size_t i = 0; i < n; ++i) v[i] -= along * q[i];
        }
      const double after = std::sqrt(SquaredNorm(v.data(), n));
      if (!(after > 1e-9 * before)) {
        basis.dependentTerm = term.name;
        return basis;
      }
      for (double& x : v) x /= after;
      basis.q.push_back(std::move(v));
    }
  }
  basis.start.push_back(basis.q.size());
  return basis;
}

}  // namespace

std::vector<std::vector<double>> LevelIndicators(const std::vector<int>& codes,
                                                 std::size_t levels) {
  std::vector<std::vector<double>> columns;
  for (std::size_t level = 1; level < levels; ++level) {
    columns.emplace_back();
    for (int code : codes) columns.back().push_back(code == static_cast<int>(level) ? 1.0 : 0.0);
  }
  return columns;
}

ModelTerms ReadModelTerms(const std::string& text, const std::vector<SpecimenVariable>& variables,
                          const std::vector<double>& centroidSizes) {
  ModelTerms model;
  TermReader reader(text);
  const Terms written = reader.Read(model.error);
  if (!model.error.empty()) return model;
  for (const TermNames& names : written.List()) {
    ModelTerm term;
    term.columns = {std::vector<double>(centroidSizes.size(), 1.0)};
    for (const std::string& name : names) {
      Columns factor;
      if (!NameColumns(name, variables, centroidSizes, factor, model.error))
        return {{}, model.error};
      Columns product;
      for (const std::vector<double>& a : term.columns)
        for (const std::vector<double>& b : factor) {
          std::vector<double> column(a.size());
          for (std::size_t i = 0; i < a.size(); ++i) column[i] = a[i] * b[i];
          product.push_back(std::move(column));
        }
      term.columns = std::move(product);
      term.name += (term.name.empty() ? "" : ":") + name;
      if (term.columns.size() > centroidSizes.size())
        return {{}, "The term " + term.name + " has more columns than there are specimens"};
    }
    model.terms.push_back(std::move(term));
  }
  if (model.terms.empty()) model.error = "The model has no term";
  return model;
}

LinearModelFit FitLinearModel(const std::vector<std::vector<double>>& response,
                              const std::vector<ModelTerm>& terms, int iterations,
                              bool exactAllowed, const ModelProgress& progress) {
  LinearModelFit fit;
  const std::size_t n = response.size();
  const std::size_t p = n == 0 ? 0 : response[0].size();
  std::size_t columns = 1;
  for (const ModelTerm& term : terms) columns += term.columns.size();
  if (columns >= n && !exactAllowed) {  // nothing would be left to test against
    fit.exact = true;
    return fit;
  }
  const Basis basis = Orthonormalise(n, terms);
  if (!basis.dependentTerm.empty()) {
    fit.dependentTerm = basis.dependentTerm;
    return fit;
  }
  const std::size_t r = basis.q.size();
  // The coordinates of the response on the basis, row c for column c.
  std::vector<double> along(r * p, 0.0);
  for (std::size_t c = 0; c < r; ++c)
    for (std::size_t i = 0; i < n; ++i)
      for (std::size_t k = 0; k < p; ++k) along[c * p + k] += basis.q[c][i] * response[i][k];
  double total = 0, residual = 0;
  std::vector<double> fitted(p);
  for (std::size_t i = 0; i < n; ++i) {
    std::fill(fitted.begin(), fitted.end(), 0.0);
    for (std::size_t c = 0; c < r; ++c)
      for (std::size_t k = 0; k < p; ++k) fitted[k] += basis.q[c][i] * along[c * p + k];
    for (std::size_t k = 0; k < p; ++k) {
      const double mean = basis.q[0][i] * along[k];
      total += (response[i][k] - mean) * (response[i][k] - mean);
      residual += (response[i][k] - fitted[k]) * (response[i][k] - fitted[k]);
    }
  }
  const int residualDf = static_cast<int>(n) - static_cast<int>(r);
  fit.exact = residualDf <= 0 || residual <= 1e-20 * total;
  if (fit.exact && !exactAllowed) return fit;

  const double residualMs = residualDf > 0 ? residual / residualDf : NAN;
  const long work = static_cast<long>(terms.size()) * iterations;
  std::vector<double> e(n * p), d(r * p), logF(static_cast<std::size_t>(iterations) + 1);
  std::vector<std::size_t> order(n);
  for (std::size_t j = 0; j < terms.size(); ++j) {
    const std::size_t first = basis.start[j], end = basis.start[j + 1];
    AnovaRow row{terms[j].name, static_cast<int>(end - first)};
    row.ss = SquaredNorm(&along[first * p], (end - first) * p);
    row.ms = row.ss / row.df;
    row.rsq = row.ss / total;
    if (!fit.exact) {
      row.f = row.ms / residualMs;
      // The residuals of the model of the terms before this one.
      for (std::size_t i = 0; i < n; ++i)
        for (std::size_t k = 0; k < p; ++k) {
          double value = response[i][k];
          for (std::size_t c = 0; c < first; ++c) value -= basis.q[c][i] * along[c * p + k];
          e[i * p + k] = value;
        }
      const double eNorm = SquaredNorm(e.data(), n * p);
      std::iota(order.begin(), order.end(), std::size_t{0});
      SubtractiveRandomState state;
      int seed = -iterations;
      long atLeast = 1;  // the observed F
      logF[0] = std::log(std::max(row.f, DBL_MIN));
      for (int t = 1; t <= iterations; ++t) {
        Shuffle(n, state, seed,
                [&](std::size_t a, std::size_t b) { std::swap(order[a], order[b]); });
        // The permuted residuals on the basis: the fitted values of the model before this term
        // project on the columns before it only, so they drop out of both sums of squares.
        std::fill(d.begin(), d.end(), 0.0);
        for (std::size_t i = 0; i < n; ++i) {
          const double* row_e = &e[order[i] * p];
          for (std::size_t c = 0; c < r; ++c) {
            const double q = basis.q[c][i];
            double* out = &d[c * p];
            for (std::size_t k = 0; k < p; ++k) out[k] += q * row_e[k];
          }
        }
        const double ss = SquaredNorm(&d[first * p], (end - first) * p);
        const double rss = std::max(eNorm - SquaredNorm(d.data(), r * p), 0.0);
        const double f = (ss / row.df) / (rss / residualDf);
        if (f >= row.f * (1 - 1e-12)) ++atLeast;
        logF[static_cast<std::size_t>(t)] = std::log(std::max(f, DBL_MIN));
        if (progress && !progress(static_cast<long>(j) * iterations + t, work)) {
          fit.stopped = true;
          fit.rows.clear();
          return fit;
        }
      }
      row.p = static_cast<double>(atLeast) / (iterations + 1.0);
      const double mean = std::accumulate(logF.begin(), logF.end(), 0.0) / logF.size();
      double spread = 0;
      for (double v : logF) spread += (v - mean) * (v - mean);
      spread = std::sqrt(spread / logF.size());
      row.z = spread > 0 ? (logF[0] - mean) / spread : NAN;
    }
    fit.rows.push_back(row);
  }
  fit.rows.push_back({"Residuals", residualDf, residual, residualMs, residual / total});
  fit.rows.push_back({"Total", static_cast<int>(n) - 1, total});
  return fit;
}

Repeatability RepeatabilityOf(const AnovaRow& individuals, const AnovaRow& residuals,
                              int specimens) {
  Repeatability result;
  result.replicates = static_cast<double>(specimens) / (individuals.df + 1);
  result.among = (individuals.ms - residuals.ms) / result.replicates;
  result.error = residuals.ms;
  result.r = result.among / (result.among + result.error);
  return result;
}

}  // namespace vrel
