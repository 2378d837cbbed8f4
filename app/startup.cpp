#include "app/startup.h"

#include <memory>

#include "analysis/file_types.h"
#include "app/menu.h"
#include "app/quorvane_application.h"
#include "runtime/core/exceptions.h"
#include "runtime/core/file_type.h"
#include "runtime/gui/startup.h"
#include "windows/about_wnd.h"
#include "windows/version.h"
#include "windows/window_accessors.h"

namespace quorvane {

namespace {
// The runtime version the program was written against.
constexpr double kTargetRuntimeVersion = 2019.031;
constexpr std::int64_t kNonReleaseVersion = 0;
constexpr std::int64_t kStageFinal = 3;
}  // namespace

int RunProgram(int argc, char** argv) {
  rt::RuntimeInit(argc, argv);
  rt::RuntimePerformInitializers();
  Main();
  rt::RuntimePerformFinalizers();
  return rt::RuntimeExit();
}

std::exception_ptr CallFunctionWithExceptionHandling(void (*function)(void*), void* argument) {
  try {
    function(argument);
  } catch (const rt::RuntimeException&) {
    return std::current_exception();
  }
  return nullptr;
}

void Main() {
  try {
    rt::RuntimeSetExceptionHelper(&CallFunctionWithExceptionHandling);
    rt::RuntimeSetTargetVersion(kTargetRuntimeVersion);
    EarlyStartup();
    rt::RunFrameworkInitialization(&LateStartup);
    rt::RuntimeRun();
  } catch (...) {
    rt::UnhandledException(std::current_exception());
  }
}

void EarlyStartup() {
  rt::Application::SetSupportsHiDPI(true);
  rt::RuntimeInitExternalClasses();
  rt::InitPluginEntrypoints();
  InitFileTypes();
  NewAppInstance();
  ApplicationAddMenuHandlers();
}

void InitFileTypes() {
  FileTypes1::Initialize();
  // The data files are plain text, though the type names no endings of its own.
  rt::TreatAsPlainText(FileTypes1::kTextName);
}

void NewAppInstance() {
  auto application = std::make_unique<Quorvane>();
  application->Constructor();
  application->x_SetVersionData(kMajorVersion, kMinorVersion, kBugVersion, kNonReleaseVersion,
                                kStageFinal, rt::String(kLongVersion), rt::String(kShortVersion),
                                "Quorvane");
  application->SetMenuBar(&Menu());
  rt::RuntimeRegisterAppObject(std::move(application));
}

// The application object answers no menu item.
void ApplicationAddMenuHandlers() {}

void LateStartup() {
  MakeDefaultView();
}

// The splash window shows itself: its layout is Visible.
void MakeDefaultView() {
  AboutWnd();
}

}  // namespace quorvane
