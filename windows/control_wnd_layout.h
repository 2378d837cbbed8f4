#pragma once

#include <string>
#include <vector>

#include "runtime/core/layout_builders.h"

// The design-time values of the main window and its controls, as layout descriptions.
namespace control_wnd_layout {

using rt::layout::ControlDescription;

std::vector<rt::Property> Window();
// The 13 controls, in the order they are made.
const std::vector<ControlDescription>& Controls();
const ControlDescription& Control(const std::string& name);

}  // namespace control_wnd_layout
