// SPDX-License-Identifier: GPL-3.0-or-later
// Random sessions of a user at the windows, each saved as a script and run again by vrel-batch:
// the same log lines, the same result files byte for byte, the same pictures.
// VREL_SCRIPT_SESSIONS sets how many sessions run.
#include "app/session_script.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <random>
#include <sstream>
#include <tuple>

#include "app/command_table.h"
#include "app/toolbar.h"
#include "app/windows.h"
#include "batch/batch_runner.h"
#include "files/text_source.h"
#include "graphics/plot.h"
#include "graphics/view_commands.h"
#include "shell/enabling.h"
#include "shell/file_dialogs.h"
#include "support/test_data.h"

namespace vrel {
namespace {

namespace fs = std::filesystem;

// A user who answers prompts, dialogs and questions at random, from answers that make sense
// more often than not. Save dialogs name files in the session's output folder.
class RandomUser : public HeadlessFrontend {
 public:
  RandomUser(std::mt19937& random, std::vector<std::string> inputs, std::string outputs)
      : random_(random), inputs_(std::move(inputs)), outputs_(std::move(outputs)) {}

  int AskNumber(const std::string& question) override {
    HeadlessFrontend::AskNumber(question);
    static const int answers[] = {0, 1, 2, 3, 4, 5, 12, 30, 58, 97, 99, 120};
    // The first variable mostly, so that its groups get analysed.
    if (question.starts_with("Which variable?") && Pick(2) == 0) return 1;
    // Permutation runs long enough to report their progress, and be stopped.
    if (question.find("Permutations") != std::string::npos && Pick(2) == 0) return 10000;
    return answers[Pick(std::size(answers))];
  }
  std::optional<std::string> AskText(const std::string& question) override {
    HeadlessFrontend::AskText(question);
    static const char* const answers[] = {"sex", "Cs * sex", "logCs + sex", "Cs + Cs", "size", ""};
    if (Pick(10) == 0) return std::nullopt;
    return answers[Pick(std::size(answers))];
  }
  std::optional<std::string> ChooseFile(FileDialog dialog) override {
    HeadlessFrontend::ChooseFile(dialog);
    if (Pick(10) == 0) return std::nullopt;
    if (dialog == FileDialog::OpenVariables && Pick(4) > 0) return test::DataFile("gorilla.csv");
    if (!DialogSpec(dialog).save) return inputs_[Pick(inputs_.size())];
    const char* names[] = {"a.txt", "b.csv", "c.vec", "with space.txt", "#d.dat"};
    return outputs_ + names[Pick(std::size(names))];
  }
  bool AskYesNo(const std::string& question) override {
    HeadlessFrontend::AskYesNo(question);
    return Pick(2) == 0;
  }
  bool Progress(const ProgressReport& report) override {
    HeadlessFrontend::Progress(report);
    return report.done < stopAt;
  }
  long stopAt = 1L << 30;

  std::size_t Pick(std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
  }

 private:
  std::mt19937& random_;
  std::vector<std::string> inputs_;
  std::string outputs_;
};

// Every file under the folder, by its path relative to it, with its content.
std::map<std::string, std::string> Files(const fs::path& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder))
    if (entry.is_regular_file())
      files[fs::relative(entry.path(), folder).string()] = test::ReadWhole(entry.path().string());
  return files;
}

// The three drawing windows' pictures as listings (or "kept" for a window that keeps its own).
std::vector<std::string> Listings(const Session& s) {
  std::vector<std::string> listings;
  for (const DrawingWindowInfo& window : DrawingWindowTable()) {
    const std::optional<Picture> drawn = window.draw(s, window.clientWidth, window.clientHeight);
    listings.push_back(drawn ? PictureListing(*drawn) : "kept");
  }
  return listings;
}

std::vector<std::string> LogLines(const HeadlessFrontend& fe) {
  std::vector<std::string> lines;
  for (const std::string& event : fe.events)
    if (event.starts_with("log:")) lines.push_back(event.substr(4));
  return lines;
}

class RandomSession {
 public:
  RandomSession(unsigned seed, const fs::path& folder)
      : folder_(folder),
        random_(seed),
        user_(random_, Inputs(folder), (folder / "out/").string()) {}

  RandomUser& User() { return user_; }

  // Runs the session's actions in the desktop's session and returns the script they wrote.
  std::string Play(Session& s, int actions) {
    auto side = [this](int base, int range) { return base + static_cast<int>(user_.Pick(range)); };
    user_.drawingSizes = {{Window::Specimens, {side(200, 600), side(200, 400)}},
                          {Window::Vectors, {side(200, 600), side(200, 400)}}};
    for (int i = 0; i < actions; ++i) {
      user_.frontShapeWindow = user_.Pick(2) == 0 ? Window::Specimens : Window::Vectors;
      // A long permutation run may be stopped where it reports its progress.
      user_.stopAt = user_.Pick(2) == 0 ? static_cast<long>(user_.Pick(3)) * 4096 : 1L << 30;
      Act(s, user_);
    }
    return ScriptText(s, folder_.string(), "today");
  }

 private:
  // Inputs below the script's folder (one with spaces in its path), and others outside it.
  static std::vector<std::string> Inputs(const fs::path& folder) {
    fs::create_directories(folder / "data" / "my data");
    fs::create_directories(folder / "out");
    fs::copy_file(test::DataFile("gorilla.dat"), folder / "data" / "gorilla.dat");
    fs::copy_file(test::DataFile("gorilla.lie"), folder / "data" / "my data" / "gorilla links.lie");
    return {(folder / "data" / "gorilla.dat").string(),
            (folder / "data" / "gorilla.dat").string(),
            test::DataFile("gorilla.lie"),
            test::DataFile("gorilla.csv"),
            (folder / "data" / "my data" / "gorilla links.lie").string(),
            test::DataFile("gorilla.dat"),
            test::DataFile("gorilla_sex.vec"),
            test::DataFile("macaques.dat"),
            test::DataFile("macaques_wire.lie"),
            test::DataFile("direction_x1.dat"),
            test::DataFile("pupfish.tps"),
            (folder / "missing.dat").string()};
  }

  void Act(Session& s, RandomUser& user) {
    const Window shapes = user.Pick(2) == 0 ? Window::Specimens : Window::Vectors;
    switch (user.Pick(16)) {
      case 0: {
        std::vector<const ToolbarControlInfo*> enabled;
        for (const ToolbarControlInfo& control : ToolbarTable())
          if (ToolbarEnabled(s)[static_cast<std::size_t>(control.id)]) enabled.push_back(&control);
        const ToolbarControlInfo& control = *enabled[user.Pick(enabled.size())];
        int value = 0;
        if (control.kind == ControlKind::TrackBar)
          value =
              control.minimum + static_cast<int>(user.Pick(control.maximum - control.minimum + 1));
        else if (control.kind == ControlKind::ComboBox)
          value = static_cast<int>(user.Pick(user.Pick(2) == 0 ? 5 : ListItemCount(s, control)));
        return PerformControl(s, user, control.id, value);
      }
      case 1: {
        const ToolbarControl list =
            user.Pick(2) == 0 ? ToolbarControl::ComboBoxIndi : ToolbarControl::ComboBoxComp;
        if (!ToolbarEnabled(s)[static_cast<std::size_t>(list)]) return;
        const int items = ListItemCount(s, ToolbarControlDetails(list));
        const int item = static_cast<int>(user.Pick(std::min(items, 70) + 1)) - 1;
        return PerformListKey(s, user, list, item, user.Pick(2) == 0 ? KeyLeft : KeyRight);
      }
      case 2:
        return PerformWindowKey(s, user, shapes, KeyLeft + static_cast<int>(user.Pick(4)));
      case 3:
        return PerformFit(s, user, shapes, 100 + static_cast<int>(user.Pick(700)),
                          100 + static_cast<int>(user.Pick(500)));
      case 4:
        for (std::size_t moves = 1 + user.Pick(4); moves > 0; --moves)
          PerformDrag(s, user, shapes, static_cast<int>(user.Pick(41)) - 20,
                      static_cast<int>(user.Pick(41)) - 20);
        return;
      case 5:
        return PerformWheel(s, user, shapes, static_cast<int>(user.Pick(7)) - 3);
      case 6: {
        const DrawingWindowInfo& plot = DrawingWindowDetails(Window::Plot);
        int x = 0, y = 0;
        for (int tries = 0; tries < 100; ++tries) {
          x = static_cast<int>(user.Pick(plot.clientWidth));
          y = static_cast<int>(user.Pick(plot.clientHeight));
          if (s.Superimposed && PlotSpecimenAt(s, plot.clientWidth, plot.clientHeight, x, y) >= 0)
            break;
        }
        return PerformClick(s, user, Window::Plot, plot.clientWidth, plot.clientHeight, x, y);
      }
      case 7: {
        // Save to metafile, as a listing where the desktop writes an image.
        const DrawingWindowInfo& window = DrawingWindowTable()[user.Pick(3)];
        const int width = 100 + static_cast<int>(user.Pick(500));
        const int height = 100 + static_cast<int>(user.Pick(400));
        const std::optional<Picture> drawn = window.draw(s, width, height);
        if (!drawn) return;
        const std::string path =
            (folder_ / "out" / (std::string(window.exportName) + ".txt")).string();
        return NotePictureSaved(s, window.id, path, width, height, 1,
                                WriteTextFile(path, PictureListing(*drawn)));
      }
      default: {
        // Mostly a command of the File, Compute and Analyses menus or one that sets groups, so
        // that sessions get far into an analysis; else any the menus offer.
        const bool analysis = user.Pick(4) > 0;
        std::vector<CommandId> enabled;
        for (const CommandInfo& command : CommandTable())
          if (MenuItemEnabled(s, command.id) && command.id != CommandId::SaveScript &&
              (!analysis ||
               (command.id <= CommandId::Repeatability && command.id != CommandId::ClearSession) ||
               command.id == CommandId::ViewPlot ||
               (command.id == CommandId::DefineGroups && s.ComponentsComputed &&
                s.GroupLimit == 0) ||
               (command.id == CommandId::GroupsFromVariable && s.Groups.of.empty())))
            enabled.push_back(command.id);
        return PerformCommand(s, user, enabled[user.Pick(enabled.size())]);
      }
    }
  }

  fs::path folder_;
  std::mt19937 random_;
  RandomUser user_;
};

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// Where two texts first differ, line by line; empty when they are the same.
std::string FirstDifference(const std::vector<std::string>& a, const std::vector<std::string>& b) {
  for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i)
    if (i >= a.size() || i >= b.size() || a[i] != b[i])
      return "line " + std::to_string(i + 1) + ": \"" + (i < a.size() ? a[i] : "") + "\", \"" +
             (i < b.size() ? b[i] : "") + "\" replayed";
  return {};
}

struct Replayed {
  std::string difference;  // empty: the same
  std::size_t logLines = 0, files = 0;
};

// Runs one random session, then its script through vrel-batch's runner: what differs.
Replayed Replay(unsigned seed, const fs::path& folder, int actions, std::string& script) {
  fs::remove_all(folder);
  RandomSession session(seed, folder);
  Session desktop;
  std::srand(1);  // each program draws its tests' seeds afresh
  script = session.Play(desktop, actions);
  const std::map<std::string, std::string> written = Files(folder / "out");
  fs::remove_all(folder / "out");
  fs::create_directories(folder / "out");
  const std::string scriptPath = (folder / "session.vrel").string();
  if (!WriteTextFile(scriptPath, script)) return {"the script was not written"};

  Session replayed;
  std::srand(1);
  std::istringstream in(script);
  std::ostringstream out, err;
  if (RunBatchScript(replayed, scriptPath, in, out, err, /*keepGoing=*/false) != 0)
    return {"the replay stopped: " + err.str()};
  const std::vector<std::string> log = LogLines(session.User());
  Replayed result{FirstDifference(log, Lines(out.str())), log.size(), written.size()};
  if (!result.difference.empty()) return {"the logs differ at " + result.difference};
  const std::map<std::string, std::string> rewritten = Files(folder / "out");
  if (rewritten.size() != written.size()) return {"the replay wrote other files"};
  for (const auto& [name, content] : written)
    if (const std::string d = FirstDifference(Lines(content), Lines(rewritten.at(name)));
        !d.empty() || content != rewritten.at(name))
      return {name + " differs at " + d};
  const std::vector<std::string> pictures = Listings(desktop), again = Listings(replayed);
  for (std::size_t i = 0; i < pictures.size(); ++i)
    if (const std::string d = FirstDifference(Lines(pictures[i]), Lines(again[i])); !d.empty())
      return {std::string("the ") + DrawingWindowTable()[i].exportName + " pictures differ at " +
              d};
  if (std::tie(desktop.Zoom, desktop.TiltAngle, desktop.TurnAngle, desktop.SelectedSpecimen,
               desktop.SelectedComponent) != std::tie(replayed.Zoom, replayed.TiltAngle,
                                                      replayed.TurnAngle, replayed.SelectedSpecimen,
                                                      replayed.SelectedComponent) ||
      desktop.Room != replayed.Room)
    return {"the views differ"};
  return result;
}

// The script as a reader sees it: the header, the start's capacity, file names beside the script
// relative to it (quoted where they hold blanks) and others whole, comments, sections.
TEST(SessionScript, TheScriptNamesFilesBesideItRelativelyAndTellsWhatWasNotDone) {
  Session s(Capacity{400, 120});
  s.Script = {
      {.words = {"open-data", "/work/study/data/my gorilla.dat"}, .fileWords = {1}},
      {.words = {"open-link", "/elsewhere/g.lie"}, .fileWords = {1}},
      {.words = {"save-sizes", "-"}, .fileWords = {1}, .note = "cancelled", .commented = true},
      {.words = {"clear-session"}, .section = true},
      {.words = {"zoom", "1.2100000381469727"}, .note = "mouse wheel"},
      {.note = "a print of the plot picture: not in the script", .commented = true}};
  EXPECT_EQ(ScriptText(s, "/work/study/", "2026-12-09 10:00"),
            std::string("# Vrel ") + VREL_VERSION +
                " session script, saved 2026-12-09 10:00\n"
                "# Capacity at the start: 400 specimens of 120 coordinates\n"
                "# Run it again with: vrel-batch SCRIPT (file names are read beside the script)\n"
                "relative-to-script\n"
                "capacity 400 120\n"
                "open-data \"data/my gorilla.dat\"\n"
                "open-link /elsewhere/g.lie\n"
                "# save-sizes -    (cancelled)\n"
                "\n# Clear Session: a new section\n"
                "clear-session\n"
                "zoom 1.2100000381469727    # mouse wheel\n"
                "# a print of the plot picture: not in the script\n");
}

TEST(SessionScript, RandomSessionsReplayExactly) {
  const char* count = std::getenv("VREL_SCRIPT_SESSIONS");
  const int sessions = count != nullptr ? std::atoi(count) : 300;
  const fs::path folder = fs::path(test::ScratchDir()) / "script session";
  int failures = 0;
  std::size_t logLines = 0, files = 0;
  for (int i = 0; i < sessions && failures < 3; ++i) {
    std::string script;
    const Replayed replayed = Replay(static_cast<unsigned>(i), folder, 50, script);
    logLines += replayed.logLines;
    files += replayed.files;
    if (!replayed.difference.empty()) {
      ++failures;
      ADD_FAILURE() << "session " << i << ": " << replayed.difference << "\n" << script;
    }
  }
  // The sessions went far enough to compare something: logs and files of their own.
  EXPECT_GT(logLines, static_cast<std::size_t>(sessions) * 10);
  EXPECT_GT(files, static_cast<std::size_t>(sessions));
}

}  // namespace
}  // namespace vrel
