#pragma once

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <cstdint>
#include <string>

#include "analysis/control_wnd.h"
#include "app/file_types.h"
#include "app/menu.h"
#include "app/quorvane_application.h"
#include "app/window_accessors.h"
#include "runtime/gui/application.h"
#include "runtime/gui/window_registry.h"
#include "tests/gui/runtime_test_windows.h"
#include "tests/support/gui_test.h"
#include "windows/about_wnd.h"
#include "windows/description_wnd.h"

namespace testsupport {

// The item of that Name in the window's menu bar, as the user would choose it.
inline QAction* MenuAction(rt::Window& window, const char* name) {
  auto* bar = window.findChild<QMenuBar*>(QStringLiteral("MenuBar"));
  if (bar == nullptr) return nullptr;
  return bar->findChild<QAction*>(QString::fromLatin1(name));
}

// The menu opens first, which settles whether the item can be chosen; a greyed item does nothing.
inline void Choose(rt::Window& window, const char* name) {
  QAction* action = MenuAction(window, name);
  ASSERT_NE(action, nullptr) << name;
  if (auto* menu = qobject_cast<QMenu*>(action->parent())) {
    menu->popup(window.mapToGlobal(QPoint(0, 0)));
    menu->hide();
  }
  action->trigger();
}

// The program as start-up leaves it before its first window: the data-file type registered and
// the application object holding the menu bar. Windows are made by the test, through the
// program's accessors.
class ProgramFixture : public GuiTest {
 protected:
  void SetUp() override {
    if (!FileTypes1::Text()) FileTypes1::Initialize();
    auto application = std::make_unique<Quorvane>();
    application->SetMenuBar(&quorvane::Menu());
    rt::RuntimeRegisterAppObject(std::move(application));
  }

  void TearDown() override {
    GuiTest::TearDown();
    rt::RuntimeReleaseAppObject();
  }

  static int OpenWindowsOf(std::string_view className) {
    int count = 0;
    for (rt::Window* window : rt::OpenWindows()) count += window->ClassName() == className;
    return count;
  }
};

}  // namespace testsupport
