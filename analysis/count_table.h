#pragma once

#include <cstdint>

#include "runtime/core/table.h"

namespace quorvane {

// The count table holds cases in rows 1 to 999 and categories in columns 1 to 25; column 0
// keeps each case's row total and column 26, in row j, the total of category j.
inline constexpr std::int64_t kLastCaseRow = 999;
inline constexpr std::int64_t kRowTotalColumn = 0;
inline constexpr std::int64_t kCategoryTotalColumn = 26;
inline constexpr std::int64_t kLastCategory = 25;

// The three counts the user typed, after their checks and truncation.
struct RunSize {
  std::int64_t NumRaters = 0;  // n
  std::int64_t NumCases = 0;   // N
  std::int64_t NumCats = 0;    // k
};

rt::Table2D MakeCounts();

// The totals are carried as integers and each count is added as a Double, so a fractional
// count is cut off at every addition: 1.5, 1.5 and 3 total 5. They drive only the warnings.
void FormRowTotals(rt::Table2D& Counts, const RunSize& size);
void FormCategoryTotals(rt::Table2D& Counts, const RunSize& size);

}  // namespace quorvane
