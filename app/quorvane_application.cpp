#include "app/quorvane_application.h"

#include "runtime/gui/window_registry.h"

bool Quorvane::IsEventImplemented(const rt::String& eventName) {
  return rt::RuntimeIsEventHandled(kClassName, eventName, true);
}
