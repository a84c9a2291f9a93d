// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPlainTextEdit>
#include <QWidget>

namespace vrel {

// The window where commands write their results, one line at a time.
class TLogWindow : public QWidget {
  Q_OBJECT

 public:
  TLogWindow();

  void AddLine(const QString& line);
  void Clear();
  QStringList Lines() const;

  QPlainTextEdit* MemoVrel;
};

}  // namespace vrel
