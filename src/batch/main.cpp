// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <new>
#include <string>

#include "batch/batch_runner.h"
#include "shell/capacity.h"

#ifdef VREL_BATCH_IMAGES
#include <dlfcn.h>

#include "shell/messages.h"
#endif

namespace {

int Usage() {
  std::cerr << "usage: vrel-batch [--keep-going] [--capacity NxM|auto] SCRIPT\n";
  return 2;
}

#ifdef VREL_BATCH_IMAGES
// Images are written by a module that brings in Qt, which takes far longer to load than a whole
// analysis takes to run: it is loaded when the script first exports an image, from beside the
// program or from lib/vrel next to its folder.
class ImageExport {
 public:
  ImageExport() = default;
  ImageExport(const ImageExport&) = delete;
  ImageExport& operator=(const ImageExport&) = delete;
  ~ImageExport() {
    if (close_ != nullptr) close_();
  }

  bool operator()(const vrel::Picture& picture, const std::string& path, vrel::Frontend& fe,
                  int scale) {
    if (write_ == nullptr && !Load()) {
      vrel::ShowProgramMessage(fe, vrel::Message::CannotWriteFile, path);
      return false;
    }
    return write_(picture, path, fe, scale);
  }

 private:
  // The module's writer takes the PNG scale; its name says so, so that a module built before
  // the scale existed is never called with an argument it does not take.
  using Write = bool (*)(const vrel::Picture&, const std::string&, vrel::Frontend&, int scale);
  using Close = void (*)();

  bool Load() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    const std::filesystem::path folder = error ? std::filesystem::path(".") : program.parent_path();
    void* module = nullptr;
    for (const auto& place : {folder, folder.parent_path() / "lib" / "vrel"}) {
      module = ::dlopen((place / VREL_BATCH_IMAGE_MODULE).c_str(), RTLD_NOW | RTLD_LOCAL);
      if (module != nullptr) break;
    }
    if (module == nullptr) {
      std::cerr << "vrel-batch: cannot load the image writer " << VREL_BATCH_IMAGE_MODULE << '\n';
      return false;
    }
    write_ = reinterpret_cast<Write>(::dlsym(module, "VrelBatchWriteScaledImage"));
    close_ = reinterpret_cast<Close>(::dlsym(module, "VrelBatchCloseImages"));
    return write_ != nullptr;
  }

  Write write_ = nullptr;
  Close close_ = nullptr;
};
#endif

}  // namespace

int main(int argc, char** argv) {
  bool keepGoing = false;
  bool autoCapacity = false;
  vrel::Capacity capacity;
  const char* scriptPath = nullptr;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--keep-going") == 0) {
      keepGoing = true;
    } else if (std::strcmp(argv[i], "--capacity") == 0 && i + 1 < argc) {
      const std::string value = argv[++i];
      if (value == "auto") {
        autoCapacity = true;
      } else if (const auto parsed = vrel::ParseCapacity(value)) {
        capacity = *parsed;
      } else {
        std::cerr << "vrel-batch: --capacity takes auto or NxM, N specimens from 1 to "
                  << vrel::LargestSpecimenCapacity << " and M coordinates from 1 to "
                  << vrel::LargestCoordinateCapacity << ", not '" << value << "'\n";
        return 2;
      }
    } else if (scriptPath == nullptr)
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
    session = std::make_unique<vrel::Session>(capacity);
  } catch (const std::bad_alloc&) {
    std::cerr << scriptPath << ":0: Not enough memory\n";
    return 1;
  }
#ifdef VREL_BATCH_IMAGES
  ImageExport images;
  return vrel::RunBatchScript(*session, scriptPath, script, std::cout, std::cerr, keepGoing,
                              std::ref(images), autoCapacity);
#else
  return vrel::RunBatchScript(*session, scriptPath, script, std::cout, std::cerr, keepGoing,
                              nullptr, autoCapacity);
#endif
}
