// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/batch_runner.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <exception>
#include <filesystem>
#include <limits>
#include <map>
#include <new>
#include <sstream>
#include <vector>

#include "app/command_table.h"
#include "app/session_script.h"
#include "app/toolbar.h"
#include "app/windows.h"
#include "batch/batch_frontend.h"
#include "files/text_source.h"
#include "graphics/drawings.h"
#include "graphics/view_commands.h"
#include "shell/enabling.h"
#include "shell/file_dialogs.h"
#include "shell/messages.h"
#include "shell/prompt.h"
#include "shell/specimen_names.h"

namespace vrel {

std::vector<std::string> SplitScriptLine(const std::string& line) {
  std::vector<std::string> words;
  std::size_t at = 0;
  auto blank = [&line](std::size_t i) { return std::isspace(static_cast<unsigned char>(line[i])); };
  while (true) {
    while (at < line.size() && blank(at)) ++at;
    // A word that starts with '#' starts a comment; a '#' inside a word (a file name such as
    // res#1.txt) is part of it.
    if (at == line.size() || line[at] == '#') break;
    std::string word;
    if (line[at] == '"') {
      // A quoted word runs to the closing quote; \" and \\ inside stand for " and \.
      for (++at; at < line.size() && line[at] != '"'; ++at) {
        if (line[at] == '\\' && at + 1 < line.size() &&
            (line[at + 1] == '"' || line[at + 1] == '\\'))
          ++at;
        word += line[at];
      }
      if (at < line.size()) ++at;
    } else {
      while (at < line.size() && !blank(at)) word += line[at++];
    }
    words.push_back(std::move(word));
  }
  return words;
}

namespace {

// Runs a handler and tells whether it went without a message.
template <typename Run>
bool WithoutMessage(HeadlessFrontend& fe, Run run) {
  const int messagesBefore = fe.messageCount;
  run();
  return fe.messageCount == messagesBefore;
}

}  // namespace

CommandOutcome RunGatedCommand(Session& session, HeadlessFrontend& fe, const CommandInfo& command) {
  if (!MenuItemEnabled(session, command.id)) return CommandOutcome::NotAvailableNow;
  return WithoutMessage(fe, [&] { command.handler(session, fe); }) ? CommandOutcome::Completed
                                                                   : CommandOutcome::ShowedMessage;
}

namespace {

// The largest picture side export draws, in pixels.
constexpr int MaxExportSide = 10000;

bool Refuse(BatchFrontend& fe, const std::string& text) {
  fe.ReportError(text);
  return false;
}

bool CheckArgumentCount(BatchFrontend& fe, const std::string& word, std::size_t given,
                        std::size_t wanted) {
  if (given == wanted) return true;
  return Refuse(fe, "'" + word + "' takes " + std::to_string(wanted) +
                        (wanted == 1 ? " argument" : " arguments") + ", " + std::to_string(given) +
                        " given");
}

// A prompt's answer as a user would type it: an integer, anything else 0.
int TypedNumber(const std::string& arg) {
  int value = 0;
  if (arg == "cancel" || !ParseInteger(arg, value)) value = 0;
  return value;
}

// Where relative file names are: the working folder, or after relative-to-script the script's.
struct FileNames {
  std::filesystem::path folder;  // empty: the working folder
  std::string operator()(const std::string& name) const {
    if (folder.empty() || name.empty() || std::filesystem::path(name).is_absolute()) return name;
    return (folder / name).lexically_normal().string();
  }
};

// A text argument is one word, or, unquoted, every word up to the numbers that end the line
// (the later arguments): "linear-model log(CS) + Pop * Sex 999" gives the terms and 999.
void GatherText(const CommandInfo& command, std::vector<std::string>& args) {
  const auto text = std::find(command.args.begin(), command.args.end(), ArgKind::Text);
  if (text == command.args.end()) return;
  const auto first = static_cast<std::size_t>(text - command.args.begin());
  const std::size_t later = command.args.size() - first - 1;
  if (args.size() <= first + 1) return;
  std::size_t numbers = 0;
  int ignored = 0;
  while (numbers < later && args.size() - numbers > first + 1 &&
         (ParseInteger(args[args.size() - 1 - numbers], ignored) ||
          args[args.size() - 1 - numbers] == "cancel"))
    ++numbers;
  const auto end = args.end() - static_cast<std::ptrdiff_t>(numbers);
  std::string joined;
  for (auto word = args.begin() + static_cast<std::ptrdiff_t>(first); word != end; ++word)
    joined += (joined.empty() ? "" : " ") + *word;
  args.erase(args.begin() + static_cast<std::ptrdiff_t>(first) + 1, end);
  args[first] = joined;
}

bool RunMenuCommand(Session& session, BatchFrontend& fe, const CommandInfo& command,
                    const std::vector<std::string>& words, const FileNames& names) {
  const std::string& word = words[0];
  std::vector<std::string> args(words.begin() + 1, words.end());
  GatherText(command, args);
  if (command.lastDefault != nullptr && args.size() + 1 == command.args.size()) {
    args.push_back(command.lastDefault);
  } else if (command.lastDefault != nullptr && args.size() != command.args.size()) {
    return Refuse(fe, "'" + word + "' takes " + std::to_string(command.args.size() - 1) + " or " +
                          std::to_string(command.args.size()) + " arguments, " +
                          std::to_string(args.size()) + " given");
  }
  if (!CheckArgumentCount(fe, word, args.size(), command.args.size())) return false;
  fe.ClearQueues();
  for (std::size_t i = 0; i < command.args.size(); ++i) {
    const std::string& arg = args[i];
    if (command.args[i] == ArgKind::File) {
      fe.files.push_back(arg == "-" ? std::nullopt : std::optional<std::string>(names(arg)));
    } else if (command.args[i] == ArgKind::Text) {
      fe.texts.push_back(arg == "cancel" ? std::nullopt : std::optional<std::string>(arg));
    } else if (command.args[i] == ArgKind::Variable) {
      // A variable by its name, or by its number in the table.
      int number = 0;
      for (std::size_t v = 0; v < session.Variables.size() && number == 0; ++v)
        if (session.Variables[v].name == arg) number = static_cast<int>(v + 1);
      if (number == 0 && !ParseInteger(arg, number) && arg != "cancel")
        return Refuse(fe, "'" + word + "' names no variable '" + arg + "'");
      fe.numbers.push_back(number);
    } else {
      fe.numbers.push_back(TypedNumber(arg));
    }
  }
  switch (RunGatedCommand(session, fe, command)) {
    case CommandOutcome::Completed:
      return true;
    case CommandOutcome::ShowedMessage:
      return false;
    case CommandOutcome::NotAvailableNow:
      return Refuse(fe, "'" + word + "' is not available now");
  }
  return false;
}

// A toolbar control: buttons take no argument, lists an item typed from 1, the track bar its
// position; a value the control cannot show is refused.
bool RunControl(Session& session, BatchFrontend& fe, const ToolbarControlInfo& control,
                const std::vector<std::string>& words) {
  const std::string& word = words[0];
  const bool takesValue = control.kind != ControlKind::SpeedButton;
  if (!CheckArgumentCount(fe, word, words.size() - 1, takesValue ? 1 : 0)) return false;
  if (!ToolbarEnabled(session)[static_cast<std::size_t>(control.id)])
    return Refuse(fe, "'" + word + "' is not available now");
  int value = 0;
  if (takesValue) {
    const bool list = control.kind == ControlKind::ComboBox;
    const int lowest = list ? control.batchOffset : control.minimum;
    const int highest =
        list ? ListItemCount(session, control) + control.batchOffset - 1 : control.maximum;
    int typed = 0;
    if (!ParseInteger(words[1], typed) || typed < lowest || typed > highest)
      return Refuse(fe, "'" + word + "' takes a number from " + std::to_string(lowest) + " to " +
                            std::to_string(highest));
    value = typed - control.batchOffset;
  }
  return WithoutMessage(fe, [&] { control.handler(session, fe, value); });
}

// export WINDOW FILE [WIDTHxHEIGHT] [xS]: the window's drawing at that size, written as a listing
// or, given an image writer, as an image (a PNG drawn S times larger).
bool RunExport(Session& session, BatchFrontend& fe, std::vector<std::string> words,
               const ImageFileWriter& writeImage, const FileNames& names) {
  int scale = 1;
  const bool scaled = words.size() >= 4 && words.back().starts_with('x');
  if (scaled) {
    const std::string typed = words.back();
    words.pop_back();
    if (!ParseInteger(typed.substr(1), scale) || scale < MinImageScale || scale > MaxImageScale)
      return Refuse(fe, "'export' takes a scale x" + std::to_string(MinImageScale) + " to x" +
                            std::to_string(MaxImageScale) + ", not '" + typed + "'");
  }
  if (words.size() != 3 && words.size() != 4)
    return Refuse(fe, "'export' takes 2 to 4 arguments, " +
                          std::to_string(words.size() - 1 + (scaled ? 1 : 0)) + " given");
  const DrawingWindowInfo* window = nullptr;
  for (const DrawingWindowInfo& info : DrawingWindowTable())
    if (words[1] == info.exportName) window = &info;
  if (window == nullptr)
    return Refuse(fe, "'export' draws specimens, vectors or plot, not '" + words[1] + "'");
  int width = window->clientWidth;
  int height = window->clientHeight;
  if (words.size() == 4) {
    const std::string& size = words[3];
    const std::size_t x = size.find('x');
    if (x == std::string::npos || !ParseInteger(size.substr(0, x), width) ||
        !ParseInteger(size.substr(x + 1), height) || width < 1 || height < 1 ||
        width > MaxExportSide || height > MaxExportSide)
      return Refuse(fe, "'export' takes a size WIDTHxHEIGHT of 1 to " +
                            std::to_string(MaxExportSide) + " pixels, not '" + size + "'");
  }
  const std::string path = names(words[2]);
  const bool listing = LowerExtension(path) == ".txt";
  if (!listing && !writeImage)
    return Refuse(fe, "'export' writes picture listings (.txt) in this version");
  if (!listing && !PictureFormatByExtension(path))
    return Refuse(fe, "'export' writes .txt, .svg, .pdf or .png files, not '" + path + "'");
  if (scaled && PictureFormatByExtension(path) != PictureFileFormat::Png)
    return Refuse(fe, "'export' scales PNG images only, not '" + path + "'");
  if (std::optional<Picture> drawn = window->draw(session, width, height))
    fe.pictures[window->id] = std::move(*drawn);
  const Picture& picture = fe.pictures[window->id];
  return WithoutMessage(fe, [&] {
    if (!listing)
      writeImage(picture, path, fe, scale);
    else if (!WriteTextFile(path, PictureListing(picture)))
      ShowProgramMessage(fe, Message::CannotWriteFile, path);
  });
}

// fit specimens|vectors: Fit to Window on that window at its start-up size.
bool RunFit(Session& session, BatchFrontend& fe, const std::vector<std::string>& words) {
  if (!CheckArgumentCount(fe, "fit", words.size() - 1, 1)) return false;
  const DrawingWindowInfo* window = nullptr;
  for (const DrawingWindowInfo& info : DrawingWindowTable())
    if (info.fits && words[1] == info.exportName) window = &info;
  if (window == nullptr)
    return Refuse(fe, "'fit' fits specimens or vectors, not '" + words[1] + "'");
  if (!DrawsShapes(session, window->id)) return Refuse(fe, "'fit' is not available now");
  return WithoutMessage(
      fe, [&] { FitDrawing(session, fe, window->id, window->clientWidth, window->clientHeight); });
}

// plot X Y: the axis lists' items X and Y (typed from 1), then the plot.
bool RunPlot(Session& session, BatchFrontend& fe, const std::vector<std::string>& words) {
  if (!CheckArgumentCount(fe, "plot", words.size() - 1, 2)) return false;
  if (!ToolbarEnabled(session)[static_cast<std::size_t>(ToolbarControl::BoutonPlot)])
    return Refuse(fe, "'plot' is not available now");
  const int columns = MaxComponents + CanonicalAxisCount(session);
  int x = 0, y = 0;
  if (!ParseInteger(words[1], x) || !ParseInteger(words[2], y) || x < 1 || y < 1 || x > columns ||
      y > columns)
    return Refuse(fe, "'plot' takes two numbers from 1 to " + std::to_string(columns));
  return WithoutMessage(fe, [&] { PlotAxesChosen(session, fe, x - 1, y - 1); });
}

// A number of a view word, as the float the view keeps: finite and from lowest to highest.
bool ViewNumber(const std::string& typed, float lowest, float highest, float& value) {
  double read = 0.0;
  const auto end = std::from_chars(typed.data(), typed.data() + typed.size(), read);
  if (end.ec != std::errc() || end.ptr != typed.data() + typed.size() || !std::isfinite(read) ||
      std::abs(read) > std::numeric_limits<float>::max())
    return false;
  value = static_cast<float>(read);
  return value >= lowest && value <= highest;
}

// zoom Z: the zoom a fit left, as it was written.
bool RunZoom(Session& session, BatchFrontend& fe, const std::vector<std::string>& words) {
  if (!CheckArgumentCount(fe, "zoom", words.size() - 1, 1)) return false;
  float zoom = 0.0f;
  if (!ViewNumber(words[1], SmallestZoom, LargestZoom, zoom))
    return Refuse(fe, "'zoom' takes a number from " + std::string("1e-06") + " to 1e+06, not '" +
                          words[1] + "'");
  SetZoom(session, fe, zoom);
  return true;
}

// view-angles TILT TURN: the view turned with the mouse, in radians.
bool RunViewAngles(Session& session, BatchFrontend& fe, const std::vector<std::string>& words) {
  if (!CheckArgumentCount(fe, "view-angles", words.size() - 1, 2)) return false;
  float tilt = 0.0f, turn = 0.0f;
  if (!ViewNumber(words[1], 0.0f, FullTurnAngle, tilt) ||
      !ViewNumber(words[2], 0.0f, FullTurnAngle, turn))
    return Refuse(fe, "'view-angles' takes two angles from 0 to 6.2831855 radians");
  SetViewAngles(session, fe, tilt, turn);
  return true;
}

// next-specimen ITEM and the like: Left or Right in a list that shows item ITEM (typed from 1,
// 0 for none).
bool RunListKey(Session& session, BatchFrontend& fe, const std::vector<std::string>& words) {
  const std::string& word = words[0];
  const bool next = word.starts_with("next-");
  const std::string list = word.substr(word.find('-') + 1);
  const ToolbarControl id =
      list == "specimen" ? ToolbarControl::ComboBoxIndi : ToolbarControl::ComboBoxComp;
  const ToolbarControlInfo& control = ToolbarControlDetails(id);
  if (!CheckArgumentCount(fe, word, words.size() - 1, 1)) return false;
  if (!ToolbarEnabled(session)[static_cast<std::size_t>(id)])
    return Refuse(fe, "'" + word + "' is not available now");
  const int highest = ListItemCount(session, control);
  int item = 0;
  if (!ParseInteger(words[1], item) || item < 0 || item > highest)
    return Refuse(fe, "'" + word + "' takes a number from 0 to " + std::to_string(highest));
  control.keyHandler(session, fe, item - 1, next ? KeyRight : KeyLeft);
  return true;
}

bool IsListKeyWord(const std::string& word) {
  return word == "next-specimen" || word == "previous-specimen" || word == "next-vector" ||
         word == "previous-vector";
}

// One script line; returns false when it was refused or showed a message.
bool RunLine(Session& session, BatchFrontend& fe, const std::vector<std::string>& words,
             const ImageFileWriter& writeImage, FileNames& names, const std::string& scriptName) {
  const std::string& word = words[0];
  // Fit to Window names its window in a script, where no window is in front.
  if (word == "fit") return RunFit(session, fe, words);
  if (const CommandInfo* command = CommandByBatchWord(word))
    return RunMenuCommand(session, fe, *command, words, names);
  if (const ToolbarControlInfo* control = ToolbarControlByBatchWord(word))
    return RunControl(session, fe, *control, words);
  if (const int key = ArrowKeyOfWord(word); key != 0) {
    if (!CheckArgumentCount(fe, word, words.size() - 1, 0)) return false;
    SpecimensKeyDown(session, fe, key);
    return true;
  }
  if (word == "export") return RunExport(session, fe, words, writeImage, names);
  if (word == "plot") return RunPlot(session, fe, words);
  if (word == "zoom") return RunZoom(session, fe, words);
  if (word == "view-angles") return RunViewAngles(session, fe, words);
  if (IsListKeyWord(word)) return RunListKey(session, fe, words);
  // expect-refusal LINE: the line runs, and its message is what was expected: nothing is reported.
  if (word == "expect-refusal") {
    if (words.size() < 2) return Refuse(fe, "'expect-refusal' takes a script line");
    const int messages = fe.messageCount;
    fe.quietMessages = true;
    const bool done =
        RunLine(session, fe, {words.begin() + 1, words.end()}, writeImage, names, scriptName);
    fe.quietMessages = false;
    if (fe.messageCount > messages) return true;
    return done && Refuse(fe, "'" + words[1] + "' was expected to be refused and ran");
  }
  if (word == "relative-to-script") {
    if (!CheckArgumentCount(fe, word, words.size() - 1, 0)) return false;
    std::error_code error;
    names.folder = std::filesystem::absolute(scriptName, error).lexically_normal().parent_path();
    return !error || Refuse(fe, "cannot tell the script's folder");
  }
  return Refuse(fe, "unknown command '" + word + "'");
}

}  // namespace

int RunBatchScript(Session& session, const std::string& scriptName, std::istream& script,
                   std::ostream& out, std::ostream& err, bool keepGoing,
                   const ImageFileWriter& writeImage, bool autoCapacity) {
  BatchFrontend fe(out, err);
  FileNames names;
  bool roomNext = false;
  std::string line;
  int lineNumber = 0;
  int status = 0;
  while (std::getline(script, line)) {
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    // An editor's UTF-8 byte-order mark is no part of the first command.
    if (lineNumber == 1 && line.starts_with("\xEF\xBB\xBF")) line.erase(0, 3);
    const std::vector<std::string> words = SplitScriptLine(line);
    if (words.empty()) continue;
    fe.SetLocation(scriptName, lineNumber);
    bool done = false;
    if (words[0] == "make-room") {
      // Yes to the next Open Data's offer of room for a file beyond the capacity.
      done = roomNext = CheckArgumentCount(fe, "make-room", words.size() - 1, 0);
    } else {
      fe.makeRoom = roomNext || (autoCapacity && !session.DataLoaded);
      roomNext = false;
      // Whatever goes wrong inside a command ends that command, reported, and never the run.
      try {
        done = RunLine(session, fe, words, writeImage, names, scriptName);
      } catch (const std::bad_alloc&) {
        ShowProgramMessage(fe, Message::NotEnoughMemory);
      } catch (const std::exception& error) {
        fe.ReportError(error.what());
      }
    }
    if (!done) {
      status = 1;
      if (!keepGoing) break;
    }
  }
  out.flush();
  return status;
}

}  // namespace vrel
