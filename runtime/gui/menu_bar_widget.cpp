#include "runtime/gui/menu_bar_widget.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextEdit>
#include <functional>

#include "runtime/gui/exception_edge.h"
#include "runtime/gui/menu_item.h"
#include "runtime/gui/qt_text.h"
#include "runtime/gui/text_field.h"
#include "runtime/gui/window.h"

namespace rt {

namespace {

void Paste(QLineEdit& edit) {
  TextField::Paste(edit);
}

template <class Edit>
void Paste(Edit& edit) {
  edit.paste();
}

// The focused text control does the standard edits itself: no window of the program answers
// them.
template <class Edit>
bool EditWith(Edit* edit, const String& itemName) {
  if (edit == nullptr) return false;
  if (itemName == String("EditUndo")) {
    edit->undo();
  } else if (itemName == String("EditCut")) {
    edit->cut();
  } else if (itemName == String("EditCopy")) {
    edit->copy();
  } else if (itemName == String("EditPaste")) {
    Paste(*edit);
  } else {
    return false;
  }
  return true;
}

bool StandardEdit(const String& itemName) {
  QWidget* focus = QApplication::focusWidget();
  if (focus == nullptr) return false;
  return EditWith(qobject_cast<QLineEdit*>(focus), itemName) ||
         EditWith(qobject_cast<QPlainTextEdit*>(focus), itemName) ||
         EditWith(qobject_cast<QTextEdit*>(focus), itemName);
}

void Choose(Window& window, MenuItem& item) {
  if (window.HasMenuHandler(item.Name())) {
    window.HandleMenuItem(item.Name());
    return;
  }
  CallProgramHandler([&item] {
    if (!item.DefaultAction()) StandardEdit(item.Name());
  });
}

bool Shown(const MenuItem& item) {
  return item.Visible() && !item.Text().IsEmpty();
}

void AddItems(QMenu& menu, MenuItem& model, Window& window) {
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
      AddItems(*submenu, item, window);
      action->setMenu(submenu);
      continue;
    }
    QPointer<Window> target(&window);
    MenuItem* chosen = &item;
    QObject::connect(action, &QAction::triggered, action, [target, chosen] {
      if (target) Choose(*target, *chosen);
    });
  }
}

}  // namespace

QMenuBar* BuildMenuBarWidget(MenuBar& bar, Window& window) {
  auto* widget = new QMenuBar;
  widget->setObjectName(QStringLiteral("MenuBar"));
  // Shown inside the window on every desktop, so that each window's shortcuts are its own.
  widget->setNativeMenuBar(false);
  for (std::size_t i = 0; i < bar.Count(); ++i) {
    MenuItem& top = bar.Item(i);
    if (!Shown(top)) continue;
    QMenu* menu = widget->addMenu(ToQString(top.Text()));
    menu->setObjectName(ToQString(top.Name()));
    AddItems(*menu, top, window);
    QPointer<Window> target(&window);
    QObject::connect(menu, &QMenu::aboutToShow, menu, [target] {
      if (target) target->EnableMenuItems();
    });
  }
  return widget;
}

}  // namespace rt
