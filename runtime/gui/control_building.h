#pragma once

#include <cstdint>
#include <memory>
#include <type_traits>
#include <vector>

#include "runtime/core/layout_builders.h"
#include "runtime/core/layout_description.h"
#include "runtime/gui/canvas.h"
#include "runtime/gui/delegate.h"
#include "runtime/gui/rect_control.h"
#include "runtime/gui/runtime_cast.h"
#include "runtime/gui/window.h"

// How a window class makes its controls and reaches them: the steps are the same in every window.
namespace rt {

// The control of that name as its class, looked up afresh at every use.
template <class Control>
Control& FindControl(Window& window, const char* name) {
  return RuntimeCheckCast<Control>(window.ControlByName(name));
}

inline void ApplyLayout(RectControl& control, const std::vector<Property>& description) {
  control.SetProperties(EncodeLayout(description));
}

// Binds event `event` of the control named `name` to `handler` of `window`; the control is looked
// up by its name again.
template <class W, class Handler>
void BindEvent(W& window, const char* name, std::int64_t event, Handler handler, const char* form) {
  RectControl& control = FindControl<RectControl>(window, name);
  const Delegate delegate = RuntimeCreateDelegate(window, handler, form);
  RuntimeAddEventHandler(control, event, delegate);
}

// One event of a control and the window's handler for it, with the handler's form.
template <class Handler>
struct On {
  std::int64_t event;
  Handler handler;
  const char* form;
};
template <class Handler>
On(std::int64_t, Handler, const char*) -> On<Handler>;

// A canvas's picture, set before its layout is applied; nullptr shows none.
struct Backdrop {
  std::shared_ptr<Picture> picture;
};

namespace detail {

template <class Control, class Step>
void BeforeLayout(Control& control, const Step& step) {
  if constexpr (std::is_same_v<Step, Backdrop>) {
    static_assert(std::is_base_of_v<Canvas, Control>, "only a canvas has a backdrop");
    control.SetBackdrop(step.picture);
  }
}

template <class W, class Step>
void AfterLayout(W& window, RectControl& control, const Step& step) {
  if constexpr (!std::is_same_v<Step, Backdrop>) {
    RuntimeAddEventHandler(control, step.event,
                           RuntimeCreateDelegate(window, step.handler, step.form));
  }
}

}  // namespace detail

// Makes the control named `name` of `window`, in this order: runs its constructor, registers it
// under its name and finds it again by that name, checking its class; sets its backdrop, if one is
// given; applies its description from `layout`; binds each given event, in the order given.
template <class Control, class W, class... Steps>
Control& MakeControl(W& window, const layout::WindowLayout& layout, const char* name,
                     const Steps&... steps) {
  std::unique_ptr<Control> made = window.template New<Control>();
  made->Constructor();
  window.AddControl(std::move(made), name);
  Control& control = FindControl<Control>(window, name);
  (detail::BeforeLayout(control, steps), ...);
  ApplyLayout(control, layout.Control(name).properties);
  (detail::AfterLayout(window, control, steps), ...);
  return control;
}

}  // namespace rt
