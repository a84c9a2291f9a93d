// SPDX-License-Identifier: GPL-3.0-or-later
// Outliers and the variables of the specimens, as a script runs them on real data.
#include "stats/outliers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "batch/batch_runner.h"
#include "numerics/superimposition_commands.h"
#include "support/test_data.h"

namespace vrel {
namespace {

std::string RunLines(Session& s, const std::string& script, std::string* err = nullptr) {
  std::istringstream in(script);
  std::ostringstream out, errors;
  RunBatchScript(s, "job.vrel", in, out, errors, /*keepGoing=*/true);
  if (err != nullptr) *err = errors.str();
  return out.str();
}

TEST(Outliers, QuartilesInterpolateBetweenTheSortedValues) {
  struct Case {
    std::vector<double> values;
    double lower, median, upper;
  } const cases[] = {
      {{}, 0, 0, 0},
      {{7}, 7, 7, 7},
      {{2, 1}, 1.25, 1.5, 1.75},
      {{4, 1, 3, 2}, 1.75, 2.5, 3.25},
      {{5, 1, 4, 2, 3}, 2, 3, 4},
  };
  for (const Case& c : cases) {
    const SampleQuartiles q = Quartiles(c.values);
    EXPECT_DOUBLE_EQ(q.lower, c.lower);
    EXPECT_DOUBLE_EQ(q.median, c.median);
    EXPECT_DOUBLE_EQ(q.upper, c.upper);
  }
  // Ties keep specimen order; the quartile itself is not beyond it.
  EXPECT_EQ(BeyondUpperQuartile({1, 3, 2, 3, 1}, 2), (std::vector<int>{1, 3}));
  EXPECT_TRUE(BeyondUpperQuartile({1, 1, 1}, 1).empty());
}

// Specimen 12 of the gorillas with its first two landmarks swapped, the commonest slip at the
// digitizer, stands out; the distances are those whose squares make the sum the superimposition
// logs.
TEST(Outliers, ASwappedLandmarkStandsOutAndTheDistancesAreSaved) {
  std::istringstream data(test::ReadWhole(test::DataFile("gorilla.dat")));
  std::vector<std::string> tokens;
  for (std::string token; data >> token;) tokens.push_back(token);
  const std::size_t first = 3 + 11 * 16;  // specimen 12, landmark 1
  for (int d = 0; d < 2; ++d) std::swap(tokens[first + d], tokens[first + 2 + d]);
  std::string text;
  for (const std::string& token : tokens) text += token + '\n';
  const std::string path = test::WriteScratch("swapped.dat", text);
  const std::string csv = test::ScratchDir() + "distances.csv";

  Session s;
  const std::string log =
      RunLines(s, "open-data " + path + "\nsuperimpose\noutliers\nsave-distances " + csv + "\n");
  EXPECT_NE(log.find("Beyond the upper quartile, farthest first"), std::string::npos) << log;
  EXPECT_NE(log.find("\n   12   "), std::string::npos) << log;
  const std::size_t farthest = log.find("farthest first");
  EXPECT_EQ(log.substr(log.find('\n', farthest) + 1, 8), "   12   ") << log;
  EXPECT_NE(log.find("likely outlier"), std::string::npos);
  EXPECT_EQ(s.SelectedSpecimen, 11);
  EXPECT_EQ(s.SpecimensView, 2);

  const std::vector<double> distances = ProcrustesDistances(s);
  double squares = 0.0;
  for (double d : distances) squares += d * d;
  const std::size_t sum = log.find("Sum of Squared Deviations =  ");
  EXPECT_NEAR(squares, std::strtod(log.c_str() + sum + 29, nullptr), 1e-6);

  std::istringstream saved(test::ReadWhole(csv));
  std::string line;
  std::getline(saved, line);
  EXPECT_EQ(line, "specimen,distance");
  for (int i = 0; std::getline(saved, line); ++i) {
    ASSERT_LT(i, 59);
    EXPECT_EQ(line.substr(0, line.find(',')), std::to_string(i + 1));
    EXPECT_EQ(std::strtod(line.c_str() + line.find(',') + 1, nullptr), distances[i]);
  }
}

TEST(SpecimenVariables, OpenVariablesReadsBesideTheDataAndAClearedSessionForgetsThem) {
  Session s;
  std::string err;
  const std::string gorilla = "open-data " + test::DataFile("gorilla.dat") + "\n";
  EXPECT_NE(RunLines(s, gorilla + "open-variables " + test::DataFile("gorilla.csv") + "\n")
                .find("Variables: 1 for 59 specimens: sex (factor, 2 levels)\n"),
            std::string::npos);
  ASSERT_EQ(s.Variables.size(), 1u);
  EXPECT_EQ(s.Variables[0].levels, (std::vector<std::string>{"female", "male"}));
  EXPECT_EQ(s.Variables[0].codes[29], 0);
  EXPECT_EQ(s.Variables[0].codes[30], 1);

  // A table that misses a specimen is refused, and the variables read before stay.
  const std::string short_ = test::WriteScratch("short.csv", "specimen,sex\n1,female\n");
  RunLines(s, "open-variables " + short_ + "\n", &err);
  EXPECT_EQ(err, "job.vrel:1: Specimen 2 (\"2\") has no row\n");
  EXPECT_EQ(s.Variables.size(), 1u);
  RunLines(s, "clear-session\n");
  EXPECT_TRUE(s.Variables.empty());

  // Names from a TPS file, in quotes in the table; Open Data forgets them again.
  const std::string log =
      RunLines(s, "open-data " + test::DataFile("plethodon.tps") + "\nopen-variables " +
                      test::DataFile("plethodon.csv") + "\n");
  EXPECT_NE(
      log.find(
          "Variables: 2 for 40 specimens: species (factor, 2 levels), site (factor, 2 levels)"),
      std::string::npos)
      << log;
  RunLines(s, "clear-session\n" + gorilla);
  EXPECT_TRUE(s.Variables.empty());
}

}  // namespace
}  // namespace vrel
