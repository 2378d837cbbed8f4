#include "tests/support/scripted_platform.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "runtime/gui/open_printer_dialog.h"
#include "runtime/gui/platform.h"
#include "runtime/gui/qt_platform.h"
#include "tests/support/gui_test.h"

namespace {

using testsupport::ScriptedPlatform;

TEST(ScriptedPlatformTest, AnswersQueuedDialogsInOrder) {
  ScriptedPlatform platform;
  platform.ExpectMessage("First");
  platform.AnswerOpenFile("/data/ratings.txt");
  platform.ExpectMessage();
  platform.CancelOpenFile();
  platform.CancelPrint();

  rt::MessageDialog::Show("First");
  EXPECT_EQ(rt::CurrentPlatform().ChooseFileToOpen(nullptr),
            std::optional<std::filesystem::path>("/data/ratings.txt"));
  rt::MessageDialog::Show("Any text will do");
  EXPECT_EQ(rt::CurrentPlatform().ChooseFileToOpen(nullptr), std::nullopt);
  EXPECT_EQ(rt::OpenPrinterDialog(), nullptr);

  EXPECT_TRUE(platform.AllAnswered());
  EXPECT_EQ(platform.MessagesShown(), (std::vector<std::string>{"First", "Any text will do"}));
}

TEST(ScriptedPlatformTest, CountsBeeps) {
  ScriptedPlatform platform;
  rt::Beep();
  rt::Beep();
  EXPECT_EQ(platform.Beeps(), 2);
}

TEST(ScriptedPlatformTest, LeftoverAnswersFailTheTestListingThem) {
  EXPECT_NONFATAL_FAILURE(
      {
        ScriptedPlatform platform;
        platform.ExpectMessage("Never shown");
        platform.CancelOpenFile();
        platform.AnswerPrintToPdf("/tmp/never.pdf");
      },
      "Dialogs expected but never shown:\n"
      "  message box \"Never shown\"\n"
      "  open-file dialog, cancelled\n"
      "  print dialog answered with the PDF /tmp/never.pdf");
}

TEST(ScriptedPlatformTest, UnexpectedDialogsFailTheTestNamingWhatCame) {
  struct Case {
    const char* name;
    std::function<void(ScriptedPlatform&)> run;
    const char* failure;
  };
  const std::vector<Case> cases = {
      {"message with nothing queued",
       [](ScriptedPlatform&) { rt::MessageDialog::Show("Surprise"); },
       "Unexpected message box \"Surprise\": no dialog was expected"},
      {"open-file dialog with nothing queued",
       [](ScriptedPlatform&) {
         EXPECT_EQ(rt::CurrentPlatform().ChooseFileToOpen(nullptr), std::nullopt);
       },
       "Unexpected open-file dialog for all files: no dialog was expected"},
      {"print dialog where a message is queued",
       [](ScriptedPlatform& platform) {
         platform.ExpectMessage("Later");
         EXPECT_EQ(rt::OpenPrinterDialog(), nullptr);
         rt::MessageDialog::Show("Later");
       },
       "Unexpected print dialog for \"Untitled\": expected message box \"Later\""},
      {"message where an open-file answer is queued",
       [](ScriptedPlatform& platform) {
         platform.AnswerOpenFile("/data/a.txt");
         rt::MessageDialog::Show("Out of turn");
         rt::CurrentPlatform().ChooseFileToOpen(nullptr);
       },
       "Unexpected message box \"Out of turn\": expected open-file dialog answered with "
       "/data/a.txt"},
      {"message with other text than expected",
       [](ScriptedPlatform& platform) {
         platform.ExpectMessage("Nothing to print.");
         rt::MessageDialog::Show("Something else");
       },
       "Something else"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_NONFATAL_FAILURE(
        {
          ScriptedPlatform platform;
          c.run(platform);
        },
        c.failure);
  }
}

TEST(ScriptedPlatformTest, InstallsItselfAndPutsBackWhatWasThere) {
  {
    ScriptedPlatform outer;
    {
      ScriptedPlatform inner;
      EXPECT_EQ(&rt::CurrentPlatform(), &inner);
      EXPECT_EQ(&rt::CurrentClock(), &inner);
    }
    EXPECT_EQ(&rt::CurrentPlatform(), &outer);
    EXPECT_EQ(&rt::CurrentClock(), &outer);
  }
  EXPECT_NE(dynamic_cast<rt::QtPlatform*>(&rt::CurrentPlatform()), nullptr);
}

TEST(ScriptedPlatformTest, ClockStartsAtAFixedMomentAndMovesOnlyWhenAdvanced) {
  ScriptedPlatform platform;
  EXPECT_EQ(rt::CurrentClock().Now(), QDateTime(QDate(2026, 12, 10), QTime(8, 30, 0)));
  platform.AdvanceClock(90'500);
  EXPECT_EQ(rt::CurrentClock().Now(), QDateTime(QDate(2026, 12, 10), QTime(8, 31, 30, 500)));
}

class ScriptedTimerTest : public ::testing::Test {
 protected:
  std::unique_ptr<rt::TimerHandle> Start(std::int64_t milliseconds, std::string name) {
    return platform.StartOneShotTimer(
        milliseconds, [this, name] { fired.push_back(name + "@" + std::to_string(ElapsedMs())); });
  }
  std::int64_t ElapsedMs() const {
    return ScriptedPlatform::StartOfClock().msecsTo(platform.Now());
  }

  ScriptedPlatform platform;
  std::vector<std::string> fired;
};

TEST_F(ScriptedTimerTest, FiresOnceWhenDueAndNotBefore) {
  auto splash = Start(4000, "splash");
  platform.AdvanceClock(3999);
  EXPECT_EQ(fired, std::vector<std::string>{});
  platform.AdvanceClock(1);
  platform.AdvanceClock(10'000);
  EXPECT_EQ(fired, std::vector<std::string>{"splash@4000"});
}

TEST_F(ScriptedTimerTest, FiresInOrderOfDueTimeAtTheirOwnMoment) {
  auto late = Start(300, "late");
  auto early = Start(100, "early");
  auto middle = Start(200, "middle");
  auto alsoEarly = Start(100, "also early");
  platform.AdvanceClock(250);
  EXPECT_EQ(fired, (std::vector<std::string>{"early@100", "also early@100", "middle@200"}));
  EXPECT_EQ(ElapsedMs(), 250);
}

TEST_F(ScriptedTimerTest, TimerWhoseHandleIsGoneNeverFires) {
  auto kept = Start(100, "kept");
  Start(50, "dropped at once");
  auto dropped = Start(80, "dropped later");
  dropped.reset();
  platform.AdvanceClock(1000);
  EXPECT_EQ(fired, std::vector<std::string>{"kept@100"});
}

TEST_F(ScriptedTimerTest, CallbackMayDropItsOwnHandleAndStartAnotherTimer) {
  std::unique_ptr<rt::TimerHandle> first;
  std::unique_ptr<rt::TimerHandle> second;
  first = platform.StartOneShotTimer(100, [&] {
    first.reset();
    second = Start(50, "started by the first");
  });
  platform.AdvanceClock(200);
  EXPECT_EQ(fired, std::vector<std::string>{"started by the first@150"});
}

TEST(GuiTestFixture, FailsWhenATestLeavesAWindowShown) {
  struct Probe : testsupport::GuiTest {
    void TestBody() override {}
    using testsupport::GuiTest::TearDown;
  };
  Probe probe;
  QWidget forgotten;
  forgotten.setObjectName("ForgottenWnd");
  forgotten.show();
  EXPECT_NONFATAL_FAILURE(probe.TearDown(), "\"ForgottenWnd\"");
  EXPECT_FALSE(forgotten.isVisible());
}

}  // namespace
