#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <new>

#include "batch/batch_runner.h"

#ifdef VREL_BATCH_IMAGES
#include <QGuiApplication>
#include <clocale>

#include "qt/picture_files.h"
#endif

namespace {

int Usage() {
  std::cerr << "usage: vrel-batch [--keep-going] SCRIPT\n";
  return 2;
}

#ifdef VREL_BATCH_IMAGES
// Qt's painter needs an application object: it is started with the offscreen platform (no
// display is needed) when the script first exports an image, and kept to the end of the run.
class ImageExport {
 public:
  bool operator()(const vrel::Picture& picture, const std::string& path, vrel::Frontend& fe) {
    if (!app_) {
      // Standard error carries the script's messages only: Qt's own notes stay out of it.
      qInstallMessageHandler(QuietQt);
      app_ = std::make_unique<QGuiApplication>(argc_, argv_);
      // Qt takes the C locale from the environment; numbers are written with a decimal point.
      std::setlocale(LC_NUMERIC, "C");
    }
    return vrel::ExportPictureFile(picture, path, fe);
  }

 private:
  static void QuietQt(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
      std::cerr << "vrel-batch: " << text.toLocal8Bit().constData() << '\n';
  }

  char name_[11] = "vrel-batch";
  char option_[10] = "-platform";
  char platform_[10] = "offscreen";
  char* argv_[4] = {name_, option_, platform_, nullptr};
  int argc_ = 3;
  std::unique_ptr<QGuiApplication> app_;
};
#endif

}  // namespace

int main(int argc, char** argv) {
  bool keepGoing = false;
  const char* scriptPath = nullptr;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--keep-going") == 0)
      keepGoing = true;
    else if (scriptPath == nullptr)
      scriptPath = argv[i];
    else
      return Usage();
  }
  if (scriptPath == nullptr) return Usage();

  // A script that cannot be read (missing, a folder, no permission) is not run at all: exit
  // status 2, apart from 1 for a message during the run.
  std::error_code error;
  if (std::filesystem::is_directory(scriptPath, error)) {
    std::cerr << scriptPath << ": cannot read the script: it is a folder\n";
    return 2;
  }
  std::ifstream script(scriptPath);
  if (!script) {
    std::cerr << scriptPath << ": cannot read the script\n";
    return 2;
  }
  std::unique_ptr<vrel::Session> session;
  try {
    session = std::make_unique<vrel::Session>();
  } catch (const std::bad_alloc&) {
    std::cerr << scriptPath << ":0: Not enough memory\n";
    return 1;
  }
#ifdef VREL_BATCH_IMAGES
  ImageExport images;
  return vrel::RunBatchScript(*session, scriptPath, script, std::cout, std::cerr, keepGoing,
                              std::ref(images));
#else
  return vrel::RunBatchScript(*session, scriptPath, script, std::cout, std::cerr, keepGoing);
#endif
}
