// SPDX-License-Identifier: GPL-3.0-or-later
// The NTS layout: lines starting with a double quote are comments; the header reads
// "1 n m 0 DIM=k" (a rectangular matrix of n rows and m = p x k columns, no missing values);
// an L right after n or m says that row or column labels follow, before the n x m numbers.
#include <cctype>
#include <string>

#include "files/landmark_data.h"
#include "files/number_reader.h"
#include "shell/prompt.h"

namespace vrel {

namespace {

bool IsComment(std::string_view line) {
  const std::string_view content = Trimmed(line);
  return !content.empty() && content.front() == '"';
}

// The words after the header, one at a time, comment lines left out.
class Tokens {
 public:
  explicit Tokens(LineReader lines) : lines_(lines) {}

  // The next word and its line; false at the end of the file.
  bool Next(std::string_view& word, int& line) {
    while (!words_.Next(word)) {
      TextLine next;
      do {
        if (!lines_.Next(next)) return false;
      } while (IsComment(next.text));
      line_ = next.number;
      words_ = WordReader(next.text);
    }
    line = line_;
    return true;
  }

 private:
  LineReader lines_;
  WordReader words_{std::string_view()};
  int line_ = 0;
};

bool StartsWithDim(std::string_view token) {
  if (token.size() < 4 || token[3] != '=') return false;
  for (int i = 0; i < 3; ++i)
    if (std::toupper(static_cast<unsigned char>(token[static_cast<std::size_t>(i)])) != "DIM"[i])
      return false;
  return true;
}

// The words of the header line, one after the other.
class HeaderWords {
 public:
  HeaderWords(int line, std::vector<std::string_view> words) : line_(line), words_(words) {}

  bool AtEnd() const { return next_ == words_.size(); }
  std::string_view Next() { return words_[next_++]; }
  // A count, with a label flag when an L follows it, attached or as a word of its own.
  std::optional<ReadRefusal> Count(const char* what, int& value, bool& labels) {
    if (AtEnd()) return Short(what);
    std::string_view word = Next();
    labels = word.size() > 1 && (word.back() == 'L' || word.back() == 'l');
    if (labels) word.remove_suffix(1);
    if (!ParseInteger(word, value)) return Incomplete(word, what);
    if (!labels && !AtEnd() && (words_[next_] == "L" || words_[next_] == "l")) {
      labels = true;
      ++next_;
    }
    return std::nullopt;
  }
  ReadRefusal Short(const char* what) const {
    return Refusal(Message::NtsHeaderShort, line_, what);
  }
  ReadRefusal Incomplete(std::string_view word, const char* what) const {
    return Refusal(Message::NtsHeaderIncomplete, line_, Quoted(word).c_str(), what);
  }

 private:
  int line_;
  std::vector<std::string_view> words_;
  std::size_t next_ = 0;
};

}  // namespace

LandmarkRead ReadNtsText(std::string_view text, const Capacity& room) {
  LineReader lines(text);
  std::optional<TextLine> header;
  for (TextLine line; !header && lines.Next(line);)
    if (!IsComment(line.text) && !Trimmed(line.text).empty()) header = line;
  if (!header) return PlainRefusal(Message::NtsHeaderMissing);

  const int line = header->number;
  HeaderWords words(line, SplitWords(header->text));
  int type = 0, n = 0, m = 0;
  bool rowLabels = false, columnLabels = false;
  if (words.AtEnd()) return words.Short("the matrix type 1");
  const std::string_view typeWord = words.Next();
  if (!ParseInteger(typeWord, type)) return words.Incomplete(typeWord, "the matrix type 1");
  if (auto refused = words.Count("the number of specimens", n, rowLabels)) return *refused;
  if (auto refused = words.Count("the number of columns", m, columnLabels)) return *refused;
  if (words.AtEnd()) return words.Short("the missing-value flag 0");
  const std::string_view flagWord = words.Next();
  const std::optional<double> flag = ParseDecimal(flagWord);
  if (!flag) return words.Incomplete(flagWord, "a missing-value flag");
  std::optional<int> k;
  while (!words.AtEnd()) {
    const std::string_view word = words.Next();
    if (!StartsWithDim(word)) continue;
    if (k) return Refusal(Message::NtsDimensionRepeated, line);
    int dimensions = 0;
    if (!ParseInteger(word.substr(4), dimensions))
      return words.Incomplete(word, "DIM=k with k a whole number");
    k = dimensions;
  }
  if (!k) return Refusal(Message::NtsNoDimension, line);

  if (type != 1) return Refusal(Message::NtsMatrixType, line, type);
  if (*flag != 0.0) return Refusal(Message::NtsMissingValues, line, Quoted(flagWord).c_str());
  // The landmarks that m columns need, rounded up so that a surplus column counts.
  const long long landmarks = *k >= 1 ? (static_cast<long long>(m) + *k - 1) / *k : m;
  if (const auto message = DataCountsRefusal(n, landmarks, *k, room)) return PlainRefusal(*message);
  if (m % *k != 0) return Refusal(Message::NtsColumnsNotLandmarks, line, m, *k);

  LandmarkData data;
  data.specimens = n;
  data.landmarks = m / *k;
  data.dimensions = *k;
  data.names.assign(static_cast<std::size_t>(n), std::string());
  Tokens tokens(lines);
  std::string_view word;
  int wordLine = 0;
  // The labels: row labels name the specimens, column labels are passed over.
  const auto labels = [&](int count, const char* which,
                          std::vector<std::string>* names) -> std::optional<ReadRefusal> {
    for (int i = 0; i < count; ++i) {
      if (!tokens.Next(word, wordLine)) return Refusal(Message::NtsLabelsMissing, i, count, which);
      if (names != nullptr) (*names)[static_cast<std::size_t>(i)] = word;
    }
    return std::nullopt;
  };
  if (rowLabels)
    if (auto refused = labels(n, "row", &data.names)) return *refused;
  if (columnLabels)
    if (auto refused = labels(m, "column", nullptr)) return *refused;

  data.coordinates = Matrix(n, m);
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < m; ++j) {
      if (!tokens.Next(word, wordLine))
        return Refusal(Message::NtsNumbersMissing, i * m + j, n * m, n, m);
      const std::optional<double> value = ParseDecimal(word);
      if (!value) return Refusal(Message::NotANumber, wordLine, Quoted(word).c_str());
      data.coordinates[i][j] = *value;
    }
  return data;
}

}  // namespace vrel
