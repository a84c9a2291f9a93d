// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_table.h"

#include <gtest/gtest.h>

#include <iomanip>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/toolbar.h"
#include "shell/enabling.h"
#include "support/scripted_frontend.h"
#include "support/stages.h"
#include "support/test_data.h"

namespace vrel {
namespace {

using C = CommandId;

TEST(CommandTable, IsInMenuOrderAndEveryItemAppearsOnceInTheMenus) {
  const auto& table = CommandTable();
  for (std::size_t i = 0; i < table.size(); ++i)
    EXPECT_EQ(static_cast<std::size_t>(table[i].id), i) << table[i].name;
  std::vector<C> order;
  for (const MenuSpec& menu : MenuBar())
    for (const MenuEntry& entry : menu.entries) {
      if (entry.kind == MenuEntry::Item) order.push_back(entry.id);
      if (entry.kind == MenuEntry::Submenu)
        order.insert(order.end(), entry.submenuItems.begin(), entry.submenuItems.end());
    }
  ASSERT_EQ(order.size(), table.size());
  for (std::size_t i = 0; i < order.size(); ++i) EXPECT_EQ(order[i], table[i].id);
}

// The front ends run whatever the tables name, unchecked.
TEST(CommandTable, EveryCommandAndToolbarControlHasWhatItRuns) {
  for (const CommandInfo& command : CommandTable())
    EXPECT_NE(command.handler, nullptr) << command.name;
  for (const ToolbarControlInfo& control : ToolbarTable())
    EXPECT_NE(control.handler != nullptr, control.command.has_value()) << control.name;
}

// Each menu's caption, then its items; "-" is a separator, a submenu lists its items in braces.
TEST(CommandTable, MenusHoldTheirCaptionsWithSeparators) {
  std::vector<std::vector<std::string>> menus;
  for (const MenuSpec& menu : MenuBar()) {
    std::vector<std::string> items = {menu.caption};
    for (const MenuEntry& entry : menu.entries) {
      if (entry.kind == MenuEntry::Separator) {
        items.push_back("-");
      } else if (entry.kind == MenuEntry::Submenu) {
        std::string submenu = std::string(entry.caption) + "{";
        for (C id : entry.submenuItems) submenu += std::string(Command(id).caption) + ",";
        submenu.back() = '}';
        items.push_back(submenu);
      } else {
        items.push_back(Command(entry.id).caption);
      }
    }
    menus.push_back(items);
  }
  // clang-format off
  const std::vector<std::vector<std::string>> expected = {
      {"&File", "Open &Data", "Open &Link", "Open &Factor", "Open Se&lection",
       "Open &Variables\u2026", "-",
       "Reload {Consensus,PCS}", "-", "Save &Residuals", "Save &Consensus", "Save &Sizes", "-",
       "Save S&cores", "Save one Projection", "Save &PCS", "Save one PCS",
       "Save Distances", "Save Canonical Variates", "Save Group Distances", "Save Classification",
       "Save ANOVA Table", "-",
       "Save Scrip&t\u2026", "-", "Clear Session", "Quit"},
      {"&Compute", "&Superimposition", "&Components", "-", "&Regression", "Regression T&est", "-",
       "Mean Regression", "Mean Regression Test", "Homogeneity Test", "-", "&Discrimination",
       "Discrimination &Test", "-", "Hyperprojection", "Shape difference"},
      {"A&nalyses", "Outliers", "-", "Canonical Variates\u2026", "Classification\u2026", "-",
       "Linear Model\u2026", "Repeatability\u2026"},
      {"&Window", "Specimens", "Vectors", "Plot", "Log", "-", "Fit to Window"},
      {"&Options", "Define groups", "Groups from Variable\u2026", "-", "Color", "Extremes", "-", "Deformation grid", "Ellipses",
       "Axis titles", "Axis scales", "Legend", "Large markers", "Names as labels", "Fit on resize",
       "-", "Data capacity\u2026"},
      {"&About", "&Help", "-", "About"},
  };
  // clang-format on
  EXPECT_EQ(menus, expected);
}

TEST(CommandTable, BatchWordsAreUniqueAndFound) {
  std::set<std::string> words;
  for (const CommandInfo& command : CommandTable()) {
    if (command.batchWord == nullptr) continue;
    EXPECT_TRUE(words.insert(command.batchWord).second) << command.batchWord;
    EXPECT_EQ(CommandByBatchWord(command.batchWord), &command);
  }
  EXPECT_EQ(CommandByBatchWord("no-such-word"), nullptr);
  ASSERT_NE(CommandByBatchWord("homogeneity"), nullptr);
  EXPECT_EQ(CommandByBatchWord("homogeneity")->args.size(), 2u);
}

// A shape of the gorilla stage written as a file: a header, then one value per line.
std::string ShapeFile(const std::string& name, const std::string& header, const double* values,
                      int stride) {
  std::ostringstream text;
  text << header << std::setprecision(17);
  for (int j = 0; j < 16; ++j) text << "\n" << values[j * stride];
  return test::WriteScratch(name, text.str() + "\n");
}

// What a user would choose in each command's file dialog: real files for the opens, a fresh
// path for the saves.
std::string FileFor(const CommandInfo& command) {
  const Session& superimposed = test::GorillaAt(test::Stage::Superimposed);
  const Session& components = test::GorillaAt(test::Stage::Components);
  switch (command.id) {
    case C::OpenData:
      return test::DataFile("gorilla.dat");
    case C::OpenLink:
      return test::DataFile("gorilla.lie");
    case C::OpenFactor:
      return test::DataFile("gorilla_sex.vec");
    case C::OpenSelect:
      return test::WriteScratch("selection.vec", "1 8 1  1 1 1 1 1 1 1 0");
    case C::Consensus:
      return ShapeFile("consensus.dat", "1 8 2", superimposed.Consensus.data(), 1);
    case C::ShapeVectors:
      return ShapeFile("first_pcs.vec", "16 1 1", &components.Pcs[0][0],
                       static_cast<int>(&components.Pcs[1][0] - &components.Pcs[0][0]));
    case C::Deflation:
      return test::DataFile("direction_x1.dat");
    case C::OpenVariables:
      return test::DataFile("gorilla.csv");
    default:
      return test::ScratchDir() + command.name + ".out";
  }
}

// Each command asks, in order, exactly what its arguments in vrel-batch answer: the prompts and
// file dialogs it runs when every answer is a valid one, at the first stage of the gorilla
// analysis where its menu item is enabled.
TEST(CommandTable, EveryCommandRunsThePromptsAndDialogsOfItsArguments) {
  for (const CommandInfo& command : CommandTable()) {
    SCOPED_TRACE(command.name);
    const Session* stage = nullptr;
    for (test::Stage at : test::AllStages)
      if (stage == nullptr && MenuItemEnabled(test::GorillaAt(at), command.id))
        stage = &test::GorillaAt(at);
    // Fit to Window wants a window that draws: the specimens shown.
    Session shown = test::GorillaAt(test::Stage::Components);
    shown.SpecimensView = 1;
    shown.Script.push_back({.words = {"superimpose"}});  // Save Script wants a line to save
    // The analyses of groups from a variable, and the files of their results.
    shown.Variables = {{.name = "sex", .factor = true, .levels = {"f", "m"}}};
    shown.Groups = {"sex", std::vector<int>(59, 0), {"f", "m"}};
    for (int i = 30; i < 59; ++i) shown.Groups.of[static_cast<std::size_t>(i)] = 1;
    shown.GroupDistances = {{}};
    shown.Anova = {{}};
    shown.CanonicalScores.assign(59, {0.0});
    shown.Assigned = shown.AssignedLeftOut = shown.Variables[0].codes = shown.Groups.of;
    if (stage == nullptr && MenuItemEnabled(shown, command.id)) stage = &shown;
    ASSERT_NE(stage, nullptr) << "never enabled";
    Session s = *stage;
    if (command.id == C::Difference) s.SpecimenCount = 58;  // pairs need an even count
    test::ScriptedFrontend fe;
    fe.numbers = {5, 5, 5, 5};
    // The one variable there is, and a model of the sizes that every superimposition has.
    if (command.id == C::GroupsFromVariable || command.id == C::Repeatability) fe.numbers = {1, 5};
    fe.texts = {"Cs"};
    fe.files = {FileFor(command), FileFor(command)};

    command.handler(s, fe);

    std::vector<ArgKind> asked;
    for (const std::string& event : fe.events) {
      if (event.rfind("prompt:", 0) == 0)
        asked.push_back(command.args.size() > asked.size() &&
                                command.args[asked.size()] == ArgKind::Variable
                            ? ArgKind::Variable
                            : ArgKind::Number);
      if (event.rfind("file:", 0) == 0) asked.push_back(ArgKind::File);
      if (event.rfind("text:", 0) == 0) asked.push_back(ArgKind::Text);
    }
    EXPECT_EQ(asked, command.args);
    EXPECT_TRUE(fe.messages.empty()) << fe.LastMessage();
    // Only saving the script asks for a file that no script line gives.
    if (command.batchWord == nullptr && command.id != C::SaveScript) {
      EXPECT_TRUE(command.args.empty());
    }
  }
}

}  // namespace
}  // namespace vrel
