#include "files/text_source.h"

#include <cstdio>
#include <fstream>
#include <iterator>

namespace vrel {

namespace {
InMemoryFiles* current = nullptr;
}  // namespace

InMemoryFiles::InMemoryFiles() : previous_(current) { current = this; }

InMemoryFiles::~InMemoryFiles() { current = previous_; }

const std::string* InMemoryFiles::Find(const std::string& path) const {
  auto it = files_.find(path);
  return it == files_.end() ? nullptr : &it->second;
}

std::optional<std::string> ReadTextFile(const std::string& path) {
  if (current != nullptr)
    if (const std::string* content = current->Find(path)) return *content;
  std::ifstream stream(path, std::ios::binary);
  if (!stream) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
}

bool WriteTextFile(const std::string& path, const std::string& text) {
  std::FILE* file = std::fopen(path.c_str(), "w");
  if (file == nullptr) return false;
  const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
  return std::fclose(file) == 0 && written;
}

}  // namespace vrel
