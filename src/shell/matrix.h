// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdlib>
#include <memory>
#include <vector>

namespace vrel {

// A table of doubles addressed m[row][col]; every element is 0.0 on creation and
// every row can be handed on as a plain double*.
class Matrix {
 public:
  Matrix() = default;
  Matrix(int rows, int cols);
  Matrix(const Matrix& other);
  Matrix& operator=(const Matrix& other);
  Matrix(Matrix&&) noexcept = default;
  Matrix& operator=(Matrix&&) noexcept = default;

  double* operator[](int row) { return rows_[static_cast<std::size_t>(row)]; }
  const double* operator[](int row) const { return rows_[static_cast<std::size_t>(row)]; }

  int Rows() const { return rowCount_; }
  int Cols() const { return colCount_; }
  void Fill(double value);
  // Every element back to 0.0. Large tables hand their pages back to the system, which gives
  // zero pages again on the next write, so clearing a table that was used in part costs no more
  // than that part.
  void Clear();

 private:
  struct Release {
    void operator()(double* cells) const { std::free(cells); }
  };
  void Allocate();
  void BindRows();
  std::size_t CellCount() const {
    return static_cast<std::size_t>(rowCount_) * static_cast<std::size_t>(colCount_);
  }

  int rowCount_ = 0;
  int colCount_ = 0;
  // Zeroed by the allocator: the pages of a large table are mapped only as they are written.
  std::unique_ptr<double[], Release> cells_;
  std::vector<double*> rows_;
};

// to[i][j] = from[i][j] for the leading rows x cols block.
void CopyBlock(const Matrix& from, Matrix& to, int rows, int cols);

// n doubles addressed v[0] .. v[n-1]; room for one more, all zero on creation.
class Vector {
 public:
  Vector() = default;
  explicit Vector(int n) : cells_(static_cast<std::size_t>(n) + 1, 0.0), size_(n) {}

  double& operator[](int i) { return cells_[static_cast<std::size_t>(i)]; }
  double operator[](int i) const { return cells_[static_cast<std::size_t>(i)]; }
  double* data() { return cells_.data(); }
  const double* data() const { return cells_.data(); }
  int Size() const { return size_; }
  void Fill(double value);

 private:
  std::vector<double> cells_;
  int size_ = 0;
};

Matrix AllocMatrix(int rows, int cols);
void FreeMatrix(Matrix& m);
Vector AllocVector(int n);
void FreeVector(Vector& v);

}  // namespace vrel
