#include "tests/support/gui_test.h"

#include <QApplication>
#include <QWidget>

namespace testsupport {

void GuiTest::TearDown() {
  // Closed windows are only gone once their deferred delete has run.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (!widget->isVisible()) continue;
    ADD_FAILURE() << "A window is still shown after the test: " << widget->metaObject()->className()
                  << " \"" << widget->objectName().toStdString() << "\" titled \""
                  << widget->windowTitle().toStdString() << "\"";
    widget->hide();
  }
}

}  // namespace testsupport
