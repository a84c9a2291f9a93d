// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/toolbar.h"

#include "graphics/view_commands.h"
#include "shell/session.h"
#include "shell/specimen_names.h"

namespace vrel {

namespace {

std::vector<std::string> Numbers(int last) {
  std::vector<std::string> items;
  for (int i = 1; i <= last; ++i) items.push_back(std::to_string(i));
  return items;
}

// "1" to "97", then the two result vectors: the columns of Pcs.
std::vector<std::string> VectorItems() {
  std::vector<std::string> items = Numbers(97);
  items.insert(items.end(), {"Regres", "Discrim"});
  return items;
}

std::vector<ToolbarControlInfo> BuildToolbar() {
  using T = ToolbarControl;
  using K = ControlKind;
  // Nothing chosen at start-up in the specimen and vector lists; the axis lists start on the
  // first two score columns. The lists' items are typed in vrel-batch from 1.
  // clang-format off
  return {
      {.id = T::BoutonGpa, .name = "BoutonGpa", .x = 0, .hint = "Compute superimposition",
       .glyph = "gpa", .command = CommandId::Gpa},
      {.id = T::BoutonPcs, .name = "BoutonPcs", .x = 25, .hint = "Compute components",
       .glyph = "pcs", .command = CommandId::Pcs},
      {.id = T::BoutonZoomPlus, .name = "BoutonZoomPlus", .x = 50, .hint = "Enlargement",
       .glyph = "zoom_plus", .handler = BoutonZoomPlusClick, .batchWord = "zoom-in"},
      {.id = T::BoutonZoomMoins, .name = "BoutonZoomMoins", .x = 75, .hint = "Reduction",
       .glyph = "zoom_minus", .handler = BoutonZoomMoinsClick, .batchWord = "zoom-out"},
      {.id = T::BoutonUp, .name = "BoutonUp", .x = 100, .hint = "Rotate up",
       .glyph = "rotate_up", .handler = BoutonUpClick, .batchWord = "rotate-up"},
      {.id = T::BoutonRight, .name = "BoutonRight", .x = 125, .hint = "Rotate right",
       .glyph = "rotate_right", .handler = BoutonRightClick, .batchWord = "rotate-right"},
      {.id = T::BoutonAll, .name = "BoutonAll", .x = 150, .hint = "Superimposed specimens",
       .glyph = "all", .command = CommandId::ViewAll},
      {.id = T::ComboBoxIndi, .name = "ComboBoxIndi", .kind = K::ComboBox, .x = 173, .width = 55,
       .hint = "Specimen selection", .items = Numbers(MaxSpecimens), .start = -1,
       .handler = ComboBoxIndiClick, .keyHandler = ComboBoxIndiKeyDown,
       .batchWord = "select-specimen", .batchOffset = 1},
      {.id = T::TrackBar1, .name = "TrackBar1", .kind = K::TrackBar, .x = 228, .width = 150,
       .hint = "Shape change magnitude", .minimum = -10, .maximum = 10,
       .start = DefaultTrackBarPosition, .handler = TrackBar1Change, .batchWord = "magnitude"},
      {.id = T::ComboBoxComp, .name = "ComboBoxComp", .kind = K::ComboBox, .x = 378, .width = 58,
       .hint = "Vector selection", .items = VectorItems(), .start = -1,
       .handler = ComboBoxCompClick, .keyHandler = ComboBoxCompKeyDown,
       .batchWord = "select-vector", .batchOffset = 1},
      {.id = T::BoutonPlot, .name = "BoutonPlot", .x = 436, .hint = "Plot scores",
       .glyph = "plot", .command = CommandId::ViewPlot},
      // An axis list: a choice plots its column on its axis.
      {.id = T::ComboXaxis, .name = "ComboXaxis", .kind = K::ComboBox, .x = 461, .width = 51,
       .hint = "X-axis", .items = AxisListItems(0), .start = 0, .handler = ComboXaxisClick},
      {.id = T::ComboYaxis, .name = "ComboYaxis", .kind = K::ComboBox, .x = 512, .width = 51,
       .hint = "Y-axis", .items = AxisListItems(0), .start = 1, .handler = ComboYaxisClick},
      {.id = T::BoutonLabel, .name = "BoutonLabel", .x = 563, .hint = "Labels",
       .glyph = "labels", .handler = BoutonLabelClick, .batchWord = "labels"},
  };
  // clang-format on
}

}  // namespace

const std::vector<ToolbarControlInfo>& ToolbarTable() {
  static const std::vector<ToolbarControlInfo> table = BuildToolbar();
  return table;
}

const ToolbarControlInfo& ToolbarControlDetails(ToolbarControl id) {
  return ToolbarTable()[static_cast<std::size_t>(id)];
}

int ListItemCount(const Session& s, const ToolbarControlInfo& control) {
  return control.id == ToolbarControl::ComboBoxIndi ? s.Room.Specimens
                                                    : static_cast<int>(control.items.size());
}

const ToolbarControlInfo* ToolbarControlByBatchWord(const std::string& word) {
  for (const ToolbarControlInfo& info : ToolbarTable())
    if (info.batchWord != nullptr && word == info.batchWord) return &info;
  return nullptr;
}

}  // namespace vrel
