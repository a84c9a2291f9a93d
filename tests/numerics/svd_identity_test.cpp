// SPDX-License-Identifier: GPL-3.0-or-later
// Svd gives exactly the bits of the frozen column-walking routine: on random matrices of many
// shapes and ranks, on awkward ones, and on the residuals of every data set.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "files/file_commands.h"
#include "numerics/superimposition_commands.h"
#include "numerics/svd.h"
#include "numerics/svd_frozen.h"
#include "support/scripted_frontend.h"
#include "support/test_data.h"

namespace vrel {
namespace {

// Counts the elements of the leading rows x cols blocks whose bits differ, reporting the first.
int CountDifferentBits(const double* const* a, const double* const* b, int rows, int cols,
                       const std::string& what) {
  int differences = 0;
  for (int i = 0; i < rows; ++i)
    for (int j = 0; j < cols; ++j)
      if (std::bit_cast<std::uint64_t>(a[i][j]) != std::bit_cast<std::uint64_t>(b[i][j]) &&
          differences++ == 0)
        ADD_FAILURE() << what << "[" << i << "][" << j << "]: " << a[i][j] << " against "
                      << b[i][j];
  return differences;
}

// Decomposes input (m x n, held in a matrix of any larger capacity) with both routines and
// expects U, w and V to be the same to the bit.
void ExpectSameBitsAsFrozen(const Matrix& input, int m, int n) {
  Matrix u = input, frozenU = input;
  Vector w(n), frozenW(n);
  Matrix v(n, n), frozenV(n, n);
  Svd(u, m, n, w, v);
  test::FrozenSvd(frozenU, m, n, frozenW, frozenV);
  const double* wRow[] = {w.data()};
  const double* frozenWRow[] = {frozenW.data()};
  std::vector<const double*> uRows, frozenURows, vRows, frozenVRows;
  for (int i = 0; i < input.Rows(); ++i) {
    uRows.push_back(u[i]);
    frozenURows.push_back(frozenU[i]);
  }
  for (int i = 0; i < n; ++i) {
    vRows.push_back(v[i]);
    frozenVRows.push_back(frozenV[i]);
  }
  EXPECT_EQ(CountDifferentBits(wRow, frozenWRow, 1, n, "w"), 0);
  // The whole of U's storage, so that a write outside the m x n block shows too.
  EXPECT_EQ(CountDifferentBits(uRows.data(), frozenURows.data(), input.Rows(), input.Cols(), "U"),
            0);
  EXPECT_EQ(CountDifferentBits(vRows.data(), frozenVRows.data(), n, n, "V"), 0);
}

struct Shape {
  int rows;
  int cols;
  int rank;  // 0: full rank
};

// Random normal entries (rank 0), or a product of two random factors of the given rank, in a
// matrix of capacity capRows x capCols whose cells beyond the shape hold other numbers.
Matrix RandomMatrix(const Shape& shape, int capRows, int capCols, std::mt19937& gen) {
  std::normal_distribution<double> normal(0.0, 1.0);
  Matrix a(capRows, capCols);
  for (int i = 0; i < capRows; ++i)
    for (int j = 0; j < capCols; ++j) a[i][j] = normal(gen);
  if (shape.rank > 0) {
    Matrix left(shape.rows, shape.rank), right(shape.rank, shape.cols);
    for (int i = 0; i < shape.rows; ++i)
      for (int t = 0; t < shape.rank; ++t) left[i][t] = normal(gen);
    for (int t = 0; t < shape.rank; ++t)
      for (int j = 0; j < shape.cols; ++j) right[t][j] = normal(gen);
    for (int i = 0; i < shape.rows; ++i)
      for (int j = 0; j < shape.cols; ++j) {
        double sum = 0.0;
        for (int t = 0; t < shape.rank; ++t) sum += left[i][t] * right[t][j];
        a[i][j] = sum;
      }
  }
  return a;
}

TEST(SvdBitIdentity, RandomMatricesOfManyShapes) {
  const Shape shapes[] = {{1, 1, 0},   {1, 4, 0},   {2, 2, 0},    {2, 3, 0},     {3, 2, 0},
                          {3, 3, 0},   {4, 7, 0},   {7, 4, 0},    {5, 5, 0},     {6, 6, 1},
                          {6, 6, 2},   {6, 6, 3},   {5, 8, 2},    {9, 21, 0},    {18, 21, 0},
                          {2, 24, 0},  {30, 26, 0}, {29, 16, 0},  {59, 16, 0},   {76, 12, 0},
                          {33, 33, 0}, {40, 40, 7}, {99, 99, 0},  {150, 99, 0},  {300, 2, 0},
                          {300, 3, 0}, {3, 99, 0},  {300, 99, 0}, {300, 99, 20}, {120, 60, 0}};
  std::mt19937 gen(20240611u);
  for (const Shape& shape : shapes) {
    SCOPED_TRACE(std::to_string(shape.rows) + " x " + std::to_string(shape.cols) + " rank " +
                 std::to_string(shape.rank));
    ExpectSameBitsAsFrozen(RandomMatrix(shape, shape.rows, shape.cols, gen), shape.rows,
                           shape.cols);
    // As the session holds it: the shape inside a full-capacity matrix.
    ExpectSameBitsAsFrozen(RandomMatrix(shape, std::max(shape.rows, 300), 99, gen), shape.rows,
                           shape.cols);
  }
}

TEST(SvdBitIdentity, AwkwardMatrices) {
  std::mt19937 gen(11u);
  const Shape shape{12, 8, 0};
  Matrix zero(12, 8);
  Matrix zeroColumn = RandomMatrix(shape, 12, 8, gen);
  Matrix sameRows = RandomMatrix(shape, 12, 8, gen);
  Matrix huge = RandomMatrix(shape, 12, 8, gen);
  Matrix tiny = RandomMatrix(shape, 12, 8, gen);
  Matrix diagonal(8, 8);
  for (int i = 0; i < 12; ++i) {
    zeroColumn[i][3] = 0.0;
    for (int j = 0; j < 8; ++j) {
      sameRows[i][j] = sameRows[0][j];
      huge[i][j] *= 1e150;
      tiny[i][j] *= 1e-150;
    }
  }
  for (int i = 0; i < 8; ++i) diagonal[i][i] = (i % 2 ? -1.0 : 1.0) * (i + 1);
  for (const Matrix* a : {&zero, &zeroColumn, &sameRows, &huge, &tiny})
    ExpectSameBitsAsFrozen(*a, 12, 8);
  ExpectSameBitsAsFrozen(diagonal, 8, 8);
}

TEST(SvdBitIdentity, ResidualsOfEveryDataSet) {
  for (const std::string& name : test::LandmarkDataSets()) {
    SCOPED_TRACE(name);
    Session s;
    test::ScriptedFrontend fe;
    fe.files.push_back(test::DataFile(name));
    OpenDataClick(s, fe);
    GpaClick(s, fe);
    ASSERT_TRUE(s.Superimposed);
    // The components decompose the second copy of the residuals, held in Scores.
    ExpectSameBitsAsFrozen(s.Scores, s.SpecimenCount, s.CoordinateCount());
  }
}

}  // namespace
}  // namespace vrel
