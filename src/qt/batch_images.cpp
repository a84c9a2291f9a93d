// SPDX-License-Identifier: GPL-3.0-or-later
// The image writer of vrel-batch, built as a module of its own: Qt takes far longer to load than
// a whole analysis takes to run, so the program loads this only when a script first exports an
// image.
#include <QGuiApplication>
#include <clocale>
#include <iostream>
#include <memory>

#include "qt/picture_files.h"

namespace {

// Standard error carries the script's messages only: Qt's own notes stay out of it.
void QuietQt(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (type == QtCriticalMsg || type == QtFatalMsg)
    std::cerr << "vrel-batch: " << text.toLocal8Bit().constData() << '\n';
}

// Qt's painter needs an application object: it is started with the offscreen platform (no
// display is needed) on the first image, and kept until the program closes the module.
char name[] = "vrel-batch";
char option[] = "-platform";
char platform[] = "offscreen";
char* arguments[] = {name, option, platform, nullptr};
int argumentCount = 3;
std::unique_ptr<QGuiApplication> application;

}  // namespace

// The scale draws a PNG that many times larger (1: the picture's own size); SVG and PDF ignore it.
extern "C" __attribute__((visibility("default"))) bool VrelBatchWriteScaledImage(
    const vrel::Picture& picture, const std::string& path, vrel::Frontend& fe, int scale) {
  if (!application) {
    qInstallMessageHandler(QuietQt);
    application = std::make_unique<QGuiApplication>(argumentCount, arguments);
    // Qt takes the C locale from the environment; numbers are written with a decimal point.
    std::setlocale(LC_NUMERIC, "C");
  }
  return vrel::ExportPictureFile(picture, path, fe, scale);
}

extern "C" __attribute__((visibility("default"))) void VrelBatchCloseImages() {
  application.reset();
}
