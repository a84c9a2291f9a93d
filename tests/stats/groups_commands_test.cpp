// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdio>

#include "app/command_table.h"
#include "shell/capacities.h"
#include "shell/enabling.h"
#include "shell/prompt.h"
#include "shell/shell_commands.h"
#include "stats/statistics_commands.h"
#include "stats/stats_fixture.h"
#include "support/checks.h"
#include "support/scripted_frontend.h"

namespace vrel {
namespace {

struct Groups : ::testing::Test {
  Session s;
  test::ScriptedFrontend fe;
  void SetUp() override { test::FillComponentSession(s, 20, 5, 2); }
};

TEST_F(Groups, DefineGroupsSplitsAfterTheAnsweredRank) {
  fe.numbers = {6};
  DefineGroupsClick(s, fe);
  EXPECT_EQ(fe.prompts.back(), "Rank of the 1st specimen of the 2nd group?");
  EXPECT_EQ(s.GroupLimit, 5);
  EXPECT_EQ(fe.log.back(), "The groups limit is after the specimen : 5");
  for (int i = 0; i < 20; ++i) EXPECT_EQ(s.GroupCodes[i], i < 5 ? 0.0 : 1.0);
  EXPECT_TRUE(fe.Invalidated(Window::Plot));
  EXPECT_TRUE(MenuItemEnabled(s, CommandId::Discrimination));
}

TEST_F(Groups, AnswersOutsideTheSampleRemoveTheGroups) {
  for (int answer : {1, 20, 0, -4, 300}) {
    s.GroupLimit = 7;
    fe.numbers = {answer};
    DefineGroupsClick(s, fe);
    EXPECT_EQ(s.GroupLimit, 0) << answer;
    EXPECT_EQ(fe.log.back(), "The groups limit is after the specimen : 0");
    EXPECT_FALSE(MenuItemEnabled(s, CommandId::Discrimination));
  }
  // The largest accepted answer leaves two specimens in the second group.
  fe.numbers = {19};
  DefineGroupsClick(s, fe);
  EXPECT_EQ(s.GroupLimit, 18);
}

TEST_F(Groups, DiscriminationCentresTheCodesAndPublishesSlot98) {
  fe.numbers = {6, 3};
  DefineGroupsClick(s, fe);
  DiscriminationClick(s, fe);
  EXPECT_DOUBLE_EQ(s.GroupCodes[0], -0.75);
  EXPECT_DOUBLE_EQ(s.GroupCodes[19], 0.25);
  ASSERT_EQ(fe.log.size(), 5u);
  EXPECT_EQ(fe.log[1], "Discrimination coefficient (normalized) with     3 PCS.");
  EXPECT_TRUE(s.DiscriminationVectorReady);
  EXPECT_FALSE(s.RegressionVectorReady);
  EXPECT_EQ(fe.comboIndex[Combo::Comp], DiscriminationColumn);
  double length = 0.0;
  for (int r = 0; r < 10; ++r)
    length += s.Pcs[r][DiscriminationColumn] * s.Pcs[r][DiscriminationColumn];
  EXPECT_NEAR(length, 1.0, 1e-12);
  // Centring again changes nothing.
  fe.numbers = {3};
  DiscriminationClick(s, fe);
  EXPECT_DOUBLE_EQ(s.GroupCodes[0], -0.75);
}

TEST_F(Groups, DiscriminationTestHasItsOwnRefusal) {
  test::FillComponentSession(s, 20, 12, 2);  // shape space of 20 dimensions: no cap at 19
  test::DefineGroupLimit(s, 5);
  fe.numbers = {19};
  DiscriminationTestClick(s, fe);
  test::ExpectOneMessage(fe, "Not enoug specimens", "ERROR", Icon::Exclamation);
  fe.numbers = {19};
  DiscriminationClick(s, fe);
  EXPECT_EQ(fe.messages[1].text, "Not enough specimens");
  EXPECT_EQ(fe.messages[1].caption, "");
  EXPECT_TRUE(fe.log.empty());
}

TEST_F(Groups, DiscriminationTestEqualsTheRegressionTestOfTheCodes) {
  test::DefineGroupLimit(s, 8);
  fe.numbers = {4};
  DiscriminationTestClick(s, fe);
  ASSERT_EQ(fe.log.size(), 2u);
  EXPECT_EQ(fe.log[0], "Discrimination statistic for     4 components.");
  EXPECT_EQ(fe.events.back(), "show:Log");
  // The same statistic through the regression test, with the centred codes as factor.
  for (int i = 0; i < 20; ++i) s.Factor[i] = s.GroupCodes[i];
  fe.numbers = {4};
  RegressionTestClick(s, fe);
  EXPECT_EQ(fe.log[3], fe.log[1]);
  EXPECT_FALSE(s.DiscriminationVectorReady);  // the test leaves the vector alone
}

TEST_F(Groups, CodesLeftFromASmallerFileFollowTheGroupsAgain) {
  // Groups defined on 12 specimens, then a file of 20 specimens: codes 12..19 are stale zeros.
  s.SpecimenCount = 12;
  fe.numbers = {6};
  DefineGroupsClick(s, fe);
  s.SpecimenCount = 20;
  for (int i = 12; i < 20; ++i) s.GroupCodes[i] = 0.0;
  fe.numbers = {3};
  DiscriminationClick(s, fe);
  for (int i = 0; i < 20; ++i) EXPECT_DOUBLE_EQ(s.GroupCodes[i], i < 5 ? -0.75 : 0.25) << i;
}

}  // namespace
}  // namespace vrel
