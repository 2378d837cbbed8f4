#include "windows/help_text.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "analysis/analysis_run.h"
#include "tests/support/in_memory_window.h"
#include "tests/support/temporary_folder.h"

namespace {

constexpr int kFirstDataLine = 37;
constexpr int kLastDataLine = 66;
constexpr int kFirstResultLine = 69;
constexpr int kResultLines = 10;

// The pieces between CR LF pairs; a text that ends in CR LF gives an empty last piece.
std::vector<std::string> SplitAtCrLf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  lines.push_back(text.substr(start));
  return lines;
}

std::string Text() {
  return HelpText().ToUtf8();
}

// Line `number` counted from 1, as the text's layout numbers them.
const std::string& Line(int number) {
  static const std::vector<std::string> lines = SplitAtCrLf(Text());
  return lines.at(static_cast<std::size_t>(number - 1));
}

int LeadingSpaces(const std::string& line) {
  return static_cast<int>(line.find_first_not_of(' '));
}

TEST(HelpTextForm, EightySixLinesJoinedByCrLfWithNothingAfterTheLast) {
  const std::string text = Text();
  const std::vector<std::string> lines = SplitAtCrLf(text);
  ASSERT_EQ(lines.size(), 86u);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_EQ(lines[i].find_first_of("\r\n"), std::string::npos)
        << "lone line end in line " << i + 1 << ": " << lines[i];
  }
  EXPECT_FALSE(lines.back().empty()) << "the text must end with the disclaimer's last character";
}

TEST(HelpTextForm, EveryLineIsPrintableAsciiWithTabsOnlyInTheSampleData) {
  for (int number = 1; number <= 86; ++number) {
    const std::string& line = Line(number);
    const bool dataLine = number >= kFirstDataLine && number <= kLastDataLine;
    for (char c : line) {
      const bool printable = c >= ' ' && c <= '~';
      EXPECT_TRUE(printable || (dataLine && c == '\t'))
          << "line " << number << " holds character " << static_cast<int>(c) << ": " << line;
    }
    EXPECT_FALSE(!line.empty() && line.back() == ' ') << "line " << number << ": " << line;
  }
}

TEST(HelpTextForm, EmptyLinesStandExactlyBetweenTheSections) {
  const std::set<int> empty = {2, 4, 6, 8, 10, 12, 23, 26, 32, 34, 67, 79, 82, 85};
  for (int number = 1; number <= 86; ++number) {
    EXPECT_EQ(Line(number).empty(), empty.contains(number))
        << "line " << number << ": " << Line(number);
  }
}

TEST(HelpTextForm, FixedLines) {
  struct Row {
    int number;
    std::string text;
  };
  const Row rows[] = {
      {1, "Quorvane"},
      {13, "References"},
      {24, "Data Input"},
      {35, "Sample Data"},
      {28, "     case #1---> 1 2 1"},
      {29, "     case #2---> 1 1 2"},
      {30, std::string(7, ' ') + std::string(26, '.')},
      {31, "    case #5---> 3 1 0"},
      {81,
       "     The Quorvane team. (2020). Quorvane [Computer software] (Version 2.0). Leuven, "
       "Belgium: The Quorvane team."},
      {83, std::string(15, ' ') + std::string(63, '*')},
  };
  for (const Row& row : rows) EXPECT_EQ(Line(row.number), row.text) << "line " << row.number;
}

// In the window's font of fixed pitch a reference's continuation lines stand indented under it.
TEST(HelpTextForm, ReferencesAndCitationKeepTheirIndents) {
  struct Row {
    const char* name;
    int number;
    int indent;
  };
  const Row rows[] = {
      {"Abramowitz and Stegun", 14, 0},
      {"Abramowitz and Stegun, 2nd line", 15, 5},
      {"Abramowitz and Stegun, 3rd line", 16, 5},
      {"Cohen", 17, 0},
      {"Cohen, 2nd line", 18, 5},
      {"Fleiss", 19, 0},
      {"Fleiss, 2nd line", 20, 5},
      {"Light", 21, 0},
      {"Light, 2nd line", 22, 5},
      {"citation", 81, 5},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(LeadingSpaces(Line(row.number)), row.indent) << row.name << ": " << Line(row.number);
  }
  for (int number = 14; number <= 22; ++number) {
    EXPECT_LE(Line(number).size(), 80u) << "reference line " << number << ": " << Line(number);
  }
}

TEST(HelpTextForm, SampleDataLinesAreFiveOneDigitCountsOfSixRatingsJoinedByTabs) {
  for (int number = kFirstDataLine; number <= kLastDataLine; ++number) {
    const std::string& line = Line(number);
    ASSERT_EQ(line.size(), 9u) << "line " << number << ": " << line;
    int ratings = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
      if (i % 2 == 1) {
        EXPECT_EQ(line[i], '\t') << "line " << number << ", character " << i + 1;
      } else {
        EXPECT_TRUE(line[i] >= '0' && line[i] <= '9') << "line " << number << ": " << line;
        ratings += line[i] - '0';
      }
    }
    EXPECT_EQ(ratings, 6) << "line " << number << ": " << line;
  }
}

// The worked example is only worth showing if the program gives the very results it prints.
class HelpTextExample : public ::testing::Test {
 protected:
  std::filesystem::path SaveSampleData() {
    std::string data;
    for (int number = kFirstDataLine; number <= kLastDataLine; ++number) {
      data += Line(number) + "\r\n";
    }
    return folder_.Write("sample.txt", data);
  }

  testsupport::TemporaryFolder folder_;
};

TEST_F(HelpTextExample, SampleDataAnalysedGiveTheResultsTableOfTheText) {
  testsupport::InMemoryWindow window("6", "30", "5");
  window.QueueFile(SaveSampleData());
  quorvane::RunAnalysis(window);
  EXPECT_TRUE(window.messages.empty());

  const std::vector<std::string> report = SplitAtCrLf(window.area.Utf8());
  std::size_t tableHead = 0;
  while (tableHead < report.size() && report[tableHead].rfind('+', 0) != 0) ++tableHead;
  ASSERT_LE(tableHead + kResultLines, report.size()) << window.area.Utf8();

  for (std::size_t i = 0; i < tableHead; ++i) {
    EXPECT_EQ(report[i].find("warning"), std::string::npos) << "report line " << i + 1;
  }
  for (int k = 0; k < kResultLines; ++k) {
    EXPECT_EQ(report[tableHead + static_cast<std::size_t>(k)], Line(kFirstResultLine + k))
        << "help text line " << kFirstResultLine + k;
  }
}

}  // namespace
