#pragma once

#include <unistd.h>

#include <filesystem>
#include <string>

namespace vrel::test {

// Path of a file under tests/data.
inline std::string DataFile(const std::string& name) {
  return std::string(VREL_TEST_DATA_DIR) + "/" + name;
}

// A folder of this test process's own, ending with a slash, removed when the process ends.
// The test runner starts the tests in parallel processes, so files written by tests must never
// share a path.
inline std::string ScratchDir() {
  struct Folder {
    std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("vrel-tests-" + std::to_string(::getpid()));
    Folder() { std::filesystem::create_directories(path); }
    ~Folder() {
      std::error_code ignored;
      std::filesystem::remove_all(path, ignored);
    }
  };
  static const Folder folder;
  return folder.path.string() + "/";
}

}  // namespace vrel::test
