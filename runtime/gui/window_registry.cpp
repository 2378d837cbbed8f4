#include "runtime/gui/window_registry.h"

#include <map>
#include <set>

namespace rt {

namespace {

std::map<std::string, std::set<std::string>, std::less<>>& WindowClasses() {
  static std::map<std::string, std::set<std::string>, std::less<>> classes;
  return classes;
}

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

}  // namespace rt
