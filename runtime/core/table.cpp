#include "runtime/core/table.h"

#include <string>

namespace rt::detail {

void ThrowCellOutOfBounds(std::int64_t row, std::int64_t column) {
  throw OutOfBoundsException("Table cell (" + std::to_string(row) + ", " + std::to_string(column) +
                             ") is out of bounds");
}

void ThrowIndexOutOfBounds(std::int64_t index) {
  throw OutOfBoundsException("Array index " + std::to_string(index) + " is out of bounds");
}

}  // namespace rt::detail
