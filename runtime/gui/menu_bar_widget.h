#pragma once

class QKeyEvent;
class QMenuBar;

namespace rt {

class MenuBar;
class MenuItem;
class Window;

// The bar as `window` shows it: one Qt menu per top-level menu, "-" as a separator line, the
// CommandKey as the item's shortcut, and items and menus without text left out (they stay in the
// model). Choosing an item runs `window`'s handler of the item's name; without one, the item's own
// action (Quit for QuitMenuItem) or, for the standard Edit items, the edit on the focused text
// control. Before a menu opens, the items are enabled as UpdateMenuItems says.
QMenuBar* BuildMenuBarWidget(MenuBar& bar, Window& window);

// Whether choosing the item in `window` now would do something: a handler of its name there, an
// action of its own, or a standard edit that the focused text control can make.
bool ChoosingDoesSomething(Window& window, const MenuItem& item);

// Enables each AutoEnable item of the window's bar just when choosing it would do something, then
// delivers the window's EnableMenuItems event. Nothing without a bar.
void UpdateMenuItems(Window& window);

// The item of the window's bar whose shortcut the key is, or nullptr.
const MenuItem* ItemOfShortcut(Window& window, const QKeyEvent& key);

// F10 opens the first menu of the window's bar, so that the keys after it move through the menus
// (Alt alone puts the bar in its keyboard mode through Qt's own bar). True when the key did.
bool OpenMenuBarByKey(Window& window, const QKeyEvent& key);

}  // namespace rt
