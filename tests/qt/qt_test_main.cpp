// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt tests need one application object for the whole run, on the offscreen platform
// unless a display is asked for.
#include <gtest/gtest.h>

#include <QtGlobal>
#include <clocale>
#include <cstdio>

#include "qt/application.h"

namespace {

// The offscreen platform warns about window-manager requests it cannot honour; only those
// are dropped.
QtMessageHandler previousHandler = nullptr;

void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.startsWith("This plugin does not support")) return;
  if (previousHandler != nullptr)
    previousHandler(type, context, message);
  else
    fprintf(stderr, "%s\n", qPrintable(message));
}

}  // namespace

int main(int argc, char** argv) {
  previousHandler = qInstallMessageHandler(QuietHandler);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // The windows run as on a desktop whose language writes a decimal comma, when the machine
  // has such a locale: no number may take it on.
  if (std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr) qputenv("LC_ALL", "de_DE.UTF-8");
  std::setlocale(LC_ALL, "C");
  testing::InitGoogleTest(&argc, argv);
  vrel::VrelApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
