#pragma once

#include <cstdint>
#include <string>

#include "runtime/core/exceptions.h"
#include "runtime/core/string.h"
#include "runtime/core/table.h"
#include "runtime/core/text_input_stream.h"

namespace quorvane {

// The count table has room for 999 cases; a file with more lines is refused before any cell
// past the last row is written.
class TooManyLinesError : public rt::RuntimeException {
 public:
  TooManyLinesError() : rt::RuntimeException("the file has more than 999 lines") {}
};

// Text never holds a NUL character; a line that does comes from a binary file (or a UTF-16 one
// that could not be recognised), whose numbers would be nonsense.
class NotTextError : public rt::RuntimeException {
 public:
  explicit NotTextError(std::int64_t line)
      : rt::RuntimeException("line " + std::to_string(line) + " holds a NUL character") {}
};

// Every line of the stream, from the first, fills one row of Counts from row 1, in file order:
// field j of the line into column j, for j = 1 to NumCats, as Val reads it (an empty or missing
// field reads 0, later fields are ignored). The first line is read before the end is tested,
// so every file gives at least one row.
void ReadCounts(rt::TextInputStream& stream, std::int64_t NumCats, const rt::String& Tab,
                rt::Table2D& Counts);

}  // namespace quorvane
