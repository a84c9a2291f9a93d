// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "shell/frontend.h"
#include "shell/session.h"

namespace vrel {

// A Frontend without a screen: prompt answers and file choices are queued in advance, the
// display state (windows, combo boxes, track bar, toolbar) is kept as plain values, and, when
// recording, every call is written down in order so that a caller can check what a user would
// have seen. vrel-batch and the tests both build on it.
class HeadlessFrontend : public Frontend {
 public:
  struct ShownMessage {
    std::string text;
    std::string caption;
    Icon icon;
  };

  explicit HeadlessFrontend(bool record = true) : record_(record) {}

  // Queued answers. A prompt with nothing queued answers 0 (as Cancel would); a file dialog
  // with nothing queued is cancelled.
  std::deque<int> numbers;
  std::deque<std::optional<std::string>> files;
  // Answers to the text prompt; with none queued it is cancelled.
  std::deque<std::optional<std::string>> texts;
  // Answers to Yes/No questions; with none queued the answer is No.
  std::deque<bool> answers;

  // What happened, in order (kept only when recording): "prompt:Q", "text:Q", "question:Q",
  // "file:DIALOG", "message:TEXT", "log:LINE", "clear-log", "show:W", "hide:W", "modal:W",
  // "invalidate:W", "clear-picture:W", "combo-index:C=I", "combo-text:C=T", "trackbar=P",
  // "toolbar", "help", "quit".
  std::vector<std::string> events;
  std::vector<std::string> log;
  std::vector<std::string> prompts;
  std::vector<FileDialog> dialogs;
  std::vector<ShownMessage> messages;

  // The display state.
  std::map<Window, bool> visible{{Window::Specimens, true},
                                 {Window::Vectors, true},
                                 {Window::Plot, true},
                                 {Window::Log, true},
                                 {Window::About, true}};
  std::map<Combo, int> comboIndex;
  std::map<Combo, std::string> comboText;
  std::map<Combo, std::vector<std::string>> comboItems;  // only lists whose items were replaced
  int trackBar = DefaultTrackBarPosition;
  // Which shape window is in front, and the drawing windows' sizes (none: 0 x 0).
  Window frontShapeWindow = Window::Specimens;
  std::map<Window, std::array<int, 2>> drawingSizes;
  std::optional<ToolbarEnabling> toolbar;
  int toolbarUpdates = 0;
  bool quitRequested = false;
  int messageCount = 0;

  // Progress: every report in order (when recording), and the answer to give. When
  // stopProgressAt is set, the answer is false once done reaches it.
  std::vector<ProgressReport> progressReports;
  long progressCalls = 0;
  std::optional<long> stopProgressAt;

  int AskNumber(const std::string& question) override;
  std::optional<std::string> AskText(const std::string& question) override;
  bool AskYesNo(const std::string& question) override;
  std::optional<std::string> ChooseFile(FileDialog dialog) override;
  void ShowMessage(const std::string& text, const std::string& caption, Icon icon) override;
  void AppendLog(const std::string& line) override;
  void ClearLog() override;
  void ShowWindow(Window window) override;
  void HideWindow(Window window) override;
  bool IsWindowVisible(Window window) override;
  void ShowModal(Window window) override;
  void Invalidate(Window window) override;
  void ClearPicture(Window window) override;
  void SetComboIndex(Combo combo, int index) override;
  void SetComboText(Combo combo, const std::string& text) override;
  void SetComboItems(Combo combo, const std::vector<std::string>& items) override;
  void SetTrackBarPosition(int position) override;
  void SetToolbarEnabled(const ToolbarEnabling& enabled) override;
  bool Progress(const ProgressReport& report) override;
  Window FrontShapeWindow() override { return frontShapeWindow; }
  std::array<int, 2> DrawingSize(Window window) override;
  void ShowHelp() override;
  void QuitProgram() override;

  // Conveniences for checks.
  bool Invalidated(Window window) const;
  std::string LastMessage() const;
  int Count(const std::string& event) const;

 protected:
  void Record(std::string event);

 private:
  bool record_;
};

const char* WindowName(Window window);
const char* ComboName(Combo combo);

}  // namespace vrel
