// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "shell/capacities.h"
#include "shell/matrix.h"
#include "shell/messages.h"

namespace vrel {

// A landmark data set read whole into storage of its own, before the session sees any of it.
struct LandmarkData {
  int specimens = 0;
  int landmarks = 0;
  int dimensions = 0;
  Matrix coordinates;              // specimens x (landmarks x dimensions)
  std::vector<std::string> names;  // one per specimen; empty: known by its number
  int specimensWithCurves = 0;     // specimens whose semilandmarks on curves were skipped
};

// Why a file was refused: the message and its text, filled in where it names a line.
struct ReadRefusal {
  Message message;
  std::string text;
};

using LandmarkRead = std::variant<LandmarkData, ReadRefusal>;

// The capacity checks of a data file's counts, in the order the landmark data file makes them:
// specimens, then coordinates per specimen (at least one landmark), then dimensions. Taken in
// 64 bits so that huge counts cannot wrap round into range.
std::optional<Message> DataCountsRefusal(long long specimens, long long landmarks,
                                         long long dimensions, const Capacity& room = {});

// A refusal whose message has no blanks to fill in.
ReadRefusal PlainRefusal(Message message);

// A refusal whose message is a format, filled in with the line and what is wrong there.
template <typename... Args>
ReadRefusal Refusal(Message message, Args... args) {
  return {message, MessageText(message, args...)};
}

// The largest data file read at a capacity: 64 bytes for each number the session can hold, and
// room for the names, comments and skipped curves of a TPS file. Anything larger is refused
// before it is read.
constexpr std::uintmax_t LargestDataFileFor(const Capacity& room) {
  return 64ull * static_cast<std::uintmax_t>(room.Specimens) *
             static_cast<std::uintmax_t>(room.Coordinates) +
         (std::uintmax_t{1} << 20);
}
inline constexpr std::uintmax_t LargestDataFile = LargestDataFileFor(Capacity{});

// The TPS and NTS layouts (the files read by Open Data besides the landmark data file), refused
// beyond the capacity given.
LandmarkRead ReadTpsText(std::string_view text, const Capacity& room = {});
LandmarkRead ReadNtsText(std::string_view text, const Capacity& room = {});

// What the readers share: lines numbered from 1 (a line ends with LF, CR LF or CR), the words of
// a line, counts and quoted tokens for the messages.
struct TextLine {
  int number = 0;
  std::string_view text;
};
// The lines of a text one at a time, so that reading holds no more than the text itself.
class LineReader {
 public:
  explicit LineReader(std::string_view text) : text_(text) {}
  // The next line; false at the end of the text.
  bool Next(TextLine& line);

 private:
  std::string_view text_;
  std::size_t begin_ = 0;
  int number_ = 0;
};
// The words of a line one at a time.
class WordReader {
 public:
  explicit WordReader(std::string_view line) : line_(line) {}
  bool Next(std::string_view& word);

 private:
  std::string_view line_;
  std::size_t next_ = 0;
};
std::vector<std::string_view> SplitWords(std::string_view line);
std::string_view Trimmed(std::string_view text);
// A whole number of 0 or more; nothing for anything else.
std::optional<int> ParseCount(std::string_view token);
// The token as a message quotes it: cut short when long.
std::string Quoted(std::string_view token);

}  // namespace vrel
