#include "analysis/report.h"

#include "runtime/core/background_task.h"
#include "runtime/core/date.h"
#include "runtime/core/text_functions.h"

namespace quorvane {
namespace {

const rt::String kRule("++++++++++++++++++++++++++++++++++++++++++++++++++++++++++++");
const rt::String kColumnHeader("            Agreement   Kappa   StandError     z        p");

// Label and Agreement cell together take 19 characters in every row of the results table.
constexpr std::int64_t kLabelAndAgreementWidth = 19;
constexpr std::int64_t kKappaWidth = 10;
constexpr std::int64_t kStandErrorWidth = 10;
constexpr std::int64_t kZWidth = 11;
constexpr std::int64_t kPWidth = 9;

// The first five and the last five cases always show; of the others, the first two elided
// leave an elision line each and the rest leave nothing.
constexpr std::int64_t kCasesShownAtEachEnd = 5;
constexpr std::int64_t kElisionLinesAtMost = 2;

rt::String ResultsRow(const RunText& constants, const rt::String& label, double agreement,
                      double kappa, double standardError, double z, double p) {
  // The five cell texts are formed first, in column order, and then the row.
  const rt::String agreementText = rt::Format(agreement, ".0000");
  const rt::String kappaText = rt::Format(kappa, "+.0000");
  const rt::String standardErrorText = rt::Format(standardError, ".0000");
  const rt::String zText = rt::Format(z, "+##.00");
  const rt::String pText = rt::Format(p, ".0000");
  rt::String row = label;
  AppendCell(row, constants, agreementText, kLabelAndAgreementWidth - rt::Len(label));
  AppendCell(row, constants, kappaText, kKappaWidth);
  AppendCell(row, constants, standardErrorText, kStandErrorWidth);
  AppendCell(row, constants, zText, kZWidth);
  AppendCell(row, constants, pText, kPWidth);
  return row + constants.EOL;
}

}  // namespace

const char* const kReportNotice = "Computed by Quorvane 2.0, Fleiss' kappa for many raters.";

RunText MakeRunText() {
  RunText constants;
  constants.Pad = rt::String("                         ");
  constants.Tab = rt::Chr(9);
  constants.EOL = rt::Chr(13) + rt::Chr(10);
  return constants;
}

void AppendCell(rt::String& row, const RunText& constants, const rt::String& text,
                std::int64_t width) {
  const std::int64_t length = rt::Len(text);
  if (length >= width) {
    row += rt::Right(text, width);
  } else {
    row += constants.Pad.Slice(0, width - length);
    row += text;
  }
}

void AppendByText(ReportArea& area, const rt::String& piece) {
  area.SetText(area.Text() + piece);
}

void AppendByInsertion(ReportArea& area, const rt::String& piece) {
  area.SetSelectionStart(rt::Len(area.Text()));
  area.SetSelectedText(piece);
}

void WriteDataBlock(ReportArea& area, const RunText& constants, const rt::Table2D& Counts,
                    const RunSize& size) {
  const rt::String& EOL = constants.EOL;
  const rt::Date now;
  AppendByText(area, now.ShortDate() + "  " + now.LongTime() + EOL + EOL);
  AppendByText(area, "**********" + EOL + "   Data" + EOL + "**********" + EOL);

  std::int64_t elided = 0;
  for (std::int64_t i = 1; i <= size.NumCases; ++i) {
    const bool flagged = Counts(i, kRowTotalColumn) != static_cast<double>(size.NumRaters);
    const bool shown =
        i <= kCasesShownAtEachEnd || i > size.NumCases - kCasesShownAtEachEnd || flagged;
    // Only a shown row's text is built: an elided row leaves no trace, and most rows of a
    // large table are elided (nor does it pass the background-task hook once per cell).
    if (shown) {
      rt::String row;
      for (std::int64_t j = 1; j <= size.NumCats; ++j) {
        AppendCell(row, constants, rt::Str(Counts(i, j)), 4);
        rt::RuntimeBackgroundTask();
      }
      if (flagged) row += " ***warning: " + rt::Str(Counts(i, kRowTotalColumn)) + " raters";
      AppendByText(area, row + EOL);
    } else {
      ++elided;
      if (elided <= kElisionLinesAtMost) AppendByText(area, "  ::::::::::" + EOL);
    }
    rt::RuntimeBackgroundTask();
  }

  for (std::int64_t j = 1; j <= size.NumCats; ++j) {
    if (Counts(j, kCategoryTotalColumn) < 1) {
      AppendByText(area, EOL + "****warning:Category #" + rt::Str(j) + " has no ratings" + EOL);
    }
    rt::RuntimeBackgroundTask();
  }
  AppendByText(area, EOL + EOL);
}

void WriteTableHead(ReportArea& area, const RunText& constants, const OverallValues& overall,
                    const ZAndP& zp) {
  const rt::String& EOL = constants.EOL;
  AppendByInsertion(area, kRule + EOL + kColumnHeader + EOL + kRule + EOL);
  AppendByInsertion(area, ResultsRow(constants, "Overall", overall.MeanAgree, overall.OverallKappa,
                                     overall.OverallSE, zp.Z, zp.P));
}

void WriteCategoryRows(ReportArea& area, const RunText& constants, const CategoryArrays& categories,
                       const RunSize& size) {
  const rt::String& EOL = constants.EOL;
  for (std::int64_t j = 1; j <= size.NumCats; ++j) {
    AppendByInsertion(area, ResultsRow(constants, "Category" + rt::Str(j), categories.CatAgree(j),
                                       categories.CatKappa(j), categories.CatSE(j),
                                       categories.CatZ(j), categories.CatProb(j)));
    rt::RuntimeBackgroundTask();
  }
  AppendByInsertion(area, kRule + EOL + EOL + kReportNotice + EOL);
}

}  // namespace quorvane
