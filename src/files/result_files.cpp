#include <cstdio>
#include <string>

#include "files/file_commands.h"
#include "files/text_source.h"
#include "shell/capacities.h"
#include "shell/format.h"
#include "shell/messages.h"
#include "shell/prompt.h"

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
  const auto path = fe.ChooseFile(FileDialog::SaveVect);
  if (!path) return;
  std::string text = Header(s.SpecimenCount, 1, 1);
  for (int i = 0; i < s.SpecimenCount; ++i)
    text += Value(s.Sizes[static_cast<std::size_t>(i)]) + '\n';
  WriteResultFile(fe, *path, text);
}

void SaveScoresClick(Session& s, Frontend& fe) {
  int c = AskPrompt(s, fe, "Number of Projections");
  if (c > s.CoordinateCount()) c = s.CoordinateCount();
  const auto path = fe.ChooseFile(FileDialog::SaveText);
  if (!path) return;
  WriteResultFile(fe, *path, Table(s.Scores, s.SpecimenCount, c));
}

void SaveSingleScoreClick(Session& s, Frontend& fe) {
  const int r = AskPrompt(s, fe, "Rank of the projection? regression: 98; discrimination: 99");
  const auto path = fe.ChooseFile(FileDialog::SaveText);
  if (!path) return;
  WriteResultFile(fe, *path, Column(s.Scores, s.SpecimenCount, r));
}

void SavePcsClick(Session& s, Frontend& fe) {
  const int m = s.CoordinateCount();
  int c = AskPrompt(s, fe, "Number of PCS");
  if (c > m) c = m;
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

}  // namespace vrel
