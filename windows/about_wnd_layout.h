#pragma once

#include "runtime/core/layout_builders.h"

// The design-time values of the splash and About window and its controls, as layout
// descriptions.
namespace about_wnd_layout {

// The window, and two canvases, the notice and the timer in the order they are made.
const rt::layout::WindowLayout& Layout();

}  // namespace about_wnd_layout
