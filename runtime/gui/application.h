#pragma once

#include <cstdint>
#include <memory>

#include "runtime/core/string.h"

namespace rt {

class MenuBar;

// The application object: the program's version data and its one menu bar, which every window
// that asks for a menu bar shows. The program derives its own class from it and hands the object
// to the runtime with RuntimeRegisterAppObject.
class Application {
 public:
  Application() = default;
  virtual ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // Whether the windows scale with the screen's pixel density; only takes effect before the
  // framework is initialised.
  static void SetSupportsHiDPI(bool supported);
  static bool SupportsHiDPI();

  // Stage: 0 development, 1 alpha, 2 beta, 3 final.
  void x_SetVersionData(std::int64_t major, std::int64_t minor, std::int64_t bug,
                        std::int64_t nonRelease, std::int64_t stage, const String& longVersion,
                        const String& shortVersion, const String& packageInfo);
  std::int64_t MajorVersion() const { return majorVersion_; }
  std::int64_t MinorVersion() const { return minorVersion_; }
  std::int64_t BugVersion() const { return bugVersion_; }
  std::int64_t NonReleaseVersion() const { return nonReleaseVersion_; }
  std::int64_t StageCode() const { return stageCode_; }
  const String& LongVersion() const { return longVersion_; }
  const String& ShortVersion() const { return shortVersion_; }
  const String& PackageInfo() const { return packageInfo_; }

  // The bar is the program's and outlives the application object; the object only refers to it.
  MenuBar* GetMenuBar() const { return menuBar_; }
  void SetMenuBar(MenuBar* bar);

  virtual bool IsEventImplemented(const String& eventName);

 private:
  std::int64_t majorVersion_ = 0;
  std::int64_t minorVersion_ = 0;
  std::int64_t bugVersion_ = 0;
  std::int64_t nonReleaseVersion_ = 0;
  std::int64_t stageCode_ = 0;
  String longVersion_;
  String shortVersion_;
  String packageInfo_;
  MenuBar* menuBar_ = nullptr;
};

// From here the runtime holds the application object, until the finalizers release it.
void RuntimeRegisterAppObject(std::unique_ptr<Application> application);
// The registered application object, or nullptr.
Application* App();
// Releases the application object (the runtime's finalizers do this).
void RuntimeReleaseAppObject();

}  // namespace rt
