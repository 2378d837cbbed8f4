#include "analysis/data_file_reader.h"

#include "analysis/count_table.h"
#include "runtime/core/background_task.h"
#include "runtime/core/text_functions.h"

namespace quorvane {

void ReadCounts(rt::TextInputStream& stream, std::int64_t NumCats, const rt::String& Tab,
                rt::Table2D& Counts) {
  std::int64_t lineCounter = 0;
  do {
    const rt::String line = stream.ReadLine();
    ++lineCounter;
    if (lineCounter > kLastCaseRow) throw TooManyLinesError();
    const std::u32string_view characters = line.Characters();
    if (characters.find(U'\0') != std::u32string_view::npos) throw NotTextError(lineCounter);
    // The fields that NthField(line, Tab, j) gives for j = 1, 2, ..., found in one pass along
    // the line instead of one scan from its start for each field.
    const std::u32string_view separator = Tab.Characters();
    std::size_t fieldStart = 0;
    for (std::int64_t j = 1; j <= NumCats; ++j) {
      std::u32string_view field;
      if (fieldStart <= characters.size()) {
        std::size_t fieldEnd = characters.find(separator, fieldStart);
        if (fieldEnd == std::u32string_view::npos) fieldEnd = characters.size();
        field = characters.substr(fieldStart, fieldEnd - fieldStart);
        fieldStart = fieldEnd + separator.size();
      }
      Counts(lineCounter, j) = rt::Val(field);
      rt::RuntimeBackgroundTask();
    }
    rt::RuntimeBackgroundTask();
  } while (!stream.Eof());
}

}  // namespace quorvane
