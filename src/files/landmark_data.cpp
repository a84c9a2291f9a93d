#include "files/landmark_data.h"

#include "files/number_reader.h"
#include "shell/capacities.h"

namespace vrel {

std::optional<Message> DataCountsRefusal(long long specimens, long long landmarks,
                                         long long dimensions) {
  if (specimens < 1 || specimens > MaxSpecimens) return Message::IncorrectSpecimenCount;
  // Without landmarks there is no shape to analyse.
  if (landmarks < 1 || landmarks * dimensions > MaxCoordinates)
    return Message::IncorrectLandmarkCount;
  if (dimensions < 1 || dimensions > MaxDimensions) return Message::IncorrectDimensionCount;
  return std::nullopt;
}

ReadRefusal PlainRefusal(Message message) { return {message, MessageDetails(message).text}; }

std::vector<TextLine> SplitLines(std::string_view text) {
  std::vector<TextLine> lines;
  std::size_t begin = 0;
  int number = 1;
  while (begin < text.size()) {
    std::size_t end = text.find_first_of("\r\n", begin);
    if (end == std::string_view::npos) end = text.size();
    lines.push_back({number++, text.substr(begin, end - begin)});
    if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n')
      ++end;
    begin = end + 1;
  }
  return lines;
}

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

}  // namespace

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::vector<std::string_view> SplitWords(std::string_view line) {
  std::vector<std::string_view> words;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    const std::size_t begin = i;
    while (i < line.size() && !IsBlank(line[i])) ++i;
    if (i > begin) words.push_back(line.substr(begin, i - begin));
  }
  return words;
}

std::optional<int> ParseCount(std::string_view token) {
  if (SplitWords(token).size() != 1) return std::nullopt;
  NumberReader reader = NumberReader::FromText(std::string(token));
  int value = 0;
  if (!reader.ReadInt(value) || value < 0) return std::nullopt;
  return value;
}

std::string Quoted(std::string_view token) {
  constexpr std::size_t longest = 24;
  if (token.size() <= longest) return std::string(token);
  return std::string(token.substr(0, longest)) + "...";
}

}  // namespace vrel
