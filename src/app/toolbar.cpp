// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/toolbar.h"

#include "graphics/view_commands.h"
#include "shell/session.h"

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

// "1" to "96", then the size-or-factor column and the two projections: the columns of Scores.
std::vector<std::string> ColumnItems() {
  std::vector<std::string> items = Numbers(96);
  items.insert(items.end(), {"Cs/Fac", "Regres", "Discrim"});
  return items;
}

ToolbarControlInfo Control(ToolbarControl id, const char* name, ControlKind kind, int x, int width,
                           const char* hint) {
  ToolbarControlInfo info;
  info.id = id;
  info.name = name;
  info.kind = kind;
  info.x = x;
  info.width = width;
  info.hint = hint;
  return info;
}

ToolbarControlInfo Button(ToolbarControl id, const char* name, int x, const char* hint,
                          const char* glyph, std::optional<CommandId> command) {
  ToolbarControlInfo info = Control(id, name, ControlKind::SpeedButton, x, SpeedButtonWidth, hint);
  info.glyph = glyph;
  info.command = command;
  return info;
}

ToolbarControlInfo Button(ToolbarControl id, const char* name, int x, const char* hint,
                          const char* glyph, ControlHandler handler, const char* batchWord) {
  ToolbarControlInfo info = Button(id, name, x, hint, glyph, std::nullopt);
  info.handler = handler;
  info.batchWord = batchWord;
  return info;
}

// A list whose choice and arrow keys have handlers, typed in vrel-batch from 1.
ToolbarControlInfo Chooser(ToolbarControlInfo info, ControlHandler click, ListKeyHandler keys,
                           const char* batchWord) {
  info.handler = click;
  info.keyHandler = keys;
  info.batchWord = batchWord;
  info.batchOffset = 1;
  return info;
}

ToolbarControlInfo List(ToolbarControl id, const char* name, int x, int width, const char* hint,
                        std::vector<std::string> items, int start,
                        std::optional<CommandId> command = std::nullopt) {
  ToolbarControlInfo info = Control(id, name, ControlKind::ComboBox, x, width, hint);
  info.items = std::move(items);
  info.start = start;
  info.command = command;
  return info;
}

// An axis list of the plot: a choice plots its column on its axis.
ToolbarControlInfo Axis(ToolbarControlInfo info, ControlHandler click) {
  info.handler = click;
  return info;
}

std::vector<ToolbarControlInfo> BuildToolbar() {
  using T = ToolbarControl;
  ToolbarControlInfo track =
      Control(T::TrackBar1, "TrackBar1", ControlKind::TrackBar, 228, 150, "Shape change magnitude");
  track.minimum = -10;
  track.maximum = 10;
  track.start = DefaultTrackBarPosition;
  track.handler = TrackBar1Change;
  track.batchWord = "magnitude";
  // Nothing chosen at start-up in the specimen and vector lists; the axis lists start on the
  // first two score columns.
  return {
      Button(T::BoutonGpa, "BoutonGpa", 0, "Compute superimposition", "gpa", CommandId::Gpa),
      Button(T::BoutonPcs, "BoutonPcs", 25, "Compute components", "pcs", CommandId::Pcs),
      Button(T::BoutonZoomPlus, "BoutonZoomPlus", 50, "Enlargement", "zoom_plus",
             BoutonZoomPlusClick, "zoom-in"),
      Button(T::BoutonZoomMoins, "BoutonZoomMoins", 75, "Reduction", "zoom_minus",
             BoutonZoomMoinsClick, "zoom-out"),
      Button(T::BoutonUp, "BoutonUp", 100, "Rotate up", "rotate_up", BoutonUpClick, "rotate-up"),
      Button(T::BoutonRight, "BoutonRight", 125, "Rotate right", "rotate_right", BoutonRightClick,
             "rotate-right"),
      Button(T::BoutonAll, "BoutonAll", 150, "Superimposed specimens", "all", CommandId::ViewAll),
      Chooser(List(T::ComboBoxIndi, "ComboBoxIndi", 173, 55, "Specimen selection",
                   Numbers(MaxSpecimens), -1),
              ComboBoxIndiClick, ComboBoxIndiKeyDown, "select-specimen"),
      track,
      Chooser(List(T::ComboBoxComp, "ComboBoxComp", 378, 58, "Vector selection", VectorItems(), -1),
              ComboBoxCompClick, ComboBoxCompKeyDown, "select-vector"),
      Button(T::BoutonPlot, "BoutonPlot", 436, "Plot scores", "plot", CommandId::ViewPlot),
      Axis(List(T::ComboXaxis, "ComboXaxis", 461, 51, "X-axis", ColumnItems(), 0), ComboXaxisClick),
      Axis(List(T::ComboYaxis, "ComboYaxis", 512, 51, "Y-axis", ColumnItems(), 1), ComboYaxisClick),
      Button(T::BoutonLabel, "BoutonLabel", 563, "Labels", "labels", BoutonLabelClick, "labels"),
  };
}

}  // namespace

const std::vector<ToolbarControlInfo>& ToolbarTable() {
  static const std::vector<ToolbarControlInfo> table = BuildToolbar();
  return table;
}

const ToolbarControlInfo& ToolbarControlDetails(ToolbarControl id) {
  return ToolbarTable()[static_cast<std::size_t>(id)];
}

const ToolbarControlInfo* ToolbarControlByBatchWord(const std::string& word) {
  for (const ToolbarControlInfo& info : ToolbarTable())
    if (info.batchWord != nullptr && word == info.batchWord) return &info;
  return nullptr;
}

}  // namespace vrel
