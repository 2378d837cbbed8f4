#include "runtime/gui/window_registry.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThread>
#include <algorithm>
#include <map>
#include <set>

#include "runtime/gui/open_windows.h"

namespace rt {

namespace {

std::map<std::string, std::set<std::string>, std::less<>>& WindowClasses() {
  static std::map<std::string, std::set<std::string>, std::less<>> classes;
  return classes;
}

std::vector<Window*>& OpenWindowList() {
  static std::vector<Window*> windows;
  return windows;
}

int quitCalls = 0;
int lastQuitCode = 0;

}  // namespace

void RegisterWindowClass(std::string className, std::vector<std::string> handledEvents) {
  WindowClasses()[std::move(className)] =
      std::set<std::string>(handledEvents.begin(), handledEvents.end());
}

void RegisterWindowClassOnce(std::string_view className,
                             std::initializer_list<std::string_view> handledEvents) {
  if (WindowClasses().contains(className)) return;
  WindowClasses().emplace(std::string(className),
                          std::set<std::string>(handledEvents.begin(), handledEvents.end()));
}

bool RuntimeIsEventHandled(const Window&, std::string_view className, const String& eventName,
                           bool isOwnClass) {
  return RuntimeIsEventHandled(className, eventName, isOwnClass);
}

bool RuntimeIsEventHandled(std::string_view className, const String& eventName, bool isOwnClass) {
  if (!isOwnClass) return false;
  const auto found = WindowClasses().find(className);
  return found != WindowClasses().end() && found->second.contains(eventName.ToUtf8());
}

Window* GetImplicitWindow(std::string_view className) {
  for (Window* window : OpenWindowList()) {
    if (window->IsOpen() && window->ClassName() == className) return window;
  }
  return nullptr;
}

std::vector<Window*> OpenWindows() {
  return OpenWindowList();
}

void AddOpenWindow(Window* window) {
  auto& windows = OpenWindowList();
  if (std::find(windows.begin(), windows.end(), window) == windows.end()) windows.push_back(window);
}

void RemoveOpenWindow(Window* window) {
  std::erase(OpenWindowList(), window);
}

namespace {

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
  if (OpenWindowList().empty() && EventLoopRunning() && !ending) Quit(0);
}

int QuitCalls() {
  return quitCalls;
}

int LastQuitCode() {
  return lastQuitCode;
}

}  // namespace rt
