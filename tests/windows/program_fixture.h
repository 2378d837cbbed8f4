#pragma once

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <cstdint>
#include <string>

#include "analysis/file_types.h"
#include "runtime/gui/application.h"
#include "runtime/gui/menu_item.h"
#include "runtime/gui/open_windows.h"
#include "tests/support/gui_test.h"
#include "tests/support/runtime_test_windows.h"
#include "windows/about_wnd.h"
#include "windows/control_wnd.h"
#include "windows/description_wnd.h"
#include "windows/window_accessors.h"

namespace testsupport {

// The menu bar the window shows, or nullptr.
inline QMenuBar* MenuBarOf(rt::Window& window) {
  return window.findChild<QMenuBar*>(QStringLiteral("MenuBar"));
}

// The item of that Name in the window's menu bar, as the user would choose it.
inline QAction* MenuAction(rt::Window& window, const char* name) {
  QMenuBar* bar = MenuBarOf(window);
  if (bar == nullptr) return nullptr;
  return bar->findChild<QAction*>(QString::fromLatin1(name));
}

// Opens the menu that holds `item`, as the user does before choosing it: opening settles whether
// its items can be chosen. The open menu, for the caller to hide; nullptr when it is in none.
inline QMenu* OpenMenuOf(rt::Window& window, QAction& item) {
  auto* menu = qobject_cast<QMenu*>(item.parent());
  if (menu != nullptr) menu->popup(window.mapToGlobal(QPoint(0, 0)));
  return menu;
}

// The menu opens first; a greyed item does nothing.
inline void Choose(rt::Window& window, const char* name) {
  QAction* action = MenuAction(window, name);
  ASSERT_NE(action, nullptr) << name;
  if (QMenu* menu = OpenMenuOf(window, *action)) menu->hide();
  action->trigger();
}

// The items the windows answer, and Quit, under the program's names for them; the program's own
// bar is the application layer's and is tested there.
inline rt::MenuBar& WindowItemsBar() {
  static rt::MenuBar* const bar = [] {
    using runtimetest::AddItem;
    auto* made = new rt::MenuBar;
    rt::MenuItem& file = AddItem(*made, "UntitledMenu2", "File");
    AddItem<rt::QuitMenuItem>(file, "FileQuit", "Quit");
    AddItem(file, "Print", "Print");
    rt::MenuItem& window = AddItem(*made, "WindowMenu", "Window");
    AddItem(window, "ControlMenuItem", "Control");
    AddItem(window, "DescriptionMenuItem", "Description");
    AddItem(window, "AboutMenuItem", "About");
    return made;
  }();
  return *bar;
}

// The program as start-up leaves it before its first window: the data-file type registered and
// an application object holding a menu bar. Windows are made by the test, through the program's
// accessors.
class ProgramFixture : public GuiTest {
 protected:
  void SetUp() override {
    if (!FileTypes1::Text()) FileTypes1::Initialize();
    auto application = std::make_unique<rt::Application>();
    application->SetMenuBar(&Bar());
    rt::RuntimeRegisterAppObject(std::move(application));
  }

  virtual rt::MenuBar& Bar() { return WindowItemsBar(); }

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
