// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "shell/command_ids.h"
#include "shell/frontend.h"

namespace vrel {

inline constexpr int ToolbarHeight = 29;
inline constexpr int SpeedButtonWidth = 23;
inline constexpr int SpeedButtonHeight = 21;

enum class ControlKind { SpeedButton, ComboBox, TrackBar };

// One control of the main window's toolbar, as the front ends build it.
struct ToolbarControlInfo {
  ToolbarControl id;
  const char* name;
  ControlKind kind = ControlKind::SpeedButton;
  int x = 0;  // left edge in the toolbar, in pixels
  int width = SpeedButtonWidth;
  const char* hint = nullptr;           // shown as the tooltip
  const char* glyph = nullptr;          // speed buttons: the picture's name under resources/toolbar
  std::vector<std::string> items = {};  // combo boxes: the list, item 0 first
  int minimum = 0;                      // the track bar's range
  int maximum = 0;
  int start = 0;  // the track bar's position, or the combo box's item index (-1: none)
  // What the control runs: a menu command, or a handler that takes the control's value.
  std::optional<CommandId> command = std::nullopt;
  ControlHandler handler = nullptr;
  ListKeyHandler keyHandler = nullptr;  // Left and Right in a list
  // The vrel-batch word of a control that runs no menu command; the typed number less
  // batchOffset is the control's value (list items are typed from 1).
  const char* batchWord = nullptr;
  int batchOffset = 0;
};

// The toolbar's controls from left to right, in ToolbarControl order.
const std::vector<ToolbarControlInfo>& ToolbarTable();
const ToolbarControlInfo& ToolbarControlDetails(ToolbarControl id);
const ToolbarControlInfo* ToolbarControlByBatchWord(const std::string& word);
// How many items a list shows in the session: its table's items, except the specimen list,
// which has a row for every specimen the session holds.
int ListItemCount(const Session& s, const ToolbarControlInfo& control);

}  // namespace vrel
