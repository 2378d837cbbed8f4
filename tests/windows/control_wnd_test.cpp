#include "windows/control_wnd.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <filesystem>
#include <fstream>
#include <string>

#include "analysis/analysis_run.h"
#include "analysis/file_types.h"
#include "runtime/core/background_task.h"
#include "runtime/core/text_functions.h"
#include "runtime/gui/canvas.h"
#include "runtime/gui/label.h"
#include "runtime/gui/open_windows.h"
#include "runtime/gui/push_button.h"
#include "runtime/gui/quit.h"
#include "runtime/gui/text_area.h"
#include "runtime/gui/text_field.h"
#include "tests/support/pdf_text.h"
#include "tests/support/runtime_test_windows.h"
#include "tests/support/temporary_folder.h"
#include "tests/windows/control_wnd_fixture.h"

namespace {

const std::filesystem::path kData = QUORVANE_TEST_DATA;
const char* const kNothingToPrint =
    "Nothing to print. First, specify number of raters, cases, and categories. Then click the "
    "Get Data button to load data file. Finally, results can be printed.";

using ControlWndTest = testsupport::ControlWndFixture;

TEST_F(ControlWndTest, ControlsStandWhereTheLayoutPutsThem) {
  struct Row {
    const char* name;
    int left, top, width, height;
    bool enabled;
  };
  const Row rows[] = {
      {"ObserversFld", 214, 116, 60, 22, true}, {"CasesFld", 214, 143, 60, 22, true},
      {"CatsFld", 214, 170, 60, 22, true},      {"ClearBtn", 400, 470, 80, 30, true},
      {"CalculateBtn", 204, 470, 80, 30, true}, {"ResultsFld", 20, 213, 460, 230, false},
      {"Canvas1", 54, -9, 381, 75, true},       {"Label1", 184, 46, 117, 20, true},
      {"PrintBtn", 20, 470, 80, 30, true},      {"observerstext", 20, 117, 190, 20, true},
      {"casetext", 20, 145, 190, 20, true},     {"categorytext", 20, 171, 190, 20, true},
      {"CanvasQ", 463, 171, 22, 41, true},
  };
  ASSERT_EQ(Window().Controls().size(), std::size(rows));
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    const Row& row = rows[i];
    rt::RectControl& control = *Window().Controls()[i];
    EXPECT_EQ(control.Name().ToUtf8(), row.name) << "made in this order";
    EXPECT_EQ(control.Left(), row.left) << row.name;
    EXPECT_EQ(control.Top(), row.top) << row.name;
    EXPECT_EQ(control.Width(), row.width) << row.name;
    EXPECT_EQ(control.Height(), row.height) << row.name;
    EXPECT_EQ(control.Enabled(), row.enabled) << row.name;
    EXPECT_TRUE(control.Widget()->isVisible()) << row.name;
    EXPECT_EQ(control.Widget()->objectName().toStdString(), row.name);
    const QPoint inWindow = control.Widget()->mapTo(Window().ContentArea(), QPoint(0, 0));
    EXPECT_EQ(inWindow, QPoint(row.left, row.top)) << row.name;
  }
  EXPECT_EQ(Window().ContentArea()->size(), QSize(500, 520));
  EXPECT_EQ(Window().Title().ToUtf8(), "Quorvane");
  EXPECT_EQ(Window().Label1().Widget()->parentWidget(), Window().Canvas1().Widget())
      << "the credit line sits on the logo";
  EXPECT_EQ(Window().CalculateBtn().Caption().ToUtf8(), "Get Data");
  EXPECT_EQ(Window().observerstext().Text().ToUtf8(), "Number of raters (2-99):");
  EXPECT_EQ(Window().categorytext().Text().ToUtf8(), "Number of categories (2-25):");
  EXPECT_EQ(Window().Canvas1().Widget()->toolTip().toStdString(), "Click to see splash screen");
  EXPECT_EQ(Window().ResultsFld().Text().ToUtf8(), "");
}

TEST_F(ControlWndTest, CountFieldsHoldTheirCharacterLimits) {
  EXPECT_EQ(Window().ObserversFld().MaximumCharactersAllowed(), 2);
  EXPECT_EQ(Window().CasesFld().MaximumCharactersAllowed(), 3);
  EXPECT_EQ(Window().CatsFld().MaximumCharactersAllowed(), 2);
  Window().ObserversFld().SetFocus();
  TypeText(Window().ObserversFld(), "123");
  EXPECT_EQ(Window().ObserversFld().Text().ToUtf8(), "12");
  EXPECT_EQ(platform.Beeps(), 0) << "a digit too many is stopped by the limit, silently";
}

TEST_F(ControlWndTest, FocusStartsInRatersAndTabVisitsTheThreeCountsOnly) {
  QCoreApplication::processEvents();
  std::vector<std::string> order;
  for (int step = 0; step < 4; ++step) {
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    order.push_back(focused->objectName().toStdString());
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, "\t");
    QCoreApplication::sendEvent(focused, &tab);
    QCoreApplication::processEvents();
  }
  EXPECT_EQ(order,
            (std::vector<std::string>{"ObserversFld", "CasesFld", "CatsFld", "ObserversFld"}));
}

TEST_F(ControlWndTest, KeyFilterPassesDigitsAndControlKeysAndBeepsAtTheRest) {
  struct Row {
    const char* name;
    int key;
    QString text;
    const char* kept;
    int beeps;
  };
  const Row rows[] = {
      {"digit 5", Qt::Key_5, "5", "5", 0},
      {"digit 0", Qt::Key_0, "0", "0", 0},
      {"digit 9", Qt::Key_9, "9", "9", 0},
      {"letter x", Qt::Key_X, "x", "", 1},
      {"space", Qt::Key_Space, " ", "", 1},
      {"minus", Qt::Key_Minus, "-", "", 1},
      {"plus", Qt::Key_Plus, "+", "", 1},
      {"point", Qt::Key_Period, ".", "", 1},
      {"comma", Qt::Key_Comma, ",", "", 1},
      {"accented letter", Qt::Key_Eacute, QString::fromUtf8("é"), "", 1},
      // Keys that type nothing pass the filter as control characters and the field ignores them.
      {"F5", Qt::Key_F5, "", "", 0},
      {"F12", Qt::Key_F12, "", "", 0},
      {"Insert", Qt::Key_Insert, "", "", 0},
      {"Pause", Qt::Key_Pause, "", "", 0},
  };
  for (const Row& row : rows) {
    rt::TextField& field = Window().CasesFld();
    field.SetText("");
    field.SetFocus();
    const int beepsBefore = platform.Beeps();
    Type(field, row.key, row.text);
    EXPECT_EQ(field.Text().ToUtf8(), row.kept) << row.name;
    EXPECT_EQ(platform.Beeps() - beepsBefore, row.beeps) << row.name;
  }
  // The texts that the runtime hands over for keys without a character: Insert and Help, and
  // the function keys and the rest.
  for (const char32_t code : {U'\x05', U'\x10'}) {
    const int beepsBefore = platform.Beeps();
    EXPECT_FALSE(Window().CasesFld_KeyDown(Window().CasesFld(), rt::Chr(code)))
        << static_cast<int>(code);
    EXPECT_EQ(platform.Beeps(), beepsBefore) << static_cast<int>(code);
  }

  rt::TextField& field = Window().CasesFld();
  field.SetText("12");
  field.SetFocus();
  const int beepsBefore = platform.Beeps();
  for (int key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Home, Qt::Key_Delete, Qt::Key_End,
                  Qt::Key_Backspace}) {
    Type(field, key);
  }
  EXPECT_EQ(platform.Beeps(), beepsBefore) << "control keys pass silently";
  EXPECT_EQ(field.Text().ToUtf8(), "") << "Home, Delete and End, Backspace erased both digits";
}

TEST_F(ControlWndTest, GetDataWritesTheReportIntoTheArea) {
  GetData("6", "30", "5", kData / "fleiss1971.txt");
  const std::string expected = ReportOf("6", "30", "5", kData / "fleiss1971.txt");
  EXPECT_EQ(ReportText(), expected);
  EXPECT_NE(expected.find("Overall       .5556    +.4302     .0275     +15.64    .0000\r\n"),
            std::string::npos);
  EXPECT_TRUE(Window().ResultsFld().Enabled());
  EXPECT_EQ(Window().Z, 4.439805149048244);
  EXPECT_EQ(Window().P, 9.011744240838837e-06);
  EXPECT_EQ(Window().ResultsFld().Editor().toPlainText().toStdString(),
            QString::fromStdString(expected).replace("\r\n", "\n").toStdString())
      << "the widget shows the same text";
}

TEST_F(ControlWndTest, ASecondRunAppendsAtTheEndWhateverTheUserSelected) {
  GetData("6", "30", "5", kData / "fleiss1971.txt");
  const std::string first = ReportText();
  Window().ResultsFld().SetSelectionStart(40);
  Window().ResultsFld().SetSelectionLength(30);
  GetData("4", "14", "3", kData / "second_example.txt");
  EXPECT_EQ(ReportText(), first + ReportOf("4", "14", "3", kData / "second_example.txt"));
}

// A count field takes only the few characters it has room for: the report must not lose the rest
// of what was dragged onto it.
TEST_F(ControlWndTest, DraggingReportTextOntoACountFieldTakesNothingFromTheReport) {
  GetData("6", "30", "5", kData / "fleiss1971.txt");
  const std::string report = ReportText();
  struct Row {
    const char* name;
    rt::TextField& field;
    const char* before;
    std::string dragged;
    const char* after;
  };
  const Row rows[] = {
      {"onto empty Cases: what fits goes in", Window().CasesFld(), "", "Overall       .5556  ",
       "Ove"},
      {"onto full Raters: nothing goes in", Window().ObserversFld(), "12", "Computed", "12"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    rt::TextArea& area = Window().ResultsFld();
    const std::size_t at = report.find(row.dragged);
    ASSERT_NE(at, std::string::npos);
    area.SetSelectionStart(static_cast<std::int64_t>(at));
    area.SetSelectionLength(static_cast<std::int64_t>(row.dragged.size()));
    row.field.SetText(row.before);
    QLineEdit& field = row.field.Editor();
    runtimetest::DragSelection(&area.Editor(), &field, {field.width() - 2, field.height() / 2});
    EXPECT_EQ(row.field.Text().ToUtf8(), row.after);
    EXPECT_EQ(ReportText(), report);
  }
}

TEST_F(ControlWndTest, ReturnInACountFieldGetsTheData) {
  Window().ObserversFld().SetText("6");
  Window().CasesFld().SetText("30");
  Window().CatsFld().SetText("5");
  Window().CatsFld().SetFocus();
  platform.AnswerOpenFile(kData / "fleiss1971.txt");
  Type(Window().CatsFld(), Qt::Key_Return, "\r");
  EXPECT_EQ(ReportText(), ReportOf("6", "30", "5", kData / "fleiss1971.txt"));
}

TEST_F(ControlWndTest, AFailedCheckShowsItsMessageAndWritesNothing) {
  Window().ObserversFld().SetText("2");
  Window().CasesFld().SetText("1");
  Window().CatsFld().SetText("5");
  platform.ExpectMessage("Number of cases must range from 2-999");
  Window().CalculateBtn().Push();
  QCoreApplication::processEvents();
  EXPECT_TRUE(Window().CasesFld().Widget()->hasFocus());
  EXPECT_EQ(ReportText(), "");
  EXPECT_FALSE(Window().ResultsFld().Enabled());
}

TEST_F(ControlWndTest, ClearEmptiesTheWindowAndKeepsZAndP) {
  GetData("6", "30", "5", kData / "fleiss1971.txt");
  Window().CatsFld().SetFocus();
  Window().ClearBtn().Push();
  QCoreApplication::processEvents();
  EXPECT_EQ(Window().ObserversFld().Text().ToUtf8(), "");
  EXPECT_EQ(Window().CasesFld().Text().ToUtf8(), "");
  EXPECT_EQ(Window().CatsFld().Text().ToUtf8(), "");
  EXPECT_EQ(ReportText(), "");
  EXPECT_EQ(Window().ResultsFld().Editor().toPlainText().toStdString(), "");
  EXPECT_FALSE(Window().ResultsFld().Enabled());
  EXPECT_TRUE(Window().ObserversFld().Widget()->hasFocus());
  EXPECT_EQ(Window().Z, 4.439805149048244);
  EXPECT_EQ(platform.Beeps(), 0);
}

TEST_F(ControlWndTest, LeavingTheLogoPutsTheFocusInRaters) {
  Window().CatsFld().SetFocus();
  QEvent leave(QEvent::Leave);
  QCoreApplication::sendEvent(Window().Canvas1().Widget(), &leave);
  QCoreApplication::processEvents();
  EXPECT_TRUE(Window().ObserversFld().Widget()->hasFocus());
}

TEST_F(ControlWndTest, PrintRefusesAnEmptyReportWithABeepAndAMessage) {
  platform.ExpectMessage(kNothingToPrint);
  Window().PrintBtn().Push();
  EXPECT_EQ(platform.Beeps(), 1);
}

TEST_F(ControlWndTest, PrintCancelledPrintsNothingAndSaysNothing) {
  GetData("6", "30", "5", kData / "fleiss1971.txt");
  const std::string before = ReportText();
  platform.CancelPrint();
  Window().PrintBtn().Push();
  EXPECT_EQ(ReportText(), before);
  EXPECT_EQ(platform.Beeps(), 0);
}

TEST_F(ControlWndTest, PrintConfirmedGivesOnePagePerBlockAndNoBlankLastPage) {
  const testsupport::TemporaryFolder folder;
  const std::filesystem::path pdf = folder / "report.pdf";
  // One report of 31 lines fits one 540-point block; two need two.
  GetData("6", "30", "5", kData / "fleiss1971.txt");
  platform.AnswerPrintToPdf(pdf);
  Window().PrintBtn().Push();
  EXPECT_EQ(testsupport::PdfPageCount(pdf), 1);
  EXPECT_EQ(testsupport::PdfTitle(pdf), "Quorvane report");

  GetData("6", "30", "5", kData / "fleiss1971.txt");
  platform.AnswerPrintToPdf(pdf);
  const std::uint64_t passesBefore = rt::BackgroundTaskCalls();
  Window().PrintBtn().Push();
  EXPECT_EQ(testsupport::PdfPageCount(pdf), 2);
  EXPECT_EQ(rt::BackgroundTaskCalls() - passesBefore, 2u) << "one pass of the print loop a page";
}

TEST_F(ControlWndTest, ClosingTheWindowQuits) {
  const int quitsBefore = rt::QuitCalls();
  Window().Close();
  EXPECT_EQ(rt::QuitCalls(), quitsBefore + 1);
  EXPECT_EQ(rt::LastQuitCode(), 0);
  EXPECT_EQ(rt::GetImplicitWindow(ControlWnd::kClassName), nullptr);
}

}  // namespace
