#pragma once

#include <QMainWindow>
#include <array>
#include <map>
#include <memory>

#include "app/command_table.h"
#include "shell/session.h"

class QComboBox;
class QMenu;
class QSlider;
class QToolBar;
class QToolButton;

namespace vrel {

class QtFrontend;
class THelpWindow;
struct FormSet;

// The main window: a thin strip with the menu bar and the toolbar. It owns the session and
// starts every command.
class TMainForm : public QMainWindow {
  Q_OBJECT

 public:
  // Creates the session; when its storage cannot be had, says "Not enough memory" and ends
  // the program. failAtAllocation makes that allocation step fail (for tests).
  explicit TMainForm(int failAtAllocation = -1);
  ~TMainForm() override;

  Session& State() { return *session_; }
  QtFrontend& Front() { return *frontend_; }
  void AttachForms(const FormSet& forms);

  // Runs a command's handler with the session and this window's frontend. Unbuilt commands
  // and a second command while one is still running (inside its prompt, say) do nothing.
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
  std::array<QWidget*, ToolbarControlCount> ToolbarControls() const;

  // Toolbar handlers.
  void GpaClick() { RunCommand(CommandId::Gpa); }
  void PcsClick() { RunCommand(CommandId::Pcs); }
  void ViewAllClick() { RunCommand(CommandId::ViewAll); }
  void ViewPlotClick() { RunCommand(CommandId::ViewPlot); }
  // The view commands (zoom, rotation, specimen and vector choice, magnitude, labels) are
  // wired to these; they do nothing until the view state offers them.
  void BoutonZoomPlusClick() {}
  void BoutonZoomMoinsClick() {}
  void BoutonUpClick() {}
  void BoutonRightClick() {}
  void ComboBoxIndiClick() {}
  void ComboBoxCompClick() {}
  void TrackBar1Change() {}
  void BoutonLabelClick() {}

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

 private:
  void BuildMenus();
  void BuildToolbar();
  QAction* AddCommand(QMenu* menu, CommandId id);

  std::unique_ptr<Session> session_;
  std::unique_ptr<QtFrontend> frontend_;
  std::unique_ptr<THelpWindow> help_;
  std::map<CommandId, QAction*> actions_;
  bool running_ = false;
};

inline constexpr const char* NotAvailableTip = "Not available in this version";

}  // namespace vrel
