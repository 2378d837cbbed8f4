#pragma once

#include "runtime/core/layout_builders.h"

// The design-time values of the main window and its controls, as layout descriptions.
namespace control_wnd_layout {

// The window, and 13 controls in the order they are made.
const rt::layout::WindowLayout& Layout();

}  // namespace control_wnd_layout
