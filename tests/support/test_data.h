// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace vrel::test {

// Path of a file under tests/data.
inline std::string DataFile(const std::string& name) {
  return std::string(VREL_TEST_DATA_DIR) + "/" + name;
}

// The file names of the landmark data sets under tests/data, sorted.
inline std::vector<std::string> LandmarkDataSets() {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(VREL_TEST_DATA_DIR)) {
    const std::string name = entry.path().filename().string();
    // The direction file is a single unit vector in the consensus layout, not a sample.
    if (entry.path().extension() == ".dat" && name != "direction_x1.dat") names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
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

// Writes text to a file of that name in the scratch folder and returns its path.
inline std::string WriteScratch(const std::string& name, const std::string& text) {
  const std::string path = ScratchDir() + name;
  std::ofstream(path) << text;
  return path;
}

// The whole content of a file, byte for byte; empty when it cannot be read.
inline std::string ReadWhole(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace vrel::test
