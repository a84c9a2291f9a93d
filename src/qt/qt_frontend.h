// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>
#include <memory>

#include "shell/frontend.h"

class QComboBox;
class QProgressDialog;
class QWidget;

namespace vrel {

class TMainForm;
class TVrelDialog;
class TPlotDraw;
class TPcsDraw;
class TDrawWindow;
class TLogWindow;
class TAboutBox;

// The program's windows as the commands reach them.
struct FormSet {
  TMainForm* MainForm = nullptr;
  TVrelDialog* VrelDialog = nullptr;
  TPlotDraw* PlotDraw = nullptr;
  TPcsDraw* PcsDraw = nullptr;
  TDrawWindow* DrawWindow = nullptr;
  TLogWindow* LogWindow = nullptr;
  TAboutBox* AboutBox = nullptr;
};

// "TXT|*.txt|ALL|*.*" becomes "TXT (*.txt);;ALL (*.*)"; a description that already names
// its patterns in brackets is kept as it is.
QString QtFileFilter(const char* filter);
QMessageBox::Icon QtMessageIcon(Icon icon);

// The Frontend of the desktop program: every request is served by a real window or dialog.
class QtFrontend : public Frontend {
 public:
  explicit QtFrontend(TMainForm& mainForm);
  ~QtFrontend() override;

  void SetForms(const FormSet& forms) { forms_ = forms; }
  // What Quit does; ends the process by default.
  void SetQuitAction(std::function<void()> quit) { quit_ = std::move(quit); }

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
  void ClearPicture(Window window) override;
  void SetComboIndex(Combo combo, int index) override;
  void SetComboText(Combo combo, const std::string& text) override;
  void SetTrackBarPosition(int position) override;
  void SetToolbarEnabled(const ToolbarEnabling& enabled) override;
  bool Progress(const ProgressReport& report) override;
  void ShowHelp() override;
  void QuitProgram() override;

  // The progress dialog of the running computation, if any.
  QProgressDialog* ProgressDialog() const { return progress_.get(); }

 private:
  QWidget* WindowWidget(Window window) const;
  QComboBox* ComboWidget(Combo combo) const;
  QWidget* DialogParent() const;

  TMainForm& main_;
  FormSet forms_;
  std::unique_ptr<QProgressDialog> progress_;
  long progressScale_ = 1;
  std::function<void()> quit_;
  QString lastDirectory_;
};

}  // namespace vrel
