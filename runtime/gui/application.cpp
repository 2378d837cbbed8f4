#include "runtime/gui/application.h"

#include "runtime/core/startup_trace.h"

namespace rt {

namespace {
bool supportsHiDPI = false;
std::unique_ptr<Application> registeredApplication;
}  // namespace

Application::~Application() = default;

void Application::SetSupportsHiDPI(bool supported) {
  TraceStartupStep("Application.SetSupportsHiDPI");
  supportsHiDPI = supported;
}

bool Application::SupportsHiDPI() {
  return supportsHiDPI;
}

void Application::x_SetVersionData(std::int64_t major, std::int64_t minor, std::int64_t bug,
                                   std::int64_t nonRelease, std::int64_t stage,
                                   const String& longVersion, const String& shortVersion,
                                   const String& packageInfo) {
  TraceStartupStep("Application.x_SetVersionData");
  majorVersion_ = major;
  minorVersion_ = minor;
  bugVersion_ = bug;
  nonReleaseVersion_ = nonRelease;
  stageCode_ = stage;
  longVersion_ = longVersion;
  shortVersion_ = shortVersion;
  packageInfo_ = packageInfo;
}

void Application::SetMenuBar(MenuBar* bar) {
  TraceStartupStep("Application.MenuBar");
  menuBar_ = bar;
}

bool Application::IsEventImplemented(const String&) {
  return false;
}

void RuntimeRegisterAppObject(std::unique_ptr<Application> application) {
  TraceStartupStep("RuntimeRegisterAppObject");
  registeredApplication = std::move(application);
}

Application* App() {
  return registeredApplication.get();
}

void RuntimeReleaseAppObject() {
  registeredApplication.reset();
}

}  // namespace rt
