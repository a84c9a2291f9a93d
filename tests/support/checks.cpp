#include "support/checks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace vrel::test {

namespace {

bool Same(double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); }

std::string Shown(const HeadlessFrontend& fe) {
  std::ostringstream out;
  for (const auto& m : fe.messages)
    out << " [" << m.text << " | " << m.caption << " | " << static_cast<int>(m.icon) << "]";
  return out.str();
}

// Reports the first cell that differs and how many do.
template <typename Cell>
void ExpectSameCells(const char* name, int count, Cell cell) {
  int differing = 0;
  for (int i = 0; i < count; ++i) {
    const auto [a, b] = cell(i);
    if (Same(a, b)) continue;
    if (differing++ == 0)
      ADD_FAILURE() << name << " changed at cell " << i << ": " << a << " became " << b;
  }
  if (differing > 1) ADD_FAILURE() << name << ": " << differing << " cells changed in all";
}

void ExpectSameMatrix(const char* name, const Matrix& a, const Matrix& b) {
  ASSERT_EQ(a.Rows(), b.Rows()) << name;
  ASSERT_EQ(a.Cols(), b.Cols()) << name;
  const int cols = a.Cols();
  ExpectSameCells(name, a.Rows() * cols, [&](int c) {
    return std::pair{a[c / cols][c % cols], b[c / cols][c % cols]};
  });
}

void ExpectSameVector(const char* name, const Vector& a, const Vector& b) {
  ASSERT_EQ(a.Size(), b.Size()) << name;
  ExpectSameCells(name, a.Size(), [&](int i) { return std::pair{a[i], b[i]}; });
}

template <typename T, std::size_t N>
void ExpectSameArray(const char* name, const std::array<T, N>& a, const std::array<T, N>& b) {
  ExpectSameCells(name, static_cast<int>(N), [&](int i) {
    return std::pair{static_cast<double>(a[static_cast<std::size_t>(i)]),
                     static_cast<double>(b[static_cast<std::size_t>(i)])};
  });
}

}  // namespace

void ExpectOneMessage(const HeadlessFrontend& fe, const std::string& text,
                      const std::string& caption, Icon icon) {
  ASSERT_EQ(fe.messages.size(), 1u) << "messages shown:" << Shown(fe);
  EXPECT_EQ(fe.messages[0].text, text);
  EXPECT_EQ(fe.messages[0].caption, caption) << text;
  EXPECT_EQ(fe.messages[0].icon, icon) << text;
}

void ExpectOneMessage(const HeadlessFrontend& fe, Message id, const std::string& detail) {
  const MessageInfo& info = MessageDetails(id);
  ExpectOneMessage(fe, info.text + detail, info.caption, info.icon);
}

void ExpectSessionUnchanged(const Session& before, const Session& after) {
#define VREL_SAME(field) EXPECT_EQ(before.field, after.field) << #field
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
  ExpectSameArray("Links", before.Links, after.Links);
  ExpectSameArray("Sizes", before.Sizes, after.Sizes);
  ExpectSameMatrix("Coordinates", before.Coordinates, after.Coordinates);
  ExpectSameMatrix("Residuals", before.Residuals, after.Residuals);
  ExpectSameMatrix("Scores", before.Scores, after.Scores);
  ExpectSameMatrix("Pcs", before.Pcs, after.Pcs);
  ExpectSameVector("Consensus", before.Consensus, after.Consensus);
  ExpectSameVector("SingularValues", before.SingularValues, after.SingularValues);
  ExpectSameVector("ResultVector", before.ResultVector, after.ResultVector);
  ExpectSameVector("Projections", before.Projections, after.Projections);
  ExpectSameVector("Coefficients", before.Coefficients, after.Coefficients);
  ExpectSameVector("GroupCoefficients", before.GroupCoefficients, after.GroupCoefficients);
  ExpectSameVector("Factor", before.Factor, after.Factor);
  ExpectSameVector("GroupCodes", before.GroupCodes, after.GroupCodes);
  ExpectSameVector("LandmarkSelection", before.LandmarkSelection, after.LandmarkSelection);
}

}  // namespace vrel::test
