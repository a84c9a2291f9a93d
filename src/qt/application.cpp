// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/application.h"

#include <QMessageBox>
#include <clocale>
#include <exception>

#include "qt/about_box.h"
#include "qt/drawing_form.h"
#include "qt/log_window.h"
#include "qt/main_form.h"
#include "qt/qt_support.h"
#include "qt/vrel_dialog.h"
#include "shell/enabling.h"
#include "shell/version.h"

namespace vrel {

VrelApplication::VrelApplication(int& argc, char** argv) : QApplication(argc, argv) {
  // The toolkit takes the desktop's locale for the C library; numbers in the log and in files
  // keep their decimal point whatever the desktop's language.
  std::setlocale(LC_NUMERIC, "C");
  setApplicationName("Vrel");
  setApplicationVersion(ProgramVersion);
  InitResources();
  setWindowIcon(SvgIcon(":/icons/vrel.svg", 32));
}

bool VrelApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& failure) {
    ShowException(QString::fromLocal8Bit(failure.what()));
  } catch (...) {
    ShowException("Unknown error");
  }
  return false;
}

void VrelApplication::ShowException(const QString& text) {
  QMessageBox box(QMessageBox::Critical, applicationName(), text, QMessageBox::Ok);
  box.setObjectName("ExceptionMessage");
  box.exec();
}

Forms::Forms(int failAtAllocation, Capacity capacity) {
  InitResources();
  MainForm = std::make_unique<TMainForm>(failAtAllocation, capacity);
  // The main window maps first. Nothing paints before the event loop runs, so its toolbar's
  // pictures and the other windows are there when it first shows.
  MainForm->show();
  MainForm->DrawGlyphs();
  VrelDialog = std::make_unique<TVrelDialog>();
  PlotDraw = std::make_unique<TPlotDraw>(*MainForm);
  PcsDraw = std::make_unique<TPcsDraw>(*MainForm);
  DrawWindow = std::make_unique<TDrawWindow>(*MainForm);
  LogWindow = std::make_unique<TLogWindow>();
  AboutBox = std::make_unique<TAboutBox>();
  MainForm->AttachWindows({.prompt = VrelDialog.get(),
                           .drawings = {DrawWindow.get(), PcsDraw.get(), PlotDraw.get()},
                           .log = LogWindow.get(),
                           .about = AboutBox.get()});

  LogWindow->SetSaveScript(
      [this] { MainForm->RunCommand(CommandId::SaveScript); },
      [this] { return MenuItemEnabled(MainForm->State(), CommandId::SaveScript); });

  // Shown in creation order, so the About box, made last, stands in front.
  PlotDraw->show();
  PcsDraw->show();
  DrawWindow->show();
  LogWindow->show();
  AboutBox->show();
  AboutBox->raise();
  AboutBox->activateWindow();
}

Forms::~Forms() = default;

}  // namespace vrel
