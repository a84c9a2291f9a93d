// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <array>
#include <map>
#include <memory>

#include "app/command_table.h"
#include "qt/drawing_form.h"
#include "qt/qt_frontend.h"
#include "shell/session.h"

class QComboBox;
class QMenu;
class QSlider;
class QToolBar;
class QToolButton;

namespace vrel {

class THelpWindow;

// The main window: a thin strip with the menu bar and the toolbar. It owns the session and the
// frontend, and runs every command and handler, one at a time.
class TMainForm : public QMainWindow, public HandlerRunner {
  Q_OBJECT

 public:
  // Creates the session; when its storage cannot be had, says "Not enough memory" and ends
  // the program. failAtAllocation makes that allocation step fail (for tests).
  explicit TMainForm(int failAtAllocation = -1, Capacity capacity = {});
  ~TMainForm() override;

  Session& State() override { return *session_; }
  QtFrontend& Front() override { return *frontend_; }
  // Makes the frontend over the program's other windows, with this window's toolbar and help,
  // and sets the toolbar's enabling.
  void AttachWindows(FrontendWidgets windows);
  // Draws the toolbar buttons' pictures; they take long enough to wait until the window is up.
  void DrawGlyphs();

  void Run(const Handler& handler) override;
  // Runs a command's handler with the session and the frontend, unless one is running.
  void RunCommand(CommandId id);
  bool CommandRunning() const { return running_; }

  QAction* MenuAction(CommandId id) const;
  QMenu* Menu(const QString& name) const;
  // The open handler of a top-level menu: enabling and check marks from the session.
  void UpdateMenu(QMenu* menu);

  void ShowHelp();
  THelpWindow* HelpWindow() const { return help_.get(); }
  // Closing the main window: closes the help window, then the program ends.
  void FormClose();

  // Toolbar controls, in ToolbarControl order.
  std::array<QWidget*, ToolbarControlCount> ToolbarControls() const { return controls_; }
  // What a toolbar control does with its value (item index, position; 0 for a button): runs
  // the control's handler with it, or the control's menu command. Guarded like RunCommand.
  void RunControl(ToolbarControl control, int value);

  QToolBar* ToolBar1 = nullptr;
  QToolButton* BoutonGpa = nullptr;
  QToolButton* BoutonPcs = nullptr;
  QToolButton* BoutonZoomPlus = nullptr;
  QToolButton* BoutonZoomMoins = nullptr;
  QToolButton* BoutonUp = nullptr;
  QToolButton* BoutonRight = nullptr;
  QToolButton* BoutonAll = nullptr;
  QComboBox* ComboBoxIndi = nullptr;
  QSlider* TrackBar1 = nullptr;
  QComboBox* ComboBoxComp = nullptr;
  QToolButton* BoutonPlot = nullptr;
  QComboBox* ComboXaxis = nullptr;
  QComboBox* ComboYaxis = nullptr;
  QToolButton* BoutonLabel = nullptr;

 protected:
  void closeEvent(QCloseEvent* event) override;
  // Left and Right in the specimen and vector lists.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  static int ShownItem(const QComboBox* combo);
  void BuildMenus();
  void BuildToolbar();
  void FitToStrip();
  // The controls at their places, each list wide enough for its longest item.
  void LayOutStrip();
  // A list has new items: the strip is laid out again and the window widened to hold it.
  void ListItemsChanged();
  QAction* AddCommand(QMenu* menu, CommandId id);

  std::unique_ptr<Session> session_;
  std::unique_ptr<QtFrontend> frontend_;
  std::unique_ptr<THelpWindow> help_;
  std::map<CommandId, QAction*> actions_;
  std::array<QWidget*, ToolbarControlCount> controls_{};
  QWidget* strip_ = nullptr;
  bool running_ = false;

 signals:
  // A toolbar control delivered its value, before it is run.
  void ControlUsed(vrel::ToolbarControl control, int value);
};

}  // namespace vrel
