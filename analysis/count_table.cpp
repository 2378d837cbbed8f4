#include "analysis/count_table.h"

#include "runtime/core/background_task.h"
#include "runtime/core/text_functions.h"

namespace quorvane {

rt::Table2D MakeCounts() {
  return rt::Table2D(kLastCaseRow, kCategoryTotalColumn);
}

void FormRowTotals(rt::Table2D& Counts, const RunSize& size) {
  for (std::int64_t i = 1; i <= size.NumCases; ++i) {
    std::int64_t s = 0;
    for (std::int64_t j = 1; j <= size.NumCats; ++j) {
      s = rt::TruncateToInt64(Counts(i, j) + static_cast<double>(s));
      rt::RuntimeBackgroundTask();
    }
    Counts(i, kRowTotalColumn) = static_cast<double>(s);
    rt::RuntimeBackgroundTask();
  }
}

void FormCategoryTotals(rt::Table2D& Counts, const RunSize& size) {
  for (std::int64_t j = 1; j <= size.NumCats; ++j) {
    std::int64_t s = 0;
    for (std::int64_t i = 1; i <= size.NumCases; ++i) {
      s = rt::TruncateToInt64(Counts(i, j) + static_cast<double>(s));
      rt::RuntimeBackgroundTask();
    }
    Counts(j, kCategoryTotalColumn) = static_cast<double>(s);
    rt::RuntimeBackgroundTask();
  }
}

}  // namespace quorvane
