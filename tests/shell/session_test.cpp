// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/session.h"

#include <gtest/gtest.h>

#include <utility>

#include "app/command_table.h"
#include "shell/enabling.h"
#include "shell/prompt.h"
#include "shell/shell_commands.h"
#include "support/checks.h"
#include "support/scripted_frontend.h"

namespace vrel {
namespace {

using test::ScriptedFrontend;

TEST(SessionStartUp, HoldsTheStartUpValuesAndFullCapacityArrays) {
  const Session s;
  for (int count : {s.SpecimenCount, s.LandmarkCount, s.DimensionCount, s.LinkCount, s.GroupLimit,
                    s.PcsRetained, s.PromptResult, s.SelectedSpecimen, s.SelectedComponent,
                    s.SpecimensView, s.VectorsView, s.PlotView, s.PlotAxisX})
    EXPECT_EQ(count, 0);
  EXPECT_EQ(s.PlotAxisY, 1);
  for (bool flag : {s.DataLoaded, s.Superimposed, s.ComponentsComputed, s.DifferenceComputed,
                    s.RegressionVectorReady, s.DiscriminationVectorReady, s.ExtremesOption})
    EXPECT_FALSE(flag);
  EXPECT_TRUE(s.ShowLabels);
  EXPECT_TRUE(s.ColorOption);
  EXPECT_FLOAT_EQ(s.ShapeMagnitude, 0.1f);
  EXPECT_FLOAT_EQ(s.Zoom, 1.0f);
  EXPECT_FLOAT_EQ(s.DrawScale, 1000.0f);
  EXPECT_EQ(s.TiltAngle, 0.0f);
  EXPECT_EQ(s.TurnAngle, 0.0f);
  EXPECT_EQ(s.Rotation, (std::array<double, 6>{1, 0, 0, 0, 1, 0}));
  EXPECT_EQ(s.Coordinates.Rows(), 300);
  EXPECT_EQ(s.Coordinates.Cols(), 99);
  EXPECT_EQ(s.Pcs.Rows(), 99);
  EXPECT_EQ(s.Scores.Cols(), 99);
  EXPECT_EQ(s.Factor.Size(), 300);
  EXPECT_EQ(s.LandmarkSelection.Size(), 99);
  EXPECT_EQ(s.Coordinates[299][98], 0.0);
}

TEST(SessionStartUp, AnAllocationFailureIsRaisedToTheCaller) {
  EXPECT_THROW(Session(0), std::bad_alloc);
  EXPECT_THROW(Session(12), std::bad_alloc);
  EXPECT_NO_THROW(Session(13));  // there are only 13 allocation steps
}

TEST(ClearSession, ResetsTheSessionAndLeavesWhatItShouldKeep) {
  Session s;
  ScriptedFrontend fe;
  s.SpecimenCount = 30;
  s.LandmarkCount = 8;
  s.DimensionCount = 2;
  s.LinkCount = 3;
  s.GroupLimit = 10;
  s.DataLoaded = s.Superimposed = s.ComponentsComputed = s.DifferenceComputed = true;
  s.RegressionVectorReady = s.DiscriminationVectorReady = true;
  s.ColorOption = false;
  s.ShowLabels = true;
  s.ExtremesOption = true;
  s.Zoom = 2.0f;
  s.DrawScale = 2000.0f;
  s.PcsRetained = 5;
  s.PromptResult = 7;
  s.ShapeMagnitude = 0.25f;
  s.TiltAngle = 0.3f;
  s.Rotation = {0, 1, 0, 1, 0, 0};
  s.PlotAxisX = 4;
  s.PlotAxisY = 97;
  s.SelectedComponent = 98;
  s.SelectedSpecimen = 12;
  s.VectorsView = s.PlotView = s.SpecimensView = 1;
  s.Coordinates[299][98] = 1.0;
  s.Scores[5][96] = 2.0;
  s.Residuals[3][3] = 3.0;
  s.Pcs[98][98] = 4.0;
  s.ResultVector[98] = 5.0;
  s.Consensus[0] = 6.0;
  s.Factor[2] = 7.0;
  s.SingularValues[0] = 8.0;
  s.Sizes[1] = 9.0;
  s.Links[0] = 1;
  s.LandmarkSelection[0] = 1.0;
  fe.log = {"a line"};
  fe.visible[Window::Log] = false;
  fe.trackBar = -7;

  // What Clear Session keeps: the other display options, the last answers, and the arrays it
  // does not clear. Everything else is as at start-up.
  Session expected;
  expected.ShowLabels = false;  // start-up turns them on, Clear Session off
  expected.ExtremesOption = true;
  expected.Zoom = 2.0f;
  expected.DrawScale = 2000.0f;
  expected.PcsRetained = 5;
  expected.PromptResult = 7;
  expected.Factor[2] = 7.0;
  expected.SingularValues[0] = 8.0;
  expected.Sizes[1] = 9.0;
  expected.Links[0] = 1;
  expected.LandmarkSelection[0] = 1.0;

  ClearSessionClick(s, fe);

  test::ExpectSessionUnchanged(expected, s);
  EXPECT_TRUE(fe.log.empty());
  EXPECT_TRUE(fe.visible[Window::Log]);
  EXPECT_EQ(fe.trackBar, 4);
  EXPECT_EQ(fe.comboText[Combo::Comp], "");
  EXPECT_EQ(fe.comboText[Combo::Indi], "");
  EXPECT_TRUE(fe.Invalidated(Window::Specimens));
  EXPECT_TRUE(fe.Invalidated(Window::Vectors));
  EXPECT_TRUE(fe.Invalidated(Window::Plot));
  // The log is emptied, then raised, then the track bar and the toolbar follow.
  const std::vector<std::string> tail(fe.events.end() - 4, fe.events.end());
  EXPECT_EQ(tail, (std::vector<std::string>{"clear-log", "show:Log", "trackbar=4", "toolbar"}));
  ASSERT_TRUE(fe.toolbar.has_value());
  EXPECT_EQ(*fe.toolbar, ToolbarEnabled(Session()));
  EXPECT_TRUE(MenuItemEnabled(s, CommandId::OpenData));
}

TEST(ShellCommands, QuitLogAboutAndHelpReachTheFrontend) {
  Session s;
  ScriptedFrontend fe;
  ViewAboutClick(s, fe);  // the start-up box is still up: only brought to the front
  EXPECT_EQ(fe.events.back(), "show:About");
  fe.visible[Window::About] = false;
  ViewAboutClick(s, fe);
  EXPECT_EQ(fe.events.back(), "modal:About");
  fe.visible[Window::Log] = false;
  ViewLogClick(s, fe);
  EXPECT_TRUE(fe.visible[Window::Log]);
  Help1Click(s, fe);
  EXPECT_EQ(fe.events.back(), "help");
  QuitClick(s, fe);
  EXPECT_TRUE(fe.quitRequested);
}

// The one reading of an integer: the prompt's edit box, script arguments and every count of a
// file. What it refuses leaves the value as it was.
TEST(Prompt, ReadsIntegersAsTheEditBoxDoes) {
  const std::pair<const char*, int> read[] = {
      {"5", 5},
      {"-3", -3},
      {" +12 ", 12},
      {"\t7\r\n", 7},
      {"007", 7},
      {"-0", 0},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
  };
  for (const auto& [text, expected] : read) {
    int value = 99;
    EXPECT_TRUE(ParseInteger(text, value)) << text;
    EXPECT_EQ(value, expected) << text;
  }
  for (const char* refused : {"", " ", "abc", "5a", "1.5", "-", "+", "+-5", "-+5", "1 2", "0x10",
                              "5e3", "2147483648", "-2147483649", "99999999999999999999"}) {
    int value = 99;
    EXPECT_FALSE(ParseInteger(refused, value)) << refused;
    EXPECT_EQ(value, 99) << refused;
  }
}

TEST(Prompt, KeepsTheAnswerInPromptResult) {
  Session s;
  ScriptedFrontend fe;
  fe.numbers = {5, -3};
  EXPECT_EQ(AskPrompt(s, fe, "How many Pcs?"), 5);
  EXPECT_EQ(s.PromptResult, 5);
  EXPECT_EQ(AskPrompt(s, fe, "How many Pcs?"), -3);
  EXPECT_EQ(s.PromptResult, -3);
  EXPECT_EQ(AskPrompt(s, fe, "Number of PCS"), 0);  // cancelled
  EXPECT_EQ(s.PromptResult, 0);
  EXPECT_EQ(fe.prompts.back(), "Number of PCS");
}

}  // namespace
}  // namespace vrel
