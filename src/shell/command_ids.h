// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "shell/frontend.h"
#include "shell/session.h"

namespace vrel {

// Every command of the main window's menus, in menu order.
enum class CommandId {
  OpenData,
  OpenLink,
  OpenFactor,
  OpenSelect,
  OpenVariables,
  Consensus,
  ShapeVectors,
  SaveResiduals,
  SaveConsensus,
  SaveSize,
  SaveScores,
  SaveSingleScore,
  SavePcs,
  SaveSinglePcs,
  SaveDistances,
  SaveCva,
  SaveGroupDistances,
  SaveClassification,
  SaveAnova,
  SaveScript,
  ClearSession,
  Quit,
  Gpa,
  Pcs,
  Regression,
  RegressionTest,
  MeanRegression,
  MeanRegressionTest,
  MantelTest,
  Discrimination,
  DiscriminationTest,
  Deflation,
  Difference,
  Outliers,
  CanonicalVariates,
  Classification,
  LinearModel,
  Repeatability,
  ViewAll,
  ViewPcs,
  ViewPlot,
  ViewLog,
  FitToWindow,
  DefineGroups,
  GroupsFromVariable,
  OptionColor,
  Enveloppe,
  DeformationGrid,
  Ellipses,
  AxisTitles,
  AxisScales,
  Legend,
  LargeMarkers,
  NameLabels,
  FitOnResize,
  DataCapacity,
  Help1,
  ViewAbout,
};

using CommandHandler = void (*)(Session&, Frontend&);

// A toolbar control's or a key's handler: takes the control's value (item index, position or
// key), which the Qt layer reads from its widget and vrel-batch takes from the script.
using ControlHandler = void (*)(Session&, Frontend&, int value);
// Left and Right in a list: the item it shows (-1: none) and the key.
using ListKeyHandler = void (*)(Session&, Frontend&, int item, int key);

// What a vrel-batch argument answers: the number prompt, a file dialog or the text prompt. A
// variable is a number prompt whose answer a script may give as the variable's name; a text is
// one quoted word, or every word up to the numbers that end the line.
enum class ArgKind { Number, File, Variable, Text };

struct CommandInfo {
  CommandId id;
  const char* name;     // the menu item's name
  const char* caption;  // with & before the access key
  CommandHandler handler;
  const char* batchWord;      // null when vrel-batch has no word for it
  std::vector<ArgKind> args;  // the prompts and file dialogs the handler runs, in order
  // What a script that leaves the last argument out gives for it (null: it must be given).
  const char* lastDefault = nullptr;
};

// The menu bar: each menu's items in order; separators, and the "Reload " item that opens a
// submenu.
struct MenuEntry {
  enum Kind { Item, Separator, Submenu } kind;
  CommandId id;                         // Item
  const char* name;                     // Submenu
  const char* caption;                  // Submenu
  std::vector<CommandId> submenuItems;  // Submenu
};

struct MenuSpec {
  const char* name;
  const char* caption;
  std::vector<MenuEntry> entries;
};

}  // namespace vrel
