// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <memory>

#include "shell/capacities.h"

namespace vrel {

class TMainForm;
class TVrelDialog;
class TPlotDraw;
class TPcsDraw;
class TDrawWindow;
class TLogWindow;
class TAboutBox;

// The application object: titled "Vrel"; a failure that escapes an event handler is shown in
// a message box and the program carries on.
class VrelApplication : public QApplication {
  Q_OBJECT

 public:
  VrelApplication(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;

  // The standard report of an escaped failure.
  static void ShowException(const QString& text);
};

// The program's windows, created in start-up order and destroyed in reverse.
class Forms {
 public:
  // Creates every window; all but the prompt are shown, the About box in front.
  explicit Forms(int failAtAllocation = -1, Capacity capacity = {});
  ~Forms();

  std::unique_ptr<TMainForm> MainForm;
  std::unique_ptr<TVrelDialog> VrelDialog;
  std::unique_ptr<TPlotDraw> PlotDraw;
  std::unique_ptr<TPcsDraw> PcsDraw;
  std::unique_ptr<TDrawWindow> DrawWindow;
  std::unique_ptr<TLogWindow> LogWindow;
  std::unique_ptr<TAboutBox> AboutBox;
};

}  // namespace vrel
