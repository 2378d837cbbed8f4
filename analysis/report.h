#pragma once

#include "analysis/count_table.h"
#include "analysis/fleiss_kappa.h"
#include "analysis/report_area.h"
#include "analysis/z_to_prob.h"
#include "runtime/core/string.h"
#include "runtime/core/table.h"

namespace quorvane {

// The text constants of a run.
struct RunText {
  rt::String Pad;  // 25 spaces: the right-aligned cells are cut from Pad followed by the text
  rt::String Tab;  // the data file's field separator
  rt::String EOL;  // CR LF, every line end of the report
};
RunText MakeRunText();

// The one-line notice at the foot of every report.
extern const char* const kReportNotice;

// Adds to `row` the cell of `text`: right-aligned in `width` characters, as the last `width`
// characters of Pad followed by the text, so a longer text keeps its last characters.
void AppendCell(rt::String& row, const RunText& constants, const rt::String& text,
                std::int64_t width);

// Both ways leave the same characters at the end of the area. By insertion a piece lands at the
// end wherever the user left the caret or a selection.
void AppendByText(ReportArea& area, const rt::String& piece);
void AppendByInsertion(ReportArea& area, const rt::String& piece);

// First stage, before any statistic: the time stamp, the data echo with its case warnings and
// elision lines, the category warnings, and two line ends.
void WriteDataBlock(ReportArea& area, const RunText& constants, const rt::Table2D& Counts,
                    const RunSize& size);

// Second stage: the table head and the Overall row, whose z and p are `zp` as it stands now.
void WriteTableHead(ReportArea& area, const RunText& constants, const OverallValues& overall,
                    const ZAndP& zp);

// Third stage: one row per category and the footer.
void WriteCategoryRows(ReportArea& area, const RunText& constants, const CategoryArrays& categories,
                       const RunSize& size);

}  // namespace quorvane
