// What a user's file or pasted text can throw at "Get Data": each gives a report or a clear
// message, never a crash, and the window stays usable for the next run.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "tests/support/permission_checks.h"
#include "tests/support/temporary_folder.h"
#include "tests/windows/control_wnd_fixture.h"

namespace {

const std::filesystem::path kData = QUORVANE_TEST_DATA;

class BadInputTest : public testsupport::ControlWndFixture {
 protected:
  // A run that must end in `message`, with nothing written.
  void GetDataRefused(const std::filesystem::path& file, const std::string& message) {
    Window().ObserversFld().SetText("6");
    Window().CasesFld().SetText("30");
    Window().CatsFld().SetText("5");
    platform.AnswerOpenFile(file);
    platform.ExpectMessage(message);
    Window().CalculateBtn().Push();
    EXPECT_TRUE(platform.AllAnswered());
    EXPECT_EQ(ReportText(), "");
  }

  // After whatever went before, a good file still gives its report.
  void ExpectAGoodRunStillWorks() {
    Window().ClearBtn().Push();
    GetData("6", "30", "5", kData / "fleiss1971.txt");
    EXPECT_EQ(ReportText(), ReportOf("6", "30", "5", kData / "fleiss1971.txt"));
  }

  testsupport::TemporaryFolder folder_;
};

std::string Repeated(const std::string& line, int times) {
  std::string text;
  text.reserve(line.size() * static_cast<std::size_t>(times));
  for (int i = 0; i < times; ++i) text += line;
  return text;
}

// Fleiss' table as a spreadsheet writes "Unicode text" when it leaves out the byte-order mark.
std::string Utf16LittleEndian(const std::string& ascii) {
  std::string out;
  for (char c : ascii) {
    out += c;
    out += '\0';
  }
  return out;
}

std::string FileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST_F(BadInputTest, FilesThatCannotBeReadAreRefusedWithAMessage) {
  struct Row {
    const char* name;
    std::filesystem::path path;
    std::string reason;  // the message's end, after the quoted path
  };
  const std::filesystem::path folder = folder_ / "a folder";
  std::filesystem::create_directories(folder);

  // A sparse gigabyte of zero bytes: no line end anywhere.
  const std::filesystem::path huge = folder_.Write("huge.txt", "1");
  std::filesystem::resize_file(huge, std::uintmax_t{1} << 30);
  const Row rows[] = {
      {"a folder in place of a file", folder, " could not be opened: It is a folder, not a file."},
      {"a file deleted between the dialog and the open", folder_ / "deleted.txt",
       " could not be opened: No such file or directory."},
      {"an executable", QCoreApplication::applicationFilePath().toStdString(),
       " is not a text file: line 1 holds a NUL character."},
      {"a sparse gigabyte without line ends", huge,
       " could not be read: line 1 is longer than 65536 characters."},
      {"ten thousand lines", folder_.Write("10000.txt", Repeated("1\t5\r\n", 10000)),
       " has more than 999 lines. At most 999 cases are read: remove the extra lines and try "
       "again."},
      {"lines a megabyte long",
       folder_.Write("wide.txt", Repeated(Repeated("1\t", 500000) + "\n", 3)),
       " could not be read: line 1 is longer than 65536 characters."},
      {"NUL bytes inside a line", folder_.Write("nul.txt", std::string("3\t3\r\n2\0\t4\r\n", 11)),
       " is not a text file: line 2 holds a NUL character."},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    GetDataRefused(row.path, "The data file \"" + row.path.string() + "\"" + row.reason);
  }
  ExpectAGoodRunStillWorks();
}

TEST_F(BadInputTest, AFileWithoutReadPermissionIsRefused) {
  const std::filesystem::path locked = folder_.Write("locked.txt", "3\t3\r\n");
  std::filesystem::permissions(locked, std::filesystem::perms::none);
  const std::filesystem::path readable =
      folder_.Write("readable.txt", FileBytes(kData / "fleiss1971.txt"));
  std::filesystem::permissions(readable, std::filesystem::perms::owner_read);
  // Worked out before the checks apply: the source tree need not belong to whoever runs the tests.
  const std::string expected = ReportOf("6", "30", "5", kData / "fleiss1971.txt");
  {
    const testsupport::PermissionChecksApply checks;
    GetDataRefused(locked, "The data file \"" + locked.string() +
                               "\" could not be opened: Permission denied.");
    // Its neighbour, which its permissions let the owner read, gives its report: the refusal
    // came from the file's own permissions, not from the folders on the way to it.
    GetData("6", "30", "5", readable);
    EXPECT_EQ(ReportText(), expected);
  }
  ExpectAGoodRunStillWorks();
}

TEST_F(BadInputTest, TextThatIsNotCleanStillGivesItsReport) {
  struct Row {
    const char* name;
    std::string bytes;
  };
  const Row rows[] = {
      {"invalid UTF-8 inside the counts",
       "3\xff\t3\r\n\xfe"
       "2\t4\r\n"},
      {"UTF-16 without a byte-order mark", Utf16LittleEndian(FileBytes(kData / "fleiss1971.txt"))},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Window().ResultsFld().SetText("");
    const std::filesystem::path path = folder_.Write("data.txt", row.bytes);
    GetData("6", "30", "5", path);
    EXPECT_EQ(ReportText(), ReportOf("6", "30", "5", path));
  }
  // Decoded, the UTF-16 file is Fleiss' table itself.
  EXPECT_EQ(ReportText(), ReportOf("6", "30", "5", kData / "fleiss1971.txt"));
}

TEST_F(BadInputTest, PastedCountsAreJudgedByTheRunsChecks) {
  struct Row {
    const char* name;
    const char* raters;
    const char* cases;
    const char* categories;
    const char* casesHeld;               // what the cases field holds after the paste
    std::optional<std::string> message;  // none: the run goes on to the file
  };
  const Row rows[] = {
      {"2.9 cases count as 2", "6", "2.9", "5", "2.9", std::nullopt},
      {"minus three raters", "-3", "30", "5", "30", "Number of raters must range from 2-99"},
      {"1e3 cases is a thousand", "6", "1e3", "5", "1e3", "Number of cases must range from 2-999"},
      {"leading spaces before a count", "6", "  4", "5", "  4", std::nullopt},
      {"two spaces and a four are cut to two spaces", "6", "30", "  4", "30",
       "Number of categories must range from 2-25"},
      {"a long paste is cut to the field's limit", "6", "12345", "5", "123", std::nullopt},
      {"letters", "ab", "30", "5", "30", "Number of raters must range from 2-99"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Window().ClearBtn().Push();
    const std::pair<rt::TextField*, const char*> fields[] = {{&Window().ObserversFld(), row.raters},
                                                             {&Window().CasesFld(), row.cases},
                                                             {&Window().CatsFld(), row.categories}};
    for (const auto& [field, text] : fields) {
      QGuiApplication::clipboard()->setText(QString::fromUtf8(text));
      field->SetFocus();
      QKeyEvent paste(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier, QString(QChar(22)));
      QCoreApplication::sendEvent(field->Widget(), &paste);
    }
    EXPECT_EQ(Window().CasesFld().Text().ToUtf8(), row.casesHeld);
    EXPECT_EQ(platform.Beeps(), 0) << "pasting is no typed key";
    if (row.message) {
      platform.ExpectMessage(*row.message);
    } else {
      platform.CancelOpenFile();
    }
    Window().CalculateBtn().Push();
    EXPECT_TRUE(platform.AllAnswered());
    EXPECT_EQ(ReportText(), "");
  }
}

}  // namespace
