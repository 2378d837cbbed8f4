#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "runtime/core/layout_description.h"
#include "runtime/gui/delegate.h"
#include "runtime/gui/rect_control.h"
#include "runtime/gui/runtime_cast.h"
#include "runtime/gui/window.h"

// How a window class makes its controls and reaches them: the steps are the same in every window.
namespace rt {

// The control of that name as its class, looked up afresh at every use; NilObjectException when
// no control has that name. Every step that reaches a control by name goes through here.
template <class Control>
Control& FindControl(Window& window, const char* name) {
  return RuntimeCheckCast<Control>(window.ControlByName(name));
}

// Makes a control, runs its constructor, registers it under its name and finds it again by that
// name, checking its class.
template <class Control>
Control& MakeControl(Window& window, const char* name) {
  std::unique_ptr<Control> control = window.New<Control>();
  control->Constructor();
  window.AddControl(std::move(control), name);
  return FindControl<Control>(window, name);
}

inline void ApplyLayout(RectControl& control, const std::vector<Property>& description) {
  control.SetProperties(EncodeLayout(description));
}

// Binds event `event` of the control named `name` to `handler` of `window`.
template <class W, class Handler>
void BindEvent(W& window, const char* name, std::int64_t event, Handler handler, const char* form) {
  RuntimeAddEventHandler(FindControl<RectControl>(window, name), event,
                         RuntimeCreateDelegate(window, handler, form));
}

}  // namespace rt
