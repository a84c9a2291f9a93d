// SPDX-License-Identifier: GPL-3.0-or-later
// The toolbar and the drawing windows as the front ends build them.
#include <gtest/gtest.h>

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

TEST(ToolbarTable, ControlsStandLeftToRightWithTheirHints) {
  struct Expected {
    const char* name;
    ControlKind kind;
    int x, width;  // the place at the least: a list may grow to show its items
    const char* hint;
  };
  using K = ControlKind;
  const Expected controls[] = {
      {"BoutonGpa", K::SpeedButton, 0, 23, "Compute superimposition"},
      {"BoutonPcs", K::SpeedButton, 25, 23, "Compute components"},
      {"BoutonZoomPlus", K::SpeedButton, 50, 23, "Enlargement"},
      {"BoutonZoomMoins", K::SpeedButton, 75, 23, "Reduction"},
      {"BoutonUp", K::SpeedButton, 100, 23, "Rotate up"},
      {"BoutonRight", K::SpeedButton, 125, 23, "Rotate right"},
      {"BoutonAll", K::SpeedButton, 150, 23, "Superimposed specimens"},
      {"ComboBoxIndi", K::ComboBox, 173, 55, "Specimen selection"},
      {"TrackBar1", K::TrackBar, 228, 150, "Shape change magnitude"},
      {"ComboBoxComp", K::ComboBox, 378, 58, "Vector selection"},
      {"BoutonPlot", K::SpeedButton, 436, 23, "Plot scores"},
      {"ComboXaxis", K::ComboBox, 461, 51, "X-axis"},
      {"ComboYaxis", K::ComboBox, 512, 51, "Y-axis"},
      {"BoutonLabel", K::SpeedButton, 563, 23, "Labels"},
  };
  const auto& table = ToolbarTable();
  ASSERT_EQ(table.size(), std::size(controls));
  ASSERT_EQ(table.size(), static_cast<std::size_t>(ToolbarControlCount));
  for (std::size_t i = 0; i < table.size(); ++i) {
    const Expected& c = controls[i];
    SCOPED_TRACE(c.name);
    EXPECT_EQ(table[i].id, static_cast<ToolbarControl>(i));
    EXPECT_EQ(&ToolbarControlDetails(table[i].id), &table[i]);
    EXPECT_STREQ(table[i].name, c.name);
    EXPECT_EQ(table[i].kind, c.kind);
    EXPECT_EQ(table[i].x, c.x);
    EXPECT_EQ(table[i].width, c.width);
    EXPECT_STREQ(table[i].hint, c.hint);
    EXPECT_EQ(table[i].glyph != nullptr, c.kind == K::SpeedButton);
  }
  EXPECT_EQ(ToolbarHeight, 29);
  EXPECT_EQ(SpeedButtonHeight, 21);
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

TEST(DrawingWindowTable, PlacesCaptionsAndPopupMenus) {
  struct Expected {
    Window id;
    const char* name;
    const char* caption;
    int left, top;
    int clientWidth, clientHeight;
    const char* popupName;
    bool popupOnPaintBox;
    std::vector<std::string> popupNames;
  };
  const Expected windows[] = {
      {Window::Specimens,
       "DrawWindow",
       "Specimens Window",
       40,
       121,
       568,
       375,
       "PopupMenu1",
       true,
       {"Copy1", "N2", "SauveMetafile", "N1", "Print1"}},
      {Window::Vectors,
       "PcsDraw",
       "Vectors Window",
       19,
       97,
       560,
       367,
       "PopupMenu2",
       false,
       {"Copy1", "N1", "SauveMetafile", "N2", "Print1"}},
      {Window::Plot,
       "PlotDraw",
       "Plot Window",
       0,
       75,
       550,
       349,
       "PopupMenu3",
       false,
       {"Copy1", "N1", "SauveMetafile", "N2", "Print1"}},
  };
  const auto& table = DrawingWindowTable();
  ASSERT_EQ(table.size(), std::size(windows));
  for (std::size_t i = 0; i < table.size(); ++i) {
    const DrawingWindowInfo& w = table[i];
    const Expected& e = windows[i];
    SCOPED_TRACE(e.name);
    EXPECT_EQ(w.id, e.id);
    EXPECT_EQ(&DrawingWindowDetails(w.id), &w);
    EXPECT_STREQ(w.name, e.name);
    EXPECT_STREQ(w.caption, e.caption);
    EXPECT_EQ(w.left, e.left);
    EXPECT_EQ(w.top, e.top);
    EXPECT_EQ(w.clientWidth, e.clientWidth);
    EXPECT_EQ(w.clientHeight, e.clientHeight);
    // The frame less a border of 4 pixels each side and a title bar of 19.
    EXPECT_EQ(w.width, w.clientWidth + 8);
    EXPECT_EQ(w.height, w.clientHeight + 27);
    EXPECT_STREQ(w.popupName, e.popupName);
    EXPECT_EQ(w.popupOnPaintBox, e.popupOnPaintBox);
    std::vector<std::string> names, captions;
    for (const PopupItem& item : w.popup) {
      names.push_back(item.name);
      captions.push_back(item.caption);
    }
    EXPECT_EQ(names, e.popupNames);
    EXPECT_EQ(captions, (std::vector<std::string>{"Copy", "-", "Save to metafile", "-", "Print"}));
  }
  EXPECT_THROW(DrawingWindowDetails(Window::Log), std::invalid_argument);
}

}  // namespace
}  // namespace vrel
