#include "analysis/analysis_run.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "analysis/report.h"
#include "tests/support/fixed_clock.h"
#include "tests/support/in_memory_window.h"
#include "tests/support/temporary_folder.h"

namespace quorvane {
namespace {

using testsupport::InMemoryWindow;

const std::filesystem::path kData = QUORVANE_TEST_DATA;

// The time stamp line of a report made on the fixed test clock (en_US, UTC): short date, two
// spaces, long time.
const std::string kStampLine = "12/10/26  8:30:00 AM UTC";

// Lines of CR LF text; fails the test on a lone LF or CR.
std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find("\r\n", start);
    EXPECT_NE(end, std::string::npos) << "text does not end in CR LF";
    if (end == std::string::npos) break;
    const std::string line = text.substr(start, end - start);
    EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << "stray line end in: " << line;
    lines.push_back(line);
    start = end + 2;
  }
  return lines;
}

class AnalysisRunTest : public testing::Test {
 protected:
  testsupport::FixedClock clock_;
  testsupport::TemporaryFolder folder_;
};

// Fleiss (1971), Table 1: 6 psychiatrists, 30 patients, 5 diagnostic categories.
TEST_F(AnalysisRunTest, Fleiss1971ReportCharacterForCharacter) {
  InMemoryWindow window("6", "30", "5");
  window.QueueFile(kData / "fleiss1971.txt");
  RunAnalysis(window);

  const std::string expected = kStampLine +
                               "\r\n"
                               "\r\n"
                               "**********\r\n"
                               "   Data\r\n"
                               "**********\r\n"
                               "   0   0   0   6   0\r\n"
                               "   0   3   0   0   3\r\n"
                               "   0   1   4   0   1\r\n"
                               "   0   0   0   0   6\r\n"
                               "   0   3   0   3   0\r\n"
                               "  ::::::::::\r\n"
                               "  ::::::::::\r\n"
                               "   0   5   0   1   0\r\n"
                               "   4   0   0   0   2\r\n"
                               "   0   2   0   4   0\r\n"
                               "   1   0   5   0   0\r\n"
                               "   0   0   0   0   6\r\n"
                               "\r\n"
                               "\r\n"
                               "++++++++++++++++++++++++++++++++++++++++++++++++++++++++++++\r\n"
                               "            Agreement   Kappa   StandError     z        p\r\n"
                               "++++++++++++++++++++++++++++++++++++++++++++++++++++++++++++\r\n"
                               "Overall       .5556    +.4302     .0275     +15.64    .0000\r\n"
                               "Category1     .3538    +.2448     .1139      +2.15    .0316\r\n"
                               "Category2     .3538    +.2448     .1139      +2.15    .0316\r\n"
                               "Category3     .6000    +.5200     .1166      +4.46    .0000\r\n"
                               "Category4     .6327    +.4711     .1395      +3.38    .0007\r\n"
                               "Category5     .6698    +.5661     .1275      +4.44    .0000\r\n"
                               "++++++++++++++++++++++++++++++++++++++++++++++++++++++++++++\r\n"
                               "\r\n"
                               "Computed by Quorvane 2.0, Fleiss' kappa for many raters.\r\n";
  EXPECT_EQ(window.area.Utf8(), expected);
  EXPECT_TRUE(window.area.Enabled());
  EXPECT_EQ(window.Z, 4.439805149048244);
  EXPECT_EQ(window.P, 9.011744240838837e-06);
  EXPECT_TRUE(window.messages.empty());
  EXPECT_EQ(window.fileTypesAskedFor, std::vector<std::string>{"text"});
}

TEST_F(AnalysisRunTest, SecondExampleFlagsCaseNineAndCategoryThree) {
  InMemoryWindow window("4", "14", "3");
  window.QueueFile(kData / "second_example.txt");
  RunAnalysis(window);

  const std::vector<std::string> lines = Lines(window.area.Utf8());
  const std::vector<std::string> stageOne(lines.begin(), lines.begin() + 23);
  const std::vector<std::string> expected = {
      kStampLine,
      "",
      "**********",
      "   Data",
      "**********",
      "   1   3   0",
      "   2   2   0",
      "   4   0   0",
      "   0   4   0",
      "   3   1   0",
      "  ::::::::::",
      "  ::::::::::",
      "   1   2   0 ***warning: 3 raters",
      "   2   2   0",
      "   3   1   0",
      "   0   4   0",
      "   2   2   0",
      "   1   3   0",
      "",
      "****warning:Category #3 has no ratings",
      "",
      "",
      "++++++++++++++++++++++++++++++++++++++++++++++++++++++++++++",
  };
  EXPECT_EQ(stageOne, expected);
  EXPECT_EQ(lines[25], "Overall       .5655    +.1284     .1101      +1.17    .2436");
  EXPECT_EQ(lines[28], "Category3     .0000    +.000000000.0000       +.00    .9999");
}

TEST_F(AnalysisRunTest, CountChecksShowTheirMessageAndMoveTheFocus) {
  struct Row {
    const char* name;
    const char* raters;
    const char* cases;
    const char* categories;
    const char* message;
    CountField focus;
  };
  const char* kAllThree =
      "Specify number of raters, cases, and categories. Then click Get Data button to load data "
      "file.";
  const Row rows[] = {
      {"all three empty", "", "", "", kAllThree, CountField::Observers},
      {"all three zero", "0", "0", "0", kAllThree, CountField::Observers},
      {"raters empty", "", "5", "5", "Number of raters must range from 2-99",
       CountField::Observers},
      {"raters 1 and cases 1: only the first failure", "1", "1", "5",
       "Number of raters must range from 2-99", CountField::Observers},
      {"raters 100", "100", "5", "5", "Number of raters must range from 2-99",
       CountField::Observers},
      {"cases 1", "2", "1", "5", "Number of cases must range from 2-999", CountField::Cases},
      {"cases 1.9", "2", "1.9", "5", "Number of cases must range from 2-999", CountField::Cases},
      {"cases 1000", "2", "1000", "5", "Number of cases must range from 2-999", CountField::Cases},
      {"categories 26", "2", "5", "26", "Number of categories must range from 2-25",
       CountField::Cats},
      {"categories 1", "2", "5", "1", "Number of categories must range from 2-25",
       CountField::Cats},
      {"pasted minus three raters", "-3", "5", "5", "Number of raters must range from 2-99",
       CountField::Observers},
  };
  for (const Row& row : rows) {
    InMemoryWindow window(row.raters, row.cases, row.categories);
    window.Z = 1.5;
    window.P = 0.25;
    RunAnalysis(window);
    EXPECT_EQ(window.messages, std::vector<std::string>{row.message}) << row.name;
    EXPECT_EQ(window.focus, row.focus) << row.name;
    EXPECT_TRUE(window.fileTypesAskedFor.empty()) << row.name << ": no dialog after a failed check";
    EXPECT_EQ(window.area.Utf8(), "") << row.name;
    EXPECT_EQ(window.Z, 1.5) << row.name;
    EXPECT_EQ(window.P, 0.25) << row.name;
  }
}

TEST_F(AnalysisRunTest, BoundsAreInclusiveAndFractionsTruncate) {
  struct Row {
    const char* name;
    const char* raters;
    const char* cases;
    const char* categories;
  };
  const Row rows[] = {
      {"smallest counts", "2", "2", "2"},
      {"largest counts", "99", "999", "25"},
      {"2.5 cases count as 2", "2", "2.5", "2"},
      {"2.9 raters count as 2", "2.9", "3", "2"},
  };
  for (const Row& row : rows) {
    InMemoryWindow window(row.raters, row.cases, row.categories);
    window.QueueFile(folder_.Write("two.txt", "1\t1\r\n2\t0\r\n0\t2\r\n"));
    RunAnalysis(window);
    EXPECT_TRUE(window.messages.empty()) << row.name;
    EXPECT_NE(window.area.Utf8().find("Overall"), std::string::npos) << row.name;
  }
  InMemoryWindow window("2.9", "2.5", "2");
  window.QueueFile(folder_.Write("two.txt", "1\t1\r\n2\t0\r\n0\t2\r\n"));
  RunAnalysis(window);
  const std::vector<std::string> lines = Lines(window.area.Utf8());
  // Two cases of two categories, as 2 raters each: no warning, no third row.
  EXPECT_EQ(lines[5], "   1   1");
  EXPECT_EQ(lines[6], "   2   0");
  EXPECT_EQ(lines[7], "");
}

TEST_F(AnalysisRunTest, ReaderFillsOneCaseARowWhateverTheLinesHold) {
  struct Row {
    const char* name;
    const char* raters;
    const char* cases;
    const char* categories;
    std::string file;
    std::vector<std::string> caseRows;
  };
  const Row rows[] = {
      {"blank line is a case of zeros, long line loses its extra field",
       "3",
       "4",
       "2",
       "1\t2\r\n3\t0\t7\r\n\r\n2\r\n",
       {"   1   2", "   3   0", "   0   0 ***warning: 0 raters", "   2   0 ***warning: 2 raters"}},
      {"spaces do not separate fields",
       "4",
       "2",
       "3",
       "1 2 1\r\n1\t2\t1\r\n",
       {"   1   0   0 ***warning: 1 raters", "   1   2   1"}},
      {"fractional counts stay, the total truncates",
       "5",
       "2",
       "3",
       "1.5\t1.5\t3\n2\t3\t0\n",
       {" 1.5 1.5   3", "   2   3   0"}},
      {"fewer lines than cases leave zero cases",
       "2",
       "3",
       "2",
       "1\t1\n",
       {"   1   1", "   0   0 ***warning: 0 raters", "   0   0 ***warning: 0 raters"}},
      {"LF and lone CR line ends",
       "2",
       "3",
       "2",
       "1\t1\n2\t0\r0\t2",
       {"   1   1", "   2   0", "   0   2"}},
      {"empty file: one empty line, every case zero",
       "2",
       "3",
       "2",
       "",
       {"   0   0 ***warning: 0 raters", "   0   0 ***warning: 0 raters",
        "   0   0 ***warning: 0 raters"}},
      {"lines after the last case are read but change nothing",
       "2",
       "2",
       "2",
       "1\t1\n2\t0\n9\t9\n9\t9\n",
       {"   1   1", "   2   0"}},
      {"non-numbers read 0 and a negative count keeps its sign",
       "2",
       "2",
       "2",
       "x\t2\n-1\t3\n",
       {"   0   2", "  -1   3"}},
  };
  for (const Row& row : rows) {
    InMemoryWindow window(row.raters, row.cases, row.categories);
    window.QueueFile(folder_.Write("data.txt", row.file));
    RunAnalysis(window);
    EXPECT_TRUE(window.messages.empty()) << row.name;
    const std::vector<std::string> lines = Lines(window.area.Utf8());
    ASSERT_GE(lines.size(), 5 + row.caseRows.size()) << row.name;
    const std::vector<std::string> caseRows(lines.begin() + 5,
                                            lines.begin() + 5 + row.caseRows.size());
    EXPECT_EQ(caseRows, row.caseRows) << row.name;
  }
}

TEST_F(AnalysisRunTest, AFileOf999LinesWorksAndOneOf1000IsRefused) {
  std::string lines999;
  for (int i = 0; i < 999; ++i) lines999 += "1\t1\r\n";
  {
    InMemoryWindow window("2", "999", "2");
    window.QueueFile(folder_.Write("999.txt", lines999));
    RunAnalysis(window);
    EXPECT_TRUE(window.messages.empty());
    EXPECT_NE(window.area.Utf8().find("Category2"), std::string::npos);
  }
  {
    InMemoryWindow window("2", "999", "2");
    window.Z = 7;
    const std::filesystem::path path = folder_.Write("1000.txt", lines999 + "1\t1\r\n");
    window.QueueFile(path);
    RunAnalysis(window);
    EXPECT_EQ(window.messages,
              std::vector<std::string>{"The data file \"" + path.string() +
                                       "\" has more than 999 lines. At most 999 cases are read: "
                                       "remove the extra lines and try again."});
    EXPECT_EQ(window.area.Utf8(), "");
    EXPECT_FALSE(window.area.Enabled());
    EXPECT_EQ(window.Z, 7);
  }
}

TEST_F(AnalysisRunTest, FailuresBeforeTheReportWriteNothing) {
  {
    InMemoryWindow window("2", "2", "2");
    window.QueueCancel();
    RunAnalysis(window);
    EXPECT_TRUE(window.messages.empty()) << "a cancelled dialog ends the run quietly";
    EXPECT_EQ(window.area.Utf8(), "");
  }
  {
    InMemoryWindow window("2", "2", "2");
    const std::filesystem::path missing = folder_ / "missing.txt";
    window.QueueFile(missing);
    RunAnalysis(window);
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].rfind(
                  "The data file \"" + missing.string() + "\" could not be opened: ", 0),
              0u)
        << window.messages[0];
    EXPECT_EQ(window.area.Utf8(), "");
  }
  {
    InMemoryWindow window("2", "2", "2");
    window.QueueFile(folder_.Write("long.txt", std::string(70000, '1')));
    RunAnalysis(window);
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_NE(window.messages[0].find("could not be read: line 1 is longer than"),
              std::string::npos)
        << window.messages[0];
    EXPECT_EQ(window.area.Utf8(), "");
  }
}

TEST_F(AnalysisRunTest, AFileWithANulCharacterIsNotText) {
  InMemoryWindow window("2", "2", "2");
  const std::filesystem::path path =
      folder_.Write("nul.txt", std::string("1\t1\r\n1\0\t1\r\n", 10));
  window.QueueFile(path);
  RunAnalysis(window);
  EXPECT_EQ(window.messages, std::vector<std::string>{"The data file \"" + path.string() +
                                                      "\" is not a text file: line 2 holds a NUL "
                                                      "character."});
  EXPECT_EQ(window.area.Utf8(), "");
}

TEST_F(AnalysisRunTest, ASecondRunAppendsAfterTheFirstWhereverTheCaretIs) {
  InMemoryWindow window("6", "30", "5");
  window.QueueFile(kData / "fleiss1971.txt");
  RunAnalysis(window);
  const std::string first = window.area.Utf8();

  window.area.Select(10, 40);  // a selection the user left inside the first report
  window.QueueFile(kData / "fleiss1971.txt");
  RunAnalysis(window);
  EXPECT_EQ(window.area.Utf8(), first + first);
}

}  // namespace
}  // namespace quorvane
