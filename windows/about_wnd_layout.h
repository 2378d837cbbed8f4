#pragma once

#include <string>
#include <vector>

#include "runtime/core/layout_builders.h"

// The design-time values of the splash and About window and its controls, as layout
// descriptions.
namespace about_wnd_layout {

using rt::layout::ControlDescription;

std::vector<rt::Property> Window();
// The two canvases, the notice and the timer, in the order they are made.
const std::vector<ControlDescription>& Controls();
const ControlDescription& Control(const std::string& name);

}  // namespace about_wnd_layout
