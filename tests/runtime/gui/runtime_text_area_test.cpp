#include <gmock/gmock.h>

#include <QApplication>
#include <QLineEdit>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <functional>

#include "runtime/gui/graphics.h"
#include "runtime/gui/styled_text_printer.h"
#include "runtime/gui/window_registry.h"
#include "tests/support/runtime_test_windows.h"

namespace runtimetest {
namespace {

class TextAreaTest : public RuntimeTest {
 protected:
  void SetUp() override {
    FormWnd::Register();
    window = &rt::GetOrCreateWindow<FormWnd>(FormWnd::kClassName);
    ProcessEvents();
  }

  rt::TextArea& Area() { return window->ReportFld(); }
  // What the widget shows, one line per paragraph.
  QStringList Shown() { return Area().Editor().toPlainText().split('\n'); }
  int WidgetCaret() { return Area().Editor().textCursor().position(); }

  FormWnd* window = nullptr;
};

TEST_F(TextAreaTest, TheTextComesBackExactlyWhateverItsLineEnds) {
  struct Row {
    const char* what;
    rt::String text;
    QStringList shown;
  };
  const std::vector<Row> rows = {
      {"CR LF", "one\r\ntwo\r\n", {"one", "two", ""}},
      {"lone CR", "one\rtwo", {"one", "two"}},
      {"lone LF", "one\ntwo", {"one", "two"}},
      {"LF CR is two breaks", "one\n\rtwo", {"one", "", "two"}},
      {"mixed", "a\r\n\rb\nc\r", {"a", "", "b", "c", ""}},
      {"empty", "", {""}},
  };
  for (const Row& row : rows) {
    Area().SetText(row.text);
    EXPECT_EQ(Area().Text(), row.text) << row.what;
    EXPECT_EQ(Shown(), row.shown) << row.what;
  }
}

TEST_F(TextAreaTest, AppendingKeepsTheTextExactAndTheWidgetInStep) {
  rt::String expected;
  for (int i = 0; i < 50; ++i) {
    const rt::String line = "line " + std::to_string(i) + "\r\n";
    Area().SetText(Area().Text() + line);
    expected += line;
    if (i % 7 == 0) ProcessEvents();
  }
  EXPECT_EQ(Area().Text(), expected);
  EXPECT_EQ(Area().Editor().document()->blockCount(), 51);
  EXPECT_EQ(Area().Editor().document()->findBlockByNumber(49).text(), "line 49");
}

TEST_F(TextAreaTest, AnLfAppendedAfterACrCompletesOneLineEnd) {
  Area().SetText("a\r");
  ProcessEvents();
  Area().SetText(Area().Text() + "\nb");
  EXPECT_EQ(Area().Text(), rt::String("a\r\nb"));
  EXPECT_EQ(Shown(), QStringList({"a", "b"}));
}

TEST_F(TextAreaTest, SettingAnUnrelatedTextReplacesTheWidgetsText) {
  Area().SetText("old\r\ntext");
  ProcessEvents();
  Area().SetText("new");
  EXPECT_EQ(Area().Text(), rt::String("new"));
  EXPECT_EQ(Shown(), QStringList({"new"}));
}

TEST_F(TextAreaTest, InsertingAtTheCaretKeepsLineEndsAndMovesTheCaretPastTheInsertion) {
  Area().SetText("ab\r\nef");
  Area().SetSelectionStart(4);
  Area().SetSelectedText("cd\r\n");
  EXPECT_EQ(Area().Text(), rt::String("ab\r\ncd\r\nef"));
  EXPECT_EQ(Area().SelectionStart(), 8);
  EXPECT_EQ(Shown(), QStringList({"ab", "cd", "ef"}));

  Area().SetSelectionStart(Area().Text().Length());
  Area().SetSelectedText("\r\ngh");
  EXPECT_EQ(Area().Text(), rt::String("ab\r\ncd\r\nef\r\ngh"));
  EXPECT_EQ(Shown(), QStringList({"ab", "cd", "ef", "gh"}));
}

TEST_F(TextAreaTest, ASelectionIsReplacedBySelectedText) {
  Area().SetText("keep\r\ndrop\r\nkeep");
  Area().SetSelectionStart(6);
  Area().SetSelectionLength(6);
  EXPECT_EQ(Area().SelectedText(), rt::String("drop\r\n"));
  Area().SetSelectedText("");
  EXPECT_EQ(Area().Text(), rt::String("keep\r\nkeep"));
}

TEST_F(TextAreaTest, SettingAndInsertingWorkWhileDisabled) {
  ASSERT_FALSE(Area().Enabled());
  Area().SetText("first\r\n");
  Area().SetSelectionStart(Area().Text().Length());
  Area().SetSelectedText("second\r\n");
  EXPECT_EQ(Area().Text(), rt::String("first\r\nsecond\r\n"));
  EXPECT_EQ(Shown(), QStringList({"first", "second", ""}));
}

TEST_F(TextAreaTest, ADisabledAreaCannotBeTypedInto) {
  Area().SetText("report");
  TypeText(&Area().Editor(), "x");
  EXPECT_EQ(Area().Text(), rt::String("report"));
}

TEST_F(TextAreaTest, SelectionPositionsCountBothCharactersOfACrLf) {
  Area().SetText("ab\r\ncd\r\nef");
  Area().SetSelectionStart(4);  // before "c"
  Area().SetSelectionLength(5);
  EXPECT_EQ(Area().Editor().textCursor().selectionStart(), 3);
  EXPECT_EQ(Area().Editor().textCursor().selectedText(),
            QString("cd") + QChar::ParagraphSeparator + "e");
  EXPECT_EQ(Area().SelectedText(), rt::String("cd\r\ne"));
}

TEST_F(TextAreaTest, ASelectionMadeInTheWidgetIsReadInCharactersOfTheText) {
  Area().SetText("ab\r\ncd\r\nef");
  QTextCursor cursor = Area().Editor().textCursor();
  cursor.setPosition(4);                           // after "c"
  cursor.setPosition(7, QTextCursor::KeepAnchor);  // after "e"
  Area().Editor().setTextCursor(cursor);
  EXPECT_EQ(Area().SelectionStart(), 5);
  EXPECT_EQ(Area().SelectionLength(), 4);
  EXPECT_EQ(Area().SelectedText(), rt::String("d\r\ne"));
}

TEST_F(TextAreaTest, CharactersBeyondTheBasicPlaneCountOnce) {
  Area().SetText(rt::String::FromUtf8("\xF0\x9F\x98\x80\r\nx"));  // U+1F600, CR LF, x
  Area().SetSelectionStart(3);
  Area().SetSelectionLength(1);
  EXPECT_EQ(Area().Editor().textCursor().selectionStart(), 3);
  EXPECT_EQ(Area().Editor().textCursor().selectedText(), "x");
  EXPECT_EQ(Area().SelectedText(), rt::String("x"));
}

TEST_F(TextAreaTest, TypingKeepsTheTextInStepWithEveryBreakAsCrLf) {
  Area().SetEnabled(true);
  Area().SetText("ab\r\ncd");
  QTextCursor cursor = Area().Editor().textCursor();
  cursor.setPosition(1);
  Area().Editor().setTextCursor(cursor);
  TypeText(&Area().Editor(), "X");
  PressKey(&Area().Editor(), Qt::Key_Return, "\r");
  EXPECT_EQ(Area().Text(), rt::String("aX\r\nb\r\ncd"));
  EXPECT_EQ(Area().SelectionStart(), 4);

  // Backspace at the start of a line takes both characters of its line end.
  PressKey(&Area().Editor(), Qt::Key_Backspace);
  EXPECT_EQ(Area().Text(), rt::String("aXb\r\ncd"));
  EXPECT_EQ(Area().SelectionStart(), 2);
}

TEST_F(TextAreaTest, TextAppendedBeforeTheUserTypesStaysAfterTheEdit) {
  Area().SetEnabled(true);
  Area().SetText("ab");
  QPlainTextEdit* editor = &Area().Editor();
  editor->moveCursor(QTextCursor::Start);
  Area().SetText(Area().Text() + "\r\ncd");
  // The key reaches a widget that shows the appended line too.
  TypeText(editor, "Z");
  EXPECT_EQ(Area().Text(), rt::String("Zab\r\ncd"));
  EXPECT_EQ(editor->toPlainText(), "Zab\ncd");

  // An edit that bypasses the keyboard, as the Edit menu's commands do, keeps what was
  // appended but not shown yet.
  Area().SetText(Area().Text() + "\r\nef");
  editor->insertPlainText("Y");
  EXPECT_EQ(Area().Text(), rt::String("ZYab\r\ncd\r\nef"));
  EXPECT_EQ(Area().Editor().toPlainText(), "ZYab\ncd\nef");
}

TEST_F(TextAreaTest, AppendingLeavesTheSelectionWhereItWas) {
  Area().SetText("ab");
  Area().SetSelectionStart(2);
  ProcessEvents();
  Area().SetText(Area().Text() + "cd");
  ProcessEvents();
  EXPECT_EQ(Area().SelectionStart(), 2);
  EXPECT_EQ(WidgetCaret(), 2);
}

// What the program writes is no edit of the user's: the undo history starts afresh at each write,
// and holds the user's own edits after it.
TEST_F(TextAreaTest, UndoTakesBackOnlyTheUsersEditsSinceTheProgramLastWrote) {
  struct Row {
    const char* what;
    std::function<void(rt::TextArea&)> write;
  };
  const std::vector<Row> rows = {
      {"a text set", [](rt::TextArea& area) { area.SetText("report\r\n"); }},
      {"a text appended", [](rt::TextArea& area) { area.SetText(area.Text() + "more\r\n"); }},
      {"a text inserted at the caret",
       [](rt::TextArea& area) {
         area.SetSelectionStart(2);
         area.SetSelectedText("X");
       }},
      {"the same text set again", [](rt::TextArea& area) { area.SetText(area.Text()); }},
      {"emptied", [](rt::TextArea& area) { area.SetText(""); }},
  };
  Area().SetProperties(Encode({Boolean("Enabled", true)}));
  const auto undo = [this] {
    PressKey(&Area().Editor(), Qt::Key_Z, QString(QChar(0x1a)), Qt::ControlModifier);
  };
  for (const Row& row : rows) {
    Area().SetText("start");
    Area().SetFocus();
    TypeText(&Area().Editor(), "u");
    row.write(Area());
    const rt::String written = Area().Text();
    EXPECT_FALSE(Area().Editor().document()->isUndoAvailable()) << row.what;
    undo();
    EXPECT_EQ(Area().Text(), written) << row.what;

    TypeText(&Area().Editor(), "z");
    EXPECT_NE(Area().Text(), written) << row.what;
    undo();
    EXPECT_EQ(Area().Text(), written) << row.what << ": the user's own edit undoes";
  }

  // A field's history starts afresh in the same way.
  QLineEdit& field = window->CasesFld().Editor();
  TypeText(&field, "1");
  window->CasesFld().SetText("30");
  EXPECT_FALSE(field.isUndoAvailable());
}

TEST_F(TextAreaTest, AManyLinedReportStaysExact) {
  // The shape of the program's use: thousands of appended CR LF lines.
  rt::String expected;
  for (int i = 0; i < 2000; ++i) {
    const rt::String line = rt::String(std::string(58, 'a' + i % 26)) + "\r\n";
    if (i % 2 == 0) {
      Area().SetText(Area().Text() + line);
    } else {
      Area().SetSelectionStart(Area().Text().Length());
      Area().SetSelectedText(line);
    }
    expected += line;
  }
  EXPECT_EQ(Area().Text(), expected);
  EXPECT_EQ(Area().Editor().document()->blockCount(), 2001);
  EXPECT_EQ(Area().SelectionStart(), expected.Length());
  EXPECT_EQ(WidgetCaret(), Area().Editor().document()->characterCount() - 1);
}

TEST_F(TextAreaTest, ThePrinterPrintsTextAppendedJustBefore) {
  rt::String report;
  for (int i = 0; i < 200; ++i) report += "row " + std::to_string(i) + "\r\n";
  Area().SetText(report);  // no event loop pass in between: the widget has not shown it yet
  QTemporaryDir folder;
  rt::Graphics page(std::make_unique<QPdfWriter>(folder.filePath("report.pdf")));
  const std::unique_ptr<rt::StyledTextPrinter> printer = Area().styledTextPrinter(page, 540);
  int blocks = 0;
  while (!printer->Eof() && blocks < 100) {
    printer->DrawBlock(0, 0, 540);
    ++blocks;
    if (!printer->Eof()) page.NextPage();
  }
  // 200 lines of 10-point text need several 540-point blocks; an empty document needs one.
  EXPECT_GT(blocks, 2);
  EXPECT_LT(blocks, 100);
}

}  // namespace
}  // namespace runtimetest
