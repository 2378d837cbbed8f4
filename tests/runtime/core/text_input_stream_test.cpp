#include "runtime/core/text_input_stream.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/core/exceptions.h"

namespace rt {
namespace {

using namespace std::string_literals;

constexpr std::size_t kChunk = TextInputStream::kChunkSize;
constexpr auto kMaximum = static_cast<std::size_t>(TextInputStream::kMaximumLineLength);

// An anonymous temporary file holding `bytes`, positioned at its start; it is deleted when closed.
std::FILE* FileHolding(std::string_view bytes) {
  std::FILE* file = std::tmpfile();
  if (file == nullptr) throw std::runtime_error("cannot create a temporary file");
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::rewind(file);
  return file;
}

std::string Utf16(std::u16string_view text, bool bigEndian) {
  std::string bytes;
  for (const char16_t unit : text) {
    const auto high = static_cast<char>(unit >> 8);
    const auto low = static_cast<char>(unit & 0xFF);
    bytes += bigEndian ? high : low;
    bytes += bigEndian ? low : high;
  }
  return bytes;
}
std::string Utf16Le(std::u16string_view text) {
  return Utf16(text, false);
}
std::string Utf16Be(std::u16string_view text) {
  return Utf16(text, true);
}

const std::string kUtf8Mark = "\xEF\xBB\xBF";
const std::string kUtf16LeMark = "\xFF\xFE";
const std::string kUtf16BeMark = "\xFE\xFF";

std::string Repeat(std::string_view piece, std::size_t times) {
  std::string out;
  out.reserve(piece.size() * times);
  for (std::size_t i = 0; i < times; ++i) out += piece;
  return out;
}

// Reads the way the data-file reader does: a line first, then the test for the end, so a file
// always gives at least one line.
std::vector<std::u32string> ReadAllLines(std::string_view bytes) {
  TextInputStream stream(FileHolding(bytes));
  std::vector<std::u32string> lines;
  do {
    lines.emplace_back(stream.ReadLine().Characters());
  } while (!stream.Eof() && lines.size() <= bytes.size());
  return lines;
}

struct LineCase {
  std::string name;
  std::string bytes;
  std::vector<std::u32string> lines;
};

void PrintTo(const LineCase& row, std::ostream* out) {
  *out << row.name;
}

std::vector<LineCase> LineCases() {
  const std::u32string longX(kChunk - 3, U'x');
  return {
      {"LfWithFinalLineEnd", "a\nb\n", {U"a", U"b"}},
      {"LfWithoutFinalLineEnd", "a\nb", {U"a", U"b"}},
      {"CrLfWithFinalLineEnd", "a\r\nb\r\n", {U"a", U"b"}},
      {"CrLfWithoutFinalLineEnd", "a\r\nb", {U"a", U"b"}},
      {"LoneCrWithFinalLineEnd", "a\rb\r", {U"a", U"b"}},
      {"LoneCrWithoutFinalLineEnd", "a\rb", {U"a", U"b"}},
      {"MixedLineEnds", "a\r\nb\nc\rd", {U"a", U"b", U"c", U"d"}},
      {"CrCrIsTwoLineEnds", "a\r\rb", {U"a", U"", U"b"}},
      {"LfCrIsTwoLineEnds", "a\n\rb", {U"a", U"", U"b"}},
      {"BlankLineInTheMiddleIsAnEmptyLine", "1\t2\r\n\r\n3\t4\r\n", {U"1\t2", U"", U"3\t4"}},
      {"BlankLastLineIsKept", "a\r\n\r\n", {U"a", U""}},
      {"EmptyFileGivesOneEmptyLine", "", {U""}},
      {"OnlyLineEnds", "\r\n\n\r", {U"", U"", U""}},
      {"Utf8MarkIsSkipped", kUtf8Mark + "1\t2\r\n", {U"1\t2"}},
      {"Utf8MarkAloneIsAnEmptyFile", kUtf8Mark, {U""}},
      {"Utf16LeWithMark", kUtf16LeMark + Utf16Le(u"1\t2\r\n3\t4\r\n"), {U"1\t2", U"3\t4"}},
      {"Utf16BeWithMark", kUtf16BeMark + Utf16Be(u"1\t2\r\n3\t4\r\n"), {U"1\t2", U"3\t4"}},
      {"Utf16LeWithoutMark", Utf16Le(u"1\t2\r\n3\t4\r\n"), {U"1\t2", U"3\t4"}},
      {"Utf16BeWithoutMark", Utf16Be(u"1\t2\r\n3\t4"), {U"1\t2", U"3\t4"}},
      {"Utf16SurrogatePairIsOneCharacter",
       kUtf16LeMark + Utf16Le(u"a\U0001F600b\r\n"),
       {U"a\U0001F600b"}},
      {"Utf16LoneSurrogatesAreReplaced",
       kUtf16BeMark + Utf16Be(std::u16string{u'a', char16_t{0xD800}, u'b', char16_t{0xDC00}}),
       {U"a\uFFFDb\uFFFD"}},
      {"Utf16HighSurrogateAtTheEndIsReplaced",
       kUtf16LeMark + Utf16Le(std::u16string{u'a', char16_t{0xD83D}}),
       {U"a\uFFFD"}},
      {"Utf16OddLastByteIsReplaced", kUtf16LeMark + Utf16Le(u"a\nb") + "c", {U"a", U"b\uFFFD"}},
      {"Utf8FourByteCharacter",
       "a\xF0\x9F\x98\x80"
       "b\n",
       {U"a\U0001F600b"}},
      {"InvalidUtf8BytesAreReplaced",
       "a\xFF"
       "b\xC3\n\xE2\x82\n",
       {U"a\uFFFDb\uFFFD", U"\uFFFD\uFFFD"}},
      {"Utf8CutShortAtTheEndIsReplaced", "a\xE2\x82", {U"a\uFFFD\uFFFD"}},
      {"NulInsideALineIsKept", "a\0b\nc"s, {U"a\0b"s, U"c"}},
      {"NulsOnEvenAndOddBytesAreNotUtf16", "1\0\0\0"s, {U"1\0\0\0"s}},
      {"CrLfSplitAcrossReadBoundary",
       std::string(kChunk - 1, 'x') + "\r\nb",
       {std::u32string(kChunk - 1, U'x'), U"b"}},
      {"CrAtEndOfChunkWithoutLfIsOneLineEnd",
       std::string(kChunk - 1, 'x') + "\rb",
       {std::u32string(kChunk - 1, U'x'), U"b"}},
      {"Utf8CharacterSplitAcrossReadBoundary",
       std::string(kChunk - 3, 'x') + "\n\xE2\x82\xAC\n",
       {longX, U"€"}},
      {"Utf16SurrogatePairSplitAcrossReadBoundary",
       kUtf16LeMark + Utf16Le(std::u16string(kChunk / 2 - 3, u'x') + u"\n\U0001F600"),
       {std::u32string(kChunk / 2 - 3, U'x'), U"\U0001F600"}},
      {"LineOfTheMaximumLengthIsAccepted",
       std::string(kMaximum, 'x') + "\ny",
       {std::u32string(kMaximum, U'x'), U"y"}},
      {"MaximumLengthCountsCharactersNotBytes",
       Repeat("€", kMaximum),
       {std::u32string(kMaximum, U'€')}},
  };
}

class TextInputStreamLines : public testing::TestWithParam<LineCase> {};

TEST_P(TextInputStreamLines, GivesEachLineWithoutItsLineEnd) {
  EXPECT_EQ(ReadAllLines(GetParam().bytes), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(, TextInputStreamLines, testing::ValuesIn(LineCases()),
                         [](const testing::TestParamInfo<LineCase>& info) {
                           return info.param.name;
                         });

TEST(TextInputStream, EofAtTheStartOnlyWhenThereIsNoCharacter) {
  const struct {
    const char* name;
    std::string bytes;
    bool eof;
  } rows[] = {
      {"empty file", "", true},
      {"UTF-8 mark only", kUtf8Mark, true},
      {"UTF-16 mark only", kUtf16LeMark, true},
      {"one line end", "\n", false},
      {"one character", "a", false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    TextInputStream stream(FileHolding(row.bytes));
    EXPECT_EQ(stream.Eof(), row.eof);
    if (row.eof) {
      EXPECT_EQ(stream.ReadLine(), String(""));
    }
  }
}

TEST(TextInputStream, AskingEofAgainLosesNothing) {
  // The CR ends the first line; only reading ahead shows whether a LF belongs to it.
  TextInputStream stream(FileHolding("a\r\nb"));
  EXPECT_EQ(stream.ReadLine(), String("a"));
  EXPECT_FALSE(stream.Eof());
  EXPECT_FALSE(stream.Eof());
  EXPECT_EQ(stream.ReadLine(), String("b"));
  EXPECT_TRUE(stream.Eof());
  EXPECT_TRUE(stream.Eof());
  EXPECT_EQ(stream.ReadLine(), String(""));
}

TEST(TextInputStream, ALineOverTheMaximumLengthIsRefusedWithItsNumber) {
  const struct {
    const char* name;
    std::string bytes;
    std::vector<std::u32string> linesBefore;
    std::string message;
  } rows[] = {
      {"one character too many on line 2",
       "a\n" + std::string(kMaximum + 1, 'x') + "\n",
       {U"a"},
       "line 2 is longer than 65536 characters"},
      {"too long with no line end at all",
       std::string(kMaximum + 1, 'x'),
       {},
       "line 1 is longer than 65536 characters"},
      {"too long in UTF-16",
       kUtf16LeMark + Utf16Le(u"1\r\n2\r\n" + std::u16string(kMaximum + 1, u'7')),
       {U"1", U"2"},
       "line 3 is longer than 65536 characters"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    TextInputStream stream(FileHolding(row.bytes));
    for (const auto& line : row.linesBefore) EXPECT_EQ(stream.ReadLine().Characters(), line);
    try {
      stream.ReadLine();
      ADD_FAILURE() << "the long line was read";
    } catch (const IOException& error) {
      EXPECT_EQ(std::string(error.what()), row.message);
      EXPECT_EQ(error.ErrorCode(), 0);
    }
    // Nothing more is read once a line has been refused.
    EXPECT_TRUE(stream.Eof());
    EXPECT_THROW(stream.ReadLine(), IOException);
  }
}

TEST(TextInputStream, AHugeFileWithoutLineEndsIsRefusedAfterItsFirstChunks) {
  std::FILE* file = std::tmpfile();
  ASSERT_NE(file, nullptr);
  // Sparse: a gigabyte of zero bytes that takes no room on disk.
  ASSERT_EQ(::ftruncate(::fileno(file), std::int64_t{1} << 30), 0) << std::strerror(errno);
  TextInputStream stream(file);
  try {
    stream.ReadLine();
    ADD_FAILURE() << "the file was read as a line";
  } catch (const IOException& error) {
    EXPECT_EQ(std::string(error.what()), "line 1 is longer than 65536 characters");
  }
  // The stream still owns the file; where it stands shows how much was read.
  EXPECT_LE(static_cast<std::size_t>(std::ftell(file)), 2 * kChunk);
}

TEST(TextInputStream, AReadErrorRaisesTheSystemsErrorNumber) {
  // A folder opens as a stream, and then every read of it fails.
  std::FILE* folder = std::fopen(std::filesystem::temp_directory_path().c_str(), "rb");
  ASSERT_NE(folder, nullptr);
  TextInputStream stream(folder);
  EXPECT_FALSE(stream.Eof()) << "the error is for ReadLine to raise";
  try {
    stream.ReadLine();
    ADD_FAILURE() << "the folder was read";
  } catch (const IOException& error) {
    EXPECT_EQ(std::string(error.what()), "Is a directory");
    EXPECT_EQ(error.ErrorCode(), EISDIR);
  }
  EXPECT_TRUE(stream.Eof());
}

TEST(TextInputStream, AfterCloseNothingIsRead) {
  TextInputStream stream(FileHolding("a\nb\n"));
  EXPECT_EQ(stream.ReadLine(), String("a"));
  stream.Close();
  EXPECT_EQ(stream.ReadLine(), String(""));
  EXPECT_TRUE(stream.Eof());
  stream.Close();
}

}  // namespace
}  // namespace rt
