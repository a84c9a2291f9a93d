// Every reader refuses a file it cannot use with one message box and leaves the session exactly
// as it was.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/command_table.h"
#include "files/file_commands.h"
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
enum class At { Fresh, Triangles, TrianglesComponents, Gorilla, GorillaComponents };

const std::string kTwoTriangles = "2 3 2\n0 0 4 0 0 3\n1 1 2 2 3 -1.5e-1\n";

Session Prepared(At at) {
  Session s;
  test::ScriptedFrontend fe;
  switch (at) {
    case At::Fresh:
      return s;
    case At::Gorilla:
      return test::GorillaAt(Stage::Loaded);
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
      {C::OpenSelect, At::Triangles, std::nullopt, std::nullopt},
      // Open Link.
      {C::OpenLink, At::Triangles, "3 1 2 2 3 3", M::InputFailed},
      {C::OpenLink, At::Triangles, "2 1 two 2 3", M::InputFailed},
      {C::OpenLink, At::Triangles, "", M::InvalidFile},
      {C::OpenLink, At::Triangles, std::nullopt, std::nullopt},
      // Reload > Consensus: the consensus must fit the data, and the fit must succeed.
      {C::Consensus, At::Gorilla, "2 8 2 " + shortConsensus, M::IncorrectConsensusCount},
      {C::Consensus, At::Gorilla, Repeated("1 7 2", 14, "0"), M::IncorrectConsensusShape},
      {C::Consensus, At::Gorilla, "1 8 3 0", M::IncorrectConsensusShape},
      {C::Consensus, At::Gorilla, shortConsensus, M::InputFailed},
      {C::Consensus, At::Gorilla, Repeated("1 8 2", 14, "0.1") + " abc 1", M::InputFailed},
      {C::Consensus, At::Gorilla, "1 eight 2", M::InvalidFile},
      {C::Consensus, At::Gorilla, kMissing, M::InvalidFile},
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
      // Open Factor.
      {C::OpenFactor, At::GorillaComponents, "58 1 1 1 2 3", M::FactorNotCorrect},
      {C::OpenFactor, At::GorillaComponents, Repeated("59 1 1", 59, "0.1"), M::FactorNotCorrect},
      {C::OpenFactor, At::GorillaComponents, "59 1 1 1 2 3", M::InputFailed},
      {C::OpenFactor, At::GorillaComponents, "59 1", M::InvalidFile},
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
    else if (*r.file == kMissing)
      fe.files.push_back(test::ScratchDir() + "no_such_file");
    else
      fe.files.push_back(test::WriteScratch("refused" + std::to_string(row), *r.file));

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

}  // namespace
}  // namespace vrel
