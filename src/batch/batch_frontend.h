#pragma once

#include <deque>
#include <map>
#include <optional>
#include <ostream>
#include <string>

#include "shell/frontend.h"

namespace vrel {

// The Frontend of vrel-batch: log lines go to standard output, message boxes to standard
// error as "SCRIPT:LINE: TEXT", and the command's arguments answer its prompts and dialogs.
class BatchFrontend : public Frontend {
 public:
  BatchFrontend(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}

  // Where the next message is reported from.
  void SetLocation(const std::string& script, int line) {
    script_ = script;
    line_ = line;
  }
  void QueueNumber(int value) { numbers_.push_back(value); }
  void QueueFile(std::optional<std::string> path) { files_.push_back(std::move(path)); }
  void ClearQueues() {
    numbers_.clear();
    files_.clear();
  }
  // Reports a line on standard error at the current location.
  void ReportError(const std::string& text);

  int MessageCount() const { return messageCount_; }
  bool QuitRequested() const { return quitRequested_; }

  int AskNumber(const std::string& question) override;
  std::optional<std::string> ChooseFile(FileDialog dialog) override;
  void ShowMessage(const std::string& text, const std::string& caption, Icon icon) override;
  void AppendLog(const std::string& line) override;
  void ClearLog() override {}
  void ShowWindow(Window window) override { visible_[window] = true; }
  void HideWindow(Window window) override { visible_[window] = false; }
  bool IsWindowVisible(Window window) override;
  void ShowModal(Window) override {}
  void Invalidate(Window) override {}
  void SetComboIndex(Combo combo, int index) override { comboIndex_[combo] = index; }
  int ComboIndex(Combo combo) override { return comboIndex_[combo]; }
  void SetComboText(Combo combo, const std::string& text) override { comboText_[combo] = text; }
  std::string ComboText(Combo combo) override { return comboText_[combo]; }
  void SetTrackBarPosition(int position) override { trackBar_ = position; }
  int TrackBarPosition() override { return trackBar_; }
  void SetToolbarEnabled(const ToolbarEnabling& enabled) override { toolbar_ = enabled; }
  void QuitProgram() override { quitRequested_ = true; }

 private:
  std::ostream& out_;
  std::ostream& err_;
  std::string script_;
  int line_ = 0;
  std::deque<int> numbers_;
  std::deque<std::optional<std::string>> files_;
  std::map<Window, bool> visible_;
  std::map<Combo, int> comboIndex_;
  std::map<Combo, std::string> comboText_;
  int trackBar_ = 4;
  ToolbarEnabling toolbar_{};
  int messageCount_ = 0;
  bool quitRequested_ = false;
};

}  // namespace vrel
