// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vrel {

// Reads a text file as a stream of whitespace-separated numbers, the way formatted input does:
// blanks, tabs and line ends are all separators, and whatever follows the last number read is
// never looked at. Once a read fails (end of file, or a token that is not a number of the
// wanted kind), the reader stays failed. Numbers are read with a decimal point whatever the
// desktop's language.
class NumberReader {
 public:
  // Reads the whole file at once; a file that cannot be opened reads as failed.
  explicit NumberReader(const std::string& path);
  // Reads the given text as if it were a file's content.
  static NumberReader FromText(std::string text);

  bool IsOpen() const { return open_; }
  bool Failed() const { return failed_; }

  // A signed decimal integer within 32 bits.
  bool ReadInt(int& value);
  // A decimal number in the usual notations (sign, digits, point, exponent); must be finite.
  bool ReadDouble(double& value);

 private:
  NumberReader() = default;
  bool NextToken(std::string_view& token);

  std::string text_;
  std::size_t position_ = 0;
  bool open_ = false;
  bool failed_ = false;
};

// The three integers that head every input file (counts, or a shape's layout).
struct FileHeader {
  int first = 0;
  int second = 0;
  int third = 0;
};

// Reads the header; nothing when one of the three is missing or not an integer.
std::optional<FileHeader> ReadHeader(NumberReader& in);

// A decimal number as a data file writes it, independently of the C locale; nothing for a
// token that is not wholly such a number or is not finite.
std::optional<double> ParseDecimal(std::string_view token);

}  // namespace vrel
