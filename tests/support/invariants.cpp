// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/invariants.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string_view>

#include "shell/capacities.h"

namespace vrel::test {

namespace {

bool Same(double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); }

// Adds one line for a field whose cells differ: the first cell and how many differ in all.
template <typename Cell>
void CompareCells(std::vector<std::string>& out, const char* name, int count, Cell cell) {
  int differing = 0;
  std::string first;
  for (int i = 0; i < count; ++i) {
    const auto [a, b] = cell(i);
    if (Same(a, b)) continue;
    if (differing++ == 0)
      first = std::string(name) + " changed at cell " + std::to_string(i) + ": " +
              std::to_string(a) + " became " + std::to_string(b);
  }
  if (differing > 1) first += " (" + std::to_string(differing) + " cells in all)";
  if (differing > 0) out.push_back(first);
}

void CompareMatrix(std::vector<std::string>& out, const char* name, const Matrix& a,
                   const Matrix& b) {
  if (a.Rows() != b.Rows() || a.Cols() != b.Cols()) {
    out.push_back(std::string(name) + " changed its size");
    return;
  }
  const int cols = a.Cols();
  // Rows are contiguous: most comparisons end here.
  if (a.Rows() == 0 || std::memcmp(a[0], b[0], sizeof(double) * a.Rows() * cols) == 0) return;
  CompareCells(out, name, a.Rows() * cols, [&](int c) {
    return std::pair{a[c / cols][c % cols], b[c / cols][c % cols]};
  });
}

void CompareVector(std::vector<std::string>& out, const char* name, const Vector& a,
                   const Vector& b) {
  if (a.Size() != b.Size()) {
    out.push_back(std::string(name) + " changed its size");
    return;
  }
  if (std::memcmp(a.data(), b.data(), sizeof(double) * a.Size()) == 0) return;
  CompareCells(out, name, a.Size(), [&](int i) { return std::pair{a[i], b[i]}; });
}

template <typename Cells>
void CompareArray(std::vector<std::string>& out, const char* name, const Cells& a, const Cells& b) {
  CompareCells(out, name, static_cast<int>(std::min(a.size(), b.size())), [&](int i) {
    return std::pair{static_cast<double>(a[static_cast<std::size_t>(i)]),
                     static_cast<double>(b[static_cast<std::size_t>(i)])};
  });
}

// The first cell of rows x cols that is not finite, as text; empty when all are.
template <typename Cell>
std::string NotFinite(const char* name, int rows, int cols, Cell cell) {
  for (int i = 0; i < rows; ++i)
    for (int j = 0; j < cols; ++j)
      if (!std::isfinite(cell(i, j)))
        return std::string(name) + "[" + std::to_string(i) + "][" + std::to_string(j) + "] is " +
               std::to_string(cell(i, j));
  return {};
}

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

}  // namespace

std::vector<std::string> SessionDifferences(const Session& before, const Session& after) {
  std::vector<std::string> out;
#define VREL_SAME(field) \
  if (!(before.field == after.field)) out.push_back(#field " changed");
  VREL_SAME(SpecimenCount);
  VREL_SAME(LandmarkCount);
  VREL_SAME(DimensionCount);
  VREL_SAME(LinkCount);
  VREL_SAME(PcsRetained);
  VREL_SAME(GroupLimit);
  VREL_SAME(PromptResult);
  VREL_SAME(DataLoaded);
  VREL_SAME(Superimposed);
  VREL_SAME(ComponentsComputed);
  VREL_SAME(DifferenceComputed);
  VREL_SAME(RegressionVectorReady);
  VREL_SAME(DiscriminationVectorReady);
  VREL_SAME(ShowLabels);
  VREL_SAME(ColorOption);
  VREL_SAME(ExtremesOption);
  VREL_SAME(GridOption);
  VREL_SAME(EllipsesOption);
  VREL_SAME(AxisTitlesOption);
  VREL_SAME(AxisScalesOption);
  VREL_SAME(LegendOption);
  VREL_SAME(LargeMarkersOption);
  VREL_SAME(NameLabelsOption);
  VREL_SAME(FitOnResizeOption);
  VREL_SAME(VarianceSharesKnown);
  VREL_SAME(Zoom);
  VREL_SAME(DrawScale);
  VREL_SAME(ShapeMagnitude);
  VREL_SAME(Rotation);
  VREL_SAME(TiltAngle);
  VREL_SAME(TurnAngle);
  VREL_SAME(SelectedSpecimen);
  VREL_SAME(SelectedComponent);
  VREL_SAME(SpecimensView);
  VREL_SAME(VectorsView);
  VREL_SAME(PlotView);
  VREL_SAME(PlotAxisX);
  VREL_SAME(PlotAxisY);
  VREL_SAME(Random.Table);
  VREL_SAME(Random.Next);
  VREL_SAME(Random.Partner);
  VREL_SAME(Random.Initialised);
#undef VREL_SAME
  CompareArray(out, "Links", before.Links, after.Links);
  CompareArray(out, "Sizes", before.Sizes, after.Sizes);
  for (std::size_t i = 0; i < before.SpecimenNames.size(); ++i)
    if (before.SpecimenNames[i] != after.SpecimenNames[i]) {
      out.push_back("SpecimenNames changed at " + std::to_string(i));
      break;
    }
  CompareMatrix(out, "Coordinates", before.Coordinates, after.Coordinates);
  CompareMatrix(out, "Residuals", before.Residuals, after.Residuals);
  CompareMatrix(out, "Scores", before.Scores, after.Scores);
  CompareMatrix(out, "Pcs", before.Pcs, after.Pcs);
  CompareVector(out, "Consensus", before.Consensus, after.Consensus);
  CompareVector(out, "SingularValues", before.SingularValues, after.SingularValues);
  CompareVector(out, "ResultVector", before.ResultVector, after.ResultVector);
  CompareVector(out, "Projections", before.Projections, after.Projections);
  CompareVector(out, "Coefficients", before.Coefficients, after.Coefficients);
  CompareVector(out, "GroupCoefficients", before.GroupCoefficients, after.GroupCoefficients);
  CompareVector(out, "Factor", before.Factor, after.Factor);
  CompareVector(out, "GroupCodes", before.GroupCodes, after.GroupCodes);
  CompareVector(out, "LandmarkSelection", before.LandmarkSelection, after.LandmarkSelection);
  return out;
}

std::string SessionFault(const Session& s) {
  const int n = s.SpecimenCount, p = s.LandmarkCount, k = s.DimensionCount;
  if (n < 0 || n > s.Room.Specimens) return "specimen count " + std::to_string(n);
  if (k < 0 || k > MaxDimensions) return "dimension count " + std::to_string(k);
  if (p < 0 || p * k > s.Room.Coordinates || (k == 0 && p > 0))
    return "landmarks " + std::to_string(p) + " in " + std::to_string(k) + " dimensions";
  if (s.DataLoaded && (n < 1 || p < 1 || k < 1))
    return "loaded with counts " + std::to_string(n) + " " + std::to_string(p) + " " +
           std::to_string(k);
  if (s.LinkCount < 0 || s.LinkCount > LinkCapacity(s.Room))
    return "link count " + std::to_string(s.LinkCount);
  // Below 1 it is the last answer to "How many Pcs?", kept as typed.
  if (s.PcsRetained > MaxComponents) return "retained components " + std::to_string(s.PcsRetained);
  if (s.GroupLimit < 0 || s.GroupLimit > s.Room.Specimens)
    return "group limit " + std::to_string(s.GroupLimit);
  if (s.Superimposed && !s.DataLoaded) return "superimposed without data";
  if (s.ComponentsComputed && !s.Superimposed) return "components without a superimposition";
  // A table of a linear model belongs to the residuals it was fitted to: its terms, Residuals
  // and Total, whose degrees of freedom add up to the specimens less one.
  if (!s.Anova.empty()) {
    int df = 0;
    for (std::size_t r = 0; r + 1 < s.Anova.size(); ++r) df += s.Anova[r].df;
    if (!s.Superimposed || s.Anova.size() < 3 || s.Anova.back().term != "Total" ||
        df != s.Anova.back().df || s.Anova.back().df != n - 1)
      return "a linear model's table that does not fit the specimens";
  }

  const int m = p * k;
  std::string fault;
  auto check = [&fault](std::string found) {
    if (fault.empty()) fault = std::move(found);
  };
  auto matrix = [&](const char* name, const Matrix& a, int rows, int cols) {
    check(NotFinite(name, rows, cols, [&a](int i, int j) { return a[i][j]; }));
  };
  auto vector = [&](const char* name, const Vector& v, int size) {
    check(NotFinite(name, 1, size, [&v](int, int j) { return v[j]; }));
  };
  matrix("Coordinates", s.Coordinates, n, m);
  matrix("Residuals", s.Residuals, n, m);
  matrix("Scores", s.Scores, n, std::min(MaxComponents, s.Scores.Cols()));
  matrix("Pcs", s.Pcs, m, MaxComponents);
  vector("Consensus", s.Consensus, m);
  vector("SingularValues", s.SingularValues, s.SingularValues.Size());
  vector("ResultVector", s.ResultVector, s.ResultVector.Size());
  vector("Coefficients", s.Coefficients, s.Coefficients.Size());
  vector("GroupCoefficients", s.GroupCoefficients, s.GroupCoefficients.Size());
  vector("Projections", s.Projections, n);
  vector("Factor", s.Factor, n);
  vector("GroupCodes", s.GroupCodes, n);
  check(
      NotFinite("Sizes", 1, n, [&s](int, int j) { return s.Sizes[static_cast<std::size_t>(j)]; }));
  const double view[] = {s.Zoom,        s.DrawScale,   s.ShapeMagnitude, s.Rotation[0],
                         s.Rotation[1], s.Rotation[2], s.Rotation[3],    s.Rotation[4],
                         s.Rotation[5], s.TiltAngle,   s.TurnAngle};
  check(NotFinite("view state", 1, 11, [&view](int, int j) { return view[j]; }));
  return fault;
}

std::string LogLineFault(const std::string& line) {
  std::string_view text = line;
  // What follows these is a path as the user gave it.
  for (std::string_view prefix :
       {"Data File : ", "Link File : ", "Factor File : ", "Hyperprojection computed with "})
    if (text.substr(0, prefix.size()) == prefix) return {};
  // The F of a perfect fit is infinite, and the log says so.
  const std::string_view perfectFit = "R\u00b2= 1.000000, F= inf with ";
  std::size_t from = 0;
  if (text.substr(0, perfectFit.size()) == perfectFit) from = perfectFit.size();
  for (std::size_t i = from; i + 3 <= text.size(); ++i) {
    std::string word(text.substr(i, 3));
    for (char& c : word) c = static_cast<char>(c | 0x20);
    if (word != "nan" && word != "inf") continue;
    if (i > 0 && IsLetter(text[i - 1])) continue;  // part of a word
    if (i + 3 < text.size() && IsLetter(text[i + 3]) && text.substr(i, 8) != "infinity") continue;
    return "log line \"" + line + "\" shows " + word;
  }
  return {};
}

std::string CommandFault(const Session& before, const Session& after, bool showedMessage,
                         const std::vector<std::string>& logLines) {
  if (std::string fault = SessionFault(after); !fault.empty()) return fault;
  for (const std::string& line : logLines)
    if (std::string fault = LogLineFault(line); !fault.empty()) return fault;
  if (!showedMessage) return {};
  for (const std::string& change : SessionDifferences(before, after)) {
    // The prompt's answer stays where the prompt writes it, and the component count keeps the
    // last answer, also when the command then stops.
    if (change == "PromptResult changed" || change == "PcsRetained changed") continue;
    // "Too many links" leaves no links at all rather than the old ones.
    if (change == "LinkCount changed" && after.LinkCount == 0) continue;
    return "a refused command changed the session: " + change;
  }
  return {};
}

}  // namespace vrel::test
