#pragma once

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "shell/frontend.h"

namespace vrel::test {

// A Frontend for tests: prompt answers and file choices are queued in advance, and every call
// is recorded so that a test can check what the user would have seen, in order.
class ScriptedFrontend : public Frontend {
 public:
  struct Message {
    std::string text;
    std::string caption;
    Icon icon;
  };

  // Queued answers. A prompt with nothing queued answers 0 (as Cancel would); a file dialog
  // with nothing queued is cancelled.
  std::deque<int> numbers;
  std::deque<std::optional<std::string>> files;

  // What happened, in order: "prompt:Q", "file:DIALOG", "message:TEXT", "log:LINE", "clear-log",
  // "show:W", "hide:W", "modal:W", "invalidate:W", "combo-index:C=I", "combo-text:C=T",
  // "trackbar=P", "toolbar", "help", "quit".
  std::vector<std::string> events;
  std::vector<std::string> log;
  std::vector<std::string> prompts;
  std::vector<FileDialog> dialogs;
  std::vector<Message> messages;
  std::map<Window, bool> visible{{Window::Specimens, true},
                                 {Window::Vectors, true},
                                 {Window::Plot, true},
                                 {Window::Log, true},
                                 {Window::About, true}};
  std::map<Combo, int> comboIndex;
  std::map<Combo, std::string> comboText;
  int trackBar = 4;
  std::optional<ToolbarEnabling> toolbar;
  int toolbarUpdates = 0;
  bool quitRequested = false;
  // When set, Progress answers false once done reaches this count.
  std::optional<long> cancelProgressAt;
  long progressCalls = 0;

  int AskNumber(const std::string& question) override;
  std::optional<std::string> ChooseFile(FileDialog dialog) override;
  void ShowMessage(const std::string& text, const std::string& caption, Icon icon) override;
  void AppendLog(const std::string& line) override;
  void ClearLog() override;
  void ShowWindow(Window window) override;
  void HideWindow(Window window) override;
  bool IsWindowVisible(Window window) override;
  void ShowModal(Window window) override;
  void Invalidate(Window window) override;
  void SetComboIndex(Combo combo, int index) override;
  int ComboIndex(Combo combo) override;
  void SetComboText(Combo combo, const std::string& text) override;
  std::string ComboText(Combo combo) override;
  void SetTrackBarPosition(int position) override;
  int TrackBarPosition() override;
  void SetToolbarEnabled(const ToolbarEnabling& enabled) override;
  bool Progress(long done, long total) override;
  void ShowHelp() override;
  void QuitProgram() override;

  // Convenience for assertions.
  bool Invalidated(Window window) const;
  std::string LastMessage() const {
    return messages.empty() ? std::string() : messages.back().text;
  }
  int Count(const std::string& event) const;
};

const char* WindowName(Window window);
const char* ComboName(Combo combo);

}  // namespace vrel::test
