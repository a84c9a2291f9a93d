// SPDX-License-Identifier: GPL-3.0-or-later
// Every reader refuses a file it cannot use with one message box and leaves the session exactly
// as it was.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/command_table.h"
#include "files/file_commands.h"
#include "files/landmark_data.h"
#include "numerics/components_commands.h"
#include "numerics/superimposition_commands.h"
#include "shell/enabling.h"
#include "support/checks.h"
#include "support/scripted_frontend.h"
#include "support/stages.h"
#include "support/test_data.h"

namespace vrel {
namespace {

using C = CommandId;
using M = Message;
using test::Stage;

// Sessions the refused files meet. The triangles are two specimens of three landmarks in the
// plane with one link and a group of one, so that every part of the session holds something.
enum class At { Fresh, Triangles, TrianglesComponents, Gorilla, GorillaComponents, NamedTriangles };

const std::string kTwoTriangles = "2 3 2\n0 0 4 0 0 3\n1 1 2 2 3 -1.5e-1\n";

Session Prepared(At at) {
  Session s;
  test::ScriptedFrontend fe;
  switch (at) {
    case At::Fresh:
      return s;
    case At::Gorilla:
      return test::GorillaAt(Stage::Loaded);
    case At::NamedTriangles:
      fe.files = {test::WriteScratch("named.tps",
                                     "LM=3\n0 0\n4 0\n0 3\nID=a\nLM=3\n1 1\n2 2\n3 0\nID=b\n")};
      OpenDataClick(s, fe);
      EXPECT_TRUE(fe.messages.empty()) << fe.LastMessage();
      return s;
    case At::GorillaComponents:
      return test::GorillaAt(Stage::Components);
    case At::Triangles:
    case At::TrianglesComponents:
      fe.files = {test::WriteScratch("triangles.dat", kTwoTriangles),
                  test::WriteScratch("one_link.lie", "1  1 2")};
      OpenDataClick(s, fe);
      OpenLinkClick(s, fe);
      s.GroupLimit = 1;
      if (at == At::TrianglesComponents) {
        GpaClick(s, fe);
        PcsClick(s, fe);
        s.ResultVector[0] = 7.0;
        s.VectorsView = s.PlotView = 1;  // a refused direction leaves the windows as they are
      }
      EXPECT_TRUE(fe.messages.empty()) << fe.LastMessage();
      return s;
  }
  return s;
}

// A header and count numbers 1.5, 2.5, ... one per line.
std::string Numbered(const std::string& header, int count) {
  std::string text = header + "\n";
  for (int i = 1; i <= count; ++i) text += std::to_string(i) + ".5\n";
  return text;
}

std::string Repeated(const std::string& header, int count, const std::string& value) {
  std::string text = header;
  for (int i = 0; i < count; ++i) text += " " + value;
  return text;
}

const std::string kMissing = "\x01 no such file";
const std::string kFolder = "\x01 a folder";
const std::string kPipe = "\x01 a pipe without a writer";

// The path a row's file stands for: special ones made here, the others written with its text.
std::string RowFile(const std::string& name, const std::string& file) {
  const std::string path = test::ScratchDir() + name;
  std::filesystem::remove_all(path);
  if (file == kMissing) return path;
  if (file == kFolder) {
    std::filesystem::create_directory(path);
    return path;
  }
  if (file == kPipe) {
    EXPECT_EQ(::mkfifo(path.c_str(), 0600), 0) << path;
    return path;
  }
  return test::WriteScratch(name, file);
}

struct Refusal {
  C command;
  At at;
  std::optional<std::string> file;  // nothing: the dialog is cancelled
  std::optional<M> message;         // nothing: the command ends silently
  bool toolbar = false;             // the toolbar is brought up to date even so
  std::vector<std::string> log = {};
};

std::vector<Refusal> Refusals() {
  const std::string shortConsensus = Repeated("1 8 2", 15, "0.1");
  return {
      // Open Data: headers are checked in order, before anything is read.
      {C::OpenData, At::Triangles, Numbered("0 3 2", 500), M::IncorrectSpecimenCount},
      {C::OpenData, At::Triangles, Numbered("301 3 2", 500), M::IncorrectSpecimenCount},
      {C::OpenData, At::Triangles, Numbered("-4 3 2", 500), M::IncorrectSpecimenCount},
      {C::OpenData, At::Triangles, Numbered("1 34 3", 500), M::IncorrectLandmarkCount},
      {C::OpenData, At::Triangles, Numbered("5 30 4", 500), M::IncorrectLandmarkCount},
      {C::OpenData, At::Triangles, Numbered("5 10 4", 500), M::IncorrectDimensionCount},
      {C::OpenData, At::Triangles, Numbered("5 0 2", 500), M::IncorrectLandmarkCount},
      {C::OpenData, At::Triangles, Numbered("5 -3 2", 500), M::IncorrectLandmarkCount},
      {C::OpenData, At::Triangles, Numbered("5 -3 -2", 500), M::IncorrectLandmarkCount},
      {C::OpenData, At::Triangles, Numbered("5 3 0", 500), M::IncorrectDimensionCount},
      {C::OpenData, At::Triangles, Numbered("5 3 -1", 500), M::IncorrectDimensionCount},
      {C::OpenData, At::Triangles, Numbered("5 2147483647 2", 500), M::IncorrectLandmarkCount},
      {C::OpenData, At::Triangles, Numbered("5 3", 500), M::InvalidFile},
      {C::OpenData, At::Triangles, Numbered("", 500), M::InvalidFile},
      {C::OpenData, At::Triangles, Numbered("5 3 2.0", 500), M::InvalidFile},
      {C::OpenData, At::Triangles, Numbered("five 3 2", 500), M::InvalidFile},
      {C::OpenData, At::Triangles, Numbered("99999999999 3 2", 500), M::InvalidFile},
      {C::OpenData, At::Fresh, kMissing, M::InvalidFile},
      {C::OpenData, At::Triangles, kFolder, M::InvalidFile},
      {C::OpenData, At::Triangles, kPipe, M::InvalidFile},
      // A file that ends early or holds a word: nothing of it is kept.
      {C::OpenData, At::Triangles, "3 2 2\n1 2 3 4\n5 6 7 8\n9 10 11\n", M::InputFailed, true},
      {C::OpenData, At::Triangles, "3 2 2\n1 2 3 4\n5 6 seven 8\n9 10 11 12\n", M::InputFailed,
       true},
      {C::OpenData, At::Triangles, "3 2 2\n1 2 3 4\n5 6 nan 8\n9 10 11 12\n", M::InputFailed, true},
      {C::OpenData, At::Fresh, "3 2 2\n1 2 3 4\n5 6 7 8\n9 10 11\n", M::InputFailed, true},
      {C::OpenData, At::Fresh, std::nullopt, std::nullopt, true},
      // Open Selection.
      {C::OpenSelect,
       At::Triangles,
       "1 4 1 1 1 1 1",
       M::DataNotCongruent,
       false,
       {"New data : 2 Specimens, 3 Points, 2 Dimensions."}},
      {C::OpenSelect, At::Triangles, "1 3 1 1 0", M::InputFailed},
      {C::OpenSelect, At::Triangles, "1 3 1 1 zero 1", M::InputFailed},
      {C::OpenSelect, At::Triangles, "1 3", M::InvalidFile},
      {C::OpenSelect, At::Triangles, kMissing, M::InvalidFile},
      {C::OpenSelect, At::Triangles, kFolder, M::InvalidFile},
      {C::OpenSelect, At::Triangles, kPipe, M::InvalidFile},
      {C::OpenSelect, At::Triangles, std::nullopt, std::nullopt},
      // Open Link.
      {C::OpenLink, At::Triangles, "3 1 2 2 3 3", M::InputFailed},
      {C::OpenLink, At::Triangles, "2 1 two 2 3", M::InputFailed},
      {C::OpenLink, At::Triangles, "", M::InvalidFile},
      {C::OpenLink, At::Triangles, kFolder, M::InvalidFile},
      {C::OpenLink, At::Triangles, kPipe, M::InvalidFile},
      {C::OpenLink, At::Triangles, std::nullopt, std::nullopt},
      // Reload > Consensus: the consensus must fit the data, and the fit must succeed.
      {C::Consensus, At::Gorilla, "2 8 2 " + shortConsensus, M::IncorrectConsensusCount},
      {C::Consensus, At::Gorilla, Repeated("1 7 2", 14, "0"), M::IncorrectConsensusShape},
      {C::Consensus, At::Gorilla, "1 8 3 0", M::IncorrectConsensusShape},
      {C::Consensus, At::Gorilla, shortConsensus, M::InputFailed},
      {C::Consensus, At::Gorilla, Repeated("1 8 2", 14, "0.1") + " abc 1", M::InputFailed},
      {C::Consensus, At::Gorilla, "1 eight 2", M::InvalidFile},
      {C::Consensus, At::Gorilla, kMissing, M::InvalidFile},
      {C::Consensus, At::Gorilla, kFolder, M::InvalidFile},
      {C::Consensus, At::Gorilla, kPipe, M::InvalidFile},
      {C::Consensus, At::Gorilla, Repeated("1 8 2", 16, "0"), M::IncorrectData},
      // Reload > PCS.
      {C::ShapeVectors, At::GorillaComponents, "16 5 2", M::IncorrectVectorFile},
      {C::ShapeVectors, At::GorillaComponents, "14 1 1", M::IncorrectVectorFile},
      {C::ShapeVectors, At::GorillaComponents, Repeated("16 100 1", 1600, "0.1"),
       M::IncorrectVectorFile},
      {C::ShapeVectors, At::GorillaComponents, "16 0 1", M::IncorrectVectorFile},
      {C::ShapeVectors, At::GorillaComponents, Repeated("16 2 1", 31, "0.25"), M::InputFailed},
      {C::ShapeVectors, At::GorillaComponents, "16 1 1 x", M::InputFailed},
      {C::ShapeVectors, At::GorillaComponents, "16 1", M::InvalidFile},
      {C::ShapeVectors, At::GorillaComponents, kFolder, M::InvalidFile},
      {C::ShapeVectors, At::GorillaComponents, kPipe, M::InvalidFile},
      // Open Factor.
      {C::OpenFactor, At::GorillaComponents, "58 1 1 1 2 3", M::FactorNotCorrect},
      {C::OpenFactor, At::GorillaComponents, Repeated("59 1 1", 59, "0.1"), M::FactorNotCorrect},
      {C::OpenFactor, At::GorillaComponents, "59 1 1 1 2 3", M::InputFailed},
      {C::OpenFactor, At::GorillaComponents, "59 1", M::InvalidFile},
      {C::OpenFactor, At::GorillaComponents, kFolder, M::InvalidFile},
      {C::OpenFactor, At::GorillaComponents, kPipe, M::InvalidFile},
      {C::OpenFactor, At::GorillaComponents, std::nullopt, std::nullopt},
      // Compute > Hyperprojection: a direction laid out as a consensus or as one shape vector.
      {C::Deflation, At::TrianglesComponents, "1 4 2 0 0 0 0 0 0 0 0", M::IncorrectFile},
      {C::Deflation, At::TrianglesComponents, "2 3 2 0 0 0 0 0 0", M::IncorrectFile},
      {C::Deflation, At::TrianglesComponents, "1 3 3 0 0 0 0 0 0 0 0 0", M::IncorrectFile},
      {C::Deflation, At::TrianglesComponents, "6 2 1 0 0 0 0 0 0 0 0 0 0 0 0", M::IncorrectFile},
      {C::Deflation, At::TrianglesComponents, "1 3 2 1 0 0 0 0", M::IncorrectFile},
      {C::Deflation, At::TrianglesComponents, "1 3 2 1 0 0 x 0 0", M::IncorrectFile},
      {C::Deflation, At::TrianglesComponents, "1 3", M::IncorrectFile},
      {C::Deflation, At::TrianglesComponents, kMissing, M::IncorrectFile},
      {C::Deflation, At::TrianglesComponents, kFolder, M::IncorrectFile},
      {C::Deflation, At::TrianglesComponents, kPipe, M::IncorrectFile},
      {C::Deflation, At::TrianglesComponents, std::nullopt, std::nullopt},
  };
}

TEST(ReaderRefusals, OneMessageAndTheSessionAsItWas) {
  const std::vector<Refusal> refusals = Refusals();
  for (std::size_t row = 0; row < refusals.size(); ++row) {
    const Refusal& r = refusals[row];
    SCOPED_TRACE(testing::Message() << "row " << row << ": " << Command(r.command).name << " "
                                    << r.file.value_or("(cancelled)").substr(0, 40));
    const Session before = Prepared(r.at);
    ASSERT_TRUE(MenuItemEnabled(before, r.command));
    Session s = before;
    test::ScriptedFrontend fe;
    if (!r.file)
      fe.files.push_back(std::nullopt);
    else
      fe.files.push_back(RowFile("refused" + std::to_string(row), *r.file));

    Command(r.command).handler(s, fe);

    if (r.message)
      test::ExpectOneMessage(fe, *r.message);
    else
      EXPECT_TRUE(fe.messages.empty()) << fe.LastMessage();
    EXPECT_EQ(fe.log, r.log);
    EXPECT_EQ(fe.toolbarUpdates, r.toolbar ? 1 : 0);
    // Links are drawn on the specimens: a link file, read or not, repaints them.
    if (r.command == C::OpenLink) {
      EXPECT_TRUE(fe.Invalidated(Window::Specimens));
    }
    test::ExpectSessionUnchanged(before, s);
  }
}

// TPS and NTS files: the message names the line and what is wrong; the capacities are refused
// with the messages of the landmark data file.
struct FormatRefusal {
  const char* extension;
  std::string file;
  M message;
  std::string text;  // empty: the message's text as it stands
};

std::string Specimens(int count, const std::string& lm, const std::string& line, int lines) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    text += lm + "\n";
    for (int l = 0; l < lines; ++l) text += line + "\n";
  }
  return text;
}

std::vector<FormatRefusal> FormatRefusals() {
  const std::string two = "LM=2\n0 0\n1 1\n";
  return {
      // TPS: structure.
      {".tps", "", M::NoTpsSpecimen, ""},
      {".tps", "\n\r\n  \n", M::NoTpsSpecimen, ""},
      {".tps", "ID=a\nLM=2\n0 0\n1 1\n", M::TextBeforeFirstSpecimen,
       "Line 1: a TPS file starts with LM= or LM3=, not with this line"},
      {".tps", "\n0 0\n", M::TextBeforeFirstSpecimen,
       "Line 2: a TPS file starts with LM= or LM3=, not with this line"},
      {".tps", two + "2 2\n", M::CoordinatesOutsideBlock,
       "Line 4: specimen 1 has more coordinate lines than its LM=, LM3= and POINTS= announce"},
      {".tps", two + "LM=2\n0 0\nID=b\n", M::CoordinateLinesMissing,
       "Line 4: specimen 2 has 1 of the 2 coordinate lines announced here"},
      {".tps", two + "LM=2\n0 0\n", M::CoordinateLinesMissing,
       "Line 4: specimen 2 has 1 of the 2 coordinate lines announced here"},
      {".tps", two + "CURVES=1\nPOINTS=3\n1 1\n", M::CoordinateLinesMissing,
       "Line 5: specimen 1 has 1 of the 3 coordinate lines announced here"},
      // TPS: numbers.
      {".tps", "LM=2\n0 0\n1 one\n", M::NotANumber, "Line 3: \"one\" is not a number"},
      // CR LF ends a line once: the same line numbers as with LF alone.
      {".tps", "LM=2\r\n0 0\r\n\r\n1 one\r\n", M::NotANumber, "Line 4: \"one\" is not a number"},
      {".tps", "LM=2\n0 0\n1 1,5\n", M::NotANumber, "Line 3: \"1,5\" is not a number"},
      {".tps", "LM=2\n0 0\n1 nan\n", M::NotANumber, "Line 3: \"nan\" is not a number"},
      {".tps", "LM=2\n0 0\n1 1 1\n", M::CoordinateCountOnLine,
       "Line 3: 3 numbers on a coordinate line of specimen 1, which has 2 dimensions"},
      {".tps", "LM3=2\n0 0 0\n1 1\n", M::CoordinateCountOnLine,
       "Line 3: 2 numbers on a coordinate line of specimen 1, which has 3 dimensions"},
      {".tps", "LM=eight\n", M::NotACount,
       "Line 1: LM= needs a whole number of 0 or more, not \"eight\""},
      {".tps", "LM3=-2\n", M::NotACount,
       "Line 1: LM3= needs a whole number of 0 or more, not \"-2\""},
      {".tps", "LM=3 4\n", M::NotACount,
       "Line 1: LM= needs a whole number of 0 or more, not \"3 4\""},
      // TPS: curves must come in the number announced, one SCALE= to a specimen.
      {".tps", two + "CURVES=2\nPOINTS=1\n5 5\n" + two, M::CurvesDisagree,
       "Line 4: specimen 1 announces 2 curves with CURVES=, but 1 POINTS= blocks follow"},
      {".tps", two + "CURVES=1\nPOINTS=1\n5 5\nPOINTS=1\n5 5\n", M::CurvesDisagree,
       "Line 4: specimen 1 announces 1 curves with CURVES=, but 2 POINTS= blocks follow"},
      {".tps", two + "ID=a\n" + two + "CURVES=1\nID=b\n", M::CurvesDisagree,
       "Line 8: specimen 2 announces 1 curves with CURVES=, but 0 POINTS= blocks follow"},
      {".tps", two + "SCALE=2\nID=a\nscale=2\n", M::ScaleRepeated,
       "Line 6: a second SCALE= for specimen 1"},
      {".tps", two + "CURVES=1.5\n", M::NotACount,
       "Line 4: CURVES= needs a whole number of 0 or more, not \"1.5\""},
      {".tps", "LM=2\n0 0\n1 " + std::string(40, '9') + "x\n", M::NotANumber,
       "Line 3: \"" + std::string(24, '9') + "...\" is not a number"},
      // TPS: specimens that do not agree.
      {".tps", Specimens(6, "LM=8", "1 2", 8) + "\n\n" + Specimens(1, "LM=7", "1 1", 7),
       M::LandmarkCountDiffers, "Line 57: specimen 7 has 7 landmarks, the first specimen has 8"},
      {".tps", two + "LM3=2\n0 0 0\n1 1 1\n", M::DimensionCountDiffers,
       "Line 4: specimen 2 has 3 dimensions, the first specimen has 2"},
      {".tps", two + "SCALE=2\n" + two + two + "SCALE=2\n", M::ScaleMissing,
       "Line 5: specimen 2 has no SCALE=, though other specimens have one"},
      {".tps", two + two + "SCALE=0.5\n", M::ScaleMissing,
       "Line 1: specimen 1 has no SCALE=, though other specimens have one"},
      {".tps", two + "SCALE=0\n", M::ScaleNotPositive,
       "Line 4: SCALE= needs a positive number, not \"0\""},
      {".tps", two + "scale=-1\n", M::ScaleNotPositive,
       "Line 4: SCALE= needs a positive number, not \"-1\""},
      {".tps", two + "SCALE=\n", M::ScaleNotPositive,
       "Line 4: SCALE= needs a positive number, not \"\""},
      {".tps", "LM=2\n1e300 0\n1 1\nSCALE=1e300\n", M::ScaledOutOfRange,
       "Line 1: the coordinates of specimen 1 times its SCALE= are too large"},
      // TPS: the capacities of the landmark data file.
      {".tps", "LM=50\n", M::IncorrectLandmarkCount, ""},
      {".tps", "LM3=34\n", M::IncorrectLandmarkCount, ""},
      {".tps", "LM=0\n", M::IncorrectLandmarkCount, ""},
      {".tps", Specimens(301, "LM=1", "1 2", 1), M::IncorrectSpecimenCount, ""},
      // NTS: the header.
      {".nts", "\"only a comment\n\n", M::NtsHeaderMissing, ""},
      {".nts", "2 2 4 0 DIM=2\n1 2 3 4 5 6 7 8\n", M::NtsMatrixType,
       "Line 1: matrix type 2; only type 1, a rectangular data matrix, can be read"},
      {".nts", "1 2 4 9 DIM=2\n1 2 3 4 5 6 7 8\n", M::NtsMissingValues,
       "Line 1: missing-value flag 9; only files without missing values (flag 0) can be read"},
      {".nts", "1 2 4 0\n1 2 3 4 5 6 7 8\n", M::NtsNoDimension,
       "Line 1: the NTS header has no DIM=k, so the landmarks' dimensions are unknown"},
      {".nts", "\"c\n1 2 4 0 DIM=two\n", M::NtsHeaderIncomplete,
       "Line 2: an NTS header reads 1 n m 0 DIM=k; \"DIM=two\" is not DIM=k with k a whole number"},
      {".nts", "1 two 4 0 DIM=2\n", M::NtsHeaderIncomplete,
       "Line 1: an NTS header reads 1 n m 0 DIM=k; \"two\" is not the number of specimens"},
      {".nts", "1 2 4\n", M::NtsHeaderShort,
       "Line 1: an NTS header reads 1 n m 0 DIM=k; this one ends before the missing-value flag 0"},
      {".nts", "1 2 4 0 DIM=2 dim=3\n1 2 3 4 5 6 7 8\n", M::NtsDimensionRepeated,
       "Line 1: the NTS header gives DIM= more than once"},
      {".nts", "1 2 5 0 DIM=2\n1 2 3 4 5 6 7 8 9 10\n", M::NtsColumnsNotLandmarks,
       "Line 1: 5 columns do not make whole landmarks of 2 dimensions"},
      // NTS: the capacities, in the order of the landmark data file.
      {".nts", "1 301 4 0 DIM=2\n", M::IncorrectSpecimenCount, ""},
      {".nts", "1 0 4 0 DIM=2\n", M::IncorrectSpecimenCount, ""},
      {".nts", "1 2 100 0 DIM=3\n", M::IncorrectLandmarkCount, ""},
      {".nts", "1 2 0 0 DIM=2\n", M::IncorrectLandmarkCount, ""},
      {".nts", "1 2 8 0 DIM=4\n", M::IncorrectDimensionCount, ""},
      {".nts", "1 2 8 0 DIM=0\n", M::IncorrectDimensionCount, ""},
      // NTS: the body.
      {".nts", "1 2L 4 0 DIM=2\n", M::NtsLabelsMissing,
       "The file ends after 0 of the 2 row labels announced"},
      {".nts", "1 2 4L 0 DIM=2\nx1 y1 x2\n", M::NtsLabelsMissing,
       "The file ends after 3 of the 4 column labels announced"},
      {".nts", "1 2 4 0 DIM=2\n1 2 3 4\n5 6 7\n", M::NtsNumbersMissing,
       "The file ends after 7 of the 8 numbers announced (2 specimens of 4 columns)"},
      {".nts", "1 2 4 0 DIM=2\n1 2 3 4\n\"c\n5 6 x 8\n", M::NotANumber,
       "Line 4: \"x\" is not a number"},
      {".nts", "1 2 4 0 DIM=2\r\n1 2 3 4\r\n\"c\r\n5 6 x 8\r\n", M::NotANumber,
       "Line 4: \"x\" is not a number"},
      // Neither can be opened, nor a folder or a pipe read.
      {".tps", kMissing, M::InvalidFile, ""},
      {".nts", kMissing, M::InvalidFile, ""},
      {".tps", kFolder, M::InvalidFile, ""},
      {".nts", kPipe, M::InvalidFile, ""},
  };
}

TEST(ReaderRefusals, TpsAndNtsFilesNameWhatIsWrongAndChangeNothing) {
  const std::vector<FormatRefusal> refusals = FormatRefusals();
  const Session before = Prepared(At::NamedTriangles);
  ASSERT_EQ(before.SpecimenNames[1], "b");
  for (std::size_t row = 0; row < refusals.size(); ++row) {
    const FormatRefusal& r = refusals[row];
    SCOPED_TRACE(testing::Message() << "row " << row << ": " << r.file.substr(0, 40));
    Session s = before;
    test::ScriptedFrontend fe;
    fe.files.push_back(RowFile("refused" + std::to_string(row) + r.extension, r.file));
    OpenDataClick(s, fe);
    const MessageInfo& info = MessageDetails(r.message);
    test::ExpectOneMessage(fe, r.text.empty() ? std::string(info.text) : r.text, info.caption,
                           info.icon);
    EXPECT_TRUE(fe.log.empty());
    test::ExpectSessionUnchanged(before, s);
  }
}

// A data file larger than any data set the session can hold needs is refused before it is read,
// naming its size; one of the largest size is read, and so is an editor's byte-order mark.
TEST(ReaderRefusals, DataFilesBeyondTheLargestSizeAreNotRead) {
  const std::pair<const char*, std::string> layouts[] = {{".dat", "1 1 2\n0.5 0.25\n"},
                                                         {".tps", "LM=1\n0.5 0.25\n"},
                                                         {".nts", "1 1 2 0 DIM=2\n0.5 0.25\n"}};
  const Session before = Prepared(At::NamedTriangles);
  for (const auto& [extension, content] : layouts) {
    const std::string text = "\xEF\xBB\xBF" + content;
    for (std::uintmax_t size : {LargestDataFile, LargestDataFile + 1}) {
      SCOPED_TRACE(testing::Message() << extension << " of " << size << " bytes");
      const std::string path = test::WriteScratch(std::string("large") + extension,
                                                  text + std::string(size - text.size(), '\n'));
      Session s = before;
      test::ScriptedFrontend fe;
      fe.files.push_back(path);
      OpenDataClick(s, fe);
      if (size == LargestDataFile) {
        EXPECT_TRUE(fe.messages.empty()) << fe.LastMessage();
        EXPECT_EQ(s.SpecimenCount, 1);
        EXPECT_EQ(s.Coordinates[0][1], 0.25);
        continue;
      }
      test::ExpectOneMessage(fe,
                             path + " is " + std::to_string(size) +
                                 " bytes long: more than any data set this session can "
                                 "hold needs (" +
                                 std::to_string(LargestDataFile) + " bytes at most)",
                             "", Icon::Stop);
      test::ExpectSessionUnchanged(before, s);
    }
  }
}

}  // namespace
}  // namespace vrel
