#include "windows/description_wnd.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>

#include "runtime/gui/label.h"
#include "runtime/gui/push_button.h"
#include "runtime/gui/text_area.h"
#include "runtime/gui/text_field.h"
#include "tests/support/pdf_text.h"
#include "tests/windows/program_fixture.h"
#include "windows/help_text.h"

namespace {

using testsupport::Choose;

using runtimetest::ProcessEvents;

class DescriptionWndTest : public testsupport::ProgramFixture {
 protected:
  DescriptionWnd& Help() { return quorvane::DescriptionWnd(); }

  // Each test its own folder: ctest runs the tests of this suite side by side.
  QTemporaryDir folder_;
  const std::filesystem::path pdf_ = folder_.filePath(QStringLiteral("help.pdf")).toStdString();
};

TEST_F(DescriptionWndTest, ShowsTheHelpTextOverTheHiddenAreaWithOnlyThePrintButtonBelow) {
  DescriptionWnd& help = Help();
  EXPECT_EQ(help.Title().ToUtf8(), "Description");
  EXPECT_EQ(help.ContentArea()->size(), QSize(485, 525));
  EXPECT_EQ(help.DescribeFld2().Text(), HelpText());
  EXPECT_EQ(help.DescribeFld().Text().ToUtf8(), "\r\n");
  EXPECT_EQ(help.DescribeFld2().Widget()->geometry(), QRect(-1, -1, 485, 500));
  EXPECT_EQ(help.DescribeFld().Widget()->geometry(), QRect(-1, -1, 485, 498));
  QWidget* onTop = help.ContentArea()->childAt(100, 100);
  EXPECT_TRUE(help.DescribeFld2().Widget()->isAncestorOf(onTop) ||
              onTop == help.DescribeFld2().Widget())
      << "the help text lies over the first area";
  EXPECT_FALSE(help.c2002().Widget()->isVisible()) << "hidden when the window opens";
  EXPECT_TRUE(help.PrintBtn().Widget()->isVisible());
  EXPECT_EQ(help.PrintBtn().Caption().ToUtf8(), "Print");
}

TEST_F(DescriptionWndTest, HasAFixedSizeAndOnlyACloseBox) {
  const Qt::WindowFlags flags = Help().windowFlags();
  EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_EQ(Help().minimumSize(), Help().maximumSize());
}

TEST_F(DescriptionWndTest, ShowingAgainKeepsEditsAndANewWindowHasTheTextAgain) {
  DescriptionWnd& help = Help();
  help.DescribeFld2().SetText("my notes");
  EXPECT_EQ(&Help(), &help);
  EXPECT_EQ(Help().DescribeFld2().Text().ToUtf8(), "my notes");

  help.Close();
  ProcessEvents();
  EXPECT_EQ(Help().DescribeFld2().Text(), HelpText());
  EXPECT_FALSE(Help().c2002().Widget()->isVisible());
}

TEST_F(DescriptionWndTest, PrintByButtonOrMenuPrintsTheTextAsEdited) {
  DescriptionWnd& help = Help();
  platform.AnswerPrintToPdf(pdf_);
  help.PrintBtn().Push();
  const std::string printed = testsupport::PdfText(pdf_);
  EXPECT_NE(printed.find("References"), std::string::npos);
  EXPECT_NE(printed.find("Category5"), std::string::npos);
  EXPECT_GT(testsupport::PdfPageCount(pdf_), 1) << "the help text is longer than a page";
  EXPECT_EQ(testsupport::PdfTitle(pdf_), "Description") << "the job is named after the window";

  help.DescribeFld2().SetText("edited help");
  platform.AnswerPrintToPdf(pdf_);
  Choose(help, "Print");
  EXPECT_NE(testsupport::PdfText(pdf_).find("edited help"), std::string::npos);
  EXPECT_EQ(testsupport::PdfPageCount(pdf_), 1);
  EXPECT_EQ(testsupport::PdfTitle(pdf_), "Description");
}

TEST_F(DescriptionWndTest, AnEmptyTextStillGoesToThePrintDialogWithoutBeepOrMessage) {
  DescriptionWnd& help = Help();
  help.DescribeFld2().SetText("");
  platform.CancelPrint();
  help.PrintBtn().Push();
  platform.CancelPrint();
  Choose(help, "Print");
  EXPECT_EQ(platform.Beeps(), 0);
  EXPECT_TRUE(platform.MessagesShown().empty());
}

TEST_F(DescriptionWndTest, MenuHandlersAnswerFalse) {
  DescriptionWnd& help = Help();
  EXPECT_FALSE(help.ControlMenuItem_Action());
  EXPECT_FALSE(help.AboutMenuItem_Action());
  platform.CancelPrint();
  EXPECT_FALSE(help.Print_Action());
}

TEST_F(DescriptionWndTest, DraggingAWordOntoACountFieldTakesNothingFromTheHelpText) {
  ControlWnd& main = quorvane::ControlWnd();
  DescriptionWnd& help = Help();
  rt::TextArea& text = help.DescribeFld2();
  text.SetSelectionStart(0);
  text.SetSelectionLength(8);  // "Quorvane"
  struct Row {
    rt::TextField& field;
    const char* before;
    const char* after;
  };
  for (const Row& row : {Row{main.CasesFld(), "1", "1Qu"}, Row{main.ObserversFld(), "12", "12"}}) {
    row.field.SetText(row.before);
    QLineEdit& editor = row.field.Editor();
    runtimetest::DragSelection(&text.Editor(), &editor, {editor.width() - 2, editor.height() / 2});
    EXPECT_EQ(row.field.Text().ToUtf8(), row.after) << row.field.Name().ToUtf8();
    EXPECT_EQ(text.Text(), HelpText());
  }
}

TEST_F(DescriptionWndTest, TheMainWindowOpensTheSameHelpWindowFromTheQuestionMark) {
  ControlWnd& main = quorvane::ControlWnd();
  runtimetest::PressMouse(main.CanvasQ().Widget(), {5, 5});
  DescriptionWnd& help = Help();
  EXPECT_TRUE(help.isVisible());
  help.hide();
  Choose(main, "DescriptionMenuItem");
  EXPECT_EQ(&Help(), &help);
  EXPECT_TRUE(help.isVisible());
  EXPECT_EQ(OpenWindowsOf(DescriptionWnd::kClassName), 1);
}

}  // namespace
