#include "support/scripted_frontend.h"

#include <algorithm>

namespace vrel::test {

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

int ScriptedFrontend::AskNumber(const std::string& question) {
  prompts.push_back(question);
  events.push_back("prompt:" + question);
  if (numbers.empty()) return 0;
  const int answer = numbers.front();
  numbers.pop_front();
  return answer;
}

std::optional<std::string> ScriptedFrontend::ChooseFile(FileDialog dialog) {
  dialogs.push_back(dialog);
  events.push_back("file:" + std::to_string(static_cast<int>(dialog)));
  if (files.empty()) return std::nullopt;
  auto answer = files.front();
  files.pop_front();
  return answer;
}

void ScriptedFrontend::ShowMessage(const std::string& text, const std::string& caption, Icon icon) {
  messages.push_back({text, caption, icon});
  events.push_back("message:" + text);
}

void ScriptedFrontend::AppendLog(const std::string& line) {
  log.push_back(line);
  events.push_back("log:" + line);
}

void ScriptedFrontend::ClearLog() {
  log.clear();
  events.push_back("clear-log");
}

void ScriptedFrontend::ShowWindow(Window window) {
  visible[window] = true;
  events.push_back(std::string("show:") + WindowName(window));
}

void ScriptedFrontend::HideWindow(Window window) {
  visible[window] = false;
  events.push_back(std::string("hide:") + WindowName(window));
}

bool ScriptedFrontend::IsWindowVisible(Window window) { return visible[window]; }

void ScriptedFrontend::ShowModal(Window window) {
  events.push_back(std::string("modal:") + WindowName(window));
}

void ScriptedFrontend::Invalidate(Window window) {
  events.push_back(std::string("invalidate:") + WindowName(window));
}

void ScriptedFrontend::SetComboIndex(Combo combo, int index) {
  comboIndex[combo] = index;
  events.push_back(std::string("combo-index:") + ComboName(combo) + "=" + std::to_string(index));
}

int ScriptedFrontend::ComboIndex(Combo combo) { return comboIndex[combo]; }

void ScriptedFrontend::SetComboText(Combo combo, const std::string& text) {
  comboText[combo] = text;
  events.push_back(std::string("combo-text:") + ComboName(combo) + "=" + text);
}

std::string ScriptedFrontend::ComboText(Combo combo) { return comboText[combo]; }

void ScriptedFrontend::SetTrackBarPosition(int position) {
  trackBar = position;
  events.push_back("trackbar=" + std::to_string(position));
}

int ScriptedFrontend::TrackBarPosition() { return trackBar; }

void ScriptedFrontend::SetToolbarEnabled(const ToolbarEnabling& enabled) {
  toolbar = enabled;
  ++toolbarUpdates;
  events.push_back("toolbar");
}

bool ScriptedFrontend::Progress(long done, long) {
  ++progressCalls;
  return !(cancelProgressAt && done >= *cancelProgressAt);
}

void ScriptedFrontend::ShowHelp() { events.push_back("help"); }

void ScriptedFrontend::QuitProgram() {
  quitRequested = true;
  events.push_back("quit");
}

bool ScriptedFrontend::Invalidated(Window window) const {
  const std::string wanted = std::string("invalidate:") + WindowName(window);
  return std::find(events.begin(), events.end(), wanted) != events.end();
}

int ScriptedFrontend::Count(const std::string& event) const {
  return static_cast<int>(std::count(events.begin(), events.end(), event));
}

}  // namespace vrel::test
