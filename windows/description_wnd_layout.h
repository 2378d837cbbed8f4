#pragma once

#include <string>
#include <vector>

#include "runtime/core/layout_builders.h"

// The design-time values of the help window and its controls, as layout descriptions.
namespace description_wnd_layout {

using rt::layout::ControlDescription;

std::vector<rt::Property> Window();
// The two text areas, the notice and the Print button, in the order they are made.
const std::vector<ControlDescription>& Controls();
const ControlDescription& Control(const std::string& name);

}  // namespace description_wnd_layout
