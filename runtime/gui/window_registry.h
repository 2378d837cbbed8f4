#pragma once

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/core/string.h"
#include "runtime/gui/open_windows.h"
#include "runtime/gui/runtime_cast.h"
#include "runtime/gui/window.h"

namespace rt {

// Makes a window class known under its class name with the names of the events it handles
// ("Activate", "Close", "KeyDown", ...). Registering a name again replaces its events.
void RegisterWindowClass(std::string className, std::vector<std::string> handledEvents);

// The same, for a class that registers itself when its first window is made: the first call for
// a name registers it, later ones do nothing.
void RegisterWindowClassOnce(std::string_view className,
                             std::initializer_list<std::string_view> handledEvents);

// Whether the class handles the event. `isOwnClass` marks a class of the program's own, which
// answers from the registry; the runtime's own classes handle no program events.
bool RuntimeIsEventHandled(const Window& window, std::string_view className,
                           const String& eventName, bool isOwnClass);
// The same question for an object that is not a window (the application object).
bool RuntimeIsEventHandled(std::string_view className, const String& eventName, bool isOwnClass);

// The open window of the class, or a new one (new W, then its Constructor) when none is open.
// An exception while constructing leaves no window behind and passes to the caller.
template <class W>
W& GetOrCreateWindow(std::string_view className) {
  if (Window* open = GetImplicitWindow(className)) return RuntimeCheckCast<W>(open);
  auto window = std::make_unique<W>();
  window->Constructor();
  return RuntimeCheckCast<W>(static_cast<Window*>(window.release()));
}

}  // namespace rt
