#include "runtime/gui/window_input_filter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>

#include "runtime/gui/key_text.h"
#include "runtime/gui/menu_bar_widget.h"
#include "runtime/gui/menu_item.h"
#include "runtime/gui/window.h"

namespace rt {

namespace {

bool IsWithin(const QWidget* widget, const QWidget* area) {
  return area != nullptr && (widget == area || area->isAncestorOf(widget));
}

// Shows each key and mouse press to the KeyDown and MouseDown events of the window it happens in,
// before the widget under it sees it, whichever of the window's widgets that is. An application
// filter sees an event again at every parent it propagates to, so a press the window lets through
// is delivered on from here, with the window's own look-out switched off meanwhile.
//
// The menu bar lies outside the window's content: a press on it, F10 that opens it, or a key it
// takes while the user moves through its menus, is the bar's alone. The key of an item's shortcut
// first brings the items' enabled state up to date; the shortcut of an item that would do nothing
// does nothing.
class WindowInputFilter : public QObject {
 public:
  using QObject::QObject;

  bool eventFilter(QObject* receiver, QEvent* event) override {
    const QEvent::Type type = event->type();
    // A key's ShortcutOverride travels up from the focused widget to the window before the key
    // itself is pressed or released; the key is looked up among the items once on that way, and
    // the items updated then if it is one's shortcut.
    if (type == QEvent::KeyPress || type == QEvent::KeyRelease) shortcutLookedUpForKey_ = false;
    if (type != QEvent::KeyPress && type != QEvent::MouseButtonPress &&
        type != QEvent::ShortcutOverride) {
      return false;
    }
    if (!receiver->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(receiver);
    auto* window = dynamic_cast<Window*>(widget->window());
    if (window == nullptr || window == passingOn_) return false;

    if (type == QEvent::ShortcutOverride) {
      // Qt looks for a matching shortcut right after this; it finds the items as they are now.
      if (!shortcutLookedUpForKey_) {
        shortcutLookedUpForKey_ = true;
        if (ItemOfShortcut(*window, *static_cast<QKeyEvent*>(event)) != nullptr) {
          UpdateMenuItems(*window);
        }
      }
      return false;
    }
    if (IsWithin(widget, window->MenuBarWidget())) {
      // Passed on so that, should the bar not take it, it does not reach the window on its way up.
      PassOn(window, receiver, event);
      event->accept();
      return true;
    }

    // The window's handler may delete the widget or close the window.
    QPointer<QObject> target(receiver);
    bool dropped = false;
    if (type == QEvent::KeyPress) {
      const auto& key = *static_cast<QKeyEvent*>(event);
      if (OpenMenuBarByKey(*window, key)) {
        event->accept();
        return true;
      }
      const MenuItem* item = ItemOfShortcut(*window, key);
      if (item != nullptr && item->AutoEnable() && !ChoosingDoesSomething(*window, *item)) {
        event->accept();
        return true;
      }
      if (!window->WantsKeyDown()) return false;
      const std::optional<String> text = KeyDownText(key);
      if (!text) return false;
      dropped = window->DeliverKeyDown(*text);
    } else {
      const QPoint inWidget = static_cast<QMouseEvent*>(event)->position().toPoint();
      const QPoint inWindow = widget == window ? inWidget : widget->mapTo(window, inWidget);
      const QPoint inContent = window->ContentArea()->mapFrom(window, inWindow);
      if (!IsWithin(widget, window->ContentArea()) &&
          !window->ContentArea()->rect().contains(inContent)) {
        return false;
      }
      if (!window->WantsMouseDown()) return false;
      dropped = window->DeliverMouseDown(inContent.x(), inContent.y());
    }
    if (!dropped && !target.isNull()) PassOn(window, receiver, event);
    // Accepted, so that Qt does not hand it to the parents once more.
    event->accept();
    return true;
  }

 private:
  void PassOn(Window* window, QObject* receiver, QEvent* event) {
    QPointer<Window> previous = passingOn_;
    passingOn_ = window;
    QCoreApplication::sendEvent(receiver, event);
    passingOn_ = previous;
  }

  QPointer<Window> passingOn_;
  bool shortcutLookedUpForKey_ = false;
};

}  // namespace

void InstallWindowInputFilter() {
  static QPointer<WindowInputFilter> installed;
  if (installed || QCoreApplication::instance() == nullptr) return;
  installed = new WindowInputFilter(QCoreApplication::instance());
  QCoreApplication::instance()->installEventFilter(installed);
}

}  // namespace rt
