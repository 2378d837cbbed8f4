#include "app/startup.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMetaObject>
#include <functional>
#include <string>
#include <vector>

#include "runtime/core/exceptions.h"
#include "runtime/core/startup_trace.h"
#include "tests/gui/program_fixture.h"

namespace {

using ::testing::ElementsAreArray;

// Runs the whole program, start-up to exit code, in the test process. `whileRunning` runs once
// the event loop has started; it must end the program.
class StartupTest : public testsupport::GuiTest {
 protected:
  void SetUp() override {
    rt::SetStartupTraceListener([this](std::string_view step) {
      steps.emplace_back(step);
      if (step == failAt) throw rt::RuntimeException("injected failure at " + failAt);
    });
  }
  void TearDown() override {
    rt::SetStartupTraceListener(nullptr);
    GuiTest::TearDown();
  }

  int Run(std::function<void()> whileRunning) {
    QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(whileRunning),
                              Qt::QueuedConnection);
    char name[] = "quorvane";
    char* argv[] = {name, nullptr};
    const int code = quorvane::RunProgram(1, argv);
    // What the loop did not run (when start-up failed before it) must not run in a later test.
    QCoreApplication::removePostedEvents(QCoreApplication::instance(), QEvent::MetaCall);
    return code;
  }

  std::vector<std::string> steps;
  std::string failAt;
};

const std::vector<std::string> kStartupSteps = {
    "RuntimeInit",
    "RuntimePerformInitializers",
    "RuntimeSetExceptionHelper",
    "RuntimeSetTargetVersion",
    "Application.SetSupportsHiDPI",
    "RuntimeInitExternalClasses",
    "InitPluginEntrypoints",
    "RegisterFileType text",
    "Application.x_SetVersionData",
    "Application.MenuBar",
    "RuntimeRegisterAppObject",
    "RunFrameworkInitialization",
    "Window AboutWnd.AboutWnd",
    "RuntimeRun",
};

TEST_F(StartupTest, StartsInItsOrderWithTheSplashAloneAndQuitsWithCodeZero) {
  std::vector<std::string> openAtStart;
  bool splashShown = false;
  rt::Application* application = nullptr;
  const int code = Run([&] {
    for (rt::Window* window : rt::OpenWindows()) openAtStart.push_back(window->ClassName());
    rt::Window* splash = rt::GetImplicitWindow(AboutWnd::kClassName);
    splashShown = splash != nullptr && splash->isVisible();
    application = rt::App();
    if (application != nullptr) {
      EXPECT_EQ(application->MajorVersion(), 2);
      EXPECT_EQ(application->MinorVersion(), 0);
      EXPECT_EQ(application->BugVersion(), 0);
      EXPECT_EQ(application->NonReleaseVersion(), 0);
      EXPECT_EQ(application->StageCode(), 3);
      EXPECT_EQ(application->ShortVersion().ToUtf8(), "2.0");
      EXPECT_EQ(application->PackageInfo().ToUtf8(), "Quorvane");
      EXPECT_NE(application->LongVersion().ToUtf8().find("2002-2020"), std::string::npos);
      EXPECT_EQ(application->GetMenuBar(), &quorvane::Menu());
    }
    testsupport::Choose(*splash, "FileQuit");
  });
  EXPECT_EQ(code, 0);
  EXPECT_THAT(openAtStart, ElementsAreArray({std::string(AboutWnd::kClassName)}));
  EXPECT_TRUE(splashShown);
  EXPECT_NE(application, nullptr);
  std::vector<std::string> expected = kStartupSteps;
  expected.insert(expected.end(), {"RuntimePerformFinalizers", "RuntimeExit"});
  EXPECT_THAT(steps, ElementsAreArray(expected));
  EXPECT_EQ(rt::App(), nullptr) << "released by the finalizers";
  EXPECT_TRUE(rt::OpenWindows().empty());
}

TEST_F(StartupTest, AFailedStepIsReportedAndSkipsTheRestAndTheEventLoop) {
  for (const char* step :
       {"RuntimeSetTargetVersion", "Application.SetSupportsHiDPI", "RuntimeInitExternalClasses",
        "InitPluginEntrypoints", "RegisterFileType text", "RuntimeRegisterAppObject",
        "RunFrameworkInitialization", "Window AboutWnd.AboutWnd"}) {
    SCOPED_TRACE(step);
    steps.clear();
    failAt = step;
    platform.ExpectMessage();
    bool loopRan = false;
    const int code = Run([&] { loopRan = true; });
    EXPECT_NE(code, 0);
    EXPECT_FALSE(loopRan);
    ASSERT_EQ(platform.MessagesShown().size() > 0, true);
    EXPECT_NE(platform.MessagesShown().back().find(std::string("injected failure at ") + step),
              std::string::npos);
    std::vector<std::string> expected(
        kStartupSteps.begin(), std::find(kStartupSteps.begin(), kStartupSteps.end(), step) + 1);
    expected.insert(expected.end(),
                    {"UnhandledException", "RuntimePerformFinalizers", "RuntimeExit"});
    EXPECT_THAT(steps, ElementsAreArray(expected));
    EXPECT_TRUE(rt::OpenWindows().empty());
  }
}

TEST_F(StartupTest, ClosingTheSplashBeforeTheMainWindowExistsEndsTheProgram) {
  const int code = Run([] { rt::GetImplicitWindow(AboutWnd::kClassName)->Close(); });
  EXPECT_EQ(code, 0);
}

TEST_F(StartupTest, ClosingTheMainWindowQuitsAndAPendingSplashTimerRunsNoMore) {
  int mainWindowsMade = 0;
  rt::SetStartupTraceListener(
      [&](std::string_view step) { mainWindowsMade += step == "Window ControlWnd.ControlWnd"; });
  const int code = Run([this] {
    rt::Window* splash = rt::GetImplicitWindow(AboutWnd::kClassName);
    runtimetest::PressKey(splash, Qt::Key_Return, "\r");
    platform.AdvanceClock(1000);
    rt::GetImplicitWindow(ControlWnd::kClassName)->Close();
    // The splash's timer falls due while the program is ending.
    platform.AdvanceClock(3000);
  });
  EXPECT_EQ(code, 0);
  EXPECT_EQ(mainWindowsMade, 1);
}

TEST_F(StartupTest, AnExceptionInAnEventHandlerIsShownAndTheProgramGoesOn) {
  bool stillRunning = false;
  platform.ExpectMessage("handler failed");
  const int code = Run([&] {
    rt::Window* splash = rt::GetImplicitWindow(AboutWnd::kClassName);
    splash->AddMenuHandler("Print", []() -> bool { throw rt::RuntimeException("handler failed"); });
    testsupport::Choose(*splash, "Print");
    stillRunning = rt::GetImplicitWindow(AboutWnd::kClassName) != nullptr;
    rt::Quit(0);
  });
  EXPECT_EQ(code, 0);
  EXPECT_TRUE(stillRunning);
}

}  // namespace
