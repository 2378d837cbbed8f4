#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>

#include "runtime/gui/key_text.h"
#include "runtime/gui/open_windows.h"
#include "runtime/gui/window.h"

namespace rt {

namespace {

// Shows each key and mouse press to the KeyDown and MouseDown events of the window it happens in,
// before the widget under it sees it, whichever of the window's widgets that is. An application
// filter sees an event again at every parent it propagates to, so a press the window lets through
// is delivered on from here, with the window's own look-out switched off meanwhile.
class WindowInputFilter : public QObject {
 public:
  using QObject::QObject;

  bool eventFilter(QObject* receiver, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::MouseButtonPress) return false;
    if (!receiver->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(receiver);
    auto* window = dynamic_cast<Window*>(widget->window());
    if (window == nullptr || window == passingOn_) return false;

    // The window's handler may delete the widget or close the window.
    QPointer<QObject> target(receiver);
    bool dropped = false;
    if (type == QEvent::KeyPress) {
      if (!window->WantsKeyDown()) return false;
      const std::optional<String> key = KeyDownText(*static_cast<QKeyEvent*>(event));
      if (!key) return false;
      dropped = window->DeliverKeyDown(*key);
    } else {
      if (!window->WantsMouseDown()) return false;
      const QPoint inWidget = static_cast<QMouseEvent*>(event)->position().toPoint();
      const QPoint inWindow = widget == window ? inWidget : widget->mapTo(window, inWidget);
      const QPoint inContent = window->ContentArea()->mapFrom(window, inWindow);
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
};

}  // namespace

void InstallWindowInputFilter() {
  static QPointer<WindowInputFilter> installed;
  if (installed || QCoreApplication::instance() == nullptr) return;
  installed = new WindowInputFilter(QCoreApplication::instance());
  QCoreApplication::instance()->installEventFilter(installed);
}

}  // namespace rt
