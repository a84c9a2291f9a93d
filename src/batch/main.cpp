#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <new>

#include "batch/batch_runner.h"

namespace {

int Usage() {
  std::cerr << "usage: vrel-batch [--keep-going] SCRIPT\n";
  return 2;
}

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
  return vrel::RunBatchScript(*session, scriptPath, script, std::cout, std::cerr, keepGoing);
}
