// SPDX-License-Identifier: GPL-3.0-or-later
#include "numerics/svd_oracle.h"

#ifdef VREL_HAVE_LAPACK

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <functional>
#include <vector>

#include "numerics/svd.h"

extern "C" void dgesvd_(const char* jobu, const char* jobvt, const int* m, const int* n, double* a,
                        const int* lda, double* s, double* u, const int* ldu, double* vt,
                        const int* ldvt, double* work, const int* lwork, int* info,
                        std::size_t jobuLength, std::size_t jobvtLength);

namespace vrel::test {

namespace {

std::vector<double> LapackSingularValues(const Matrix& a, int m, int n) {
  std::vector<double> columnMajor(static_cast<std::size_t>(m) * n);
  for (int i = 0; i < m; ++i)
    for (int j = 0; j < n; ++j) columnMajor[static_cast<std::size_t>(j) * m + i] = a[i][j];
  std::vector<double> values(static_cast<std::size_t>(std::min(m, n)));
  const char none = 'N';
  const int one = 1;
  int lwork = -1;
  int info = 0;
  double query = 0.0;
  double unused = 0.0;
  dgesvd_(&none, &none, &m, &n, columnMajor.data(), &m, values.data(), &unused, &one, &unused, &one,
          &query, &lwork, &info, 1, 1);
  lwork = static_cast<int>(query);
  std::vector<double> work(static_cast<std::size_t>(lwork));
  dgesvd_(&none, &none, &m, &n, columnMajor.data(), &m, values.data(), &unused, &one, &unused, &one,
          work.data(), &lwork, &info, 1, 1);
  EXPECT_EQ(info, 0);
  return values;
}

}  // namespace

void ExpectSameSingularValues(const Matrix& a, int m, int n) {
  Matrix u = a;
  Vector w(n);
  Matrix v(n, n);
  Svd(u, m, n, w, v);
  std::vector<double> ours(w.data(), w.data() + n);
  std::sort(ours.begin(), ours.end(), std::greater<>());
  const std::vector<double> theirs = LapackSingularValues(a, m, n);
  ASSERT_FALSE(theirs.empty());
  const double noise = 1e-10 * theirs[0];
  for (std::size_t j = 0; j < ours.size(); ++j) {
    const double reference = j < theirs.size() ? theirs[j] : 0.0;
    if (reference > noise)
      EXPECT_NEAR(ours[j], reference, 1e-9 * reference) << "singular value " << j;
    else
      EXPECT_LE(ours[j], 100.0 * noise) << "singular value " << j << " should be noise";
  }
}

}  // namespace vrel::test

#endif
