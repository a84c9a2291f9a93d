// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace vrel::test {

inline std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

struct PixelSize {
  int width = -1;
  int height = -1;
  bool operator==(const PixelSize&) const = default;
};

// The size in a PNG file's header; -1 x -1 when the file does not start as a PNG does.
inline PixelSize PngSize(const std::string& path) {
  const std::string bytes = ReadFileBytes(path);
  if (bytes.size() < 24 || bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0 ||
      bytes.compare(12, 4, "IHDR") != 0)
    return {};
  auto number = [&bytes](std::size_t at) {
    int value = 0;
    for (std::size_t i = at; i < at + 4; ++i)
      value = value * 256 + static_cast<unsigned char>(bytes[i]);
    return value;
  };
  return {number(16), number(20)};
}

// What an SVG file says of its size and how many primitives of a kind it draws.
struct SvgFacts {
  double widthMm = -1, heightMm = -1;
  std::string viewBox;
  bool closed = false;  // the document ends with its closing tag
};

inline SvgFacts ReadSvg(const std::string& text) {
  SvgFacts facts;
  std::smatch match;
  if (std::regex_search(text, match, std::regex("<svg[^>]*width=\"([0-9.]+)mm\"")))
    facts.widthMm = std::stod(match[1]);
  if (std::regex_search(text, match, std::regex("<svg[^>]*height=\"([0-9.]+)mm\"")))
    facts.heightMm = std::stod(match[1]);
  if (std::regex_search(text, match, std::regex("<svg[^>]*viewBox=\"([^\"]*)\"")))
    facts.viewBox = match[1];
  facts.closed = text.find("</svg>") != std::string::npos;
  return facts;
}

inline int CountOf(const std::string& text, const std::string& what) {
  int count = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
    ++count;
  return count;
}

// The page boxes of a PDF file, "W H" each, in points.
inline std::vector<std::string> PdfPageBoxes(const std::string& path) {
  const std::string text = ReadFileBytes(path);
  std::vector<std::string> boxes;
  const std::regex box("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]");
  for (auto it = std::sregex_iterator(text.begin(), text.end(), box); it != std::sregex_iterator();
       ++it) {
    std::ostringstream size;
    size << std::stod((*it)[1].str()) << ' ' << std::stod((*it)[2].str());
    boxes.push_back(size.str());
  }
  if (text.compare(0, 5, "%PDF-") != 0) boxes.clear();
  return boxes;
}

}  // namespace vrel::test
