// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMenu>
#include <QPlainTextEdit>
#include <QWidget>
#include <functional>

namespace vrel {

// The window where commands write their results, one line at a time.
class TLogWindow : public QWidget {
  Q_OBJECT

 public:
  TLogWindow();

  void AddLine(const QString& line);
  void Clear();
  QStringList Lines() const;
  // The right-click menu's "Save Script…": what it runs, and whether it is enabled now.
  void SetSaveScript(std::function<void()> save, std::function<bool()> enabled);
  // The right-click menu as it opens: the text's own commands, then Save Script.
  QMenu* ContextMenu();

  QPlainTextEdit* MemoVrel;

 private:
  std::function<void()> saveScript_;
  std::function<bool()> canSaveScript_;
};

}  // namespace vrel
