#include <gmock/gmock.h>

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <stdexcept>

#include "runtime/core/exceptions.h"
#include "runtime/gui/application.h"
#include "runtime/gui/menu_item.h"
#include "runtime/gui/open_windows.h"
#include "runtime/gui/quit.h"
#include "runtime/gui/window_registry.h"
#include "tests/support/runtime_test_windows.h"

namespace runtimetest {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class WindowTest : public RuntimeTest {
 protected:
  void SetUp() override {
    EventWnd::windowLayout.clear();
    EventWnd::Register({"Layout", "CreateControls", "AddMenuHandlers", "Open", "Activate", "Close",
                        "EnableMenuItems", "KeyDown", "MouseDown"});
  }
};

TEST_F(WindowTest, ConstructorRaisesTheBuildingEventsInOrderThenOpensAndShows) {
  auto& window = rt::GetOrCreateWindow<EventWnd>(EventWnd::kClassName);
  EXPECT_THAT(window.log, ElementsAre("Layout", "CreateControls", "AddMenuHandlers", "Open"));
  EXPECT_TRUE(window.IsOpen());
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(rt::GetImplicitWindow(EventWnd::kClassName), &window);
}

TEST_F(WindowTest, EventsTheClassDoesNotHandleAreNotDelivered) {
  EventWnd::Register({"Layout", "CreateControls"});
  auto& window = rt::GetOrCreateWindow<EventWnd>(EventWnd::kClassName);
  ProcessEvents();
  PressKey(window.ControlByName("Field")->Widget(), Qt::Key_A, "a");
  PressMouse(window.ContentArea(), {5, 5});
  window.EnableMenuItems();
  window.Close();
  EXPECT_THAT(window.log, ElementsAre("Layout", "CreateControls"));
}

// Qt offers a shortcut key to the focused widget and then to each of its parents; the items are
// brought up to date, and the window told, once a key press.
TEST_F(WindowTest, AShortcutKeyRaisesEnableMenuItemsOnceAPress) {
  rt::MenuBar bar;
  AddItem(AddItem(bar, "FileMenu", "File"), "Print", "Print").SetCommandKey("Ctrl+P");
  auto application = std::make_unique<rt::Application>();
  application->SetMenuBar(&bar);
  rt::RuntimeRegisterAppObject(std::move(application));
  EventWnd::windowLayout = Encode({Integer("Width", 300), Integer("Height", 200),
                                   Boolean("MenuBarVisible", true), Boolean("Visible", true)});

  auto& window = rt::GetOrCreateWindow<EventWnd>(EventWnd::kClassName);
  QWidget* field = window.ControlByName("Field")->Widget();
  field->setFocus();
  ProcessEvents();
  window.log.clear();
  QTest::keyClick(field, Qt::Key_P, Qt::ControlModifier);
  QTest::keyClick(field, Qt::Key_P, Qt::ControlModifier);
  EXPECT_EQ(std::count(window.log.begin(), window.log.end(), "EnableMenuItems"), 2);
  window.Close();
  rt::RuntimeReleaseAppObject();
}

TEST_F(WindowTest, ALayoutThatIsNotVisibleOpensTheWindowHidden) {
  EventWnd::windowLayout = WindowLayout(300, 200, false);
  auto& window = rt::GetOrCreateWindow<EventWnd>(EventWnd::kClassName);
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(rt::GetImplicitWindow(EventWnd::kClassName), &window);
  window.Show();
  EXPECT_TRUE(window.isVisible());
}

TEST_F(WindowTest, TheWindowLayoutSetsContentSizeTitleFrameAndBackground) {
  FormWnd::Register();
  auto& window = rt::GetOrCreateWindow<FormWnd>(FormWnd::kClassName);
  EXPECT_EQ(window.ContentArea()->size(), QSize(500, 520));
  EXPECT_EQ(window.ContentArea()->mapTo(&window, QPoint(0, 0)), QPoint(0, 0));
  // Not resizeable: the window is held at its size.
  EXPECT_EQ(window.minimumSize(), window.maximumSize());
  EXPECT_EQ(window.size(), QSize(500, 520));
  EXPECT_EQ(window.Title(), rt::String("Quorvane"));
  EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowCloseButtonHint));
  EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_TRUE(window.autoFillBackground());
  EXPECT_EQ(window.palette().color(QPalette::Window), QColor(255, 255, 255));
  EXPECT_TRUE(window.MenuBarVisible());
}

TEST_F(WindowTest, AResizeableWindowKeepsItsLimits) {
  EventWnd::windowLayout =
      Encode({Integer("Width", 415), Integer("Height", 280), Integer("MinimumWidth", 64),
              Integer("MinimumHeight", 64), Integer("MaximumWidth", 32000),
              Integer("MaximumHeight", 32000), Integer("Type", 2), Boolean("Resizeable", true)});
  auto& window = rt::GetOrCreateWindow<EventWnd>(EventWnd::kClassName);
  EXPECT_EQ(window.ContentArea()->size(), QSize(415, 280));
  EXPECT_EQ(window.minimumSize(), QSize(64, 64));
  EXPECT_TRUE(window.windowFlags().testFlag(Qt::Dialog));
}

TEST_F(WindowTest, AnUnknownWindowPropertyRaisesAndLeavesNoWindow) {
  EventWnd::windowLayout = Encode({Integer("Width", 300), Integer("MaximumCharactersAllowed", 2)});
  try {
    rt::GetOrCreateWindow<EventWnd>(EventWnd::kClassName);
    FAIL() << "no exception";
  } catch (const rt::UnsupportedFormatException& error) {
    EXPECT_STREQ(error.what(), "Window has no property MaximumCharactersAllowed");
  }
  EXPECT_EQ(rt::GetImplicitWindow(EventWnd::kClassName), nullptr);
  EXPECT_THAT(rt::OpenWindows(), IsEmpty());
}

TEST_F(WindowTest, GetOrCreateReturnsTheOpenWindowShownOrHiddenAndANewOneAfterTheUserClosesIt) {
  auto& first = rt::GetOrCreateWindow<EventWnd>(EventWnd::kClassName);
  first.Hide();
  EXPECT_EQ(&rt::GetOrCreateWindow<EventWnd>(EventWnd::kClassName), &first);
  first.Show();
  EXPECT_EQ(&rt::GetOrCreateWindow<EventWnd>(EventWnd::kClassName), &first);

  QPointer<EventWnd> closed(&first);
  first.close();  // as the close box does
  EXPECT_EQ(first.log.back(), "Close");
  EXPECT_EQ(rt::GetImplicitWindow(EventWnd::kClassName), nullptr);
  ProcessEvents();
  EXPECT_TRUE(closed.isNull());

  auto& second = rt::GetOrCreateWindow<EventWnd>(EventWnd::kClassName);
  EXPECT_THAT(second.log, ElementsAre("Layout", "CreateControls", "AddMenuHandlers", "Open"));
  EXPECT_TRUE(second.isVisible());
}

TEST_F(WindowTest, GetOrCreateRaisesWhenTheOpenWindowIsOfAnotherClass) {
  FormWnd::Register();
  rt::GetOrCreateWindow<FormWnd>(FormWnd::kClassName);
  EXPECT_THROW(rt::GetOrCreateWindow<EventWnd>(FormWnd::kClassName), rt::IllegalCastException);
}

TEST_F(WindowTest, ShowingMakesTheWindowActiveAndEachActivationIsDelivered) {
  auto& window = rt::GetOrCreateWindow<EventWnd>(EventWnd::kClassName);
  ProcessEvents();
  FormWnd::Register();
  auto& other = rt::GetOrCreateWindow<FormWnd>(FormWnd::kClassName);
  ProcessEvents();
  EXPECT_TRUE(other.isActiveWindow());
  window.Show();
  ProcessEvents();
  EXPECT_TRUE(window.isActiveWindow());
  EXPECT_EQ(std::count(window.log.begin(), window.log.end(), "Activate"), 2);
  EXPECT_THAT(other.log, ElementsAre("Open", "Activate"));
}

TEST_F(WindowTest, KeyAndMousePressesAnywhereInTheWindowReachItsEventsFirst) {
  auto& window = rt::GetOrCreateWindow<EventWnd>(EventWnd::kClassName);
  window.log.clear();
  QWidget* field = window.ControlByName("Field")->Widget();
  PressKey(field, Qt::Key_5, "5");
  PressKey(field, Qt::Key_Left);
  PressKey(field, Qt::Key_F5);     // stands for no character
  PressKey(field, Qt::Key_Shift);  // a modifier alone is no key press
  PressMouse(window.ControlByName("Pad")->Widget(), {7, 9});
  PressMouse(window.ControlByName("Button")->Widget(), {1, 2});
  PressMouse(window.ContentArea(), {250, 150});
  EXPECT_THAT(window.log, ElementsAre("KeyDown 5", "KeyDown <28>", "KeyDown <16>",
                                      "MouseDown 127,89", "MouseDown 11,42", "MouseDown 250,150"));
  // Let through, the key reached the field once.
  EXPECT_EQ(static_cast<QLineEdit*>(field)->text(), "5");
}

TEST_F(WindowTest, AKeyTheWindowDropsNeverReachesTheControl) {
  auto& window = rt::GetOrCreateWindow<EventWnd>(EventWnd::kClassName);
  window.dropInput = true;
  auto* field = static_cast<QLineEdit*>(window.ControlByName("Field")->Widget());
  TypeText(field, "42");
  EXPECT_EQ(field->text(), "");
}

TEST_F(WindowTest, MenuHandlersAnswerByItemName) {
  FormWnd::Register();
  auto& window = rt::GetOrCreateWindow<FormWnd>(FormWnd::kClassName);
  EXPECT_TRUE(window.HandleMenuItem("HelpMenuItem"));
  EXPECT_FALSE(window.HandleMenuItem("Print"));
  EXPECT_FALSE(window.HasMenuHandler("Print"));
  EXPECT_EQ(window.log.back(), "Menu HelpMenuItem");

  window.AddMenuHandler("Print", [] { return false; });
  EXPECT_TRUE(window.HasMenuHandler("Print"));
  EXPECT_FALSE(window.HandleMenuItem("Print"));
}

TEST_F(WindowTest, AMenuHandlerThatRaisesIsShownAndAnswersFalse) {
  FormWnd::Register();
  auto& window = rt::GetOrCreateWindow<FormWnd>(FormWnd::kClassName);
  window.failingHandler = "Help_Action";
  platform.ExpectMessage("Help failed");
  EXPECT_FALSE(window.HandleMenuItem("HelpMenuItem"));
}

TEST_F(WindowTest, EventQuestionAnswersFromTheClassRegistry) {
  EventWnd::Register({"Open", "KeyDown"});
  auto& window = rt::GetOrCreateWindow<EventWnd>(EventWnd::kClassName);
  EXPECT_TRUE(rt::RuntimeIsEventHandled(window, EventWnd::kClassName, "KeyDown", true));
  EXPECT_FALSE(rt::RuntimeIsEventHandled(window, EventWnd::kClassName, "MouseDown", true));
  EXPECT_FALSE(rt::RuntimeIsEventHandled(window, "NoSuchWnd.NoSuchWnd", "Open", true));
  EXPECT_FALSE(rt::RuntimeIsEventHandled(window, EventWnd::kClassName, "Open", false));
  EXPECT_THAT(window.log, ElementsAre("Open"));
}

TEST_F(WindowTest, QuitEndsTheRunningLoopWithItsCodeAndMayBeCalledAgainWhileEnding) {
  const int before = rt::QuitCalls();
  QTimer::singleShot(0, [] {
    rt::Quit(3);
    rt::Quit(0);
  });
  EXPECT_EQ(QCoreApplication::exec(), 3);
  EXPECT_EQ(rt::QuitCalls(), before + 2);
}

TEST_F(WindowTest, QuitWithNoLoopRunningLeavesLaterLoopsAlone) {
  rt::Quit(0);
  ProcessEvents();
  QTimer::singleShot(0, [] { QCoreApplication::exit(5); });
  EXPECT_EQ(QCoreApplication::exec(), 5);
}

}  // namespace
}  // namespace runtimetest
