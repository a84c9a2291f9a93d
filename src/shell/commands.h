#pragma once

#include <string>
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
  Consensus,
  ShapeVectors,
  SaveResiduals,
  SaveConsensus,
  SaveSize,
  SaveScores,
  SaveSingleScore,
  SavePcs,
  SaveSinglePcs,
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
  ViewAll,
  ViewPcs,
  ViewPlot,
  ViewLog,
  DefineGroups,
  OptionColor,
  Enveloppe,
  Help1,
  ViewAbout,
};

using CommandHandler = void (*)(Session&, Frontend&);

// What a vrel-batch argument answers: the number prompt or a file dialog.
enum class ArgKind { Number, File };

struct CommandInfo {
  CommandId id;
  const char* name;        // the menu item's name
  const char* caption;     // with & before the access key
  CommandHandler handler;  // null while the command is not available in this version
  const char* batchWord;   // null when vrel-batch has no word for it
  std::vector<ArgKind> args;
};

const std::vector<CommandInfo>& CommandTable();
const CommandInfo& Command(CommandId id);
const CommandInfo* CommandByBatchWord(const std::string& word);

// The menu bar: each menu's items in order; a null entry is a separator line, and the
// "Reload " item opens a submenu.
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

const std::vector<MenuSpec>& MenuBar();

// Menu enabling, recomputed each time a menu opens.
bool MenuItemEnabled(const Session& s, CommandId id);
// Check marks of the Options menu.
bool MenuItemChecked(const Session& s, CommandId id);
// Toolbar enabling as the commands leave it.
ToolbarEnabling ToolbarEnabled(const Session& s);

// Brings the toolbar up to date with the stage flags.
void ActiverBoutons(const Session& s, Frontend& fe);

// Shows the number prompt and keeps its answer in PromptResult.
int AskPrompt(Session& s, Frontend& fe, const std::string& question);

// The prompt's reading of its edit box: a decimal integer with optional sign and
// surrounding blanks, within 32 bits; anything else gives nothing.
bool ParseInteger(const std::string& text, int& value);

// Commands of the application shell.
void ClearSessionClick(Session& s, Frontend& fe);
void QuitClick(Session& s, Frontend& fe);
void ViewLogClick(Session& s, Frontend& fe);
void ViewAboutClick(Session& s, Frontend& fe);
void Help1Click(Session& s, Frontend& fe);

}  // namespace vrel
