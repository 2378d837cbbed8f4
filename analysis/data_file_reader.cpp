#include "analysis/data_file_reader.h"

#include "analysis/count_table.h"
#include "runtime/core/background_task.h"
#include "runtime/core/text_functions.h"

namespace quorvane {

std::int64_t ReadCounts(rt::TextInputStream& stream, std::int64_t NumCats, const rt::String& Tab,
                        rt::Table2D& Counts) {
  std::int64_t lineCounter = 0;
  do {
    const rt::String line = stream.ReadLine();
    ++lineCounter;
    if (lineCounter > kLastCaseRow) throw TooManyLinesError();
    for (std::int64_t j = 1; j <= NumCats; ++j) {
      Counts(lineCounter, j) = rt::Val(rt::NthField(line, Tab, j));
      rt::RuntimeBackgroundTask();
    }
    rt::RuntimeBackgroundTask();
  } while (!stream.Eof());
  return lineCounter;
}

}  // namespace quorvane
