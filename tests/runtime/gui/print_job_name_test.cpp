#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/gui/printing.h"
#include "runtime/gui/window_registry.h"
#include "tests/support/runtime_test_windows.h"

namespace runtimetest {
namespace {

// Each window opens the print dialog from one of its own events.
class PrintFromButtonWnd : public FormWnd {
 public:
  void GoBtn_Action(rt::PushButton& /*button*/) override { rt::OpenPrinterDialog(); }
};

class PrintFromKeyWnd : public EventWnd {
 public:
  bool Event_KeyDown(const rt::String& /*key*/) override {
    rt::OpenPrinterDialog();
    return true;
  }
};

using PrintJobNameTest = RuntimeTest;

TEST_F(PrintJobNameTest, IsTheTitleOfTheWindowWhoseEventStartsThePrint) {
  FormWnd::Register();  // titled "Quorvane"
  EventWnd::Register({"Layout", "CreateControls", "KeyDown"});
  EventWnd::windowLayout = WindowLayout(300, 200);  // titled "Test"
  auto* form = new PrintFromButtonWnd;
  form->Constructor();
  auto* other = new PrintFromKeyWnd;
  other->Constructor();
  EventWnd::windowLayout.clear();
  ProcessEvents();

  platform.CancelPrint();
  form->GoBtn().Push();
  platform.CancelPrint();
  PressKey(other->ControlByName("Field")->Widget(), Qt::Key_A, "a");
  platform.CancelPrint();
  form->GoBtn().Push();
  platform.CancelPrint();
  rt::OpenPrinterDialog();  // outside every event

  EXPECT_EQ(platform.PrintJobNames(),
            (std::vector<std::string>{"Quorvane", "Test", "Quorvane", "Untitled"}));
}

}  // namespace
}  // namespace runtimetest
