// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/session_script.h"

#include <charconv>
#include <ctime>
#include <filesystem>
#include <functional>
#include <optional>
#include <tuple>
#include <utility>

#include "app/command_table.h"
#include "app/toolbar.h"
#include "app/windows.h"
#include "files/text_source.h"
#include "graphics/plot.h"
#include "graphics/view_commands.h"
#include "shell/enabling.h"
#include "shell/file_dialogs.h"
#include "shell/format.h"
#include "shell/messages.h"
#include "shell/version.h"
#include "stats/random.h"

namespace vrel {

namespace {

// Passes every call on to the user's frontend and notes the answers the command was given and
// whether it showed a message.
class AnswerWatch : public Frontend {
 public:
  explicit AnswerWatch(Frontend& inner) : inner_(inner) {}

  std::vector<int> numbers;
  std::vector<std::optional<std::string>> files;
  std::vector<std::optional<std::string>> texts;
  std::string message;
  bool messageShown = false;
  int logLines = 0;
  bool saidYes = false;
  // A long computation the user stopped: how far it got, and the answer that set its length.
  std::optional<ProgressReport> stopped;

  // The last question was cancelled (0 is Cancel at a prompt): a 0 that the command went on
  // from, as Save Scores does to write no column, was an answer.
  bool lastCancelled = false;

  int AskNumber(const std::string& question) override {
    numbers.push_back(inner_.AskNumber(question));
    lastCancelled = numbers.back() == 0;
    return numbers.back();
  }
  std::optional<std::string> AskText(const std::string& question) override {
    texts.push_back(inner_.AskText(question));
    lastCancelled = !texts.back();
    return texts.back();
  }
  std::optional<std::string> ChooseFile(FileDialog dialog) override {
    files.push_back(inner_.ChooseFile(dialog));
    lastCancelled = !files.back();
    return files.back();
  }
  void ShowMessage(const std::string& text, const std::string& caption, Icon icon) override {
    if (!messageShown) message = text;
    messageShown = true;
    inner_.ShowMessage(text, caption, icon);
  }
  bool AskYesNo(const std::string& question) override {
    const bool yes = inner_.AskYesNo(question);
    saidYes = saidYes || yes;
    return yes;
  }
  void AppendLog(const std::string& line) override {
    ++logLines;
    inner_.AppendLog(line);
  }
  void ClearLog() override { inner_.ClearLog(); }
  void ShowWindow(Window window) override { inner_.ShowWindow(window); }
  void HideWindow(Window window) override { inner_.HideWindow(window); }
  bool IsWindowVisible(Window window) override { return inner_.IsWindowVisible(window); }
  void ShowModal(Window window) override { inner_.ShowModal(window); }
  void Invalidate(Window window) override { inner_.Invalidate(window); }
  void ClearPicture(Window window) override { inner_.ClearPicture(window); }
  void SetComboIndex(Combo combo, int index) override { inner_.SetComboIndex(combo, index); }
  void SetComboText(Combo combo, const std::string& text) override {
    inner_.SetComboText(combo, text);
  }
  void SetComboItems(Combo combo, const std::vector<std::string>& items) override {
    inner_.SetComboItems(combo, items);
  }
  void SetTrackBarPosition(int position) override { inner_.SetTrackBarPosition(position); }
  void SetToolbarEnabled(const ToolbarEnabling& enabled) override {
    inner_.SetToolbarEnabled(enabled);
  }
  bool Progress(const ProgressReport& report) override {
    const bool goOn = inner_.Progress(report);
    if (report.finished && report.stopped) stopped = report;
    return goOn;
  }
  Window FrontShapeWindow() override { return inner_.FrontShapeWindow(); }
  std::array<int, 2> DrawingSize(Window window) override { return inner_.DrawingSize(window); }
  void ShowHelp() override { inner_.ShowHelp(); }
  void QuitProgram() override { inner_.QuitProgram(); }

 private:
  Frontend& inner_;
};

// A float as a script writes it: the shortest of 17 significant digits that reads back to the
// same bits, whatever the desktop's language.
std::string ExactNumber(double value) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 17);
  return std::string(text, end.ptr);
}

void Add(Session& s, ScriptEntry entry) { s.Script.push_back(std::move(entry)); }

void AddLine(Session& s, std::vector<std::string> words, std::string note = {}) {
  Add(s, {.words = std::move(words), .note = std::move(note)});
}

// A line of the same mouse gesture as the last line replaces it: a drag writes where it ended.
void AddOrReplace(Session& s, std::vector<std::string> words, const std::string& note) {
  if (!s.Script.empty() && s.Script.back().note == note && !s.Script.back().commented &&
      !s.Script.back().words.empty() && s.Script.back().words[0] == words[0])
    s.Script.pop_back();
  AddLine(s, std::move(words), note);
}

std::string OneLine(std::string text) {
  for (char& c : text)
    if (c == '\n' || c == '\r') c = ' ';
  return text;
}

// The plot of the axis items x and y, as the plot word writes it: the items typed from 1.
void PerformPlot(Session& s, int x, int y, const std::function<void()>& run) {
  const bool plotted = s.ComponentsComputed;
  run();
  if (!plotted) return;
  if (x < 0 || y < 0)
    NoteNotReplayable(s, "a plot with no item chosen in an axis list");
  else
    AddLine(s, {"plot", std::to_string(x + 1), std::to_string(y + 1)});
}

void RecordZoom(Session& s, float before, const std::string& note) {
  if (s.Zoom != before) AddOrReplace(s, {"zoom", ExactNumber(s.Zoom)}, note);
}

// What a command may change on its way to a refusal: the counts, stages, choices and links (the
// large tables change only once a command has all it needs).
auto Traces(const Session& s) {
  return std::make_tuple(s.SpecimenCount, s.LandmarkCount, s.DimensionCount, s.LinkCount, s.Links,
                         s.GroupLimit, s.PcsRetained, s.DataLoaded, s.Superimposed,
                         s.ComponentsComputed, s.DifferenceComputed, s.RegressionVectorReady,
                         s.DiscriminationVectorReady, s.VarianceSharesKnown, s.ShowLabels,
                         s.SelectedSpecimen, s.SelectedComponent, s.SpecimensView, s.VectorsView,
                         s.PlotView, s.PlotAxisX, s.PlotAxisY, s.Zoom, s.TiltAngle, s.TurnAngle,
                         s.ShapeMagnitude, s.Room.Specimens, s.Room.Coordinates);
}

const char* WindowWord(Window window) { return DrawingWindowDetails(window).exportName; }

}  // namespace

std::string QuotedWord(std::string_view word) {
  bool plain = !word.empty() && word[0] != '#' && word[0] != '"';
  for (char c : word)
    if (c == ' ' || c == '\t' || c == '"') plain = false;
  if (plain) return std::string(word);
  std::string quoted = "\"";
  for (char c : word) {
    if (c == '"' || c == '\\') quoted += '\\';
    quoted += c;
  }
  return quoted + '"';
}

const char* ArrowKeyWord(int key) {
  switch (key) {
    case KeyLeft:
      return "key-left";
    case KeyUp:
      return "key-up";
    case KeyRight:
      return "key-right";
    case KeyDown:
      return "key-down";
    default:
      return nullptr;
  }
}

int ArrowKeyOfWord(std::string_view word) {
  for (int key : {KeyLeft, KeyUp, KeyRight, KeyDown})
    if (word == ArrowKeyWord(key)) return key;
  return 0;
}

void PerformCommand(Session& s, Frontend& fe, CommandId id) {
  const CommandInfo& info = Command(id);
  if (id == CommandId::ViewPlot) {
    const int x = s.PlotAxisX, y = s.PlotAxisY;
    PerformPlot(s, x, y, [&] { info.handler(s, fe); });
    return;
  }
  if (id == CommandId::FitToWindow) {
    const float zoom = s.Zoom;
    info.handler(s, fe);
    RecordZoom(s, zoom, "Fit to Window");
    return;
  }
  // The log, the help, the About box, quitting and saving the script change nothing to replay.
  if (info.batchWord == nullptr) {
    info.handler(s, fe);
    return;
  }
  const bool available = MenuItemEnabled(s, id);
  const long seeds = TestSeedsDrawn();
  const auto before = Traces(s);
  AnswerWatch watch(fe);
  info.handler(s, watch);
  // A permutation run the user stopped is written as the run of the permutations it did; a run
  // whose command gives nothing when stopped is only mentioned.
  const bool stoppedEmpty = watch.stopped && watch.logLines == 0;
  if (watch.stopped && !stoppedEmpty)
    for (auto number = watch.numbers.rbegin(); number != watch.numbers.rend(); ++number)
      if (*number == watch.stopped->total) {
        *number = static_cast<int>(watch.stopped->done);
        break;
      }
  // Yes to Open Data's offer of room for a file beyond the capacity.
  if (watch.saidYes) AddLine(s, {"make-room"}, "Yes to the question");

  ScriptEntry entry{.words = {info.batchWord}};
  std::size_t number = 0, file = 0, text = 0;
  for (ArgKind kind : info.args) {
    if (kind == ArgKind::Text) {
      // Cancelled, the text is written as the word that cancels it.
      const bool given = text < watch.texts.size() && watch.texts[text];
      entry.words.push_back(given ? *watch.texts[text] : "cancel");
      ++text;
    } else if (kind != ArgKind::File) {
      const int answer = number < watch.numbers.size() ? watch.numbers[number] : 0;
      // A variable is written by its name, which reads better and stays when columns move.
      const bool named = kind == ArgKind::Variable && answer >= 1 &&
                         answer <= static_cast<int>(s.Variables.size());
      entry.words.push_back(named ? s.Variables[static_cast<std::size_t>(answer - 1)].name
                                  : std::to_string(answer));
      ++number;
    } else {
      const bool chosen = file < watch.files.size() && watch.files[file];
      entry.fileWords.push_back(entry.words.size());
      entry.words.push_back(chosen ? *watch.files[file] : "-");
      ++file;
    }
  }
  // A command that wrote to the log, drew a test's seed or changed the session before it was
  // refused or cancelled runs again, so that what follows does the same; the others are only
  // mentioned.
  const bool traced = watch.logLines > 0 || TestSeedsDrawn() != seeds || Traces(s) != before;
  if (!available) {
    entry.commented = true;
    entry.note = "not available then";
  } else if (watch.messageShown) {
    entry.note = "refused: " + OneLine(watch.message);
    entry.commented = !traced;
    if (traced) {
      entry.words.insert(entry.words.begin(), "expect-refusal");
      for (std::size_t& word : entry.fileWords) ++word;
    }
  } else if (watch.lastCancelled) {
    entry.commented = !traced;
    entry.note = "cancelled";
  }
  if (stoppedEmpty) {
    entry.commented = !traced;
    entry.note = "stopped before its end, nothing done";
  } else if (watch.stopped) {
    entry.note = Format("stopped after %ld of %ld", watch.stopped->done, watch.stopped->total);
  }
  entry.section = id == CommandId::ClearSession;
  Add(s, std::move(entry));
}

void PerformControl(Session& s, Frontend& fe, ToolbarControl control, int value) {
  const ToolbarControlInfo& info = ToolbarControlDetails(control);
  if (info.command) {
    PerformCommand(s, fe, *info.command);
    return;
  }
  const bool available = ToolbarEnabled(s)[static_cast<std::size_t>(control)];
  auto run = [&] { info.handler(s, fe, value); };
  if (control == ToolbarControl::ComboXaxis || control == ToolbarControl::ComboYaxis) {
    const bool x = control == ToolbarControl::ComboXaxis;
    PerformPlot(s, x ? value : s.PlotAxisX, x ? s.PlotAxisY : value, run);
    return;
  }
  run();
  ScriptEntry entry{.words = {info.batchWord}};
  if (info.kind != ControlKind::SpeedButton)
    entry.words.push_back(std::to_string(value + info.batchOffset));
  if (!available) {
    entry.commented = true;
    entry.note = "not available then";
  }
  Add(s, std::move(entry));
}

void PerformListKey(Session& s, Frontend& fe, ToolbarControl control, int item, int key) {
  const ToolbarControlInfo& info = ToolbarControlDetails(control);
  if (info.keyHandler == nullptr || (key != KeyLeft && key != KeyRight)) return;
  info.keyHandler(s, fe, item, key);
  const std::string list = control == ToolbarControl::ComboBoxIndi ? "specimen" : "vector";
  AddLine(s, {(key == KeyRight ? "next-" : "previous-") + list, std::to_string(item + 1)});
}

void PerformWindowKey(Session& s, Frontend& fe, Window window, int key) {
  const DrawingWindowInfo& info = DrawingWindowDetails(window);
  if (info.keyHandler == nullptr || ArrowKeyWord(key) == nullptr) return;
  info.keyHandler(s, fe, key);
  AddLine(s, {ArrowKeyWord(key)});
}

void PerformFit(Session& s, Frontend& fe, Window window, int width, int height) {
  const float zoom = s.Zoom;
  FitDrawing(s, fe, window, width, height);
  RecordZoom(s, zoom, Format("the %s window fitted at %d x %d", WindowWord(window), width, height));
}

void PerformDrag(Session& s, Frontend& fe, Window window, int dx, int dy) {
  const DrawingWindowInfo& info = DrawingWindowDetails(window);
  if (info.dragHandler == nullptr) return;
  const float tilt = s.TiltAngle, turn = s.TurnAngle;
  info.dragHandler(s, fe, dx, dy);
  if (s.TiltAngle != tilt || s.TurnAngle != turn)
    AddOrReplace(s, {"view-angles", ExactNumber(s.TiltAngle), ExactNumber(s.TurnAngle)},
                 "turned with the mouse");
}

void PerformWheel(Session& s, Frontend& fe, Window window, int notches) {
  const DrawingWindowInfo& info = DrawingWindowDetails(window);
  if (info.wheelHandler == nullptr) return;
  info.wheelHandler(s, fe, notches);
  // Each notch is a step of Enlargement or Reduction.
  for (int i = 0; i < notches; ++i) AddLine(s, {"zoom-in"}, "mouse wheel");
  for (int i = 0; i > notches; --i) AddLine(s, {"zoom-out"}, "mouse wheel");
}

void PerformClick(Session& s, Frontend& fe, Window window, int width, int height, int x, int y) {
  const DrawingWindowInfo& info = DrawingWindowDetails(window);
  if (info.clickHandler == nullptr) return;
  const int specimen = s.Superimposed ? PlotSpecimenAt(s, width, height, x, y) : -1;
  info.clickHandler(s, fe, width, height, x, y);
  if (specimen >= 0)
    AddLine(s, {"select-specimen", std::to_string(specimen + 1)}, "clicked in the plot");
}

void NotePictureSaved(Session& s, Window window, const std::string& path, int width, int height,
                      int scale, bool written) {
  ScriptEntry entry{.words = {"export", WindowWord(window), path, Format("%dx%d", width, height)},
                    .fileWords = {2}};
  if (PictureFormatByExtension(path) == PictureFileFormat::Png && scale != 1)
    entry.words.push_back(Format("x%d", scale));
  entry.note = "Save to metafile";
  entry.commented = !written;
  if (!written) entry.note = "refused";
  Add(s, std::move(entry));
}

void NoteNotReplayable(Session& s, const std::string& what) {
  Add(s, {.note = what + ": not in the script", .commented = true});
}

namespace {

// A file name as the script names it: relative to the script's folder when below it.
std::string ScriptPath(const std::string& path, const std::filesystem::path& folder) {
  namespace fs = std::filesystem;
  std::error_code error;
  const fs::path absolute = fs::absolute(path, error).lexically_normal();
  if (error) return path;
  const fs::path relative = absolute.lexically_relative(folder);
  if (relative.empty() || *relative.begin() == ".." || relative == ".") return absolute.string();
  return relative.string();
}

std::string EntryText(const ScriptEntry& entry, const std::filesystem::path& folder) {
  std::string line;
  for (std::size_t i = 0; i < entry.words.size(); ++i) {
    bool file = false;
    for (std::size_t f : entry.fileWords) file = file || f == i;
    const std::string& word = entry.words[i];
    if (i > 0) line += ' ';
    line += QuotedWord(file && word != "-" ? ScriptPath(word, folder) : word);
  }
  if (entry.commented)
    return line.empty() ? "# " + entry.note : "# " + line + "    (" + entry.note + ")";
  return entry.note.empty() ? line : line + "    # " + entry.note;
}

// The local date and time, as the header of a saved script gives them.
std::string LocalTimeNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
  return text;
}

}  // namespace

std::string ScriptText(const Session& s, const std::string& folder, const std::string& savedAt) {
  namespace fs = std::filesystem;
  std::error_code error;
  fs::path base = fs::absolute(folder.empty() ? "." : folder, error).lexically_normal();
  if (!base.has_filename()) base = base.parent_path();
  std::string text =
      Format("# Vrel %s session script, saved %s\n", ProgramVersion, savedAt.c_str());
  text += Format("# Capacity at the start: %d specimens of %d coordinates\n", s.StartRoom.Specimens,
                 s.StartRoom.Coordinates);
  text += "# Run it again with: vrel-batch SCRIPT (file names are read beside the script)\n";
  text += "relative-to-script\n";
  if (s.StartRoom != Capacity{})
    text += Format("capacity %d %d\n", s.StartRoom.Specimens, s.StartRoom.Coordinates);
  for (const ScriptEntry& entry : s.Script) {
    if (entry.section) text += "\n# Clear Session: a new section\n";
    text += EntryText(entry, base) + '\n';
  }
  return text;
}

void SaveScriptClick(Session& s, Frontend& fe) {
  const std::optional<std::string> path = fe.ChooseFile(FileDialog::SaveScript);
  if (!path) return;
  const std::filesystem::path folder = std::filesystem::path(*path).parent_path();
  if (!WriteTextFile(*path, ScriptText(s, folder.string(), LocalTimeNow())))
    ShowProgramMessage(fe, Message::CannotWriteFile, *path);
}

}  // namespace vrel
