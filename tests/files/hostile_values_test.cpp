// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "files/file_commands.h"
#include "files/text_source.h"
#include "numerics/components_commands.h"
#include "numerics/superimposition_commands.h"
#include "shell/command_ids.h"
#include "shell/messages.h"
#include "stats/statistics_commands.h"
#include "support/checks.h"
#include "support/scripted_frontend.h"
#include "support/stages.h"
#include "support/test_data.h"

namespace vrel {
namespace {

using test::ScriptedFrontend;

const Session& GorillaComponents() { return test::GorillaAt(test::Stage::Components); }

// A header and count copies of value, one per line.
std::string Repeated(const std::string& header, int count, const std::string& value) {
  std::string text = header + "\n";
  for (int i = 0; i < count; ++i) text += value + "\n";
  return text;
}

// Values too large for the arithmetic are refused with the command's own message, and the
// session keeps every value it had.
TEST(HostileValues, OverflowingFilesAreRefusedAndChangeNothing) {
  const int m = 16;  // 8 landmarks in 2-D
  struct Case {
    CommandHandler command;
    std::string text;
    Message message;
  };
  const Case cases[] = {
      {DeflationClick, Repeated("1 8 2", m, "1e200"), Message::IncorrectFile},
      {DeflationClick, Repeated("16 1 1", m, "-3e160"), Message::IncorrectFile},
      {DeflationClick, Repeated("16 1 1", m, "1e150"), Message::IncorrectFile},
      {ShapeVectorsClick, Repeated("16 1 1", m, "1e200"), Message::IncorrectVectorFile},
      {ShapeVectorsClick, Repeated("16 1 1", m, "1e306"), Message::IncorrectVectorFile},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 12));
    Session s = GorillaComponents();
    InMemoryFiles files;
    files.Set("hostile.vec", c.text);
    ScriptedFrontend fe;
    fe.files = {"hostile.vec"};
    c.command(s, fe);
    test::ExpectOneMessage(fe, c.message);
    EXPECT_TRUE(fe.log.empty());
    test::ExpectSessionUnchanged(GorillaComponents(), s);
  }
}

// Reloaded vectors so small that their squares vanish still give the Cs/Fac column its length.
TEST(HostileValues, TinyReloadedVectorsKeepTheSizeColumn) {
  Session s = GorillaComponents();
  InMemoryFiles files;
  files.Set("tiny.vec", Repeated("16 1 1", 16, "1e-200"));
  ScriptedFrontend fe;
  fe.files = {"tiny.vec"};
  ShapeVectorsClick(s, fe);
  ASSERT_TRUE(fe.messages.empty()) << fe.LastMessage();
  EXPECT_GT(s.SingularValues[0], 0.0);
  double ratio = 0.0;  // the column's length over the first score column's, squared
  for (int i = 0; i < s.SpecimenCount; ++i)
    ratio += std::pow(s.Scores[i][SizeColumn] / s.SingularValues[0], 2);
  EXPECT_NEAR(ratio, 1.0, 1e-12);
}

// A factor's scale does not matter to the regressions: a factor of huge or tiny values gives the
// very log lines of the same factor at a moderate scale, never "constant" nor R² = 0.
TEST(HostileValues, FactorsAtAnyScaleGiveTheSameRegression) {
  auto regressionLog = [](const std::string& scale) {
    std::string text = "59 1 1\n";
    for (int i = 0; i < 59; ++i) text += std::to_string(i % 7 + (i < 30 ? 1 : 4)) + scale + "\n";
    Session s = GorillaComponents();
    InMemoryFiles files;
    files.Set("factor.vec", text);
    ScriptedFrontend fe;
    fe.files = {"factor.vec"};
    fe.numbers = {5, 5};
    OpenFactorClick(s, fe);
    RegressionTestClick(s, fe);
    RegressionClick(s, fe);
    EXPECT_TRUE(fe.messages.empty()) << scale << ": " << fe.LastMessage();
    return std::vector<std::string>(fe.log.begin() + 1, fe.log.end());  // less the file line
  };
  const std::vector<std::string> moderate = regressionLog("");
  ASSERT_GE(moderate.size(), 3u);
  EXPECT_EQ(moderate[1].rfind("R\u00b2= 0.", 0), 0u);
  EXPECT_NE(moderate[1], "R\u00b2= 0.000000, F= 0.000000 with 5 and 53 DF, p< 1.000000");
  // Powers of ten are not exact in binary: compare with the moderate factor at 1e-300 apart.
  EXPECT_EQ(regressionLog("e300"), regressionLog("e0"));
  EXPECT_EQ(regressionLog("e-300"), moderate);
  EXPECT_EQ(regressionLog("e307"), moderate);
}

// Specimens of one shape leave residuals of rounding noise only: that is no variation.
TEST(HostileValues, RoundingNoiseIsNoVariationForComponents) {
  std::string text = "6 4 2\n";
  for (int i = 0; i < 6; ++i) {
    const double scale = 1.0 + i * 0.37, shift = i * 3.1;
    for (double x : {0.0, 0.0, 1.0, 0.2, 1.3, 1.1, 0.1, 0.9})
      text += std::to_string(x * scale + shift) + " ";
    text += "\n";
  }
  InMemoryFiles files;
  files.Set("same.dat", text);
  Session s;
  ScriptedFrontend fe;
  fe.files = {"same.dat"};
  OpenDataClick(s, fe);
  GpaClick(s, fe);
  ASSERT_TRUE(s.Superimposed);
  const Session before = s;
  PcsClick(s, fe);
  test::ExpectOneMessage(fe, Message::IncorrectData);
  test::ExpectSessionUnchanged(before, s);
}

// Components from another study give scores that are not centred on these data; the tests that
// sum about zero say so instead of printing an R² outside 0..1 or a negative F (the mean
// regression test centres within the groups and is not concerned).
TEST(HostileValues, StatisticsOutsideZeroToOneAreRefused) {
  for (CommandHandler test : {RegressionTestClick, DiscriminationTestClick}) {
    Session s = GorillaComponents();
    s.GroupLimit = 30;
    for (int i = 0; i < s.SpecimenCount; ++i) {
      s.GroupCodes[i] = i < 30 ? 0.0 : 1.0;
      for (int j = 0; j < 5; ++j) s.Scores[i][j] += 0.5 * (j + 1);  // far from centred
    }
    ScriptedFrontend fe;
    fe.numbers = {5};
    test(s, fe);
    test::ExpectOneMessage(fe, Message::StatisticOutOfRange);
    EXPECT_TRUE(fe.log.empty());
  }
}

}  // namespace
}  // namespace vrel
