#include "app/menu.h"

#include <string>

#include "runtime/core/exceptions.h"

std::unique_ptr<Menu> Menu::implicitInstance;

namespace {

// The item, its properties set in the order the runtime expects them. A null `commandKey` leaves
// the shortcut unset (the separator has none).
template <class Item>
std::unique_ptr<rt::MenuItem> NewItem(const char* name, const char* text,
                                      const char* commandKey = "") {
  auto item = std::make_unique<Item>();
  item->Constructor();
  item->SetName(name);
  item->SetAutoEnable(true);
  item->SetText(text);
  item->SetVisible(true);
  if (commandKey != nullptr) item->SetCommandKey(commandKey);
  return item;
}

// Menus are found by Name afresh for each item; the builder keeps no reference to a menu.
void AppendTo(rt::MenuBar& bar, const char* menuName, std::unique_ptr<rt::MenuItem> item) {
  rt::MenuItem* menu = bar.Child(menuName);
  if (menu == nullptr) {
    throw rt::NilObjectException(std::string("Nil object: no menu ") + menuName);
  }
  menu->AddMenu(std::move(item));
}

}  // namespace

void Menu::Constructor() {
  Untitled0();
  Untitled1();
  Untitled2();
  Untitled3();
  Untitled4();
}

void Menu::Untitled0() {
  AddMenu(NewItem<rt::MenuItem>("UntitledMenu3", ""));
}

void Menu::Untitled1() {
  AddMenu(NewItem<rt::MenuItem>("UntitledMenu2", "File"));
  AppendTo(*this, "UntitledMenu2", NewItem<rt::QuitMenuItem>("FileQuit", "Quit", "Ctrl+Q"));
  AppendTo(*this, "UntitledMenu2", NewItem<rt::MenuItem>("Print", "Print", "Ctrl+P"));
  AppendTo(*this, "UntitledMenu2", NewItem<rt::MenuItem>("UntitledMenu8", ""));
}

void Menu::Untitled2() {
  AddMenu(NewItem<rt::MenuItem>("UntitledMenu0", "Edit"));
  AppendTo(*this, "UntitledMenu0", NewItem<rt::MenuItem>("EditUndo", "Undo", "Ctrl+Z"));
  AppendTo(*this, "UntitledMenu0", NewItem<rt::MenuItem>("UntitledMenu1", "-", nullptr));
  AppendTo(*this, "UntitledMenu0", NewItem<rt::MenuItem>("EditCut", "Cut", "Ctrl+X"));
  AppendTo(*this, "UntitledMenu0", NewItem<rt::MenuItem>("EditCopy", "Copy", "Ctrl+C"));
  AppendTo(*this, "UntitledMenu0", NewItem<rt::MenuItem>("EditPaste", "Paste", "Ctrl+V"));
  AppendTo(*this, "UntitledMenu0", NewItem<rt::MenuItem>("EditClear", ""));
  AppendTo(*this, "UntitledMenu0", NewItem<rt::MenuItem>("UntitledMenu7", ""));
}

void Menu::Untitled3() {
  AddMenu(NewItem<rt::MenuItem>("WindowMenu", "Window"));
  AppendTo(*this, "WindowMenu", NewItem<rt::MenuItem>("ControlMenuItem", "Control"));
  AppendTo(*this, "WindowMenu", NewItem<rt::MenuItem>("DescriptionMenuItem", "Description"));
  AppendTo(*this, "WindowMenu", NewItem<rt::MenuItem>("AboutMenuItem", "About Quorvane"));
  AppendTo(*this, "WindowMenu", NewItem<rt::MenuItem>("UntitledMenu6", ""));
  AppendTo(*this, "WindowMenu", NewItem<rt::AppleMenuItem>("UntitledMenu5", ""));
}

void Menu::Untitled4() {
  AddMenu(NewItem<rt::MenuItem>("UntitledMenu4", ""));
}

namespace quorvane {

::Menu& Menu() {
  if (!::Menu::implicitInstance) {
    auto bar = std::make_unique<::Menu>();
    bar->Constructor();
    ::Menu::implicitInstance = std::move(bar);
  }
  return *::Menu::implicitInstance;
}

}  // namespace quorvane
