// SPDX-License-Identifier: GPL-3.0-or-later
#include "numerics/large_svd.h"

#include <algorithm>
#include <cstddef>
#include <new>
#include <vector>

#include "numerics/svd.h"

extern "C" {
void dgebrd_(const int* m, const int* n, double* a, const int* lda, double* d, double* e,
             double* tauq, double* taup, double* work, const int* lwork, int* info);
void dgesdd_(const char* jobz, const int* m, const int* n, double* a, const int* lda, double* s,
             double* u, const int* ldu, double* vt, const int* ldvt, double* work,
             const int* lwork, int* iwork, int* info, std::size_t jobzLength);
}

namespace vrel {

namespace {

std::size_t Cells(int rows, int cols) {
  return static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols);
}

// x stored by columns of length rows, which is how LAPACK reads a matrix: as the transpose,
// cols rows by rows columns, x's rows being its columns.
std::vector<double> Transpose(const Matrix& x, int rows, int cols) {
  std::vector<double> t(Cells(rows, cols));
  for (int i = 0; i < rows; ++i)
    std::copy(x[i], x[i] + cols, t.begin() + static_cast<std::ptrdiff_t>(Cells(i, cols)));
  return t;
}

// The upper bidiagonal form of x, with the signs Svd's reduction gives it: diagonal in d,
// superdiagonal in e (e[i] above d[i], e[0] = 0), cols values each.
bool BidiagonalForm(const Matrix& x, int rows, int cols, Vector& d, Vector& e) {
  if (rows <= cols) {
    // A wide or square matrix: the reduction itself, whose cost grows with the square of the
    // rows only. (LAPACK would reach the lower form of a wide one, and of a square one's
    // transpose.)
    Matrix a(rows, cols);
    CopyBlock(x, a, rows, cols);
    Bidiagonalise(a, rows, cols, d, e);
    return true;
  }
  // LAPACK reads x's transpose, cols x rows with cols <= rows: its lower bidiagonal form is the
  // transpose of x's upper one, reached by the same reflections.
  std::vector<double> a = Transpose(x, rows, cols);
  std::vector<double> tauq(static_cast<std::size_t>(cols)), taup(static_cast<std::size_t>(cols));
  std::vector<double> sub(static_cast<std::size_t>(cols));
  int info = 0, lwork = -1;
  double size = 0.0;
  dgebrd_(&cols, &rows, a.data(), &cols, d.data(), sub.data(), tauq.data(), taup.data(), &size,
          &lwork, &info);
  if (info != 0) return false;
  lwork = static_cast<int>(size);
  std::vector<double> work(static_cast<std::size_t>(std::max(lwork, 1)));
  dgebrd_(&cols, &rows, a.data(), &cols, d.data(), sub.data(), tauq.data(), taup.data(),
          work.data(), &lwork, &info);
  if (info != 0) return false;
  e[0] = 0.0;
  for (int i = 1; i < cols; ++i) e[i] = sub[static_cast<std::size_t>(i - 1)];
  // The last reflection from the right has a single element. LAPACK leaves it alone; Svd's
  // reflects it, which negates the last column of the form.
  if (cols > 1 && e[cols - 1] != 0.0) {
    e[cols - 1] = -e[cols - 1];
    d[cols - 1] = -d[cols - 1];
  }
  return true;
}

}  // namespace

bool LargeSvd(const Matrix& x, int rows, int cols, int keep, Vector& w, Matrix& v, Matrix& u) {
  try {
    // The signs: Svd's own last step on the bidiagonal form, following only the first row of V.
    Vector d(cols), e(cols);
    if (!BidiagonalForm(x, rows, cols, d, e)) return false;
    std::vector<double> firstRow;
    DiagonaliseFirstRowOfV(d, e, cols, firstRow);
    // Sorted the way SortComponents sorts, the later of equal values first.
    std::vector<int> order(static_cast<std::size_t>(cols));
    for (int c = 0; c < cols; ++c) order[static_cast<std::size_t>(c)] = c;
    for (int c = 0; c < cols - 1; ++c) {
      int pick = c;
      double best = d[order[static_cast<std::size_t>(c)]];
      for (int j = c; j < cols; ++j)
        if (d[order[static_cast<std::size_t>(j)]] >= best) {
          best = d[order[static_cast<std::size_t>(j)]];
          pick = j;
        }
      std::swap(order[static_cast<std::size_t>(c)], order[static_cast<std::size_t>(pick)]);
    }

    // The vectors: LAPACK's divide and conquer on the transpose (cols x rows), whose left
    // vectors are x's right ones.
    const int k = std::min(rows, cols);
    std::vector<double> a = Transpose(x, rows, cols);
    std::vector<double> s(static_cast<std::size_t>(k));
    std::vector<double> left(Cells(cols, k)), right(Cells(k, rows));
    std::vector<int> iwork(8 * static_cast<std::size_t>(k));
    int info = 0, lwork = -1;
    double size = 0.0;
    dgesdd_("S", &cols, &rows, a.data(), &cols, s.data(), left.data(), &cols, right.data(), &k,
            &size, &lwork, iwork.data(), &info, 1);
    if (info != 0) return false;
    lwork = static_cast<int>(size);
    std::vector<double> work(static_cast<std::size_t>(std::max(lwork, 1)));
    dgesdd_("S", &cols, &rows, a.data(), &cols, s.data(), left.data(), &cols, right.data(), &k,
            work.data(), &lwork, iwork.data(), &info, 1);
    if (info != 0) return false;

    for (int c = 0; c < cols; ++c) w[c] = c < k ? s[static_cast<std::size_t>(c)] : 0.0;
    for (int c = 0; c < keep && c < k; ++c) {
      const double* column = left.data() + Cells(c, cols);
      const double guide = firstRow[static_cast<std::size_t>(order[static_cast<std::size_t>(c)])];
      const double flip = guide * column[0] < 0.0 ? -1.0 : 1.0;
      for (int r = 0; r < cols; ++r) v[r][c] = flip * column[r];
      for (int i = 0; i < rows; ++i) u[i][c] = flip * right[static_cast<std::size_t>(c) + Cells(i, k)];
    }
    return true;
  } catch (const std::bad_alloc&) {
    return false;
  }
}

}  // namespace vrel
