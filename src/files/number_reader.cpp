#include "files/number_reader.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace vrel {

NumberReader::NumberReader(const std::string& path) : stream_(path) {
  open_ = static_cast<bool>(stream_);
  failed_ = !open_;
}

bool NumberReader::NextToken(std::string& token) {
  if (failed_) return false;
  if (!(stream_ >> token)) {
    failed_ = true;
    return false;
  }
  return true;
}

bool NumberReader::ReadInt(int& value) {
  std::string token;
  if (!NextToken(token)) return false;
  errno = 0;
  char* end = nullptr;
  const long long parsed = std::strtoll(token.c_str(), &end, 10);
  if (end == token.c_str() || *end != '\0' || errno == ERANGE || parsed > INT_MAX ||
      parsed < INT_MIN) {
    failed_ = true;
    return false;
  }
  value = static_cast<int>(parsed);
  return true;
}

bool NumberReader::ReadDouble(double& value) {
  std::string token;
  if (!NextToken(token)) return false;
  char* end = nullptr;
  const double parsed = std::strtod(token.c_str(), &end);
  // Hexadecimal forms, "inf" and "nan" are not numbers of a data file.
  const bool plainForm = token.find_first_of("xXnNiI") == std::string::npos;
  if (end == token.c_str() || *end != '\0' || !plainForm || !std::isfinite(parsed)) {
    failed_ = true;
    return false;
  }
  value = parsed;
  return true;
}

std::optional<FileHeader> ReadHeader(NumberReader& in) {
  FileHeader header;
  if (!in.ReadInt(header.first) || !in.ReadInt(header.second) || !in.ReadInt(header.third))
    return std::nullopt;
  return header;
}

}  // namespace vrel
