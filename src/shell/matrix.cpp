#include "shell/matrix.h"

#include <algorithm>

namespace vrel {

Matrix::Matrix(int rows, int cols)
    : rowCount_(rows),
      colCount_(cols),
      cells_(static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols), 0.0) {
  BindRows();
}

Matrix::Matrix(const Matrix& other)
    : rowCount_(other.rowCount_), colCount_(other.colCount_), cells_(other.cells_) {
  BindRows();
}

Matrix& Matrix::operator=(const Matrix& other) {
  if (this != &other) {
    rowCount_ = other.rowCount_;
    colCount_ = other.colCount_;
    cells_ = other.cells_;
    BindRows();
  }
  return *this;
}

void Matrix::BindRows() {
  rows_.resize(static_cast<std::size_t>(rowCount_));
  for (int r = 0; r < rowCount_; ++r)
    rows_[static_cast<std::size_t>(r)] =
        cells_.data() + static_cast<std::size_t>(r) * static_cast<std::size_t>(colCount_);
}

void Matrix::Fill(double value) { std::fill(cells_.begin(), cells_.end(), value); }

void Vector::Fill(double value) { std::fill(cells_.begin(), cells_.end(), value); }

Matrix AllocMatrix(int rows, int cols) { return Matrix(rows, cols); }

void FreeMatrix(Matrix& m) { m = Matrix(); }

Vector AllocVector(int n) { return Vector(n); }

void FreeVector(Vector& v) { v = Vector(); }

}  // namespace vrel
