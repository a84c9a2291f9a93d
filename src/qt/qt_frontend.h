// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMessageBox>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "shell/frontend.h"

class QComboBox;
class QProgressDialog;
class QWidget;

namespace vrel {

class DrawingForm;
class TVrelDialog;
class TLogWindow;
class TAboutBox;

// The widgets the desktop program's frontend drives.
struct FrontendWidgets {
  QWidget* dialogParent = nullptr;
  // The toolbar's controls in ToolbarControl order: it enables them and sets the lists and the
  // track bar.
  std::array<QWidget*, ToolbarControlCount> controls{};
  std::function<void()> help = nullptr;
  // After a list's items change: the main window fits its toolbar to them.
  std::function<void()> listItemsChanged = nullptr;
  TVrelDialog* prompt = nullptr;
  std::vector<DrawingForm*> drawings;
  TLogWindow* log = nullptr;
  TAboutBox* about = nullptr;
};

// "TXT|*.txt|ALL|*.*" becomes "TXT (*.txt);;ALL (*.*)"; a description that already names
// its patterns in brackets is kept as it is.
QString QtFileFilter(const char* filter);
QMessageBox::Icon QtMessageIcon(Icon icon);

// The Frontend of the desktop program: every request is served by a real window or dialog.
class QtFrontend : public Frontend {
 public:
  explicit QtFrontend(FrontendWidgets widgets);
  ~QtFrontend() override;

  // What Quit does; ends the process by default.
  void SetQuitAction(std::function<void()> quit) { quit_ = std::move(quit); }

  int AskNumber(const std::string& question) override;
  std::optional<std::string> AskText(const std::string& question) override;
  bool AskYesNo(const std::string& question) override;
  // The drawing windows forget the images they keep of a crowd of specimens: the session may
  // have changed.
  void ForgetDrawingImages();
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
  Window FrontShapeWindow() override;
  std::array<int, 2> DrawingSize(Window window) override;
  void ShowHelp() override;
  void QuitProgram() override;

  // The progress dialog of the running computation, if any.
  QProgressDialog* ProgressDialog() const { return progress_.get(); }

 private:
  DrawingForm* Drawing(Window window) const;
  QWidget* WindowWidget(Window window) const;
  QComboBox* ComboWidget(Combo combo) const;

  FrontendWidgets widgets_;
  std::unique_ptr<QProgressDialog> progress_;
  long progressScale_ = 1;
  std::function<void()> quit_;
  QString lastDirectory_;
  QString lastText_;  // the text prompt's last answer
};

}  // namespace vrel
