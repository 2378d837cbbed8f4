#include "runtime/gui/platform.h"

#include "runtime/gui/qt_platform.h"

namespace rt {
namespace {

Platform& QtDefault() {
  static QtPlatform platform;
  return platform;
}

Platform* current = nullptr;

}  // namespace

Platform& CurrentPlatform() {
  return current ? *current : QtDefault();
}

void SetPlatform(Platform* platform) {
  current = platform;
  SetClock(platform);
}

void MessageDialog::Show(const String& text) {
  CurrentPlatform().ShowMessage(text);
}

void Beep() {
  CurrentPlatform().Beep();
}

}  // namespace rt
