// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/number_reader.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

#include "files/text_source.h"
#include "shell/format.h"
#include "shell/prompt.h"

namespace vrel {

namespace {

// The separators of formatted input in the classic locale.
bool IsSeparator(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// A number too large or too small for a double: the C library's conversion in the C locale
// gives the same result as ever (infinity, or the nearest tiny value), whatever the desktop's
// language.
double ConvertOutOfRange(std::string_view token) {
  const ClassicNumbers classic;
  const std::string text(token);
  return std::strtod(text.c_str(), nullptr);
}

}  // namespace

NumberReader::NumberReader(const std::string& path) {
  std::optional<std::string> content = ReadTextFile(path);
  open_ = content.has_value();
  failed_ = !open_;
  if (open_) text_ = std::move(*content);
}

NumberReader NumberReader::FromText(std::string text) {
  NumberReader reader;
  reader.text_ = std::move(text);
  reader.open_ = true;
  return reader;
}

bool NumberReader::NextToken(std::string_view& token) {
  if (failed_) return false;
  const std::size_t size = text_.size();
  while (position_ < size && IsSeparator(text_[position_])) ++position_;
  const std::size_t begin = position_;
  while (position_ < size && !IsSeparator(text_[position_])) ++position_;
  if (begin == position_) {
    failed_ = true;
    return false;
  }
  token = std::string_view(text_).substr(begin, position_ - begin);
  return true;
}

bool NumberReader::ReadInt(int& value) {
  std::string_view token;
  if (!NextToken(token)) return false;
  if (ParseInteger(token, value)) return true;
  failed_ = true;
  return false;
}

namespace {

// Hexadecimal forms, "inf" and "nan" are not numbers of a data file: they hold x, n or i.
bool HoldsNonDecimalLetter(std::string_view token) {
  for (const char c : token) {
    const char lower = static_cast<char>(c | 0x20);  // only X, N and I fold onto x, n and i
    if (lower == 'x' || lower == 'n' || lower == 'i') return true;
  }
  return false;
}

}  // namespace

std::optional<double> ParseDecimal(std::string_view token) {
  if (HoldsNonDecimalLetter(token)) return std::nullopt;
  std::string_view number = token;
  if (number.size() > 1 && number[0] == '+' && number[1] != '-') number.remove_prefix(1);
  double parsed = 0.0;
  const char* last = number.data() + number.size();
  const auto [end, error] =
      std::from_chars(number.data(), last, parsed, std::chars_format::general);
  if (end != last || (error != std::errc() && error != std::errc::result_out_of_range))
    return std::nullopt;
  if (error == std::errc::result_out_of_range) parsed = ConvertOutOfRange(number);
  if (!std::isfinite(parsed)) return std::nullopt;
  return parsed;
}

bool NumberReader::ReadDouble(double& value) {
  std::string_view token;
  if (!NextToken(token)) return false;
  const std::optional<double> parsed = ParseDecimal(token);
  if (!parsed) {
    failed_ = true;
    return false;
  }
  value = *parsed;
  return true;
}

std::optional<FileHeader> ReadHeader(NumberReader& in) {
  FileHeader header;
  if (!in.ReadInt(header.first) || !in.ReadInt(header.second) || !in.ReadInt(header.third))
    return std::nullopt;
  return header;
}

}  // namespace vrel
