// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace vrel {

// A file's content as the readers see it. Only regular files are read: a folder, a pipe or a
// device reads as unreadable, so that no reader waits on a pipe or grows without end. A UTF-8
// byte-order mark at the start is left out.
struct FileContent {
  enum class Status { Read, Unreadable, TooLarge };
  Status status = Status::Unreadable;
  std::string text;         // when read
  std::uintmax_t size = 0;  // when too large: the file's size in bytes
};

// Reads the whole file, refusing before reading it one larger than `largest` bytes.
FileContent ReadFileContent(const std::string& path, std::uintmax_t largest = UINTMAX_MAX);

// The content of a file as the readers see it; nothing when it cannot be read.
std::optional<std::string> ReadTextFile(const std::string& path);

// Writes the whole text to the file, replacing it; false when it cannot be created or written.
// The text goes to a temporary file beside the target, renamed over it once complete, so that a
// failed write leaves the old file as it was.
bool WriteTextFile(const std::string& path, const std::string& text);

// While one of these lives, the readers are served the paths it holds from memory (and the
// others from disk): fuzz targets and tests feed the real readers without writing files.
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
