#include "runtime/gui/quit.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThread>

#include "runtime/gui/open_windows.h"

namespace rt {

namespace {

int quitCalls = 0;
int lastQuitCode = 0;

// Set from a Quit that ended a running loop until the loop has ended.
bool ending = false;

bool EventLoopRunning() {
  return QCoreApplication::instance() != nullptr && QThread::currentThread()->loopLevel() > 0;
}

}  // namespace

void Quit(int code) {
  ++quitCalls;
  lastQuitCode = code;
  // Qt remembers an exit() made while no event loop runs and ends every later loop at once,
  // modal dialogs included. So only a running loop is ended. A caller that may quit before its
  // loop starts checks QuitCalls().
  if (!EventLoopRunning()) return;
  // A second Quit while the program is ending (a window's Close event during the ending) keeps
  // the first code.
  static QPointer<QCoreApplication> watched;
  QCoreApplication* application = QCoreApplication::instance();
  if (watched != application) {
    watched = application;
    ending = false;
    QObject::connect(application, &QCoreApplication::aboutToQuit, application,
                     [] { ending = false; });
  }
  if (ending) return;
  ending = true;
  QCoreApplication::exit(code);
}

bool IsQuitting() {
  return ending;
}

void QuitWhenNoWindowIsLeft() {
  if (OpenWindows().empty() && EventLoopRunning() && !ending) Quit(0);
}

int QuitCalls() {
  return quitCalls;
}

int LastQuitCode() {
  return lastQuitCode;
}

}  // namespace rt
