// SPDX-License-Identifier: GPL-3.0-or-later
#include "numerics/superimposition_commands.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "files/file_commands.h"
#include "support/checks.h"
#include "support/scripted_frontend.h"
#include "support/test_data.h"

namespace vrel {
namespace {

using test::ScriptedFrontend;

Session Opened(const std::string& name, const std::string& text) {
  Session s;
  ScriptedFrontend fe;
  fe.files = {test::WriteScratch(name, text)};
  OpenDataClick(s, fe);
  EXPECT_TRUE(s.DataLoaded) << fe.LastMessage();
  return s;
}

TEST(Superimposition, ASingleTriangleIsItsOwnConsensus) {
  Session s = Opened("triangle.dat", "1 3 2  0 0 4 0 0 3");
  ScriptedFrontend fe;
  GpaClick(s, fe);
  EXPECT_NEAR(s.Sizes[0], std::sqrt(50.0 / 3.0), 1e-12);
  EXPECT_NEAR(s.Sizes[0], 4.082483, 5e-7);
  double length = 0.0;
  for (int j = 0; j < 6; ++j) {
    length += s.Consensus[j] * s.Consensus[j];
    EXPECT_NEAR(s.Residuals[0][j], 0.0, 1e-15);
  }
  EXPECT_NEAR(length, 1.0, 1e-14);
  EXPECT_EQ(fe.log, (std::vector<std::string>{"All specimen superimposed by GLS method",
                                              "Sum of Squared Deviations =  0.000000"}));
  EXPECT_TRUE(s.Superimposed);
  EXPECT_FALSE(s.ComponentsComputed);
  EXPECT_TRUE(fe.messages.empty());
  EXPECT_EQ(fe.toolbarUpdates, 1);
}

TEST(Superimposition, RefusesASpecimenWithoutSizeAndKeepsTheSession) {
  const char* degenerate[] = {"2 3 2  0 0 4 0 0 3  2 2 2 2 2 2",  // landmarks that coincide
                              "2 3 2  0 0 4 0 0 3  0 0 1e300 0 0 1e300"};  // a size beyond a double
  for (const char* text : degenerate) {
    SCOPED_TRACE(text);
    Session s = Opened("degenerate.dat", text);
    s.Consensus[0] = 0.25;
    s.Sizes[0] = 9.0;
    s.Residuals[1][1] = 0.5;
    s.Scores[1][1] = 0.75;
    s.ComponentsComputed = true;
    const Session before = s;
    ScriptedFrontend fe;
    GpaClick(s, fe);
    test::ExpectOneMessage(fe, Message::IncorrectData);
    EXPECT_TRUE(fe.log.empty());
    EXPECT_EQ(fe.toolbarUpdates, 1);
    test::ExpectSessionUnchanged(before, s);
  }
}

}  // namespace
}  // namespace vrel
