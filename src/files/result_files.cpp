// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "files/file_commands.h"
#include "files/number_reader.h"
#include "files/text_source.h"
#include "numerics/superimposition_commands.h"
#include "shell/capacities.h"
#include "shell/file_dialogs.h"
#include "shell/format.h"
#include "shell/messages.h"
#include "shell/prompt.h"
#include "shell/specimen_names.h"

namespace vrel {

namespace {

std::string Header(int a, int b, int c) { return Format("%4d%4d%4d\n", a, b, c); }

std::string Value(double x) { return Format("%15.6e", x); }

// Writes the whole text, or tells the user that the file could not be written.
void WriteResultFile(Frontend& fe, const std::string& path, const std::string& text) {
  if (!WriteTextFile(path, text)) ShowProgramMessage(fe, Message::CannotWriteFile, path);
}

// Rows 0..rows-1 of m, columns 0..cols-1, one row per line.
std::string Table(const Matrix& m, int rows, int cols) {
  std::string text;
  for (int i = 0; i < rows; ++i) {
    for (int j = 0; j < cols; ++j) text += Value(m[i][j]);
    text += '\n';
  }
  return text;
}

// One column of m, one value per line; nothing for a rank outside 1..99.
std::string Column(const Matrix& m, int rows, int rank) {
  std::string text;
  if (rank < 1 || rank > MaxComponents) return text;
  for (int i = 0; i < rows; ++i) text += Value(m[i][rank - 1]) + '\n';
  return text;
}

// Scores, one projection and sizes go to a spreadsheet or R as CSV when the name asks for it.
bool IsCsvPath(const std::string& path) { return LowerExtension(path) == ".csv"; }

// A field as CSV writes it: quoted, its quotes doubled, when it holds a comma, a quote or a
// line end.
std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

// A specimen's name as a CSV cell: a name a spreadsheet would run as a formula (it starts with
// =, +, -, @, a tab or a carriage return and is not a plain number) is kept as text by an
// apostrophe in front.
std::string CsvName(const std::string& name) {
  const bool formula =
      !name.empty() && std::string_view("=+-@\t\r").find(name[0]) != std::string_view::npos;
  return CsvField(formula && !ParseDecimal(name) ? "'" + name : name);
}

// A header row, then one row per specimen: its name and its values in full precision.
std::string CsvTable(const Session& s, const std::vector<std::string>& columns,
                     const std::function<double(int specimen, int column)>& value) {
  std::string text = "specimen";
  for (const std::string& column : columns) {
    text += ',';
    text += CsvField(column);
  }
  text += '\n';
  for (int i = 0; i < s.SpecimenCount; ++i) {
    text += CsvName(SpecimenName(s, i));
    for (std::size_t j = 0; j < columns.size(); ++j) {
      text += ',';
      text += Format("%.17g", value(i, static_cast<int>(j)));
    }
    text += '\n';
  }
  return text;
}

}  // namespace

void SaveResidualsClick(Session& s, Frontend& fe) {
  const auto path = fe.ChooseFile(FileDialog::SaveText);
  if (!path) return;
  WriteResultFile(fe, *path, Table(s.Residuals, s.SpecimenCount, s.CoordinateCount()));
}

void SaveConsensusClick(Session& s, Frontend& fe) {
  const auto path = fe.ChooseFile(FileDialog::SaveData);
  if (!path) return;
  const int p = s.LandmarkCount;
  const int k = s.DimensionCount;
  std::string text = Header(1, p, k);
  for (int l = 0; l < p; ++l) {
    for (int d = 0; d < k; ++d) text += Value(s.Consensus[l * k + d]);
    text += '\n';
  }
  WriteResultFile(fe, *path, text);
}

void SaveSizeClick(Session& s, Frontend& fe) {
  const auto path = fe.ChooseFile(FileDialog::SaveSizes);
  if (!path) return;
  if (IsCsvPath(*path))
    return WriteResultFile(fe, *path, CsvTable(s, {"Cs"}, [&](int i, int) {
                             return s.Sizes[static_cast<std::size_t>(i)];
                           }));
  std::string text = Header(s.SpecimenCount, 1, 1);
  for (int i = 0; i < s.SpecimenCount; ++i)
    text += Value(s.Sizes[static_cast<std::size_t>(i)]) + '\n';
  WriteResultFile(fe, *path, text);
}

void SaveScoresClick(Session& s, Frontend& fe) {
  int c = AskPrompt(s, fe, "Number of Projections");
  if (c > s.CoordinateCount()) c = s.CoordinateCount();
  // The score table has 99 columns, however many coordinates there are.
  if (c > MaxComponents) c = MaxComponents;
  const auto path = fe.ChooseFile(FileDialog::SaveScores);
  if (!path) return;
  if (IsCsvPath(*path)) {
    std::vector<std::string> columns;
    for (int j = 0; j < c; ++j) columns.push_back(ScoreColumnName(j));
    return WriteResultFile(fe, *path,
                           CsvTable(s, columns, [&](int i, int j) { return s.Scores[i][j]; }));
  }
  WriteResultFile(fe, *path, Table(s.Scores, s.SpecimenCount, c));
}

void SaveSingleScoreClick(Session& s, Frontend& fe) {
  const int r = AskPrompt(s, fe, "Rank of the projection? regression: 98; discrimination: 99");
  const auto path = fe.ChooseFile(FileDialog::SaveScores);
  if (!path) return;
  // A rank outside 1..99 leaves the file empty, as in the text layout.
  if (IsCsvPath(*path))
    return WriteResultFile(fe, *path,
                           r < 1 || r > MaxComponents
                               ? std::string()
                               : CsvTable(s, {ScoreColumnName(r - 1)},
                                          [&](int i, int) { return s.Scores[i][r - 1]; }));
  WriteResultFile(fe, *path, Column(s.Scores, s.SpecimenCount, r));
}

void SavePcsClick(Session& s, Frontend& fe) {
  const int m = s.CoordinateCount();
  int c = AskPrompt(s, fe, "Number of PCS");
  if (c > m) c = m;
  if (c > MaxComponents) c = MaxComponents;
  const auto path = fe.ChooseFile(FileDialog::SaveVect);
  if (!path) return;
  WriteResultFile(fe, *path, Header(m, c, 1) + Table(s.Pcs, m, c));
}

void SaveSinglePcsClick(Session& s, Frontend& fe) {
  const int m = s.CoordinateCount();
  const int r = AskPrompt(s, fe, "Rank of the PCS? regression: 98; discrimination: 99");
  const auto path = fe.ChooseFile(FileDialog::SaveVect);
  if (!path) return;
  WriteResultFile(fe, *path, Header(m, 1, 1) + Column(s.Pcs, m, r));
}

void SaveDistancesClick(Session& s, Frontend& fe) {
  const auto path = fe.ChooseFile(FileDialog::SaveCsv);
  if (!path) return;
  const std::vector<double> distances = ProcrustesDistances(s);
  WriteResultFile(fe, *path, CsvTable(s, {"distance"}, [&](int i, int) {
                    return distances[static_cast<std::size_t>(i)];
                  }));
}

namespace {

// A header row, then one row per specimen: its name, its group and further cells.
std::string GroupTable(const Session& s, const std::string& header,
                       const std::function<std::string(int specimen)>& cells) {
  std::string text = "specimen,group," + header + '\n';
  for (int i = 0; i < s.SpecimenCount; ++i)
    text += CsvName(SpecimenName(s, i)) + ',' +
            CsvName(s.Groups.names[static_cast<std::size_t>(s.Groups.of[i])]) + ',' + cells(i) +
            '\n';
  return text;
}

}  // namespace

void SaveCvaClick(Session& s, Frontend& fe) {
  const auto path = fe.ChooseFile(FileDialog::SaveCsv);
  if (!path) return;
  const std::size_t axes = s.CanonicalScores.empty() ? 0 : s.CanonicalScores[0].size();
  std::string header;
  for (std::size_t a = 0; a < axes; ++a) header += Format("%sCV%d", a == 0 ? "" : ",", int(a + 1));
  WriteResultFile(fe, *path, GroupTable(s, header, [&](int i) {
                    std::string cells;
                    for (std::size_t a = 0; a < axes; ++a)
                      cells += Format("%s%.17g", a == 0 ? "" : ",",
                                      s.CanonicalScores[static_cast<std::size_t>(i)][a]);
                    return cells;
                  }));
}

void SaveGroupDistancesClick(Session& s, Frontend& fe) {
  const auto path = fe.ChooseFile(FileDialog::SaveCsv);
  if (!path) return;
  std::string text = "group_a,group_b,procrustes,p_procrustes,mahalanobis,p_mahalanobis\n";
  for (const GroupDistance& d : s.GroupDistances)
    text += CsvName(s.Groups.names[static_cast<std::size_t>(d.a)]) + ',' +
            CsvName(s.Groups.names[static_cast<std::size_t>(d.b)]) +
            Format(",%.17g,%.17g,%.17g,%.17g\n", d.procrustes, d.pProcrustes, d.mahalanobis,
                   d.pMahalanobis);
  WriteResultFile(fe, *path, text);
}

void SaveClassificationClick(Session& s, Frontend& fe) {
  const auto path = fe.ChooseFile(FileDialog::SaveCsv);
  if (!path) return;
  auto name = [&s](int group) {
    return group < 0 ? std::string() : CsvName(s.Groups.names[static_cast<std::size_t>(group)]);
  };
  WriteResultFile(fe, *path, GroupTable(s, "assigned,assigned_loo", [&](int i) {
                    return name(s.Assigned[static_cast<std::size_t>(i)]) + ',' +
                           name(s.AssignedLeftOut[static_cast<std::size_t>(i)]);
                  }));
}

void SaveAnovaClick(Session& s, Frontend& fe) {
  const auto path = fe.ChooseFile(FileDialog::SaveCsv);
  if (!path) return;
  auto cell = [](double value) {
    return std::isnan(value) ? std::string() : Format("%.17g", value);
  };
  std::string text = "term,df,ss,ms,rsq,f,z,p\n";
  for (const AnovaRow& row : s.Anova)
    text += CsvName(row.term) + Format(",%d,", row.df) + cell(row.ss) + ',' + cell(row.ms) + ',' +
            cell(row.rsq) + ',' + cell(row.f) + ',' + cell(row.z) + ',' + cell(row.p) + '\n';
  WriteResultFile(fe, *path, text);
}

}  // namespace vrel
