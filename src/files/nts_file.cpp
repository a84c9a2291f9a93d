// The NTS layout: lines starting with a double quote are comments; the header reads
// "1 n m 0 DIM=k" (a rectangular matrix of n rows and m = p x k columns, no missing values);
// an L right after n or m says that row or column labels follow, before the n x m numbers.
#include <cctype>
#include <string>

#include "files/landmark_data.h"
#include "files/number_reader.h"

namespace vrel {

namespace {

struct Token {
  int line = 0;
  std::string_view text;
};

bool IsComment(std::string_view line) {
  const std::string_view content = Trimmed(line);
  return !content.empty() && content.front() == '"';
}

std::optional<int> ParseInteger(std::string_view token) {
  NumberReader reader = NumberReader::FromText(std::string(token));
  int value = 0;
  if (!reader.ReadInt(value)) return std::nullopt;
  return value;
}

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
    const std::optional<int> parsed = ParseInteger(word);
    if (!parsed) return Incomplete(word, what);
    value = *parsed;
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

LandmarkRead ReadNtsText(std::string_view text) {
  std::vector<Token> tokens;
  std::optional<TextLine> header;
  for (const TextLine& line : SplitLines(text)) {
    if (IsComment(line.text)) continue;
    if (!header) {
      if (!Trimmed(line.text).empty()) header = line;
      continue;
    }
    for (std::string_view word : SplitWords(line.text)) tokens.push_back({line.number, word});
  }
  if (!header) return PlainRefusal(Message::NtsHeaderMissing);

  const int line = header->number;
  HeaderWords words(line, SplitWords(header->text));
  int type = 0, n = 0, m = 0;
  bool rowLabels = false, columnLabels = false;
  if (words.AtEnd()) return words.Short("the matrix type 1");
  const std::string_view typeWord = words.Next();
  const std::optional<int> parsedType = ParseInteger(typeWord);
  if (!parsedType) return words.Incomplete(typeWord, "the matrix type 1");
  type = *parsedType;
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
    k = ParseInteger(word.substr(4));
    if (!k) return words.Incomplete(word, "DIM=k with k a whole number");
  }
  if (!k) return Refusal(Message::NtsNoDimension, line);

  if (type != 1) return Refusal(Message::NtsMatrixType, line, type);
  if (*flag != 0.0) return Refusal(Message::NtsMissingValues, line, Quoted(flagWord).c_str());
  // The landmarks that m columns need, rounded up so that a surplus column counts.
  const long long landmarks = *k >= 1 ? (static_cast<long long>(m) + *k - 1) / *k : m;
  if (const auto message = DataCountsRefusal(n, landmarks, *k)) return PlainRefusal(*message);
  if (m % *k != 0) return Refusal(Message::NtsColumnsNotLandmarks, line, m, *k);

  LandmarkData data;
  data.specimens = n;
  data.landmarks = m / *k;
  data.dimensions = *k;
  data.names.assign(static_cast<std::size_t>(n), std::string());
  std::size_t next = 0;
  const auto labels = [&](int count, const char* which) -> std::optional<ReadRefusal> {
    const std::size_t left = tokens.size() - next;
    if (left < static_cast<std::size_t>(count))
      return Refusal(Message::NtsLabelsMissing, static_cast<int>(left), count, which);
    next += static_cast<std::size_t>(count);
    return std::nullopt;
  };
  if (rowLabels) {
    const std::size_t first = next;
    if (auto refused = labels(n, "row")) return *refused;
    for (std::size_t i = 0; i < data.names.size(); ++i) data.names[i] = tokens[first + i].text;
  }
  if (columnLabels)
    if (auto refused = labels(m, "column")) return *refused;

  data.coordinates = Matrix(n, m);
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < m; ++j) {
      if (next == tokens.size()) return Refusal(Message::NtsNumbersMissing, i * m + j, n * m, n, m);
      const Token& token = tokens[next++];
      const std::optional<double> value = ParseDecimal(token.text);
      if (!value) return Refusal(Message::NotANumber, token.line, Quoted(token.text).c_str());
      data.coordinates[i][j] = *value;
    }
  return data;
}

}  // namespace vrel
