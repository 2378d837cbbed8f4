#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "runtime/core/exceptions.h"

namespace rt {

namespace detail {
[[noreturn]] void ThrowCellOutOfBounds(std::int64_t row, std::int64_t column);
[[noreturn]] void ThrowIndexOutOfBounds(std::int64_t index);
}  // namespace detail

// A table of Doubles with fixed, inclusive upper bounds (indices from 0), filled with 0 when
// made. Reading or writing outside the bounds raises OutOfBoundsException: nothing is ever
// written past the last row.
class Table2D {
 public:
  Table2D(std::int64_t lastRow, std::int64_t lastColumn)
      : rows_(lastRow + 1),
        columns_(lastColumn + 1),
        cells_(static_cast<std::size_t>(rows_ * columns_), 0.0) {}

  double& operator()(std::int64_t row, std::int64_t column) { return cells_[Index(row, column)]; }
  double operator()(std::int64_t row, std::int64_t column) const {
    return cells_[Index(row, column)];
  }

 private:
  std::size_t Index(std::int64_t row, std::int64_t column) const {
    if (static_cast<std::uint64_t>(row) >= static_cast<std::uint64_t>(rows_) ||
        static_cast<std::uint64_t>(column) >= static_cast<std::uint64_t>(columns_)) [[unlikely]] {
      detail::ThrowCellOutOfBounds(row, column);
    }
    return static_cast<std::size_t>(row * columns_ + column);
  }

  std::int64_t rows_;
  std::int64_t columns_;
  std::vector<double> cells_;
};

// A one-dimensional table of Doubles with indices 0 to `last`, filled with 0 when made.
class Table1D {
 public:
  explicit Table1D(std::int64_t last) : cells_(static_cast<std::size_t>(last + 1), 0.0) {}

  double& operator()(std::int64_t index) { return cells_[Index(index)]; }
  double operator()(std::int64_t index) const { return cells_[Index(index)]; }

 private:
  std::size_t Index(std::int64_t index) const {
    if (static_cast<std::uint64_t>(index) >= cells_.size()) [[unlikely]] {
      detail::ThrowIndexOutOfBounds(index);
    }
    return static_cast<std::size_t>(index);
  }

  std::vector<double> cells_;
};

}  // namespace rt
