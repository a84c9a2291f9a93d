// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/matrix.h"

#include <algorithm>
#include <cstring>
#include <new>
#ifdef __linux__
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#endif

namespace vrel {

Matrix::Matrix(int rows, int cols) : rowCount_(rows), colCount_(cols) { Allocate(); }

Matrix::Matrix(const Matrix& other) : rowCount_(other.rowCount_), colCount_(other.colCount_) {
  Allocate();
  if (CellCount() > 0) std::memcpy(cells_.get(), other.cells_.get(), CellCount() * sizeof(double));
}

Matrix& Matrix::operator=(const Matrix& other) {
  if (this != &other) *this = Matrix(other);
  return *this;
}

void Matrix::Allocate() {
  const std::size_t count = CellCount();
  if (count > 0) {
    cells_.reset(static_cast<double*>(std::calloc(count, sizeof(double))));
    if (!cells_) throw std::bad_alloc();
  }
  BindRows();
}

void Matrix::BindRows() {
  rows_.resize(static_cast<std::size_t>(rowCount_));
  for (int r = 0; r < rowCount_; ++r)
    rows_[static_cast<std::size_t>(r)] =
        cells_.get() + static_cast<std::size_t>(r) * static_cast<std::size_t>(colCount_);
}

void Matrix::Fill(double value) { std::fill(cells_.get(), cells_.get() + CellCount(), value); }

void Matrix::Clear() {
  char* begin = reinterpret_cast<char*>(cells_.get());
  char* end = begin + CellCount() * sizeof(double);
#ifdef __linux__
  // The whole pages inside the table are dropped (private memory reads back as zeros); only the
  // parts of pages at its two ends are written.
  const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
  const std::uintptr_t first = (reinterpret_cast<std::uintptr_t>(begin) + page - 1) / page * page;
  const std::uintptr_t last = reinterpret_cast<std::uintptr_t>(end) / page * page;
  if (page > 0 && first < last &&
      ::madvise(reinterpret_cast<void*>(first), last - first, MADV_DONTNEED) == 0) {
    std::memset(begin, 0, first - reinterpret_cast<std::uintptr_t>(begin));
    std::memset(reinterpret_cast<char*>(last), 0, reinterpret_cast<std::uintptr_t>(end) - last);
    return;
  }
#endif
  std::fill(begin, end, char{0});
}

void CopyBlock(const Matrix& from, Matrix& to, int rows, int cols) {
  for (int i = 0; i < rows; ++i) std::copy(from[i], from[i] + cols, to[i]);
}

void Vector::Fill(double value) { std::fill(cells_.begin(), cells_.end(), value); }

Matrix AllocMatrix(int rows, int cols) { return Matrix(rows, cols); }

void FreeMatrix(Matrix& m) { m = Matrix(); }

Vector AllocVector(int n) { return Vector(n); }

void FreeVector(Vector& v) { v = Vector(); }

}  // namespace vrel
