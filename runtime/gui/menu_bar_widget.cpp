#include "runtime/gui/menu_bar_widget.h"

#include <QAction>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <utility>
#include <vector>

#include "runtime/gui/exception_edge.h"
#include "runtime/gui/menu_item.h"
#include "runtime/gui/qt_text.h"
#include "runtime/gui/standard_edit.h"
#include "runtime/gui/window.h"

namespace rt {

namespace {

void Choose(Window& window, MenuItem& item) {
  if (window.HasMenuHandler(item.Name())) {
    window.HandleMenuItem(item.Name());
    return;
  }
  CallProgramHandler([&window, &item] {
    if (!item.DefaultAction()) DoStandardEdit(window, item.Name());
  });
}

bool Shown(const MenuItem& item) {
  return item.Visible() && !item.Text().IsEmpty();
}

// One window's presentation of the bar. It remembers which action shows which item, so that the
// items' enabled state can follow the window's state.
class WindowMenuBar : public QMenuBar {
 public:
  WindowMenuBar(MenuBar& bar, Window& window) : window_(&window) {
    setObjectName(QStringLiteral("MenuBar"));
    // Shown inside the window on every desktop, so that each window's shortcuts are its own.
    setNativeMenuBar(false);
    for (std::size_t i = 0; i < bar.Count(); ++i) {
      MenuItem& top = bar.Item(i);
      if (!Shown(top)) continue;
      QMenu* menu = addMenu(ToQString(top.Text()));
      menu->setObjectName(ToQString(top.Name()));
      AddItems(*menu, top);
      QObject::connect(menu, &QMenu::aboutToShow, menu, [this] { UpdateItems(); });
    }
  }

  void UpdateItems() {
    if (!window_) return;
    for (const auto& [action, item] : items_) {
      if (item->AutoEnable()) action->setEnabled(ChoosingDoesSomething(*window_, *item));
    }
    window_->EnableMenuItems();
  }

  bool OpenFirstMenu() {
    for (QAction* action : actions()) {
      if (action->menu() == nullptr || !action->isVisible() || !action->isEnabled()) continue;
      setActiveAction(action);
      return true;
    }
    return false;
  }

  const MenuItem* ItemOfShortcut(const QKeySequence& key) const {
    for (const auto& [action, item] : items_) {
      if (!action->shortcut().isEmpty() && action->shortcut() == key) return item;
    }
    return nullptr;
  }

 private:
  void AddItems(QMenu& menu, MenuItem& model) {
    for (std::size_t i = 0; i < model.Count(); ++i) {
      MenuItem& item = model.Item(i);
      if (!Shown(item)) continue;
      if (item.IsSeparator()) {
        menu.addSeparator();
        continue;
      }
      QAction* action = menu.addAction(ToQString(item.Text()));
      action->setObjectName(ToQString(item.Name()));
      if (!item.CommandKey().IsEmpty()) {
        action->setShortcut(QKeySequence(ToQString(item.CommandKey()), QKeySequence::PortableText));
      }
      if (item.Count() > 0) {
        auto* submenu = new QMenu(&menu);
        AddItems(*submenu, item);
        action->setMenu(submenu);
        continue;
      }
      items_.emplace_back(action, &item);
      QPointer<Window> target = window_;
      MenuItem* chosen = &item;
      QObject::connect(action, &QAction::triggered, action, [target, chosen] {
        if (target) Choose(*target, *chosen);
      });
    }
  }

  QPointer<Window> window_;
  std::vector<std::pair<QAction*, MenuItem*>> items_;
};

WindowMenuBar* BarOf(Window& window) {
  return dynamic_cast<WindowMenuBar*>(window.MenuBarWidget());
}

}  // namespace

QMenuBar* BuildMenuBarWidget(MenuBar& bar, Window& window) {
  return new WindowMenuBar(bar, window);
}

bool ChoosingDoesSomething(Window& window, const MenuItem& item) {
  if (window.HasMenuHandler(item.Name())) return window.DeliversEvents();
  return item.HasDefaultAction() || CanDoStandardEdit(window, item.Name());
}

void UpdateMenuItems(Window& window) {
  if (WindowMenuBar* bar = BarOf(window)) bar->UpdateItems();
}

const MenuItem* ItemOfShortcut(Window& window, const QKeyEvent& key) {
  WindowMenuBar* bar = BarOf(window);
  if (bar == nullptr) return nullptr;
  return bar->ItemOfShortcut(QKeySequence(key.keyCombination()));
}

bool OpenMenuBarByKey(Window& window, const QKeyEvent& key) {
  if (key.key() != Qt::Key_F10 || (key.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
    return false;
  }
  WindowMenuBar* bar = BarOf(window);
  return bar != nullptr && bar->isVisible() && bar->OpenFirstMenu();
}

}  // namespace rt
