// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace vrel {

enum class Icon { None, Stop, Exclamation };

// The file dialogs of the main window; their titles and filters are in file_dialogs.h. Reload
// Consensus reads only the landmark data file; the scores and sizes may also be saved as CSV.
enum class FileDialog {
  OpenData,
  OpenLink,
  OpenVector,
  SaveText,
  SaveVect,
  SaveData,
  SaveMeta,
  OpenConsensus,
  SaveScores,
  SaveSizes,
  SaveScript,
  SaveCsv,
  OpenVariables,
};

enum class Window { Specimens, Vectors, Plot, Log, About };

enum class Combo { Indi, Comp, Xaxis, Yaxis };

// The toolbar's controls, left to right.
enum class ToolbarControl {
  BoutonGpa,
  BoutonPcs,
  BoutonZoomPlus,
  BoutonZoomMoins,
  BoutonUp,
  BoutonRight,
  BoutonAll,
  ComboBoxIndi,
  TrackBar1,
  ComboBoxComp,
  BoutonPlot,
  ComboXaxis,
  ComboYaxis,
  BoutonLabel,
};
inline constexpr int ToolbarControlCount = 14;
using ToolbarEnabling = std::array<bool, ToolbarControlCount>;

struct ProgressReport {
  long done = 0;
  long total = 0;
  bool finished = false;  // the run is over: nothing more will be reported
  bool stopped = false;   // with finished: the run ended before done reached total
};

// The one way a command talks to its user. The Qt windows, the test script and vrel-batch
// each implement it.
class Frontend {
 public:
  virtual ~Frontend() = default;

  // Shows the number prompt with this question; returns what the prompt leaves as its answer
  // (0 after Cancel, the close button, or text that is not an integer).
  virtual int AskNumber(const std::string& question) = 0;
  // Asks for a line of text (the terms of a model, say); nothing after Cancel. With nobody to
  // ask, nothing.
  virtual std::optional<std::string> AskText(const std::string& question) {
    (void)question;
    return std::nullopt;
  }
  // Runs one of the file dialogs; nothing when the user cancels.
  virtual std::optional<std::string> ChooseFile(FileDialog dialog) = 0;
  // A modal message box with an OK button; an empty caption is the system's default one.
  virtual void ShowMessage(const std::string& text, const std::string& caption, Icon icon) = 0;
  // A question with Yes and No buttons; true for Yes. With nobody to ask, the answer is No.
  virtual bool AskYesNo(const std::string& question) {
    (void)question;
    return false;
  }

  virtual void AppendLog(const std::string& line) = 0;
  virtual void ClearLog() = 0;

  // Shows the window if hidden and brings it to the front.
  virtual void ShowWindow(Window window) = 0;
  virtual void HideWindow(Window window) = 0;
  virtual bool IsWindowVisible(Window window) = 0;
  // Shows the window modally and returns when it closes.
  virtual void ShowModal(Window window) = 0;
  // Asks the window to repaint from the session later.
  virtual void Invalidate(Window window) = 0;
  // A drawing window forgets the picture it keeps: it shows white, and has nothing to export,
  // until it draws again.
  virtual void ClearPicture(Window window) = 0;

  // The main window's controls follow the session; a control's value reaches its handler as
  // an argument, so the port only sets them.
  virtual void SetComboIndex(Combo combo, int index) = 0;
  virtual void SetComboText(Combo combo, const std::string& text) = 0;
  // Replaces a list's items, keeping the item it shows.
  virtual void SetComboItems(Combo combo, const std::vector<std::string>& items) = 0;
  virtual void SetTrackBarPosition(int position) = 0;
  virtual void SetToolbarEnabled(const ToolbarEnabling& enabled) = 0;

  // A long computation reports how far it is; the answer false asks it to stop. Every run ends
  // with exactly one report whose `finished` is set (see ProgressRun), also when it stopped
  // early, so that whatever shows the progress can close.
  virtual bool Progress(const ProgressReport& report) {
    (void)report;
    return true;
  }

  // The specimens or the vectors window, whichever is nearer the front, and the size in pixels
  // of a drawing window's drawing area (0 x 0 when there is none to measure).
  virtual Window FrontShapeWindow() { return Window::Specimens; }
  virtual std::array<int, 2> DrawingSize(Window window) {
    (void)window;
    return {0, 0};
  }

  virtual void ShowHelp() {}
  virtual void QuitProgram() = 0;
};

}  // namespace vrel
