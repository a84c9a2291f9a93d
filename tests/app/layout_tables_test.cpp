// SPDX-License-Identifier: GPL-3.0-or-later
// The toolbar and the drawing windows as the front ends build them.
#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/toolbar.h"
#include "app/windows.h"
#include "shell/capacities.h"
#include "shell/session.h"

namespace vrel {
namespace {

std::vector<std::string> Numbers(int last) {
  std::vector<std::string> items;
  for (int i = 1; i <= last; ++i) items.push_back(std::to_string(i));
  return items;
}

std::vector<std::string> Plus(std::vector<std::string> items, std::vector<std::string> more) {
  items.insert(items.end(), more.begin(), more.end());
  return items;
}

TEST(ToolbarTable, ControlsStandLeftToRightWithoutOverlapping) {
  const auto& table = ToolbarTable();
  ASSERT_EQ(table.size(), static_cast<std::size_t>(ToolbarControlCount));
  for (std::size_t i = 0; i < table.size(); ++i) {
    SCOPED_TRACE(table[i].name);
    EXPECT_EQ(table[i].id, static_cast<ToolbarControl>(i));
    EXPECT_EQ(&ToolbarControlDetails(table[i].id), &table[i]);
    EXPECT_GT(table[i].width, 0);
    if (table[i].kind == ControlKind::SpeedButton) {
      EXPECT_EQ(table[i].width, SpeedButtonWidth);
      EXPECT_NE(table[i].glyph, nullptr);
    }
    if (i > 0) {
      EXPECT_LE(table[i - 1].x + table[i - 1].width, table[i].x);
    }
  }
  EXPECT_EQ(table.front().x, 0);
}

// The lists choose a specimen, a column of Pcs, and columns of Scores: their items are those
// rows and columns, the named ones where the session keeps its results.
TEST(ToolbarTable, ListsOfferTheRowsAndColumnsTheyChoose) {
  const auto items = [](ToolbarControl id) { return ToolbarControlDetails(id).items; };
  EXPECT_EQ(items(ToolbarControl::ComboBoxIndi), Numbers(MaxSpecimens));
  const auto vectors = items(ToolbarControl::ComboBoxComp);
  EXPECT_EQ(vectors, Plus(Numbers(97), {"Regres", "Discrim"}));
  ASSERT_EQ(vectors.size(), static_cast<std::size_t>(MaxComponents));
  EXPECT_EQ(vectors[RegressionColumn], "Regres");
  const auto columns = Plus(Numbers(96), {"Cs/Fac", "Regres", "Discrim"});
  ASSERT_EQ(columns.size(), static_cast<std::size_t>(MaxComponents));
  EXPECT_EQ(columns[SizeColumn], "Cs/Fac");
  EXPECT_EQ(columns[DiscriminationColumn], "Discrim");
  EXPECT_EQ(items(ToolbarControl::ComboXaxis), columns);
  EXPECT_EQ(items(ToolbarControl::ComboYaxis), columns);
  // The axis lists start on the session's start-up axes, the others on no item.
  const Session start;
  EXPECT_EQ(ToolbarControlDetails(ToolbarControl::ComboXaxis).start, start.PlotAxisX);
  EXPECT_EQ(ToolbarControlDetails(ToolbarControl::ComboYaxis).start, start.PlotAxisY);
  EXPECT_EQ(ToolbarControlDetails(ToolbarControl::ComboBoxIndi).start, -1);
  EXPECT_EQ(ToolbarControlDetails(ToolbarControl::ComboBoxComp).start, -1);
}

TEST(ToolbarTable, TrackBarGivesTheShapeMagnitude) {
  const ToolbarControlInfo& track = ToolbarControlDetails(ToolbarControl::TrackBar1);
  EXPECT_EQ(track.kind, ControlKind::TrackBar);
  EXPECT_EQ(track.minimum, -10);
  EXPECT_EQ(track.maximum, 10);
  EXPECT_EQ(track.start, DefaultTrackBarPosition);
  EXPECT_EQ(MagnitudeOfPosition(DefaultTrackBarPosition), Session().ShapeMagnitude);
  EXPECT_FLOAT_EQ(Session().ShapeMagnitude, 0.1f);
  for (int position = track.minimum; position <= track.maximum; ++position)
    EXPECT_FLOAT_EQ(MagnitudeOfPosition(position), static_cast<float>(position * 0.025))
        << position;
  EXPECT_EQ(MagnitudeOfPosition(0), 0.0f);
  EXPECT_FLOAT_EQ(MagnitudeOfPosition(-10), -0.25f);
}

TEST(DrawingWindowTable, ClientAreasAndPopupMenus) {
  const auto& table = DrawingWindowTable();
  ASSERT_EQ(table.size(), 3u);
  const Window order[] = {Window::Specimens, Window::Vectors, Window::Plot};
  const int client[3][2] = {{568, 375}, {560, 367}, {550, 349}};
  for (std::size_t i = 0; i < 3; ++i) {
    const DrawingWindowInfo& w = table[i];
    SCOPED_TRACE(w.name);
    EXPECT_EQ(w.id, order[i]);
    EXPECT_EQ(&DrawingWindowDetails(w.id), &w);
    // The frame less a border of 4 pixels each side and a title bar of 19.
    EXPECT_EQ(w.clientWidth, w.width - 8);
    EXPECT_EQ(w.clientHeight, w.height - 27);
    EXPECT_EQ(w.clientWidth, client[i][0]);
    EXPECT_EQ(w.clientHeight, client[i][1]);
    std::vector<std::string> captions;
    std::set<std::string> names;
    for (const PopupItem& item : w.popup) {
      captions.push_back(item.caption);
      EXPECT_TRUE(names.insert(item.name).second) << item.name;
    }
    EXPECT_EQ(captions, (std::vector<std::string>{"Copy", "-", "Save to metafile", "-", "Print"}));
  }
  EXPECT_THROW(DrawingWindowDetails(Window::Log), std::invalid_argument);
}

}  // namespace
}  // namespace vrel
