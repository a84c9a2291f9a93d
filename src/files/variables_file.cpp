// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/variables_file.h"

#include <algorithm>
#include <cstddef>
#include <deque>
#include <numeric>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>

#include "files/file_commands.h"
#include "files/number_reader.h"
#include "files/text_source.h"
#include "shell/file_dialogs.h"
#include "shell/format.h"
#include "shell/messages.h"
#include "shell/specimen_names.h"

namespace vrel {

namespace {

std::string_view WithoutByteOrderMark(std::string_view text) {
  constexpr std::string_view mark = "\xEF\xBB\xBF";
  if (text.substr(0, mark.size()) == mark) text.remove_prefix(mark.size());
  return text;
}

// Leaves out the line breaks that end the text, and with them the empty lines at its end.
std::string_view WithoutTrailingLineBreaks(std::string_view text) {
  while (!text.empty() && text.back() == '\n') {
    text.remove_suffix(1);
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
  }
  return text;
}

// The records of a CSV text one at a time. A cell is a view of the text itself, or of a copy
// kept aside when its quotes had to be undone.
class CsvRecords {
 public:
  CsvRecords(std::string_view text, std::deque<std::string>& kept) : text_(text), kept_(kept) {}

  bool AtEnd() const { return position_ >= text_.size(); }

  // The next record's cells; false when a quote opened in it is not closed.
  bool Next(std::vector<std::string_view>& cells) {
    cells.clear();
    for (;;) {
      std::string_view cell;
      if (!ReadCell(cell)) return false;
      cells.push_back(cell);
      if (AtEnd()) return true;
      const bool lineEnd = text_[position_] == '\n';
      ++position_;
      if (lineEnd) return true;
    }
  }

 private:
  // Reads one cell, leaving the position on the comma or line break that ends it.
  bool ReadCell(std::string_view& cell) {
    if (AtEnd() || text_[position_] != '"') {
      cell = UnquotedRun(position_);
      return true;
    }
    const std::size_t open = position_;
    std::string* undone = nullptr;  // the cell's text so far, once a doubled quote was met
    std::size_t from = open + 1;
    for (;;) {
      const std::size_t quote = text_.find('"', from);
      if (quote == std::string_view::npos) return false;
      if (quote + 1 < text_.size() && text_[quote + 1] == '"') {
        if (!undone) undone = &kept_.emplace_back();
        undone->append(text_.substr(from, quote + 1 - from));
        from = quote + 2;
        continue;
      }
      // Whatever follows the closing quote up to the separator is taken as written.
      const std::string_view rest = UnquotedRun(quote + 1);
      if (!undone && rest.empty()) {
        cell = text_.substr(open + 1, quote - open - 1);
        return true;
      }
      if (!undone) undone = &kept_.emplace_back();
      undone->append(text_.substr(from, quote - from));
      undone->append(rest);
      cell = *undone;
      return true;
    }
  }

  // The text from `from` up to the next comma or line break, without the CR of a CR LF; the
  // position moves onto that comma or line break.
  std::string_view UnquotedRun(std::size_t from) {
    std::size_t end = from;
    while (end < text_.size() && text_[end] != ',' && text_[end] != '\n') ++end;
    position_ = end;
    if (end < text_.size() && text_[end] == '\n' && end > from && text_[end - 1] == '\r') --end;
    return text_.substr(from, end - from);
  }

  std::string_view text_;
  std::deque<std::string>& kept_;
  std::size_t position_ = 0;
};

// The specimens by name. A name several specimens share serves them in specimen order.
class SpecimenLookup {
 public:
  explicit SpecimenLookup(const std::vector<std::string>& names) : nextSameName_(names.size(), -1) {
    byName_.reserve(names.size());
    for (int i = static_cast<int>(names.size()) - 1; i >= 0; --i) {
      const auto [entry, added] = byName_.try_emplace(names[static_cast<std::size_t>(i)]);
      if (!added) nextSameName_[static_cast<std::size_t>(i)] = entry->second.next;
      entry->second.next = i;
    }
  }

  struct Name {
    int next = -1;     // the first of its specimens without a row yet; -1 when all have one
    int firstRow = 0;  // the row that named it first; 0 before any
  };

  // The name's entry; nothing when no specimen bears it.
  Name* Find(std::string_view name) {
    const auto entry = byName_.find(name);
    return entry == byName_.end() ? nullptr : &entry->second;
  }

  // Gives the name's next specimen to the row; returns that specimen.
  int Take(Name& name, int row) {
    const int specimen = name.next;
    if (name.firstRow == 0) name.firstRow = row;
    name.next = nextSameName_[static_cast<std::size_t>(specimen)];
    return specimen;
  }

 private:
  std::unordered_map<std::string_view, Name> byName_;
  std::vector<int> nextSameName_;  // for each specimen, the next one of the same name, or -1
};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view WithoutBlanks(std::string_view cell) {
  while (!cell.empty() && IsBlank(cell.front())) cell.remove_prefix(1);
  while (!cell.empty() && IsBlank(cell.back())) cell.remove_suffix(1);
  return cell;
}

// A variable's cells gathered as the rows come, each read while its row is at hand. While every
// cell so far is a finite number the column keeps the numbers, and the texts in case a later
// cell is not one; from then on it keeps the distinct texts and each specimen's among them.
class Column {
 public:
  explicit Column(std::size_t specimens) : cells_(specimens), numbers_(specimens) {}

  // Takes the specimen's cell; `earlier` are the specimens of the rows read before.
  void Set(std::size_t specimen, std::string_view cell, const std::vector<std::size_t>& earlier) {
    if (numeric_) {
      if (const std::optional<double> number = ParseDecimal(WithoutBlanks(cell))) {
        numbers_[specimen] = *number;
        cells_[specimen] = cell;
        return;
      }
      numeric_ = false;
      textOf_.resize(numbers_.size());
      for (const std::size_t i : earlier) textOf_[i] = TextIndex(cells_[i]);
      cells_ = {};
      numbers_ = {};
    }
    textOf_[specimen] = TextIndex(cell);
  }

  SpecimenVariable Variable(std::string_view name) {
    SpecimenVariable variable;
    variable.name = std::string(name);
    if (numeric_) {
      variable.values = std::move(numbers_);
      return variable;
    }
    variable.factor = true;
    std::vector<int> order(distinct_.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](int a, int b) {
      return distinct_[static_cast<std::size_t>(a)] < distinct_[static_cast<std::size_t>(b)];
    });
    std::vector<int> levelOf(distinct_.size());
    variable.levels.reserve(distinct_.size());
    for (const int d : order) {
      levelOf[static_cast<std::size_t>(d)] = static_cast<int>(variable.levels.size());
      variable.levels.emplace_back(distinct_[static_cast<std::size_t>(d)]);
    }
    variable.codes.reserve(textOf_.size());
    for (const int d : textOf_) variable.codes.push_back(levelOf[static_cast<std::size_t>(d)]);
    return variable;
  }

 private:
  // The text's index among the distinct texts, in the order they came.
  int TextIndex(std::string_view text) {
    const auto [entry, added] = index_.try_emplace(text, static_cast<int>(distinct_.size()));
    if (added) distinct_.push_back(text);
    return entry->second;
  }

  bool numeric_ = true;
  std::vector<std::string_view> cells_;  // while numeric
  std::vector<double> numbers_;          // while numeric
  std::unordered_map<std::string_view, int> index_;
  std::vector<std::string_view> distinct_;
  std::vector<int> textOf_;  // once a factor: each specimen's index into distinct_
};

VariablesRead Refused(std::string why) {
  VariablesRead read;
  read.refusal = std::move(why);
  return read;
}

}  // namespace

VariablesRead ReadSpecimenVariables(const std::string& text,
                                    const std::vector<std::string>& specimenNames) {
  const std::string_view table = WithoutTrailingLineBreaks(WithoutByteOrderMark(text));
  if (table.empty()) return Refused("The variables file is empty");
  std::deque<std::string> kept;
  CsvRecords records(table, kept);

  std::vector<std::string_view> header;
  if (!records.Next(header)) return Refused(Format("Row %d: a quote is not closed", 1));
  if (header.size() < 2)
    return Refused(
        "The variables file has no variable column: the first column names the specimens");
  std::unordered_set<std::string_view> variableNames;
  for (std::size_t j = 1; j < header.size(); ++j) {
    if (header[j].empty())
      return Refused(Format("Row 1, column %d: a variable needs a name", static_cast<int>(j) + 1));
    if (!variableNames.insert(header[j]).second)
      return Refused(
          Format("Row 1: the variable \"%s\" is named twice", std::string(header[j]).c_str()));
  }

  const std::size_t specimens = specimenNames.size();
  const int width = static_cast<int>(header.size());
  SpecimenLookup lookup(specimenNames);
  std::vector<char> hasRow(specimens, 0);
  std::vector<std::size_t> rowSpecimens;  // the specimen of each row read, in the file's order
  rowSpecimens.reserve(specimens);
  std::vector<Column> columns(header.size() - 1, Column(specimens));
  std::vector<std::string_view> cells;
  int row = 1;
  while (!records.AtEnd()) {
    ++row;
    if (!records.Next(cells)) return Refused(Format("Row %d: a quote is not closed", row));
    if (cells.size() != header.size())
      return Refused(Format("Row %d has %d cells; the header has %d", row,
                            static_cast<int>(cells.size()), width));
    SpecimenLookup::Name* named = lookup.Find(cells[0]);
    if (!named)
      return Refused(Format("Row %d names \"%s\", which is not a specimen of the data", row,
                            std::string(cells[0]).c_str()));
    if (named->next < 0)
      return Refused(Format("Row %d names \"%s\" again (first on row %d)", row,
                            std::string(cells[0]).c_str(), named->firstRow));
    for (std::size_t j = 1; j < cells.size(); ++j)
      if (cells[j].empty())
        return Refused(Format("Row %d, column \"%s\": the cell is empty", row,
                              std::string(header[j]).c_str()));
    const auto specimen = static_cast<std::size_t>(lookup.Take(*named, row));
    for (std::size_t j = 1; j < cells.size(); ++j)
      columns[j - 1].Set(specimen, cells[j], rowSpecimens);
    hasRow[specimen] = 1;
    rowSpecimens.push_back(specimen);
  }
  if (row == 1) return Refused("The variables file has no rows of specimens");
  for (std::size_t i = 0; i < specimens; ++i)
    if (!hasRow[i])
      return Refused(Format("Specimen %d (\"%s\") has no row", static_cast<int>(i) + 1,
                            specimenNames[i].c_str()));

  VariablesRead read;
  read.variables.reserve(columns.size());
  for (std::size_t j = 0; j < columns.size(); ++j)
    read.variables.push_back(columns[j].Variable(header[j + 1]));
  return read;
}

void OpenVariablesClick(Session& s, Frontend& fe) {
  const auto path = fe.ChooseFile(FileDialog::OpenVariables);
  if (!path) return;
  const std::optional<std::string> text = ReadTextFile(*path);
  if (!text) return ShowProgramMessage(fe, Message::InvalidFile);
  std::vector<std::string> names;
  for (int i = 0; i < s.SpecimenCount; ++i) names.push_back(SpecimenName(s, i));
  VariablesRead read = ReadSpecimenVariables(*text, names);
  // A refused file leaves the variables read before as they were.
  if (!read.refusal.empty())
    return ShowProgramMessageText(fe, Message::VariablesRefused, read.refusal);
  ForgetVariables(s, fe);
  s.Variables = std::move(read.variables);
  std::string line = Format("Variables: %d for %d specimens:", static_cast<int>(s.Variables.size()),
                            s.SpecimenCount);
  for (std::size_t v = 0; v < s.Variables.size(); ++v) {
    const SpecimenVariable& variable = s.Variables[v];
    line += (v == 0 ? " " : ", ") + variable.name;
    line += variable.factor
                ? Format(" (factor, %d levels)", static_cast<int>(variable.levels.size()))
                : std::string(" (covariate)");
  }
  fe.AppendLog(line);
}

}  // namespace vrel
