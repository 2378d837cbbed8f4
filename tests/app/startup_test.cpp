#include "app/startup.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMetaObject>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "app/menu.h"
#include "runtime/core/exceptions.h"
#include "runtime/core/startup_trace.h"
#include "runtime/gui/open_windows.h"
#include "runtime/gui/quit.h"
#include "tests/windows/program_fixture.h"

namespace {

using ::testing::ElementsAreArray;

// Runs the whole program, start-up to exit code, in the test process. `whileRunning` runs once
// the event loop has started; it must end the program.
class StartupTest : public testsupport::GuiTest {
 protected:
  void TearDown() override {
    rt::SetStartupTraceListener(nullptr);
    GuiTest::TearDown();
  }

  // The code that `whileRunning` leaves the program to end with; kHung when it did not end it.
  int Run(std::function<void()> whileRunning) {
    script_ = std::move(whileRunning);
    loopRan_ = false;
    queued_ = false;
    rt::SetStartupTraceListener([this](std::string_view step) {
      steps.emplace_back(step);
      if (step == failAt) throw rt::RuntimeException("injected failure at " + failAt);
      // The framework exists once the default window is being made: queue the script for the loop.
      if (step == "Window AboutWnd.AboutWnd" && !queued_) {
        queued_ = true;
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [this] {
              loopRan_ = true;
              QTimer::singleShot(10'000, QCoreApplication::instance(), [] { rt::Quit(kHung); });
              script_();
            },
            Qt::QueuedConnection);
      }
    });
    char name[] = "quorvane";
    char* argv[] = {name, nullptr};
    return quorvane::RunProgram(1, argv);
  }

  bool LoopRan() const { return loopRan_; }

  static constexpr int kHung = 99;

  std::vector<std::string> steps;
  std::string failAt;

 private:
  std::function<void()> script_;
  bool loopRan_ = false;
  bool queued_ = false;
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
    const int code = Run([] {});
    EXPECT_EQ(code, 1);
    EXPECT_FALSE(LoopRan());
    ASSERT_FALSE(platform.MessagesShown().empty());
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
  const int code = Run([this] {
    rt::Window* splash = rt::GetImplicitWindow(AboutWnd::kClassName);
    runtimetest::PressKey(splash, Qt::Key_Return, "\r");
    platform.AdvanceClock(1000);
    rt::GetImplicitWindow(ControlWnd::kClassName)->Close();
    // The splash's timer falls due while the program is ending.
    platform.AdvanceClock(3000);
  });
  EXPECT_EQ(code, 0);
  EXPECT_EQ(std::count(steps.begin(), steps.end(), "Window ControlWnd.ControlWnd"), 1);
}

TEST_F(StartupTest, AnExceptionInAnEventHandlerIsShownAndTheProgramGoesOn) {
  bool laterEventRan = false;
  platform.ExpectMessage("handler failed");
  const int code = Run([&] {
    rt::Window* splash = rt::GetImplicitWindow(AboutWnd::kClassName);
    splash->AddMenuHandler("Print", []() -> bool { throw rt::RuntimeException("handler failed"); });
    testsupport::Choose(*splash, "Print");
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [&] {
          laterEventRan = true;
          rt::Quit(0);
        },
        Qt::QueuedConnection);
  });
  EXPECT_EQ(code, 0);
  EXPECT_TRUE(laterEventRan) << "the event loop went on after the exception";
}

}  // namespace
