#include "windows/about_wnd.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

#include "runtime/gui/canvas.h"
#include "runtime/gui/label.h"
#include "runtime/gui/open_windows.h"
#include "runtime/gui/quit.h"
#include "runtime/gui/timer.h"
#include "tests/windows/program_fixture.h"

namespace {

using testsupport::Choose;
using testsupport::MenuBarOf;

using runtimetest::PressKey;
using runtimetest::PressMouse;
using runtimetest::ProcessEvents;

constexpr std::int64_t kSplashMs = 4000;

// The splash window's life, driven by the scripted clock: nothing here waits real seconds.
class AboutWndTest : public testsupport::ProgramFixture {
 protected:
  // As start-up leaves the program: the splash window alone.
  AboutWnd& StartUp() {
    AboutWnd& splash = quorvane::AboutWnd();
    ProcessEvents();
    return splash;
  }

  static bool MainWindowShown() {
    rt::Window* main = rt::GetImplicitWindow(ControlWnd::kClassName);
    return main != nullptr && main->isVisible();
  }
};

TEST_F(AboutWndTest, TheSplashStandsAloneUntilItsTimerFiresAt4000Ms) {
  AboutWnd& splash = StartUp();
  EXPECT_TRUE(splash.isVisible());
  EXPECT_EQ(rt::OpenWindows().size(), 1u) << "the main window is not made before the splash";
  platform.AdvanceClock(kSplashMs - 1);
  EXPECT_TRUE(splash.isVisible());
  EXPECT_EQ(OpenWindowsOf(ControlWnd::kClassName), 0);

  platform.AdvanceClock(1);
  EXPECT_FALSE(splash.isVisible());
  EXPECT_TRUE(splash.IsOpen()) << "hidden, not closed";
  EXPECT_TRUE(MainWindowShown());
}

TEST_F(AboutWndTest, AnyKeyOrMousePressGivesWayAtOnce) {
  struct Row {
    const char* name;
    std::function<void(AboutWnd&)> press;
  };
  const Row rows[] = {
      {"a letter", [](AboutWnd& w) { PressKey(&w, Qt::Key_A, "a"); }},
      {"Escape", [](AboutWnd& w) { PressKey(&w, Qt::Key_Escape, "\x1b"); }},
      {"Return", [](AboutWnd& w) { PressKey(&w, Qt::Key_Return, "\r"); }},
      {"F1", [](AboutWnd& w) { PressKey(&w, Qt::Key_F1); }},
      {"F5", [](AboutWnd& w) { PressKey(&w, Qt::Key_F5); }},
      {"F12", [](AboutWnd& w) { PressKey(&w, Qt::Key_F12); }},
      {"Insert", [](AboutWnd& w) { PressKey(&w, Qt::Key_Insert); }},
      {"Print", [](AboutWnd& w) { PressKey(&w, Qt::Key_Print); }},
      {"Pause", [](AboutWnd& w) { PressKey(&w, Qt::Key_Pause); }},
      {"Menu", [](AboutWnd& w) { PressKey(&w, Qt::Key_Menu); }},
      {"a press on the window",
       [](AboutWnd& w) {
         PressMouse(w.ContentArea(), {5, 200});
       }},
      {"a press on the banner",
       [](AboutWnd& w) {
         PressMouse(w.Canvas1().Widget(), {10, 10});
       }},
      {"a press on the notice",
       [](AboutWnd& w) {
         PressMouse(w.StaticText5().Widget(), {3, 3});
       }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    AboutWnd& splash = StartUp();
    row.press(splash);
    EXPECT_FALSE(splash.isVisible());
    EXPECT_TRUE(MainWindowShown());
    GuiTest::TearDown();
  }
}

// A modifier or lock key pressed alone is no key press of its own.
TEST_F(AboutWndTest, AModifierAloneLeavesTheSplashShown) {
  AboutWnd& splash = StartUp();
  for (const int key : {Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt, Qt::Key_Meta, Qt::Key_CapsLock,
                        Qt::Key_NumLock}) {
    PressKey(&splash, key);
  }
  EXPECT_TRUE(splash.isVisible());
  EXPECT_EQ(OpenWindowsOf(ControlWnd::kClassName), 0);
}

// The bar is no part of the window's content: pressing on it works the menus and leaves the
// splash where it is.
TEST_F(AboutWndTest, APressOnTheMenuBarOpensTheMenuAndTheSplashStays) {
  AboutWnd& splash = StartUp();
  QMenuBar* bar = MenuBarOf(splash);
  ASSERT_NE(bar, nullptr);
  auto* windowMenu = bar->findChild<QMenu*>(QStringLiteral("WindowMenu"));
  ASSERT_NE(windowMenu, nullptr);

  PressMouse(bar, bar->actionGeometry(windowMenu->menuAction()).center());
  EXPECT_TRUE(windowMenu->isVisible()) << "the Window menu opens";
  EXPECT_TRUE(splash.isVisible());
  EXPECT_EQ(OpenWindowsOf(ControlWnd::kClassName), 0) << "the splash has not given way";
  windowMenu->hide();

  // A choice in a menu opened by the mouse does what it does from every window.
  auto* fileMenu = bar->findChild<QMenu*>(QStringLiteral("UntitledMenu2"));
  ASSERT_NE(fileMenu, nullptr);
  PressMouse(bar, bar->actionGeometry(fileMenu->menuAction()).center());
  ASSERT_TRUE(fileMenu->isVisible());
  QAction* quit = fileMenu->findChild<QAction*>(QStringLiteral("FileQuit"));
  ASSERT_NE(quit, nullptr);
  const int quitsBefore = rt::QuitCalls();
  runtimetest::ClickMouse(fileMenu, fileMenu->actionGeometry(quit).center());
  EXPECT_EQ(rt::QuitCalls(), quitsBefore + 1);
  EXPECT_FALSE(fileMenu->isVisible());
  EXPECT_TRUE(splash.isVisible());
  EXPECT_EQ(OpenWindowsOf(ControlWnd::kClassName), 0);
}

// Alt or F10 puts the bar in its keyboard mode; the keys that then move through the menus are
// the bar's, not the window's.
TEST_F(AboutWndTest, KeysThatMoveThroughTheBarLeaveTheSplashShown) {
  AboutWnd& splash = StartUp();
  QMenuBar* bar = MenuBarOf(splash);
  ASSERT_NE(bar, nullptr);
  auto* fileMenu = bar->findChild<QMenu*>(QStringLiteral("UntitledMenu2"));
  auto* windowMenu = bar->findChild<QMenu*>(QStringLiteral("WindowMenu"));
  ASSERT_NE(fileMenu, nullptr);
  ASSERT_NE(windowMenu, nullptr);

  PressKey(&splash, Qt::Key_F10);
  ASSERT_TRUE(fileMenu->isVisible()) << "F10 opens the first menu";
  PressKey(QApplication::activePopupWidget(), Qt::Key_Right);
  ASSERT_TRUE(windowMenu->isVisible());
  PressKey(QApplication::activePopupWidget(), Qt::Key_Left);
  EXPECT_TRUE(fileMenu->isVisible());
  EXPECT_TRUE(splash.isVisible());
  EXPECT_EQ(OpenWindowsOf(ControlWnd::kClassName), 0);
  for (QMenu* menu : bar->findChildren<QMenu*>()) menu->hide();
}

TEST_F(AboutWndTest, KeyAndMouseHandlersAnswerFalse) {
  AboutWnd& splash = StartUp();
  EXPECT_FALSE(splash.Event_KeyDown("x"));
  EXPECT_FALSE(splash.Event_MouseDown(1, 2));
}

TEST_F(AboutWndTest, AfterAnEarlyDismissalTheTimerShowsTheSameMainWindowAgain) {
  AboutWnd& splash = StartUp();
  platform.AdvanceClock(1000);
  PressKey(&splash, Qt::Key_Space, " ");
  ControlWnd& main = quorvane::ControlWnd();
  ProcessEvents();
  EXPECT_TRUE(main.isVisible());

  // The user opens About from the logo; the timer, still pending, takes it away at 4000 ms.
  PressMouse(main.Canvas1().Widget(), {20, 20});
  EXPECT_TRUE(splash.isVisible());
  main.hide();
  platform.AdvanceClock(kSplashMs - 1000);
  EXPECT_FALSE(splash.isVisible());
  EXPECT_TRUE(main.isVisible()) << "shown once more";
  EXPECT_EQ(OpenWindowsOf(ControlWnd::kClassName), 1) << "no second main window";
  EXPECT_EQ(&quorvane::ControlWnd(), &main);
}

TEST_F(AboutWndTest, AnAboutBoxAfterTheTimerStaysUntilDismissedOrTheMainWindowIsActive) {
  StartUp();
  platform.AdvanceClock(kSplashMs);
  ControlWnd& main = quorvane::ControlWnd();
  ProcessEvents();

  quorvane::AboutWnd().Show();
  platform.AdvanceClock(10 * kSplashMs);
  EXPECT_TRUE(quorvane::AboutWnd().isVisible()) << "its timer is spent";

  main.Event_Activate();
  EXPECT_FALSE(quorvane::AboutWnd().isVisible());

  Choose(main, "AboutMenuItem");
  EXPECT_TRUE(quorvane::AboutWnd().isVisible());
  PressMouse(quorvane::AboutWnd().ContentArea(), {1, 1});
  EXPECT_FALSE(quorvane::AboutWnd().isVisible());
  EXPECT_TRUE(main.isVisible());
}

TEST_F(AboutWndTest, AClosedSplashIsMadeAnewWithANewTimer) {
  StartUp();
  platform.AdvanceClock(kSplashMs);
  ControlWnd& main = quorvane::ControlWnd();
  ProcessEvents();
  AboutWnd* first = &quorvane::AboutWnd();
  first->Close();
  ProcessEvents();
  EXPECT_EQ(OpenWindowsOf(AboutWnd::kClassName), 0);

  // The main window's activation makes a new splash window and hides it at once.
  platform.AdvanceClock(1000);
  main.Event_Activate();
  AboutWnd& second = quorvane::AboutWnd();
  EXPECT_FALSE(second.isVisible());
  EXPECT_EQ(second.Timer1().RunMode(), rt::Timer::kSingle) << "a new pending timer";

  // About within its 4000 ms shows it only until that timer fires.
  main.hide();
  PressMouse(main.Canvas1().Widget(), {20, 20});
  EXPECT_TRUE(second.isVisible());
  platform.AdvanceClock(kSplashMs - 1);
  EXPECT_TRUE(second.isVisible());
  platform.AdvanceClock(1);
  EXPECT_FALSE(second.isVisible());
  EXPECT_TRUE(main.isVisible());
}

TEST_F(AboutWndTest, AnActivationThatMakesANewSplashLeavesTheMainWindowActive) {
  StartUp();
  platform.AdvanceClock(kSplashMs);
  ControlWnd& main = quorvane::ControlWnd();
  DescriptionWnd& help = quorvane::DescriptionWnd();
  quorvane::AboutWnd().Close();
  ProcessEvents();
  help.activateWindow();
  ProcessEvents();
  ASSERT_EQ(QApplication::activeWindow(), &help);

  // The user comes back to the main window: its Activate event makes a splash window and hides
  // it at once, and the activation must not end up in the help window.
  main.activateWindow();
  // Activations come as events of their own, each of which may ask for another.
  for (int i = 0; i < 20; ++i) ProcessEvents();
  EXPECT_EQ(QApplication::activeWindow(), &main);
  EXPECT_EQ(OpenWindowsOf(AboutWnd::kClassName), 1);
  EXPECT_FALSE(quorvane::AboutWnd().isVisible());
}

TEST_F(AboutWndTest, ATimerOfAClosedSplashDoesNothing) {
  AboutWnd& splash = StartUp();
  splash.Close();
  ProcessEvents();
  platform.AdvanceClock(kSplashMs);
  EXPECT_TRUE(rt::OpenWindows().empty()) << "no main window appears";
}

TEST_F(AboutWndTest, ShowsItsPicturesAndNotice) {
  AboutWnd& splash = StartUp();
  EXPECT_EQ(splash.Title().ToUtf8(), "");
  EXPECT_EQ(splash.ContentArea()->size(), QSize(415, 280));
  EXPECT_NE(splash.Canvas1().Backdrop(), nullptr);
  EXPECT_NE(splash.Canvas2().Backdrop(), nullptr);
  EXPECT_EQ(splash.Canvas1().Backdrop(), quorvane::ControlWnd().Canvas1().Backdrop())
      << "one picture for both windows";
  EXPECT_EQ(splash.StaticText5().Text().ToUtf8(),
            "Copyright (c) 2002-2020 the Quorvane team. All rights reserved.");
  EXPECT_EQ(splash.Timer1().Period(), kSplashMs);
}

}  // namespace
