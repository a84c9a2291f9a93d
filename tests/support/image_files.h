// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdlib>
#include <regex>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "support/test_data.h"

namespace vrel::test {

struct PixelSize {
  int width = -1;
  int height = -1;
  bool operator==(const PixelSize&) const = default;
};

// The size in a PNG file's header; -1 x -1 when the file does not start as a PNG does.
inline PixelSize PngSize(const std::string& path) {
  const std::string bytes = ReadWhole(path);
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
  const std::string text = ReadWhole(path);
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

// The points that a PDF page's content stream (uncompressed) moves and draws lines to, "x y m"
// and "x y l", through the transforms ("cm") in force: in points from the page's bottom left.
inline std::vector<std::pair<double, double>> PdfPathPoints(const std::string& content) {
  struct Transform {
    double a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;
  };
  std::vector<Transform> saved;
  Transform now;
  std::vector<double> operands;
  std::vector<std::pair<double, double>> points;
  std::istringstream in(content);
  for (std::string word; in >> word;) {
    const std::size_t n = operands.size();
    if (word == "q") {
      saved.push_back(now);
    } else if (word == "Q" && !saved.empty()) {
      now = saved.back();
      saved.pop_back();
    } else if (word == "cm" && n >= 6) {
      const double* m = &operands[n - 6];
      now = {m[0] * now.a + m[1] * now.c,         m[0] * now.b + m[1] * now.d,
             m[2] * now.a + m[3] * now.c,         m[2] * now.b + m[3] * now.d,
             m[4] * now.a + m[5] * now.c + now.e, m[4] * now.b + m[5] * now.d + now.f};
    } else if ((word == "m" || word == "l") && n >= 2) {
      const double x = operands[n - 2], y = operands[n - 1];
      points.emplace_back(now.a * x + now.c * y + now.e, now.b * x + now.d * y + now.f);
    }
    char* end = nullptr;
    const double value = std::strtod(word.c_str(), &end);
    if (*end == '\0')
      operands.push_back(value);
    else
      operands.clear();
  }
  return points;
}

}  // namespace vrel::test
