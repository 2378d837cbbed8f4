#include <gmock/gmock.h>

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <stdexcept>

#include "runtime/core/exceptions.h"
#include "runtime/gui/delegate.h"
#include "runtime/gui/runtime_cast.h"
#include "runtime/gui/window_registry.h"
#include "tests/support/runtime_test_windows.h"

namespace runtimetest {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class EventsTest : public RuntimeTest {
 protected:
  void SetUp() override {
    FormWnd::Register();
    window = &rt::GetOrCreateWindow<FormWnd>(FormWnd::kClassName);
    ProcessEvents();
    window->log.clear();
  }

  QLineEdit& CountEditor() { return window->CountFld().Editor(); }

  FormWnd* window = nullptr;
};

TEST_F(EventsTest, KeyDownGetsEachKeyAsTextOrAsItsControlCharacter) {
  struct Row {
    const char* what;
    int key;
    QString text;
    const char* reported;  // nullptr: not reported
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
  };
  const std::vector<Row> rows = {
      {"a digit", Qt::Key_5, "5", "5"},
      {"an accented letter", Qt::Key_Eacute, QString::fromUtf8("é"), "é"},
      {"backspace without text", Qt::Key_Backspace, "", "<8>"},
      {"backspace with the platform's text", Qt::Key_Backspace, "\b", "<8>"},
      {"tab", Qt::Key_Tab, "", "<9>"},
      {"return", Qt::Key_Return, "", "<13>"},
      {"keypad enter", Qt::Key_Enter, "", "<13>"},
      {"escape", Qt::Key_Escape, "", "<27>"},
      {"left", Qt::Key_Left, "", "<28>"},
      {"right", Qt::Key_Right, "", "<29>"},
      {"up", Qt::Key_Up, "", "<30>"},
      {"down", Qt::Key_Down, "", "<31>"},
      {"delete", Qt::Key_Delete, "", "<127>"},
      {"home", Qt::Key_Home, "", "<1>"},
      {"end", Qt::Key_End, "", "<4>"},
      {"page up", Qt::Key_PageUp, "", "<11>"},
      {"page down", Qt::Key_PageDown, "", "<12>"},
      {"insert", Qt::Key_Insert, "", "<5>"},
      {"help", Qt::Key_Help, "", "<5>"},
      {"F1", Qt::Key_F1, "", "<16>"},
      {"F5", Qt::Key_F5, "", "<16>"},
      {"F12", Qt::Key_F12, "", "<16>"},
      {"print", Qt::Key_Print, "", "<16>"},
      {"pause", Qt::Key_Pause, "", "<16>"},
      {"menu", Qt::Key_Menu, "", "<16>"},
      {"a key the platform has no name for", Qt::Key_unknown, "", "<16>"},
      {"a function key with Ctrl held", Qt::Key_F5, "", "<16>", Qt::ControlModifier},
      {"shift alone", Qt::Key_Shift, "", nullptr, Qt::ShiftModifier},
      {"ctrl alone", Qt::Key_Control, "", nullptr, Qt::ControlModifier},
      {"alt alone", Qt::Key_Alt, "", nullptr, Qt::AltModifier},
      {"meta alone", Qt::Key_Meta, "", nullptr, Qt::MetaModifier},
      {"alt gr alone", Qt::Key_AltGr, "", nullptr},
      {"caps lock", Qt::Key_CapsLock, "", nullptr},
      {"num lock", Qt::Key_NumLock, "", nullptr},
      {"scroll lock", Qt::Key_ScrollLock, "", nullptr},
      {"a dead key, which only begins a character", Qt::Key_Dead_Acute, "", nullptr},
      {"compose", Qt::Key_Multi_key, "", nullptr},
  };
  for (const Row& row : rows) {
    window->log.clear();
    window->CountFld().SetFocus();
    PressKey(&CountEditor(), row.key, row.text, row.modifiers);
    if (row.reported == nullptr) {
      EXPECT_THAT(window->log, IsEmpty()) << row.what;
    } else {
      // Return goes on to push the default button; only the first entry is the key's.
      ASSERT_FALSE(window->log.empty()) << row.what;
      EXPECT_EQ(window->log.front(), std::string("KeyDown CountFld ") + row.reported) << row.what;
    }
  }
}

TEST_F(EventsTest, TrueFromKeyDownDropsTheKeyAndFalseLetsTheFieldTakeIt) {
  window->droppedKeys = "x";
  TypeText(&CountEditor(), "4x");
  EXPECT_EQ(window->CountFld().Text(), rt::String("4"));
  EXPECT_THAT(window->log, ElementsAre("KeyDown CountFld 4", "KeyDown CountFld x"));
}

TEST_F(EventsTest, EachFieldReportsItselfToTheSharedHandler) {
  TypeText(&window->CasesFld().Editor(), "1");
  TypeText(&window->CatsFld().Editor(), "2");
  EXPECT_THAT(window->log, ElementsAre("KeyDown CasesFld 1", "KeyDown CatsFld 2"));
}

TEST_F(EventsTest, AKeyHandlerThatRaisesIsShownAndTheKeyGoesThrough) {
  platform.ExpectMessage("The key filter failed");
  TypeText(&CountEditor(), "!");
  EXPECT_EQ(window->CountFld().Text(), rt::String("!"));
  EXPECT_EQ(window->CountFld().Editor().text(), "!");
  // The program goes on: the next key reaches the handler as usual.
  TypeText(&CountEditor(), "5");
  EXPECT_THAT(window->log, ElementsAre("KeyDown CountFld 5"));
}

TEST_F(EventsTest, ReturnInAFieldPushesTheFirstDefaultButton) {
  PressKey(&CountEditor(), Qt::Key_Return, "\r");
  EXPECT_THAT(window->log, ElementsAre("KeyDown CountFld <13>", "Action ClearBtn"));
}

TEST_F(EventsTest, ReturnPushesTheButtonTheWindowNames) {
  window->SetReturnKeyButton(&window->GoBtn());
  PressKey(&CountEditor(), Qt::Key_Enter);
  EXPECT_THAT(window->log, ElementsAre("KeyDown CountFld <13>", "Action GoBtn"));
}

TEST_F(EventsTest, AReturnTheKeyHandlerDropsPushesNothing) {
  window->droppedKeys = "\r";
  PressKey(&CountEditor(), Qt::Key_Return);
  EXPECT_THAT(window->log, ElementsAre("KeyDown CountFld <13>"));
}

TEST_F(EventsTest, AClickRunsTheButtonsAction) {
  ClickMouse(window->GoBtn().Widget(), {10, 10});
  window->ClearBtn().Push();
  EXPECT_THAT(window->log, ElementsAre("Action GoBtn", "Action ClearBtn"));
}

TEST_F(EventsTest, AnActionThatRaisesIsShownAndTheWindowStaysUsable) {
  window->failingHandler = "ClearBtn_Action";
  platform.ExpectMessage("Clear failed");
  ClickMouse(window->ClearBtn().Widget(), {10, 10});
  ClickMouse(window->GoBtn().Widget(), {10, 10});
  EXPECT_THAT(window->log, ElementsAre("Action GoBtn"));
  EXPECT_TRUE(window->IsOpen());
}

TEST_F(EventsTest, CanvasMouseDownGetsCanvasCoordinatesAndMouseExitTheLeaving) {
  PressMouse(window->Logo().Widget(), {12, 34});
  QEvent leave(QEvent::Leave);
  QCoreApplication::sendEvent(window->Logo().Widget(), &leave);
  EXPECT_THAT(window->log, ElementsAre("MouseDown Logo 12,34", "MouseExit Logo"));
}

TEST_F(EventsTest, APressOnTheLabelOverTheCanvasIsNotTheCanvasesUnlessPassedOn) {
  // The credit label takes no presses, so the canvas under it gets them, in its coordinates.
  PressMouse(window->Credit().Widget(), {5, 5});
  EXPECT_THAT(window->log, ElementsAre("MouseDown Logo 135,60"));
}

// A subclass overriding a handler: the delegate bound in the base class calls the override.
class OverridingWnd : public FormWnd {
 public:
  void GoBtn_Action(rt::PushButton&) override { log.push_back("overridden GoBtn"); }
};

TEST_F(EventsTest, DelegatesCallTheWindowsOverride) {
  OverridingWnd overriding;
  overriding.Constructor();
  overriding.GoBtn().Push();
  EXPECT_THAT(overriding.log, ElementsAre("Open", "overridden GoBtn"));
}

TEST_F(EventsTest, ADelegateWhoseFormDoesNotMatchItsHandlerRaises) {
  struct Row {
    const char* what;
    std::function<rt::Delegate()> make;
  };
  const std::vector<Row> rows = {
      {"another control class",
       [&] {
         return rt::RuntimeCreateDelegate(*window, &FormWnd::CountFld_KeyDown,
                                          "( PushButton, String ) as Boolean");
       }},
      {"the result left out",
       [&] {
         return rt::RuntimeCreateDelegate(*window, &FormWnd::CountFld_KeyDown,
                                          "( TextField, String )");
       }},
      {"a result the handler lacks",
       [&] {
         return rt::RuntimeCreateDelegate(*window, &FormWnd::GoBtn_Action,
                                          "( PushButton ) as Boolean");
       }},
      {"a parameter too many",
       [&] {
         return rt::RuntimeCreateDelegate(*window, &FormWnd::Logo_MouseExit, "( Canvas, Integer )");
       }},
      {"the coordinates as texts",
       [&] {
         return rt::RuntimeCreateDelegate(*window, &FormWnd::Logo_MouseDown,
                                          "( Canvas, String, String ) as Boolean");
       }},
  };
  for (const Row& row : rows) {
    EXPECT_THROW(row.make(), rt::IllegalCastException) << row.what;
  }
  // Spacing is not part of a form.
  EXPECT_EQ(rt::RuntimeCreateDelegate(*window, &FormWnd::CountFld_KeyDown,
                                      "(TextField,String)  as  Boolean")
                .Form(),
            "( TextField, String ) as Boolean");
}

TEST_F(EventsTest, BindingToAnEventTheClassLacksOrOfAnotherFormRaises) {
  const rt::Delegate action =
      rt::RuntimeCreateDelegate(*window, &FormWnd::GoBtn_Action, "( PushButton )");
  EXPECT_THROW(rt::RuntimeAddEventHandler(window->GoBtn(), 9, action),
               rt::UnsupportedFormatException);
  EXPECT_THROW(rt::RuntimeAddEventHandler(window->Credit(), 15, action),
               rt::UnsupportedFormatException);
  EXPECT_THROW(rt::RuntimeAddEventHandler(window->CountFld(), rt::TextField::kKeyDownEvent, action),
               rt::IllegalCastException);
  // The field's own handler is still bound.
  TypeText(&CountEditor(), "1");
  EXPECT_THAT(window->log, ElementsAre("KeyDown CountFld 1"));
}

TEST_F(EventsTest, ADelegateOfAWindowThatIsGoneDoesNothing) {
  auto* doomed = new FormWnd;
  doomed->Constructor();
  const rt::Delegate action =
      rt::RuntimeCreateDelegate(*doomed, &FormWnd::GoBtn_Action, "( PushButton )");
  delete doomed;
  rt::RuntimeAddEventHandler(window->GoBtn(), rt::PushButton::kActionEvent, action);
  window->GoBtn().Push();
  EXPECT_THAT(window->log, IsEmpty());
}

// A window with a timer, as the splash window has.
class TimerWnd : public rt::Window {
 public:
  static constexpr const char* kClassName = "TimerWnd.TimerWnd";
  static inline std::int64_t runMode = rt::Timer::kSingle;
  static inline int fired = 0;
  static inline bool raise = false;

  TimerWnd() : rt::Window(kClassName) {}
  void CreateControls() override {
    auto timer = New<rt::Timer>();
    timer->Constructor();
    AddControl(std::move(timer), "Timer1");
    rt::RuntimeCheckCast<rt::Timer>(ControlByName("Timer1"))
        .SetProperties(Encode({Integer("Period", 4000), Integer("RunMode", runMode)}));
    rt::RuntimeAddEventHandler(
        *ControlByName("Timer1"), rt::Timer::kActionEvent,
        rt::RuntimeCreateDelegate(*this, &TimerWnd::Timer1_Action, "( Timer )"));
  }
  virtual void Timer1_Action(rt::Timer&) {
    ++fired;
    if (raise) throw rt::NilObjectException("Nil object in the timer");
  }
};

class TimerTest : public RuntimeTest {
 protected:
  void SetUp() override {
    rt::RegisterWindowClass(TimerWnd::kClassName, {"CreateControls"});
    TimerWnd::runMode = rt::Timer::kSingle;
    TimerWnd::fired = 0;
    TimerWnd::raise = false;
  }
};

TEST_F(TimerTest, ASingleTimerFiresOnceWhenItsPeriodHasPassed) {
  auto& window = rt::GetOrCreateWindow<TimerWnd>(TimerWnd::kClassName);
  platform.AdvanceClock(3999);
  EXPECT_EQ(TimerWnd::fired, 0);
  platform.AdvanceClock(1);
  EXPECT_EQ(TimerWnd::fired, 1);
  platform.AdvanceClock(20000);
  EXPECT_EQ(TimerWnd::fired, 1);
  EXPECT_EQ(rt::RuntimeCheckCast<rt::Timer>(window.ControlByName("Timer1")).RunMode(),
            rt::Timer::kOff);
}

TEST_F(TimerTest, AMultipleTimerFiresEveryPeriod) {
  TimerWnd::runMode = rt::Timer::kMultiple;
  rt::GetOrCreateWindow<TimerWnd>(TimerWnd::kClassName);
  platform.AdvanceClock(12000);
  EXPECT_EQ(TimerWnd::fired, 3);
}

TEST_F(TimerTest, TheTimerOfAClosedWindowDoesNothing) {
  auto& window = rt::GetOrCreateWindow<TimerWnd>(TimerWnd::kClassName);
  window.close();
  platform.AdvanceClock(4000);  // before the closed window is deleted
  ProcessEvents();
  platform.AdvanceClock(4000);
  EXPECT_EQ(TimerWnd::fired, 0);
}

TEST_F(TimerTest, ATimerActionThatRaisesIsShown) {
  TimerWnd::raise = true;
  rt::GetOrCreateWindow<TimerWnd>(TimerWnd::kClassName);
  platform.ExpectMessage("Nil object in the timer");
  platform.AdvanceClock(4000);
  EXPECT_EQ(TimerWnd::fired, 1);
}

}  // namespace
}  // namespace runtimetest
