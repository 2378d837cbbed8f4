#include "tests/support/gui_test.h"

#include <QApplication>
#include <QWidget>

#include "runtime/gui/open_windows.h"
#include "runtime/gui/window.h"

namespace testsupport {

void GuiTest::TearDown() {
  // Closed windows are only gone once their deferred delete has run. A window left open, such as
  // a hidden splash window that the main window made when it became active, goes too, so that
  // no test meets another's window.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  for (rt::Window* window : rt::OpenWindows()) delete window;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (!widget->isVisible()) continue;
    ADD_FAILURE() << "A window is still shown after the test: " << widget->metaObject()->className()
                  << " \"" << widget->objectName().toStdString() << "\" titled \""
                  << widget->windowTitle().toStdString() << "\"";
    widget->hide();
  }
}

}  // namespace testsupport
