#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/analysis_run.h"
#include "analysis/report.h"
#include "runtime/core/date.h"
#include "runtime/core/exceptions.h"
#include "runtime/core/folder_item.h"
#include "runtime/core/text_functions.h"
#include "runtime/core/text_input_stream.h"
#include "tests/support/fixed_clock.h"
#include "tests/support/in_memory_window.h"
#include "tests/support/temporary_folder.h"

namespace {

using quorvane::CountField;

[[noreturn]] void Finding(const std::string& what) {
  std::fprintf(stderr, "%s\n", what.c_str());
  std::abort();
}

void Expect(bool holds, const std::string& what) {
  if (!holds) Finding(what);
}

// Count texts that are not plain numbers in range, for the checks and for Val.
constexpr const char* kOddCounts[] = {"",      "0",    "1",  "1.9",  "2.9", "-0", "1e400", "99.99",
                                      "999.5", "25.5", "26", "1000", " 5",  "+7", "abc",   "3e0"};

// A selector byte below 0xF0 picks a count in range; the rest pick an odd text.
std::string CountText(std::uint8_t selector, std::int64_t inRange) {
  if (selector >= 0xF0) return kOddCounts[selector & 0x0F];
  return std::to_string(inRange);
}

// Every case is echoed, and with a short file every case past its end is flagged and shown, so a
// run of hundreds of cases takes a hundred times as long as one of a few. Most inputs get 2 to
// 257 cases; a high byte of 1, 2 or 3 reaches every count up to 999.
std::int64_t CasesInRange(std::uint8_t low, std::uint8_t high) {
  if (high >= 1 && high <= 3) return 2 + (low + 256 * high) % 998;
  return 2 + low;
}

// One data file per process, rewritten for every input; removed when the process ends normally.
std::filesystem::path WriteScratchFile(std::string_view bytes) {
  static const testsupport::TemporaryFolder folder;
  try {
    return folder.Write("data.txt", bytes);
  } catch (const std::runtime_error& error) {
    Finding(error.what());
  }
}

// The field whose check fails first, as the run must find it; nothing when all pass.
std::optional<CountField> FailingCount(double r, double c, double g) {
  if (r == 0 && c == 0 && g == 0) return CountField::Observers;
  if (r < 2 || r > 99) return CountField::Observers;
  if (c < 2 || c > 999) return CountField::Cases;
  if (g < 2 || g > 25) return CountField::Cats;
  return std::nullopt;
}

// The lines of the file as the run's reader must see them, or nothing when the run must refuse
// the file: a read error, more lines than the table's 999 rows hold, or a NUL character, which
// no text holds.
std::optional<std::vector<rt::String>> LinesOf(const std::filesystem::path& path) {
  rt::FolderItem item(path);
  std::unique_ptr<rt::TextInputStream> stream = item.OpenAsTextFile();
  if (!stream) return std::nullopt;
  std::vector<rt::String> lines;
  try {
    do {
      lines.push_back(stream->ReadLine());
      if (lines.size() > quorvane::kLastCaseRow) return std::nullopt;
      if (lines.back().Characters().find(U'\0') != std::u32string_view::npos) return std::nullopt;
    } while (!stream->Eof());
  } catch (const rt::IOException&) {
    return std::nullopt;
  }
  return lines;
}

// The first stage of the report, line by line, built plainly from the text functions: each
// field by NthField, each cell as the last 4 characters of the pad followed by the text.
std::vector<std::string> ExpectedDataBlock(const std::vector<rt::String>& lines, std::int64_t n,
                                           std::int64_t N, std::int64_t k) {
  const rt::String pad("                         ");
  const rt::String tab = rt::Chr(9);
  std::vector<std::vector<double>> counts(static_cast<std::size_t>(N) + 1,
                                          std::vector<double>(static_cast<std::size_t>(k) + 1));
  for (std::int64_t i = 1; i <= N && i <= static_cast<std::int64_t>(lines.size()); ++i) {
    for (std::int64_t j = 1; j <= k; ++j) {
      counts[i][j] = rt::Val(rt::NthField(lines[static_cast<std::size_t>(i - 1)], tab, j));
    }
  }

  const rt::Date now;
  std::vector<std::string> expected = {(now.ShortDate() + "  " + now.LongTime()).ToUtf8(), "",
                                       "**********", "   Data", "**********"};
  std::int64_t elided = 0;
  for (std::int64_t i = 1; i <= N; ++i) {
    std::int64_t total = 0;
    rt::String row;
    for (std::int64_t j = 1; j <= k; ++j) {
      total = rt::TruncateToInt64(counts[i][j] + static_cast<double>(total));
      row += rt::Right(pad + rt::Str(counts[i][j]), 4);
    }
    const bool flagged = static_cast<double>(total) != static_cast<double>(n);
    if (flagged) row += " ***warning: " + rt::Str(static_cast<double>(total)) + " raters";
    if (i < 6 || i > N - 5 || flagged) {
      expected.push_back(row.ToUtf8());
    } else if (++elided < 3) {
      expected.push_back("  ::::::::::");
    }
  }
  for (std::int64_t j = 1; j <= k; ++j) {
    std::int64_t total = 0;
    for (std::int64_t i = 1; i <= N; ++i) {
      total = rt::TruncateToInt64(counts[i][j] + static_cast<double>(total));
    }
    if (static_cast<double>(total) < 1) {
      expected.push_back("");
      expected.push_back("****warning:Category #" + std::to_string(j) + " has no ratings");
    }
  }
  expected.push_back("");
  expected.push_back("");
  return expected;
}

// Every line ends in CR LF, and no CR or LF stands anywhere else.
std::vector<std::string> ReportLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) Finding("the report does not end in CR LF");
    const std::string line = text.substr(start, end - start);
    if (line.find_first_of("\r\n") != std::string::npos) {
      Finding("a lone CR or LF in the report line \"" + line + "\"");
    }
    lines.push_back(line);
    start = end + 2;
  }
  return lines;
}

// A cell is right-aligned text in exactly its width: spaces, then text with no space in it.
void ExpectCell(const std::string& row, std::size_t from, std::size_t to) {
  const std::string cell = row.substr(from, to - from);
  const std::size_t text = cell.find_first_not_of(' ');
  if (text == std::string::npos) Finding("an empty cell in the results row \"" + row + "\"");
  if (cell.find(' ', text) != std::string::npos) {
    Finding("a cell out of its column in the results row \"" + row + "\"");
  }
  if (cell.find_first_not_of("+-.0123456789NaInf", text) != std::string::npos) {
    Finding("a cell that is no number in the results row \"" + row + "\"");
  }
}

void ExpectResultsRow(const std::string& row, const std::string& label) {
  if (row.size() != 59) Finding("the results row \"" + row + "\" is not 59 characters");
  if (row.compare(0, label.size(), label) != 0) {
    Finding("the results row \"" + row + "\" does not begin with " + label);
  }
  ExpectCell(row, label.size(), 19);
  ExpectCell(row, 19, 29);
  ExpectCell(row, 29, 39);
  ExpectCell(row, 39, 50);
  ExpectCell(row, 50, 59);
}

void ExpectReport(const std::string& text, const std::vector<std::string>& dataBlock,
                  std::int64_t k) {
  const std::vector<std::string> lines = ReportLines(text);
  const std::size_t tableLines = 3 + static_cast<std::size_t>(k) + 1 + 3;
  Expect(lines.size() == dataBlock.size() + tableLines,
         "the report has " + std::to_string(lines.size()) + " lines, not " +
             std::to_string(dataBlock.size() + tableLines));
  for (std::size_t i = 0; i < dataBlock.size(); ++i) {
    if (lines[i] != dataBlock[i]) {
      Finding("report line " + std::to_string(i + 1) + " is \"" + lines[i] + "\", not \"" +
              dataBlock[i] + "\"");
    }
  }

  const std::string rule(60, '+');
  std::size_t at = dataBlock.size();
  const auto next = [&lines, &at]() -> const std::string& { return lines[at++]; };
  Expect(next() == rule, "no rule above the column header");
  const std::string& header = next();
  Expect(header == "            Agreement   Kappa   StandError     z        p",
         "the column header is \"" + header + "\"");
  Expect(next() == rule, "no rule below the column header");
  ExpectResultsRow(next(), "Overall");
  for (std::int64_t j = 1; j <= k; ++j) ExpectResultsRow(next(), "Category" + std::to_string(j));
  Expect(next() == rule, "no rule below the results table");
  Expect(next().empty(), "no empty line before the notice");
  const std::string& notice = next();
  Expect(notice == quorvane::kReportNotice, "the notice is \"" + notice + "\"");
}

constexpr double kZBefore = 7.5;
constexpr double kPBefore = -3.25;

// A run that gave a message has written nothing and left Z and P alone.
void ExpectNothingWritten(const testsupport::InMemoryWindow& window) {
  Expect(window.messages.size() == 1,
         std::to_string(window.messages.size()) + " messages, not one");
  Expect(window.area.Utf8().empty(), "a message, and the report area holds text");
  Expect(!window.area.Enabled(), "a message, and the report area was enabled");
  Expect(window.Z == kZBefore && window.P == kPBefore, "a message, and Z or P changed");
}

}  // namespace

// The input: a byte for the raters, two for the cases and one for the categories (each picks a
// count in range or an odd text), then the bytes of the data file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static testsupport::FixedClock clock;

  std::uint8_t head[4] = {};
  for (std::size_t i = 0; i < 4 && i < size; ++i) head[i] = data[i];
  const std::size_t headSize = size < 4 ? size : 4;
  const std::string_view fileBytes(reinterpret_cast<const char*>(data) + headSize, size - headSize);

  const std::string raters = CountText(head[0], 2 + head[0] % 98);
  const std::string cases = CountText(head[2], CasesInRange(head[1], head[2]));
  const std::string categories = CountText(head[3], 2 + head[3] % 24);
  const std::filesystem::path path = WriteScratchFile(fileBytes);

  testsupport::InMemoryWindow window(raters, cases, categories);
  window.Z = kZBefore;
  window.P = kPBefore;
  window.QueueFile(path);
  try {
    quorvane::RunAnalysis(window);
  } catch (const std::exception& error) {
    Finding(std::string("an exception escaped the run: ") + error.what());
  } catch (...) {
    Finding("an exception escaped the run");
  }

  const double r = rt::Val(rt::String(raters));
  const double c = rt::Val(rt::String(cases));
  const double g = rt::Val(rt::String(categories));
  if (const std::optional<CountField> failing = FailingCount(r, c, g)) {
    ExpectNothingWritten(window);
    Expect(window.focus == failing, "the focus is not in the count field at fault");
    Expect(window.fileTypesAskedFor.empty(), "a failed check, and a file was asked for");
    return 0;
  }
  Expect(window.fileTypesAskedFor == std::vector<std::string>{"text"},
         "the file was not asked for once, by the type \"text\"");

  const std::optional<std::vector<rt::String>> lines = LinesOf(path);
  if (!lines) {
    ExpectNothingWritten(window);
    return 0;
  }
  Expect(window.messages.empty(),
         "a message for a file that reads: " + (window.messages.empty() ? "" : window.messages[0]));
  Expect(window.area.Enabled(), "the report area was not enabled");
  const std::int64_t k = rt::TruncateToInt64(g);
  ExpectReport(window.area.Utf8(),
               ExpectedDataBlock(*lines, rt::TruncateToInt64(r), rt::TruncateToInt64(c), k), k);
  return 0;
}
