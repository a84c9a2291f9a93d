// SPDX-License-Identifier: GPL-3.0-or-later
#include "numerics/large_svd.h"

#include <algorithm>
#include <cstddef>
#include <new>
#include <vector>

#include "numerics/components.h"
#include "numerics/svd.h"

extern "C" {
void dgebrd_(const int* m, const int* n, double* a, const int* lda, double* d, double* e,
             double* tauq, double* taup, double* work, const int* lwork, int* info);
void dbdsdc_(const char* uplo, const char* compq, const int* n, double* d, double* e, double* u,
             const int* ldu, double* vt, const int* ldvt, double* q, int* iq, double* work,
             int* iwork, int* info, std::size_t uploLength, std::size_t compqLength);
void dormbr_(const char* vect, const char* side, const char* trans, const int* m, const int* n,
             const int* k, const double* a, const int* lda, const double* tau, double* c,
             const int* ldc, double* work, const int* lwork, int* info, std::size_t vectLength,
             std::size_t sideLength, std::size_t transLength);
void dgesdd_(const char* jobz, const int* m, const int* n, double* a, const int* lda, double* s,
             double* u, const int* ldu, double* vt, const int* ldvt, double* work, const int* lwork,
             int* iwork, int* info, std::size_t jobzLength);
}

namespace vrel {

namespace {

std::size_t Cells(int rows, int cols) {
  return static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols);
}

// x's rows one after the other, which LAPACK reads as x's transpose: a matrix of cols rows by
// rows columns stored by columns.
std::vector<double> RowsInOrder(const Matrix& x, int rows, int cols) {
  std::vector<double> t(Cells(rows, cols));
  for (int i = 0; i < rows; ++i)
    std::copy(x[i], x[i] + cols, t.begin() + static_cast<std::ptrdiff_t>(Cells(i, cols)));
  return t;
}

int WorkSize(double query) { return std::max(1, static_cast<int>(query)); }

// The signs Svd would give the vectors: its own last step on the bidiagonal form d, e (Svd's
// signs, upper form), following only the first row of V, sorted as SortComponents sorts.
// Returns that row; d and e are used up.
std::vector<double> SignGuide(Vector& d, Vector& e, int cols) {
  std::vector<double> firstRow;
  DiagonaliseFirstRowOfV(d, e, cols, firstRow);
  SortDecreasing(d, cols, [&firstRow](int c, int pick) {
    std::swap(firstRow[static_cast<std::size_t>(c)], firstRow[static_cast<std::size_t>(pick)]);
  });
  return firstRow;
}

// Copies the first keep vectors out, each turned to point the way the guide says: the first
// coordinate of the right vector takes the sign the program's own decomposition gives it.
// vColumn(c) gives column c of V (cols values, stride 1); uAt(i, c) element i of left vector c.
template <typename VColumn, typename UAt>
void KeepPointed(const std::vector<double>& guide, int rows, int cols, int keep, VColumn vColumn,
                 UAt uAt, Matrix& v, Matrix& u) {
  for (int c = 0; c < keep; ++c) {
    const double* column = vColumn(c);
    const double flip = guide[static_cast<std::size_t>(c)] * column[0] < 0.0 ? -1.0 : 1.0;
    for (int r = 0; r < cols; ++r) v[r][c] = flip * column[r];
    for (int i = 0; i < rows; ++i) u[i][c] = flip * uAt(i, c);
  }
}

// More specimens than coordinates. LAPACK reads x's transpose, cols x rows with cols < rows: its
// lower bidiagonal form is the transpose of x's upper one, reached by the same reflections. One
// reduction serves twice: the form's own singular vectors by divide and conquer, turned back by
// the reflections for the kept ones only, and the signs from the form.
bool TallSvd(const Matrix& x, int rows, int cols, int keep, Vector& w, Matrix& v, Matrix& u) {
  std::vector<double> a = RowsInOrder(x, rows, cols);
  Vector d(cols), e(cols);
  std::vector<double> tauq(static_cast<std::size_t>(cols)), taup(static_cast<std::size_t>(cols));
  std::vector<double> sub(static_cast<std::size_t>(cols));
  int info = 0, lwork = -1;
  double query = 0.0;
  dgebrd_(&cols, &rows, a.data(), &cols, d.data(), sub.data(), tauq.data(), taup.data(), &query,
          &lwork, &info);
  if (info != 0) return false;
  lwork = WorkSize(query);
  std::vector<double> work(static_cast<std::size_t>(lwork));
  dgebrd_(&cols, &rows, a.data(), &cols, d.data(), sub.data(), tauq.data(), taup.data(),
          work.data(), &lwork, &info);
  if (info != 0) return false;

  // The form with Svd's signs: the last reflection from the right has a single element, which
  // LAPACK leaves alone and Svd's reduction reflects, negating the last column of the form.
  Vector sd(cols), se(cols);
  for (int i = 0; i < cols; ++i) {
    sd[i] = d[i];
    se[i] = i == 0 ? 0.0 : sub[static_cast<std::size_t>(i - 1)];
  }
  if (cols > 1 && se[cols - 1] != 0.0) {
    se[cols - 1] = -se[cols - 1];
    sd[cols - 1] = -sd[cols - 1];
  }
  const std::vector<double> guide = SignGuide(sd, se, cols);

  // The form's singular vectors, largest value first.
  std::vector<double> ub(Cells(cols, cols)), vtb(Cells(cols, cols));
  std::vector<double> bdWork(3 * Cells(cols, cols) + 4 * static_cast<std::size_t>(cols));
  std::vector<int> iwork(8 * static_cast<std::size_t>(cols));
  double unusedQ = 0.0;
  int unusedIq = 0;
  dbdsdc_("L", "I", &cols, d.data(), sub.data(), ub.data(), &cols, vtb.data(), &cols, &unusedQ,
          &unusedIq, bdWork.data(), iwork.data(), &info, 1, 1);
  if (info != 0) return false;
  for (int c = 0; c < cols; ++c) w[c] = d[c];

  // x's right vectors: Q times the form's left ones; x's left vectors: the form's right ones
  // (padded with zeros to the rows) times P-transposed.
  std::vector<double> left(ub.begin(), ub.begin() + static_cast<std::ptrdiff_t>(Cells(cols, keep)));
  std::vector<double> right(Cells(keep, rows), 0.0);
  for (int c = 0; c < keep; ++c)
    for (int j = 0; j < cols; ++j)
      right[static_cast<std::size_t>(c) + Cells(j, keep)] =
          vtb[static_cast<std::size_t>(c) + Cells(j, cols)];
  lwork = -1;
  dormbr_("Q", "L", "N", &cols, &keep, &rows, a.data(), &cols, tauq.data(), left.data(), &cols,
          &query, &lwork, &info, 1, 1, 1);
  int need = WorkSize(query);
  dormbr_("P", "R", "T", &keep, &rows, &cols, a.data(), &cols, taup.data(), right.data(), &keep,
          &query, &lwork, &info, 1, 1, 1);
  need = std::max(need, WorkSize(query));
  work.assign(static_cast<std::size_t>(need), 0.0);
  dormbr_("Q", "L", "N", &cols, &keep, &rows, a.data(), &cols, tauq.data(), left.data(), &cols,
          work.data(), &need, &info, 1, 1, 1);
  if (info != 0) return false;
  dormbr_("P", "R", "T", &keep, &rows, &cols, a.data(), &cols, taup.data(), right.data(), &keep,
          work.data(), &need, &info, 1, 1, 1);
  if (info != 0) return false;
  KeepPointed(
      guide, rows, cols, keep, [&](int c) { return left.data() + Cells(c, cols); },
      [&](int i, int c) { return right[static_cast<std::size_t>(c) + Cells(i, keep)]; }, v, u);
  return true;
}

// As many coordinates as specimens or more. Svd's reduction itself gives the signs: its cost
// grows with the square of the rows only (LAPACK would reach the lower form of a wide matrix,
// and of a square one's transpose). The vectors come from LAPACK's divide and conquer on the
// transpose, whose left vectors are x's right ones.
bool WideSvd(const Matrix& x, int rows, int cols, int keep, Vector& w, Matrix& v, Matrix& u) {
  Vector d(cols), e(cols);
  {
    Matrix reduced(rows, cols);
    CopyBlock(x, reduced, rows, cols);
    Bidiagonalise(reduced, rows, cols, d, e);
  }
  const std::vector<double> guide = SignGuide(d, e, cols);

  const int k = std::min(rows, cols);
  std::vector<double> a = RowsInOrder(x, rows, cols);
  std::vector<double> s(static_cast<std::size_t>(k));
  std::vector<double> left(Cells(cols, k)), right(Cells(k, rows));
  std::vector<int> iwork(8 * static_cast<std::size_t>(k));
  int info = 0, lwork = -1;
  double query = 0.0;
  dgesdd_("S", &cols, &rows, a.data(), &cols, s.data(), left.data(), &cols, right.data(), &k,
          &query, &lwork, iwork.data(), &info, 1);
  if (info != 0) return false;
  lwork = WorkSize(query);
  std::vector<double> work(static_cast<std::size_t>(lwork));
  dgesdd_("S", &cols, &rows, a.data(), &cols, s.data(), left.data(), &cols, right.data(), &k,
          work.data(), &lwork, iwork.data(), &info, 1);
  if (info != 0) return false;
  for (int c = 0; c < cols; ++c) w[c] = c < k ? s[static_cast<std::size_t>(c)] : 0.0;
  KeepPointed(
      guide, rows, cols, std::min(keep, k), [&](int c) { return left.data() + Cells(c, cols); },
      [&](int i, int c) { return right[static_cast<std::size_t>(c) + Cells(i, k)]; }, v, u);
  return true;
}

}  // namespace

bool LargeSvd(const Matrix& x, int rows, int cols, int keep, Vector& w, Matrix& v, Matrix& u) {
  try {
    return rows > cols ? TallSvd(x, rows, cols, keep, w, v, u)
                       : WideSvd(x, rows, cols, keep, w, v, u);
  } catch (const std::bad_alloc&) {
    return false;
  }
}

}  // namespace vrel
