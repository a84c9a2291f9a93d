#pragma once

#include <map>
#include <optional>
#include <string>

namespace vrel {

// The content of a file as the readers see it; nothing when it cannot be read.
std::optional<std::string> ReadTextFile(const std::string& path);

// Writes the whole text to the file, replacing it; false when it cannot be created or written.
bool WriteTextFile(const std::string& path, const std::string& text);

// While one of these lives, ReadTextFile serves the paths it holds from memory (and the others
// from disk): fuzz targets and tests feed the real readers without writing files.
class InMemoryFiles {
 public:
  InMemoryFiles();
  ~InMemoryFiles();
  InMemoryFiles(const InMemoryFiles&) = delete;
  InMemoryFiles& operator=(const InMemoryFiles&) = delete;

  void Set(const std::string& path, std::string content) { files_[path] = std::move(content); }
  const std::string* Find(const std::string& path) const;

 private:
  std::map<std::string, std::string> files_;
  InMemoryFiles* previous_;
};

}  // namespace vrel
