// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/headless_frontend.h"

#include <algorithm>

namespace vrel {

const char* WindowName(Window window) {
  switch (window) {
    case Window::Specimens:
      return "Specimens";
    case Window::Vectors:
      return "Vectors";
    case Window::Plot:
      return "Plot";
    case Window::Log:
      return "Log";
    case Window::About:
      return "About";
  }
  return "?";
}

const char* ComboName(Combo combo) {
  switch (combo) {
    case Combo::Indi:
      return "Indi";
    case Combo::Comp:
      return "Comp";
    case Combo::Xaxis:
      return "Xaxis";
    case Combo::Yaxis:
      return "Yaxis";
  }
  return "?";
}

void HeadlessFrontend::Record(std::string event) {
  if (record_) events.push_back(std::move(event));
}

int HeadlessFrontend::AskNumber(const std::string& question) {
  if (record_) prompts.push_back(question);
  Record("prompt:" + question);
  if (numbers.empty()) return 0;
  const int answer = numbers.front();
  numbers.pop_front();
  return answer;
}

std::optional<std::string> HeadlessFrontend::AskText(const std::string& question) {
  if (record_) prompts.push_back(question);
  Record("text:" + question);
  if (texts.empty()) return std::nullopt;
  std::optional<std::string> answer = std::move(texts.front());
  texts.pop_front();
  return answer;
}

bool HeadlessFrontend::AskYesNo(const std::string& question) {
  Record("question:" + question);
  if (answers.empty()) return false;
  const bool answer = answers.front();
  answers.pop_front();
  return answer;
}

std::optional<std::string> HeadlessFrontend::ChooseFile(FileDialog dialog) {
  if (record_) dialogs.push_back(dialog);
  Record("file:" + std::to_string(static_cast<int>(dialog)));
  if (files.empty()) return std::nullopt;
  auto answer = files.front();
  files.pop_front();
  return answer;
}

void HeadlessFrontend::ShowMessage(const std::string& text, const std::string& caption, Icon icon) {
  ++messageCount;
  if (record_) messages.push_back({text, caption, icon});
  Record("message:" + text);
}

void HeadlessFrontend::AppendLog(const std::string& line) {
  if (record_) log.push_back(line);
  Record("log:" + line);
}

void HeadlessFrontend::ClearLog() {
  log.clear();
  Record("clear-log");
}

void HeadlessFrontend::ShowWindow(Window window) {
  visible[window] = true;
  Record(std::string("show:") + WindowName(window));
}

void HeadlessFrontend::HideWindow(Window window) {
  visible[window] = false;
  Record(std::string("hide:") + WindowName(window));
}

bool HeadlessFrontend::IsWindowVisible(Window window) { return visible[window]; }

void HeadlessFrontend::ShowModal(Window window) {
  Record(std::string("modal:") + WindowName(window));
}

void HeadlessFrontend::Invalidate(Window window) {
  Record(std::string("invalidate:") + WindowName(window));
}

void HeadlessFrontend::ClearPicture(Window window) {
  Record(std::string("clear-picture:") + WindowName(window));
}

void HeadlessFrontend::SetComboIndex(Combo combo, int index) {
  comboIndex[combo] = index;
  Record(std::string("combo-index:") + ComboName(combo) + "=" + std::to_string(index));
}

void HeadlessFrontend::SetComboText(Combo combo, const std::string& text) {
  comboText[combo] = text;
  Record(std::string("combo-text:") + ComboName(combo) + "=" + text);
}

void HeadlessFrontend::SetComboItems(Combo combo, const std::vector<std::string>& items) {
  comboItems[combo] = items;
  Record(std::string("combo-items:") + ComboName(combo) + "=" + std::to_string(items.size()));
}

void HeadlessFrontend::SetTrackBarPosition(int position) {
  trackBar = position;
  Record("trackbar=" + std::to_string(position));
}

void HeadlessFrontend::SetToolbarEnabled(const ToolbarEnabling& enabled) {
  toolbar = enabled;
  ++toolbarUpdates;
  Record("toolbar");
}

std::array<int, 2> HeadlessFrontend::DrawingSize(Window window) {
  const auto size = drawingSizes.find(window);
  return size == drawingSizes.end() ? std::array<int, 2>{0, 0} : size->second;
}

bool HeadlessFrontend::Progress(const ProgressReport& report) {
  ++progressCalls;
  if (record_) progressReports.push_back(report);
  return !(stopProgressAt && report.done >= *stopProgressAt);
}

void HeadlessFrontend::ShowHelp() { Record("help"); }

void HeadlessFrontend::QuitProgram() {
  quitRequested = true;
  Record("quit");
}

bool HeadlessFrontend::Invalidated(Window window) const {
  return Count(std::string("invalidate:") + WindowName(window)) > 0;
}

std::string HeadlessFrontend::LastMessage() const {
  return messages.empty() ? std::string() : messages.back().text;
}

int HeadlessFrontend::Count(const std::string& event) const {
  return static_cast<int>(std::count(events.begin(), events.end(), event));
}

}  // namespace vrel
