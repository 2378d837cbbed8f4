#include "runtime/gui/open_windows.h"

#include <algorithm>

#include "runtime/gui/window.h"

namespace rt {

namespace {

std::vector<Window*>& OpenWindowList() {
  static std::vector<Window*> windows;
  return windows;
}

}  // namespace

void AddOpenWindow(Window* window) {
  auto& windows = OpenWindowList();
  if (std::find(windows.begin(), windows.end(), window) == windows.end()) windows.push_back(window);
}

void RemoveOpenWindow(Window* window) {
  std::erase(OpenWindowList(), window);
}

std::vector<Window*> OpenWindows() {
  return OpenWindowList();
}

Window* GetImplicitWindow(std::string_view className) {
  for (Window* window : OpenWindowList()) {
    if (window->IsOpen() && window->ClassName() == className) return window;
  }
  return nullptr;
}

}  // namespace rt
