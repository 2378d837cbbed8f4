#include "analysis/report.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/count_table.h"
#include "tests/support/fixed_clock.h"
#include "tests/support/in_memory_window.h"

namespace quorvane {
namespace {

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  EXPECT_EQ(start, text.size()) << "text does not end in CR LF";
  return lines;
}

// The data block's case rows, elision lines and category warnings, without the stamp and head.
std::vector<std::string> DataBlockBody(std::int64_t raters,
                                       const std::vector<std::vector<double>>& cases) {
  const testsupport::FixedClock clock;
  const RunSize size{raters, static_cast<std::int64_t>(cases.size()),
                     static_cast<std::int64_t>(cases.front().size())};
  rt::Table2D Counts = MakeCounts();
  for (std::size_t i = 0; i < cases.size(); ++i) {
    for (std::size_t j = 0; j < cases[i].size(); ++j) Counts(i + 1, j + 1) = cases[i][j];
  }
  FormRowTotals(Counts, size);
  FormCategoryTotals(Counts, size);
  testsupport::InMemoryReportArea area;
  WriteDataBlock(area, MakeRunText(), Counts, size);
  const std::vector<std::string> lines = SplitLines(area.Utf8());
  return std::vector<std::string>(lines.begin() + 5, lines.end() - 2);
}

std::vector<std::vector<double>> CasesOfTwoRaters(int count) {
  return std::vector<std::vector<double>>(static_cast<std::size_t>(count), {1, 1});
}

TEST(Report, CaseRowsShowAtBothEndsAndAtMostTwoElisionLines) {
  struct Row {
    const char* name;
    std::vector<std::vector<double>> cases;
    std::vector<std::string> body;
  };
  const std::string ok = "   1   1";
  const std::string dots = "  ::::::::::";
  auto withFlag = [](int count, int flagged) {
    auto cases = CasesOfTwoRaters(count);
    cases[static_cast<std::size_t>(flagged - 1)] = {3, 0};
    return cases;
  };
  const std::string flaggedRow = "   3   0 ***warning: 3 raters";
  const Row rows[] = {
      {"ten cases all show", CasesOfTwoRaters(10), std::vector<std::string>(10, ok)},
      {"eleven cases elide case six with one line",
       CasesOfTwoRaters(11),
       {ok, ok, ok, ok, ok, dots, ok, ok, ok, ok, ok}},
      {"twenty cases keep two elision lines",
       CasesOfTwoRaters(20),
       {ok, ok, ok, ok, ok, dots, dots, ok, ok, ok, ok, ok}},
      {"a flagged case in the middle shows in its place",
       withFlag(20, 12),
       {ok, ok, ok, ok, ok, dots, dots, flaggedRow, ok, ok, ok, ok, ok}},
      {"a flagged case among the first five",
       withFlag(20, 2),
       {ok, flaggedRow, ok, ok, ok, dots, dots, ok, ok, ok, ok, ok}},
      {"a flagged seventh case comes after the two lines",
       withFlag(20, 7),
       {ok, ok, ok, ok, ok, dots, flaggedRow, dots, ok, ok, ok, ok, ok}},
  };
  for (const Row& row : rows) EXPECT_EQ(DataBlockBody(2, row.cases), row.body) << row.name;
}

TEST(Report, EveryFlaggedCaseShowsWithoutElision) {
  const std::vector<std::string> body = DataBlockBody(3, CasesOfTwoRaters(15));
  EXPECT_EQ(body, std::vector<std::string>(15, "   1   1 ***warning: 2 raters"));
}

TEST(Report, CellsRightAlignAndKeepTheirLastCharacters) {
  const std::vector<std::string> body =
      DataBlockBody(2, {{1234, 0, 0}, {123456, -1, 0}, {-25, 2.5, 0}, {0.125, 1e22, 0}});
  EXPECT_EQ(body[0], "1234   0   0 ***warning: 1234 raters");
  EXPECT_EQ(body[1], "3456  -1   0 ***warning: 123455 raters");
  EXPECT_EQ(body[2], " -25 2.5   0 ***warning: -22 raters") << "-25, then -22.5 cut to -22";
  // The integer total saturates; as a Double it reads 2^63.
  EXPECT_EQ(body[3], ".1250000   0 ***warning: 9223372036854775808 raters");
}

TEST(Report, EachCategoryWithoutRatingsGetsAWarningAfterAnEmptyLine) {
  const std::vector<std::string> body = DataBlockBody(2, {{2, 0, 0}, {2, 0, 0}});
  const std::vector<std::string> expected = {"   2   0   0",
                                             "   2   0   0",
                                             "",
                                             "****warning:Category #2 has no ratings",
                                             "",
                                             "****warning:Category #3 has no ratings"};
  EXPECT_EQ(body, expected);
}

TEST(Report, CategoryRowsKeepTheirColumnsPastCategoryNine) {
  CategoryArrays categories;
  for (std::int64_t j = 1; j <= 12; ++j) {
    categories.CatAgree(j) = 0.5;
    categories.CatKappa(j) = -0.25;
    categories.CatSE(j) = 0.1;
    categories.CatZ(j) = -2.5;
    categories.CatProb(j) = 0.0124;
  }
  testsupport::InMemoryReportArea area;
  WriteCategoryRows(area, MakeRunText(), categories, RunSize{2, 2, 12});
  const std::vector<std::string> lines = SplitLines(area.Utf8());
  ASSERT_EQ(lines.size(), 15u);
  EXPECT_EQ(lines[8], "Category9     .5000    -.2500     .1000      -2.50    .0124");
  EXPECT_EQ(lines[9], "Category10    .5000    -.2500     .1000      -2.50    .0124");
  EXPECT_EQ(lines[11].size(), 59u);
  EXPECT_EQ(lines[12], std::string(60, '+'));
  EXPECT_EQ(lines[13], "");
  EXPECT_EQ(lines[14], "Computed by Quorvane 2.0, Fleiss' kappa for many raters.");
}

TEST(Report, NonFiniteValuesPrintAsTheyAre) {
  OverallValues overall;
  overall.MeanAgree = -1;
  overall.OverallKappa = NAN;
  overall.OverallSE = NAN;
  ZAndP zp;
  zp.Z = -INFINITY;
  zp.P = NAN;
  testsupport::InMemoryReportArea area;
  WriteTableHead(area, MakeRunText(), overall, zp);
  const std::vector<std::string> lines = SplitLines(area.Utf8());
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[3], "Overall     -1.0000       NaN       NaN       -Inf      NaN");
}

}  // namespace
}  // namespace quorvane
