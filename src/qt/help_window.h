// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTextBrowser>
#include <QWidget>

namespace vrel {

// Shows the user guide bundled with the program.
class THelpWindow : public QWidget {
  Q_OBJECT

 public:
  THelpWindow();

  // Opens the guide at its contents page and brings the window to the front.
  void ShowContents();

  QTextBrowser* HelpBrowser;
};

inline constexpr const char* HelpContentsUrl = "qrc:/help/index.html";

}  // namespace vrel
