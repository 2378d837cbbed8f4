#pragma once

#include <memory>

#include "runtime/gui/menu_item.h"

// The application's one menu bar, shown by every window. Windows answer its items by name:
// "Print", "ControlMenuItem", "DescriptionMenuItem", "AboutMenuItem"; "FileQuit" quits by itself.
class Menu : public rt::MenuBar {
 public:
  void Constructor();

  // Set once the first bar is complete; never cleared.
  static std::unique_ptr<Menu> implicitInstance;

 private:
  void Untitled0();  // an untitled menu
  void Untitled1();  // File
  void Untitled2();  // Edit
  void Untitled3();  // Window
  void Untitled4();  // a second untitled menu
};

namespace quorvane {
// The bar, built on the first call.
::Menu& Menu();
}  // namespace quorvane
