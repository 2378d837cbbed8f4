#include "runtime/gui/startup.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QIcon>
#include <memory>

#include "runtime/core/exceptions.h"
#include "runtime/core/startup_trace.h"
#include "runtime/gui/application.h"
#include "runtime/gui/open_windows.h"
#include "runtime/gui/platform.h"
#include "runtime/gui/qt_text.h"
#include "runtime/gui/quit.h"
#include "runtime/gui/window.h"

namespace rt {

namespace {

struct StartupState {
  int* argc = nullptr;
  char** argv = nullptr;
  ExceptionHelper exceptionHelper = nullptr;
  double targetVersion = 0;
  bool unhandled = false;
  int quitCallsAtStart = 0;
  int loopResult = 0;
  std::unique_ptr<QApplication> framework;  // only when the runtime made it
};

StartupState& State() {
  static StartupState state;
  return state;
}

// The icons are part of the program file (its Qt resources under /icons, one file a size), as on
// Windows, where they are the program's icon resource.
QIcon ProgramIcon() {
  QIcon icon;
  const QDir icons(QStringLiteral(":/icons"));
  for (const QString& file : icons.entryList(QDir::Files)) icon.addFile(icons.filePath(file));
  return icon;
}

// The program's name as its application object gives it, or as Qt knows it before there is one.
QString ProgramName() {
  if (Application* application = App()) return ToQString(application->PackageInfo());
  return QCoreApplication::applicationName();
}

// Qt's application object, unless one exists (a test's). Made as late as possible, so that the
// program's settings for it, such as high-DPI support, are known.
void MakeFramework() {
  if (QCoreApplication::instance() != nullptr) return;
  StartupState& state = State();
  // Qt 6 always scales by the screen's density; without the program's consent it rounds the
  // factor to whole numbers, which is how a program that does not support high DPI looks.
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
      Application::SupportsHiDPI() ? Qt::HighDpiScaleFactorRoundingPolicy::PassThrough
                                   : Qt::HighDpiScaleFactorRoundingPolicy::Round);
  static int noArguments = 0;
  state.framework =
      std::make_unique<QApplication>(state.argc ? *state.argc : noArguments, state.argv);
}

}  // namespace

void RuntimeInit(int& argc, char** argv) {
  TraceStartupStep("RuntimeInit");
  State().argc = &argc;
  State().argv = argv;
}

void RuntimePerformInitializers() {
  TraceStartupStep("RuntimePerformInitializers");
  StartupState& state = State();
  state.exceptionHelper = nullptr;
  state.targetVersion = 0;
  state.unhandled = false;
  state.quitCallsAtStart = QuitCalls();
  state.loopResult = 0;
}

namespace {
bool QuitSinceStart() {
  return QuitCalls() > State().quitCallsAtStart;
}
}  // namespace

void RuntimeSetExceptionHelper(ExceptionHelper helper) {
  TraceStartupStep("RuntimeSetExceptionHelper");
  State().exceptionHelper = helper;
}

void RuntimeSetTargetVersion(double version) {
  TraceStartupStep("RuntimeSetTargetVersion");
  State().targetVersion = version;
}

void RuntimeInitExternalClasses() {
  TraceStartupStep("RuntimeInitExternalClasses");
}

void InitPluginEntrypoints() {
  TraceStartupStep("InitPluginEntrypoints");
}

void RunFrameworkInitialization(void (*lateStartup)()) {
  TraceStartupStep("RunFrameworkInitialization");
  StartupState& state = State();
  MakeFramework();
  // The program ends when its last window closes, shown or hidden, or when it quits; Qt's own rule
  // (the last visible window) would end it while a hidden window is still open.
  QApplication::setQuitOnLastWindowClosed(false);
  if (Application* application = App()) {
    QCoreApplication::setApplicationName(ToQString(application->PackageInfo()));
    QCoreApplication::setApplicationVersion(ToQString(application->ShortVersion()));
  }
  QApplication::setWindowIcon(ProgramIcon());

  if (state.exceptionHelper == nullptr) {
    lateStartup();
    return;
  }
  struct Call {
    void (*function)();
  } call{lateStartup};
  auto run = [](void* argument) { static_cast<Call*>(argument)->function(); };
  if (std::exception_ptr raised = state.exceptionHelper(run, &call)) std::rethrow_exception(raised);
}

void RuntimeRun() {
  TraceStartupStep("RuntimeRun");
  // A Quit during start-up (the first window closed at once) ends the program before its loop.
  if (QuitSinceStart() || QCoreApplication::instance() == nullptr) return;
  State().loopResult = QCoreApplication::exec();
}

void UnhandledException(std::exception_ptr exception) noexcept {
  State().unhandled = true;
  try {
    TraceStartupStep("UnhandledException");
    // A step before the framework failed: the message box needs it all the same.
    MakeFramework();
  } catch (...) {
  }
  String message =
      FromQString(ProgramName()) + " met an error it cannot recover from and must close.";
  try {
    std::rethrow_exception(exception);
  } catch (const std::exception& error) {
    message += "\n\n" + String::FromUtf8(error.what());
  } catch (...) {
  }
  try {
    MessageDialog::Show(message);
  } catch (...) {
    // The message box itself failed; there is nobody left to tell.
  }
}

void RuntimePerformFinalizers() {
  TraceStartupStep("RuntimePerformFinalizers");
  for (Window* window : OpenWindows()) delete window;
  RuntimeReleaseAppObject();
}

int RuntimeExit() {
  TraceStartupStep("RuntimeExit");
  StartupState& state = State();
  const int code = state.unhandled ? 1 : (QuitSinceStart() ? LastQuitCode() : state.loopResult);
  state.framework.reset();
  return code;
}

}  // namespace rt
