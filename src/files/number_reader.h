#pragma once

#include <fstream>
#include <optional>
#include <string>

namespace vrel {

// Reads a text file as a stream of whitespace-separated numbers, the way formatted input does:
// blanks, tabs and line ends are all separators, and whatever follows the last number read is
// never looked at. Once a read fails (end of file, or a token that is not a number of the
// wanted kind), the reader stays failed.
class NumberReader {
 public:
  explicit NumberReader(const std::string& path);

  bool IsOpen() const { return open_; }
  bool Failed() const { return failed_; }

  // A signed decimal integer within 32 bits.
  bool ReadInt(int& value);
  // A decimal number in the usual notations (sign, digits, point, exponent); must be finite.
  bool ReadDouble(double& value);

 private:
  bool NextToken(std::string& token);

  std::ifstream stream_;
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

}  // namespace vrel
