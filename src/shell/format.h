// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <string>

namespace vrel {

// Puts the C locale in force for the calling thread while it lives, so that numbers are written
// with a decimal point whatever the desktop's language.
class ClassicNumbers {
 public:
  ClassicNumbers();
  ~ClassicNumbers();
  ClassicNumbers(const ClassicNumbers&) = delete;
  ClassicNumbers& operator=(const ClassicNumbers&) = delete;

 private:
  void* previous_;
};

// printf-style formatting into a std::string, for log lines and result files.
template <typename... Args>
std::string Format(const char* format, Args... args) {
  const ClassicNumbers classic;
  int length = std::snprintf(nullptr, 0, format, args...);
  if (length <= 0) return std::string();
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  std::snprintf(text.data(), text.size(), format, args...);
  text.resize(static_cast<std::size_t>(length));
  return text;
}

}  // namespace vrel
