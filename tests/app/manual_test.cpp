// SPDX-License-Identifier: GPL-3.0-or-later
// The manual: the pages of the Help window (resources/help, bundled by resources/vrel.qrc and
// installed as HTML), the man pages, and what they must describe.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/command_table.h"
#include "app/toolbar.h"
#include "batch/batch_runner.h"
#include "support/image_files.h"

namespace vrel {
namespace {

const std::string Resources = std::string(VREL_SOURCE_DIR) + "/resources/";

// The manual's files by their path in the bundle ("help/menus.html"), each with its text.
std::map<std::string, std::string> BundledManual() {
  const std::string qrc = test::ReadWhole(Resources + "vrel.qrc");
  const std::regex entry(R"re(<file(?: alias="([^"]+)")?>([^<]+)</file>)re");
  std::map<std::string, std::string> files;
  for (std::sregex_iterator it(qrc.begin(), qrc.end(), entry), end; it != end; ++it) {
    const std::string source = (*it)[2];
    const std::string name = (*it)[1].matched ? std::string((*it)[1]) : source;
    if (name.rfind("help/", 0) != 0) continue;
    EXPECT_TRUE(std::filesystem::is_regular_file(Resources + source)) << source;
    files[name] = test::ReadWhole(Resources + source);
  }
  return files;
}

bool IsPage(const std::string& name) { return name.ends_with(".html"); }

// Every link and picture of the manual leads to one of its files, and to a named place on the
// page when it names one; every page is reached from the contents page; and every page or style
// sheet of resources/help is in the bundle (and so in the Help window and the installed manual).
TEST(Manual, EveryLinkLeadsToAFileOfTheManualAndEveryPageIsReached) {
  const std::map<std::string, std::string> manual = BundledManual();
  ASSERT_TRUE(manual.count("help/index.html"));
  for (const auto& file : std::filesystem::directory_iterator(Resources + "help"))
    EXPECT_TRUE(manual.count("help/" + file.path().filename().string()))
        << file.path() << " is not in vrel.qrc";

  const std::regex link(R"re((href|src)="([^"]*)")re");
  std::map<std::string, std::set<std::string>> linksFrom;
  int links = 0;
  for (const auto& [name, text] : manual) {
    if (!IsPage(name)) continue;
    for (std::sregex_iterator it(text.begin(), text.end(), link), end; it != end; ++it) {
      const std::string target = (*it)[2];
      if (target.starts_with("http:") || target.starts_with("https:") ||
          target.starts_with("mailto:"))
        continue;
      ++links;
      const std::size_t hash = target.find('#');
      const std::string file = "help/" + target.substr(0, hash);
      const std::string page = hash == 0 ? name : file;
      SCOPED_TRACE(name + " -> " + target);
      ASSERT_TRUE(manual.count(page)) << "no such file in the manual";
      linksFrom[name].insert(page);
      if (hash != std::string::npos && hash + 1 < target.size()) {
        const std::string place = target.substr(hash + 1);
        const std::string& linked = manual.at(page);
        EXPECT_TRUE(linked.find("name=\"" + place + "\"") != std::string::npos ||
                    linked.find("id=\"" + place + "\"") != std::string::npos)
            << "no place named " << place;
      }
    }
  }
  EXPECT_GT(links, 60);

  std::set<std::string> reached = {"help/index.html"};
  std::vector<std::string> todo = {"help/index.html"};
  while (!todo.empty()) {
    const std::string page = todo.back();
    todo.pop_back();
    for (const std::string& next : linksFrom[page])
      if (reached.insert(next).second) todo.push_back(next);
  }
  for (const auto& [name, text] : manual) {
    if (name != "help/help.css") {
      EXPECT_TRUE(reached.count(name)) << name << " is not reached";
    }
  }
}

// The pages' text without tags, with blanks folded, and with the entities the pages use.
std::string PlainText(std::string html) {
  html = std::regex_replace(html, std::regex("<[^>]*>"), " ");
  for (const auto& [entity, text] : std::vector<std::pair<std::string, std::string>>{
           {"&gt;", ">"}, {"&lt;", "<"}, {"&amp;", "&"}})
    for (std::size_t at; (at = html.find(entity)) != std::string::npos;)
      html.replace(at, entity.size(), text);
  return std::regex_replace(html, std::regex("\\s+"), " ");
}

TEST(Manual, DescribesEveryMenuCommandAndToolbarControl) {
  std::string text;
  for (const auto& [name, page] : BundledManual())
    if (IsPage(name)) text += PlainText(page);
  for (const CommandInfo& command : CommandTable()) {
    std::string caption = command.caption;
    std::erase(caption, '&');
    EXPECT_NE(text.find(caption), std::string::npos) << caption;
  }
  for (const MenuSpec& menu : MenuBar()) {
    std::string caption = menu.caption;
    std::erase(caption, '&');
    EXPECT_NE(text.find(caption + " >"), std::string::npos) << caption;
  }
  for (const ToolbarControlInfo& control : ToolbarTable())
    EXPECT_NE(text.find(control.hint), std::string::npos) << control.hint;
}

// The words of vrel-batch beyond the menu commands and toolbar controls: the arrow keys, the
// plot and the pictures.
const std::vector<std::string> OtherScriptWords = {"key-up",    "key-down", "key-left",
                                                   "key-right", "plot",     "export"};

std::vector<std::string> ScriptWords() {
  std::vector<std::string> words = OtherScriptWords;
  for (const CommandInfo& command : CommandTable())
    if (command.batchWord != nullptr) words.push_back(command.batchWord);
  for (const ToolbarControlInfo& control : ToolbarTable())
    if (control.batchWord != nullptr) words.push_back(control.batchWord);
  return words;
}

// What vrel-batch says to a line holding the word alone, in a fresh session.
std::string RefusalOf(const std::string& word) {
  Session session;
  std::istringstream script(word + "\n");
  std::ostringstream out, err;
  RunBatchScript(session, "words.vrel", script, out, err, false);
  return err.str();
}

TEST(Manual, TheBatchPagesDescribeEveryWordTheScriptsAccept) {
  const std::map<std::string, std::string> manual = BundledManual();
  const std::string& page = manual.at("help/batch.html");
  std::string man = test::ReadWhole(Resources + "man/vrel-batch.1");
  for (std::size_t at; (at = man.find("\\-")) != std::string::npos;) man.replace(at, 2, "-");
  for (const std::string& word : ScriptWords()) {
    SCOPED_TRACE(word);
    EXPECT_EQ(RefusalOf(word).find("unknown command"), std::string::npos);
    EXPECT_NE(page.find("<code>" + word), std::string::npos) << "not in batch.html";
    EXPECT_TRUE(std::regex_search(man, std::regex("(^|[^a-z-])" + word + "([^a-z-]|$)")))
        << "not in vrel-batch.1";
  }
  // And the other way: every word the page's tables name is one the scripts accept.
  const std::regex row(R"re(<tr><td><code>([a-z-]+))re");
  int rows = 0;
  for (std::sregex_iterator it(page.begin(), page.end(), row), end; it != end; ++it, ++rows)
    EXPECT_EQ(RefusalOf((*it)[1]).find("unknown command"), std::string::npos) << (*it)[1];
  EXPECT_GT(rows, 30);
}

}  // namespace
}  // namespace vrel
