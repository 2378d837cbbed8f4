#pragma once

#include "runtime/core/layout_builders.h"

// The design-time values of the help window and its controls, as layout descriptions.
namespace description_wnd_layout {

// The window, and two text areas, the notice and the Print button in the order they are made.
const rt::layout::WindowLayout& Layout();

}  // namespace description_wnd_layout
