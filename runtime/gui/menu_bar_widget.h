#pragma once

class QMenuBar;

namespace rt {

class MenuBar;
class Window;

// The bar as `window` shows it: one Qt menu per top-level menu, "-" as a separator line, the
// CommandKey as the item's shortcut, and items and menus without text left out (they stay in the
// model). Choosing an item runs `window`'s handler of the item's name; without one, the item's own
// action (Quit for QuitMenuItem) or, for the standard Edit items, the edit on the focused text
// control. Each menu delivers the window's EnableMenuItems event before it opens.
QMenuBar* BuildMenuBarWidget(MenuBar& bar, Window& window);

}  // namespace rt
