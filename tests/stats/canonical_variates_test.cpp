// SPDX-License-Identifier: GPL-3.0-or-later
// Canonical variates, group distances and classification of groups from a variable, against a
// computation written differently here: LU solutions instead of Cholesky factors, the eigenvalues
// from the trace and the principal minors of W^-1 B, leave-one-out by removing the row.
#include "stats/canonical_variates.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "batch/batch_runner.h"
#include "graphics/plot.h"
#include "stats/linear_solver.h"
#include "support/test_data.h"

namespace vrel {
namespace {

std::string Analyse(Session& s, const std::string& script) {
  std::istringstream in(script);
  std::ostringstream out, err;
  EXPECT_EQ(RunBatchScript(s, "job.vrel", in, out, err, /*keepGoing=*/false), 0) << err.str();
  return out.str();
}

struct Pooled {
  Rows means;
  Matrix w;
};

Pooled Pool(const Rows& x, const std::vector<int>& group, int k) {
  const std::size_t q = x[0].size();
  Pooled p{Rows(k, std::vector<double>(q, 0.0)), Matrix(static_cast<int>(q), static_cast<int>(q))};
  std::vector<int> n(k, 0);
  for (std::size_t i = 0; i < x.size(); ++i) {
    ++n[group[i]];
    for (std::size_t j = 0; j < q; ++j) p.means[group[i]][j] += x[i][j];
  }
  for (int g = 0; g < k; ++g)
    for (double& v : p.means[g]) v /= n[g];
  for (std::size_t i = 0; i < x.size(); ++i)
    for (std::size_t r = 0; r < q; ++r)
      for (std::size_t c = 0; c < q; ++c)
        p.w[r][c] += (x[i][r] - p.means[group[i]][r]) * (x[i][c] - p.means[group[i]][c]) /
                     static_cast<double>(x.size() - k);
  return p;
}

// d^T W^-1 d by an LU solution.
double Squared(Matrix w, const std::vector<double>& d) {
  const int q = static_cast<int>(d.size());
  Matrix b(q, 1);
  for (int j = 0; j < q; ++j) b[j][0] = d[j];
  SolveLinear(w, b, q, 1);
  double sum = 0.0;
  for (int j = 0; j < q; ++j) sum += d[j] * b[j][0];
  return sum;
}

std::vector<double> Minus(const std::vector<double>& a, const std::vector<double>& b) {
  std::vector<double> d(a.size());
  for (std::size_t j = 0; j < a.size(); ++j) d[j] = a[j] - b[j];
  return d;
}

int Nearest(const Pooled& p, const std::vector<double>& row) {
  int best = 0;
  for (int g = 1; g < static_cast<int>(p.means.size()); ++g)
    if (Squared(p.w, Minus(row, p.means[g])) < Squared(p.w, Minus(row, p.means[best]))) best = g;
  return best;
}

// Runs the analyses of a variable's groups on the first q components of a data set, and checks
// them against the computation above; returns the session for further checks.
void CheckAgainstIndependentComputation(Session& s, const std::string& data,
                                        const std::string& table, const std::string& variable,
                                        int q) {
  SCOPED_TRACE(data + " " + variable);
  const std::string script = "open-data " + data + "\nopen-variables " + table +
                             "\nsuperimpose\ncomponents\ngroups " + variable + "\ncva " +
                             std::to_string(q) + " 99\nclassify " + std::to_string(q) + "\n";
  const std::string log = Analyse(s, script);
  const int n = s.SpecimenCount, k = static_cast<int>(s.Groups.names.size());
  Rows x(n);
  for (int i = 0; i < n; ++i) x[i].assign(&s.Scores[i][0], &s.Scores[i][0] + q);
  const std::vector<int>& group = s.Groups.of;
  const Pooled p = Pool(x, group, k);

  // The eigenvalues of W^-1 B: their sum is its trace, the sum of their products in pairs that
  // of its 2 x 2 principal minors.
  std::vector<double> mean(q, 0.0);
  for (const auto& row : x)
    for (int j = 0; j < q; ++j) mean[j] += row[j] / n;
  Matrix b(q, q), w = p.w;
  for (int i = 0; i < n; ++i) {
    const std::vector<double> d = Minus(p.means[group[i]], mean);
    for (int r = 0; r < q; ++r)
      for (int c = 0; c < q; ++c) b[r][c] += d[r] * d[c] / (k - 1);
  }
  SolveLinear(w, b, q, q);  // b becomes W^-1 B
  double trace = 0.0, minors = 0.0;
  for (int r = 0; r < q; ++r) {
    trace += b[r][r];
    for (int c = r + 1; c < q; ++c) minors += b[r][r] * b[c][c] - b[r][c] * b[c][r];
  }
  const std::optional<CanonicalAxes> axes = CanonicalVariateAxes(x, group, k);
  ASSERT_TRUE(axes);
  ASSERT_EQ(axes->eigenvalues.size(), static_cast<std::size_t>(std::min(k - 1, q)));
  double sum = 0.0, pairs = 0.0;
  for (std::size_t a = 0; a < axes->eigenvalues.size(); ++a) {
    sum += axes->eigenvalues[a];
    for (std::size_t c = a + 1; c < axes->eigenvalues.size(); ++c)
      pairs += axes->eigenvalues[a] * axes->eigenvalues[c];
  }
  EXPECT_NEAR(sum, trace, 1e-10 * trace);
  EXPECT_NEAR(pairs, minors, 1e-10 * trace * trace);
  for (const std::vector<double>& a : axes->coefficients) {
    double variance = 0.0;  // a^T W a: unit variance within the groups
    for (int r = 0; r < q; ++r)
      for (int c = 0; c < q; ++c) variance += a[r] * p.w[r][c] * a[c];
    EXPECT_NEAR(variance, 1.0, 1e-10);
  }
  double lastMean = 0.0, allMean = 0.0;
  for (int i = 0; i < n; ++i) {
    allMean += axes->scores[i][0] / n;
    if (group[i] == k - 1) lastMean += axes->scores[i][0];
  }
  EXPECT_NEAR(allMean, 0.0, 1e-12);
  EXPECT_GT(lastMean, 0.0);

  // Distances between the means: Mahalanobis on the scores, Procrustes on the coordinates (the
  // consensus cancels out of a difference of means).
  ASSERT_EQ(s.GroupDistances.size(), static_cast<std::size_t>(k * (k - 1) / 2));
  for (const GroupDistance& d : s.GroupDistances) {
    EXPECT_NEAR(d.mahalanobis, std::sqrt(Squared(p.w, Minus(p.means[d.a], p.means[d.b]))), 1e-10);
    const int m = s.CoordinateCount();
    std::vector<double> ma(m, 0.0), mb(m, 0.0);
    int na = 0, nb = 0;
    for (int i = 0; i < n; ++i) {
      if (group[i] != d.a && group[i] != d.b) continue;
      (group[i] == d.a ? na : nb) += 1;
      for (int j = 0; j < m; ++j) (group[i] == d.a ? ma : mb)[j] += s.Coordinates[i][j];
    }
    double squares = 0.0;
    for (int j = 0; j < m; ++j) squares += (ma[j] / na - mb[j] / nb) * (ma[j] / na - mb[j] / nb);
    EXPECT_NEAR(d.procrustes, std::sqrt(squares), 1e-12);
    // A p value is a count of permutations over 100, at least the observed one's.
    for (double pValue : {d.pProcrustes, d.pMahalanobis}) {
      EXPECT_GE(pValue, 0.01);
      EXPECT_NEAR(pValue * 100, std::round(pValue * 100), 1e-9);
    }
  }

  // Classification, and leave-one-out by taking the row out.
  for (int i = 0; i < n; ++i) {
    EXPECT_EQ(s.Assigned[i], Nearest(p, x[i])) << i;
    Rows without = x;
    std::vector<int> groups = group;
    without.erase(without.begin() + i);
    groups.erase(groups.begin() + i);
    EXPECT_EQ(s.AssignedLeftOut[i], Nearest(Pool(without, groups, k), x[i])) << i;
  }
  EXPECT_NE(log.find("Correct: "), std::string::npos);
}

// The groups of the three data sets with real groups: the sexes of the gorillas, the selection
// lines of the mice, the species and sites of the salamanders crossed.
TEST(CanonicalVariates, AgreeWithAnIndependentComputationOnRealGroups) {
  Session gorillas, salamanders;
  CheckAgainstIndependentComputation(gorillas, test::DataFile("gorilla.dat"),
                                     test::DataFile("gorilla.csv"), "sex", 5);
  std::string crossed = "specimen,group\n";
  std::istringstream rows(test::ReadWhole(test::DataFile("plethodon.csv")));
  std::string line;
  std::getline(rows, line);
  while (std::getline(rows, line)) {
    std::string cells = line;
    std::erase(cells, '"');
    const std::size_t first = cells.find(','), second = cells.find(',', first + 1);
    crossed += cells.substr(0, first) + ',' + cells.substr(first + 1, second - first - 1) + '-' +
               cells.substr(second + 1) + '\n';
  }
  CheckAgainstIndependentComputation(salamanders, test::DataFile("plethodon.tps"),
                                     test::WriteScratch("crossed.csv", crossed), "group", 8);
  EXPECT_EQ(salamanders.Groups.names.size(), 4u);
}

// The mice on six components; their plot of CV1 against CV2.
TEST(CanonicalVariates, TheMiceAgreeAndTheirGroupsAreMarkedInThePlot) {
  Session s;
  CheckAgainstIndependentComputation(s, test::DataFile("mice.dat"), test::DataFile("mice.csv"),
                                     "group", 6);
  ASSERT_EQ(s.Groups.names, (std::vector<std::string>{"control", "large", "small"}));

  // The plot of CV1 against CV2 marks each group its own way and names it in the legend; the
  // axis lists reach the second canonical axis, not beyond.
  Analyse(s, "plot 100 101\nlegend\n");
  const std::optional<Picture> plot = DrawPlot(s, 550, 349);
  ASSERT_TRUE(plot);
  std::set<std::string> styles;
  std::istringstream listing(PictureListing(*plot));
  for (std::string line; std::getline(listing, line);)
    if (line.starts_with("rect ") || line.starts_with("ellipse "))
      styles.insert(line.substr(0, line.find(' ')) + line.substr(line.find('#')));
  EXPECT_EQ(styles.size(), 3u) << PictureListing(*plot);
  for (const char* name : {" control", " large", " small"})
    EXPECT_NE(PictureListing(*plot).find(name), std::string::npos) << name;
  std::istringstream beyond("plot 102 1\n");
  std::ostringstream out, err;
  EXPECT_EQ(RunBatchScript(s, "job.vrel", beyond, out, err, false), 1);
  EXPECT_EQ(err.str(), "job.vrel:1: 'plot' takes two numbers from 1 to 101\n");

  // The same run gives the same p values.
  const std::vector<GroupDistance> first = s.GroupDistances;
  Analyse(s, "cva 6 99\n");
  for (std::size_t i = 0; i < first.size(); ++i) {
    EXPECT_EQ(s.GroupDistances[i].pProcrustes, first[i].pProcrustes);
    EXPECT_EQ(s.GroupDistances[i].pMahalanobis, first[i].pMahalanobis);
  }
}

// Labels that say nothing of the shapes give p values spread over (0, 1]; the species of the
// salamanders, whose heads differ, the smallest there is.
TEST(CanonicalVariates, PermutationsFindWhatTheLabelsSay) {
  Session s;
  const std::string table = [] {
    std::string text = "specimen,coin,species\n";
    const std::string species = test::ReadWhole(test::DataFile("plethodon.csv"));
    std::istringstream rows(species);
    std::string line;
    std::getline(rows, line);
    for (int i = 0; std::getline(rows, line); ++i) {
      const std::string name = line.substr(1, line.find('"', 1) - 1);
      const std::string kind = line.substr(line.find(',') + 2, 4);
      text += name + ',' + ((i * 7 + i / 3) % 2 ? "heads" : "tails") + ',' + kind + '\n';
    }
    return text;
  }();
  const std::string path = test::WriteScratch("coins.csv", table);
  Analyse(s, "open-data " + test::DataFile("plethodon.tps") + "\nopen-variables " + path +
                 "\nsuperimpose\ncomponents\ngroups coin\ncva 4 999\n");
  ASSERT_EQ(s.GroupDistances.size(), 1u);
  EXPECT_GT(s.GroupDistances[0].pMahalanobis, 0.05);
  EXPECT_GT(s.GroupDistances[0].pProcrustes, 0.05);
  Analyse(s, "groups species\ncva 4 999\n");
  EXPECT_EQ(s.GroupDistances[0].pProcrustes, 1.0 / 1000);
  EXPECT_EQ(s.GroupDistances[0].pMahalanobis, 1.0 / 1000);
}

}  // namespace
}  // namespace vrel
