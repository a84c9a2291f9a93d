// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/landmark_data.h"

#include "shell/capacities.h"
#include "shell/prompt.h"

namespace vrel {

std::optional<Message> DataCountsRefusal(long long specimens, long long landmarks,
                                         long long dimensions, const Capacity& room) {
  if (specimens < 1 || specimens > room.Specimens) return Message::IncorrectSpecimenCount;
  // Without landmarks there is no shape to analyse.
  if (landmarks < 1 || landmarks * dimensions > room.Coordinates)
    return Message::IncorrectLandmarkCount;
  if (dimensions < 1 || dimensions > MaxDimensions) return Message::IncorrectDimensionCount;
  return std::nullopt;
}

ReadRefusal PlainRefusal(Message message) { return {message, MessageDetails(message).text}; }

bool LineReader::Next(TextLine& line) {
  if (begin_ >= text_.size()) return false;
  std::size_t end = text_.find_first_of("\r\n", begin_);
  if (end == std::string_view::npos) end = text_.size();
  line = {++number_, text_.substr(begin_, end - begin_)};
  if (end < text_.size() && text_[end] == '\r' && end + 1 < text_.size() && text_[end + 1] == '\n')
    ++end;
  begin_ = end + 1;
  return true;
}

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

}  // namespace

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool WordReader::Next(std::string_view& word) {
  while (next_ < line_.size() && IsBlank(line_[next_])) ++next_;
  const std::size_t begin = next_;
  while (next_ < line_.size() && !IsBlank(line_[next_])) ++next_;
  if (next_ == begin) return false;
  word = line_.substr(begin, next_ - begin);
  return true;
}

std::vector<std::string_view> SplitWords(std::string_view line) {
  std::vector<std::string_view> words;
  WordReader reader(line);
  for (std::string_view word; reader.Next(word);) words.push_back(word);
  return words;
}

std::optional<int> ParseCount(std::string_view token) {
  int value = 0;
  if (!ParseInteger(token, value) || value < 0) return std::nullopt;
  return value;
}

std::string Quoted(std::string_view token) {
  constexpr std::size_t longest = 24;
  if (token.size() <= longest) return std::string(token);
  return std::string(token.substr(0, longest)) + "...";
}

}  // namespace vrel
