// SPDX-License-Identifier: GPL-3.0-or-later
// TPS and NTS files give the same analysis as the landmark data file they were written from,
// specimens keep their names through the commands that reshape the data, and scores and sizes
// read back from CSV.
#include "support/landmark_formats.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "files/file_commands.h"
#include "numerics/components_commands.h"
#include "numerics/shape_difference_commands.h"
#include "numerics/superimposition_commands.h"
#include "shell/file_dialogs.h"
#include "shell/shell_commands.h"
#include "shell/specimen_names.h"
#include "support/scripted_frontend.h"
#include "support/stages.h"
#include "support/test_data.h"

namespace vrel {
namespace {

using test::ScriptedFrontend;

// Opens the file and checks that it was read without a message.
void OpenClean(Session& s, ScriptedFrontend& fe, const std::string& path) {
  fe.files.push_back(path);
  OpenDataClick(s, fe);
  ASSERT_TRUE(fe.messages.empty()) << fe.LastMessage();
}

std::vector<std::string> GorillaNames() {
  std::vector<std::string> names;
  for (int i = 1; i <= 59; ++i) names.push_back((i <= 30 ? "female" : "male") + std::to_string(i));
  return names;
}

void ExpectSameSuperimposition(const Session& expected, const Session& s) {
  ASSERT_EQ(s.SpecimenCount, expected.SpecimenCount);
  ASSERT_EQ(s.LandmarkCount, expected.LandmarkCount);
  ASSERT_EQ(s.DimensionCount, expected.DimensionCount);
  ASSERT_TRUE(s.Superimposed);
  const int m = s.CoordinateCount();
  for (int i = 0; i < s.SpecimenCount; ++i) {
    for (int j = 0; j < m; ++j) ASSERT_EQ(s.Residuals[i][j], expected.Residuals[i][j]) << i;
    const auto row = static_cast<std::size_t>(i);
    EXPECT_NEAR(s.Sizes[row], expected.Sizes[row], 1e-12 * expected.Sizes[row]) << i;
  }
  for (int j = 0; j < m; ++j) EXPECT_EQ(s.Consensus[j], expected.Consensus[j]);
}

TEST(LandmarkFormats, TpsAndNtsVersionsOfTheGorillasGiveTheSameSuperimposition) {
  const Session& expected = test::GorillaAt(test::Stage::Superimposed);
  const test::DatContent dat = test::ReadDatContent(test::DataFile("gorilla.dat"));
  const std::vector<std::string> names = GorillaNames();
  // SCALE=0.001 with the coordinates written a thousand times larger: the products round.
  const std::vector<std::string> files = {
      test::WriteScratch("gorilla.tps", test::TpsFromDat(dat, 0.001, names)),
      test::WriteScratch("gorilla_unscaled.TPS", test::TpsFromDat(dat, 0.0, names)),
      test::WriteScratch("gorilla.nts", test::NtsFromDat(dat, names)),
      test::WriteScratch("gorilla_numbered.nts", test::NtsFromDat(dat, {}))};
  for (const std::string& path : files) {
    SCOPED_TRACE(path);
    Session s;
    ScriptedFrontend fe;
    OpenClean(s, fe, path);
    EXPECT_EQ(fe.log, (std::vector<std::string>{"Data File : " + path,
                                                "Data: 59 Specimens, 8 Points, 2 Dimensions."}));
    EXPECT_EQ(fe.toolbarUpdates, 1);
    GpaClick(s, fe);
    ExpectSameSuperimposition(expected, s);
    const bool numbered = path.find("numbered") != std::string::npos;
    EXPECT_EQ(SpecimenName(s, 0), numbered ? "1" : "female1");
    EXPECT_EQ(SpecimenName(s, 58), numbered ? "59" : "male59");
  }
}

TEST(LandmarkFormats, TpsKeywordsLineEndsCurvesAndNames) {
  // Lower-case keywords, CR LF, blank lines, negative numbers, ID= before IMAGE=, curves skipped,
  // and keys this program does not use.
  const std::string tps =
      "lm=3\r\n0 0\r\n4 -0\r\n0 3\r\n\r\nIMAGE=skull_a.jpg\r\nId = first, \"A\"\r\n"
      "CURVES=1\r\nPOINTS=2\r\n9 9\r\n8 8\r\ncomment=x=y\r\nVARIABLES=1\r\n"
      "LM=3\n1 1\n2 2\n3 -1.5e-1\nIMAGE=skull_b.jpg\n"
      "LM= 3\n\t5 5 \n6 6\n7 7\n";
  Session s;
  ScriptedFrontend fe;
  OpenClean(s, fe, test::WriteScratch("keywords.tps", tps));
  EXPECT_EQ(s.SpecimenCount, 3);
  EXPECT_EQ(s.LandmarkCount, 3);
  EXPECT_EQ(s.DimensionCount, 2);
  EXPECT_EQ(s.Coordinates[1][5], -0.15);
  EXPECT_EQ(s.Coordinates[2][0], 5.0);
  EXPECT_EQ(SpecimenName(s, 0), "first, \"A\"");
  EXPECT_EQ(SpecimenName(s, 1), "skull_b.jpg");
  EXPECT_EQ(SpecimenName(s, 2), "3");
  ASSERT_EQ(fe.log.size(), 3u);
  EXPECT_EQ(fe.log[2], "Semilandmarks on curves skipped (specimens with curves: 1)");
}

TEST(LandmarkFormats, NtsHeaderVariants) {
  struct Case {
    std::string text;
    int n, p, k;
    std::string firstName;
  };
  const std::vector<Case> cases = {
      {"\"comment\n\n1 2 6 0 dim=3\n0 0 0 1 1 1\n2 2 2 3 3 3\n", 2, 2, 3, "1"},
      {"1 2 L 6 L 0 DIM=2\nleft right\na b c d e f\n0 0 4 0 0 3\n\"note\n1 1 2 2 3 -1\n", 2, 3, 2,
       "left"},
      {"1 1 3 0.0 DIM=1\r\n5\r\n6\r\n7\r\n", 1, 3, 1, "1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    Session s;
    ScriptedFrontend fe;
    OpenClean(s, fe, test::WriteScratch("variant.nts", c.text));
    EXPECT_EQ(s.SpecimenCount, c.n);
    EXPECT_EQ(s.LandmarkCount, c.p);
    EXPECT_EQ(s.DimensionCount, c.k);
    EXPECT_EQ(SpecimenName(s, 0), c.firstName);
  }
}

// Four named specimens A, B, C, D.
Session FourNamed(ScriptedFrontend& fe) {
  Session s;
  const std::string tps =
      "LM=3\n0 0\n4 0\n0 3\nID=A\nLM=3\n1 0\n4 1\n0 2\nID=B\n"
      "LM=3\n0 1\n5 0\n1 3\nID=C\nLM=3\n0 0\n3 0\n0 4\nID=D\n";
  OpenClean(s, fe, test::WriteScratch("four.tps", tps));
  return s;
}

TEST(SpecimenNames, FollowTheSpecimensThroughSelectionDifferenceAndClear) {
  ScriptedFrontend fe;
  Session s = FourNamed(fe);
  fe.files.push_back(test::WriteScratch("keep.vec", "1 3 1\n1 1 1\n"));
  OpenSelectClick(s, fe);
  EXPECT_EQ(SpecimenName(s, 3), "D");

  GpaClick(s, fe);
  DifferenceClick(s, fe);
  ASSERT_EQ(s.SpecimenCount, 2);
  EXPECT_EQ(SpecimenName(s, 0), "B\u2212A");
  EXPECT_EQ(SpecimenName(s, 1), "D\u2212C");

  ClearSessionClick(s, fe);
  EXPECT_EQ(s.SpecimenNames[0], "");
  EXPECT_EQ(s.SpecimenNames[3], "");
  fe.files.push_back(test::WriteScratch("two.dat", "2 3 2\n0 0 4 0 0 3\n1 1 2 2 3 1\n"));
  OpenDataClick(s, fe);
  EXPECT_EQ(SpecimenName(s, 0), "1");
  EXPECT_EQ(SpecimenName(s, 1), "2");
  GpaClick(s, fe);
  DifferenceClick(s, fe);
  EXPECT_EQ(SpecimenName(s, 0), "2\u22121");
  EXPECT_TRUE(fe.messages.empty()) << fe.LastMessage();
}

TEST(SpecimenNames, ADataFileAfterANamedFileNumbersItsSpecimens) {
  ScriptedFrontend fe;
  Session s = FourNamed(fe);
  OpenClean(s, fe, test::WriteScratch("two.dat", "2 3 2\n0 0 4 0 0 3\n1 1 2 2 3 1\n"));
  EXPECT_EQ(SpecimenName(s, 0), "1");
  EXPECT_EQ(SpecimenName(s, 1), "2");
}

// Saves through the command with the prompt's answer, and reads the file back as CSV.
std::vector<std::vector<std::string>> SavedCsv(void (*command)(Session&, Frontend&), Session& s,
                                               int answer, const std::string& name) {
  ScriptedFrontend fe;
  fe.numbers.push_back(answer);
  const std::string path = test::ScratchDir() + name;
  fe.files.push_back(path);
  command(s, fe);
  EXPECT_TRUE(fe.messages.empty()) << fe.LastMessage();
  return test::ParseCsv(test::ReadWhole(path));
}

double Parsed(const std::string& field) {
  char* end = nullptr;
  const double value = std::strtod(field.c_str(), &end);
  EXPECT_EQ(*end, '\0') << field;
  return value;
}

TEST(CsvResults, ScoresProjectionAndSizesReadBackWithNamesAndFullPrecision) {
  ScriptedFrontend fe;
  Session s = FourNamed(fe);
  s.SpecimenNames[1] = "B, the \"second\"";
  GpaClick(s, fe);
  PcsClick(s, fe);

  const auto scores = SavedCsv(SaveScoresClick, s, 3, "scores.csv");
  ASSERT_EQ(scores.size(), 5u);
  EXPECT_EQ(scores[0], (std::vector<std::string>{"specimen", "PC1", "PC2", "PC3"}));
  EXPECT_EQ(scores[2][0], "B, the \"second\"");
  for (int i = 0; i < 4; ++i) {
    ASSERT_EQ(scores[i + 1].size(), 4u);
    for (int j = 0; j < 3; ++j) EXPECT_EQ(Parsed(scores[i + 1][j + 1]), s.Scores[i][j]);
  }

  const auto sizeColumn = SavedCsv(SaveSingleScoreClick, s, 97, "cs.CSV");
  ASSERT_EQ(sizeColumn.size(), 5u);
  EXPECT_EQ(sizeColumn[0], (std::vector<std::string>{"specimen", "Cs/Fac"}));
  EXPECT_EQ(sizeColumn[4][0], "D");
  EXPECT_EQ(Parsed(sizeColumn[4][1]), s.Scores[3][96]);

  const auto sizes = SavedCsv(SaveSizeClick, s, 0, "sizes.csv");
  ASSERT_EQ(sizes.size(), 5u);
  EXPECT_EQ(sizes[0], (std::vector<std::string>{"specimen", "Cs"}));
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(Parsed(sizes[i + 1][1]), s.Sizes[static_cast<std::size_t>(i)]);

  // A rank outside 1..99 leaves the file empty, as the text layout does.
  EXPECT_TRUE(SavedCsv(SaveSingleScoreClick, s, 100, "none.csv").empty());
}

// A name a spreadsheet would run as a formula is written as text; numbers and other names as
// they are.
TEST(CsvResults, NamesThatLookLikeFormulasAreWrittenAsText) {
  ScriptedFrontend fe;
  Session s = FourNamed(fe);
  GpaClick(s, fe);
  const std::pair<std::string, std::string> names[] = {
      {"=1+2", "'=1+2"},
      {"@x", "'@x"},
      {"+cmd|' /C calc'!A0", "'+cmd|' /C calc'!A0"},
      {"-2+3", "'-2+3"},
      {"\tx", "'\tx"},
      {"\rx", "\"'\rx\""},
      {"=HYPERLINK(\"a\",\"b\")", "\"'=HYPERLINK(\"\"a\"\",\"\"b\"\")\""},
      {"-12.5", "-12.5"},
      {"+3e2", "+3e2"},
      {"a=b", "a=b"},
      {"", "4"}};  // no name: its number
  for (const auto& [name, cell] : names) {
    s.SpecimenNames[3] = name;
    const std::string path = test::ScratchDir() + "formula.csv";
    fe.files.push_back(path);
    SaveSizeClick(s, fe);
    const std::string text = test::ReadWhole(path);
    const std::size_t row = text.rfind(cell + ",");
    EXPECT_NE(row, std::string::npos) << text;
    EXPECT_EQ(row == std::string::npos ? 'x' : text[row - 1], '\n') << text;
  }
  EXPECT_TRUE(fe.messages.empty()) << fe.LastMessage();
}

// Repeated names are kept, and the log says so once: how many names repeat, and the first.
TEST(SpecimenNames, RepeatedNamesAreKeptAndLoggedOnce) {
  ScriptedFrontend fe;
  Session s;
  const std::string tps =
      "LM=3\n0 0\n4 0\n0 3\nID=A\nLM=3\n1 0\n4 1\n0 2\nID=B\nLM=3\n0 1\n5 0\n1 3\nID=B\n"
      "LM=3\n0 0\n3 0\n0 4\nID=A\nLM=3\n0 0\n3 0\n0 4\nID=B\nLM=3\n0 0\n3 1\n0 4\n";
  const std::string path = test::WriteScratch("repeated.tps", tps);
  OpenClean(s, fe, path);
  EXPECT_EQ(fe.log, (std::vector<std::string>{"Data File : " + path,
                                              "Data: 6 Specimens, 3 Points, 2 Dimensions.",
                                              "Repeated specimen names: 2, the first \"B\""}));
  EXPECT_EQ(SpecimenName(s, 4), "B");
  fe.log.clear();
  OpenClean(s, fe, test::WriteScratch("unique.tps", "LM=1\n0 0\nID=6\nLM=1\n1 1\n"));
  EXPECT_EQ(fe.log.size(), 2u);  // "6" and the number 2 differ
}

TEST(CsvResults, OtherNamesKeepTheTextLayouts) {
  ScriptedFrontend fe;
  Session s = FourNamed(fe);
  GpaClick(s, fe);
  const std::string path = test::ScratchDir() + "sizes.csv.vec";
  fe.files.push_back(path);
  SaveSizeClick(s, fe);
  EXPECT_EQ(test::ReadWhole(path).substr(0, 13), "   4   1   1\n");
}

TEST(FileDialogs, OpenDataOffersTheThreeLayoutsAndTheScoresAndSizesCsv) {
  EXPECT_STREQ(DialogSpec(FileDialog::OpenData).filter, "DAT|*.dat|TPS|*.tps|NTS|*.nts");
  // A consensus is a landmark data file only.
  EXPECT_STREQ(DialogSpec(FileDialog::OpenConsensus).filter, "DAT|*.dat");
  EXPECT_STREQ(DialogSpec(FileDialog::SaveScores).filter, "TXT|*.txt|CSV|*.csv|ALL|*.*");
  EXPECT_STREQ(DialogSpec(FileDialog::SaveSizes).filter, "VEC|*.vec|CSV|*.csv|ALL|*.*");
  EXPECT_STREQ(DialogSpec(FileDialog::SaveText).filter, "TXT|*.txt|ALL|*.*");
}

}  // namespace
}  // namespace vrel
